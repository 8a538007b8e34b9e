/* PostgreSQLProvider: the connection to a PostgreSQL server (its
 * parameters, the session's settings, open and close) and the statement
 * that answers an affected-row count. Sending a text is
 * postgre-sql-text.cpp, transactions postgre-sql-transactions.cpp. */
#include "libproviders/postgresql/postgre-sql-provider.h"

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "common/check.h"
#include "common/private-data.h"
#include "supports/common/engine/internals-lookup-internal.h"
#include "supports/common/entry-checks-internal.h"
#include "supports/common/options-text-internal.h"
#include "supports/common/provider-slots-internal.h"
#include "supports/common/statement-slot-internal.h"
#include "supports/postgresql/postgre-sql-provider-private.h"

namespace {

using providers::postgresql::ProviderLock;
using providers::postgresql::provider_priv;
using providers::postgresql::Provider;

constexpr int kDefaultPort = 5432;
/* Reaching the server and the login: a server that has not answered in
 * this time will not. */
constexpr const char kConnectTimeoutSeconds[] = "10";
/* A peer that vanished without a word (a cable, a suspended host, a
 * dropped route) is found by TCP: probes after a minute of silence, every
 * 10 s, six unanswered ones end the connection; data unacknowledged for
 * two minutes ends it too. A live server answers the probes itself, also
 * while it runs a long query. */
constexpr const char kKeepAliveIdleSeconds[] = "60";
constexpr const char kKeepAliveIntervalSeconds[] = "10";
constexpr const char kKeepAliveProbes[] = "6";
constexpr const char kUnacknowledgedMilliseconds[] = "120000";
/* How cells are spelled is the provider's, not the server's defaults:
 * given in the startup packet, they are also what RESET and DISCARD ALL
 * go back to. client_encoding has a keyword of its own. */
constexpr const char kSessionSettings[] =
    "-c DateStyle=ISO -c IntervalStyle=postgres -c extra_float_digits=1 -c bytea_output=hex";

/* The keys of the profile's options text that this engine knows. */
constexpr std::string_view kOptionApplicationName = "application_name";
constexpr std::string_view kOptionConnectTimeout = "connect_timeout";

void torvanix_providers_supports_postgre_sql_provider_iprovider_init (TorvanixProvidersContractsIProviderInterface *iface);

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersSupportsPostgreSQLProvider,
                                 torvanix_providers_supports_postgre_sql_provider, G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IPROVIDER,
                                                        torvanix_providers_supports_postgre_sql_provider_iprovider_init))

namespace providers::postgresql {

Private *
provider_priv (Provider *self)
{
  return torvanix_providers_supports_postgre_sql_provider_get_instance_private (self);
}

}  // namespace providers::postgresql

namespace {

bool
is_empty (const gchar *text)
{
  return text == nullptr || *text == '\0';
}

/* The keywords and values for PQconnectdbParams, each a text of its own:
 * nothing is spliced into a conninfo text that a quote or blank could
 * break. */
class Parameters {
 public:
  void add (const char *keyword, std::string value) { items_.emplace_back (keyword, std::move (value)); }
  void add_unless_empty (const char *keyword, const gchar *value)
  {
    if (!is_empty (value))
      add (keyword, value);
  }

  PGconn *connect () const
  {
    std::vector<const char *> keywords, values;
    for (const auto &[keyword, value] : items_) {
      keywords.push_back (keyword);
      values.push_back (value.c_str ());
    }
    keywords.push_back (nullptr);
    values.push_back (nullptr);
    /* 0: a database name is a name, never a conninfo text of its own. */
    return PQconnectdbParams (keywords.data (), values.data (), 0);
  }

