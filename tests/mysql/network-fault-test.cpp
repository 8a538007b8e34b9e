/* The network breaks between the provider and the server, through the
 * tests' fault proxy: before the greeting, during authentication, in the
 * middle of a result or a batch, around COMMIT. Each case must end in a
 * "MySQL" error with a number within a bounded time, never in a success;
 * nothing may be committed that was not; and a new open works. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "fault-proxy.h"
#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "test-server.h"

using providers::testing::FaultProxy;
using providers::testing::LogCapture;
using providers::testing::make_profile;
using providers::testing::Observer;
using providers::testing::own;
using providers::testing::Owned;
using providers::testing::take_string;
using providers::testing::test_server;
using providers::testing::unique_name;

namespace {

using Provider = Owned<TorvanixProvidersSupportsMySQLProvider>;
using Direction = FaultProxy::Direction;
using Action = FaultProxy::Action;
using IProvider = TorvanixProvidersContractsIProvider;

/* Rows enough that their result is far from whole when the cut comes. */
const char kBig[] = "SELECT seq, REPEAT('x', 20) FROM seq_1_to_20000";

/* What an operation ended with: its error, or for a batch the error item
 * it ended with. */
struct Outcome {
  bool answered = false; /* a result other than the failure value */
  GQuark domain = 0;
  int code = 0;
  std::string message;
};

Outcome
from_error (bool answered, GError *error)
{
  Outcome outcome;
  outcome.answered = answered;
  if (error != nullptr) {
    outcome.domain = error->domain;
    outcome.code = error->code;
    outcome.message = error->message;
    g_error_free (error);
  }
  return outcome;
}

struct Case {
  const char *name;
  /* Before the fault is armed, on an open provider: the work that a
   * commit would carry, inside a transaction when `transaction`. */
  bool transaction;
  FaultProxy::Fault fault;
  /* Arm the fault before open, for the connect itself. */
  bool at_open;
  Outcome (*operation) (IProvider *, const std::string &table);
  /* Rows of the table the server must hold afterwards. */
  const char *rows;
  /* The longest the operation may take. */
  int seconds;
  /* Outside a transaction the same provider goes on without a new open:
   * the client library connects again for the next statement. */
  bool goes_on;
};

Outcome
run_open (IProvider *p, TorvanixProvidersContractsServer *profile)
{
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (p, profile, "", &error);
  return from_error (error == nullptr, error);
}

Outcome
model (IProvider *p, const std::string &)
{
  GError *error = nullptr;
  auto answer = own (torvanix_providers_contracts_iprovider_execute_model (p, kBig, 0, &error));
  return from_error (answer != nullptr, error);
}

Outcome
scalar (IProvider *p, const std::string &)
{
  GError *error = nullptr;
  auto answer = own (torvanix_providers_contracts_iprovider_execute_scalar (p, kBig, 0, &error));
  return from_error (answer != nullptr, error);
}

Outcome
reader (IProvider *p, const std::string &)
{
  GError *error = nullptr;
  auto answer = own (torvanix_providers_contracts_iprovider_execute_reader (p, kBig, &error));
  return from_error (answer != nullptr, error);
}

Outcome
affect (IProvider *p, const std::string &)
{
  GError *error = nullptr;
  bool answered = torvanix_providers_contracts_iprovider_execute_affect (p, kBig, 0, &error) != -1;
  return from_error (answered, error);
}

Outcome
insert_long (IProvider *p, const std::string &table)
{
  std::string statement = "INSERT INTO " + table + " VALUES (2, '" + std::string (4000, 'y') + "')";
  GError *error = nullptr;
  bool answered = torvanix_providers_contracts_iprovider_execute_affect (p, statement.c_str (), 0, &error) != -1;
  return from_error (answered, error);
}

/* A batch answers its results so far and ends with an error item; what
 * counts is that item, and that no item before it is a false count. */
Outcome
batch (IProvider *p, const std::string &table)
{
  std::string text = "INSERT INTO " + table + " VALUES (2, 'b'); " + kBig + "; INSERT INTO " + table + " VALUES (3, 'c')";
  GError *error = nullptr;
  gint length = 0;
  GObject **items = torvanix_providers_contracts_iprovider_execute_statements (p, text.c_str (), 0, &length, &error);
  if (items == nullptr)
    return from_error (false, error);
  Outcome outcome;
  for (gint i = 0; i < length; ++i) {
    std::string text = take_string (
        torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (items[i])));
    if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ERROR (items[i])) {
      outcome.domain = g_quark_from_string ("MySQL");
      outcome.code = std::atoi (text.c_str ());
      outcome.message = text;
    } else if (text == "18446744073709551615" || i == length - 1) {
      outcome.answered = true; /* a false count, or no error at the end */
    }
    g_object_unref (items[i]);
  }
  g_free (items);
  return outcome;
}

