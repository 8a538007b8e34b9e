/* The provider's connection: open, close, TLS, transactions and
 * execute_affect, against the private server. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <string>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "test-server.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::make_profile;
using providers::testing::Observer;
using providers::testing::own;
using providers::testing::Owned;
using providers::testing::test_server;
using providers::testing::unique_name;

namespace {

using Provider = Owned<TorvanixProvidersSupportsMySQLProvider>;
using Profile = Owned<TorvanixProvidersContractsServer>;

TorvanixProvidersContractsIProvider *iface (const Provider &p)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (p.get ());
}

GQuark mysql_domain () { return g_quark_from_string ("MySQL"); }

/* Opens `profile`; the error, if any, is handed back. */
GError *open (const Provider &p, TorvanixProvidersContractsServer *profile)
{
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (iface (p), profile, "", &error);
  return error;
}

Provider opened (TorvanixProvidersContractsServer *profile)
{
  Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
  GError *error = open (p, profile);
  EXPECT_EQ (error, nullptr) << (error ? error->message : "");
  g_clear_error (&error);
  return p;
}

gint64 affect (const Provider &p, const std::string &statement)
{
  GError *error = nullptr;
  gint64 n = torvanix_providers_contracts_iprovider_execute_affect (iface (p), statement.c_str (), 0, &error);
  EXPECT_EQ (error, nullptr) << statement << ": " << (error ? error->message : "");
  g_clear_error (&error);
  return n;
}

/* Expects the error to be of the "MySQL" domain with `code`. */
void expect_error (GError *error, int code)
{
  ASSERT_NE (error, nullptr);
  EXPECT_EQ (error->domain, mysql_domain ());
  EXPECT_EQ (error->code, code) << error->message;
  g_error_free (error);
}

bool is_opened (const Provider &p)
{
  gboolean by_property = FALSE;
  g_object_get (p.get (), "is-opened", &by_property, nullptr);
  EXPECT_EQ (!!by_property, !!torvanix_providers_contracts_iprovider_get_is_opened (iface (p)));
  return by_property;
}

TEST (Connection, OpensClosesAndReportsTheLiveState)
{
  Profile profile = make_profile (test_server ());
  Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
  EXPECT_FALSE (is_opened (p));
  {
    LogCapture log;
    torvanix_providers_contracts_iprovider_close (iface (p), nullptr);
    ASSERT_EQ (log.records ().size (), 1u);
    EXPECT_EQ (log.records ()[0].level, G_LOG_LEVEL_DEBUG);
    EXPECT_EQ (log.records ()[0].message, "provider:67: Connection closed.");
  }
  ASSERT_EQ (open (p, profile.get ()), nullptr);
  EXPECT_TRUE (is_opened (p));
  /* Opening again starts from a fresh handle. */
  ASSERT_EQ (open (p, profile.get ()), nullptr);
  EXPECT_TRUE (is_opened (p));
  {
    LogCapture log;
    torvanix_providers_contracts_iprovider_close (iface (p), nullptr);
  }
  EXPECT_FALSE (is_opened (p));
}

TEST (Connection, EmptyOrNullInitialConnectsWithoutADatabase)
{
  Profile profile = make_profile (test_server ());
  for (const char *initial : {"", static_cast<const char *> (nullptr)}) {
    torvanix_providers_contracts_server_set_initial (profile.get (), initial);
    Provider p = opened (profile.get ());
    EXPECT_TRUE (is_opened (p));
    /* Without a database a table name must be qualified. */
    GError *error = nullptr;
    LogCapture log;
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (iface (p), "CREATE TEMPORARY TABLE t (i INT)",
                                                                      0, &error),
               -1);
    expect_error (error, 1046); /* no database selected */
  }
}

