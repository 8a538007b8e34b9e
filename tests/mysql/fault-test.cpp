/* Faults from outside the provider, against the private server: each gives
 * a "MySQL" error with the server's or the client's number, never a crash,
 * a hang or a success for lost work, and the provider works again after a
 * new open. Also the memory of many open/query/close cycles. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "../memory/memory-meter.h"
#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "test-server.h"

using providers::testing::LogCapture;
using providers::testing::make_profile;
using providers::testing::Observer;
using providers::testing::own;
using providers::testing::Owned;
using providers::testing::test_server;
using providers::testing::unique_name;

namespace {

using Provider = Owned<TorvanixProvidersSupportsMySQLProvider>;

TorvanixProvidersContractsIProvider *
iface (const Provider &p)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (p.get ());
}

GError *
open (const Provider &p, TorvanixProvidersContractsServer *profile)
{
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (iface (p), profile, "", &error);
  return error;
}

std::string
scalar_text (const Provider &p, const std::string &statement, GError **error)
{
  auto *value = torvanix_providers_contracts_iprovider_execute_scalar (iface (p), statement.c_str (), 0, error);
  if (value == nullptr) return "<null>";
  gchar *text = torvanix_providers_contracts_ivalue_to_string (value);
  std::string result = text ? text : "<null>";
  g_free (text);
  g_object_unref (value);
  return result;
}

/* A MySQL error with a number; the number is handed back. */
int
mysql_error_number (GError *error)
{
  EXPECT_NE (error, nullptr);
  if (error == nullptr) return 0;
  EXPECT_EQ (error->domain, g_quark_from_string ("MySQL")) << error->message;
  EXPECT_GT (error->code, 0) << error->message;
  int code = error->code;
  g_error_free (error);
  return code;
}

TEST (Faults, AConnectionKilledFromAnotherSessionFailsInsideATransactionAndWorksAfterOpen)
{
  std::string table = unique_name ("killed");
  Observer observer (test_server ());
  observer.cell ("CREATE TABLE " + table + " (i INT) ENGINE=InnoDB");
  auto profile = make_profile (test_server ());
  Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
  ASSERT_EQ (open (p, profile.get ()), nullptr);
  GError *error = nullptr;
  std::string id = scalar_text (p, "SELECT CONNECTION_ID()", &error);
  ASSERT_EQ (error, nullptr);
  ASSERT_TRUE (torvanix_providers_contracts_iprovider_transaction (iface (p), &error));
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (
                 iface (p), ("INSERT INTO " + table + " VALUES (1)").c_str (), 0, &error),
             1);
  observer.cell ("KILL " + id);
  {
    LogCapture log;
    torvanix_providers_contracts_iprovider_commit (iface (p), &error);
    /* The insert died with the connection: the commit must not succeed. */
    int code = mysql_error_number (error);
    EXPECT_TRUE (code == 2006 || code == 2013 || code == 1927) << code;
    error = nullptr;
  }
  EXPECT_EQ (observer.cell ("SELECT COUNT(*) FROM " + table), "0");

  torvanix_providers_contracts_iprovider_close (iface (p), nullptr);
  ASSERT_EQ (open (p, profile.get ()), nullptr);
  EXPECT_EQ (scalar_text (p, "SELECT 41 + 1", &error), "42");
  EXPECT_EQ (error, nullptr);
  observer.cell ("DROP TABLE " + table);
}

TEST (Faults, AStatementBeyondTheLargestPacketIsRefusedAndTheProviderRecovers)
{
  auto profile = make_profile (test_server ());
  Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
  ASSERT_EQ (open (p, profile.get ()), nullptr);
  GError *error = nullptr;
  long long packet = std::stoll (scalar_text (p, "SELECT @@max_allowed_packet", &error));
  ASSERT_EQ (error, nullptr);
  std::string statement = "SELECT '" + std::string (static_cast<size_t> (packet) + 1024, 'x') + "'";
  {
    LogCapture log;
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (iface (p), statement.c_str (), 0, &error), -1);
    int code = mysql_error_number (error);
    EXPECT_TRUE (code == 1153 || code == 2006 || code == 2013 || code == 2020) << code;
    error = nullptr;
  }
  torvanix_providers_contracts_iprovider_close (iface (p), nullptr);
  ASSERT_EQ (open (p, profile.get ()), nullptr);
  EXPECT_EQ (scalar_text (p, "SELECT 'again'", &error), "again");
  EXPECT_EQ (error, nullptr);
}

TEST (Faults, WrongCredentialsGiveTheServersAccessError)
{
  auto profile = make_profile (test_server ());
  torvanix_providers_contracts_server_set_password (profile.get (), "not-the-password");
  Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
  LogCapture log;
  EXPECT_EQ (mysql_error_number (open (p, profile.get ())), 1045);
  EXPECT_FALSE (torvanix_providers_contracts_iprovider_get_is_opened (iface (p)));
  auto good = make_profile (test_server ());
  EXPECT_EQ (open (p, good.get ()), nullptr);
  EXPECT_TRUE (torvanix_providers_contracts_iprovider_get_is_opened (iface (p)));
}

