/* The network breaks between the provider and its server, through the
 * tests' fault proxy: before the server's first answer, during login, in
 * the middle of a result or a batch, around COMMIT. Each case must end in
 * the engine's error for a lost connection within a bounded time, never in
 * a success; nothing may be committed that was not; and a new open works.
 * Built once per engine, with the engine's cases. */
#include "network-faults.h"

#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "support/server-env.h"

namespace providers::testing {

FaultOutcome
from_error (bool answered, GError *error)
{
  FaultOutcome outcome;
  outcome.answered = answered;
  if (error != nullptr) {
    outcome.domain = error->domain;
    outcome.code = error->code;
    outcome.message = error->message;
    g_error_free (error);
  }
  return outcome;
}

FaultOutcome
run_open (IProvider *p, TorvanixProvidersContractsServer *profile)
{
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (p, profile, "", &error);
  return from_error (error == nullptr, error);
}

Owned<TorvanixProvidersContractsServer>
profile_through (const FaultProxy &proxy)
{
  auto profile = network_engine ().profile ();
  torvanix_providers_contracts_server_set_host (profile.get (), "127.0.0.1");
  torvanix_providers_contracts_server_set_port (profile.get (), proxy.port ());
  return profile;
}

int
count_rows (const std::string &table)
{
  return std::atoi (network_engine ().observe ("SELECT COUNT(*) FROM " + table).c_str ());
}

FaultOutcome
model (IProvider *p, const std::string &)
{
  GError *error = nullptr;
  auto answer = own (torvanix_providers_contracts_iprovider_execute_model (p, network_engine ().big_result, 0, &error));
  return from_error (answer != nullptr, error);
}

FaultOutcome
scalar (IProvider *p, const std::string &)
{
  GError *error = nullptr;
  auto answer = own (torvanix_providers_contracts_iprovider_execute_scalar (p, network_engine ().big_result, 0, &error));
  return from_error (answer != nullptr, error);
}

FaultOutcome
reader (IProvider *p, const std::string &)
{
  GError *error = nullptr;
  auto answer = own (torvanix_providers_contracts_iprovider_execute_reader (p, network_engine ().big_result, &error));
  return from_error (answer != nullptr, error);
}

FaultOutcome
affect (IProvider *p, const std::string &)
{
  GError *error = nullptr;
  bool answered = torvanix_providers_contracts_iprovider_execute_affect (p, network_engine ().big_result, 0, &error) != -1;
  return from_error (answered, error);
}

FaultOutcome
insert_long (IProvider *p, const std::string &table)
{
  std::string statement = "INSERT INTO " + table + " VALUES (2, '" + std::string (4000, 'y') + "')";
  GError *error = nullptr;
  bool answered = torvanix_providers_contracts_iprovider_execute_affect (p, statement.c_str (), 0, &error) != -1;
  return from_error (answered, error);
}

/* A batch answers its results so far and ends with an error item; what
 * counts is that item, and that no item before it is a false count. */
FaultOutcome
batch (IProvider *p, const std::string &table)
{
  std::string text = "INSERT INTO " + table + " VALUES (2, 'b'); " + network_engine ().big_result + "; INSERT INTO " + table + " VALUES (3, 'c')";
  GError *error = nullptr;
  gint length = 0;
  GObject **items = torvanix_providers_contracts_iprovider_execute_statements (p, text.c_str (), 0, &length, &error);
  if (items == nullptr)
    return from_error (false, error);
  FaultOutcome outcome;
  for (gint i = 0; i < length; ++i) {
    std::string text = take_string (
        torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (items[i])));
    if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ERROR (items[i])) {
      outcome.domain = network_engine ().domain;
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

FaultOutcome
commit (IProvider *p, const std::string &)
{
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_commit (p, &error);
  return from_error (error == nullptr, error);
}

FaultOutcome
rollback (IProvider *p, const std::string &)
{
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_rollback (p, &error);
  return from_error (error == nullptr, error);
}

void
PrintTo (const FaultCase &c, std::ostream *out)
{
  *out << c.name;
}

std::vector<FaultCase>
mid_result_cases ()
{
  using Direction = FaultProxy::Direction;
  using Action = FaultProxy::Action;
  return {
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
  };
}

std::vector<FaultCase>
transaction_end_cases (std::size_t end_packet)
{
  using Direction = FaultProxy::Direction;
  using Action = FaultProxy::Action;
  return {
    {"CommitResetBeforeSent", true, fault (Direction::ToServer, Action::Reset, 0, end_packet), false, commit, "1", 5,
     false},
    {"CommitAnswerLost", true, fault (Direction::ToClient, Action::Reset, 0, end_packet), false, commit, "2", 5,
     false},
    {"CommitAnswerStallsThenResets", true, fault (Direction::ToClient, Action::Stall, 0, end_packet, 1000), false,
     commit, "2", 5, false},
    {"RollbackResetBeforeSent", true, fault (Direction::ToServer, Action::Reset, 0, end_packet), false, rollback, "1",
     5, false},
  };
}

const std::vector<FaultCase> &
network_fault_cases ()
{
  static const std::vector<FaultCase> kCases = [] {
    std::vector<FaultCase> cases = connect_fault_cases ();
    for (auto &more : {mid_result_cases (), transaction_end_cases (network_engine ().end_packet)})
      cases.insert (cases.end (), more.begin (), more.end ());
    return cases;
  }();
  return kCases;
}

namespace {

class NetworkFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P (NetworkFaults, EndInANumberedErrorAndLoseNothing)
{
  const FaultCase &c = GetParam ();
  const NetworkEngine &engine = network_engine ();
  std::string table = unique_name ("net");
  engine.observe ("CREATE TABLE " + table + " " + engine.table_columns);
  engine.observe ("INSERT INTO " + table + " VALUES (1, 'a')");

  FaultProxy proxy (engine.server_port ());
  auto profile = profile_through (proxy);
  Owned<GObject> provider = engine.make ();
  auto *p = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());

  FaultOutcome outcome;
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
        FaultOutcome after = commit (p, table);
        EXPECT_FALSE (after.answered);
        EXPECT_TRUE (engine.lost (after.code)) << after.code << " " << after.message;
      }
    }
  }
  double seconds = static_cast<double> (g_get_monotonic_time () - started) / G_USEC_PER_SEC;
  std::cout << "fault " << c.name << ": " << outcome.code << " after " << seconds << " s: " << outcome.message
            << std::endl;
  EXPECT_TRUE (proxy.struck ());
  EXPECT_FALSE (outcome.answered) << outcome.message;
  EXPECT_EQ (outcome.domain, engine.domain);
  EXPECT_TRUE (engine.lost (outcome.code)) << outcome.code << " " << outcome.message;
  EXPECT_LT (seconds, c.seconds);
  if (c.operation == commit && std::string (c.rows) == "2") {
    EXPECT_NE (outcome.message.find ("may or may not have been committed"), std::string::npos) << outcome.message;
  }
  if (c.rows != nullptr) {
    EXPECT_EQ (count_rows (table), std::atoi (c.rows));
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
  auto answer = own (torvanix_providers_contracts_iprovider_execute_scalar (p, engine.session_check, 0, &error));
  ASSERT_NE (answer, nullptr) << error->message;
  EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (answer.get ())), engine.session_expected);
  engine.observe ("DROP TABLE " + table);
}

INSTANTIATE_TEST_SUITE_P (Proxy, NetworkFaults, ::testing::ValuesIn (network_fault_cases ()),
                          [] (const ::testing::TestParamInfo<FaultCase> &info) { return std::string (info.param.name); });

}  // namespace
}  // namespace providers::testing
