/* The network faults of the MySQL provider: the engine's side of the
 * cases that every engine runs (tests/engines/network-fault-test.cpp), whose
 * packets are MySQL's, and the cases of MySQL alone: a COMMIT answered
 * before the connection went, and the sockets' watch on a silent peer. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "network-faults.h"
#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "test-server.h"

namespace providers::testing {

namespace {

using Provider = Owned<TorvanixProvidersSupportsMySQLProvider>;
using Direction = FaultProxy::Direction;
using Action = FaultProxy::Action;

Observer &mysql_observer ()
{
  static Observer observer (test_server ());
  return observer;
}

/* Client errors (2000 and up) are the client library's own: the server
 * never sent them. */
bool lost_connection (int code)
{
  return code >= 2000;
}

}  // namespace

/* In the client's direction the first packet is the server's greeting, and
 * the second its answer to the login; in the server's, the first is the
 * login. A COMMIT is one packet, and the autocommit restore after it the
 * next. */
std::vector<FaultCase>
connect_fault_cases ()
{
  return {
      connect_case ("GreetingStalls", fault (Direction::ToClient, Action::Stall, 0), 20),
      connect_case ("GreetingCut", fault (Direction::ToClient, Action::Close, 0), 5),
      connect_case ("GreetingResetHalfway", fault (Direction::ToClient, Action::Reset, 20), 5),
      connect_case ("LoginStalls", fault (Direction::ToServer, Action::Stall, 0, 1), 20),
      connect_case ("LoginCut", fault (Direction::ToServer, Action::Close, 0, 1), 5),
      connect_case ("LoginAnswerReset", fault (Direction::ToClient, Action::Reset, 0, 2), 5),
  };
}

const NetworkEngine &network_engine ()
{
  static const NetworkEngine engine = {
      g_quark_from_string ("MySQL"),
      lost_connection,
      [] { return test_server ().port; },
      [] { return make_profile (test_server ()); },
      [] { return Owned<GObject> (G_OBJECT (torvanix_providers_supports_my_sql_provider_new ())); },
      [] (const std::string &statement) { return mysql_observer ().cell (statement); },
      "(i INT, s TEXT) ENGINE=InnoDB",
      "SELECT seq, REPEAT('x', 20) FROM seq_1_to_20000",
      "SELECT @@autocommit",
      "1",
      1,
  };
  return engine;
}

namespace {

/* The COMMIT went through and was answered; only the autocommit restore
 * after it was lost with the connection. The commit stands and is not
 * reported failed, and the provider goes on in autocommit mode. */
TEST (NetworkFaultsAroundCommit, ACommitAnsweredBeforeTheConnectionWentSucceeds)
{
  Observer &observer = mysql_observer ();
  std::string table = unique_name ("netc");
  observer.cell ("CREATE TABLE " + table + " (i INT) ENGINE=InnoDB");
  FaultProxy proxy (test_server ().port);
  auto profile = profile_through (proxy);
  Provider provider = own (torvanix_providers_supports_my_sql_provider_new ());
  auto *p = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());
  ASSERT_TRUE (run_open (p, profile.get ()).answered);
  GError *error = nullptr;
  ASSERT_TRUE (torvanix_providers_contracts_iprovider_transaction (p, &error));
  ASSERT_EQ (torvanix_providers_contracts_iprovider_execute_affect (p, ("INSERT INTO " + table + " VALUES (1)").c_str (),
                                                                    0, &error),
             1);
  proxy.arm (fault (Direction::ToServer, Action::Reset, 0, 2));
  {
    LogCapture log;
    torvanix_providers_contracts_iprovider_commit (p, &error);
  }
  EXPECT_TRUE (proxy.struck ());
  EXPECT_EQ (error, nullptr) << error->message;
  EXPECT_EQ (count_rows (table), 1);

  /* The next statement runs on a new session, in autocommit mode. */
  ASSERT_EQ (torvanix_providers_contracts_iprovider_execute_affect (p, ("INSERT INTO " + table + " VALUES (2)").c_str (),
                                                                    0, &error),
             1)
      << error->message;
  EXPECT_EQ (count_rows (table), 2);
  observer.cell ("DROP TABLE " + table);
}

/* The socket options of this process's TCP connection to `port` on
 * 127.0.0.1: keepalive, idle seconds, interval, probes, and the time
 * unacknowledged data may wait; empty when there is no such socket. */
std::vector<int>
dead_peer_settings (int port)
{
  std::vector<int> settings;
  DIR *fds = opendir ("/proc/self/fd");
  if (fds == nullptr)
    return settings;
  while (dirent *entry = readdir (fds)) {
    int fd = std::atoi (entry->d_name);
    sockaddr_in peer = {};
    socklen_t length = sizeof peer;
    if (fd <= 2 || getpeername (fd, reinterpret_cast<sockaddr *> (&peer), &length) != 0 || peer.sin_family != AF_INET
        || ntohs (peer.sin_port) != port)
      continue;
    auto get = [fd] (int level, int name) {
      int value = -1;
      socklen_t size = sizeof value;
      getsockopt (fd, level, name, &value, &size);
      return value;
    };
    settings = {get (SOL_SOCKET, SO_KEEPALIVE), get (IPPROTO_TCP, TCP_KEEPIDLE), get (IPPROTO_TCP, TCP_KEEPINTVL),
                get (IPPROTO_TCP, TCP_KEEPCNT), get (IPPROTO_TCP, TCP_USER_TIMEOUT)};
  }
  closedir (fds);
  return settings;
}

/* A peer that vanishes without a word is found by TCP within about two
 * minutes: the provider's socket probes after a minute of silence, and so
 * does the one the client library makes when it connects again. */
TEST (NetworkFaultsSilentPeer, EveryConnectionOfTheProviderWatchesItsPeer)
{
  FaultProxy proxy (test_server ().port);
  auto profile = profile_through (proxy);
  Provider provider = own (torvanix_providers_supports_my_sql_provider_new ());
  auto *p = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());
  ASSERT_TRUE (run_open (p, profile.get ()).answered);
  const std::vector<int> expected = {1, 60, 10, 6, 120 * 1000};
  EXPECT_EQ (dead_peer_settings (proxy.port ()), expected);

  proxy.arm (fault (Direction::ToClient, Action::Reset, 0));
  {
    LogCapture log;
    EXPECT_FALSE (scalar (p, "").answered);
  }
  EXPECT_EQ (dead_peer_settings (proxy.port ()), std::vector<int> ());
  GError *error = nullptr;
  auto answer = own (torvanix_providers_contracts_iprovider_execute_scalar (p, "SELECT 1", 0, &error));
  ASSERT_NE (answer, nullptr) << error->message;
  EXPECT_EQ (dead_peer_settings (proxy.port ()), expected);
}

}  // namespace
}  // namespace providers::testing