Outcome
commit (IProvider *p, const std::string &)
{
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_commit (p, &error);
  return from_error (error == nullptr, error);
}

Outcome
rollback (IProvider *p, const std::string &)
{
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_rollback (p, &error);
  return from_error (error == nullptr, error);
}

FaultProxy::Fault
fault (Direction direction, Action action, std::size_t bytes, std::size_t packet = 0, int stall_ms = 60 * 1000)
{
  return {direction, action, bytes, packet, stall_ms};
}

/* In the client's direction the first packet is the server's greeting, and
 * the second its answer to the login; in the server's, the first is the
 * login. A COMMIT is one packet, and the autocommit restore after it the
 * next. */
const Case kCases[] = {
  {"GreetingStalls", false, fault (Direction::ToClient, Action::Stall, 0), true, nullptr, "1", 20, false},
  {"GreetingCut", false, fault (Direction::ToClient, Action::Close, 0), true, nullptr, "1", 5, false},
  {"GreetingResetHalfway", false, fault (Direction::ToClient, Action::Reset, 20), true, nullptr, "1", 5, false},
  {"LoginStalls", false, fault (Direction::ToServer, Action::Stall, 0, 1), true, nullptr, "1", 20, false},
  {"LoginCut", false, fault (Direction::ToServer, Action::Close, 0, 1), true, nullptr, "1", 5, false},
  {"LoginAnswerReset", false, fault (Direction::ToClient, Action::Reset, 0, 2), true, nullptr, "1", 5, false},
  {"ModelResetMidResult", false, fault (Direction::ToClient, Action::Reset, 3000), false, model, "1", 5, true},
  /* Far enough in that the table is being built on several threads. */
  {"ModelResetAfterManyRows", false, fault (Direction::ToClient, Action::Reset, 200 * 1000), false, model, "1", 5,
   true},
  {"ModelCutMidResult", false, fault (Direction::ToClient, Action::Close, 3000), false, model, "1", 5, true},
  {"ModelStallsThenResets", false, fault (Direction::ToClient, Action::Stall, 3000, 0, 1000), false, model, "1", 5,
   true},
  {"ScalarResetMidResult", false, fault (Direction::ToClient, Action::Reset, 3000), false, scalar, "1", 5, true},
  {"ReaderCutMidResult", false, fault (Direction::ToClient, Action::Close, 3000), false, reader, "1", 5, true},
  {"AffectResetMidResult", false, fault (Direction::ToClient, Action::Reset, 3000), false, affect, "1", 5, true},
  {"StatementResetWhileSent", false, fault (Direction::ToServer, Action::Reset, 100), false, insert_long, "1", 5,
   true},
  {"BatchResetMidResult", false, fault (Direction::ToClient, Action::Reset, 3000), false, batch, nullptr, 5, true},
  {"BatchInTransactionResetMidResult", true, fault (Direction::ToClient, Action::Reset, 3000), false, batch, "1", 5,
   false},
  {"CommitResetBeforeSent", true, fault (Direction::ToServer, Action::Reset, 0, 1), false, commit, "1", 5, false},
  {"CommitAnswerLost", true, fault (Direction::ToClient, Action::Reset, 0, 1), false, commit, "2", 5, false},
  {"CommitAnswerStallsThenResets", true, fault (Direction::ToClient, Action::Stall, 0, 1, 1000), false, commit, "2",
   5, false},
  {"RollbackResetBeforeSent", true, fault (Direction::ToServer, Action::Reset, 0, 1), false, rollback, "1", 5, false},
};

/* Test names say which case it is; the bytes of the case say nothing. */
void
PrintTo (const Case &c, std::ostream *out)
{
  *out << c.name;
}

class NetworkFaults : public ::testing::TestWithParam<Case> {};

int
count_rows (Observer &observer, const std::string &table)
{
  return std::atoi (observer.cell ("SELECT COUNT(*) FROM " + table).c_str ());
}

