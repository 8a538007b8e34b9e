/* The statements that answer data: their outcomes, failures, batches,
 * readers that outlive further statements, and threads sharing one
 * provider. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "test-server.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::make_profile;
using providers::testing::Observer;
using providers::testing::own;
using providers::testing::Owned;
using providers::testing::take_string;
using providers::testing::test_server;
using providers::testing::unique_name;

namespace {

using Value = TorvanixProvidersContractsIValue;

class Statements : public ::testing::Test {
 protected:
  void SetUp () override
  {
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_open (p (), make_profile (test_server ()).get (), "", &error);
    ASSERT_EQ (error, nullptr) << error->message;
    affect ("CREATE TEMPORARY TABLE t (i INT PRIMARY KEY, s VARCHAR(10), d DECIMAL(12,2))");
    affect ("INSERT INTO t VALUES (1, 'one', 1.25), (2, 'two', NULL), (3, NULL, -7)");
  }

  TorvanixProvidersContractsIProvider *p () { return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider_.get ()); }

  gint64 affect (const std::string &statement)
  {
    GError *error = nullptr;
    gint64 n = torvanix_providers_contracts_iprovider_execute_affect (p (), statement.c_str (), 0, &error);
    EXPECT_EQ (error, nullptr) << statement << ": " << (error ? error->message : "");
    g_clear_error (&error);
    return n;
  }

  /* The scalar's class and text. */
  std::pair<std::string, std::string> scalar (const std::string &statement)
  {
    GError *error = nullptr;
    Value *value = torvanix_providers_contracts_iprovider_execute_scalar (p (), statement.c_str (), 0, &error);
    EXPECT_EQ (error, nullptr) << statement << ": " << (error ? error->message : "");
    g_clear_error (&error);
    if (value == nullptr)
      return {"<null>", ""};
    std::pair<std::string, std::string> answer{G_OBJECT_TYPE_NAME (value),
                                               take_string (torvanix_providers_contracts_ivalue_to_string (value))};
    g_object_unref (value);
    return answer;
  }

  Owned<TorvanixProvidersSupportsMySQLProvider> provider_ = own (torvanix_providers_supports_my_sql_provider_new ());
};

const char kUInt64[] = "TorvanixProvidersContractsValueUInt64";

TEST_F (Statements, ScalarAnswersTheFirstCellOrACount)
{
  EXPECT_EQ (scalar ("SELECT 42").second, "42");
  EXPECT_EQ (scalar ("SELECT s FROM t ORDER BY i"), std::make_pair (std::string ("TorvanixProvidersContractsValueString"),
                                                                     std::string ("one")));
  EXPECT_EQ (scalar ("SELECT NULL").first, "TorvanixProvidersContractsValueNull");
  /* A query without rows counts its rows: 0, not the client's -1. */
  EXPECT_EQ (scalar ("SELECT i FROM t WHERE i > 10"), std::make_pair (std::string (kUInt64), std::string ("0")));
  EXPECT_EQ (scalar ("UPDATE t SET s = s"), std::make_pair (std::string (kUInt64), std::string ("3")));
  EXPECT_EQ (scalar ("DELETE FROM t WHERE i = 3"), std::make_pair (std::string (kUInt64), std::string ("1")));
  /* Only the first result of a batch answers; the rest is discarded. */
  EXPECT_EQ (scalar ("SELECT 7; SELECT 8").second, "7");
  EXPECT_EQ (scalar ("SELECT 9").second, "9");
}

void expect_no_data (GError *error)
{
  ASSERT_NE (error, nullptr);
  EXPECT_EQ (error->domain, g_quark_from_string ("MySQL"));
  EXPECT_EQ (error->code, -1);
  EXPECT_STREQ (error->message, "No data return by non-select statement");
  g_error_free (error);
}

