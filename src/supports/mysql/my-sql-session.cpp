/* MySQLProvider's session: what it holds of its own (a transaction, session
 * variables, temporary tables, user variables, locks, prepared statements),
 * learnt from each reply's status and session-state mark and from the
 * statement texts the server does not mark; the step before every request,
 * which makes a lost connection again only for a session that held nothing
 * of its own; and the errors after which the server ended the transaction
 * by itself. */
#include "supports/mysql/my-sql-provider-private.h"

#include "supports/common/statement-words-internal.h"

#include <errmsg.h>
#include <mysqld_error.h>
#include <poll.h>

#include <cstring>

namespace providers::mysql {

using providers::home::is_word_character;
using providers::home::match_words;

/* The server marks neither user variables assigned inside a query nor
 * locks a statement takes, nor the characteristics SET TRANSACTION gives
 * the next transaction: the text names them. Blanks between the words are
 * any run of spaces, tabs or newlines; `INTO` may be followed by `@`
 * directly. */
bool
takes_unmarked_state (const char *statement)
{
  if (std::strstr (statement, ":=") != nullptr)
    return true;
  return providers::home::any_word_start (statement, [] (const char *p) {
    if (const char *end = match_words (p, "into")) {
      while (g_ascii_isspace (*end))
        ++end;
      if (*end == '@')
        return true;
    }
    /* A procedure may do any of that where no text of the caller shows it. */
    if (const char *end = match_words (p, "call"); end != nullptr && !is_word_character (*end))
      return true;
    return providers::home::starts_with_any (
        p, {"get_lock", "lock table", "read lock", "backup lock", "handler ", "set transaction"});
  });
}

bool
session_holds_state (const TorvanixProvidersSupportsMySQLProviderPrivate *priv)
{
  return priv->in_transaction || priv->session_marked || priv->open_by_reply;
}

void
begin_session (TorvanixProvidersSupportsMySQLProviderPrivate *priv)
{
  priv->session_marked = false;
  priv->open_by_reply = false;
  priv->session_lost = false;
  priv->rolled_back_by = 0;
  priv->rolled_back_text.clear ();
}

void
note_reply (TorvanixProvidersSupportsMySQLProvider *self)
{
  auto *priv = provider_priv (self);
  MYSQL *connection = priv->connection.get ();
  if (mysql_errno (connection) != 0) {
    note_error (self);
    return;
  }
  /* An error reply carries no status: only a successful one says where
   * the session stands. */
  unsigned int status = connection->server_status;
  priv->open_by_reply = (status & SERVER_STATUS_IN_TRANS) != 0 || (status & SERVER_STATUS_AUTOCOMMIT) == 0;
  /* The status bit is each reply's own; the tracked item is that of the
   * last OK packet, which a result set does not replace. */
  const char *data = nullptr;
  size_t length = 0;
  if ((status & SERVER_SESSION_STATE_CHANGED) != 0
      || (mysql_field_count (connection) == 0
          && mysql_session_track_get_first (connection, SESSION_TRACK_STATE_CHANGE, &data, &length) == 0))
    priv->session_marked = true;
  /* A transaction of the caller's own SQL that ended: nothing is left for
   * the server to have rolled back. The provider's own one ends only with
   * its commit or rollback. */
  if (!priv->in_transaction && !priv->open_by_reply)
    priv->rolled_back_by = 0;
}

void
note_error (TorvanixProvidersSupportsMySQLProvider *self)
{
  auto *priv = provider_priv (self);
  MYSQL *connection = priv->connection.get ();
  unsigned int code = mysql_errno (connection);
  /* A deadlock victim's transaction, and one whose locks filled the lock
   * table, are rolled back whole; a lock wait timeout only under
   * innodb_rollback_on_timeout, which the commit asks the server. */
  bool ends_transaction = code == ER_LOCK_DEADLOCK || code == ER_LOCK_TABLE_FULL || code == ER_LOCK_WAIT_TIMEOUT;
  if (!ends_transaction || priv->rolled_back_by != 0 || !(priv->in_transaction || priv->open_by_reply))
    return;
  priv->rolled_back_by = code;
  priv->rolled_back_text = mysql_error (connection);
}

int
next_result (TorvanixProvidersSupportsMySQLProvider *self)
{
  /* The rows of a result end with their statement's status, which is the
   * only word of a query that changed the session (a function that sets a
   * variable or a time zone, called in a SELECT): noted before the next
   * result replaces it. A reply without rows was noted when it came. */
  MYSQL *connection = connection_of (self);
  if (mysql_errno (connection) == 0 && mysql_field_count (connection) != 0)
    note_reply (self);
  int r = mysql_next_result (connection);
  if (r >= 0)
    note_reply (self);
  return r;
}

bool
connection_gone (MYSQL *connection)
{
  my_socket socket = mysql_get_socket (connection);
  if (socket == MARIADB_INVALID_SOCKET)
    return true;
  /* An idle connection has nothing to read: a peer that closed it (a
   * server restarted, a KILL, wait_timeout) has sent its FIN, maybe after
   * a last error packet; TLS may leave records unread, so only the hang-up
   * counts. */
  pollfd watched = {socket, POLLRDHUP, 0};
  return poll (&watched, 1, 0) > 0 && (watched.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0;
}

void
lose_session (TorvanixProvidersSupportsMySQLProviderPrivate *priv)
{
  close_connection (priv);
  /* A handle that is not connected: the client answers for it, and only
   * open makes a connection again. */
  priv->connection.reset (mysql_init (nullptr));
  priv->session_lost = true;
}

void
set_session_lost_error (GError **error)
{
  g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR, CR_SERVER_GONE_ERROR,
                       "The connection to the server was lost, and with it the session's state (a transaction, "
                       "session or user variables, temporary tables, locks or prepared statements): open the "
                       "provider again.");
}

bool
prepare_request (TorvanixProvidersSupportsMySQLProvider *self, GError **error)
{
  auto *priv = provider_priv (self);
  if (priv->session_lost) {
    set_session_lost_error (error);
    return false;
  }
  if (!clear_pending (self, error))
    return false;
  MYSQL *connection = priv->connection.get ();
  bool holds_state = session_holds_state (priv);
  if (connection_gone (connection)) {
    if (holds_state) {
      lose_session (priv);
      set_session_lost_error (error);
      return false;
    }
    /* Nothing of the session is lost with it: the client connects again
     * (the first ping finds the connection gone, the second connects). */
    if (!set_reconnect (self, true, error) || raise (self, mysql_ping (connection), error))
      return false;
    begin_session (priv);
    watch_socket (priv);
    return true;
  }
  /* The client reconnects by itself when a request cannot be written: only
   * a session without state of its own may be carried over like that. */
  return set_reconnect (self, !holds_state, error);
}

}  // namespace providers::mysql
