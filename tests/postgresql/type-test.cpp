/* The type map against the server's own catalog, and the types a
 * session's catalog adds as results show them. */
#include <gtest/gtest.h>

#include <string>
#include <unistd.h>
#include <vector>

#include "pg-test-calls.h"
#include "pg-test-server.h"
#include "support/result-cells.h"

using namespace providers::testing;

namespace {

using DataType = TorvanixProvidersContractsDataType;

std::string name_of (guint32 oid) { return take_string (torvanix_providers_supports_postgre_sql_type_name (oid)); }
DataType data_type_of (guint32 oid) { return torvanix_providers_supports_postgre_sql_type_data_type (oid); }

TEST (PostgreSQLType, EveryBuiltInTypeByTheServersName)
{
  PgObserver observer;
  auto types = observer.rows (
      "SELECT oid, typname, typtype = 'c' OR (typelem <> 0 AND (SELECT typtype FROM pg_type e WHERE e.oid = "
      "t.typelem) = 'c'), typcategory = 'A' AND typname NOT IN ('int2vector', 'oidvector') "
      "FROM pg_type t WHERE typnamespace = 'pg_catalog'::regnamespace");
  ASSERT_GT (types.size (), 300u);
  for (const auto &type : types) {
    auto oid = static_cast<guint32> (std::stoul (type[0]));
    bool catalog_row = type[2] == "t", array = type[3] == "t";
    /* The catalogs' own row types are no built-in type of results. */
    EXPECT_EQ (name_of (oid), catalog_row ? "" : type[1]) << oid;
    if (array && !catalog_row) {
      EXPECT_EQ (data_type_of (oid), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY) << type[1];
    }
  }
}

TEST (PostgreSQLType, ValueClassOnlyWhereItHoldsTheType)
{
  struct Case {
    const char *type;
    DataType data_type;
  };
  PgObserver observer;
  for (const Case &c : {
           Case{"bool", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN},
           Case{"int2", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT16},
           Case{"int4", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
           Case{"int8", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64},
           Case{"oid", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32},
           Case{"float4", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT},
           Case{"float8", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE},
           Case{"numeric", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL},
           Case{"bytea", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY},
           Case{"uuid", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID},
           Case{"json", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON},
           Case{"jsonb", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON},
           Case{"xml", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_XML},
           Case{"date", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE},
           Case{"time", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME},
           Case{"timestamp", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
           Case{"timestamptz", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP},
           /* Text the server spells its own way stays text. */
           Case{"money", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
           Case{"interval", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
           Case{"inet", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
           Case{"varbit", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
           Case{"point", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
           Case{"int4range", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
           Case{"int2vector", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
           Case{"_int4", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY},
           Case{"_timestamptz", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY},
       }) {
    auto oid = static_cast<guint32> (std::stoul (observer.cell (std::string ("SELECT '") + c.type + "'::regtype::oid")));
    EXPECT_EQ (data_type_of (oid), c.data_type) << c.type;
  }
  /* A type the catalog made later: an enumeration here. */
  EXPECT_EQ (data_type_of (999999), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
  EXPECT_EQ (name_of (999999), "");
  EXPECT_EQ (name_of (0), "");
}

/* Types a session makes after its provider opened, in a schema of the
 * test's own: the provider looks them up on the connection that made
 * them, after the results that show them first. */
class PostgreSQLUserTypes : public ::testing::Test {
 protected:
  void SetUp () override
  {
    Outcome made = affect (provider_, "CREATE SCHEMA " + schema_ + "; CREATE TYPE " + schema_
                                          + ".mood AS ENUM ('sad', 'ok', 'happy'); CREATE TYPE " + schema_
                                          + ".pair AS (a int, b text); CREATE DOMAIN " + schema_
                                          + ".mood_domain AS " + schema_ + ".mood; CREATE TYPE " + schema_
                                          + ".mood_range AS RANGE (subtype = " + schema_ + ".mood)");
    ASSERT_FALSE (made.failed) << made.message;
  }
  void TearDown () override { PgObserver ().cell ("DROP SCHEMA IF EXISTS " + schema_ + " CASCADE"); }

  std::string type (const std::string &name) const { return schema_ + "." + name; }

  GObject **statements (const std::string &text, gint &count)
  {
    GError *error = nullptr;
    GObject **items = torvanix_providers_contracts_iprovider_execute_statements (as_provider (provider_), text.c_str (),
                                                                                 0, &count, &error);
    EXPECT_EQ (error, nullptr) << error->message;
    g_clear_error (&error);
    return items;
  }

  const std::string schema_ = "user_types_" + std::to_string (getpid ());
  Owned<TorvanixProvidersSupportsPostgreSQLProvider> provider_ = open_pg_provider ();
};

TEST_F (PostgreSQLUserTypes, ColumnsByTheKindOfTheirType)
{
  ResultCells cells = through_model (
      as_provider (provider_), "SELECT 'happy'::" + type ("mood") + ", ARRAY['sad', NULL]::" + type ("mood")
                                   + "[], ROW(1, 'a b')::" + type ("pair") + ", '[sad,happy)'::" + type ("mood_range")
                                   + ", 'ok'::" + type ("mood_domain") + ", NULL::" + type ("mood"));
  ASSERT_FALSE (cells.failed);
  EXPECT_EQ (cells.types, (std::vector<DataType>{
                              TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY,
                              TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING,
                              TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM}));
  ASSERT_EQ (cells.rows.size (), 1u);
  EXPECT_EQ (cells.rows[0], (std::vector<std::optional<std::string>>{"happy", "{sad,NULL}", "(1,\"a b\")", "[sad,happy)",
                                                                      "ok", std::nullopt}));
  /* Known now: the next result is filled as it arrives. */
  ResultCells again = through_model (as_provider (provider_), "SELECT 'sad'::" + type ("mood"));
  EXPECT_EQ (again.types, std::vector<DataType>{TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM});
  EXPECT_EQ (again.rows, (std::vector<std::vector<std::optional<std::string>>>{{"sad"}}));
}

/* Rows held for a type made by the same text, past the fill's chunks, in
 * the order of the text's results, with a statement of known types
 * between them. */
TEST_F (PostgreSQLUserTypes, LongResultsOfATypeTheTextMadeKeepTheirOrder)
{
  gint count = 0;
  GObject **items = statements ("CREATE TYPE " + type ("level") + " AS ENUM ('low', 'high'); SELECT i, CASE i % 2 WHEN 0 "
                                    "THEN 'low' ELSE 'high' END::" + type ("level") + ", i % 2 = 0 FROM "
                                    "generate_series(1, 1500) i; SELECT 7; SELECT 'high'::" + type ("level"),
                                count);
  ASSERT_NE (items, nullptr);
  ASSERT_EQ (count, 4);
  auto table = [&] (int i) {
    return cells_of (TORVANIX_PROVIDERS_CONTRACTS_TABLE_MODEL (items[i]));
  };
  ResultCells long_result = table (1);
  EXPECT_EQ (long_result.types, (std::vector<DataType>{TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32,
                                                       TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM,
                                                       TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN}));
  ASSERT_EQ (long_result.rows.size (), 1500u);
  EXPECT_EQ (long_result.rows[0], (std::vector<std::optional<std::string>>{"1", "high", "false"}));
  EXPECT_EQ (long_result.rows[1499], (std::vector<std::optional<std::string>>{"1500", "low", "true"}));
  EXPECT_EQ (table (2).rows, (std::vector<std::vector<std::optional<std::string>>>{{"7"}}));
  EXPECT_EQ (table (3).types, std::vector<DataType>{TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM});
  for (gint i = 0; i < count; ++i)
    g_object_unref (items[i]);
  g_free (items);
}

/* A type made inside a transaction is looked up there, and the lookup
 * leaves the transaction to the caller. */
TEST_F (PostgreSQLUserTypes, ScalarOfATypeMadeInTheOpenTransaction)
{
  GError *error = nullptr;
  auto *base = as_provider (provider_);
  torvanix_providers_contracts_iprovider_transaction (base, &error);
  ASSERT_EQ (error, nullptr);
  ASSERT_FALSE (affect (provider_, "CREATE TYPE " + type ("state") + " AS ENUM ('open', 'shut')").failed);
  auto value = own (torvanix_providers_contracts_iprovider_execute_scalar (
      base, ("SELECT 'shut'::" + type ("state")).c_str (), 0, &error));
  ASSERT_NE (value, nullptr) << error->message;
  EXPECT_TRUE (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ENUM (value.get ()));
  EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (value.get ())), "shut");
  torvanix_providers_contracts_iprovider_commit (base, &error);
  ASSERT_EQ (error, nullptr) << error->message;
  EXPECT_EQ (PgObserver ().cell ("SELECT 'open'::" + type ("state") + "::text"), "open");
}

}  // namespace
