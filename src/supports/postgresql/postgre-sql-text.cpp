/* Sending one text to the server and taking every result of it: the
 * connection made again when it was lost between transactions under a
 * session without state of its own, COPY to or
 * from the client ended and refused, the first failure kept. */
#include <utility>

#include "supports/postgresql/postgre-sql-provider-private.h"

namespace providers::postgresql {

namespace {

constexpr char kCopyInRefused[] =
    "COPY FROM STDIN is not supported: the provider has no data to send; the server undid the text's statements.";
constexpr char kCopyOutRefused[] =
    "COPY TO STDOUT is not supported: the provider read the data and dropped it.";

/* A connection must be there and working before a text goes out. */
bool
ready_connection (Private *priv, GError **error)
{
  PGconn *connection = priv->connection.get ();
  if (connection == nullptr) {
    set_own_error (error, "Connection is not open.");
    return false;
  }
  if (priv->lost != nullptr) {
    set_client_error (error, nullptr, priv->lost);
    return false;
  }
  if (PQstatus (connection) == CONNECTION_OK)
    return true;
  if (priv->in_transaction) {
    /* A new session would run the statement outside the transaction the
     * caller believes open. */
    priv->in_transaction = false;
    priv->lost = kLostTransaction;
    set_client_error (error, nullptr,
                      "The connection was lost inside a transaction: the server rolled the transaction back.");
    return false;
  }
  if (refuse_lost_state (priv, error))
    return false;
  /* Nothing of the caller's is lost with the session: a new one, with the
   * provider's own settings again. */
  PQreset (connection);
  if (PQstatus (connection) == CONNECTION_OK) {
    if (!settle_session (connection, error))
      return false;
    begin_session (priv);
    return true;
  }
  set_client_error (error, connection, "The connection was lost and could not be made again.");
  return false;
}

/* Reads a COPY's rows to the client to their end and drops them. */
void
drop_copy_out (PGconn *connection)
{
  char *row = nullptr;
  while (PQgetCopyData (connection, &row, 0) > 0) {
    PQfreemem (row);
    row = nullptr;
  }
}

}  // namespace

void
note_transaction_status (Private *priv)
{
  switch (PQtransactionStatus (priv->connection.get ())) {
    case PQTRANS_INTRANS:
    case PQTRANS_INERROR:
      priv->in_transaction = true;
      break;
    case PQTRANS_IDLE:
      priv->in_transaction = false;
      break;
    default:
      /* Unknown (the connection is gone) or busy: what was known stands,
       * so that the next call can say what the loss took. */
      break;
  }
}

gint64
affected_rows (const PGresult *end)
{
  const char *count = PQcmdTuples (const_cast<PGresult *> (end));
  return count != nullptr && *count != '\0' ? g_ascii_strtoll (count, nullptr, 10) : 0;
}

bool
run_text (Provider *self, const char *text, TextSink &sink, GError **error)
{
  Private *priv = provider_priv (self);
  if (!ready_connection (priv, error))
    return false;
  PGconn *connection = priv->connection.get ();
  if (PQsendQuery (connection, text) == 0) {
    set_client_error (error, connection, "The statement could not be sent.");
    note_transaction_status (priv);
    return false;
  }
  /* Rows one by one as they arrive, unless the sink keeps them whole. */
  if (!sink.whole_rows ())
    PQsetSingleRowMode (connection);
  GError *failure = nullptr;
  const char *refused = nullptr;
  while (PGresult *taken = PQgetResult (connection)) {
    Result result (taken);
    switch (PQresultStatus (taken)) {
      case PGRES_SINGLE_TUPLE:
        if (failure == nullptr && refused == nullptr)
          sink.row (taken);
        break;
      case PGRES_TUPLES_OK:
      case PGRES_COMMAND_OK:
        note_statement_end (priv, taken, text);
        if (failure == nullptr && refused == nullptr)
          sink.end_kept (result);
        break;
      case PGRES_EMPTY_QUERY:
        break;
      case PGRES_COPY_IN:
      case PGRES_COPY_BOTH:
        /* Ending the copy with an error makes the server fail it, and
         * with it the rest of the text: nothing of it stands. */
        refused = kCopyInRefused;
        PQputCopyEnd (connection, "the client sends no COPY data");
        break;
      case PGRES_COPY_OUT:
        if (refused == nullptr)
          refused = kCopyOutRefused;
        drop_copy_out (connection);
        break;
      default:
        if (failure == nullptr)
          set_result_error (&failure, taken, connection);
        break;
    }
  }
  if (failure == nullptr && PQstatus (connection) != CONNECTION_OK)
    set_client_error (&failure, connection, "The connection was lost.");
  note_transaction_status (priv);
  note_text_end (priv, text);
  if (refused != nullptr) {
    g_clear_error (&failure);
    set_own_error (error, refused);
    return false;
  }
  if (failure != nullptr) {
    g_propagate_error (error, failure);
    return false;
  }
  return true;
}

}  // namespace providers::postgresql
