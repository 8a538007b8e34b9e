/* The statements that answer data: one value, a table, one result per
 * statement of a text; the first statement answers, a later one's
 * failure is the call's. The reader's own cases are in reader-test.cpp. */
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pg-test-calls.h"
#include "pg-test-server.h"
#include "support/log-capture.h"

using namespace providers::testing;

namespace {

using IValue = TorvanixProvidersContractsIValue;

class PostgreSQLShapes : public ::testing::Test {
 protected:
  void SetUp () override
  {
    ASSERT_EQ (observer_.cell ("CREATE TABLE " + table_ + " (id int PRIMARY KEY)"), "");
    ASSERT_EQ (observer_.cell ("INSERT INTO " + table_ + " VALUES (1), (2), (3)"), "");
  }
  void TearDown () override { observer_.cell ("DROP TABLE IF EXISTS " + table_); }

  /* The scalar's class and print, or the error's text. */
  std::string scalar (const std::string &text)
  {
    GError *error = nullptr;
    auto value = own (torvanix_providers_contracts_iprovider_execute_scalar (as_provider (provider_), text.c_str (), 0,
                                                                             &error));
    if (!value) {
      std::string message = error ? error->message : "no error";
      g_clear_error (&error);
      return "error: " + message;
    }
    return std::string (G_OBJECT_TYPE_NAME (value.get ())) + " "
           + take_string (torvanix_providers_contracts_ivalue_to_string (value.get ()));
  }

  /* The table's rows and columns, or the error's text. */
  std::string model (const std::string &text)
  {
    GError *error = nullptr;
    auto table = own (torvanix_providers_contracts_iprovider_execute_model (as_provider (provider_), text.c_str (), 0,
                                                                            &error));
    if (!table) {
      std::string message = error ? error->message : "no error";
      g_clear_error (&error);
      return "error: " + message;
    }
    GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (table.get ());
    return std::to_string (g_list_model_get_n_items (G_LIST_MODEL (table.get ()))) + "x"
           + std::to_string (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns)));
  }

  /* Each item's class, or the error's text. */
  std::string statements (const std::string &text)
  {
    GError *error = nullptr;
    gint length = -1;
    GObject **items = torvanix_providers_contracts_iprovider_execute_statements (as_provider (provider_), text.c_str (),
                                                                                0, &length, &error);
    if (!items) {
      std::string message = error ? error->message : "no error";
      g_clear_error (&error);
      return "error: " + message;
    }
    std::string answer;
    for (gint i = 0; i < length; ++i) {
      answer += (i ? " " : "") + std::string (G_OBJECT_TYPE_NAME (items[i]));
      g_object_unref (items[i]);
    }
    g_free (items);
    return answer;
  }

  std::string count () { return observer_.cell ("SELECT count(*) FROM " + table_); }

  Owned<TorvanixProvidersSupportsPostgreSQLProvider> provider_ = open_pg_provider ();
  PgObserver observer_;
  std::string table_ = unique_name ("pg_shapes");
};

TEST_F (PostgreSQLShapes, ScalarIsTheFirstCellOrTheCount)
{
  struct Case {
    std::string text;
    std::string answer;
  };
  const std::string t = table_;
  for (const Case &c : {
           Case{"SELECT 1", "TorvanixProvidersContractsValueInt32 1"},
           Case{"SELECT NULL", "TorvanixProvidersContractsValueNull "},
           Case{"SELECT 'x' || 'y', 2", "TorvanixProvidersContractsValueString xy"},
           Case{"SELECT id FROM " + t + " WHERE id < 0", "TorvanixProvidersContractsValueUInt64 0"},
           Case{"UPDATE " + t + " SET id = id", "TorvanixProvidersContractsValueUInt64 3"},
           Case{"SELECT count(*) FROM " + t + "; DELETE FROM " + t, "TorvanixProvidersContractsValueInt64 3"},
           Case{"SELECT 1; SELECT * FROM no_such_table", "error: relation \"no_such_table\" does not exist"},
       })
    EXPECT_EQ (scalar (c.text), c.answer) << c.text;
  /* The DELETE after the first statement ran too. */
  EXPECT_EQ (count (), "0");
}

TEST_F (PostgreSQLShapes, ModelIsTheFirstStatementsRows)
{
  struct Case {
    std::string text;
    std::string answer;
  };
  const std::string t = table_;
  for (const Case &c : {
           Case{"SELECT * FROM " + t, "3x1"},
           Case{"SELECT id, id FROM " + t + " WHERE id < 0", "0x2"},
           Case{"SELECT * FROM " + t + "; SELECT 1, 2, 3", "3x1"},
           Case{"INSERT INTO " + t + " VALUES (4)", "error: No data return by non-select statement"},
           Case{"", "error: No data return by non-select statement"},
           Case{"SELECT * FROM " + t + "; SELECT 1/0", "error: division by zero"},
           /* A query breaking off in the middle of its rows. */
           Case{"SELECT 1 / (i - 1000) FROM generate_series (1, 2000) i", "error: division by zero"},
       })
    EXPECT_EQ (model (c.text), c.answer) << c.text;
  EXPECT_EQ (count (), "4");
}

TEST_F (PostgreSQLShapes, StatementsAnswerOneResultEachOrNone)
{
  const std::string t = table_;
  EXPECT_EQ (statements ("UPDATE " + t + " SET id = id + 10; SELECT * FROM " + t + "; ; SELECT 1 WHERE false"),
             "TorvanixProvidersContractsValueUInt64 TorvanixProvidersContractsTableModel "
             "TorvanixProvidersContractsTableModel");
  /* The server undoes the text's work when a later statement fails: no
   * count answered as done. */
  EXPECT_EQ (statements ("DELETE FROM " + t + " WHERE id = 11; SELECT 1; INSERT INTO " + t + " VALUES (12)"),
             "error: duplicate key value violates unique constraint \"" + t + "_pkey\"");
  EXPECT_EQ (count (), "3");
  EXPECT_EQ (statements (""), "");
}

/* The slots' and the constructor's argument checks, before any
 * connection: each names its own function and answers null. */
TEST (PostgreSQLArguments, NullStatementsAndForeignTypesAreRefused)
{
  auto provider = own (torvanix_providers_supports_postgre_sql_provider_new ());
  auto *p = as_provider (provider);
  LogCapture log;
  gint length = -1;
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_model (p, nullptr, 0, nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_scalar (p, nullptr, 0, nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_reader (p, nullptr, nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_statements (p, nullptr, 0, &length, nullptr), nullptr);
  EXPECT_EQ (length, -1);
  EXPECT_EQ (torvanix_providers_supports_postgre_sql_provider_construct (G_TYPE_OBJECT), nullptr);
  std::vector<std::string> expected = {
    assertion_text ("provider_execute_model", "statement != NULL"),
    assertion_text ("provider_execute_scalar", "statement != NULL"),
    assertion_text ("provider_execute_reader", "statement != NULL"),
    assertion_text ("provider_execute_statements", "statements != NULL"),
    assertion_text ("torvanix_providers_supports_postgre_sql_provider_construct",
                    "g_type_is_a (object_type, TORVANIX_PROVIDERS_SUPPORTS_TYPE_POSTGRE_SQL_PROVIDER)"),
  };
  EXPECT_EQ (log.criticals (), expected);
}

}  // namespace
