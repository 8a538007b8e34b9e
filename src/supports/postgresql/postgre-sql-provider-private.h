/* What the PostgreSQL provider's connection, statement and transaction
 * code share. */
#pragma once

#include <libpq-fe.h>

#include <memory>
#include <string>
#include <vector>

#include "common/gobject-ref.h"
#include "supports/common/provider-lock-internal.h"
#include "supports/postgresql/postgre-sql-type-private.h"

#include "libproviders/postgresql/postgre-sql-provider.h"

namespace providers::postgresql {

using Connection = providers::UniqueWith<PGconn, PQfinish>;
using Result = providers::UniqueWith<PGresult, PQclear>;

}  // namespace providers::postgresql

/* Built whole by the type's instance init and destroyed whole by its
 * finalize (PROVIDERS_DEFINE_TYPE): members go in
 * reverse order, so the connection is closed before its lock goes. */
struct TorvanixProvidersSupportsPostgreSQLProviderPrivate {
  providers::home::ProviderMutex lock;           /* held by every operation on the connection */
  providers::postgresql::Connection connection;  /* null before the first open and after close */
  /* The session was inside a transaction when last heard from: a lost
   * connection then took the transaction with it, and must be reported
   * rather than silently made again. */
  bool in_transaction = false;
  /* The session holds state of the caller's own (postgre-sql-session.cpp
   * says what counts): a lost connection is not made again silently. */
  bool session_marked = false;
  /* The settings the server reported when the session began. */
  std::string settings_at_start;
  /* Null, or the text every call answers until the provider is opened
   * again: a lost connection took a transaction or the session's state
   * with it, and a new session would run the caller's later statements
   * without what it believes is there. */
  const char *lost = nullptr;
  /* The types not built in that this session's results showed. */
  providers::postgresql::TypeCatalog types;
};

namespace providers::postgresql {

using Provider = TorvanixProvidersSupportsPostgreSQLProvider;
using Private = TorvanixProvidersSupportsPostgreSQLProviderPrivate;

Private *provider_priv (Provider *self);

/* Holds the provider's lock for one operation. */
using ProviderLock = providers::home::ProviderLockOf<Provider, provider_priv>;

/* Every call's answer after a connection lost with a transaction open. */
inline constexpr char kLostTransaction[] =
    "The connection was lost with a transaction open: open the provider again.";

/* Every call's answer after a connection lost under a session that held
 * state of its own. */
inline constexpr char kLostSessionState[] =
    "The connection was lost, and with it the session's state (settings, temporary tables, prepared statements, "
    "cursors, listened channels or advisory locks): open the provider again.";

/* The provider's own refusals: TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_PROVIDER. */
void set_own_error (GError **error, const char *message);
/* The client library's failure, with its message (or `fallback` when it
 * holds none). */
void set_client_error (GError **error, PGconn *connection, const char *fallback);
/* A failed result: the server's SQLSTATE and primary text, or the client
 * library's failure when the server said nothing (`result` may be null). */
void set_result_error (GError **error, const PGresult *result, PGconn *connection);

/* What one text's results go to, as they arrive. */
class TextSink {
 public:
  virtual ~TextSink () = default;
  /* Whether the rows of each statement come whole, in the result that
   * ends it, rather than one by one to row. */
  virtual bool whole_rows () const { return false; }
  /* One row of the current statement, with its columns' description. */
  virtual void row (const PGresult *row) = 0;
  /* The current statement ended: its last result, which describes its
   * columns (a statement without rows has none) and its command tag. */
  virtual void end (const PGresult *end) = 0;
  /* The same, with the result to keep: a sink may move it out. */
  virtual void end_kept (Result &end) { this->end (end.get ()); }
};

/* Sends `text` on the provider's connection (made again first when it was
 * lost outside a transaction) and hands every row and every statement's
 * end to `sink` as they arrive (or each statement's rows whole, as the
 * sink asks), empty statements left out, so that none is
 * left for the next call. Answers false with an error when any statement
 * failed, the text held a COPY from or to the client, or the connection
 * broke; the sink has then heard what came before. */
bool run_text (Provider *self, const char *text, TextSink &sink, GError **error);

struct ResultColumn;

/* A reader over a statement's whole result, of the columns `columns`
 * describes, each column's type answered by the name in `type_names`. */
TorvanixProvidersContractsIDataReader *reader_over (Result result, std::vector<ResultColumn> columns,
                                                    const std::vector<std::string> &type_names);

/* The count of a statement's command tag ("UPDATE 3", "SELECT 2"); 0 for
 * a statement that reports none. */
gint64 affected_rows (const PGresult *end);

/* A session begins on a new connection: it holds nothing of the
 * caller's yet. */
void begin_session (Private *priv);
/* A statement of `text` ended with `end`: its command tag may say that
 * the session holds state now. */
void note_statement_end (Private *priv, const PGresult *end, const char *text);
/* Every result of `text` was taken: the text's words and the settings the
 * server reports may say that the session holds state now. */
void note_text_end (Private *priv, const char *text);
/* The same for the reported settings alone, after a transaction ended. */
void note_reported_settings (Private *priv);
/* The connection was found lost: answers true with an error (and every
 * later call fails until open) when the session held state of its own. */
bool refuse_lost_state (Private *priv, GError **error);
/* The provider's own settings, on a new connection: what the session
 * reports decides, and what differs is set. */
bool settle_session (PGconn *connection, GError **error);

/* Remembers whether the session is inside a transaction now. */
void note_transaction_status (Private *priv);

/* Fills the slots of the statements that answer data. */
void install_statements (TorvanixProvidersContractsIProviderInterface *iface);

/* BEGIN, unless the session is already inside a transaction; refused in
 * a failed one. */
gboolean begin_transaction (Provider *self, GError **error);
/* COMMIT: fails when the server rolled the transaction back instead, and
 * says when the connection was lost with the outcome unknown. */
void commit_transaction (Provider *self, GError **error);
void rollback_transaction (Provider *self, GError **error);

}  // namespace providers::postgresql
