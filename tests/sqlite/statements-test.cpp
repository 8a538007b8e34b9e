/* The five statement shapes over texts of several statements: one result
 * per statement, the first failure as the call's error with what ran
 * before it kept, counts that belong to the statement that made them, and
 * readers that hold their rows whole. */
#include <gtest/gtest.h>

#include "sqlite-test-calls.h"

namespace providers::testing {
namespace {

std::vector<std::string>
statement_results (const SQLiteProvider &provider, const std::string &text, Outcome *outcome)
{
  GError *error = nullptr;
  gint length = -1;
  GObject **items = torvanix_providers_contracts_iprovider_execute_statements (as_provider (provider), text.c_str (),
                                                                              0, &length, &error);
  *outcome = outcome_of (0, error);
  std::vector<std::string> described_items;
  if (items == nullptr)
    return described_items;
  for (gint i = 0; i < length; ++i) {
    if (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (items[i])) {
      std::string rows;
      for (const auto &row : cells_of (TORVANIX_PROVIDERS_CONTRACTS_TABLE_MODEL (items[i])))
        for (const auto &cell : row)
          rows += (rows.empty () ? "" : ", ") + cell;
      described_items.push_back ("table [" + rows + "]");
    } else {
      described_items.push_back (described (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (items[i])));
    }
    g_object_unref (items[i]);
  }
  EXPECT_EQ (items[length], nullptr);
  g_free (items);
  return described_items;
}

TEST (SQLiteStatements, ExecuteStatementsAnswersOneResultPerStatement)
{
  SQLiteProvider provider = opened (":memory:", "");
  Outcome o;
  auto items = statement_results (provider,
                                  "CREATE TABLE t (a INTEGER);  -- a comment\n"
                                  "INSERT INTO t VALUES (1), (2);\n"
                                  "SELECT a FROM t ORDER BY a;\n"
                                  "UPDATE t SET a = a + 10;\n"
                                  "UPDATE t SET a = a + 1 RETURNING a;;  ",
                                  &o);
  ASSERT_FALSE (o.failed) << o.message;
  const std::vector<std::string> expected = {
    "ValueUInt64 0",
    "ValueUInt64 2",
    "table [ValueInt64 1, ValueInt64 2]",
    "ValueUInt64 2",
    "table [ValueInt64 12, ValueInt64 13]",
  };
  EXPECT_EQ (items, expected);
}

TEST (SQLiteStatements, ALaterStatementsFailureIsTheCallsErrorAndWhatRanBeforeItStands)
{
  for (const char *shape : {"affect", "scalar", "model", "statements", "reader"}) {
    SQLiteProvider provider = opened (":memory:", "");
    ASSERT_FALSE (affect (provider, "CREATE TABLE t (a INTEGER PRIMARY KEY)").failed);
    const std::string text = "SELECT 1; INSERT INTO t VALUES (1); INSERT INTO nowhere VALUES (2); INSERT INTO t VALUES (3)";
    GError *error = nullptr;
    auto *base = as_provider (provider);
    const std::string which = shape;
    gpointer answer = nullptr;
    if (which == "affect")
      answer = GINT_TO_POINTER (torvanix_providers_contracts_iprovider_execute_affect (base, text.c_str (), 0, &error) != -1);
    else if (which == "scalar")
      answer = torvanix_providers_contracts_iprovider_execute_scalar (base, text.c_str (), 0, &error);
    else if (which == "model")
      answer = torvanix_providers_contracts_iprovider_execute_model (base, text.c_str (), 0, &error);
    else if (which == "statements")
      answer = torvanix_providers_contracts_iprovider_execute_statements (base, text.c_str (), 0, nullptr, &error);
    else
      answer = torvanix_providers_contracts_iprovider_execute_reader (base, text.c_str (), &error);
    Outcome o = outcome_of (0, error);
    EXPECT_EQ (answer, nullptr) << shape;
    EXPECT_TRUE (o.failed) << shape;
    EXPECT_EQ (o.code, SQLITE_ERROR) << shape;
    EXPECT_EQ (o.message, "no such table: nowhere") << shape;
    EXPECT_EQ (scalar (provider, "SELECT group_concat (a) FROM t"), "ValueString 1") << shape;
  }
}

TEST (SQLiteStatements, CountsBelongToTheStatementThatMadeThem)
{
  SQLiteProvider provider = opened (":memory:", "");
  struct Case {
    const char *text;
    gint64 count;
  };
  const Case cases[] = {
    {"CREATE TABLE t (a)", 0},
    {"INSERT INTO t VALUES (1), (2), (3)", 3},
    /* SQLite keeps the last change count through statements that change
     * nothing: a CREATE after an INSERT changed no row. */
    {"CREATE TABLE u (b)", 0},
    {"UPDATE t SET a = a WHERE a > 1", 2},
    {"SELECT * FROM t", 3},
    {"DELETE FROM t WHERE a = 99", 0},
    {"DROP TABLE u", 0},
    {"  ", 0},
  };
  for (const Case &c : cases) {
    Outcome o = affect (provider, c.text);
    EXPECT_FALSE (o.failed) << c.text << ": " << o.message;
    EXPECT_EQ (o.answer, c.count) << c.text;
  }
  EXPECT_EQ (scalar (provider, "UPDATE t SET a = 5 WHERE a = 1"), "ValueUInt64 1");
  EXPECT_EQ (scalar (provider, "SELECT a FROM t WHERE a > 100"), "ValueUInt64 0");
  EXPECT_EQ (scalar (provider, "SELECT NULL"), "ValueNull ");
}

/* execute_scalar keeps the first cell alone: it answers what the first
 * cell of the same query's table holds, whatever its column's declaration
 * and whatever the later rows hold. */
TEST (SQLiteStatements, AScalarIsTheFirstCellOfTheQuerysTable)
{
  SQLiteProvider provider = opened (":memory:", "");
  ASSERT_FALSE (affect (provider, "CREATE TABLE t (d DECIMAL(10,2), b BOOLEAN, u, r REAL, x BLOB);"
                                  "INSERT INTO t VALUES (1.5, 1, NULL, 2, x'00ff'), (2, 0, 7, 3.25, NULL),"
                                  "(3, 1, 'text', NULL, x'01')")
                 .failed);
  for (const char *query : {"SELECT d FROM t ORDER BY rowid", "SELECT b FROM t ORDER BY rowid",
                            "SELECT u FROM t ORDER BY rowid", "SELECT u FROM t ORDER BY rowid DESC",
                            "SELECT r, d FROM t ORDER BY rowid", "SELECT x FROM t ORDER BY rowid",
                            "SELECT d * 2 FROM t ORDER BY rowid", "SELECT 'a' || u FROM t ORDER BY rowid DESC"}) {
    auto table = model (provider, query);
    ASSERT_NE (table.get (), nullptr) << query;
    EXPECT_EQ (scalar (provider, query), cells_of (table.get ()).front ().front ()) << query;
  }
  EXPECT_EQ (scalar (provider, "SELECT d FROM t WHERE d > 100; SELECT 1"), "ValueUInt64 0");
  EXPECT_EQ (scalar (provider, "UPDATE t SET b = b WHERE d > 1.5; SELECT 1"), "ValueUInt64 2");
}

TEST (SQLiteStatements, ModelAndReaderRefuseAStatementWithoutRows)
{
  SQLiteProvider provider = opened (":memory:", "");
  Outcome o;
  auto table = model (provider, "CREATE TABLE t (a)", &o);
  EXPECT_EQ (table, nullptr);
  EXPECT_EQ (o.code, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER);
  EXPECT_EQ (o.message, "The statement returns no rows.");
  table = model (provider, "SELECT a AS first, a + 1 AS second FROM t");
  ASSERT_NE (table, nullptr);
  GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (table.get ());
  EXPECT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns)), 2);
  EXPECT_TRUE (cells_of (table.get ()).empty ());
}

