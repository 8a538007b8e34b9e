/* Data type names, the GType mappings in both directions, and row versions. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include "support/gobject-test.h"

using providers::testing::take_string;

namespace {

constexpr int kLastDataType = TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR;

TorvanixProvidersContractsDataType dt (int n) { return static_cast<TorvanixProvidersContractsDataType> (n); }

TEST (DataTypeNames, EveryNumberHasItsNickAndNothingElseHasOne)
{
  const char *nicks[] = {"unknown", "dbnull", "boolean", "int8", "int16", "int32", "int64", "uint8", "uint16", "uint32",
                         "uint64", "enum", "flags", "set", "money", "decimal", "float", "double", "date", "time",
                         "datetime", "timespan", "timestamp", "string", "wstring", "xml", "uuid", "json", "geometry",
                         "geography", "binary", "blob", "object", "pointer", "variant", "array", "error"};
  ASSERT_EQ (G_N_ELEMENTS (nicks), static_cast<size_t> (kLastDataType + 1));
  for (int n = 0; n <= kLastDataType; ++n)
    EXPECT_EQ (take_string (torvanix_providers_contracts_data_type_to_string (dt (n))), nicks[n]) << n;
  /* Numbers outside the enumeration are checked from C (tests/abi), where
   * passing them is well defined. */
  EXPECT_STREQ (g_type_name (torvanix_providers_contracts_data_type_get_type ()), "TorvanixProvidersContractsDataType");
}

TEST (DataTypeNames, RowVersionsPrintTheirFirstFlagInUpperCase)
{
  struct { int flags; const char *text; } cases[] = {
    {0, "INITIAL"}, {1, "IDENTICAL"}, {2, "DELETE"}, {4, "INSERT"}, {8, "UPDATE"},
    {6, "DELETE"}, {10, "DELETE"}, {12, "INSERT"}, {15, "IDENTICAL"},
  };
  for (const auto &c : cases)
    EXPECT_EQ (take_string (torvanix_providers_contracts_data_version_to_string (
                   static_cast<TorvanixProvidersContractsDataVersion> (c.flags))),
               c.text)
        << c.flags;
  EXPECT_EQ (torvanix_providers_contracts_data_version_all (), 15);
  EXPECT_EQ (take_string (torvanix_providers_contracts_data_version_to_string (torvanix_providers_contracts_data_version_all ())),
             "IDENTICAL");
  EXPECT_TRUE (G_TYPE_IS_FLAGS (torvanix_providers_contracts_data_version_get_type ()));
  EXPECT_STREQ (g_type_name (torvanix_providers_contracts_data_version_get_type ()), "TorvanixProvidersContractsDataVersion");
}

TEST (DataTypeMapping, GlibTypesFollowTheTableIncludingTheSignedUnsignedQuirks)
{
  struct { TorvanixProvidersContractsDataType type; GType expected; } cases[] = {
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, G_TYPE_STRING},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL, torvanix_providers_contracts_value_null_get_type ()},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, G_TYPE_BOOLEAN},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, G_TYPE_CHAR},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, G_TYPE_INT},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16, G_TYPE_UINT},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32, G_TYPE_INT},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64, G_TYPE_INT64},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_SET, G_TYPE_ENUM},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, G_TYPE_DOUBLE},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, G_TYPE_FLOAT},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, G_TYPE_DATE},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, G_TYPE_POINTER},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, G_TYPE_DATE_TIME},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN, G_TYPE_INT64},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP, G_TYPE_STRING},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, G_TYPE_BYTES},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, G_TYPE_BYTES},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT, G_TYPE_OBJECT},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_POINTER, G_TYPE_STRING},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT, G_TYPE_VARIANT},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY, G_TYPE_ARRAY},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR, G_TYPE_STRING},
  };
  for (const auto &c : cases)
    EXPECT_EQ (torvanix_providers_contracts_data_type_get_glib_type (c.type), c.expected) << c.type;
}

