/* IMySQLType: the protocol's field type codes and flags, as the server's
 * type names and as the library's data types. */
#include "libproviders/mysql/my-sql-type.h"

#include <mysql.h>

#include "supports/mysql/my-sql-type-private.h"

G_DEFINE_INTERFACE (TorvanixProvidersSupportsIMySQLType, torvanix_providers_supports_imy_sql_type, G_TYPE_OBJECT)

static void
torvanix_providers_supports_imy_sql_type_default_init (TorvanixProvidersSupportsIMySQLTypeInterface *)
{
}

namespace providers::mysql {

namespace {

using DT = TorvanixProvidersContractsDataType;

enum class Sign { kNone, kUnsigned, kBinary };

struct Mapping {
  guint32 type;
  const char *name;
  DT data_type;
  /* What the flag of `sign` turns the column into. */
  Sign sign;
  DT flagged;
};

constexpr Mapping kMappings[] = {
  {MYSQL_TYPE_DECIMAL, "DECIMAL", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, Sign::kNone, {}},
  {MYSQL_TYPE_TINY, "TINY", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, Sign::kUnsigned, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8},
  {MYSQL_TYPE_SHORT, "SHORT", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, Sign::kUnsigned, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16},
  {MYSQL_TYPE_LONG, "LONG", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, Sign::kUnsigned, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32},
  {MYSQL_TYPE_FLOAT, "FLOAT", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, Sign::kNone, {}},
  {MYSQL_TYPE_DOUBLE, "DOUBLE", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, Sign::kNone, {}},
  {MYSQL_TYPE_NULL, "NULL", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL, Sign::kNone, {}},
  {MYSQL_TYPE_TIMESTAMP, "TIMESTAMP", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP, Sign::kNone, {}},
  {MYSQL_TYPE_LONGLONG, "LONGLONG", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, Sign::kUnsigned, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64},
  {MYSQL_TYPE_INT24, "INT24", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, Sign::kUnsigned, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32},
  {MYSQL_TYPE_DATE, "DATE", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, Sign::kNone, {}},
  {MYSQL_TYPE_TIME, "TIME", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, Sign::kNone, {}},
  {MYSQL_TYPE_DATETIME, "DATETIME", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, Sign::kNone, {}},
  {MYSQL_TYPE_YEAR, "YEAR", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, Sign::kNone, {}},
  {MYSQL_TYPE_NEWDATE, "NEWDATE", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, Sign::kNone, {}},
  {MYSQL_TYPE_VARCHAR, "VARCHAR", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, Sign::kNone, {}},
  {MYSQL_TYPE_BIT, "BIT", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, Sign::kNone, {}},
  {MYSQL_TYPE_JSON, "JSON", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON, Sign::kNone, {}},
  {MYSQL_TYPE_NEWDECIMAL, "NEWDECIMAL", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, Sign::kNone, {}},
  {MYSQL_TYPE_ENUM, "ENUM", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM, Sign::kNone, {}},
  {MYSQL_TYPE_SET, "SET", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_SET, Sign::kNone, {}},
  {MYSQL_TYPE_TINY_BLOB, "TINY_BLOB", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, Sign::kBinary, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY},
  {MYSQL_TYPE_MEDIUM_BLOB, "MEDIUM_BLOB", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, Sign::kBinary, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB},
  {MYSQL_TYPE_LONG_BLOB, "LONG_BLOB", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, Sign::kBinary, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB},
  {MYSQL_TYPE_BLOB, "BLOB", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, Sign::kBinary, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB},
  {MYSQL_TYPE_VAR_STRING, "VAR_STRING", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, Sign::kNone, {}},
  {MYSQL_TYPE_STRING, "STRING", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, Sign::kNone, {}},
  {MYSQL_TYPE_GEOMETRY, "GEOMETRY", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY, Sign::kNone, {}},
};

const Mapping *find (guint32 type) noexcept
{
  for (const Mapping &m : kMappings) {
    if (m.type == type)
      return &m;
  }
  return nullptr;
}

}  // namespace

const char *dbms_type_name (guint32 type) noexcept
{
  const Mapping *m = find (type);
  return m ? m->name : "";
}

TorvanixProvidersContractsDataType data_type_of (guint32 type, guint32 flags) noexcept
{
  const Mapping *m = find (type);
  if (m == nullptr)
    return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
  if ((m->sign == Sign::kUnsigned && (flags & UNSIGNED_FLAG)) || (m->sign == Sign::kBinary && (flags & BINARY_FLAG)))
    return m->flagged;
  return m->data_type;
}

providers::home::Column
column_of (const MYSQL_FIELD &field) noexcept
{
  /* The server also flags text of a binary collation (JSON, TEXT
   * COLLATE ..._bin) as binary; only the binary character set is bytes.
   * Strings in it (BINARY, VARBINARY, UNHEX(), CAST(... AS BINARY)) are
   * bytes whatever their type code: zero bytes and all. */
  constexpr unsigned int kBinaryCharset = 63;
  const bool bytes = field.charsetnr == kBinaryCharset;
  if (bytes && (field.type == MYSQL_TYPE_STRING || field.type == MYSQL_TYPE_VAR_STRING || field.type == MYSQL_TYPE_VARCHAR))
    return {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY};
  guint32 flags = bytes ? (field.flags | BINARY_FLAG) : (field.flags & ~static_cast<guint32> (BINARY_FLAG));
  return {data_type_of (field.type, flags)};
}

}  // namespace providers::mysql

extern "C" gchar *
torvanix_providers_supports_imy_sql_type_map_dbms_type (TorvanixProvidersSupportsIMySQLType *, guint32 type, guint32)
{
  return g_strdup (providers::mysql::dbms_type_name (type));
}

extern "C" TorvanixProvidersContractsDataType
torvanix_providers_supports_imy_sql_type_map_data_type (TorvanixProvidersSupportsIMySQLType *, guint32 type,
                                                        guint32 flags)
{
  return providers::mysql::data_type_of (type, flags);
}
