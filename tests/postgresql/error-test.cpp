/* Errors of the "PostgreSQL" domain, the counts execute_affect answers for
 * texts of one and several statements, COPY refused, notices logged. */
#include <gtest/gtest.h>

#include <string>

#include "pg-test-calls.h"
#include "pg-test-server.h"
#include "support/log-capture.h"

using namespace providers::testing;

namespace {

constexpr int kProvider = TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_PROVIDER;

TEST (PostgreSQLErrorCode, SqlStatePackedBase36)
{
  struct Case {
    const char *sqlstate;
    gint code;
  };
  for (const Case &c : {Case{"00000", 0}, Case{"00001", 1}, Case{"0000Z", 35}, Case{"00010", 36},
                        Case{"23505", 3505685}, Case{"42P01", 6844177}, Case{"ZZZZZ", 60466175}}) {
    EXPECT_EQ (sqlstate_code (c.sqlstate), c.code) << c.sqlstate;
    EXPECT_EQ (take_string (torvanix_providers_supports_postgre_sql_error_sqlstate (c.code)), c.sqlstate);
  }
  for (const char *bad : {"", "2350", "235050", "2350a", "23 05", "2350-"})
    EXPECT_EQ (sqlstate_code (bad), -1) << '"' << bad << '"';
  for (gint code : {-1, -2, -3, 60466176, G_MAXINT})
    EXPECT_EQ (take_string (torvanix_providers_supports_postgre_sql_error_sqlstate (code)), "<null>") << code;
}

class PostgreSQLStatements : public ::testing::Test {
 protected:
  void SetUp () override
  {
    ASSERT_EQ (observer_.cell ("CREATE TABLE " + table_ + " (id int PRIMARY KEY, note text)"), "");
  }
  void TearDown () override { observer_.cell ("DROP TABLE IF EXISTS " + table_); }

  std::string count () { return observer_.cell ("SELECT count(*) FROM " + table_); }

  Owned<TorvanixProvidersSupportsPostgreSQLProvider> provider_ = open_pg_provider ();
  PgObserver observer_;
  std::string table_ = unique_name ("pg_statements");
};

TEST_F (PostgreSQLStatements, ServerErrorsKeepTheirSqlState)
{
  struct Case {
    std::string text;
    const char *sqlstate;
    std::string message;
  };
  for (const Case &c : {
           Case{"SELECT * FROM no_such_table", "42P01", "relation \"no_such_table\" does not exist"},
           Case{"SELECT 1/0", "22012", "division by zero"},
           Case{"SELEC 1", "42601", "syntax error at or near \"SELEC\""},
           Case{"INSERT INTO " + table_ + " VALUES (1), (1)", "23505",
                "duplicate key value violates unique constraint \"" + table_ + "_pkey\""},
           /* A later statement's failure is the call's. */
           Case{"SELECT 1; SELECT * FROM no_such_table", "42P01", "relation \"no_such_table\" does not exist"},
       }) {
    Outcome o = affect (provider_, c.text);
    EXPECT_EQ (o.answer, -1) << c.text;
    EXPECT_EQ (o.domain, TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR) << c.text;
    EXPECT_EQ (o.code, sqlstate_code (c.sqlstate)) << c.text;
    EXPECT_EQ (o.message, c.message) << c.text;
  }
  EXPECT_EQ (affect (provider_, "SELECT 1").answer, 1);
}

TEST_F (PostgreSQLStatements, RefusedBeforeSending)
{
  for (const char *text : {"SELECT '\xff'", "SELECT '\xc3'"}) {
    Outcome o = affect (provider_, text);
    EXPECT_EQ (o.code, kProvider);
    EXPECT_EQ (o.message, "The SQL text is not valid UTF-8 at byte offset 8.");
  }
}

TEST_F (PostgreSQLStatements, AffectAnswersTheFirstStatementsCount)
{
  struct Case {
    std::string text;
    gint64 affected;
    const char *rows_after;
  };
  const std::string t = table_;
  for (const Case &c : {
           Case{"", 0, "0"},
           Case{"INSERT INTO " + t + " VALUES (1), (2), (3)", 3, "3"},
           Case{"UPDATE " + t + " SET note = 'x' WHERE id < 3", 2, "3"},
           /* Rows that do not change are counted as matched. */
           Case{"UPDATE " + t + " SET note = 'x' WHERE id < 3", 2, "3"},
           Case{"SELECT * FROM " + t, 3, "3"},
           Case{"DELETE FROM " + t + " WHERE id = 3; INSERT INTO " + t + " VALUES (4), (5)", 1, "4"},
           Case{"CREATE INDEX ON " + t + " (note)", 0, "4"},
       }) {
    Outcome o = affect (provider_, c.text);
    EXPECT_FALSE (o.failed) << c.text << ": " << o.message;
    EXPECT_EQ (o.answer, c.affected) << c.text;
    EXPECT_EQ (count (), c.rows_after) << c.text;
  }
}

/* The server runs a text as one transaction: a failing statement undoes
 * the ones before it, and the call says so. */
TEST_F (PostgreSQLStatements, LaterFailureUndoesTheText)
{
  Outcome o = affect (provider_, "INSERT INTO " + table_ + " VALUES (1); INSERT INTO " + table_ + " VALUES (1)");
  EXPECT_EQ (o.code, sqlstate_code ("23505"));
  EXPECT_EQ (count (), "0");
}

TEST_F (PostgreSQLStatements, CopyWithTheClientIsRefusedAndEnded)
{
  struct Case {
    std::string text;
    const char *message_start;
    const char *rows_after;
  };
  const std::string t = table_;
  for (const Case &c : {
           Case{"COPY " + t + " FROM STDIN", "COPY FROM STDIN is not supported", "0"},
           Case{"INSERT INTO " + t + " VALUES (1); COPY " + t + " FROM STDIN; INSERT INTO " + t + " VALUES (2)",
                "COPY FROM STDIN is not supported", "0"},
           Case{"COPY (SELECT generate_series (1, 10000)) TO STDOUT", "COPY TO STDOUT is not supported", "0"},
           Case{"COPY " + t + " TO STDOUT; SELECT * FROM no_such_table", "COPY TO STDOUT is not supported", "0"},
       }) {
    Outcome o = affect (provider_, c.text);
    EXPECT_EQ (o.code, kProvider) << c.text;
    EXPECT_TRUE (o.message.starts_with (c.message_start)) << o.message;
    EXPECT_EQ (count (), c.rows_after) << c.text;
    /* The connection is out of copy mode. */
    Outcome next = affect (provider_, "SELECT 1");
    EXPECT_FALSE (next.failed) << next.message;
    EXPECT_EQ (next.answer, 1);
  }
}

TEST_F (PostgreSQLStatements, NoticesGoToTheDebugLog)
{
  LogCapture capture;
  Outcome o = affect (provider_,
                      "DO $$ BEGIN RAISE NOTICE 'hello %', 42; RAISE WARNING 'careful'; END $$; "
                      "DROP TABLE IF EXISTS no_such_table");
  ASSERT_FALSE (o.failed) << o.message;
  std::vector<std::string> debug;
  for (const LogRecord &r : capture.records ()) {
    EXPECT_EQ (r.level, G_LOG_LEVEL_DEBUG) << r.message;
    debug.push_back (r.message);
  }
  EXPECT_EQ (debug, (std::vector<std::string>{"PostgreSQL NOTICE: hello 42", "PostgreSQL WARNING: careful",
                                               "PostgreSQL NOTICE: table \"no_such_table\" does not exist, skipping"}));
}

}  // namespace