TEST_F (Statements, ModelAndReaderOfStatementsWithoutRows)
{
  GError *error = nullptr;
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_model (p (), "INSERT INTO t VALUES (4, 'x', 0)", 0, &error),
             nullptr);
  expect_no_data (error);
  error = nullptr;
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_reader (p (), "UPDATE t SET s = 'y' WHERE i = 4", &error),
             nullptr);
  expect_no_data (error);

  /* The rest of such a text is taken by the call that sent it: a later
   * failure is not left for the next, unrelated call. */
  for (const char *text : {"DO 1; INSERT INTO nowhere VALUES (2)", "DO 1; SELECT 2; DO 3"}) {
    SCOPED_TRACE (text);
    LogCapture log; /* the later failure is logged as every server error is */
    error = nullptr;
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_model (p (), text, 0, &error), nullptr);
    expect_no_data (error);
    EXPECT_EQ (scalar ("SELECT 7").second, "7");
    error = nullptr;
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_reader (p (), text, &error), nullptr);
    expect_no_data (error);
    EXPECT_EQ (scalar ("SELECT 8").second, "8");
  }

  error = nullptr;
  auto empty = own (torvanix_providers_contracts_iprovider_execute_model (p (), "SELECT i, s FROM t WHERE i > 10", 0, &error));
  ASSERT_NE (empty, nullptr);
  EXPECT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (
                 torvanix_providers_contracts_table_model_get_columns (empty.get ()))),
             2);
  EXPECT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (
                 torvanix_providers_contracts_table_model_get_rows (empty.get ()))),
             0);
}

TEST_F (Statements, FailuresCarryTheServerError)
{
  struct Case {
    const char *statement;
    int code;
  } cases[] = {
    {"SELEC 1", 1064},
    {"SELECT * FROM no_such_table", 1146},
    {"SELECT no_such_column FROM t", 1054},
  };
  for (const Case &c : cases) {
    LogCapture log;
    GError *error = nullptr;
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_model (p (), c.statement, 0, &error), nullptr);
    ASSERT_NE (error, nullptr);
    EXPECT_EQ (error->code, c.code) << c.statement;
    g_clear_error (&error);
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_scalar (p (), c.statement, 0, &error), nullptr);
    ASSERT_NE (error, nullptr);
    EXPECT_EQ (error->code, c.code) << c.statement;
    g_clear_error (&error);
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_reader (p (), c.statement, &error), nullptr);
    ASSERT_NE (error, nullptr);
    EXPECT_EQ (error->code, c.code) << c.statement;
    g_clear_error (&error);
    gint length = -5;
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_statements (p (), c.statement, 0, &length, &error), nullptr);
    ASSERT_NE (error, nullptr);
    EXPECT_EQ (error->code, c.code) << c.statement;
    EXPECT_EQ (length, -5);
    g_clear_error (&error);
    EXPECT_EQ (log.warnings ().size (), 4u);
  }
  EXPECT_EQ (scalar ("SELECT 1").second, "1");
}

/* Every shape takes all the results of its text: a later statement's
 * failure is the failure of the call that sent it, and the next call is
 * left alone. */
