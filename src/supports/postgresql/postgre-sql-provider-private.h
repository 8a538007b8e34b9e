/* What the PostgreSQL provider's connection, statement and transaction
 * code share. */
#pragma once

#include <libpq-fe.h>

#include <memory>
#include <mutex>
#include <vector>

#include "libproviders/postgresql/postgre-sql-provider.h"

namespace providers::postgresql {

struct ConnectionCloser {
  void operator() (PGconn *connection) const noexcept { PQfinish (connection); }
};
using Connection = std::unique_ptr<PGconn, ConnectionCloser>;

struct ResultClearer {
  void operator() (PGresult *result) const noexcept { PQclear (result); }
};
using Result = std::unique_ptr<PGresult, ResultClearer>;

}  // namespace providers::postgresql

/* Built whole in init and destroyed whole in finalize: members go in
 * reverse order, so the connection is closed before its lock goes. */
struct TorvanixProvidersSupportsPostgreSQLProviderPrivate {
  std::recursive_mutex lock;                  /* held by every operation on the connection */
  providers::postgresql::Connection connection;  /* null before the first open and after close */
  /* The session was inside a transaction when last heard from: a lost
   * connection then took the transaction with it, and must be reported
   * rather than silently made again. */
  bool in_transaction = false;
};

namespace providers::postgresql {

using Provider = TorvanixProvidersSupportsPostgreSQLProvider;
using Private = TorvanixProvidersSupportsPostgreSQLProviderPrivate;

Private *provider_priv (Provider *self);

/* Holds the provider's lock for one operation. */
class ProviderLock {
 public:
  explicit ProviderLock (Provider *self) : lock_ (provider_priv (self)->lock) {}

 private:
  std::lock_guard<std::recursive_mutex> lock_;
};

/* The provider's own refusals: TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_PROVIDER. */
void set_own_error (GError **error, const char *message);
/* The client library's failure, with its message (or `fallback` when it
 * holds none). */
void set_client_error (GError **error, PGconn *connection, const char *fallback);
/* A failed result: the server's SQLSTATE and primary text, or the client
 * library's failure when the server said nothing (`result` may be null). */
void set_result_error (GError **error, const PGresult *result, PGconn *connection);

/* Sends `text` on the provider's connection (made again first when it was
 * lost outside a transaction) and takes every result of it, so that none is
 * left for the next call. `results` gets the results of the statements, in
 * order, empty statements left out. Answers false with an error when any
 * statement failed, the text held a COPY from or to the client, or the
 * connection broke; `results` then holds what came before. */
bool run_text (Provider *self, const char *text, std::vector<Result> &results, GError **error);

/* Remembers whether the session is inside a transaction now. */
void note_transaction_status (Private *priv);

/* Fills the slots of transaction, commit and rollback. */
void install_transactions (TorvanixProvidersContractsIProviderInterface *iface);

}  // namespace providers::postgresql