TEST (Connection, FailuresToConnectCarryTheClientErrorAndLogTheOptions)
{
  struct Case {
    const char *what;
    void (*change) (TorvanixProvidersContractsServer *);
    int code;
  } cases[] = {
    {"closed port", [] (TorvanixProvidersContractsServer *s) { torvanix_providers_contracts_server_set_port (s, 1); }, 2002},
    {"wrong password",
     [] (TorvanixProvidersContractsServer *s) { torvanix_providers_contracts_server_set_password (s, "wrong"); }, 1045},
    {"database of another account",
     [] (TorvanixProvidersContractsServer *s) { torvanix_providers_contracts_server_set_initial (s, "mysql"); }, 1044},
    {"unknown database",
     [] (TorvanixProvidersContractsServer *s) { torvanix_providers_contracts_server_set_initial (s, "no_such_db"); },
     1044},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (c.what);
    Profile profile = make_profile (test_server ());
    c.change (profile.get ());
    Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
    LogCapture log;
    GError *error = open (p, profile.get ());
    ASSERT_NE (error, nullptr);
    /* A refused TCP connect is 2002 over a socket name, 2003 over TCP. */
    if (c.code == 2002)
      EXPECT_TRUE (error->code == 2002 || error->code == 2003) << error->code;
    else
      EXPECT_EQ (error->code, c.code) << error->message;
    EXPECT_EQ (error->domain, mysql_domain ());
    g_error_free (error);
    ASSERT_EQ (log.warnings ().size (), 1u);
    EXPECT_TRUE (g_str_has_prefix (log.warnings ()[0].c_str (), "error:76: Connection options:\nDefault options file:"));
    EXPECT_NE (log.warnings ()[0].find ("Charset name: utf8mb4\n"), std::string::npos);
    EXPECT_NE (log.warnings ()[0].find ("Max packet size: 4294967295\n"), std::string::npos);
    EXPECT_NE (log.warnings ()[0].find ("Net buffer size: 1048576\n"), std::string::npos);
    EXPECT_NE (log.warnings ()[0].find ("Connect timeout: 10\nRead timeout: 3600\nWrite timeout: 3600\n"),
               std::string::npos);
    /* Reconnection is only switched on once connected. */
    EXPECT_NE (log.warnings ()[0].find ("Auto reconnect: 0\n"), std::string::npos);
    EXPECT_FALSE (is_opened (p));
  }
}

TEST (Connection, OperationsWithoutAConnectionFailInsteadOfCrashing)
{
  Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
  GError *error = nullptr;
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (iface (p), "SELECT 1", 0, &error), -1);
  expect_error (error, -1);
  error = nullptr;
  EXPECT_FALSE (torvanix_providers_contracts_iprovider_transaction (iface (p), &error));
  expect_error (error, -1);
  error = nullptr;
  torvanix_providers_contracts_iprovider_commit (iface (p), &error);
  expect_error (error, -1);
}

TEST (Connection, NullArgumentsAreRefused)
{
  Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
  Profile profile = make_profile (test_server ());
  LogCapture log;
  torvanix_providers_contracts_iprovider_open (iface (p), nullptr, "", nullptr);
  torvanix_providers_contracts_iprovider_open (iface (p), profile.get (), nullptr, nullptr);
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (iface (p), nullptr, 0, nullptr), 0);
  EXPECT_EQ (torvanix_providers_supports_my_sql_provider_construct (G_TYPE_OBJECT), nullptr);
  std::vector<std::string> expected = {
    assertion_text ("torvanix_providers_supports_my_sql_provider_real_open", "server != NULL"),
    assertion_text ("torvanix_providers_supports_my_sql_provider_real_open", "connection_string != NULL"),
    assertion_text ("torvanix_providers_supports_my_sql_provider_real_execute_affect", "statement != NULL"),
    assertion_text ("torvanix_providers_supports_my_sql_provider_construct",
                    "g_type_is_a (object_type, TORVANIX_PROVIDERS_SUPPORTS_TYPE_MY_SQL_PROVIDER)"),
  };
  EXPECT_EQ (log.criticals (), expected);
  EXPECT_FALSE (is_opened (p));
}

