/* MySQLProvider: the connection to a MySQL or MariaDB server (its options,
 * the socket's dead-peer detection, open and close), the steps every
 * statement shares and the statement that answers an affected-row count.
 * Transactions are my-sql-transactions.cpp, the statements that answer data
 * my-sql-statements.cpp. */
#include "libproviders/mysql/my-sql-provider.h"

#include "common/private-data.h"
#include "common/check.h"
#include "supports/mysql/my-sql-texts-private.h"
#include "common/gobject-ref.h"
#include "supports/common/entry-checks-internal.h"
#include "supports/common/provider-slots-internal.h"
#include "supports/mysql/my-sql-provider-private.h"

#include <errmsg.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <cstring>
#include <initializer_list>
#include <new>

namespace {

/* CLIENT_FOUND_ROWS | CLIENT_CONNECT_WITH_DB | CLIENT_INTERACTIVE |
 * CLIENT_MULTI_STATEMENTS | CLIENT_REMEMBER_OPTIONS */
constexpr unsigned long kClientFlags = 0x8001040A;

/* Reaching the server, its greeting and the authentication: a server that
 * has not answered in this time will not. */
constexpr unsigned int kConnectTimeoutSeconds = 10;
/* One read or write of an open connection: a long query is legitimate. */
constexpr unsigned int kTimeoutSeconds = 3600;
/* A peer that vanished without a word (a cable, a suspended host, a
 * dropped route) is found by TCP: probes after a minute of silence, every
 * 10 s, six unanswered ones end the connection; data unacknowledged for
 * two minutes ends it too. A live server answers the probes itself, also
 * while it runs a long query. */
constexpr int kKeepAliveIdleSeconds = 60;
constexpr int kKeepAliveIntervalSeconds = 10;
constexpr int kKeepAliveProbes = 6;
constexpr unsigned int kUnacknowledgedMilliseconds = 120 * 1000;
constexpr unsigned long kMaxAllowedPacket = 4294967295UL;
/* The connector allocates the whole net buffer for every connection: all
 * 32 bits reserve 4 GiB each. The server caps its own at 1 MiB. */
constexpr unsigned long kNetBufferLength = 1UL << 20;

/* Reads the connection's current result to its end as it arrives, keeping
 * none of its rows; false when it could not be read whole. */
bool
skip_result (MYSQL *connection)
{
  if (MYSQL_RES *result = mysql_use_result (connection)) {
    providers::mysql::skip_rows (result);
    mysql_free_result (result);
  }
  return mysql_errno (connection) == 0;
}

void torvanix_providers_supports_my_sql_provider_iprovider_init (TorvanixProvidersContractsIProviderInterface *iface);
void torvanix_providers_supports_my_sql_provider_imy_sql_error_init (TorvanixProvidersSupportsIMySQLErrorInterface *) {}

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersSupportsMySQLProvider, torvanix_providers_supports_my_sql_provider,
                                 G_TYPE_OBJECT,
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
                                                         connection_of (self), result, &local);
  if (local == nullptr)
    return false;
  note_error (self);
  g_propagate_error (error, local);
  return true;
}

bool
raise_failed (TorvanixProvidersSupportsMySQLProvider *self, const char *fallback, GError **error)
{
  if (!raise (self, -1, error))
    set_own_error (error, fallback);
  return true;
}

bool
check_statement (const char *statement, GError **error)
{
  return providers::home::check_sql_text (statement, -1, TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR, error);
}

bool
lost_connection (unsigned int error_number)
{
  return error_number == CR_SERVER_GONE_ERROR || error_number == CR_SERVER_LOST
         || error_number == CR_SERVER_LOST_EXTENDED || error_number == CR_CONNECTION_ERROR
         || error_number == CR_CONN_HOST_ERROR;
}

bool
clear_pending (TorvanixProvidersSupportsMySQLProvider *self, GError **error)
{
  MYSQL *connection = connection_of (self);
  if (connection == nullptr) {
    /* The client library has no handle to answer for; calling it would crash. */
    set_own_error (error, "Connection is not open.");
    return false;
  }
  /* A connection lost in the middle of a batch leaves the client's
   * more-results flag behind, and every later call would fail reading it:
   * nothing can be pending on a connection that is gone. */
  if (mysql_get_socket (connection) == MARIADB_INVALID_SOCKET)
    return true;
  for (int r = next_result (self);; r = next_result (self)) {
    /* -1 only says that no further result exists. */
    if (raise (self, r > 0 ? r : 0, error))
      return false;
    if (r != 0)
      return true;
    if (!skip_result (connection) && raise (self, -1, error))
      return false;
  }
}

