/* A connection lost under a session that held state of its own (a
 * transaction, variables, temporary tables, locks, prepared statements) is
 * an error until the next open, while an idle session without any is made
 * again silently; and a commit never answers success for a transaction the
 * server already rolled back. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "test-server.h"

using providers::testing::LogCapture;
using providers::testing::make_profile;
using providers::testing::Observer;
using providers::testing::own;
using providers::testing::Owned;
using providers::testing::ScratchServer;
using providers::testing::take_string;
using providers::testing::TestServer;
using providers::testing::test_server;
using providers::testing::unique_name;

namespace {

/* What a call ended with. */
struct Outcome {
  bool ok = false;
  int code = 0;
  std::string message;
};

Outcome
outcome_of (bool ok, GError *error)
{
  Outcome o;
  o.ok = ok && error == nullptr;
  if (error != nullptr) {
    o.code = error->code;
    o.message = error->message;
    g_error_free (error);
  }
  return o;
}

/* A provider opened on one server, with the calls the tests make. */
class Session {
 public:
  explicit Session (const TestServer &server) : profile_ (make_profile (server)) { EXPECT_TRUE (open ().ok); }

  TorvanixProvidersContractsIProvider *p () { return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider_.get ()); }

  Outcome open ()
  {
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_open (p (), profile_.get (), "", &error);
    return outcome_of (true, error);
  }
  Outcome affect (const std::string &statement)
  {
    GError *error = nullptr;
    gint64 n = torvanix_providers_contracts_iprovider_execute_affect (p (), statement.c_str (), 0, &error);
    return outcome_of (n != -1, error);
  }
  std::string scalar (const std::string &statement)
  {
    GError *error = nullptr;
    auto value = own (torvanix_providers_contracts_iprovider_execute_scalar (p (), statement.c_str (), 0, &error));
    EXPECT_EQ (error, nullptr) << statement << ": " << error->message;
    g_clear_error (&error);
    return value ? take_string (torvanix_providers_contracts_ivalue_to_string (value.get ())) : "<none>";
  }
  bool transaction ()
  {
    GError *error = nullptr;
    return outcome_of (torvanix_providers_contracts_iprovider_transaction (p (), &error), error).ok;
  }
  Outcome commit ()
  {
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_commit (p (), &error);
    return outcome_of (true, error);
  }
  bool is_opened () { return torvanix_providers_contracts_iprovider_get_is_opened (p ()); }

 private:
  Owned<TorvanixProvidersContractsServer> profile_;
  Owned<TorvanixProvidersSupportsMySQLProvider> provider_ = own (torvanix_providers_supports_my_sql_provider_new ());
};

/* Waits until the server has let go of the session `id`, so that its
 * socket is closed. */
void
wait_until_gone (Observer &observer, const std::string &id)
{
  for (int i = 0; i < 200; ++i) {
    if (observer.cell ("SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE ID = " + id) == "0")
      return;
    g_usleep (50 * 1000);
  }
  ADD_FAILURE () << "session " << id << " was not ended";
}

enum class Loss { kRestart, kKill };

struct StateCase {
  const char *what;
  std::vector<std::string> work; /* empty: the provider's transaction () */
  bool restart;                  /* also lost by a restart, which takes seconds */
};

/* A server of each test's own for restarts and kills, with a table `kept`
 * that outlives every session. */
class LostSessions : public ::testing::Test {
 protected:
  void SetUp () override
  {
    server_ = std::make_unique<ScratchServer> (
        std::string ("session-") + ::testing::UnitTest::GetInstance ()->current_test_info ()->name (), false);
    Observer observer (server ());
    observer.cell ("CREATE TABLE kept (i INT) ENGINE=InnoDB");
    /* Routines made by another session, so that no text of the session
     * under test shows what they do. */
    EXPECT_EQ (observer.cell ("CREATE FUNCTION zone_east () RETURNS INT BEGIN SET time_zone = '+05:00'; RETURN 1; END"), "");
    EXPECT_EQ (observer.cell ("CREATE PROCEDURE assign_variable () SELECT 1 INTO @e"), "");
    EXPECT_EQ (observer.cell ("CREATE PROCEDURE take_lock () DO GET_LOCK('providers_procedure_lock', 0)"), "");
  }