TEST_F (Statements, ALaterStatementsFailureIsTheFailureOfItsOwnCall)
{
  const char *text = "INSERT INTO t VALUES (10, 'a', 0); INSERT INTO nowhere VALUES (2); INSERT INTO t VALUES (11, 'b', 0)";
  using Run = bool (*) (TorvanixProvidersContractsIProvider *, const char *, GError **);
  struct Shape {
    const char *what;
    Run run; /* whether it answered something */
  } shapes[] = {
    {"affect", [] (TorvanixProvidersContractsIProvider *p, const char *s, GError **e) {
       return torvanix_providers_contracts_iprovider_execute_affect (p, s, 0, e) != -1;
     }},
    {"scalar", [] (TorvanixProvidersContractsIProvider *p, const char *s, GError **e) {
       auto answer = own (torvanix_providers_contracts_iprovider_execute_scalar (p, s, 0, e));
       return answer != nullptr;
     }},
    {"model", [] (TorvanixProvidersContractsIProvider *p, const char *s, GError **e) {
       auto answer = own (torvanix_providers_contracts_iprovider_execute_model (
           p, (std::string ("SELECT 1; ") + s).c_str (), 0, e));
       return answer != nullptr;
     }},
    {"reader", [] (TorvanixProvidersContractsIProvider *p, const char *s, GError **e) {
       auto answer = own (torvanix_providers_contracts_iprovider_execute_reader (
           p, (std::string ("SELECT 1; ") + s).c_str (), e));
       return answer != nullptr;
     }},
  };
  for (const Shape &shape : shapes) {
    SCOPED_TRACE (shape.what);
    LogCapture log;
    GError *error = nullptr;
    EXPECT_FALSE (shape.run (p (), text, &error));
    ASSERT_NE (error, nullptr);
    EXPECT_EQ (error->domain, g_quark_from_string ("MySQL"));
    EXPECT_EQ (error->code, 1146) << error->message;
    g_clear_error (&error);
    /* The next call runs and answers its own result. */
    EXPECT_EQ (scalar ("SELECT COUNT(*) FROM t WHERE i >= 10").second, "1");
    EXPECT_EQ (affect ("DELETE FROM t WHERE i >= 10"), 1);
  }
  /* Results after the first that all succeed are taken without a word. */
  EXPECT_EQ (scalar ("SELECT 5; SELECT 6; DO 1").second, "5");
  EXPECT_EQ (affect ("DO 1; SELECT 2; DO 3"), 0);
  EXPECT_EQ (scalar ("SELECT 9").second, "9");
}

struct Batch {
  std::vector<GObject *> items;
  ~Batch ()
  {
    for (GObject *item : items)
      g_object_unref (item);
  }
};

void run_batch (TorvanixProvidersContractsIProvider *p, const char *statements, Batch &batch)
{
  GError *error = nullptr;
  gint length = -1;
  GObject **items = torvanix_providers_contracts_iprovider_execute_statements (p, statements, 0, &length, &error);
  ASSERT_EQ (error, nullptr) << error->message;
  ASSERT_NE (items, nullptr);
  ASSERT_EQ (items[length], nullptr);
  batch.items.assign (items, items + length);
  g_free (items);
}

std::string text_of (GObject *item)
{
  return take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (item)));
}

TEST_F (Statements, BatchesAnswerOneItemPerStatementAndTellWhereTheyFailed)
{
  Batch batch;
  run_batch (p (), "UPDATE t SET s = 'u' WHERE i < 3; SELECT i, s FROM t ORDER BY i; DO 1", batch);
  ASSERT_EQ (batch.items.size (), 3u);
  EXPECT_STREQ (G_OBJECT_TYPE_NAME (batch.items[0]), kUInt64);
  EXPECT_EQ (text_of (batch.items[0]), "2");
  ASSERT_TRUE (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (batch.items[1]));
  EXPECT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_table_model_get_rows (
                 TORVANIX_PROVIDERS_CONTRACTS_TABLE_MODEL (batch.items[1])))),
             3);
  EXPECT_EQ (text_of (batch.items[2]), "0");

  /* A later statement fails: the results before it, then its error. */
  Batch failed;
  run_batch (p (), "UPDATE t SET s = 'v' WHERE i = 1; SELEC 2; UPDATE t SET s = 'w'", failed);
  ASSERT_EQ (failed.items.size (), 2u);
  EXPECT_EQ (text_of (failed.items[0]), "1");
  ASSERT_TRUE (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ERROR (failed.items[1]));
  EXPECT_TRUE (g_str_has_prefix (text_of (failed.items[1]).c_str (), "1064:You have an error in your SQL syntax"));
  /* The statement after the failed one did not run. */
  EXPECT_EQ (scalar ("SELECT COUNT(*) FROM t WHERE s = 'w'").second, "0");

  gint length = -1;
  GError *error = nullptr;
  GObject **none = torvanix_providers_contracts_iprovider_execute_statements (p (), "DO 1", 0, nullptr, &error);
  ASSERT_NE (none, nullptr);
  g_object_unref (none[0]);
  g_free (none);
  (void) length;
}

