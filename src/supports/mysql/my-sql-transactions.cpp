/* MySQLProvider's transactions: manual-commit mode with automatic
 * reconnection off while one is open, and commit and rollback that say
 * whether the outcome is known when the connection goes on the way. */
#include "common/gobject-ref.h"
#include "supports/mysql/my-sql-provider-private.h"

#include <utility>

namespace providers::mysql {

namespace {

gboolean
provider_transaction (TorvanixProvidersContractsIProvider *base,
                      GError **error) noexcept
{
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
  ProviderLock lock (self);
  auto *priv = provider_priv (self);
  if (!clear_pending (self, error))
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
  return TRUE;
}

/* The session is over and with it whatever it held: the server rolled back
 * its open transaction, and a new session starts in autocommit mode. */
void
forget_session (TorvanixProvidersSupportsMySQLProvider *self)
{
  auto *priv = provider_priv (self);
  if (std::exchange (priv->in_transaction, false))
    set_reconnect (self, true, nullptr);
}

/* The transaction ended on the server: back to autocommit and automatic
 * reconnection, so that later statements are not held in an implicit
 * transaction that close would roll back. Whatever happens here, the
 * provider is out of its transaction and never leaves the session in
 * manual-commit mode: a session whose mode cannot be restored is closed. */
void
leave_transaction (TorvanixProvidersSupportsMySQLProvider *self)
{
  auto *priv = provider_priv (self);
  if (mysql_autocommit (priv->connection.get (), 1) != 0 && !lost_connection (mysql_errno (priv->connection.get ()))) {
    close_connection (priv);
    priv->connection.reset (mysql_init (nullptr));
    return;
  }
  forget_session (self);
}

/* The commit's outcome is unknown when the connection went after COMMIT
 * was sent: the server may have committed before it, or not. */
void
set_commit_unknown (TorvanixProvidersSupportsMySQLProvider *self, GError **error)
{
  MYSQL *connection = connection_of (self);
  providers::GUnique<gchar> text (g_strdup_printf (
      "%s (the connection was lost while committing: the transaction may or may not have been committed)",
      mysql_error (connection)));
  GError *local = nullptr;
  raise (self, -1, &local);
  g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR, static_cast<gint> (mysql_errno (connection)),
                       text.get ());
  g_clear_error (&local);
}

void
provider_commit (TorvanixProvidersContractsIProvider *base,
                 GError **error) noexcept
{
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
  ProviderLock lock (self);
  if (!clear_pending (self, error))
    return;
  MYSQL *connection = connection_of (self);
  /* A connection already gone took the transaction with it: COMMIT is not
   * sent, and the failure is certain. */
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
  forget_session (self);
}

void
provider_rollback (TorvanixProvidersContractsIProvider *base,
                   GError **error) noexcept
{
  auto *self = TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
  ProviderLock lock (self);
  if (!clear_pending (self, error))
    return;
  MYSQL *connection = connection_of (self);
  if (mysql_rollback (connection) == 0) {
    leave_transaction (self);
    return;
  }
  raise_failed (self, "The transaction could not be rolled back.", error);
  /* A lost connection rolled back on the server all the same. */
  if (lost_connection (mysql_errno (connection)))
    forget_session (self);
}

}  // namespace

void
install_transactions (TorvanixProvidersContractsIProviderInterface *iface)
{
  iface->transaction = provider_transaction;
  iface->commit = provider_commit;
  iface->rollback = provider_rollback;
}

}  // namespace providers::mysql
