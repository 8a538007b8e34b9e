/* The server's notation of cells turned into the common cell layer's. */
#include "supports/postgresql/postgre-sql-cells-private.h"

#include "libproviders/postgresql/postgre-sql-type.h"

namespace providers::postgresql {

namespace {

constexpr Oid kBoolOid = 16;
constexpr Oid kByteaOid = 17;

/* "\x0aff" as its bytes; false for text that is not that notation. */
bool
decode_hex (const char *text, gsize length, std::string &bytes)
{
  if (length < 2 || text[0] != '\\' || text[1] != 'x' || length % 2 != 0)
    return false;
  bytes.clear ();
  bytes.reserve ((length - 2) / 2);
  for (gsize i = 2; i < length; i += 2) {
    int high = g_ascii_xdigit_value (text[i]);
    int low = g_ascii_xdigit_value (text[i + 1]);
    if (high < 0 || low < 0)
      return false;
    bytes.push_back (static_cast<char> (high << 4 | low));
  }
  return true;
}

}  // namespace

std::vector<ResultColumn>
columns_of (const PGresult *result)
{
  std::vector<ResultColumn> columns;
  const int count = PQnfields (result);
  columns.reserve (static_cast<std::size_t> (count));
  for (int i = 0; i < count; ++i) {
    Oid type = PQftype (result, i);
    Notation notation = type == kBoolOid ? Notation::kBoolean : type == kByteaOid ? Notation::kHexBytes : Notation::kAsIs;
    columns.push_back ({{torvanix_providers_supports_postgre_sql_type_data_type (type)}, notation});
  }
  return columns;
}

providers::home::Cell
readable_cell (const ResultColumn &column, const PGresult *result, int row, int column_number, std::string &scratch)
{
  if (PQgetisnull (result, row, column_number))
    return {};
  const char *text = PQgetvalue (result, row, column_number);
  auto length = static_cast<gsize> (PQgetlength (result, row, column_number));
  switch (column.notation) {
    case Notation::kBoolean:
      if (length == 1 && (text[0] == 't' || text[0] == 'f'))
        return {text[0] == 't' ? "1" : "0", 1};
      break;
    case Notation::kHexBytes:
      if (decode_hex (text, length, scratch))
        return {scratch.data (), scratch.size ()};
      break;
    case Notation::kAsIs:
      break;
  }
  return {text, length};
}

}  // namespace providers::postgresql
