/* A session ended from outside while it held state of the caller's own
 * (settings, temporary objects, prepared statements, held cursors,
 * listened channels, advisory locks, a role) is an error until the next
 * open, while one without any is made again and runs the statement once. */
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pg-test-calls.h"
#include "pg-test-server.h"

using namespace providers::testing;

namespace {

constexpr int kClient = TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_CLIENT;
constexpr char kLostState[] =
    "The connection was lost, and with it the session's state (settings, temporary tables, prepared statements, "
    "cursors, listened channels or advisory locks): open the provider again.";

struct StateCase {
  const char *what;
  std::vector<std::string> work; /* "kept" names the test's table */
};

/* A table `kept` of the test's own that outlives every session, and a
 * function made by another session, so that no text of the session under
 * test shows what it does. */
class PostgreSQLLostSessions : public ::testing::Test {
 protected:
  void SetUp () override
  {
    ASSERT_EQ (observer_.cell ("CREATE TABLE " + kept_ + " (i int)"), "");
    ASSERT_EQ (observer_.cell ("CREATE OR REPLACE FUNCTION providers_zone_east () RETURNS int LANGUAGE plpgsql AS "
                               "$$BEGIN PERFORM set_config ('TimeZone', 'Asia/Tokyo', false); RETURN 1; END$$"),
               "");
  }
  void TearDown () override { observer_.cell ("DROP TABLE IF EXISTS " + kept_); }

  std::string named (std::string statement)
  {
    for (std::size_t at = statement.find ("kept"); at != std::string::npos;
         at = statement.find ("kept", at + kept_.size ()))
      statement.replace (at, 4, kept_);
    return statement;
  }
  Outcome insert (const Owned<TorvanixProvidersSupportsPostgreSQLProvider> &p, int i)
  {
    return affect (p, "INSERT INTO " + kept_ + " VALUES (" + std::to_string (i) + ")");
  }
  std::string rows () { return observer_.cell ("SELECT string_agg (i::text, ',' ORDER BY i) FROM " + kept_); }

  /* For each case, a new session that did the case's work and was then
   * ended from outside: `check` (provider). */
  template <std::size_t N, typename Check>
  void for_each_case (const StateCase (&cases)[N], Check check)
  {
    for (const StateCase &c : cases) {
      SCOPED_TRACE (c.what);
      observer_.cell ("DELETE FROM " + kept_);
      auto p = open_pg_provider ("application_name=" + session_);
      for (const std::string &statement : c.work) {
        Outcome done = affect (p, named (statement));
        ASSERT_FALSE (done.failed) << statement << ": " << done.message;
      }
      observer_.terminate (session_);
      check (p);
    }
  }

  std::string session_ = unique_name ("pg-session");
  std::string kept_ = unique_name ("pg_kept");
  PgObserver observer_;
};

/* State a command tag shows, state the server reports, and state only the
 * statement text tells of. */
const StateCase kStatefulCases[] = {
  {"SET", {"SET work_mem = '8MB'"}},
  {"SET SESSION in a transaction that committed", {"BEGIN", "SET SESSION work_mem = '8MB'", "COMMIT"}},
  {"SET in the middle of a text", {"SELECT 1; SET work_mem = '8MB'; SELECT 2"}},
  {"SET ROLE", {"SET ROLE providers"}},
  {"set_config", {"SELECT set_config ('work_mem', '8MB', false)"}},
  {"a reported setting changed by a function", {"SELECT providers_zone_east ()"}},
  {"temporary table", {"CREATE TEMP TABLE pending (i int)"}},
  {"table in pg_temp", {"CREATE TABLE pg_temp.pending (i int)"}},
  {"SELECT INTO a temporary table", {"SELECT 1 AS i INTO TEMPORARY TABLE pending"}},
  {"prepared statement", {"PREPARE q AS SELECT 1"}},
  {"cursor WITH HOLD", {"BEGIN", "DECLARE c CURSOR WITH HOLD FOR SELECT 1", "COMMIT"}},
  {"LISTEN", {"LISTEN providers_channel"}},
  {"advisory lock", {"SELECT pg_advisory_lock (42)"}},
  {"shared advisory lock tried", {"SELECT pg_try_advisory_lock_shared (43)"}},
  {"DO block", {"DO $$BEGIN PERFORM 1; END$$"}},
  {"state after DISCARD ALL", {"DISCARD ALL", "PREPARE q AS SELECT 1"}},
};

TEST_F (PostgreSQLLostSessions, AStatefulSessionLostFailsEveryStatementUntilOpen)
{
  for_each_case (kStatefulCases, [&] (const Owned<TorvanixProvidersSupportsPostgreSQLProvider> &p) {
    /* The statement that finds the session gone fails as the server ended it. */
    EXPECT_TRUE (insert (p, 1).failed);
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_commit (as_provider (p), &error);
    Outcome commit = outcome_of (0, error);
    for (const Outcome &later : {insert (p, 2), commit, insert (p, 3)}) {
      EXPECT_EQ (later.code, kClient) << later.message;
      EXPECT_EQ (later.message, kLostState);
    }
    EXPECT_FALSE (torvanix_providers_contracts_iprovider_get_is_opened (as_provider (p)));
    EXPECT_EQ (rows (), "<null>");
    /* Open again, without close: a new session that works. */
    Outcome reopened = open_with (p, make_pg_profile (test_pg_server (), "application_name=" + session_).get ());
    ASSERT_FALSE (reopened.failed) << reopened.message;
    EXPECT_FALSE (insert (p, 4).failed);
    EXPECT_EQ (rows (), "4");
  });
}

/* Nothing of the caller's outlives these: the session is made again and
 * the statement runs once. */
const StateCase kStatelessCases[] = {
  {"nothing but queries", {"SELECT 1", "SELECT 2 AS settle, 3 AS temp"}},
  {"SET LOCAL in a transaction that ended", {"BEGIN", "SET LOCAL work_mem = '8MB'", "COMMIT"}},
  {"SET TRANSACTION in a transaction that ended", {"BEGIN", "SET TRANSACTION ISOLATION LEVEL SERIALIZABLE", "COMMIT"}},
  {"a cursor without HOLD", {"BEGIN", "DECLARE c CURSOR FOR SELECT 1", "COMMIT"}},
  {"a transaction's advisory lock", {"SELECT pg_advisory_xact_lock (44)"}},
  {"an UPDATE's SET", {"UPDATE kept SET i = i"}},
  {"state cleared by DISCARD ALL", {"SET work_mem = '8MB'", "PREPARE q AS SELECT 1", "DISCARD ALL"}},
};

TEST_F (PostgreSQLLostSessions, ASessionWithoutStateIsMadeAgainAndRunsTheStatementOnce)
{
  for_each_case (kStatelessCases, [&] (const Owned<TorvanixProvidersSupportsPostgreSQLProvider> &p) {
    EXPECT_TRUE (insert (p, 1).failed);
    Outcome again = insert (p, 2);
    EXPECT_FALSE (again.failed) << again.message;
    EXPECT_EQ (rows (), "2");
    /* The new session has the provider's own settings, and they count as
     * nothing of the caller's: it is made again after a loss too. */
    EXPECT_EQ (observer_.cell ("SELECT count (*) FROM pg_stat_activity WHERE application_name = '" + session_ + "'"),
               "1");
    observer_.terminate (session_);
    EXPECT_TRUE (insert (p, 3).failed);
    EXPECT_FALSE (insert (p, 4).failed);
    EXPECT_EQ (rows (), "2,4");
  });
}

}  // namespace
