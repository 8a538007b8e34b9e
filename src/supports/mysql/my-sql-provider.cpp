/* MySQLProvider: the connection to a MySQL or MariaDB server, its
 * transactions and the statement that answers an affected-row count. */
#include "libproviders/mysql/my-sql-provider.h"

#include "common/check.h"
#include "common/gobject-ref.h"
#include "supports/mysql/my-sql-provider-private.h"

#include <cstring>
#include <initializer_list>
#include <utility>

namespace {

enum {
  PROP_0,
  PROP_IS_OPENED,
};

/* CLIENT_FOUND_ROWS | CLIENT_CONNECT_WITH_DB | CLIENT_INTERACTIVE |
 * CLIENT_MULTI_STATEMENTS | CLIENT_REMEMBER_OPTIONS */
constexpr unsigned long kClientFlags = 0x8001040A;

constexpr unsigned int kTimeoutSeconds = 3600;
constexpr unsigned long kMaxAllowedPacket = 4294967295UL;
/* The connector allocates the whole net buffer for every connection: all
 * 32 bits reserve 4 GiB each. The server caps its own at 1 MiB. */
constexpr unsigned long kNetBufferLength = 1UL << 20;

void torvanix_providers_supports_my_sql_provider_iprovider_init (TorvanixProvidersContractsIProviderInterface *iface);
void torvanix_providers_supports_my_sql_provider_imy_sql_error_init (TorvanixProvidersSupportsIMySQLErrorInterface *) {}

}  // namespace

G_DEFINE_TYPE_WITH_CODE (TorvanixProvidersSupportsMySQLProvider, torvanix_providers_supports_my_sql_provider,
                         G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TorvanixProvidersSupportsMySQLProvider)
                         G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_ERROR,
                                                torvanix_providers_supports_my_sql_provider_imy_sql_error_init)
                         G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IPROVIDER,
                                                torvanix_providers_supports_my_sql_provider_iprovider_init))

namespace providers::mysql {

TorvanixProvidersSupportsMySQLProviderPrivate *
provider_priv (TorvanixProvidersSupportsMySQLProvider *self)
{
  return static_cast<TorvanixProvidersSupportsMySQLProviderPrivate *> (
      torvanix_providers_supports_my_sql_provider_get_instance_private (self));
}

void
set_own_error (GError **error, const char *message)
{
  g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR, -1, message);
}

bool
raise (TorvanixProvidersSupportsMySQLProvider *self, int result, GError **error)
{
  GError *local = nullptr;
  torvanix_providers_supports_imy_sql_error_raise_error (TORVANIX_PROVIDERS_SUPPORTS_IMY_SQL_ERROR (self),
                                                         provider_priv (self)->connection, result, &local);
  if (local == nullptr)
    return false;
  g_propagate_error (error, local);
  return true;
}

bool
clear_pending (TorvanixProvidersSupportsMySQLProvider *self, GError **error)
{
  MYSQL *connection = provider_priv (self)->connection;
  if (connection == nullptr) {
    /* The client library has no handle to answer for; calling it would crash. */
    set_own_error (error, "Connection is not open.");
    return false;
  }
  for (int r = mysql_next_result (connection);; r = mysql_next_result (connection)) {
    /* -1 only says that no further result exists. */
    if (raise (self, r > 0 ? r : 0, error))
      return false;
    if (r != 0)
      return true;
    if (MYSQL_RES *result = mysql_store_result (connection))
      mysql_free_result (result);
    else if (mysql_field_count (connection) != 0 && raise (self, -1, error))
      return false;
  }
}

bool
send_statement (TorvanixProvidersSupportsMySQLProvider *self, const char *statement, GError **error)
{
  if (!clear_pending (self, error))
    return false;
  MYSQL *connection = provider_priv (self)->connection;
  int r = mysql_real_query (connection, statement, static_cast<unsigned long> (std::strlen (statement)));
  return !raise (self, r, error);
}

}  // namespace providers::mysql

using providers::mysql::ProviderLock;
using providers::mysql::provider_priv;
using providers::mysql::raise;