TEST (Faults, AServerStoppedDuringALongQueryEndsItWithAnErrorNotAHang)
{
  providers::testing::ScratchServer scratch ("long-query", true);
  Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
  ASSERT_EQ (open (p, make_profile (scratch.server ()).get ()), nullptr);
  std::thread stopper ([&] {
    g_usleep (G_USEC_PER_SEC);
    scratch.stop ();
  });
  gint64 started = g_get_monotonic_time ();
  GError *error = nullptr;
  {
    LogCapture log;
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (iface (p), "DO SLEEP(60)", 0, &error), -1);
  }
  stopper.join ();
  EXPECT_LT (g_get_monotonic_time () - started, 30 * G_USEC_PER_SEC);
  EXPECT_GE (mysql_error_number (error), 2000);
  EXPECT_FALSE (torvanix_providers_contracts_iprovider_get_is_opened (iface (p)));

  /* The same provider serves another server after a new open. */
  torvanix_providers_contracts_iprovider_close (iface (p), nullptr);
  ASSERT_EQ (open (p, make_profile (test_server ()).get ()), nullptr);
  error = nullptr;
  EXPECT_EQ (scalar_text (p, "SELECT 'back'", &error), "back");
  EXPECT_EQ (error, nullptr);
}

/* Work that lived only in the server's session, and the step after a
 * restart that would carry it into the table `kept`: that step must fail
 * with a number, not report the lost work done, and a new open works. */
TEST (Faults, AServerRestartedBetweenStatementsFailsTheStepThatNeedsTheLostWork)
{
  providers::testing::ScratchServer scratch ("restarted", false);
  auto profile = make_profile (scratch.server ());
  struct Case {
    const char *what;
    bool transaction; /* begun with the provider's transaction () */
    std::vector<std::string> work;
    const char *next; /* nullptr: the provider's commit () */
    std::vector<int> codes;
  };
  const Case cases[] = {
    /* Outside a transaction the client may reconnect before sending; the
     * new session then has no such table. */
    {"temporary table", false,
     {"CREATE TEMPORARY TABLE pending (i INT)", "INSERT INTO pending VALUES (1)"},
     "INSERT INTO kept SELECT i FROM pending", {2006, 2013, 1146}},
    /* Inside one it must not: the server's open transaction is gone. */
    {"transaction", true, {"INSERT INTO kept VALUES (1)"}, nullptr, {2006, 2013}},
    {"transaction in SQL", false, {"START TRANSACTION", "INSERT INTO kept VALUES (1)"}, "COMMIT", {2006, 2013}},
  };
  Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
  ASSERT_EQ (open (p, profile.get ()), nullptr);
  GError *error = nullptr;
  ASSERT_EQ (torvanix_providers_contracts_iprovider_execute_affect (iface (p), "CREATE TABLE kept (i INT) ENGINE=InnoDB",
                                                                    0, &error),
             0);
  for (const Case &c : cases) {
    SCOPED_TRACE (c.what);
    if (c.transaction) {
      ASSERT_TRUE (torvanix_providers_contracts_iprovider_transaction (iface (p), &error));
    }
    for (const std::string &statement : c.work) {
      torvanix_providers_contracts_iprovider_execute_affect (iface (p), statement.c_str (), 0, &error);
      ASSERT_EQ (error, nullptr) << statement << ": " << error->message;
    }
    scratch.restart ();
    gint64 started = g_get_monotonic_time ();
    {
      LogCapture log;
      if (c.next != nullptr) {
        EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (iface (p), c.next, 0, &error), -1);
      } else {
        torvanix_providers_contracts_iprovider_commit (iface (p), &error);
      }
    }
    EXPECT_LT (g_get_monotonic_time () - started, 30 * G_USEC_PER_SEC);
    int code = mysql_error_number (error);
    EXPECT_NE (std::find (c.codes.begin (), c.codes.end (), code), c.codes.end ()) << code;
    error = nullptr;

    torvanix_providers_contracts_iprovider_close (iface (p), nullptr);
    ASSERT_EQ (open (p, profile.get ()), nullptr);
    EXPECT_EQ (scalar_text (p, "SELECT COUNT(*) FROM kept", &error), "0");
    EXPECT_EQ (error, nullptr);
  }
}

/* Open, query, close: the test run does a few hundred cycles, scripts/memory
 * ten thousand. */
TEST (Faults, OpenQueryCloseCyclesLeaveTheHeapAsItWas)
{
  auto profile = make_profile (test_server ());
  auto figures = providers::testing::measure (providers::testing::cycles_to_run (2000) / 10, [&] (long i) {
    Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
    GError *error = open (p, profile.get ());
    ASSERT_EQ (error, nullptr);
    auto *table = torvanix_providers_contracts_iprovider_execute_model (
        iface (p), i % 2 ? "SELECT 1 AS a, 'x' AS b, NOW() AS c" : "SELECT NULL, 2.5, CAST('2024-03-05' AS DATE)", 0,
        &error);
    ASSERT_NE (table, nullptr);
    g_object_unref (table);
    torvanix_providers_contracts_iprovider_close (iface (p), &error);
    ASSERT_EQ (error, nullptr);
  });
  EXPECT_LT (figures.heap_growth, 64 * 1024);
}

}  // namespace