TEST (ExecuteAffect, CountsFoundRowsAndKeepsTheConnectionUsable)
{
  Provider p = opened (make_profile (test_server ()).get ());
  EXPECT_EQ (affect (p, "CREATE TEMPORARY TABLE t (i INT PRIMARY KEY, s VARCHAR(10))"), 0);
  EXPECT_EQ (affect (p, "INSERT INTO t VALUES (1, 'a'), (2, 'b'), (3, 'c')"), 3);
  /* Rows matched but not changed count: the connection asks for found rows. */
  EXPECT_EQ (affect (p, "UPDATE t SET s = s"), 3);
  /* A statement that returns rows: its result is discarded and the count
   * is the client's, the number of rows. */
  EXPECT_EQ (affect (p, "SELECT * FROM t"), 3);
  EXPECT_EQ (affect (p, "SELECT * FROM t WHERE i > 5"), 0);
  EXPECT_EQ (affect (p, "DELETE FROM t WHERE i = 3"), 1);
  /* A batch: the first count is answered, the rest discarded before the
   * next statement. */
  EXPECT_EQ (affect (p, "INSERT INTO t VALUES (7, 'x'); SELECT 1; INSERT INTO t VALUES (8, 'y'), (9, 'z')"), 1);
  EXPECT_EQ (affect (p, "UPDATE t SET s = 'q' WHERE i >= 7"), 3);
}

TEST (ExecuteAffect, AFailingStatementReportsTheServerError)
{
  Provider p = opened (make_profile (test_server ()).get ());
  LogCapture log;
  GError *error = nullptr;
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (iface (p), "SELEC 1", 0, &error), -1);
  expect_error (error, 1064);
  EXPECT_EQ (log.warnings ().size (), 1u);
  /* The failure of a later statement in a batch is the failure of the
   * call that sent it, not of the next, unrelated one. */
  error = nullptr;
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (iface (p), "DO 1; SELEC 2", 0, &error), -1);
  expect_error (error, 1064);
  EXPECT_EQ (affect (p, "DO 3"), 0);
}

class Transactions : public ::testing::Test {
 protected:
  void SetUp () override
  {
    table_ = unique_name ("txn");
    observer_.cell ("CREATE TABLE " + table_ + " (i INT) ENGINE=InnoDB");
  }
  void TearDown () override { observer_.cell ("DROP TABLE " + table_); }
  std::string count () { return observer_.cell ("SELECT COUNT(*) FROM " + table_); }

  Observer observer_{test_server ()};
  std::string table_;
};

TEST_F (Transactions, CommitAndRollbackEndTheTransactionAndRestoreAutocommit)
{
  Provider p = opened (make_profile (test_server ()).get ());
  GError *error = nullptr;
  ASSERT_TRUE (torvanix_providers_contracts_iprovider_transaction (iface (p), &error));
  affect (p, "INSERT INTO " + table_ + " VALUES (1)");
  EXPECT_EQ (count (), "0");
  torvanix_providers_contracts_iprovider_rollback (iface (p), &error);
  EXPECT_EQ (count (), "0");

  ASSERT_TRUE (torvanix_providers_contracts_iprovider_transaction (iface (p), &error));
  affect (p, "INSERT INTO " + table_ + " VALUES (2)");
  torvanix_providers_contracts_iprovider_commit (iface (p), &error);
  EXPECT_EQ (count (), "1");

  /* Back in autocommit: a later write is done when reported, and close
   * does not roll it back. */
  affect (p, "INSERT INTO " + table_ + " VALUES (3)");
  EXPECT_EQ (count (), "2");
  {
    LogCapture log;
    torvanix_providers_contracts_iprovider_close (iface (p), &error);
  }
  EXPECT_EQ (count (), "2");
  EXPECT_EQ (error, nullptr);
}

/* A text of several results inside a transaction: each call takes all of
 * its own, so the commit goes through and autocommit is back after it. */
