/* The PostgreSQL engine: the fixture's private server. */
#include "engine-context.h"

#include "pg-test-server.h"

namespace providers::testing {

namespace {

Owned<GObject> open_postgresql ()
{
  auto provider = open_pg_provider ();
  return Owned<GObject> (G_OBJECT (provider.release ()));
}

std::string long_result (int rows)
{
  return "SELECT g, 'row ' || g, CASE WHEN g % 5 = 0 THEN NULL ELSE g * 0.5::float8 END, "
         "TIMESTAMP '2020-01-01 00:00:00' + g * INTERVAL '1 minute' FROM generate_series (1, " +
         std::to_string (rows) + ") AS g";
}

}  // namespace

const EngineContext &engine ()
{
  static const EngineContext context = {"PostgreSQL", open_postgresql, long_result, true, true};
  return context;
}

}  // namespace providers::testing
