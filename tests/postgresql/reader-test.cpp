/* The provider's reader: the first statement's whole result, kept past
 * later statements and the provider's end; a failure anywhere in the rows
 * is the call's; the columns described by the server's names; the getters
 * in the server's notation, and the whole-row values equal to a model's. */
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "pg-test-calls.h"
#include "pg-test-server.h"

using namespace providers::testing;

namespace {

using Reader = TorvanixProvidersContractsIDataReader;
using IValue = TorvanixProvidersContractsIValue;

Owned<Reader> reader_of (const Owned<TorvanixProvidersSupportsPostgreSQLProvider> &provider, const std::string &text,
                         std::string *failure = nullptr)
{
  GError *error = nullptr;
  auto reader = own (torvanix_providers_contracts_iprovider_execute_reader (as_provider (provider), text.c_str (), &error));
  EXPECT_EQ (reader == nullptr, error != nullptr);
  if (failure)
    *failure = error ? error->message : "";
  g_clear_error (&error);
  return reader;
}

/* The current row's values as text, NULL as "<null>". */
std::vector<std::string> row_texts (Reader *reader)
{
  gint length = 0;
  IValue **values = torvanix_providers_contracts_idata_reader_get_values (reader, &length, nullptr);
  std::vector<std::string> texts;
  for (gint i = 0; i < length; ++i) {
    texts.push_back (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_NULL (values[i])
                         ? "<null>"
                         : take_string (torvanix_providers_contracts_ivalue_to_string (values[i])));
    g_object_unref (values[i]);
  }
  g_free (values);
  return texts;
}

class PostgreSQLReader : public ::testing::Test {
 protected:
  void TearDown () override { observer_.cell ("DROP TABLE IF EXISTS " + table_); }

  Owned<TorvanixProvidersSupportsPostgreSQLProvider> provider_ = open_pg_provider ();
  PgObserver observer_;
  std::string table_ = unique_name ("pg_reader");
};

TEST_F (PostgreSQLReader, KeepsItsWholeResultPastLaterStatementsAndTheProvidersEnd)
{
  ASSERT_EQ (observer_.cell ("CREATE TABLE " + table_ + " (id int)"), "");
  /* Long enough for the rows to be built ahead on another thread. */
  auto reader = reader_of (provider_, "SELECT g, 'row ' || g FROM generate_series (1, 5000) g; INSERT INTO " + table_
                                          + " VALUES (1)");
  ASSERT_NE (reader, nullptr);
  /* The later statement ran, and the provider goes on. */
  EXPECT_EQ (observer_.cell ("SELECT count(*) FROM " + table_), "1");
  EXPECT_EQ (affect (provider_, "INSERT INTO " + table_ + " VALUES (2)").answer, 1);
  torvanix_providers_contracts_iprovider_close (as_provider (provider_), nullptr);
  provider_.reset ();

  int rows = 0;
  while (torvanix_providers_contracts_idata_reader_read (reader.get (), nullptr)) {
    ++rows;
    /* Every row its own, whether built here or ahead. */
    ASSERT_EQ (row_texts (reader.get ()), (std::vector<std::string>{std::to_string (rows), "row " + std::to_string (rows)}));
  }
  EXPECT_EQ (rows, 5000);
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_get_is_closed (reader.get ()));
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_read (reader.get (), nullptr));
}

TEST_F (PostgreSQLReader, AFailureAnywhereInTheTextIsTheCallsNeverAShortReader)
{
  struct Case {
    std::string text;
    std::string failure;
  };
  for (const Case &c : {
           Case{"SELECT 1 / (i - 4000) FROM generate_series (1, 5000) i", "division by zero"},
           Case{"SELECT 1; SELECT 1 / 0", "division by zero"},
           Case{"CREATE TEMP TABLE t_reader (i int)", "No data return by non-select statement"},
           Case{"", "No data return by non-select statement"},
       }) {
    std::string failure;
    EXPECT_EQ (reader_of (provider_, c.text, &failure), nullptr) << c.text;
    EXPECT_EQ (failure, c.failure) << c.text;
  }
  /* A reader before a statement without rows is the first statement's. */
  auto reader = reader_of (provider_, "SELECT 7; SET application_name = 'reader'");
  ASSERT_NE (reader, nullptr);
  ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (reader.get (), nullptr));
  EXPECT_EQ (row_texts (reader.get ()), std::vector<std::string>{"7"});
}

TEST_F (PostgreSQLReader, DescribesColumnsByTheServersTypeNames)
{
  std::string type = table_ + "_mood";
  ASSERT_EQ (observer_.cell ("CREATE TYPE " + type + " AS ENUM ('sad', 'happy')"), "");
  auto reader = reader_of (provider_, "SELECT 1 AS one, v AS label, 'happy'::" + type + " AS mood, '\\x00ff'::bytea, "
                                      "ARRAY[1] FROM (VALUES ('a'), ('abcd'), (NULL)) AS t (v)");
  observer_.cell ("DROP TYPE " + type);
  ASSERT_NE (reader, nullptr);
  Reader *r = reader.get ();
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_field_count (r), 5);
  const std::vector<std::string> names = {"one", "label", "mood", "bytea", "array"};
  const std::vector<std::string> types = {"int4", "text", type, "bytea", "_int4"};
  for (guint16 i = 0; i < 5; ++i) {
    EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_name (r, i, nullptr)), names[i]);
    EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_dbms_type (r, i, nullptr)), types[i]);
  }
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_data_type (r, 0, nullptr),
             TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
  /* The widest cell, bytes as their bytes. */
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_size (r, 1, nullptr), 4);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_size (r, 3, nullptr), 2);
}