 private:
  std::vector<std::pair<const char *, std::string>> items_;
};

/* The server's notices (a table that already exists, a transaction that
 * is not open) are for a log, never the application's stderr. */
void
log_notice (void *, const PGresult *result) noexcept
{
  const char *severity = PQresultErrorField (result, PG_DIAG_SEVERITY);
  const char *primary = PQresultErrorField (result, PG_DIAG_MESSAGE_PRIMARY);
  g_debug ("PostgreSQL %s: %s", severity ? severity : "NOTICE", primary ? primary : PQresultErrorMessage (result));
}

/* Parameters of the profile; false with an error when the profile cannot
 * be served. */
bool
parameters_of (TorvanixProvidersContractsServer *server, Parameters &parameters, GError **error)
{
  gint port = torvanix_providers_contracts_server_get_port (server);
  if (!providers::home::check_port (port, TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR, error))
    return false;
  const gchar *options_text = torvanix_providers_contracts_server_get_options (server);
  providers::home::OptionsText options (options_text != nullptr ? options_text : "",
                                            {kOptionApplicationName, kOptionConnectTimeout});
  if (!options.ok ()) {
    std::string message = "The profile's options: " + options.problem () + ".";
    providers::postgresql::set_own_error (error, message.c_str ());
    return false;
  }

  parameters.add_unless_empty ("host", torvanix_providers_contracts_server_get_host (server));
  parameters.add ("port", std::to_string (port == 0 ? kDefaultPort : port));
  parameters.add_unless_empty ("user", torvanix_providers_contracts_server_get_username (server));
  parameters.add_unless_empty ("password", torvanix_providers_contracts_server_get_password (server));
  parameters.add_unless_empty ("dbname", torvanix_providers_contracts_server_get_initial (server));
  parameters.add ("client_encoding", "UTF8");
  parameters.add ("options", kSessionSettings);
  const std::string *timeout = options.find (kOptionConnectTimeout);
  parameters.add ("connect_timeout", timeout != nullptr ? *timeout : kConnectTimeoutSeconds);
  if (const std::string *name = options.find (kOptionApplicationName))
    parameters.add ("application_name", *name);
  parameters.add ("keepalives", "1");
  parameters.add ("keepalives_idle", kKeepAliveIdleSeconds);
  parameters.add ("keepalives_interval", kKeepAliveIntervalSeconds);
  parameters.add ("keepalives_count", kKeepAliveProbes);
  parameters.add ("tcp_user_timeout", kUnacknowledgedMilliseconds);

  if (!torvanix_providers_contracts_server_get_ssl_using (server)) {
    parameters.add ("sslmode", "disable");
    return true;
  }
  const gchar *ca = torvanix_providers_contracts_server_get_ssl_ca_file (server);
  /* A CA given is a CA to verify the server and its name against; TLS
   * without one still never falls back to plain text. */
  parameters.add ("sslmode", is_empty (ca) ? "require" : "verify-full");
  parameters.add_unless_empty ("sslrootcert", ca);
  parameters.add_unless_empty ("sslcert", torvanix_providers_contracts_server_get_ssl_cert_file (server));
  parameters.add_unless_empty ("sslkey", torvanix_providers_contracts_server_get_ssl_key_file (server));
  parameters.add_unless_empty ("sslpassword", torvanix_providers_contracts_server_get_ssl_password (server));
  return true;
}

}  // namespace

/* A server behind a pooler may not take settings from the startup packet:
 * what the session reports decides, and what differs is set. */
bool
providers::postgresql::settle_session (PGconn *connection, GError **error)
{
  struct Setting {
    const char *name;
    const char *expected_prefix;
    const char *statement;
  };
  static constexpr Setting kSettings[] = {
    {"client_encoding", "UTF8", "SET client_encoding = 'UTF8'"},
    {"DateStyle", "ISO", "SET DateStyle = ISO"},
    {"IntervalStyle", "postgres", "SET IntervalStyle = postgres"},
  };
  for (const Setting &setting : kSettings) {
    const char *reported = PQparameterStatus (connection, setting.name);
    if (reported != nullptr && g_str_has_prefix (reported, setting.expected_prefix))
      continue;
    providers::postgresql::Result result (PQexec (connection, setting.statement));
    if (PQresultStatus (result.get ()) != PGRES_COMMAND_OK) {
      providers::postgresql::set_result_error (error, result.get (), connection);
      return false;
    }
  }
  return true;
}

