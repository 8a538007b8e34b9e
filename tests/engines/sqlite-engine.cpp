/* The SQLite engine: a database file in a scratch folder of the test
 * program's own, removed when it ends. */
#include "engine-context.h"

#include "sqlite-test-calls.h"

namespace providers::testing {

namespace {

Owned<GObject> open_sqlite ()
{
  static ScratchFolder folder;
  SQLiteProvider provider = own (torvanix_providers_supports_sq_lite_provider_new ());
  Outcome o = open_file (provider, folder.file ("engine.db"), "create=true");
  EXPECT_FALSE (o.failed) << o.message;
  if (o.failed)
    return nullptr;
  return Owned<GObject> (G_OBJECT (provider.release ()));
}

std::string long_result (int rows)
{
  return "WITH RECURSIVE n (i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string (rows) +
         ") SELECT i, 'row ' || i, CASE WHEN i % 5 = 0 THEN NULL ELSE i * 0.5 END, "
         "datetime ('2020-01-01 00:00:00', '+' || i || ' minutes') FROM n";
}

}  // namespace

/* Each row is stepped on the caller's thread: nothing is built ahead. */
const EngineContext &engine ()
{
  static const EngineContext context = {"SQLite", open_sqlite, long_result, false, true};
  return context;
}

}  // namespace providers::testing