TEST_F (Transactions, TextsOfSeveralResultsLeaveNothingPendingForTheCommit)
{
  Provider p = opened (make_profile (test_server ()).get ());
  std::string procedure = unique_name ("p");
  observer_.cell ("CREATE PROCEDURE " + procedure + " () BEGIN INSERT INTO " + table_ + " VALUES (1); SELECT * FROM "
                  + table_ + "; END");
  GError *error = nullptr;
  ASSERT_TRUE (torvanix_providers_contracts_iprovider_transaction (iface (p), &error));
  affect (p, "CALL " + procedure + " ()");
  affect (p, "INSERT INTO " + table_ + " VALUES (2); SELECT 1");
  torvanix_providers_contracts_iprovider_commit (iface (p), &error);
  EXPECT_EQ (error, nullptr) << error->message;
  EXPECT_EQ (count (), "2");
  EXPECT_EQ (affect (p, "SELECT 1 FROM DUAL WHERE @@autocommit = 1"), 1);
  affect (p, "INSERT INTO " + table_ + " VALUES (3)");
  {
    LogCapture log;
    torvanix_providers_contracts_iprovider_close (iface (p), nullptr);
  }
  EXPECT_EQ (count (), "3");
  observer_.cell ("DROP PROCEDURE " + procedure);
}

}  // namespace

namespace {

/* Whether the provider's own session is encrypted, through the one
 * operation that needs no result model. */
bool encrypted (const Provider &p)
{
  return affect (p, "SELECT 1 FROM information_schema.SESSION_STATUS "
                    "WHERE VARIABLE_NAME = 'Ssl_cipher' AND VARIABLE_VALUE <> ''") == 1;
}

struct TlsCase {
  const char *what;
  bool using_tls;
  const char *mode;
  std::string ca, cert, key, password;
  bool connects;
  bool tls;
};

void check_tls_case (const TlsCase &c)
{
  SCOPED_TRACE (c.what);
  Profile profile = make_profile (test_server ());
  torvanix_providers_contracts_server_set_ssl_using (profile.get (), c.using_tls);
  torvanix_providers_contracts_server_set_ssl_mode (profile.get (), c.mode);
  torvanix_providers_contracts_server_set_ssl_ca_file (profile.get (), c.ca.c_str ());
  torvanix_providers_contracts_server_set_ssl_cert_file (profile.get (), c.cert.c_str ());
  torvanix_providers_contracts_server_set_ssl_key_file (profile.get (), c.key.c_str ());
  torvanix_providers_contracts_server_set_ssl_password (profile.get (), c.password.c_str ());
  Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
  LogCapture log;
  GError *error = open (p, profile.get ());
  if (!c.connects) {
    ASSERT_NE (error, nullptr);
    EXPECT_EQ (error->domain, mysql_domain ());
    g_error_free (error);
    EXPECT_FALSE (is_opened (p));
    return;
  }
  ASSERT_EQ (error, nullptr) << error->message;
  EXPECT_EQ (encrypted (p), c.tls);
  EXPECT_TRUE (log.warnings ().empty ());
}

TEST (Tls, ProfileSettingsDecideEncryptionVerificationAndTheKey)
{
  const auto &s = test_server ();
  TlsCase cases[] = {
    {"no files at all", true, "require", "", "", "", "", true, true},
    {"server verified", true, "VERIFY_IDENTITY", s.ssl_ca, "", "", "", true, true},
    {"verify-ca, any case", true, "Verify-CA", s.ssl_ca, "", "", "", true, true},
    {"verification against a foreign CA", true, "verify-full", s.ssl_other_ca, "", "", "", false, false},
    /* The connector checks the chain against any CA it is given. */
    {"foreign CA without verification", true, "require", s.ssl_other_ca, "", "", "", false, false},
    {"verification without a CA", true, "verify-identity", "", "", "", "", false, false},
    {"client certificate", true, "verify-ca", s.ssl_ca, s.ssl_cert, s.ssl_key, "", true, true},
    {"encrypted key and its passphrase", true, "require", s.ssl_ca, s.ssl_cert, s.ssl_key_encrypted,
     s.ssl_key_password, true, true},
    {"encrypted key, wrong passphrase", true, "require", s.ssl_ca, s.ssl_cert, s.ssl_key_encrypted, "wrong", false,
     false},
    {"TLS off whatever the files say", false, "verify-identity", s.ssl_other_ca, s.ssl_cert, s.ssl_key, "x", true,
     false},
  };
  for (const TlsCase &c : cases)
    check_tls_case (c);
}

TEST (Tls, AServerWithoutTlsIsRefusedNotUsedInPlainText)
{
  providers::testing::ScratchServer plain ("no-tls", false);
  Profile profile = make_profile (plain.server ());
  torvanix_providers_contracts_server_set_ssl_using (profile.get (), TRUE);
  Provider p = own (torvanix_providers_supports_my_sql_provider_new ());
  {
    LogCapture log;
    GError *error = open (p, profile.get ());
    ASSERT_NE (error, nullptr);
    g_error_free (error);
    EXPECT_FALSE (is_opened (p));
  }
  torvanix_providers_contracts_server_set_ssl_using (profile.get (), FALSE);
  ASSERT_EQ (open (p, profile.get ()), nullptr);
  EXPECT_FALSE (encrypted (p));
}

TEST (LostConnection, AnOpenTransactionIsNotSilentlyReconnected)
{
  Observer observer (test_server ());
  std::string table = unique_name ("lost");
  observer.cell ("CREATE TABLE " + table + " (i INT) ENGINE=InnoDB");
  Provider p = opened (make_profile (test_server ()).get ());
  GError *error = nullptr;

  /* Outside a transaction the client reconnects by itself (the ping of
   * "is-opened" finds the connection gone). */
  {
    LogCapture log;
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (iface (p), "KILL CONNECTION_ID()", 0, &error),
               -1);
    g_clear_error (&error);
  }
  EXPECT_TRUE (is_opened (p));
  EXPECT_EQ (affect (p, "INSERT INTO " + table + " VALUES (1)"), 1);

