/* Opening a PostgreSQL provider from a profile: the parameters, the
 * options text, TLS, the session's settings; and closing it. */
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "pg-test-calls.h"
#include "pg-test-server.h"

using namespace providers::testing;

namespace {

constexpr int kProvider = TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_PROVIDER;
constexpr int kClient = TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_CLIENT;

using Profile = TorvanixProvidersContractsServer;

TEST (PostgreSQLConnection, OpensClosesAndOpensAgain)
{
  auto provider = own (torvanix_providers_supports_postgre_sql_provider_new ());
  EXPECT_FALSE (torvanix_providers_contracts_iprovider_get_is_opened (as_provider (provider)));
  auto profile = make_pg_profile (test_pg_server ());
  for (int round = 0; round < 2; ++round) {
    Outcome opened = open_with (provider, profile.get ());
    ASSERT_FALSE (opened.failed) << opened.message;
    gboolean is_opened = FALSE;
    g_object_get (provider.get (), "is-opened", &is_opened, nullptr);
    EXPECT_TRUE (is_opened);
    EXPECT_EQ (affect (provider, "SELECT 1").answer, 1);
    torvanix_providers_contracts_iprovider_close (as_provider (provider), nullptr);
    EXPECT_FALSE (torvanix_providers_contracts_iprovider_get_is_opened (as_provider (provider)));
    Outcome closed = affect (provider, "SELECT 1");
    EXPECT_EQ (closed.code, kProvider);
    EXPECT_EQ (closed.message, "Connection is not open.");
  }
}

struct Refused {
  const char *name;
  std::function<void (Profile *)> change;
  int code;
  const char *message_part;
};

void PrintTo (const Refused &c, std::ostream *out) { *out << c.name; }

class PostgreSQLRefusedProfile : public ::testing::TestWithParam<Refused> {};

TEST_P (PostgreSQLRefusedProfile, FailsOpenLoudly)
{
  const Refused &c = GetParam ();
  auto profile = make_pg_profile (test_pg_server ());
  c.change (profile.get ());
  auto provider = own (torvanix_providers_supports_postgre_sql_provider_new ());
  Outcome o = open_with (provider, profile.get ());
  ASSERT_TRUE (o.failed);
  EXPECT_EQ (o.domain, TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR);
  EXPECT_EQ (o.code, c.code) << o.message;
  EXPECT_NE (o.message.find (c.message_part), std::string::npos) << o.message;
  EXPECT_FALSE (torvanix_providers_contracts_iprovider_get_is_opened (as_provider (provider)));
}

void set_options (Profile *p, const char *text) { torvanix_providers_contracts_server_set_options (p, text); }

INSTANTIATE_TEST_SUITE_P (
    Profiles, PostgreSQLRefusedProfile,
    ::testing::Values (
        Refused{"WrongPassword", [] (Profile *p) { torvanix_providers_contracts_server_set_password (p, "wrong"); },
                kClient, "password authentication failed"},
        Refused{"NoSuchDatabase",
                [] (Profile *p) { torvanix_providers_contracts_server_set_initial (p, "no_such_database"); }, kClient,
                "\"no_such_database\" does not exist"},
        /* A database name is never read as a conninfo text of its own. */
        Refused{"DatabaseNameWithKeywords",
                [] (Profile *p) { torvanix_providers_contracts_server_set_initial (p, "dbname=postgres user=postgres"); },
                kClient, "\"dbname=postgres user=postgres\" does not exist"},
        Refused{"PasswordWithBlanksAndQuotes",
                [] (Profile *p) { torvanix_providers_contracts_server_set_password (p, "' x=y \\"); }, kClient,
                "password authentication failed"},
        Refused{"PortAbove", [] (Profile *p) { torvanix_providers_contracts_server_set_port (p, 65536); }, kProvider,
                "The port 65536 is outside the range 0 to 65535."},
        Refused{"PortBelow", [] (Profile *p) { torvanix_providers_contracts_server_set_port (p, -1); }, kProvider,
                "The port -1 is outside the range 0 to 65535."},
        /* Nothing listens on the default port here: 0 must have meant it. */
        Refused{"PortZeroIsTheDefault", [] (Profile *p) { torvanix_providers_contracts_server_set_port (p, 0); },
                kClient, "port 5432 failed"},
        Refused{"UnknownOption", [] (Profile *p) { set_options (p, "application_name=a; sslmode=disable"); },
                kProvider, "unknown key \"sslmode\"; the known keys are application_name, connect_timeout"},
        Refused{"OptionWithoutValue", [] (Profile *p) { set_options (p, "application_name"); }, kProvider,
                "\"=\" expected after the key \"application_name\" at byte 16"},
        Refused{"OptionTwice", [] (Profile *p) { set_options (p, "connect_timeout=3;CONNECT_TIMEOUT=4"); }, kProvider,
                "the key \"connect_timeout\" is given twice"},
        Refused{"QuoteNotClosed", [] (Profile *p) { set_options (p, "application_name=\"open"); }, kProvider,
                "the quoted value of \"application_name\" is not closed at byte 17"},
        Refused{"TextAfterQuote", [] (Profile *p) { set_options (p, "application_name=\"a\" b"); }, kProvider,
                "\";\" expected after the value of \"application_name\" at byte 21"},
        Refused{"BadEscape", [] (Profile *p) { set_options (p, "application_name=\"a\\n\""); }, kProvider,
                "only \\\" and \\\\ may follow a backslash"},
        Refused{"KeyExpected", [] (Profile *p) { set_options (p, "=1"); }, kProvider, "a key expected at byte 0"},
        Refused{"BadTimeout", [] (Profile *p) { set_options (p, "connect_timeout=soon"); }, kClient,
                "connect_timeout"},
        Refused{"OtherCa",
                [] (Profile *p) {
                  torvanix_providers_contracts_server_set_ssl_using (p, TRUE);
                  torvanix_providers_contracts_server_set_ssl_ca_file (p, test_pg_server ().ssl_other_ca.c_str ());
                },
                kClient, "certificate verify failed"},
        /* Verified means the name too: the certificate names 127.0.0.1
         * and localhost only. */
        Refused{"HostNameNotInCertificate",
                [] (Profile *p) {
                  torvanix_providers_contracts_server_set_host (p, "127.0.0.2");
                  torvanix_providers_contracts_server_set_ssl_using (p, TRUE);
                  torvanix_providers_contracts_server_set_ssl_ca_file (p, test_pg_server ().ssl_ca.c_str ());
                },
                kClient, "failed"}),
    [] (const ::testing::TestParamInfo<Refused> &info) { return std::string (info.param.name); });

/* The options text as the server sees the session: its application name. */
struct Named {
  const char *name;
  std::string options;
  std::string application_name;
};

void PrintTo (const Named &c, std::ostream *out) { *out << c.options; }

class PostgreSQLOptionsText : public ::testing::TestWithParam<Named> {};

TEST_P (PostgreSQLOptionsText, ReachesTheServer)
{
  const Named &c = GetParam ();
  auto provider = open_pg_provider (c.options);
  PgObserver observer;
  EXPECT_EQ (observer.cell ("SELECT count(*) FROM pg_stat_activity WHERE application_name = '"
                            + c.application_name + "' AND usename = current_user"),
             "1");
}

INSTANTIATE_TEST_SUITE_P (
    Grammar, PostgreSQLOptionsText,
    ::testing::Values (Named{"Bare", "application_name=pg-options-bare", "pg-options-bare"},
                       Named{"Blanks", "  APPLICATION_NAME =  pg options blanks  ; ", "pg options blanks"},
                       Named{"QuotedSemicolon", "connect_timeout=5; application_name=\"pg; quoted\"", "pg; quoted"},
                       Named{"Escapes", "application_name=\"pg \\\"q\\\" \\\\\";", "pg \"q\" \\"},
                       Named{"Empty pairs", ";;application_name=pg-options-empty;;", "pg-options-empty"}),
    [] (const ::testing::TestParamInfo<Named> &info) {
      std::string name = info.param.name;
      std::erase (name, ' ');
      return name;
    });

/* What the server's TLS session says of the provider's connection. */
std::string ssl_of (const std::string &application_name)
{
  PgObserver observer;
  return observer.cell ("SELECT s.ssl FROM pg_stat_ssl s JOIN pg_stat_activity a USING (pid) WHERE a.application_name = '"
                        + application_name + "'");
}

TEST (PostgreSQLConnection, TlsAsTheProfileSays)
{
  struct Case {
    bool ssl_using;
    std::string ca;
    std::string encrypted;
  };
  const TestServer &server = test_pg_server ();
  for (const Case &c : {Case{false, "", "f"}, Case{true, "", "t"}, Case{true, server.ssl_ca, "t"}}) {
    std::string name = unique_name ("pg-tls");
    auto profile = make_pg_profile (server, "application_name=" + name);
    torvanix_providers_contracts_server_set_ssl_using (profile.get (), c.ssl_using);
    torvanix_providers_contracts_server_set_ssl_ca_file (profile.get (), c.ca.c_str ());
    torvanix_providers_contracts_server_set_ssl_cert_file (profile.get (), server.ssl_cert.c_str ());
    torvanix_providers_contracts_server_set_ssl_key_file (profile.get (), server.ssl_key.c_str ());
    auto provider = own (torvanix_providers_supports_postgre_sql_provider_new ());
    Outcome o = open_with (provider, profile.get ());
    ASSERT_FALSE (o.failed) << o.message;
    EXPECT_EQ (ssl_of (name), c.encrypted) << "ssl-using " << c.ssl_using << ", CA " << c.ca;
  }
}

/* A role whose own defaults spell every cell another way: the session
 * still spells them the provider's way. */
TEST (PostgreSQLConnection, SessionSettingsBeatTheServersDefaults)
{
  const TestServer &server = test_pg_server ();
  PgObserver observer;
  std::string role = unique_name ("odd_role");
  ASSERT_EQ (observer.cell ("CREATE ROLE " + role + " LOGIN PASSWORD 'odd'"), "");
  for (const char *setting : {"DateStyle = 'German, DMY'", "IntervalStyle = sql_standard", "extra_float_digits = 0",
                              "bytea_output = escape", "client_encoding = LATIN1"})
    ASSERT_EQ (observer.cell ("ALTER ROLE " + role + " SET " + setting), "") << setting;
  auto profile = make_pg_profile (server);
  torvanix_providers_contracts_server_set_username (profile.get (), role.c_str ());
  torvanix_providers_contracts_server_set_password (profile.get (), "odd");
  auto provider = own (torvanix_providers_supports_postgre_sql_provider_new ());
  ASSERT_FALSE (open_with (provider, profile.get ()).failed);
  struct Expected {
    const char *setting;
    const char *value;
  };
  for (const Expected &e : {Expected{"DateStyle", "ISO,"}, Expected{"IntervalStyle", "postgres"},
                            Expected{"extra_float_digits", "1"}, Expected{"bytea_output", "hex"},
                            Expected{"client_encoding", "UTF8"}}) {
    /* The check runs on the server: it fails the statement when the
     * setting differs. */
    std::string check = std::string ("DO $$ BEGIN IF NOT starts_with (current_setting ('") + e.setting + "'), '"
                        + e.value + "') THEN RAISE EXCEPTION '%', current_setting ('" + e.setting + "'); END IF; END $$";
    Outcome o = affect (provider, check);
    EXPECT_FALSE (o.failed) << e.setting << " is " << o.message;
  }
  torvanix_providers_contracts_iprovider_close (as_provider (provider), nullptr);
  observer.cell ("DROP ROLE " + role);
}

}  // namespace
