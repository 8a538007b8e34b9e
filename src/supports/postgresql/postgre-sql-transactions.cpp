/* PostgreSQLProvider's transactions, kept in step with the session's own
 * transaction status: a COMMIT the server answers with ROLLBACK fails, and
 * a commit whose answer was lost says that its outcome is unknown. */
#include "supports/postgresql/postgre-sql-provider-private.h"

#include <cstring>
#include <string>
#include <utility>

namespace providers::postgresql {

namespace {

constexpr char kInFailedTransaction[] = "25P02";

}  // namespace

gboolean
begin_transaction (Provider *self, GError **error)
{
  ProviderLock lock (self);
  Private *priv = provider_priv (self);
  PGconn *connection = priv->connection.get ();
  if (connection != nullptr && PQstatus (connection) == CONNECTION_OK) {
    PGTransactionStatusType status = PQtransactionStatus (connection);
    if (status == PQTRANS_INERROR) {
      set_own_error (error, "The open transaction has failed: roll it back first.");
      return FALSE;
    }
    /* Already inside one: it goes on, as a nested BEGIN would only warn. */
    if (status == PQTRANS_INTRANS)
      return TRUE;
  }
  struct Ignored : TextSink {
    void row (const PGresult *) override {}
    void end (const PGresult *) override {}
  } ignored;
  return run_text (self, "BEGIN", ignored, error) ? TRUE : FALSE;
}

namespace {

/* COMMIT or ROLLBACK, once the session is known to be there: a connection
 * already lost took the transaction with it, and nothing is sent. Answers
 * the server's result; null with an error when the server refused or
 * nothing was sent, null without one when the connection was lost after
 * the statement went out. */
Result
end_transaction (Provider *self, const char *statement, GError **error)
{
  Private *priv = provider_priv (self);
  PGconn *connection = priv->connection.get ();
  if (connection == nullptr) {
    set_own_error (error, "Connection is not open.");
    return nullptr;
  }
  if (priv->lost != nullptr) {
    set_client_error (error, nullptr, priv->lost);
    return nullptr;
  }
  if (PQstatus (connection) != CONNECTION_OK) {
    bool had_transaction = std::exchange (priv->in_transaction, false);
    if (had_transaction)
      priv->lost = kLostTransaction;
    else if (refuse_lost_state (priv, error))
      return nullptr;
    set_client_error (error, nullptr,
                      had_transaction ? "The connection was lost: the server rolled the transaction back."
                                      : "The connection was lost.");
    return nullptr;
  }
  Result result (PQexec (connection, statement));
  note_transaction_status (priv);
  if (PQstatus (connection) != CONNECTION_OK) {
    /* Whatever the session held, it is gone now. */
    priv->in_transaction = false;
    return nullptr;
  }
  if (PQresultStatus (result.get ()) != PGRES_COMMAND_OK) {
    set_result_error (error, result.get (), connection);
    return nullptr;
  }
  note_reported_settings (priv);
  return result;
}

}  // namespace

void
commit_transaction (Provider *self, GError **error)
{
  ProviderLock lock (self);
  GError *local = nullptr;
  Result result = end_transaction (self, "COMMIT", &local);
  if (local != nullptr) {
    g_propagate_error (error, local);
    return;
  }
  PGconn *connection = provider_priv (self)->connection.get ();
  if (result == nullptr) {
    std::string message = PQerrorMessage (connection);
    while (!message.empty () && g_ascii_isspace (message.back ()))
      message.pop_back ();
    message += " (the connection was lost while committing: the transaction may or may not have been committed)";
    g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR,
                         TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_COMMIT_UNKNOWN, message.c_str ());
    return;
  }
  /* The server answers COMMIT of a failed transaction with ROLLBACK and no
   * error: the work is gone, and that is no success. */
  if (std::strcmp (PQcmdStatus (result.get ()), "ROLLBACK") == 0)
    g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR,
                         torvanix_providers_supports_postgre_sql_error_code (kInFailedTransaction),
                         "The transaction had failed: the server rolled it back instead of committing it.");
}

void
rollback_transaction (Provider *self, GError **error)
{
  ProviderLock lock (self);
  GError *local = nullptr;
  Result result = end_transaction (self, "ROLLBACK", &local);
  if (local != nullptr) {
    g_propagate_error (error, local);
    return;
  }
  if (result == nullptr)
    set_client_error (error, provider_priv (self)->connection.get (),
                      "The connection was lost: the server rolled the transaction back.");
}

}  // namespace providers::postgresql