  const TestServer &server () { return server_->server (); }

  /* Loses the session of `s` while it idles. */
  void lose (Session &s, Loss loss)
  {
    if (loss == Loss::kRestart) {
      server_->restart ();
      return;
    }
    std::string id = s.scalar ("SELECT CONNECTION_ID()");
    Observer observer (server ());
    observer.cell ("KILL CONNECTION " + id);
    wait_until_gone (observer, id);
  }

  std::string rows () { return Observer (server ()).cell ("SELECT GROUP_CONCAT(i ORDER BY i) FROM kept"); }

  /* For each case, lost by a kill and, where it says so, by a restart:
   * `check` (session, loss) on a new session that did the case's work, the
   * provider's transaction () with one row, committed when `commit`. */
  template <std::size_t N, typename Check>
  void for_each_case (const StateCase (&cases)[N], bool commit, Check check)
  {
    for (Loss loss : {Loss::kKill, Loss::kRestart}) {
      for (const StateCase &c : cases) {
        if (loss == Loss::kRestart && !c.restart)
          continue;
        SCOPED_TRACE (std::string (c.what) + (loss == Loss::kKill ? ", killed" : ", restarted"));
        Observer (server ()).cell ("DELETE FROM kept");
        Session s (server ());
        if (c.work.empty ()) {
          ASSERT_TRUE (s.transaction ());
          ASSERT_TRUE (s.affect ("INSERT INTO kept VALUES (1)").ok);
          if (commit) {
            ASSERT_TRUE (s.commit ().ok);
          }
        }
        for (const std::string &statement : c.work)
          ASSERT_TRUE (s.affect (statement).ok) << statement;
        check (s, loss);
      }
    }
  }

  std::unique_ptr<ScratchServer> server_;
};

/* State the server marks in its reply, and state only the statement text
 * tells of. */
const StateCase kStatefulCases[] = {
  {"transaction ()", {}, true},
  {"START TRANSACTION", {"START TRANSACTION", "INSERT INTO kept VALUES (1)"}, true},
  {"autocommit off", {"SET autocommit = 0", "INSERT INTO kept VALUES (1)"}, false},
  {"time zone", {"SET time_zone = '+05:00'"}, true},
  {"sql_mode", {"SET sql_mode = 'STRICT_ALL_TABLES'"}, false},
  {"temporary table", {"CREATE TEMPORARY TABLE pending (i INT)"}, false},
  {"user variable by SET", {"SET @a = 1"}, false},
  {"user variable by SELECT :=", {"SELECT @b := 2"}, true},
  {"user variable by SELECT INTO", {"SELECT 1 INTO @c"}, false},
  {"user lock", {"SELECT GET_LOCK('providers_session_lock', 0)"}, false},
  {"table lock", {"LOCK TABLES kept WRITE"}, false},
  {"prepared statement", {"PREPARE s FROM 'SELECT 1'"}, false},
  {"variable in the middle of a text", {"DO 1; SET @d = 4; SELECT 5"}, false},
  {"time zone by a function a query calls", {"SELECT zone_east ()"}, false},
  {"user variable by a procedure", {"CALL assign_variable ()"}, false},
  {"user lock by a procedure", {"CALL`take_lock`"}, false},
  {"next transaction's isolation", {"SET TRANSACTION ISOLATION LEVEL SERIALIZABLE"}, false},
};

TEST_F (LostSessions, AStatefulSessionLostFailsEveryStatementUntilOpen)
{
  for_each_case (kStatefulCases, false, [&] (Session &s, Loss loss) {
    lose (s, loss);
    LogCapture log;
    EXPECT_FALSE (s.is_opened ());
    for (const char *later : {"INSERT INTO kept VALUES (2)", "INSERT INTO kept VALUES (3)", "COMMIT"}) {
      Outcome o = s.affect (later);
      EXPECT_FALSE (o.ok) << later;
      EXPECT_EQ (o.code, 2006) << later << ": " << o.message;
      EXPECT_NE (o.message.find ("open the provider again"), std::string::npos) << o.message;
    }
    EXPECT_FALSE (s.commit ().ok);
    EXPECT_EQ (rows (), "<null>");
    /* Open again, without close: a new session that works. */
    ASSERT_TRUE (s.open ().ok);
    EXPECT_TRUE (s.affect ("INSERT INTO kept VALUES (4)").ok);
    EXPECT_EQ (rows (), "4");
  });
}