  ASSERT_TRUE (torvanix_providers_contracts_iprovider_transaction (iface (p), &error));
  EXPECT_EQ (affect (p, "INSERT INTO " + table + " VALUES (2)"), 1);
  {
    LogCapture log;
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (iface (p), "KILL CONNECTION_ID()", 0, &error),
               -1);
    g_clear_error (&error);
    /* The transaction is gone with its connection: every later step says so. */
    EXPECT_FALSE (is_opened (p));
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (
                   iface (p), ("INSERT INTO " + table + " VALUES (3)").c_str (), 0, &error),
               -1);
    ASSERT_NE (error, nullptr);
    EXPECT_TRUE (error->code == 2006 || error->code == 2013) << error->code << error->message;
    g_clear_error (&error);
    torvanix_providers_contracts_iprovider_commit (iface (p), &error);
    ASSERT_NE (error, nullptr);
    g_clear_error (&error);
  }
  EXPECT_EQ (observer.cell ("SELECT GROUP_CONCAT(i) FROM " + table), "1");

  /* The session went with its transaction: nothing runs in a new one behind
   * the caller's back until the provider is opened again. */
  {
    LogCapture log;
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (
                   iface (p), ("INSERT INTO " + table + " VALUES (4)").c_str (), 0, &error),
               -1);
    expect_error (error, 2006);
    error = nullptr;
  }
  EXPECT_FALSE (is_opened (p));
  ASSERT_EQ (open (p, make_profile (test_server ()).get ()), nullptr);
  EXPECT_EQ (affect (p, "INSERT INTO " + table + " VALUES (5)"), 1);
  EXPECT_EQ (observer.cell ("SELECT GROUP_CONCAT(i ORDER BY i) FROM " + table), "1,5");
  observer.cell ("DROP TABLE " + table);
}

TEST (LostConnection, AServerStoppedMidSessionIsReported)
{
  providers::testing::ScratchServer scratch ("stopped", true);
  Provider p = opened (make_profile (scratch.server ()).get ());
  EXPECT_EQ (affect (p, "DO 1"), 0);
  scratch.stop ();
  LogCapture log;
  GError *error = nullptr;
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (iface (p), "DO 2", 0, &error), -1);
  ASSERT_NE (error, nullptr);
  EXPECT_EQ (error->domain, mysql_domain ());
  EXPECT_GE (error->code, 2000) << error->message;
  g_error_free (error);
  EXPECT_FALSE (is_opened (p));
  torvanix_providers_contracts_iprovider_close (iface (p), nullptr);
}

}  // namespace