/* A model's columns: the declared type, or for a column declared with
 * none the class of its first cell that is not null (STRING when every one
 * is), each sized by its longest TEXT or BLOB. */
TEST (SQLiteStatements, AModelsColumnsComeFromTheirDeclarationsOrTheirFirstCells)
{
  SQLiteProvider provider = opened (":memory:", "");
  ASSERT_FALSE (affect (provider, "CREATE TABLE t (d INTEGER, u, n);"
                                  "INSERT INTO t VALUES ('wide text', NULL, NULL), (1, 7, NULL), (2, 'abcd', NULL)")
                 .failed);
  auto table = model (provider, "SELECT d, u, n FROM t ORDER BY rowid");
  ASSERT_NE (table.get (), nullptr);
  GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (table.get ());
  const std::pair<TorvanixProvidersContractsDataType, gulong> expected[] = {
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, 9},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, 4},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, 0},
  };
  ASSERT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns)), 3);
  for (gint i = 0; i < 3; ++i) {
    auto *column = static_cast<TorvanixProvidersContractsColumnModel *> (
      gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), i));
    EXPECT_EQ (torvanix_providers_contracts_column_model_get_data_type (column), expected[i].first) << i;
    EXPECT_EQ (torvanix_providers_contracts_column_model_get_data_size (column), expected[i].second) << i;
    g_object_unref (column);
  }
  const std::vector<std::vector<std::string>> cells = {
    {"ValueString wide text", "ValueNull ", "ValueNull "},
    {"ValueInt64 1", "ValueInt64 7", "ValueNull "},
    {"ValueInt64 2", "ValueString abcd", "ValueNull "},
  };
  EXPECT_EQ (cells_of (table.get ()), cells);
}