/* Nothing of the session's own is lost with it: an idle session found gone
 * is made again, and the statement runs once. */
const StateCase kStatelessCases[] = {
  {"nothing but queries", {"SELECT 1", "SELECT 'x' AS locked, 2 AS intox"}, true},
  {"a transaction that ended", {"START TRANSACTION", "INSERT INTO kept VALUES (1)", "COMMIT"}, false},
  {"transaction () committed", {}, false},
  {"queries whose names hold the words", {"SELECT 3 AS recall, 4 AS calls"}, false},
};

TEST_F (LostSessions, AnIdleSessionWithoutStateReconnectsAndRunsTheStatementOnce)
{
  for_each_case (kStatelessCases, true, [&] (Session &s, Loss loss) {
    std::string before = rows ();
    lose (s, loss);
    Outcome o = s.affect ("INSERT INTO kept VALUES (7)");
    EXPECT_TRUE (o.ok) << o.code << ": " << o.message;
    EXPECT_EQ (rows (), before == "<null>" ? "7" : before + ",7");
    /* The ping of is-opened follows the same rule. */
    lose (s, loss);
    EXPECT_TRUE (s.is_opened ());
    EXPECT_EQ (s.scalar ("SELECT @@autocommit"), "1");
  });
}

/* A table of the test's own on the fixture's server. */
class ServerRollback : public ::testing::Test {
 protected:
  void SetUp () override
  {
    observer.cell ("CREATE TABLE " + table + " (id INT PRIMARY KEY, v INT) ENGINE=InnoDB");
    observer.cell ("INSERT INTO " + table + " VALUES (1, 0)");
  }
  void TearDown () override { observer.cell ("DROP TABLE " + table); }
  std::string ids () { return observer.cell ("SELECT GROUP_CONCAT(id ORDER BY id) FROM " + table); }

  std::string table = unique_name ("rollback");
  Observer observer{test_server ()};
};

/* Two providers that deadlock on two rows: the server rolls the victim's
 * transaction back, and the victim's commit must say so and commit nothing,
 * not even what it wrote after the deadlock. */
TEST_F (ServerRollback, TheDeadlockVictimsCommitFailsAndCommitsNothing)
{
  observer.cell ("INSERT INTO " + table + " VALUES (2, 0)");
  Session first (test_server ());
  Session second (test_server ());
  auto update = [&] (Session &s, int id, int v) {
    return s.affect ("UPDATE " + table + " SET v = " + std::to_string (v) + " WHERE id = " + std::to_string (id));
  };
  LogCapture log;
  ASSERT_TRUE (first.transaction ());
  ASSERT_TRUE (second.transaction ());
  ASSERT_TRUE (update (first, 1, 10).ok);
  ASSERT_TRUE (update (second, 2, 20).ok);
  Outcome first_blocked;
  std::thread waiter ([&] { first_blocked = update (first, 2, 10); });
  /* The second closes the cycle once the first waits for its row. */
  for (int i = 0; i < 200 && observer.cell ("SELECT COUNT(*) FROM information_schema.INNODB_TRX "
                                            "WHERE trx_state = 'LOCK WAIT'") == "0";
       ++i)
    g_usleep (20 * 1000);
  Outcome second_closing = update (second, 1, 20);
  waiter.join ();
  ASSERT_NE (first_blocked.ok, second_closing.ok) << first_blocked.message << " / " << second_closing.message;
  Session &victim = first_blocked.ok ? second : first;
  Session &survivor = first_blocked.ok ? first : second;
  int survivor_v = first_blocked.ok ? 10 : 20;
  EXPECT_EQ ((first_blocked.ok ? second_closing : first_blocked).code, 1213);

  /* Written after the rollback, in a transaction of its own on the server. */
  ASSERT_TRUE (victim.affect ("INSERT INTO " + table + " VALUES (3, 0)").ok);
  EXPECT_TRUE (survivor.commit ().ok);
  Outcome refused = victim.commit ();
  EXPECT_FALSE (refused.ok);
  EXPECT_EQ (refused.code, 1213) << refused.message;
  EXPECT_NE (refused.message.find ("rolled the transaction back"), std::string::npos) << refused.message;
  std::string expected = std::to_string (survivor_v) + "," + std::to_string (survivor_v);
  EXPECT_EQ (observer.cell ("SELECT GROUP_CONCAT(v ORDER BY id) FROM " + table), expected);

  /* The victim goes on in autocommit mode, and a new transaction commits. */
  EXPECT_EQ (victim.scalar ("SELECT @@autocommit"), "1");
  ASSERT_TRUE (victim.transaction ());
  ASSERT_TRUE (victim.affect ("INSERT INTO " + table + " VALUES (4, 0)").ok);
  EXPECT_TRUE (victim.commit ().ok);
  EXPECT_EQ (ids (), "1,2,4");
}

