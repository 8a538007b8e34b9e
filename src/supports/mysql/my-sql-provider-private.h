/* What the provider's connection code and its statement code share. */
#pragma once

#include <mysql.h>

#include <memory>
#include <string>

#include "common/gobject-ref.h"
#include "libproviders/mysql/my-sql-provider.h"
#include "supports/common/provider-lock-internal.h"
#include "supports/mysql/my-sql-local-files-private.h"

namespace providers::mysql {

using Handle = providers::UniqueWith<MYSQL, mysql_close>;

}  // namespace providers::mysql

/* Built whole in init and destroyed whole in finalize: members go in
 * reverse order, so the connection is closed before its lock is cleared. */
struct TorvanixProvidersSupportsMySQLProviderPrivate {
  providers::home::ProviderMutex lock;  /* held by every operation on the connection */
  /* The connection's file requests reach this: it outlives the handle. */
  providers::mysql::LocalFiles local_files;
  providers::mysql::Handle connection;  /* null before the first open and after close */
  /* Between transaction () and the commit or rollback that ends it: the
   * session is in manual-commit mode and must not be reconnected. */
  bool in_transaction = false;
  /* Since the session began, a reply marked its state changed, or a
   * statement text took state the server does not mark: the session holds
   * state of its own until it ends. */
  bool session_marked = false;
  /* The last successful reply to the caller's own statements showed a
   * transaction open or autocommit off. */
  bool open_by_reply = false;
  /* The connection was lost while the session held state: every request
   * fails until the provider is opened again. */
  bool session_lost = false;
  /* The error after which the server rolled the open transaction back by
   * itself, or may have (a lock wait timeout); 0 when none, and its text. */
  unsigned int rolled_back_by = 0;
  std::string rolled_back_text;
  /* The socket and session whose dead-peer detection is set up: the
   * client library makes a new socket when it reconnects, which may well
   * get the old one's number. */
  my_socket watched_socket = MARIADB_INVALID_SOCKET;
  unsigned long watched_session = 0;
};

namespace providers::mysql {

TorvanixProvidersSupportsMySQLProviderPrivate *provider_priv (TorvanixProvidersSupportsMySQLProvider *self);

/* The provider's handle, or null. */
inline MYSQL *
connection_of (TorvanixProvidersSupportsMySQLProvider *self)
{
  return provider_priv (self)->connection.get ();
}

/* Holds the provider's lock for one operation. */
using ProviderLock = providers::home::ProviderLockOf<TorvanixProvidersSupportsMySQLProvider, provider_priv>;

/* The provider's own failures: code -1 of the "MySQL" domain. */
void set_own_error (GError **error, const char *message);

/* raise_error on the provider's handle; answers whether an error was set.
 * `error` may be null. */
bool raise (TorvanixProvidersSupportsMySQLProvider *self, int result, GError **error);

/* A client call that failed: the client's error when it holds one, else
 * the provider's own with `fallback` as its text, so that no failure goes
 * without an error. Always answers true. */
bool raise_failed (TorvanixProvidersSupportsMySQLProvider *self, const char *fallback, GError **error);

/* The entry check of every statement: text the server takes as written.
 * Answers false with an error. */
bool check_statement (const char *statement, GError **error);

/* Whether the client's error number says the connection itself is gone,
 * so that nothing of the session is left on the server. */
bool lost_connection (unsigned int error_number);

/* The step before every statement: the handle must exist, and results a
 * previous batch left on it are discarded. Answers false with an error. */
bool clear_pending (TorvanixProvidersSupportsMySQLProvider *self, GError **error);

/* A file request of the answer just read that did not get its file
 * (my-sql-local-files-private.h): sets it as the error, once. */
bool local_file_failed (TorvanixProvidersSupportsMySQLProvider *self, GError **error);

/* prepare_request, then sends the text. Answers false with an error. */
bool send_statement (TorvanixProvidersSupportsMySQLProvider *self, const char *statement, GError **error);

/* After a statement's first result was taken: fetches and drops every
 * further result of its text, so that none is left for the next call.
 * Answers false with the first failure among them. */
bool drain_results (TorvanixProvidersSupportsMySQLProvider *self, GError **error);

/* Reads a result taken with mysql_use_result to its end, keeping none of
 * its rows; answers how many it had. Whether the server broke off before
 * the end is the client's error number, not the count. */
inline guint64
skip_rows (MYSQL_RES *result)
{
  guint64 rows = 0;
  while (mysql_fetch_row (result) != nullptr)
    ++rows;
  return rows;
}

/* Sets up dead-peer detection on the connection's socket, once per socket. */
void watch_socket (TorvanixProvidersSupportsMySQLProviderPrivate *priv);

/* Turns the client's automatic reconnection on or off. Answers false with
 * an error. */
bool set_reconnect (TorvanixProvidersSupportsMySQLProvider *self, bool on, GError **error);

/* Closes the handle and forgets the session's state and watched socket. */
void close_connection (TorvanixProvidersSupportsMySQLProviderPrivate *priv);

/* Whether the text assigns a user variable (`:=`, `INTO @`), takes a
 * lock (GET_LOCK, LOCK TABLE(S), ... READ LOCK, BACKUP LOCK, HANDLER),
 * sets the next transaction's characteristics (SET TRANSACTION) or calls a
 * procedure (CALL), which may do any of these: state the server does not
 * mark in its reply. */
bool takes_unmarked_state (const char *statement);

/* A transaction by any means, or anything else of the session's own. */
bool session_holds_state (const TorvanixProvidersSupportsMySQLProviderPrivate *priv);

/* A new session holds nothing of its own. */
void begin_session (TorvanixProvidersSupportsMySQLProviderPrivate *priv);

/* After each reply to the caller's statements: its status and its
 * session-state mark, or the error that ended the transaction. */
void note_reply (TorvanixProvidersSupportsMySQLProvider *self);

/* After an error reply: remembers an error that ends the open transaction
 * on the server. */
void note_error (TorvanixProvidersSupportsMySQLProvider *self);

/* mysql_next_result, with the end of the result before it and the reply
 * noted. */
int next_result (TorvanixProvidersSupportsMySQLProvider *self);

/* Whether the connection is gone: no socket, or the peer hung up. */
bool connection_gone (MYSQL *connection);

/* The connection went while the session held state: it is closed, and
 * every request fails until open. */
void lose_session (TorvanixProvidersSupportsMySQLProviderPrivate *priv);

/* The error of every request after lose_session. */
void set_session_lost_error (GError **error);

/* The step before every request to the server: clear_pending; a
 * connection found gone is made again when the session held nothing of its
 * own, and lost otherwise; the client's own reconnection is on only for a
 * session without state. Answers false with an error. */
bool prepare_request (TorvanixProvidersSupportsMySQLProvider *self, GError **error);

/* Manual-commit mode, with the client's reconnection off while the
 * transaction is open. */
gboolean begin_transaction (TorvanixProvidersSupportsMySQLProvider *self, GError **error);
/* COMMIT: refused when the server already rolled the transaction back,
 * and says when the connection went with the outcome unknown. */
void commit_transaction (TorvanixProvidersSupportsMySQLProvider *self, GError **error);
void rollback_transaction (TorvanixProvidersSupportsMySQLProvider *self, GError **error);

/* Fills the slots of the statements that answer data. */
void install_statements (TorvanixProvidersContractsIProviderInterface *iface);

}  // namespace providers::mysql
