/* Network faults through the tests' own proxy (tests/engines/fault-proxy.*,
 * at byte offsets, since packets are another protocol's): a server that
 * never answers the connect, a result cut in the middle, and a commit
 * whose request or answer is lost. Every wait is bounded. */
#include <gtest/gtest.h>

#include <string>

#include "fault-proxy.h"
#include "pg-test-calls.h"
#include "pg-test-server.h"

using namespace providers::testing;

namespace {

using Direction = FaultProxy::Direction;
using Action = FaultProxy::Action;

constexpr int kClient = TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_CLIENT;
constexpr int kCommitUnknown = TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_COMMIT_UNKNOWN;

FaultProxy::Fault at_byte (Direction direction, Action action, std::size_t bytes, int stall_ms = 60 * 1000)
{
  FaultProxy::Fault fault{direction, action};
  fault.bytes = bytes;
  fault.stall_ms = stall_ms;
  return fault;
}

class PostgreSQLNetworkFaults : public ::testing::Test {
 protected:
  Outcome open_through_proxy ()
  {
    auto profile = make_pg_profile (test_pg_server ());
    torvanix_providers_contracts_server_set_port (profile.get (), proxy_.port ());
    return open_with (provider_, profile.get ());
  }
  Outcome table (const std::string &text)
  {
    GError *error = nullptr;
    auto model = own (torvanix_providers_contracts_iprovider_execute_model (as_provider (provider_), text.c_str (), 0,
                                                                            &error));
    return outcome_of (model ? gint64 (g_list_model_get_n_items (G_LIST_MODEL (model.get ()))) : gint64 (-1), error);
  }

  FaultProxy proxy_{test_pg_server ().port};
  Owned<TorvanixProvidersSupportsPostgreSQLProvider> provider_ = own (torvanix_providers_supports_postgre_sql_provider_new ());
  PgObserver observer_;
};

/* A server that takes the connection and says nothing: the connect gives
 * up after its own timeout, not the stall's. */
TEST_F (PostgreSQLNetworkFaults, SilentServerFailsTheConnect)
{
  proxy_.arm (at_byte (Direction::ToClient, Action::Stall, 0, 30 * 1000));
  gint64 start = g_get_monotonic_time ();
  Outcome o = open_through_proxy ();
  double seconds = static_cast<double> (g_get_monotonic_time () - start) / G_USEC_PER_SEC;
  EXPECT_EQ (o.code, kClient) << o.message;
  EXPECT_LT (seconds, 20.0);
  EXPECT_FALSE (torvanix_providers_contracts_iprovider_get_is_opened (as_provider (provider_)));
}

/* A long result cut or reset in the middle: the call fails with the
 * client's error, nothing half-built is answered, and the next call gets
 * a new session. */
TEST_F (PostgreSQLNetworkFaults, ResultBrokenInTheMiddle)
{
  for (Action action : {Action::Close, Action::Reset}) {
    ASSERT_FALSE (open_through_proxy ().failed);
    proxy_.arm (at_byte (Direction::ToClient, action, 200 * 1000));
    Outcome broken = table ("SELECT i, repeat ('x', 100) FROM generate_series (1, 20000) i");
    EXPECT_TRUE (proxy_.struck ());
    EXPECT_EQ (broken.answer, -1);
    EXPECT_EQ (broken.code, kClient) << broken.message;
    Outcome next = table ("SELECT 1");
    EXPECT_FALSE (next.failed) << next.message;
    EXPECT_EQ (next.answer, 1);
  }
}

/* COMMIT lost on its way, or its answer lost on the way back: the server
 * rolled back in the first case and committed in the second, and the
 * client cannot tell them apart, so both say the outcome is unknown. */
TEST_F (PostgreSQLNetworkFaults, CommitWhoseRequestOrAnswerIsLost)
{
  std::string table = unique_name ("pg_fault_commit");
  ASSERT_EQ (observer_.cell ("CREATE TABLE " + table + " (id int)"), "");
  struct Case {
    Direction direction;
    const char *rows_after;
  };
  for (const Case &c : {Case{Direction::ToServer, "0"}, Case{Direction::ToClient, "1"}}) {
    observer_.cell ("DELETE FROM " + table);
    ASSERT_FALSE (open_through_proxy ().failed);
    GError *error = nullptr;
    ASSERT_TRUE (torvanix_providers_contracts_iprovider_transaction (as_provider (provider_), &error));
    ASSERT_FALSE (affect (provider_, "INSERT INTO " + table + " VALUES (1)").failed);
    proxy_.arm (at_byte (c.direction, Action::Reset, 0));
    torvanix_providers_contracts_iprovider_commit (as_provider (provider_), &error);
    Outcome committed = outcome_of (0, error);
    EXPECT_EQ (committed.code, kCommitUnknown) << committed.message;
    /* The server ends the session it lost, and its transaction with it,
     * when it sees the reset. */
    for (int i = 0; i < 200 && observer_.cell ("SELECT count(*) FROM " + table) != c.rows_after; ++i)
      g_usleep (10 * 1000);
    EXPECT_EQ (observer_.cell ("SELECT count(*) FROM " + table), c.rows_after);
    EXPECT_FALSE (affect (provider_, "SELECT 1").failed);
  }
  observer_.cell ("DROP TABLE " + table);
}

}  // namespace
