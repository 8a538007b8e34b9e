/* Cells under dynamic typing: the declared type's data type, and each
 * cell a value that holds and prints what the file holds, of its column's
 * class when that class holds it exactly and of its own storage class
 * when not. */
#include <gtest/gtest.h>

#include "sqlite-test-calls.h"

namespace providers::testing {
namespace {

TEST (SQLiteCells, DeclaredTypesFollowTheAffinityRulesAndAFewNames)
{
  struct Case {
    const char *declared;
    TorvanixProvidersContractsDataType data_type;
  };
  const Case cases[] = {
    {"INTEGER", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64},
    {"unsigned big int", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64},
    {"POINT", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64}, /* "INT" comes first */
    {"VARCHAR(20)", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
    {"CLOB", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
    {"CHARINT", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64},
    {"BLOB", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB},
    {"DOUBLE PRECISION", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE},
    {"FLOATING POINT", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64},
    {"real", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE},
    {"MONEY", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL},
    {"decimal (10, 2)", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL},
    {"NUMERIC", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL},
    {"Date", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE},
    {"TIME", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME},
    {"DATETIME", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
    {"TIMESTAMP(6)", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP},
    {"BOOLEAN", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN},
    {"bool", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN},
    {"JSON", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON},
    {"UUID", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID},
    {"", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN},
    {nullptr, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN},
  };
  for (const Case &c : cases)
    EXPECT_EQ (torvanix_providers_supports_sq_lite_type_data_type (c.declared), c.data_type)
        << (c.declared != nullptr ? c.declared : "(null)");
}

TEST (SQLiteCells, EachCellHoldsAndPrintsWhatTheFileHolds)
{
  SQLiteProvider provider = opened (":memory:", "");
  ASSERT_FALSE (affect (provider, "CREATE TABLE c (i INTEGER, d DATE, t DATETIME, b BOOLEAN, n DECIMAL(20, 2), "
                                  "r REAL, s TEXT, j JSON, u UUID, x BLOB, v)")
                   .failed);
  struct Case {
    const char *column;
    const char *literal;
    const char *expected;
  };
  const Case cases[] = {
    {"i", "42", "ValueInt64 42"},
    {"i", "9223372036854775807", "ValueInt64 9223372036854775807"},
    {"i", "-9223372036854775808", "ValueInt64 -9223372036854775808"},
    {"i", "'abc'", "ValueString abc"},
    {"i", "2.5", "ValueDouble 2.50"},
    {"d", "'2024-01-15'", "ValueDate 2024-01-15"},
    {"d", "1700000000", "ValueInt64 1700000000"},
    {"d", "'2024-13-45'", "ValueString 2024-13-45"},
    {"d", "'yesterday'", "ValueString yesterday"},
    {"t", "'not a time'", "ValueString not a time"},
    {"t", "'2024-02-29 18:05:12'", "ValueDateTime 2024-02-29 18:05:12"},
    {"t", "'2024-02-29T18:05:12'", "ValueString 2024-02-29T18:05:12"},
    {"d", "'2023-02-29'", "ValueString 2023-02-29"},
    {"b", "1", "ValueBoolean true"},
    {"b", "0", "ValueBoolean false"},
    {"b", "2", "ValueInt64 2"},
    {"b", "'yes'", "ValueString yes"},
    {"n", "12.5", "ValueDecimal 12.5"},
    {"n", "9007199254740993", "ValueDecimal 9007199254740993"},
    {"n", "'12.50 EUR'", "ValueString 12.50 EUR"},
    {"s", "123", "ValueString 123"}, /* TEXT affinity stores the digits as text */
    {"j", "'{\"a\": [1, 2]}'", "ValueJson {\"a\": [1, 2]}"},
    {"x", "x'00ff'", "ValueBlob 00FF"},
    {"v", "'héllo'", "ValueString héllo"},
    {"v", "x''", "ValueBlob "},
    {"v", "NULL", "ValueNull "},
  };
  for (const Case &c : cases) {
    ASSERT_FALSE (affect (provider, "DELETE FROM c").failed);
    std::string insert = std::string ("INSERT INTO c (") + c.column + ") VALUES (" + c.literal + ")";
    ASSERT_FALSE (affect (provider, insert).failed) << insert;
    auto table = model (provider, std::string ("SELECT ") + c.column + " FROM c");
    ASSERT_NE (table, nullptr);
    auto cells = cells_of (table.get ());
    ASSERT_EQ (cells.size (), 1u);
    EXPECT_EQ (cells[0][0], c.expected) << c.column << " = " << c.literal;
  }
}

TEST (SQLiteCells, TextThatCannotBeATextValueBecomesEveryOneOfItsBytes)
{
  SQLiteProvider provider = opened (":memory:", "");
  struct Case {
    const char *expression;
    std::string bytes;
  };
  const Case cases[] = {
    {"CAST (x'610062' AS TEXT)", std::string ("a\0b", 3)},
    {"char (0xd800)", "\xed\xa0\x80"},
    {"CAST (x'ff41' AS TEXT)", "\xff" "A"},
    {"'tail' || char (0)", std::string ("tail\0", 5)},
  };
  for (const Case &c : cases) {
    GError *error = nullptr;
    std::string text = std::string ("SELECT ") + c.expression;
    auto *value = torvanix_providers_contracts_iprovider_execute_scalar (as_provider (provider), text.c_str (), 0, &error);
    ASSERT_NE (value, nullptr) << c.expression;
    ASSERT_TRUE (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (value)) << c.expression << ": " << described (value);
    GBytes *bytes = torvanix_providers_contracts_value_binary_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (value));
    gsize length = 0;
    const auto *data = static_cast<const char *> (bytes != nullptr ? g_bytes_get_data (bytes, &length) : nullptr);
    EXPECT_EQ (std::string (data != nullptr ? data : "", length), c.bytes) << c.expression;
    g_object_unref (value);
  }
}

TEST (SQLiteCells, RealsReadBackToTheSameDouble)
{
  SQLiteProvider provider = opened (":memory:", "");
  for (const char *literal : {"0.1", "1e308", "-2.2250738585072014e-308", "4.9e-324", "123456789.123456789",
                              "0.30000000000000004"}) {
    GError *error = nullptr;
    std::string text = std::string ("SELECT CAST (") + literal + " AS REAL)";
    auto *value = torvanix_providers_contracts_iprovider_execute_scalar (as_provider (provider), text.c_str (), 0, &error);
    ASSERT_TRUE (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_DOUBLE (value)) << literal;
    EXPECT_EQ (torvanix_providers_contracts_value_double_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DOUBLE (value)),
               g_ascii_strtod (literal, nullptr))
        << literal;
    g_object_unref (value);
  }
}

}  // namespace
}  // namespace providers::testing