TEST (DataTypeMapping, RoundTripKeepsSomeTypesAndChangesTheRest)
{
  using Type = TorvanixProvidersContractsDataType;
  auto round_trip = [] (Type t) {
    return torvanix_providers_contracts_data_type_get_data_type (torvanix_providers_contracts_data_type_get_glib_type (t));
  };
  const int kept[] = {2, 3, 5, 6, 7, 11, 12, 16, 17, 23, 18, 20, 32};
  for (int n : kept) EXPECT_EQ (round_trip (dt (n)), n) << n;

  struct { int from; int to; } changed[] = {
    {4, 5}, {9, 5}, {8, 9}, {10, 6}, {21, 6}, {14, 17}, {15, 17}, {13, 11},
    {0, 23}, {22, 23}, {24, 23}, {25, 23}, {26, 23}, {27, 23}, {28, 23}, {29, 23}, {33, 23}, {36, 23},
    {1, 0}, {19, 0}, {30, 0}, {31, 0}, {34, 0}, {35, 0},
  };
  for (const auto &c : changed) EXPECT_EQ (round_trip (dt (c.from)), c.to) << c.from;
}

/* Registers a static type with the given name, or finds it when a previous
 * test of the same process registered it already. */
GType type_named (const char *name, GType parent = G_TYPE_OBJECT)
{
  GType existing = g_type_from_name (name);
  if (existing != 0) return existing;
  GTypeQuery query;
  g_type_query (parent, &query);
  GTypeInfo info = {};
  info.class_size = static_cast<guint16> (query.class_size);
  info.instance_size = static_cast<guint16> (query.instance_size);
  return g_type_register_static (parent, name, &info, static_cast<GTypeFlags> (0));
}

TEST (DataTypeMapping, ClassificationUsesFundamentalsThenCaseInsensitiveNames)
{
  EXPECT_EQ (torvanix_providers_contracts_data_type_get_data_type (G_TYPE_LONG), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
  EXPECT_EQ (torvanix_providers_contracts_data_type_get_data_type (G_TYPE_ULONG), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32);
  EXPECT_EQ (torvanix_providers_contracts_data_type_get_data_type (G_TYPE_UINT64), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64);
  EXPECT_EQ (torvanix_providers_contracts_data_type_get_data_type (G_TYPE_INVALID), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  EXPECT_EQ (torvanix_providers_contracts_data_type_get_data_type (G_TYPE_MAKE_FUNDAMENTAL (250) /* unregistered: no name */),
             TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);

  /* A registered enum type is not the fundamental G_TYPE_ENUM. */
  EXPECT_EQ (torvanix_providers_contracts_data_type_get_data_type (torvanix_providers_contracts_data_type_get_type ()),
             TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  EXPECT_EQ (torvanix_providers_contracts_data_type_get_data_type (G_TYPE_OBJECT), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT);

  struct { const char *name; int expected; } named[] = {
    {"GNull", 1}, {"GNULL", 1}, {"GTimeStamp", 20}, {"GInt16", 4}, {"GUInt16", 8}, {"Guid", 26}, {"UUID", 26},
    {"Xml", 25}, {"JSON", 27}, {"GBlob", 31}, {"GBinary", 30}, {"GNumeric", 15}, {"GTime", 19}, {"GTimeSpan", 21},
    {"GDate_", 0}, {"SomethingElse", 0},
  };
  for (const auto &n : named)
    EXPECT_EQ (torvanix_providers_contracts_data_type_get_data_type (type_named (n.name)), n.expected) << n.name;
  /* The GLib boxed types of the same names are found by name too. */
  EXPECT_EQ (torvanix_providers_contracts_data_type_get_data_type (G_TYPE_DATE), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE);
  EXPECT_EQ (torvanix_providers_contracts_data_type_get_data_type (G_TYPE_DATE_TIME),
             TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME);
}

}  // namespace