namespace {

bool
open_connection (Provider *self, TorvanixProvidersContractsServer *server, GError **error)
{
  auto *priv = provider_priv (self);
  priv->connection.reset ();
  priv->in_transaction = false;
  priv->lost = nullptr;
  priv->session_marked = false;
  priv->types.clear ();
  /* Built against another libproviders, the library must not call it. */
  if (!providers::home::internals_match (TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR,
                                         TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_PROVIDER, error))
    return false;
  Parameters parameters;
  if (!parameters_of (server, parameters, error))
    return false;
  providers::postgresql::Connection connection (parameters.connect ());
  if (connection == nullptr) {
    providers::postgresql::set_client_error (error, nullptr, "Cannot create a connection object.");
    return false;
  }
  if (PQstatus (connection.get ()) != CONNECTION_OK) {
    providers::postgresql::set_client_error (error, connection.get (), "Cannot connect.");
    return false;
  }
  PQsetNoticeReceiver (connection.get (), log_notice, nullptr);
  if (!providers::postgresql::settle_session (connection.get (), error))
    return false;
  priv->connection = std::move (connection);
  providers::postgresql::begin_session (priv);
  return true;
}

void
close_connection (Provider *self)
{
  auto *priv = provider_priv (self);
  priv->connection.reset ();
  priv->in_transaction = false;
  priv->lost = nullptr;
  priv->session_marked = false;
}

/* What the common connection slots run for this engine. */
struct Engine {
  using Provider = providers::postgresql::Provider;
  using Lock = ProviderLock;
  static Provider *cast (TorvanixProvidersContractsIProvider *base)
  {
    return TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_PROVIDER (base);
  }
  static GQuark domain () { return TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR; }
  static constexpr auto open_locked = open_connection;
  static constexpr auto close_locked = close_connection;
  static constexpr const char kClosedLog[] = "PostgreSQL connection closed.";
  static constexpr auto begin = providers::postgresql::begin_transaction;
  static constexpr auto commit = providers::postgresql::commit_transaction;
  static constexpr auto rollback = providers::postgresql::rollback_transaction;
};


/* A round trip, not the client's last known state: a server that went away
 * since the last statement answers false. */
gboolean
provider_get_is_opened (TorvanixProvidersContractsIProvider *base) noexcept
{
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_PROVIDER (base);
  ProviderLock lock (self);
  PGconn *connection = provider_priv (self)->connection.get ();
  if (connection == nullptr || PQstatus (connection) != CONNECTION_OK)
    return FALSE;
  providers::postgresql::Result result (PQexec (connection, ""));
  return PQresultStatus (result.get ()) == PGRES_EMPTY_QUERY;
}

/* The first statement's count; the rows of a query are counted as they
 * pass and kept nowhere. */
class FirstCount : public providers::postgresql::TextSink {
 public:
  void row (const PGresult *) override {}
  void end (const PGresult *end) override
  {
    if (statements_++ == 0)
      count_ = providers::postgresql::affected_rows (end);
  }
  gint64 count () const { return count_; }

 private:
  int statements_ = 0;
  gint64 count_ = 0;
};

gint64
provider_execute_affect (TorvanixProvidersContractsIProvider *base, const gchar *statement, gint,
                         GError **error) noexcept
{
  providers_return_val_if_fail (statement != NULL, 0);
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_PROVIDER (base);
  return providers::home::guarded_statement (__func__, statement, TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR, error,
                                             gint64 (-1), [&] {
                                               ProviderLock lock (self);
                                               FirstCount count;
                                               if (!providers::postgresql::run_text (self, statement, count, error))
                                                 return gint64 (-1);
                                               return count.count ();
                                             });
}

void
torvanix_providers_supports_postgre_sql_provider_iprovider_init (TorvanixProvidersContractsIProviderInterface *iface)
{
  providers::home::install_connection_slots<Engine> (iface);
  iface->execute_affect = provider_execute_affect;
  iface->get_is_opened = provider_get_is_opened;
  providers::postgresql::install_statements (iface);
}

}  // namespace

static void
torvanix_providers_supports_postgre_sql_provider_class_init (TorvanixProvidersSupportsPostgreSQLProviderClass *klass)
{
  providers::home::install_is_opened (G_OBJECT_CLASS (klass));
}

PROVIDERS_DEFINE_PROVIDER_CONSTRUCTORS (PostgreSQL, postgre_sql, POSTGRE_SQL)
