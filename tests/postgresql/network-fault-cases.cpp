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

}  // namespace

/* The client speaks first: toward the server, byte 0 is the startup
 * message; toward the client, the server's first answer to it. The
 * provider gives up connecting after 10 s. A COMMIT the proxy resets
 * before passing it on has left the client all the same: its outcome is
 * unknown to the provider, though the server never saw it. */
std::vector<FaultCase>
connect_fault_cases ()
{
  return {
      connect_case ("GreetingStalls", fault (Direction::ToClient, Action::Stall, 0), 20),
      connect_case ("GreetingCut", fault (Direction::ToClient, Action::Close, 0), 5),
      connect_case ("GreetingResetHalfway", fault (Direction::ToClient, Action::Reset, 20), 5),
      connect_case ("LoginStalls", fault (Direction::ToServer, Action::Stall, 0), 20),
      connect_case ("LoginCut", fault (Direction::ToServer, Action::Close, 0), 5),
      connect_case ("LoginReset", fault (Direction::ToServer, Action::Reset, 0), 5),
  };
}

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
      0,
  };
  return engine;
}

}  // namespace providers::testing