/* A query that fails after rows were built answers its error and no table,
 * in every shape that builds tables; what was built is released. */
TEST (SQLiteStatements, AQueryThatFailsMidwayAnswersNoTable)
{
  SQLiteProvider provider = opened (":memory:", "");
  const char *text = "WITH RECURSIVE n (i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                     "SELECT i, 'row ' || i, CASE WHEN i = 1500 THEN abs (-9223372036854775807 - 1) ELSE i END FROM n";
  Outcome o;
  auto table = model (provider, text, &o);
  EXPECT_EQ (table.get (), nullptr);
  EXPECT_TRUE (o.failed);
  EXPECT_NE (o.message.find ("integer overflow"), std::string::npos) << o.message;
  auto items = statement_results (provider, std::string ("SELECT 1; ") + text, &o);
  EXPECT_TRUE (items.empty ());
  EXPECT_TRUE (o.failed);
}

TEST (SQLiteStatements, AReaderHoldsItsRowsWholeThroughCommitAndClose)
{
  ScratchFolder folder;
  SQLiteProvider provider = opened (folder.file ("r.db"));
  ASSERT_FALSE (affect (provider, "CREATE TABLE t (a INTEGER, b TEXT)").failed);
  ASSERT_FALSE (affect (provider, "WITH RECURSIVE n (i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100) "
                                  "INSERT INTO t SELECT i, 'row ' || i FROM n")
                   .failed);
  GError *error = nullptr;
  ASSERT_TRUE (torvanix_providers_contracts_iprovider_transaction (as_provider (provider), &error));
  auto reader = own (torvanix_providers_contracts_iprovider_execute_reader (as_provider (provider),
                                                                          "SELECT a, b FROM t ORDER BY a", &error));
  ASSERT_NE (reader, nullptr) << error->message;
  ASSERT_FALSE (affect (provider, "UPDATE t SET b = 'changed'").failed);
  torvanix_providers_contracts_iprovider_commit (as_provider (provider), &error);
  ASSERT_EQ (error, nullptr) << error->message;
  torvanix_providers_contracts_iprovider_close (as_provider (provider), nullptr);
  provider.reset ();

  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_field_count (reader.get ()), 2);
  EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_dbms_type (reader.get (), 1, nullptr)), "TEXT");
  int rows = 0;
  while (torvanix_providers_contracts_idata_reader_read (reader.get (), &error)) {
    ++rows;
    EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_int64 (reader.get (), 0, nullptr), rows);
    auto *value = torvanix_providers_contracts_idata_reader_get_value (reader.get (), 1, nullptr);
    EXPECT_EQ (described (value), "ValueString row " + std::to_string (rows));
    g_object_unref (value);
  }
  EXPECT_EQ (rows, 100);
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_get_is_closed (reader.get ()));
  /* Past the last row there is no cell to read. */
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_value (reader.get (), 0, &error), nullptr);
  Outcome o = outcome_of (0, error);
  EXPECT_EQ (o.message, "The reader has no current row.");
}

