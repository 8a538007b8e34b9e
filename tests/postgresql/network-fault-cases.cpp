/* The PostgreSQL provider's side of the network-fault cases that every
 * engine runs (tests/engines/network-fault-test.cpp). The
 * proxy counts MySQL's packets, so every fault here strikes at a byte
 * offset; counted from the arming, byte 0 toward the server is the next
 * statement and byte 0 toward the client its answer. */
#include <libproviders/providers.h>
#include <libproviders/postgresql.h>

#include <string>
#include <vector>

#include "network-faults.h"
#include "pg-test-server.h"

namespace providers::testing {

namespace {

using Direction = FaultProxy::Direction;
using Action = FaultProxy::Action;

PgObserver &pg_observer ()
{
  static PgObserver observer;
  return observer;
}

/* The client library's failures, and a COMMIT whose answer was lost. */
bool lost_connection (int code)
{
  return code == TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_CLIENT
         || code == TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_COMMIT_UNKNOWN;
}

/* The client speaks first: toward the server, byte 0 is the startup
 * message; toward the client, the server's first answer to it. The
 * provider gives up connecting after 10 s. A COMMIT the proxy resets
 * before passing it on has left the client all the same: its outcome is
 * unknown to the provider, though the server never saw it. */
std::vector<FaultCase>
cases ()
{
  std::vector<FaultCase> cases = {
    {"GreetingStalls", false, fault (Direction::ToClient, Action::Stall, 0), true, nullptr, "1", 20, false},
    {"GreetingCut", false, fault (Direction::ToClient, Action::Close, 0), true, nullptr, "1", 5, false},
    {"GreetingResetHalfway", false, fault (Direction::ToClient, Action::Reset, 20), true, nullptr, "1", 5, false},
    {"LoginStalls", false, fault (Direction::ToServer, Action::Stall, 0), true, nullptr, "1", 20, false},
    {"LoginCut", false, fault (Direction::ToServer, Action::Close, 0), true, nullptr, "1", 5, false},
    {"LoginReset", false, fault (Direction::ToServer, Action::Reset, 0), true, nullptr, "1", 5, false},
  };
  for (auto &more : {mid_result_cases (), transaction_end_cases (0)})
    cases.insert (cases.end (), more.begin (), more.end ());
  return cases;
}

}  // namespace

const NetworkEngine &network_engine ()
{
  static const NetworkEngine engine = {
      TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR,
      lost_connection,
      [] { return test_pg_server ().port; },
      [] { return make_pg_profile (test_pg_server ()); },
      [] { return Owned<GObject> (G_OBJECT (torvanix_providers_supports_postgre_sql_provider_new ())); },
      [] (const std::string &statement) { return pg_observer ().cell (statement); },
      "(i INT, s TEXT)",
      "SELECT g, repeat ('x', 20) FROM generate_series (1, 20000) AS g",
      /* In autocommit mode every statement is a transaction of its own. */
      "SELECT CASE WHEN now () = statement_timestamp () THEN 1 ELSE 0 END",
      "1",
  };
  return engine;
}

const std::vector<FaultCase> &network_fault_cases ()
{
  static const std::vector<FaultCase> kCases = cases ();
  return kCases;
}

}  // namespace providers::testing
