/* The server's notation of cells turned into the common cell layer's. */
#include "supports/postgresql/postgre-sql-cells-private.h"

#include "libproviders/postgresql/postgre-sql-type.h"

namespace providers::postgresql {

namespace {

using DataType = TorvanixProvidersContractsDataType;

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

ResultColumn
column_of (Oid type, const TypeCatalog &types)
{
  TypeDescription built_in;
  const TypeDescription *described = types.find (type, built_in);
  /* A domain's cells are written as its base type's. */
  Oid cell_type = described != nullptr ? described->cell_type : type;
  Notation notation = cell_type == kBoolOid ? Notation::kBoolean
                      : cell_type == kByteaOid ? Notation::kHexBytes
                                               : Notation::kAsIs;
  DataType data_type = described != nullptr ? described->data_type : TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
  return {{data_type}, notation, type, described != nullptr};
}

std::vector<ResultColumn>
columns_of (const PGresult *result, const TypeCatalog &types)
{
  std::vector<ResultColumn> columns;
  const int count = PQnfields (result);
  columns.reserve (static_cast<std::size_t> (count));
  for (int i = 0; i < count; ++i)
    columns.push_back (column_of (PQftype (result, i), types));
  return columns;
}

void
undescribed_types (const std::vector<ResultColumn> &columns, std::vector<Oid> &oids)
{
  for (const ResultColumn &column : columns) {
    if (!column.described)
      oids.push_back (column.type);
  }
}

providers::home::Cell
readable (const ResultColumn &column, providers::home::Cell sent, std::string &scratch)
{
  const char *text = sent.text;
  const gsize length = sent.length;
  if (text == nullptr)
    return {};
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
  return sent;
}

void
HeldCells::add (const char *text, gsize length)
{
  if (text == nullptr) {
    starts_.push_back (-1);
    lengths_.push_back (0);
    return;
  }
  starts_.push_back (static_cast<gssize> (bytes_.size ()));
  lengths_.push_back (length);
  bytes_.append (text, length);
  bytes_.push_back ('\0'); /* the cell layer parses numbers from a terminated text */
}

}  // namespace providers::postgresql
