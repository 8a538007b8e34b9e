/* The MySQL reader's getters over arbitrary cell bytes: a result set built
 * in memory as the client library lays one out, with column types and
 * flags taken from the input, read through every operation of the reader
 * interface, a column past the last included.
 *
 * Input: one byte for the column count, two per column (type, flags), then
 * the cells: 0x1F ends a cell, 0x1E a row, a cell of the single byte 0x18
 * is SQL NULL. */
#include <libproviders/providers.h>

#include "fuzz-support.h"
#include "support/fake-mysql-result.h"

namespace {

using providers::testing::FakeMySQLResult;
using Reader = TorvanixProvidersContractsIDataReader;

const enum enum_field_types kTypes[] = {
  MYSQL_TYPE_DECIMAL,   MYSQL_TYPE_TINY,      MYSQL_TYPE_SHORT,     MYSQL_TYPE_LONG,        MYSQL_TYPE_FLOAT,
  MYSQL_TYPE_DOUBLE,    MYSQL_TYPE_NULL,      MYSQL_TYPE_TIMESTAMP, MYSQL_TYPE_LONGLONG,    MYSQL_TYPE_INT24,
  MYSQL_TYPE_DATE,      MYSQL_TYPE_TIME,      MYSQL_TYPE_DATETIME,  MYSQL_TYPE_YEAR,        MYSQL_TYPE_NEWDATE,
  MYSQL_TYPE_VARCHAR,   MYSQL_TYPE_BIT,       MYSQL_TYPE_JSON,      MYSQL_TYPE_NEWDECIMAL,  MYSQL_TYPE_ENUM,
  MYSQL_TYPE_SET,       MYSQL_TYPE_TINY_BLOB, MYSQL_TYPE_BLOB,      MYSQL_TYPE_LONG_BLOB,   MYSQL_TYPE_VAR_STRING,
  MYSQL_TYPE_STRING,    MYSQL_TYPE_GEOMETRY,
};
const unsigned int kFlagBits[] = { UNSIGNED_FLAG, BINARY_FLAG, ENUM_FLAG, SET_FLAG, NOT_NULL_FLAG, ZEROFILL_FLAG };

void
drop_text (gchar *text)
{
  g_free (text);
}

void
drop_date_time (GDateTime *value)
{
  if (value) g_date_time_unref (value);
}

void
drop_value (TorvanixProvidersContractsIValue *value)
{
  if (value == nullptr) return;
  g_free (torvanix_providers_contracts_ivalue_to_string (value));
  GValue converted = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (value, &converted);
  g_value_unset (&converted);
  g_object_unref (value);
}

void
read_cell (Reader *r, TorvanixProvidersSupportsMySQLReader *reader, guint16 c)
{
  using namespace std;
  GError *error = nullptr;
  (void) torvanix_providers_contracts_idata_reader_is_null (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_boolean (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_int8 (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_uint8 (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_int16 (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_uint16 (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_int32 (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_uint32 (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_int64 (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_uint64 (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_decimal (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_money (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_float (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_double (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_timespan (r, c, &error);
  GDate date;
  g_date_clear (&date, 1);
  torvanix_providers_contracts_idata_reader_get_date (r, c, &date, &error);
  if (g_date_valid (&date)) (void) g_date_get_julian (&date);
  drop_date_time (torvanix_providers_contracts_idata_reader_get_time (r, c, &error));
  drop_date_time (torvanix_providers_contracts_idata_reader_get_datetime (r, c, &error));
  drop_date_time (torvanix_providers_contracts_idata_reader_get_timestamp (r, c, &error));
  drop_text (torvanix_providers_contracts_idata_reader_get_string (r, c, &error));
  drop_text (torvanix_providers_contracts_idata_reader_get_string16 (r, c, &error));
  drop_text (torvanix_providers_contracts_idata_reader_get_guid (r, c, &error));
  drop_text (torvanix_providers_contracts_idata_reader_get_enum (r, c, &error));
  drop_text (torvanix_providers_contracts_idata_reader_get_flag (r, c, &error));
  drop_text (torvanix_providers_contracts_idata_reader_get_set (r, c, &error));
  drop_text (torvanix_providers_contracts_idata_reader_get_xml (r, c, &error));
  drop_text (torvanix_providers_contracts_idata_reader_get_json (r, c, &error));
  drop_text (torvanix_providers_contracts_idata_reader_get_geometry (r, c, &error));
  drop_text (torvanix_providers_contracts_idata_reader_get_geography (r, c, &error));
  gint length = -1;
  guint8 *bytes = torvanix_providers_contracts_idata_reader_get_binary (r, c, &length, &error);
  if (bytes != nullptr && length > 0) {
    volatile guint8 last = bytes[length - 1]; /* the whole length is there */
    (void) last;
  }
  g_free (bytes);
  g_free (torvanix_providers_contracts_idata_reader_get_object (r, c, &length, &error));
  drop_value (torvanix_providers_contracts_idata_reader_get_variant (r, c, &error));
  drop_value (torvanix_providers_contracts_idata_reader_get_value (r, c, &error));
  drop_text (torvanix_providers_contracts_idata_reader_get_name (r, c, &error));
  drop_text (torvanix_providers_contracts_idata_reader_get_dbms_type (r, c, &error));
  (void) torvanix_providers_contracts_idata_reader_get_data_type (r, c, &error);
  (void) torvanix_providers_contracts_idata_reader_get_size (r, c, &error);
  (void) torvanix_providers_supports_my_sql_reader_get_decimals_size (reader, c);
  if (error != nullptr) {
    std::fprintf (stderr, "the reader reported an error: %s\n", error->message);
    std::abort ();
  }
}

}  // namespace

extern "C" int
LLVMFuzzerTestOneInput (const uint8_t *data, size_t size)
{
  /* Null cells in numeric getters, every timespan read, columns past the
   * last and the conversion of a zero date-time (a value without one) are
   * reported by design. */
  providers::fuzz::setup ({ "assertion 'str != NULL'", "timespan raw value", "assertion 'ordinal < field_count'",
                            "to_value: assertion 'datetime != NULL'" });
  if (size < 1) return 0;
  size_t n = 1 + data[0] % 6;
  if (size < 1 + 2 * n) return 0;
  std::vector<FakeMySQLResult::Column> columns;
  for (size_t c = 0; c < n; ++c) {
    uint8_t type = data[1 + 2 * c], flag_byte = data[2 + 2 * c];
    FakeMySQLResult::Column column{ "c" + std::to_string (c), kTypes[type % G_N_ELEMENTS (kTypes)] };
    for (size_t b = 0; b < G_N_ELEMENTS (kFlagBits); ++b)
      if (flag_byte & (1u << b)) column.flags |= kFlagBits[b];
    column.charsetnr = (flag_byte & 0x80) ? 63 : 33;
    column.decimals = flag_byte >> 6;
    columns.push_back (column);
  }
  std::vector<FakeMySQLResult::Row> rows (1);
  std::string cell;
  auto end_cell = [&] () {
    if (cell == "\x18") rows.back ().push_back (std::nullopt);
    else rows.back ().push_back (cell);
    cell.clear ();
  };
  for (size_t i = 1 + 2 * n; i < size; ++i) {
    char ch = static_cast<char> (data[i]);
    if (ch == '\x1f') {
      end_cell ();
    } else if (ch == '\x1e') {
      end_cell ();
      rows.emplace_back ();
    } else {
      cell += ch;
    }
  }
  end_cell ();
  for (auto &row : rows) row.resize (n, std::string ());

  FakeMySQLResult result (columns, rows);
  auto *reader = torvanix_providers_supports_my_sql_reader_new (result.get ());
  auto *r = TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER (reader);
  GError *error = nullptr;
  size_t read = 0;
  while (torvanix_providers_contracts_idata_reader_read (r, &error)) {
    ++read;
    for (guint16 c = 0; c <= n; ++c) read_cell (r, reader, c);
    gint count = 0;
    auto **values = torvanix_providers_contracts_idata_reader_get_values (r, &count, &error);
    if (values == nullptr || count != static_cast<gint> (n)) std::abort ();
    for (gint c = 0; c < count; ++c) drop_value (values[c]);
    g_free (values);
  }
  if (read != rows.size () || error != nullptr) std::abort ();
  read_cell (r, reader, 0); /* no current row */
  torvanix_providers_contracts_idata_reader_close (r, &error);
  g_object_unref (reader);
  return 0;
}
