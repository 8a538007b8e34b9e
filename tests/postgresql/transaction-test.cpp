/* Transactions kept in step with the session: commit, rollback, a COMMIT
 * the server answers with ROLLBACK, and connections lost inside and
 * outside a transaction. */
#include <gtest/gtest.h>

#include <string>

#include "pg-test-calls.h"
#include "pg-test-server.h"

using namespace providers::testing;

namespace {

constexpr int kProvider = TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_PROVIDER;
constexpr int kClient = TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_CLIENT;
constexpr int kCommitUnknown = TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_COMMIT_UNKNOWN;

class PostgreSQLTransaction : public ::testing::Test {
 protected:
  void SetUp () override { ASSERT_EQ (observer_.cell ("CREATE TABLE " + table_ + " (id int PRIMARY KEY)"), ""); }
  void TearDown () override { observer_.cell ("DROP TABLE IF EXISTS " + table_); }

  Outcome begin ()
  {
    GError *error = nullptr;
    gboolean begun = torvanix_providers_contracts_iprovider_transaction (as_provider (provider_), &error);
    return outcome_of (begun, error);
  }
  Outcome commit ()
  {
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_commit (as_provider (provider_), &error);
    return outcome_of (0, error);
  }
  Outcome rollback ()
  {
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_rollback (as_provider (provider_), &error);
    return outcome_of (0, error);
  }
  Outcome insert (int id) { return affect (provider_, "INSERT INTO " + table_ + " VALUES (" + std::to_string (id) + ")"); }
  std::string count () { return observer_.cell ("SELECT count(*) FROM " + table_); }
  /* Ends the provider's session from outside, as a server restart or an
   * administrator would. */
  void kill_session () { observer_.terminate (session_); }
  void reopen ()
  {
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_open (as_provider (provider_),
                                                 make_pg_profile (test_pg_server (), "application_name=" + session_).get (),
                                                 "", &error);
    EXPECT_EQ (error, nullptr) << error->message;
    g_clear_error (&error);
  }

