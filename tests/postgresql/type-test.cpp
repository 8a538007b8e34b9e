/* The type map against the server's own catalog. */
#include <gtest/gtest.h>

#include <string>

#include "pg-test-server.h"

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

}  // namespace