/* Without innodb_rollback_on_timeout (the server's default) a lock wait
 * timeout ends only its statement: the transaction's other writes stay,
 * and the commit keeps them. */
TEST_F (ServerRollback, ALockWaitTimeoutKeepsTheTransactionWhereTheServerDoes)
{
  ASSERT_EQ (observer.cell ("SELECT @@innodb_rollback_on_timeout"), "0");
  Session holder (test_server ());
  Session waiter (test_server ());
  LogCapture log;
  ASSERT_TRUE (holder.transaction ());
  ASSERT_TRUE (holder.affect ("DELETE FROM " + table + " WHERE id = 1").ok);
  ASSERT_TRUE (waiter.affect ("SET SESSION innodb_lock_wait_timeout = 1").ok);
  ASSERT_TRUE (waiter.transaction ());
  ASSERT_TRUE (waiter.affect ("INSERT INTO " + table + " VALUES (2, 0)").ok);
  EXPECT_EQ (waiter.affect ("DELETE FROM " + table + " WHERE id = 1").code, 1205);
  Outcome kept = waiter.commit ();
  EXPECT_TRUE (kept.ok) << kept.message;
  EXPECT_TRUE (holder.commit ().ok);
  EXPECT_EQ (ids (), "2");
}

/* wait_timeout ends an idle session inside a transaction, begun by
 * transaction () or in SQL: COMMIT is never sent, so the failure is
 * certain, and the session stays lost. */
TEST_F (ServerRollback, ACommitAfterTheConnectionWentIsACertainFailure)
{
  for (bool in_sql : {false, true}) {
    SCOPED_TRACE (in_sql ? "START TRANSACTION" : "transaction ()");
    observer.cell ("DELETE FROM " + table + " WHERE id > 1");
    Session s (test_server ());
    std::string id = s.scalar ("SELECT CONNECTION_ID()");
    ASSERT_TRUE (in_sql ? s.affect ("START TRANSACTION").ok : s.transaction ());
    ASSERT_TRUE (s.affect ("INSERT INTO " + table + " VALUES (2, 0)").ok);
    ASSERT_TRUE (s.affect ("SET SESSION wait_timeout = 1").ok);
    wait_until_gone (observer, id);
    LogCapture log;
    Outcome o = s.commit ();
    EXPECT_FALSE (o.ok);
    EXPECT_GE (o.code, 2000) << o.message;
    EXPECT_NE (o.message.find ("before COMMIT was sent"), std::string::npos) << o.message;
    EXPECT_EQ (o.message.find ("may or may not"), std::string::npos) << o.message;
    EXPECT_EQ (ids (), "1");
    EXPECT_EQ (s.affect ("INSERT INTO " + table + " VALUES (3, 0)").code, 2006);
    ASSERT_TRUE (s.open ().ok);
    EXPECT_TRUE (s.affect ("INSERT INTO " + table + " VALUES (4, 0)").ok);
    EXPECT_EQ (ids (), "1,4");
  }
}

}  // namespace
