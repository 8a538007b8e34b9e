/* What the provider's connection code and its statement code share. */
#pragma once

#include <mysql.h>

#include <memory>

#include "libproviders/mysql/my-sql-provider.h"
#include "supports/common/provider-lock.h"

namespace providers::mysql {

/* Closes a client handle. */
struct HandleCloser {
  void operator() (MYSQL *connection) const noexcept { mysql_close (connection); }
};
using Handle = std::unique_ptr<MYSQL, HandleCloser>;

}  // namespace providers::mysql

/* Built whole in init and destroyed whole in finalize: members go in
 * reverse order, so the connection is closed before its lock is cleared. */
struct TorvanixProvidersSupportsMySQLProviderPrivate {
  providers::home::ProviderMutex lock;  /* held by every operation on the connection */
  providers::mysql::Handle connection;  /* null before the first open and after close */
  /* Between transaction () and the commit or rollback that ends it: the
   * session is in manual-commit mode and must not be reconnected. */
  bool in_transaction = false;
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
class ProviderLock : public providers::home::ProviderLock {
 public:
  explicit ProviderLock (TorvanixProvidersSupportsMySQLProvider *self)
      : providers::home::ProviderLock (provider_priv (self)->lock)
  {
  }
};

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

/* clear_pending, then sends the text. Answers false with an error. */
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

/* Closes the handle and forgets the session's transaction and watched
 * socket. */
void close_connection (TorvanixProvidersSupportsMySQLProviderPrivate *priv);

/* Fills the slots of transaction, commit and rollback. */
void install_transactions (TorvanixProvidersContractsIProviderInterface *iface);

/* Fills the slots of the statements that answer data. */
void install_statements (TorvanixProvidersContractsIProviderInterface *iface);

}  // namespace providers::mysql
