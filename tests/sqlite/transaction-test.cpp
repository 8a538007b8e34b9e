/* Transactions in step with the engine, and two providers writing one
 * file: BEGIN IMMEDIATE makes the second writer wait for the first (up to
 * the busy timeout) instead of failing at its COMMIT. */
#include <gtest/gtest.h>

#include <thread>

#include "sqlite-test-calls.h"

namespace providers::testing {
namespace {

Outcome
begin (const SQLiteProvider &provider)
{
  GError *error = nullptr;
  gboolean begun = torvanix_providers_contracts_iprovider_transaction (as_provider (provider), &error);
  return outcome_of (begun, error);
}

Outcome
commit (const SQLiteProvider &provider)
{
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_commit (as_provider (provider), &error);
  return outcome_of (0, error);
}

Outcome
rollback (const SQLiteProvider &provider)
{
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_rollback (as_provider (provider), &error);
  return outcome_of (0, error);
}

TEST (SQLiteTransactions, BeginCommitAndRollbackFollowTheEngine)
{
  ScratchFolder folder;
  SQLiteProvider provider = opened (folder.file ("t.db"));
  ASSERT_FALSE (affect (provider, "CREATE TABLE t (a)").failed);

  EXPECT_EQ (begin (provider).answer, TRUE);
  EXPECT_EQ (begin (provider).answer, TRUE); /* inside one already: it goes on */
  ASSERT_FALSE (affect (provider, "INSERT INTO t VALUES (1)").failed);
  EXPECT_FALSE (rollback (provider).failed);
  EXPECT_EQ (scalar (provider, "SELECT count(*) FROM t"), "ValueInt64 0");

  EXPECT_EQ (begin (provider).answer, TRUE);
  ASSERT_FALSE (affect (provider, "INSERT INTO t VALUES (2)").failed);
  EXPECT_FALSE (commit (provider).failed);
  EXPECT_EQ (scalar (provider, "SELECT count(*) FROM t"), "ValueInt64 1");

  /* No transaction open: the engine says so. */
  Outcome o = commit (provider);
  EXPECT_TRUE (o.failed);
  EXPECT_EQ (o.code, SQLITE_ERROR);
  EXPECT_EQ (o.message, "cannot commit - no transaction is active");
  o = rollback (provider);
  EXPECT_TRUE (o.failed);
  EXPECT_EQ (o.message, "cannot rollback - no transaction is active");
}

TEST (SQLiteTransactions, ASecondWriterWaitsForTheFirstAtBeginUpToTheBusyTimeout)
{
  ScratchFolder folder;
  const std::string path = folder.file ("w.db");
  SQLiteProvider first = opened (path);
  SQLiteProvider second = opened (path, "busy_timeout=50");
  ASSERT_FALSE (affect (first, "CREATE TABLE t (a)").failed);

  ASSERT_EQ (begin (first).answer, TRUE);
  ASSERT_FALSE (affect (first, "INSERT INTO t VALUES (1)").failed);
  Outcome o = begin (second);
  EXPECT_TRUE (o.failed);
  EXPECT_EQ (o.code, SQLITE_BUSY) << o.message;
  EXPECT_EQ (o.message, "database is locked");
  EXPECT_FALSE (commit (first).failed);

  /* With the default timeout the second waits for the first to commit. */
  SQLiteProvider patient = opened (path);
  ASSERT_EQ (begin (first).answer, TRUE);
  std::thread committer ([&first] {
    std::this_thread::sleep_for (std::chrono::milliseconds (200));
    EXPECT_FALSE (affect (first, "INSERT INTO t VALUES (2)").failed);
    EXPECT_FALSE (commit (first).failed);
  });
  o = begin (patient);
  EXPECT_FALSE (o.failed) << o.message;
  EXPECT_FALSE (affect (patient, "INSERT INTO t VALUES (3)").failed);
  EXPECT_FALSE (commit (patient).failed);
  committer.join ();
  EXPECT_EQ (scalar (patient, "SELECT group_concat (a) FROM (SELECT a FROM t ORDER BY a)"), "ValueString 1,2,3");
}

TEST (SQLiteTransactions, TwoProvidersWritingOneFileAtOnceLoseNothing)
{
  ScratchFolder folder;
  const std::string path = folder.file ("both.db");
  {
    SQLiteProvider setup = opened (path);
    ASSERT_FALSE (affect (setup, "CREATE TABLE t (writer INTEGER, n INTEGER)").failed);
  }
  constexpr int kTransactions = 40;
  auto write = [&path] (int writer) {
    SQLiteProvider provider = opened (path, "");
    for (int i = 0; i < kTransactions; ++i) {
      Outcome o = begin (provider);
      ASSERT_FALSE (o.failed) << o.message;
      std::string insert = "INSERT INTO t VALUES (" + std::to_string (writer) + ", " + std::to_string (i) + ")";
      ASSERT_FALSE (affect (provider, insert).failed);
      ASSERT_FALSE (affect (provider, "UPDATE t SET n = n WHERE writer = " + std::to_string (writer)).failed);
      o = commit (provider);
      ASSERT_FALSE (o.failed) << o.message;
      /* Without a transaction each statement takes the lock on its own. */
      ASSERT_FALSE (affect (provider, insert).failed);
    }
  };
  std::thread one (write, 1), two (write, 2);
  one.join ();
  two.join ();
  SQLiteProvider check = opened (path, "");
  EXPECT_EQ (scalar (check, "SELECT count(*) FROM t"), "ValueInt64 " + std::to_string (4 * kTransactions));
  EXPECT_EQ (scalar (check, "PRAGMA integrity_check"), "ValueString ok");
}

}  // namespace
}  // namespace providers::testing
