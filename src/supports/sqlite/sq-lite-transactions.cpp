/* SQLiteProvider's transactions, in step with the engine's own autocommit
 * state: BEGIN IMMEDIATE takes the write lock at once, so two writers of
 * one file wait for each other at the start instead of one failing at its
 * COMMIT. */
#include "supports/sqlite/sq-lite-provider-private.h"

namespace providers::sqlite {

namespace {

bool
run (Provider *self, const char *statement, GError **error)
{
  std::vector<StatementResult> results;
  return run_text (self, statement, KeepRows::kNone, results, error);
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

}  // namespace

gboolean
begin_transaction (Provider *self, GError **error)
{
  ProviderLock lock (self);
  sqlite3 *database = provider_priv (self)->database.get ();
  /* Already inside one: it goes on, as a nested BEGIN would fail. */
  if (database != nullptr && !sqlite3_get_autocommit (database))
    return TRUE;
  return run (self, "BEGIN IMMEDIATE", error) ? TRUE : FALSE;
}

void
commit_transaction (Provider *self, GError **error)
{
  end (self, "COMMIT", error);
}

void
rollback_transaction (Provider *self, GError **error)
{
  end (self, "ROLLBACK", error);
}

}  // namespace providers::sqlite
