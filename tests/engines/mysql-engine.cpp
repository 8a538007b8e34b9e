/* The MySQL engine: the fixture's private server. */
#include "engine-context.h"

#include <gtest/gtest.h>

#include "test-server.h"

namespace providers::testing {

namespace {

Owned<GObject> open_mysql ()
{
  Owned<GObject> provider = own (G_OBJECT (torvanix_providers_supports_my_sql_provider_new ()));
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (as_iprovider (provider), make_profile (test_server ()).get (), "", &error);
  EXPECT_EQ (error, nullptr) << error->message;
  if (error != nullptr) {
    g_error_free (error);
    return nullptr;
  }
  return provider;
}

std::string long_result (int rows)
{
  return "SELECT seq, CONCAT('row ', seq), IF(seq % 5 = 0, NULL, seq * 0.5e0), TIMESTAMP '2020-01-01 00:00:00' + "
         "INTERVAL seq MINUTE FROM seq_1_to_" + std::to_string (rows);
}

}  // namespace

const EngineContext &engine ()
{
  static const EngineContext context = {"MySQL", open_mysql, long_result, true, true};
  return context;
}

}  // namespace providers::testing