TEST_F (Statements, AReaderOwnsItsResultAcrossLaterStatementsAndTheProvidersEnd)
{
  GError *error = nullptr;
  auto reader = own (torvanix_providers_contracts_iprovider_execute_reader (p (), "SELECT i, s, d FROM t ORDER BY i", &error));
  ASSERT_NE (reader, nullptr);
  auto *r = reader.get ();
  gboolean closed = TRUE;
  g_object_get (r, "is-closed", &closed, nullptr);
  EXPECT_FALSE (closed);
  ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (r, &error));
  EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_string (r, 1, &error)), "one");

  /* Further statements on the provider, then the provider itself goes. */
  EXPECT_EQ (affect ("INSERT INTO t VALUES (5, 'five', 5)"), 1);
  EXPECT_EQ (scalar ("SELECT COUNT(*) FROM t").second, "4");
  {
    LogCapture log;
    provider_.reset ();
  }

  ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (r, &error));
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_get_is_closed (r));
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_int32 (r, 0, &error), 2);
  ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (r, &error));
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_is_null (r, 1, &error));
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_read (r, &error));
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_get_is_closed (r));
  g_object_get (r, "is-closed", &closed, nullptr);
  EXPECT_TRUE (closed);
  EXPECT_EQ (error, nullptr);
}

TEST_F (Statements, NullStatementsAreRefused)
{
  LogCapture log;
  gint length = 0;
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_model (p (), nullptr, 0, nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_scalar (p (), nullptr, 0, nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_reader (p (), nullptr, nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_statements (p (), nullptr, 0, &length, nullptr), nullptr);
  std::vector<std::string> expected = {
    assertion_text ("torvanix_providers_supports_my_sql_provider_real_execute_model", "statement != NULL"),
    assertion_text ("torvanix_providers_supports_my_sql_provider_real_execute_scalar", "statement != NULL"),
    assertion_text ("torvanix_providers_supports_my_sql_provider_real_execute_reader", "statement != NULL"),
    assertion_text ("torvanix_providers_supports_my_sql_provider_real_execute_statements", "statements != NULL"),
  };
  EXPECT_EQ (log.criticals (), expected);
}

TEST (SharedProvider, SeveralThreadsGetTheirOwnAnswers)
{
  Observer observer (test_server ());
  std::string table = unique_name ("threads");
  observer.cell ("CREATE TABLE " + table + " (n INT, k INT)");
  auto provider = own (torvanix_providers_supports_my_sql_provider_new ());
  auto *p = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (p, make_profile (test_server ()).get (), "", &error);
  ASSERT_EQ (error, nullptr);

  constexpr int kThreads = 4;
  constexpr int kRounds = 40;
  std::atomic<int> wrong{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back ([&, t] {
      for (int k = 0; k < kRounds; ++k) {
        int n = t * 1000 + k;
        std::string number = std::to_string (n);
        GError *e = nullptr;
        Value *v = torvanix_providers_contracts_iprovider_execute_scalar (p, ("SELECT " + number).c_str (), 0, &e);
        if (v == nullptr || take_string (torvanix_providers_contracts_ivalue_to_string (v)) != number)
          ++wrong;
        if (v) g_object_unref (v);
        if (torvanix_providers_contracts_iprovider_execute_affect (
                p, ("INSERT INTO " + table + " VALUES (" + number + ", " + std::to_string (t) + ")").c_str (), 0, &e)
            != 1)
          ++wrong;
        auto *model = torvanix_providers_contracts_iprovider_execute_model (
            p, ("SELECT n FROM " + table + " WHERE k = " + std::to_string (t)).c_str (), 0, &e);
        if (model == nullptr
            || gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_table_model_get_rows (model)))
                   != k + 1)
          ++wrong;
        if (model) g_object_unref (model);
        if (e) {
          ++wrong;
          g_error_free (e);
        }
      }
    });
  for (std::thread &thread : threads)
    thread.join ();
  EXPECT_EQ (wrong.load (), 0);
  EXPECT_EQ (observer.cell ("SELECT COUNT(*) FROM " + table), std::to_string (kThreads * kRounds));
  observer.cell ("DROP TABLE " + table);
}

}  // namespace

