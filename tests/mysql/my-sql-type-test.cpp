/* The server's field types as type names and data types. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include "support/gobject-test.h"

using providers::testing::take_string;

namespace {

constexpr guint32 kUnsigned = 0x20;
constexpr guint32 kBinary = 0x80;

TEST (MySQLType, EveryCodeWithAndWithoutTheFlagsThatMatter)
{
  struct Case {
    guint32 type;
    const char *name;
    int plain;     /* no flags */
    int is_unsigned;
    int is_binary;
  } cases[] = {
    {0, "DECIMAL", 15, 15, 15},    {1, "TINY", 3, 7, 3},         {2, "SHORT", 4, 8, 4},
    {3, "LONG", 5, 9, 5},          {4, "FLOAT", 16, 16, 16},     {5, "DOUBLE", 17, 17, 17},
    {6, "NULL", 1, 1, 1},          {7, "TIMESTAMP", 22, 22, 22}, {8, "LONGLONG", 6, 10, 6},
    {9, "INT24", 5, 9, 5},         {10, "DATE", 18, 18, 18},     {11, "TIME", 19, 19, 19},
    {12, "DATETIME", 20, 20, 20},  {13, "YEAR", 4, 4, 4},        {14, "NEWDATE", 18, 18, 18},
    {15, "VARCHAR", 23, 23, 23},   {16, "BIT", 30, 30, 30},      {17, "", 0, 0, 0},
    {18, "", 0, 0, 0},             {244, "", 0, 0, 0},           {245, "JSON", 27, 27, 27},
    {246, "NEWDECIMAL", 15, 15, 15}, {247, "ENUM", 11, 11, 11},  {248, "SET", 13, 13, 13},
    {249, "TINY_BLOB", 23, 23, 30}, {250, "MEDIUM_BLOB", 23, 23, 31}, {251, "LONG_BLOB", 23, 23, 31},
    {252, "BLOB", 23, 23, 31},     {253, "VAR_STRING", 23, 23, 23}, {254, "STRING", 23, 23, 23},
    {255, "GEOMETRY", 28, 28, 28}, {256, "", 0, 0, 0},           {0xFFFFFFFFu, "", 0, 0, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (c.type);
    EXPECT_EQ (take_string (torvanix_providers_supports_imy_sql_type_map_dbms_type (nullptr, c.type, kBinary)), c.name);
    EXPECT_EQ (torvanix_providers_supports_imy_sql_type_map_data_type (nullptr, c.type, 0), c.plain);
    EXPECT_EQ (torvanix_providers_supports_imy_sql_type_map_data_type (nullptr, c.type, kUnsigned), c.is_unsigned);
    EXPECT_EQ (torvanix_providers_supports_imy_sql_type_map_data_type (nullptr, c.type, kBinary), c.is_binary);
    /* Other bits change nothing. */
    EXPECT_EQ (torvanix_providers_supports_imy_sql_type_map_data_type (nullptr, c.type, 0x10 | 0x1 | 0x4000), c.plain);
  }
}

TEST (MySQLType, NamesAreFreshCopies)
{
  gchar *a = torvanix_providers_supports_imy_sql_type_map_dbms_type (nullptr, 17, 0);
  gchar *b = torvanix_providers_supports_imy_sql_type_map_dbms_type (nullptr, 17, 0);
  EXPECT_NE (a, b);
  EXPECT_STREQ (a, "");
  g_free (a);
  g_free (b);
  EXPECT_STREQ (g_type_name (TORVANIX_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_TYPE), "TorvanixProvidersSupportsIMySQLType");
}

}  // namespace
