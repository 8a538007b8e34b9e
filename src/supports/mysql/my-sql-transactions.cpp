/* MySQLProvider's transactions: manual-commit mode with automatic
 * reconnection off while one is open, a commit that fails when the server
 * already rolled the transaction back, and commit and rollback that say
 * whether the outcome is known when the connection goes on the way. */
#include "common/gobject-ref.h"
#include "supports/mysql/my-sql-provider-private.h"

#include <errmsg.h>
#include <mysqld_error.h>

#include <cstring>

namespace providers::mysql {

namespace {

/* The transaction ended on the server: back to autocommit, so that later
 * statements are not held in an implicit transaction that close would roll
 * back. Whatever happens here, the provider is out of its transaction and
 * never leaves the session in manual-commit mode: a session whose mode
 * cannot be restored is closed. A connection lost on the way leaves
 * nothing behind: the new session starts in autocommit mode. */
void
leave_transaction (TorvanixProvidersSupportsMySQLProvider *self)
{
  auto *priv = provider_priv (self);
  priv->in_transaction = false;
  priv->open_by_reply = false;
  priv->rolled_back_by = 0;
  if (mysql_autocommit (priv->connection.get (), 1) != 0 && !lost_connection (mysql_errno (priv->connection.get ())))
    lose_session (priv);
}

/* The first cell of a statement of the provider's own, or "" when it has
 * none or failed. */
std::string
ask (MYSQL *connection, const char *statement)
{
  std::string answer;
  if (mysql_real_query (connection, statement, std::strlen (statement)) != 0)
    return answer;
  if (MYSQL_RES *result = mysql_store_result (connection)) {
    MYSQL_ROW row = mysql_fetch_row (result);
    if (row != nullptr && row[0] != nullptr)
      answer = row[0];
    mysql_free_result (result);
  }
  return answer;
}

/* Whether the error noted in the transaction rolled it back on the server:
 * a lock wait timeout does only under innodb_rollback_on_timeout, which is
 * asked; when the server cannot say, the transaction counts as gone. */
bool
rolled_back_on_server (TorvanixProvidersSupportsMySQLProvider *self)
{
  auto *priv = provider_priv (self);
  if (priv->rolled_back_by != ER_LOCK_WAIT_TIMEOUT)
    return priv->rolled_back_by != 0;
  std::string on = ask (priv->connection.get (), "SELECT @@GLOBAL.innodb_rollback_on_timeout");
  if (on == "0") {
    priv->rolled_back_by = 0;
    return false;
  }
  return true;
}

/* Nothing of a transaction the server rolled back is committed: what ran
 * after the rollback began a transaction of its own, which goes too. */
void
refuse_commit (TorvanixProvidersSupportsMySQLProvider *self, GError **error)
{
  auto *priv = provider_priv (self);
  g_set_error (error, TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR, static_cast<gint> (priv->rolled_back_by),
               "The server rolled the transaction back after error %u (%s): nothing of it was committed.",
               priv->rolled_back_by, priv->rolled_back_text.c_str ());
  MYSQL *connection = priv->connection.get ();
  if (mysql_rollback (connection) != 0 && lost_connection (mysql_errno (connection))) {
    lose_session (priv);
    return;
  }
  leave_transaction (self);
}

/* The commit's outcome is unknown when the connection went after COMMIT
 * was sent: the server may have committed before it, or not. */
void
set_commit_unknown (TorvanixProvidersSupportsMySQLProvider *self, GError **error)
{
  MYSQL *connection = connection_of (self);
  providers::GUnique<gchar> client_text (g_utf8_make_valid (mysql_error (connection), -1));
  providers::GUnique<gchar> text (g_strdup_printf (
      "%s (the connection was lost while committing: the transaction may or may not have been committed)",
      client_text.get ()));
  GError *local = nullptr;
  raise (self, -1, &local);
  g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR, static_cast<gint> (mysql_errno (connection)),
                       text.get ());
  g_clear_error (&local);
}

}  // namespace

gboolean
begin_transaction (TorvanixProvidersSupportsMySQLProvider *self, GError **error)
{
  ProviderLock lock (self);
  auto *priv = provider_priv (self);
  if (!prepare_request (self, error))
    return FALSE;
  if (mysql_autocommit (priv->connection.get (), 0) != 0
      && raise_failed (self, "Autocommit could not be switched off.", error))
    return FALSE;
  watch_socket (priv);
  /* A silent reconnect would drop the open transaction and go on in
   * autocommit mode; a lost connection must be reported instead. */
  if (!set_reconnect (self, false, error))
    return FALSE;
  priv->in_transaction = true;
  priv->rolled_back_by = 0;
  return TRUE;
}

void
commit_transaction (TorvanixProvidersSupportsMySQLProvider *self, GError **error)
{
  ProviderLock lock (self);
  auto *priv = provider_priv (self);
  MYSQL *connection = priv->connection.get ();
  /* A connection already gone took the transaction with it (wait_timeout
   * expired, the server restarted), however it was begun: COMMIT is not
   * sent, and the failure is certain. */
  bool open = priv->in_transaction || priv->open_by_reply;
  if (connection != nullptr && !priv->session_lost && open && connection_gone (connection)) {
    lose_session (priv);
    g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR, CR_SERVER_GONE_ERROR,
                         "The connection to the server was lost before COMMIT was sent: the server rolled the "
                         "transaction back, and nothing of it was committed.");
    return;
  }
  if (!prepare_request (self, error))
    return;
  connection = priv->connection.get ();
  if (rolled_back_on_server (self)) {
    refuse_commit (self, error);
    return;
  }
  bool sent = mysql_get_socket (connection) != MARIADB_INVALID_SOCKET;
  if (mysql_commit (connection) == 0) {
    leave_transaction (self);
    return;
  }
  if (!lost_connection (mysql_errno (connection))) {
    /* The server refused: the transaction is still open, for a rollback. */
    raise_failed (self, "The transaction could not be committed.", error);
    return;
  }
  if (sent)
    set_commit_unknown (self, error);
  else
    raise_failed (self, "The transaction could not be committed.", error);
  /* A session that held state went with it. */
  if (session_holds_state (priv))
    lose_session (priv);
}

void
rollback_transaction (TorvanixProvidersSupportsMySQLProvider *self, GError **error)
{
  ProviderLock lock (self);
  if (!prepare_request (self, error))
    return;
  MYSQL *connection = connection_of (self);
  if (mysql_rollback (connection) == 0) {
    leave_transaction (self);
    return;
  }
  raise_failed (self, "The transaction could not be rolled back.", error);
  /* A lost connection rolled back on the server all the same; a session
   * that held state went with it. */
  if (lost_connection (mysql_errno (connection)) && session_holds_state (provider_priv (self)))
    lose_session (provider_priv (self));
}

}  // namespace providers::mysql