namespace {

/* 5,000 rows, numbered in i: long enough for the reader to build ahead. */
const int kRows = 5000;
const char kCounted[] = " FROM (SELECT seq AS i FROM seq_1_to_5000) AS n";

/* Every cell of a result as text, and each column's size, through the reader. */
std::vector<std::string> read_all (TorvanixProvidersContractsIProvider *p, const std::string &statement,
                                   std::vector<gint> &sizes)
{
  GError *error = nullptr;
  auto *reader = torvanix_providers_contracts_iprovider_execute_reader (p, statement.c_str (), &error);
  EXPECT_EQ (error, nullptr);
  std::vector<std::string> cells;
  if (reader == nullptr)
    return cells;
  gint fields = torvanix_providers_contracts_idata_reader_get_field_count (reader);
  for (gint i = 0; i < fields; ++i)
    sizes.push_back (torvanix_providers_contracts_idata_reader_get_size (reader, static_cast<guint16> (i), nullptr));
  while (torvanix_providers_contracts_idata_reader_read (reader, nullptr)) {
    gint length = 0;
    Value **values = torvanix_providers_contracts_idata_reader_get_values (reader, &length, nullptr);
    for (gint i = 0; i < length; ++i) {
      cells.push_back (std::string (G_OBJECT_TYPE_NAME (values[i])) + ":" +
                       take_string (torvanix_providers_contracts_ivalue_to_string (values[i])));
      g_object_unref (values[i]);
    }
    g_free (values);
  }
  g_object_unref (reader);
  return cells;
}

}  // namespace

/* Tables are built while rows arrive and on several threads: the rows
 * must still come in the server's order, each cell under its column, and
 * the column sizes be the widest cells, as the reader reports them. */
TEST_F (Statements, ALargeTableHoldsWhatTheReaderReads)
{
  const std::string statement =
      "SELECT i, REPEAT('x', i % 37), IF(i % 7 = 0, NULL, TIMESTAMP '2020-01-01 00:00:00' + INTERVAL i MINUTE),"
      " i * 0.5e0" + std::string (kCounted);
  std::vector<gint> sizes;
  std::vector<std::string> expected = read_all (p (), statement, sizes);
  ASSERT_EQ (expected.size (), 4u * kRows);

  GError *error = nullptr;
  auto model = own (torvanix_providers_contracts_iprovider_execute_model (p (), statement.c_str (), 0, &error));
  ASSERT_EQ (error, nullptr) << error->message;
  GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (model.get ());
  ASSERT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns)), 4);
  for (gint i = 0; i < 4; ++i) {
    auto *column = static_cast<TorvanixProvidersContractsColumnModel *> (
        gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), i));
    EXPECT_EQ (torvanix_providers_contracts_column_model_get_data_size (column), static_cast<gulong> (sizes[i])) << i;
    g_object_unref (column);
  }
  std::vector<std::string> held;
  for (gint r = 0; r < kRows; ++r)
    for (gint c = 0; c < 4; ++c) {
      auto *value = torvanix_providers_contracts_table_model_get_value_at (model.get (), c, r);
      ASSERT_NE (value, nullptr);
      held.push_back (std::string (G_OBJECT_TYPE_NAME (value)) + ":" +
                      take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value))));
      g_object_unref (value);
    }
  EXPECT_EQ (held, expected);
}

/* A reader's caller may skip rows, take a row's values twice, or stop
 * early: each time it gets the values of the row it is on. */