TEST_P (NetworkFaults, EndInANumberedErrorAndLoseNothing)
{
  const Case &c = GetParam ();
  Observer observer (test_server ());
  std::string table = unique_name ("net");
  observer.cell ("CREATE TABLE " + table + " (i INT, s TEXT) ENGINE=InnoDB");
  observer.cell ("INSERT INTO " + table + " VALUES (1, 'a')");

  FaultProxy proxy (test_server ().port);
  auto profile = make_profile (test_server ());
  torvanix_providers_contracts_server_set_host (profile.get (), "127.0.0.1");
  torvanix_providers_contracts_server_set_port (profile.get (), proxy.port ());
  Provider provider = own (torvanix_providers_supports_my_sql_provider_new ());
  auto *p = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());

  Outcome outcome;
  gint64 started;
  {
    LogCapture log;
    if (c.at_open) {
      proxy.arm (c.fault);
      started = g_get_monotonic_time ();
      outcome = run_open (p, profile.get ());
    } else {
      ASSERT_TRUE (run_open (p, profile.get ()).answered);
      GError *error = nullptr;
      if (c.transaction) {
        ASSERT_TRUE (torvanix_providers_contracts_iprovider_transaction (p, &error));
        ASSERT_EQ (torvanix_providers_contracts_iprovider_execute_affect (
                       p, ("INSERT INTO " + table + " VALUES (2, 'b')").c_str (), 0, &error),
                   1);
      }
      proxy.arm (c.fault);
      started = g_get_monotonic_time ();
      outcome = c.operation (p, table);
      if (c.transaction && c.operation != commit && c.operation != rollback) {
        /* The transaction died with the connection: its commit fails. */
        Outcome after = commit (p, table);
        EXPECT_FALSE (after.answered);
        EXPECT_GE (after.code, 2000) << after.message;
      }
    }
  }
  double seconds = static_cast<double> (g_get_monotonic_time () - started) / G_USEC_PER_SEC;
  std::cout << "fault " << c.name << ": " << outcome.code << " after " << seconds << " s: " << outcome.message
            << std::endl;
  EXPECT_TRUE (proxy.struck ());
  EXPECT_FALSE (outcome.answered) << outcome.message;
  EXPECT_EQ (outcome.domain, g_quark_from_string ("MySQL"));
  EXPECT_GE (outcome.code, 2000) << outcome.message;
  EXPECT_LT (seconds, c.seconds);
  if (c.operation == commit && std::string (c.rows) == "2") {
    EXPECT_NE (outcome.message.find ("may or may not have been committed"), std::string::npos) << outcome.message;
  }
  if (c.rows != nullptr) {
    EXPECT_EQ (count_rows (observer, table), std::atoi (c.rows));
  }

  GError *error = nullptr;
  if (c.goes_on) {
    LogCapture log;
    auto answer = own (torvanix_providers_contracts_iprovider_execute_scalar (p, "SELECT 'on'", 0, &error));
    EXPECT_EQ (error, nullptr) << error->message;
    EXPECT_NE (answer, nullptr);
    g_clear_error (&error);
  }
  {
    LogCapture log;
    torvanix_providers_contracts_iprovider_close (p, nullptr);
  }
  ASSERT_TRUE (run_open (p, profile.get ()).answered);
  auto answer = own (torvanix_providers_contracts_iprovider_execute_scalar (p, "SELECT @@autocommit", 0, &error));
  ASSERT_NE (answer, nullptr) << error->message;
  EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (answer.get ())), "1");
  observer.cell ("DROP TABLE " + table);
}

INSTANTIATE_TEST_SUITE_P (Proxy, NetworkFaults, ::testing::ValuesIn (kCases),
                          [] (const ::testing::TestParamInfo<Case> &info) { return std::string (info.param.name); });

/* The COMMIT went through and was answered; only the autocommit restore
 * after it was lost with the connection. The commit stands and is not
 * reported failed, and the provider goes on in autocommit mode. */
TEST (NetworkFaultsAroundCommit, ACommitAnsweredBeforeTheConnectionWentSucceeds)
{
  Observer observer (test_server ());
  std::string table = unique_name ("netc");
  observer.cell ("CREATE TABLE " + table + " (i INT) ENGINE=InnoDB");
  FaultProxy proxy (test_server ().port);
  auto profile = make_profile (test_server ());
  torvanix_providers_contracts_server_set_host (profile.get (), "127.0.0.1");
  torvanix_providers_contracts_server_set_port (profile.get (), proxy.port ());
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
  EXPECT_EQ (count_rows (observer, table), 1);

  /* The next statement runs on a new session, in autocommit mode. */
  ASSERT_EQ (torvanix_providers_contracts_iprovider_execute_affect (p, ("INSERT INTO " + table + " VALUES (2)").c_str (),
                                                                    0, &error),
             1)
      << error->message;
  EXPECT_EQ (count_rows (observer, table), 2);
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
  auto profile = make_profile (test_server ());
  torvanix_providers_contracts_server_set_host (profile.get (), "127.0.0.1");
  torvanix_providers_contracts_server_set_port (profile.get (), proxy.port ());
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