TEST_F (PostgreSQLReader, GettersReadTheServersNotation)
{
  auto reader = reader_of (provider_,
                           "SELECT true, false, '\\x00ff41'::bytea, interval '1 day 02:03:04.5', interval '-00:00:01', "
                           "interval '1 mon 2 days', 9000000000::int8, 'NaN'::float8, date '2020-02-29', "
                           "timestamptz '2020-01-02 03:04:05.25+00', NULL::int4, '<a/>'::xml, point (1, 2)");
  ASSERT_NE (reader, nullptr);
  Reader *r = reader.get ();
  ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (r, nullptr));
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_get_boolean (r, 0, nullptr));
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_get_boolean (r, 1, nullptr));
  gint length = 0;
  guint8 *bytes = torvanix_providers_contracts_idata_reader_get_binary (r, 2, &length, nullptr);
  EXPECT_EQ (std::string (reinterpret_cast<char *> (bytes), static_cast<std::size_t> (length)), std::string ("\0\xff" "A", 3));
  g_free (bytes);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_timespan (r, 3, nullptr),
             G_TIME_SPAN_DAY + 2 * G_TIME_SPAN_HOUR + 3 * G_TIME_SPAN_MINUTE + 4500 * G_TIME_SPAN_MILLISECOND);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_timespan (r, 4, nullptr), -G_TIME_SPAN_SECOND);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_timespan (r, 5, nullptr), 0);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_int64 (r, 6, nullptr), 9000000000);
  EXPECT_TRUE (std::isnan (torvanix_providers_contracts_idata_reader_get_double (r, 7, nullptr)));
  GDate date;
  torvanix_providers_contracts_idata_reader_get_date (r, 8, &date, nullptr);
  ASSERT_TRUE (g_date_valid (&date));
  EXPECT_EQ (g_date_get_day (&date), 29);
  GDateTime *at = torvanix_providers_contracts_idata_reader_get_datetime (r, 9, nullptr);
  ASSERT_NE (at, nullptr);
  EXPECT_EQ (g_date_time_to_unix (at), 1577934245);
  EXPECT_EQ (g_date_time_get_microsecond (at), 250000);
  g_date_time_unref (at);
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_is_null (r, 10, nullptr));
  EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_xml (r, 11, nullptr)), "<a/>");
  EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_geometry (r, 12, nullptr)), "(1,2)");
}

/* A reader's values are a model's, cell for cell. */
TEST_F (PostgreSQLReader, ValuesAreTheModelsCells)
{
  const std::string text = "SELECT 1::int2, 2::int8, 1.50::numeric(4,2), 'x'::text, true, '\\x01'::bytea, NULL::int4, "
                           "date '0044-03-15 BC', timestamp '2020-01-02 03:04:05.123456', '{1,2}'::int4[], "
                           "'a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11'::uuid, '{\"a\": 1}'::jsonb, '<a/>'::xml";
  GError *error = nullptr;
  auto table = own (torvanix_providers_contracts_iprovider_execute_model (as_provider (provider_), text.c_str (), 0, &error));
  ASSERT_NE (table, nullptr) << error->message;
  auto row = own (G_OBJECT (g_list_model_get_item (G_LIST_MODEL (table.get ()), 0)));
  std::vector<std::string> expected;
  for (guint i = 0; i < g_list_model_get_n_items (G_LIST_MODEL (row.get ())); ++i) {
    auto value = own (static_cast<IValue *> (g_list_model_get_item (G_LIST_MODEL (row.get ()), i)));
    expected.push_back (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_NULL (value.get ())
                            ? "<null>"
                            : std::string (G_OBJECT_TYPE_NAME (value.get ())) + " "
                                  + take_string (torvanix_providers_contracts_ivalue_to_string (value.get ())));
  }
  auto reader = reader_of (provider_, text);
  ASSERT_NE (reader, nullptr);
  ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (reader.get (), nullptr));
  std::vector<std::string> read;
  for (guint16 i = 0; i < expected.size (); ++i) {
    auto value = own (torvanix_providers_contracts_idata_reader_get_value (reader.get (), i, nullptr));
    read.push_back (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_NULL (value.get ())
                        ? "<null>"
                        : std::string (G_OBJECT_TYPE_NAME (value.get ())) + " "
                              + take_string (torvanix_providers_contracts_ivalue_to_string (value.get ())));
  }
  EXPECT_EQ (read, expected);
  /* The classes the column's data type names, not text values. */
  ASSERT_EQ (expected.size (), 13u);
  EXPECT_EQ (expected[4], "TorvanixProvidersContractsValueBoolean true");
  EXPECT_EQ (expected[10], "TorvanixProvidersContractsValueUuid a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11");
  EXPECT_EQ (expected[12], "TorvanixProvidersContractsValueXml <a/>");
}

}  // namespace