/* Sets up dead-peer detection on the connection's socket, once per socket. */
void
watch_socket (TorvanixProvidersSupportsMySQLProviderPrivate *priv)
{
  my_socket socket = mysql_get_socket (priv->connection.get ());
  unsigned long session = mysql_thread_id (priv->connection.get ());
  if (socket == MARIADB_INVALID_SOCKET || (socket == priv->watched_socket && session == priv->watched_session))
    return;
  priv->watched_socket = socket;
  priv->watched_session = session;
  int on = 1;
  /* Best effort: a socket that refuses (not TCP) keeps the timeouts. */
  setsockopt (socket, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
  setsockopt (socket, IPPROTO_TCP, TCP_KEEPIDLE, &kKeepAliveIdleSeconds, sizeof kKeepAliveIdleSeconds);
  setsockopt (socket, IPPROTO_TCP, TCP_KEEPINTVL, &kKeepAliveIntervalSeconds, sizeof kKeepAliveIntervalSeconds);
  setsockopt (socket, IPPROTO_TCP, TCP_KEEPCNT, &kKeepAliveProbes, sizeof kKeepAliveProbes);
  setsockopt (socket, IPPROTO_TCP, TCP_USER_TIMEOUT, &kUnacknowledgedMilliseconds, sizeof kUnacknowledgedMilliseconds);
}

bool
send_statement (TorvanixProvidersSupportsMySQLProvider *self, const char *statement, GError **error)
{
  /* A lost connection is made again (where the session allows) before the
   * statement goes out, so that the new socket is watched while it waits. */
  if (!prepare_request (self, error))
    return false;
  auto *priv = provider_priv (self);
  MYSQL *connection = priv->connection.get ();
  watch_socket (priv);
  /* Marked before it is sent: state it may have taken on a connection lost
   * while it ran cannot be told from state it did not. */
  if (!priv->session_marked && takes_unmarked_state (statement))
    priv->session_marked = true;
  /* The statement's own file, if it names one, may be sent while it is;
   * a request in answer to anything else finds none. */
  priv->local_files.named = local_file_named (statement, backslash_escapes (connection));
  priv->local_files.failure.reset ();
  guard_local_files (connection, &priv->local_files);
  int r = mysql_real_query (connection, statement, static_cast<unsigned long> (std::strlen (statement)));
  priv->local_files.named.reset ();
  /* The client library may have connected again to send it. */
  watch_socket (priv);
  note_reply (self);
  return !local_file_failed (self, error) && !raise (self, r, error);
}

bool
local_file_failed (TorvanixProvidersSupportsMySQLProvider *self, GError **error)
{
  auto &failure = provider_priv (self)->local_files.failure;
  if (!failure)
    return false;
  g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR, failure->code, failure->message.c_str ());
  failure.reset ();
  return true;
}

bool
drain_results (TorvanixProvidersSupportsMySQLProvider *self, GError **error)
{
  MYSQL *connection = connection_of (self);
  for (;;) {
    int r = next_result (self);
    if (r < 0)
      return true;
    if (r > 0)
      return !raise_failed (self, "A statement of the text failed.", error);
    if (local_file_failed (self, error))
      return false;
    if (!skip_result (connection))
      return !raise_failed (self, "A result of the text could not be read.", error);
  }
}

bool
set_reconnect (TorvanixProvidersSupportsMySQLProvider *self, bool on, GError **error)
{
  my_bool reconnect = on ? 1 : 0;
  return !raise (self, mysql_options (connection_of (self), MYSQL_OPT_RECONNECT, &reconnect), error);
}

void
close_connection (TorvanixProvidersSupportsMySQLProviderPrivate *priv)
{
  priv->connection.reset ();
  priv->in_transaction = false;
  begin_session (priv);
  priv->watched_socket = MARIADB_INVALID_SOCKET;
  priv->watched_session = 0;
}

}  // namespace providers::mysql

using providers::mysql::close_connection;
using providers::mysql::connection_gone;
using providers::mysql::session_holds_state;
using providers::mysql::connection_of;
using providers::mysql::ProviderLock;
using providers::mysql::provider_priv;
using providers::mysql::raise;
using providers::mysql::set_reconnect;
using providers::mysql::watch_socket;

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
  MYSQL *connection = connection_of (self);
  for (const Option &o : options) {
    if (raise (self, mysql_options (connection, o.option, o.value), error))
      return false;
  }
  return true;
}