/* get_values answers each cell as get_value does, whatever the file holds
 * and the column declares, and nothing without a current row. */
TEST (SQLiteStatements, AReadersRowOfValuesIsItsValuesOneByOne)
{
  ScratchFolder folder;
  SQLiteProvider provider = opened (folder.file ("v.db"));
  ASSERT_FALSE (affect (provider, "CREATE TABLE t (i INTEGER, r REAL, s TEXT, b BLOB, d DATE, at DATETIME, "
                                  "flag BOOLEAN, price DECIMAL(10,2), n)")
                   .failed);
  ASSERT_FALSE (affect (provider, "INSERT INTO t VALUES (1, 1.5, 'one', x'00ff', '2024-02-29', '2024-02-29 10:11:12', 1, "
                                  "12.5, NULL), (-7, 0.1, CAST (x'ff' AS TEXT), NULL, '2024-13-01', 'later', 2, 3, 'x'), "
                                  "(NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 4)")
                   .failed);
  GError *error = nullptr;
  auto reader = own (torvanix_providers_contracts_iprovider_execute_reader (as_provider (provider),
                                                                          "SELECT * FROM t ORDER BY rowid", &error));
  ASSERT_NE (reader, nullptr) << error->message;
  auto no_row = [&reader] (const char *when) {
    SCOPED_TRACE (when);
    GError *failure = nullptr;
    gint length = -1;
    EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_values (reader.get (), &length, &failure), nullptr);
    EXPECT_EQ (length, 0);
    EXPECT_EQ (outcome_of (0, failure).message, "The reader has no current row.");
  };
  no_row ("before the first row");
  int rows = 0;
  while (torvanix_providers_contracts_idata_reader_read (reader.get (), &error)) {
    ++rows;
    gint length = -1;
    TorvanixProvidersContractsIValue **values =
        torvanix_providers_contracts_idata_reader_get_values (reader.get (), &length, &error);
    ASSERT_NE (values, nullptr) << error->message;
    ASSERT_EQ (length, 9);
    EXPECT_EQ (values[length], nullptr);
    for (gint i = 0; i < length; ++i) {
      SCOPED_TRACE (::testing::Message () << "row " << rows << ", column " << i);
      auto *one = torvanix_providers_contracts_idata_reader_get_value (reader.get (), static_cast<guint16> (i), nullptr);
      ASSERT_NE (values[i], nullptr);
      EXPECT_EQ (G_OBJECT_TYPE (values[i]), G_OBJECT_TYPE (one));
      EXPECT_EQ (described (values[i]), described (one));
      g_object_unref (one);
      g_object_unref (values[i]);
    }
    g_free (values);
  }
  EXPECT_EQ (rows, 3);
  no_row ("after the last row");
}

TEST (SQLiteStatements, SqlTextThatIsNotUtf8IsRefusedBeforeTheEngineSeesIt)
{
  SQLiteProvider provider = opened (":memory:", "");
  Outcome o = affect (provider, "SELECT '\xff'");
  EXPECT_TRUE (o.failed);
  EXPECT_EQ (o.code, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER);
  EXPECT_NE (o.message.find ("not valid UTF-8"), std::string::npos) << o.message;
}

}  // namespace
}  // namespace providers::testing
