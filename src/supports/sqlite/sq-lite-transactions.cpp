/* SQLiteProvider's transactions, in step with the engine's own autocommit
 * state: BEGIN IMMEDIATE takes the write lock at once, so two writers of
 * one file wait for each other at the start instead of one failing at its
 * COMMIT. */
#include "common/boundary.h"
#include "supports/sqlite/sq-lite-provider-private.h"

namespace providers::sqlite {

namespace {

Provider *
provider_of (TorvanixProvidersContractsIProvider *base)
{
  return TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_PROVIDER (base);
}

bool
run (Provider *self, const char *statement, GError **error)
{
  std::vector<StatementResult> results;
  return run_text (self, statement, KeepRows::kNone, results, error);
}

gboolean
begin (Provider *self, GError **error)
{
  ProviderLock lock (self);
  sqlite3 *database = provider_priv (self)->database.get ();
  /* Already inside one: it goes on, as a nested BEGIN would fail. */
  if (database != nullptr && !sqlite3_get_autocommit (database))
    return TRUE;
  return run (self, "BEGIN IMMEDIATE", error) ? TRUE : FALSE;
}

/* COMMIT and ROLLBACK go to the engine whatever the provider believes:
 * with no transaction open (SQLite ends one itself after some errors) the
 * engine's error says so. A COMMIT that failed busy leaves the transaction
 * open, as the engine does, for the caller to commit again or roll back. */
void
end (Provider *self, const char *statement, GError **error)
{
  ProviderLock lock (self);
  run (self, statement, error);
}

gboolean
provider_transaction (TorvanixProvidersContractsIProvider *base, GError **error) noexcept
{
  return PROVIDERS_GUARDED_ERROR (error, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR, FALSE,
                                  { return begin (provider_of (base), error); });
}

void
provider_commit (TorvanixProvidersContractsIProvider *base, GError **error) noexcept
{
  PROVIDERS_GUARDED_ERROR (error, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR, false, {
    end (provider_of (base), "COMMIT", error);
    return true;
  });
}

void
provider_rollback (TorvanixProvidersContractsIProvider *base, GError **error) noexcept
{
  PROVIDERS_GUARDED_ERROR (error, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR, false, {
    end (provider_of (base), "ROLLBACK", error);
    return true;
  });
}

}  // namespace

void
install_transactions (TorvanixProvidersContractsIProviderInterface *iface)
{
  iface->transaction = provider_transaction;
  iface->commit = provider_commit;
  iface->rollback = provider_rollback;
}

}  // namespace providers::sqlite