  std::string session_ = unique_name ("pg-transaction");
  Owned<TorvanixProvidersSupportsPostgreSQLProvider> provider_ = open_pg_provider ("application_name=" + session_);
  PgObserver observer_;
  std::string table_ = unique_name ("pg_transaction");
};

TEST_F (PostgreSQLTransaction, CommitKeepsAndRollbackDrops)
{
  int id = 0;
  for (bool keep : {true, false, true}) {
    std::string before = count ();
    Outcome begun = begin ();
    ASSERT_FALSE (begun.failed) << begun.message;
    EXPECT_EQ (begun.answer, TRUE);
    insert (++id);
    insert (++id);
    /* Nothing is seen outside before the end. */
    EXPECT_EQ (count (), before);
    Outcome ended = keep ? commit () : rollback ();
    EXPECT_FALSE (ended.failed) << ended.message;
    EXPECT_EQ (count (), std::to_string (std::stoi (before) + (keep ? 2 : 0)));
  }
}

TEST_F (PostgreSQLTransaction, CommitAnsweredWithRollbackFails)
{
  ASSERT_FALSE (begin ().failed);
  EXPECT_FALSE (insert (1).failed);
  EXPECT_EQ (insert (1).code, sqlstate_code ("23505"));
  /* The failed transaction takes nothing more, not even a new one. */
  EXPECT_EQ (insert (2).code, sqlstate_code ("25P02"));
  Outcome again = begin ();
  EXPECT_EQ (again.code, kProvider);
  EXPECT_EQ (again.message, "The open transaction has failed: roll it back first.");

  Outcome committed = commit ();
  ASSERT_TRUE (committed.failed);
  EXPECT_EQ (committed.code, sqlstate_code ("25P02"));
  EXPECT_EQ (committed.message, "The transaction had failed: the server rolled it back instead of committing it.");
  EXPECT_EQ (count (), "0");
  /* The session is out of the transaction and works on. */
  EXPECT_FALSE (insert (3).failed);
  EXPECT_EQ (count (), "1");
}

TEST_F (PostgreSQLTransaction, CommitFailedByTheServerEndsTheTransaction)
{
  ASSERT_EQ (observer_.cell ("ALTER TABLE " + table_ + " ADD CONSTRAINT " + table_
                             + "_positive CHECK (id > 0) NOT VALID"),
             "");
  ASSERT_EQ (observer_.cell ("CREATE TABLE " + table_ + "_ref (id int REFERENCES " + table_
                             + " DEFERRABLE INITIALLY DEFERRED)"),
             "");
  ASSERT_FALSE (begin ().failed);
  EXPECT_FALSE (affect (provider_, "INSERT INTO " + table_ + "_ref VALUES (7)").failed);
  Outcome committed = commit ();
  EXPECT_EQ (committed.code, sqlstate_code ("23503"));
  EXPECT_FALSE (begin ().failed);
  EXPECT_FALSE (rollback ().failed);
  observer_.cell ("DROP TABLE " + table_ + "_ref");
}

TEST_F (PostgreSQLTransaction, BeginTwiceAndCommitWithoutOne)
{
  EXPECT_FALSE (commit ().failed);
  EXPECT_FALSE (rollback ().failed);
  ASSERT_FALSE (begin ().failed);
  ASSERT_FALSE (begin ().failed);
  insert (1);
  EXPECT_FALSE (commit ().failed);
  EXPECT_EQ (count (), "1");
}

/* COMMIT went out and the session died: the outcome is unknown to the
 * client, and the error says so. */
TEST_F (PostgreSQLTransaction, SessionGoneWhileCommitting)
{
  ASSERT_FALSE (begin ().failed);
  insert (1);
  kill_session ();
  Outcome committed = commit ();
  EXPECT_EQ (committed.code, kCommitUnknown);
  EXPECT_NE (committed.message.find ("the transaction may or may not have been committed"), std::string::npos)
      << committed.message;
  EXPECT_EQ (count (), "0");
  /* Out of the transaction: the next statement gets a new session. */
  Outcome next = insert (2);
  EXPECT_FALSE (next.failed) << next.message;
  EXPECT_EQ (count (), "1");
}

/* A statement already found the session gone: the transaction is known to
 * be lost, the next call says so, and no later call runs in a new session
 * (where a statement would stand outside the transaction the caller
 * believes open) until the provider is opened again. */
TEST_F (PostgreSQLTransaction, SessionGoneInsideTransaction)
{
  enum class Next { kCommit, kRollback, kStatement };
  for (Next next : {Next::kCommit, Next::kRollback, Next::kStatement}) {
    SCOPED_TRACE (static_cast<int> (next));
    ASSERT_FALSE (begin ().failed);
    insert (10);
    kill_session ();
    EXPECT_TRUE (insert (11).failed);
    Outcome lost = next == Next::kCommit ? commit () : next == Next::kRollback ? rollback () : insert (12);
    EXPECT_EQ (lost.code, kClient);
    EXPECT_EQ (lost.message, next == Next::kStatement
                                 ? "The connection was lost inside a transaction: the server rolled the transaction back."
                                 : "The connection was lost: the server rolled the transaction back.");
    EXPECT_EQ (count (), "0");
    for (const Outcome &after : {insert (13), commit (), rollback (), begin ()}) {
      EXPECT_EQ (after.code, kClient);
      EXPECT_EQ (after.message, "The connection was lost with a transaction open: open the provider again.");
    }
    EXPECT_EQ (count (), "0");
    reopen ();
    EXPECT_FALSE (insert (14).failed);
    EXPECT_EQ (count (), "1");
    EXPECT_FALSE (affect (provider_, "DELETE FROM " + table_).failed);
  }
}

TEST_F (PostgreSQLTransaction, SessionGoneOutsideTransactionIsMadeAgain)
{
  kill_session ();
  Outcome first = insert (1);
  EXPECT_TRUE (first.failed);
  EXPECT_EQ (first.code, sqlstate_code ("57P01")) << first.message;
  Outcome second = insert (2);
  EXPECT_FALSE (second.failed) << second.message;
  EXPECT_EQ (count (), "1");
  EXPECT_TRUE (torvanix_providers_contracts_iprovider_get_is_opened (as_provider (provider_)));
}

}  // namespace