TEST_F (Statements, ReaderValuesFollowTheCurrentRowHoweverTheyAreTaken)
{
  const std::string statement = "SELECT i, IF(i % 3 = 0, NULL, CONCAT('r', i))" + std::string (kCounted);
  GError *error = nullptr;
  auto *reader = torvanix_providers_contracts_iprovider_execute_reader (p (), statement.c_str (), &error);
  ASSERT_NE (reader, nullptr) << error->message;
  auto row_text = [&] {
    gint length = 0;
    Value **values = torvanix_providers_contracts_idata_reader_get_values (reader, &length, nullptr);
    std::string text;
    for (gint i = 0; i < length; ++i) {
      text += take_string (torvanix_providers_contracts_ivalue_to_string (values[i])) + "|";
      g_object_unref (values[i]);
    }
    g_free (values);
    return text;
  };
  for (int r = 1; r <= 4000 && torvanix_providers_contracts_idata_reader_read (reader, nullptr); ++r) {
    if (r % 5 == 1 && r > 1)
      continue;
    std::string expected = std::to_string (r) + "|" + (r % 3 == 0 ? "" : "r" + std::to_string (r)) + "|";
    ASSERT_EQ (row_text (), expected) << r;
    if (r % 7 == 0) {
      ASSERT_EQ (row_text (), expected) << r;
    }
  }
  /* Left before its end: whatever was built ahead goes with the reader. */
  torvanix_providers_contracts_idata_reader_close (reader, nullptr);
  g_object_unref (reader);

  /* Far ahead without taking values, right after the first row's. */
  reader = torvanix_providers_contracts_iprovider_execute_reader (p (), statement.c_str (), &error);
  ASSERT_NE (reader, nullptr) << error->message;
  ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (reader, nullptr));
  EXPECT_EQ (row_text (), "1|r1|");
  for (int r = 2; r <= 3000; ++r)
    ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (reader, nullptr));
  EXPECT_EQ (row_text (), "3000||");
  ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (reader, nullptr));
  EXPECT_EQ (row_text (), "3001|r3001|");
  g_object_unref (reader);
}

/* The server fails after sending thousands of rows: the rows that came
 * are no result, and the caller hears the server's error. */
TEST_F (Statements, AResultBrokenOffMidwayIsAnError)
{
  const std::string statement =
      "SELECT i, (SELECT 1 UNION SELECT 2 FROM DUAL WHERE i > 4500)" + std::string (kCounted);
  LogCapture log;
  GError *error = nullptr;
  auto model = own (torvanix_providers_contracts_iprovider_execute_model (p (), statement.c_str (), 0, &error));
  EXPECT_EQ (model.get (), nullptr);
  ASSERT_NE (error, nullptr);
  EXPECT_EQ (error->code, 1242) << error->message;
  g_clear_error (&error);

  Batch batch;
  run_batch (p (), (statement + "; DO 1").c_str (), batch);
  ASSERT_EQ (batch.items.size (), 1u);
  ASSERT_TRUE (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ERROR (batch.items[0]));
  EXPECT_TRUE (g_str_has_prefix (text_of (batch.items[0]).c_str (), "1242:")) << text_of (batch.items[0]);
  EXPECT_EQ (scalar ("SELECT 7").second, "7");
}

/* A cell or a count answered while the rows still arrive: the first row
 * came, but a result broken off after it is the server's error, never that
 * cell or the rows counted so far; also for a result later in the text. */
TEST_F (Statements, AnAnswerFromAResultBrokenOffMidwayIsAnError)
{
  const std::string broken =
      "SELECT i, (SELECT 1 UNION SELECT 2 FROM DUAL WHERE i > 4500)" + std::string (kCounted);
  for (const std::string &text : {broken, "SELECT 1; " + broken}) {
    SCOPED_TRACE (text);
    LogCapture log;
    GError *error = nullptr;
    auto value = own (torvanix_providers_contracts_iprovider_execute_scalar (p (), text.c_str (), 0, &error));
    EXPECT_EQ (value.get (), nullptr);
    ASSERT_NE (error, nullptr);
    EXPECT_EQ (error->code, 1242) << error->message;
    g_clear_error (&error);
    EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (p (), text.c_str (), 0, &error), -1);
    ASSERT_NE (error, nullptr);
    EXPECT_EQ (error->code, 1242) << error->message;
    g_clear_error (&error);
    EXPECT_EQ (scalar ("SELECT 7").second, "7");
  }
}