bool
open_locked (TorvanixProvidersSupportsMySQLProvider *self, TorvanixProvidersContractsServer *server, GError **error)
{
  auto *priv = provider_priv (self);
  MYSQL *connection = mysql_init (nullptr);
  close_connection (priv);
  priv->connection.reset (connection);
  if (connection == nullptr) {
    providers::mysql::set_own_error (error, "Cannot create MYSQL object.");
    return false;
  }
  /* The connector keeps only the low 16 bits: 70000 would dial 4464. */
  if (!providers::home::check_port (torvanix_providers_contracts_server_get_port (server),
                                        TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR, error))
    return false;

  unsigned int protocol = 0;
  if (!set_options (self,
                    {
                      {MYSQL_SET_CHARSET_NAME, "utf8mb4"},
#ifdef G_OS_WIN32
                      /* Elsewhere the connector's own directory holds the
                       * authentication plugins. */
                      {MYSQL_PLUGIN_DIR, "..\\lib\\mariadb\\plugin"},
#endif
                      {MYSQL_OPT_CONNECT_TIMEOUT, &kConnectTimeoutSeconds},
                      {MYSQL_OPT_READ_TIMEOUT, &kTimeoutSeconds},
                      {MYSQL_OPT_WRITE_TIMEOUT, &kTimeoutSeconds},
                      {MYSQL_OPT_MAX_ALLOWED_PACKET, &kMaxAllowedPacket},
                      {MYSQL_OPT_NET_BUFFER_LENGTH, &kNetBufferLength},
                      {MYSQL_OPT_PROTOCOL, &protocol},
                      /* Every reply then says whether its statement changed
                       * the session's state; the client runs it again on
                       * each connection it makes. */
                      {MYSQL_INIT_COMMAND, "SET SESSION session_track_state_change = ON"},
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
    providers::mysql::raise_failed (self, "Cannot connect.", error);
    return false;
  }
  /* The connector falls back to plain text when the server offers no TLS,
   * unless it was asked to verify the server. */
  if (tls && mysql_get_ssl_cipher (connection) == nullptr) {
    close_connection (priv);
    priv->connection.reset (mysql_init (nullptr));
    providers::mysql::set_own_error (error, "TLS was asked for, but the server does not offer it.");
    return false;
  }
  watch_socket (priv);
  /* Only once connected, so that it never applies to the first connect. */
  return set_reconnect (self, true, error);
}

void
close_locked (TorvanixProvidersSupportsMySQLProvider *self)
{
  close_connection (provider_priv (self));
}

/* What the common connection slots run for this engine. */
struct Engine {
  using Provider = TorvanixProvidersSupportsMySQLProvider;
  using Lock = ProviderLock;
  static Provider *cast (TorvanixProvidersContractsIProvider *base) { return TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base); }
  static GQuark domain () { return TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR; }
  static constexpr const char *kOpenName = PROVIDERS_FN_MY_SQL_PROVIDER_OPEN;
  static constexpr auto open_locked = ::open_locked;
  static constexpr auto close_locked = ::close_locked;
  static constexpr const char kClosedLog[] = PROVIDERS_LOG_CONNECTION_CLOSED;
  static constexpr auto begin = providers::mysql::begin_transaction;
  static constexpr auto commit = providers::mysql::commit_transaction;
  static constexpr auto rollback = providers::mysql::rollback_transaction;
};

gboolean
provider_get_is_opened (TorvanixProvidersContractsIProvider *base) noexcept
{
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
  ProviderLock lock (self);
  auto *priv = provider_priv (self);
  MYSQL *connection = priv->connection.get ();
  if (connection == nullptr || priv->session_lost)
    return FALSE;
  /* The ping reconnects like a statement, under the same rule, and says
   * nothing in the log: asking is not failing. */
  bool holds_state = session_holds_state (priv);
  if (holds_state && connection_gone (connection)) {
    providers::mysql::lose_session (priv);
    return FALSE;
  }
  set_reconnect (self, !holds_state, nullptr);
  if (mysql_ping (connection) != 0)
    return FALSE;
  watch_socket (priv);
  return TRUE;
}

gint64
provider_execute_affect (TorvanixProvidersContractsIProvider *base,
                         const gchar *statement, gint, GError **error) noexcept
{
  providers_return_val_if_fail_in (PROVIDERS_FN_MY_SQL_PROVIDER_EXECUTE_AFFECT, statement != NULL, 0);
  if (!providers::mysql::check_statement (statement, error))
    return -1;
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
  ProviderLock lock (self);
  if (!providers::mysql::send_statement (self, statement, error))
    return -1;
  /* A statement that returns rows leaves them on the connection; unread,
   * they would put the next statement out of sync. They are counted as
   * they arrive, never held: the client counts only rows it stores. */
  MYSQL *connection = connection_of (self);
  auto affected = static_cast<gint64> (mysql_affected_rows (connection));
  if (mysql_field_count (connection) != 0) {
    MYSQL_RES *result = mysql_use_result (connection);
    bool counted = result != nullptr;
    if (counted) {
      affected = static_cast<gint64> (providers::mysql::skip_rows (result));
      mysql_free_result (result);
      /* A result the server broke off is no count. */
      counted = mysql_errno (connection) == 0;
    }
    if (!counted) {
      providers::mysql::raise_failed (self, "The result could not be read.", error);
      return -1;
    }
  }
  if (!providers::mysql::drain_results (self, error))
    return -1;
  return affected;
}

void
torvanix_providers_supports_my_sql_provider_iprovider_init (TorvanixProvidersContractsIProviderInterface *iface)
{
  providers::home::install_connection_slots<Engine> (iface);
  iface->execute_affect = provider_execute_affect;
  iface->get_is_opened = provider_get_is_opened;
  providers::mysql::install_statements (iface);
}

}  // namespace

static void
torvanix_providers_supports_my_sql_provider_class_init (TorvanixProvidersSupportsMySQLProviderClass *klass)
{
  /* Once per process, before any handle is made: mysql_init would do it
   * itself, but not safely from several threads at once. */
  static char *no_arguments[] = {nullptr};
  mysql_server_init (0, no_arguments, nullptr);

  providers::home::install_is_opened (G_OBJECT_CLASS (klass));
}

PROVIDERS_DEFINE_PROVIDER_CONSTRUCTORS (MySQL, my_sql, MY_SQL)