namespace {

/* Empty file settings mean "none": the connector takes an empty text for
 * a file name (and an empty CA path for a directory) and fails on it. */
const char *
unless_empty (const gchar *text)
{
  return text != nullptr && *text != '\0' ? text : nullptr;
}

bool
asks_verification (const gchar *mode)
{
  if (mode == nullptr)
    return false;
  providers::GUnique<gchar> normal (g_strdelimit (g_strdup (mode), "_", '-'));
  for (const char *verifying : {"verify-ca", "verify-full", "verify-identity"}) {
    if (g_ascii_strcasecmp (normal.get (), verifying) == 0)
      return true;
  }
  return false;
}

struct Option {
  mysql_option option;
  const void *value;
};

/* Sets each option through raise_error; stops at the first error. */
bool
set_options (TorvanixProvidersSupportsMySQLProvider *self, std::initializer_list<Option> options, GError **error)
{
  MYSQL *connection = provider_priv (self)->connection;
  for (const Option &o : options) {
    if (raise (self, mysql_options (connection, o.option, o.value), error))
      return false;
  }
  return true;
}

bool
set_reconnect (TorvanixProvidersSupportsMySQLProvider *self, bool on, GError **error)
{
  my_bool reconnect = on ? 1 : 0;
  return set_options (self, {{MYSQL_OPT_RECONNECT, &reconnect}}, error);
}

void
close_connection (TorvanixProvidersSupportsMySQLProviderPrivate *priv)
{
  if (priv->connection != nullptr)
    mysql_close (priv->connection);
  priv->connection = nullptr;
  priv->in_transaction = false;
}

bool
open_locked (TorvanixProvidersSupportsMySQLProvider *self, TorvanixProvidersContractsServer *server, GError **error)
{
  auto *priv = provider_priv (self);
  MYSQL *connection = mysql_init (nullptr);
  close_connection (priv);
  priv->connection = connection;
  if (connection == nullptr) {
    providers::mysql::set_own_error (error, "Cannot create MYSQL object.");
    return false;
  }

  unsigned int protocol = 0;
  if (!set_options (self,
                    {
                      {MYSQL_SET_CHARSET_NAME, "utf8mb4"},
#ifdef G_OS_WIN32
                      /* Elsewhere the connector's own directory holds the
                       * authentication plugins. */
                      {MYSQL_PLUGIN_DIR, "..\\lib\\mariadb\\plugin"},
#endif
                      {MYSQL_OPT_CONNECT_TIMEOUT, &kTimeoutSeconds},
                      {MYSQL_OPT_READ_TIMEOUT, &kTimeoutSeconds},
                      {MYSQL_OPT_WRITE_TIMEOUT, &kTimeoutSeconds},
                      {MYSQL_OPT_MAX_ALLOWED_PACKET, &kMaxAllowedPacket},
                      {MYSQL_OPT_NET_BUFFER_LENGTH, &kNetBufferLength},
                      {MYSQL_OPT_PROTOCOL, &protocol},
                    },
                    error))
    return false;

  bool tls = torvanix_providers_contracts_server_get_ssl_using (server);
  /* With TLS asked for, a server without it fails the connect instead of
   * falling back to plain text. */
  my_bool enforce = tls ? 1 : 0;
  my_bool verify = tls && asks_verification (torvanix_providers_contracts_server_get_ssl_mode (server)) ? 1 : 0;
  auto file = [&] (const gchar *name) { return tls ? unless_empty (name) : nullptr; };
  if (!set_options (self,
                    {
                      {MYSQL_OPT_SSL_KEY, file (torvanix_providers_contracts_server_get_ssl_key_file (server))},
                      {MYSQL_OPT_SSL_CERT, file (torvanix_providers_contracts_server_get_ssl_cert_file (server))},
                      {MYSQL_OPT_SSL_CA, file (torvanix_providers_contracts_server_get_ssl_ca_file (server))},
                      {MYSQL_OPT_SSL_CAPATH, nullptr},
                      /* The profile's SSL password unlocks the key file. */
                      {MARIADB_OPT_TLS_PASSPHRASE, file (torvanix_providers_contracts_server_get_ssl_password (server))},
                      {MYSQL_OPT_SSL_ENFORCE, &enforce},
                      {MYSQL_OPT_SSL_VERIFY_SERVER_CERT, &verify},
                    },
                    error))
    return false;

  /* Without an initial database the session has none: a default such as
   * "mysql" is refused to ordinary accounts. */
  const char *database = unless_empty (torvanix_providers_contracts_server_get_initial (server));
  if (mysql_real_connect (connection, torvanix_providers_contracts_server_get_host (server),
                          torvanix_providers_contracts_server_get_username (server),
                          torvanix_providers_contracts_server_get_password (server), database,
                          static_cast<unsigned int> (torvanix_providers_contracts_server_get_port (server)), nullptr,
                          kClientFlags)
      == nullptr) {
    raise (self, -1, error);
    return false;
  }
  /* The connector falls back to plain text when the server offers no TLS,
   * unless it was asked to verify the server. */
  if (tls && mysql_get_ssl_cipher (connection) == nullptr) {
    close_connection (priv);
    priv->connection = mysql_init (nullptr);
    providers::mysql::set_own_error (error, "TLS was asked for, but the server does not offer it.");
    return false;
  }
  /* Only once connected, so that it never applies to the first connect. */
  return set_reconnect (self, true, error);
}

void
torvanix_providers_supports_my_sql_provider_real_open (TorvanixProvidersContractsIProvider *base,
                                                       TorvanixProvidersContractsServer *server,
                                                       const gchar *connection_string, GError **error)
{
  providers_return_if_fail (server != NULL);
  providers_return_if_fail (connection_string != NULL);
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
  ProviderLock lock (self);
  open_locked (self, server, error);
}

void
torvanix_providers_supports_my_sql_provider_real_close (TorvanixProvidersContractsIProvider *base, GError **)
{
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
  {
    ProviderLock lock (self);
    close_connection (provider_priv (self));
  }
  g_debug ("provider:67: Connection closed.");
}

gboolean
torvanix_providers_supports_my_sql_provider_real_get_is_opened (TorvanixProvidersContractsIProvider *base)
{
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
  ProviderLock lock (self);
  MYSQL *connection = provider_priv (self)->connection;
  return connection != nullptr && mysql_ping (connection) == 0;
}

gboolean
torvanix_providers_supports_my_sql_provider_real_transaction (TorvanixProvidersContractsIProvider *base,
                                                              GError **error)
{
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
  ProviderLock lock (self);
  auto *priv = provider_priv (self);
  if (priv->connection == nullptr) {
    providers::mysql::set_own_error (error, "Connection is not open.");
    return FALSE;
  }
  if (mysql_autocommit (priv->connection, 0) != 0 && raise (self, -1, error))
    return FALSE;
  /* A silent reconnect would drop the open transaction and go on in
   * autocommit mode; a lost connection must be reported instead. */
  if (!set_reconnect (self, false, error))
    return FALSE;
  priv->in_transaction = true;
  return TRUE;
}

/* commit and rollback: end the transaction, then return to autocommit and
 * automatic reconnection, so that later statements are not held in an
 * implicit transaction that close would roll back. */
void
end_transaction (TorvanixProvidersContractsIProvider *base, my_bool (*finish) (MYSQL *), GError **error)
{
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
  ProviderLock lock (self);
  auto *priv = provider_priv (self);
  if (priv->connection == nullptr) {
    providers::mysql::set_own_error (error, "Connection is not open.");
    return;
  }
  bool failed = finish (priv->connection) != 0 && raise (self, -1, error);
  bool was_open = std::exchange (priv->in_transaction, false);
  if (!failed && mysql_autocommit (priv->connection, 1) != 0)
    failed = raise (self, -1, error);
  else if (failed)
    mysql_autocommit (priv->connection, 1); /* the first error is the one to report */
  if (was_open)
    set_reconnect (self, true, failed ? nullptr : error);
}

my_bool
commit_connection (MYSQL *connection)
{
  return mysql_commit (connection);
}

my_bool
rollback_connection (MYSQL *connection)
{
  return mysql_rollback (connection);
}

void
torvanix_providers_supports_my_sql_provider_real_commit (TorvanixProvidersContractsIProvider *base, GError **error)
{
  end_transaction (base, commit_connection, error);
}

void
torvanix_providers_supports_my_sql_provider_real_rollback (TorvanixProvidersContractsIProvider *base, GError **error)
{
  end_transaction (base, rollback_connection, error);
}

gint64
torvanix_providers_supports_my_sql_provider_real_execute_affect (TorvanixProvidersContractsIProvider *base,
                                                                 const gchar *statement, gint, GError **error)
{
  providers_return_val_if_fail (statement != NULL, 0);
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
  ProviderLock lock (self);
  if (!providers::mysql::send_statement (self, statement, error))
    return -1;
  /* A statement that returns rows leaves them on the connection; unread,
   * they would put the next statement out of sync. */
  MYSQL *connection = provider_priv (self)->connection;
  if (mysql_field_count (connection) != 0) {
    if (MYSQL_RES *result = mysql_store_result (connection))
      mysql_free_result (result);
    else if (raise (self, -1, error))
      return -1;
  }
  return static_cast<gint64> (mysql_affected_rows (connection));
}

void
torvanix_providers_supports_my_sql_provider_iprovider_init (TorvanixProvidersContractsIProviderInterface *iface)
{
  iface->open = torvanix_providers_supports_my_sql_provider_real_open;
  iface->close = torvanix_providers_supports_my_sql_provider_real_close;
  iface->execute_affect = torvanix_providers_supports_my_sql_provider_real_execute_affect;
  iface->transaction = torvanix_providers_supports_my_sql_provider_real_transaction;
  iface->commit = torvanix_providers_supports_my_sql_provider_real_commit;
  iface->rollback = torvanix_providers_supports_my_sql_provider_real_rollback;
  iface->get_is_opened = torvanix_providers_supports_my_sql_provider_real_get_is_opened;
  providers::mysql::install_statements (iface);
}

void
torvanix_providers_supports_my_sql_provider_get_property (GObject *object, guint prop_id, GValue *value,
                                                          GParamSpec *pspec)
{
  if (prop_id == PROP_IS_OPENED)
    g_value_set_boolean (value, torvanix_providers_supports_my_sql_provider_real_get_is_opened (
                                    TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (object)));
  else
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

void
torvanix_providers_supports_my_sql_provider_finalize (GObject *object)
{
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (object);
  auto *priv = provider_priv (self);
  g_rec_mutex_lock (&priv->lock);
  close_connection (priv);
  g_rec_mutex_unlock (&priv->lock);
  g_rec_mutex_clear (&priv->lock);
  G_OBJECT_CLASS (torvanix_providers_supports_my_sql_provider_parent_class)->finalize (object);
}

}  // namespace

static void
torvanix_providers_supports_my_sql_provider_class_init (TorvanixProvidersSupportsMySQLProviderClass *klass)
{
  /* Once per process, before any handle is made: mysql_init would do it
   * itself, but not safely from several threads at once. */
  static char *no_arguments[] = {nullptr};
  mysql_server_init (0, no_arguments, nullptr);

  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = torvanix_providers_supports_my_sql_provider_get_property;
  object_class->finalize = torvanix_providers_supports_my_sql_provider_finalize;
  g_object_class_override_property (object_class, PROP_IS_OPENED, "is-opened");
}

static void
torvanix_providers_supports_my_sql_provider_init (TorvanixProvidersSupportsMySQLProvider *self)
{
  auto *priv = provider_priv (self);
  g_rec_mutex_init (&priv->lock);
  priv->connection = nullptr;
  priv->in_transaction = false;
}

extern "C" TorvanixProvidersSupportsMySQLProvider *
torvanix_providers_supports_my_sql_provider_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_SUPPORTS_TYPE_MY_SQL_PROVIDER, nullptr);
  return static_cast<TorvanixProvidersSupportsMySQLProvider *> (g_object_new (object_type, nullptr));
}

extern "C" TorvanixProvidersSupportsMySQLProvider *
torvanix_providers_supports_my_sql_provider_new (void)
{
  return torvanix_providers_supports_my_sql_provider_construct (TORVANIX_PROVIDERS_SUPPORTS_TYPE_MY_SQL_PROVIDER);
}
