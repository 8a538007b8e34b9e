/* MySQLReader: a forward-only reader over a result set that the client
 * library fetched whole. Every cell arrives as text (binary columns as
 * their bytes); the getters parse it through the common cell layer
 * (supports/common/text-cells-internal.h).
 *
 * Longer than most files here because the reader implements 38 interface
 * slots, one short function each, beside its GObject lifetime and its
 * whole-row get_values (supports/common/row-values-internal.h); the slots share
 * private state that nothing else may see, so they stay in one file. */
#include "libproviders/mysql/my-sql-reader.h"

#include "common/boundary.h"
#include "common/check.h"
#include "supports/mysql/my-sql-texts-private.h"
#include "common/gobject-ref.h"
#include "common/private-data.h"
#include "libproviders/models.h"
#include "libproviders/values.h"
#include "supports/common/row-values-internal.h"
#include "supports/common/text-cells-internal.h"
#include "supports/mysql/my-sql-reader-private.h"
#include "supports/mysql/my-sql-type-private.h"
#include "supports/mysql/my-sql-stored-rows-private.h"

#include <memory>
#include <cstring>
#include <new>
#include <vector>

using providers::GUnique;

namespace {

using IValue = TorvanixProvidersContractsIValue;
using Reader = TorvanixProvidersContractsIDataReader;
using Self = TorvanixProvidersSupportsMySQLReader;

enum {
  PROP_0,
  PROP_FIELD_COUNT,
  PROP_IS_CLOSED,
};

using providers::home::as_value;
using providers::home::Cell;
using providers::home::Column;
using providers::home::DateFields;
using providers::home::TimeFields;
using providers::home::cell_hex;
using providers::home::cell_text;
using providers::home::double_parse;
using providers::home::has_text;
using providers::home::long_parse;
using providers::home::parse_date;
using providers::home::parse_datetime;
using providers::home::parse_time_of_day;
using providers::home::ulong_parse;

}  // namespace

namespace providers::mysql {

/* Frees the result only for the reader of execute_reader, which owns it. */
struct FreeIfOwned {
  bool owns = false;
  void operator() (MYSQL_RES *result) const noexcept
  {
    if (owns) mysql_free_result (result);
  }
};

}  // namespace providers::mysql

/* Built whole in init and destroyed whole in finalize: members go in the
 * reverse order of these lines, so whatever reads the result's rows
 * (the rows built ahead, on a thread of their own) is gone before the
 * result itself. */
struct TorvanixProvidersSupportsMySQLReaderPrivate {
  std::unique_ptr<MYSQL_RES, providers::mysql::FreeIfOwned> result;
  MYSQL_ROW row = nullptr;          /* the current row; null before the first read and after the last */
  unsigned long *lengths = nullptr; /* byte lengths of the current row's cells */
  MYSQL_FIELD *fields = nullptr;
  guint field_count = 0;
  bool closed = false; /* read answered false, or close was called */
  /* Looked up once: GLib reads the zone files on every lookup. */
  GUnique<GTimeZone> local_zone;
  std::vector<Column> columns;
  guint64 rows_read = 0; /* rows read so far; the current row is the last of them */
  /* get_values, with the build-ahead thread that walks the result's rows
   * until it is stopped. */
  providers::home::RowValues values;
};

namespace {

void reader_iface_init (TorvanixProvidersContractsIDataReaderInterface *iface);
IValue **reader_get_values (Reader *base, gint *result_length1, GError **error);
void type_iface_init (TorvanixProvidersSupportsIMySQLTypeInterface *) {}
void error_iface_init (TorvanixProvidersSupportsIMySQLErrorInterface *) {}

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersSupportsMySQLReader, torvanix_providers_supports_my_sql_reader, G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IDATA_READER, reader_iface_init)
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_TYPE, type_iface_init)
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_ERROR, error_iface_init))

namespace {

TorvanixProvidersSupportsMySQLReaderPrivate *
priv_of (Self *self)
{
  return static_cast<TorvanixProvidersSupportsMySQLReaderPrivate *> (
      torvanix_providers_supports_my_sql_reader_get_instance_private (self));
}

TorvanixProvidersSupportsMySQLReaderPrivate *
priv_of (Reader *self)
{
  /* Only this class implements the reader's virtuals: no checked cast. */
  return priv_of (static_cast<Self *> (static_cast<gpointer> (self)));
}

/* One cell of the current row; no cell when there is none. `index`
 * counts at full width: get_values walks every column. */
Cell
cell_at (TorvanixProvidersSupportsMySQLReaderPrivate *priv, guint index)
{
  if (priv->row == nullptr || index >= priv->field_count)
    return {};
  return {priv->row[index], priv->row[index] ? priv->lengths[index] : 0};
}

/* Asking for a column the result does not have is the caller's error. */
#define CHECK_ORDINAL_IN(function, priv, ordinal, val)                                               \
  providers_return_val_if_fail_text_in (function, (ordinal) < (priv)->field_count, PROVIDERS_TEXT_READER_ORDINAL, val)
#define CHECK_ORDINAL(priv, ordinal, val) CHECK_ORDINAL_IN (__func__, priv, ordinal, val)

/* The slots ---------------------------------------------------------------- */

gboolean
reader_bulk (Reader *, GError **)
{
  return FALSE;
}

gboolean
reader_read (Reader *base, GError **)
{
  auto *priv = priv_of (base);
  if (priv->closed)
    return FALSE;
  priv->row = mysql_fetch_row (priv->result.get ());
  priv->lengths = priv->row ? mysql_fetch_lengths (priv->result.get ()) : nullptr;
  if (priv->row == nullptr) {
    priv->closed = true;
    priv->values.stop ();
  } else {
    ++priv->rows_read;
  }
  return priv->row != nullptr;
}

void
reader_close (Reader *base, GError **)
{
  auto *priv = priv_of (base);
  if (!priv->closed)
    while (mysql_fetch_row (priv->result.get ()) != nullptr) {
    }
  priv->row = nullptr;
  priv->lengths = nullptr;
  priv->closed = true;
  priv->values.stop ();
}

gchar *
reader_get_name (Reader *base, guint16 ordinal, GError **)
{
  auto *priv = priv_of (base);
  CHECK_ORDINAL_IN (PROVIDERS_FN_MY_SQL_READER_GET_NAME, priv, ordinal, nullptr);
  const char *name = priv->fields[ordinal].name;
  return g_strdup (name ? name : "");
}

gchar *
reader_get_dbms_type (Reader *base, guint16 ordinal, GError **)
{
  auto *priv = priv_of (base);
  CHECK_ORDINAL_IN (PROVIDERS_FN_MY_SQL_READER_GET_DBMS_TYPE, priv, ordinal, nullptr);
  return g_strdup (providers::mysql::dbms_type_name (priv->fields[ordinal].type));
}

TorvanixProvidersContractsDataType
reader_get_data_type (Reader *base, guint16 ordinal, GError **)
{
  auto *priv = priv_of (base);
  CHECK_ORDINAL_IN (PROVIDERS_FN_MY_SQL_READER_GET_DATA_TYPE, priv, ordinal, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  return priv->columns[ordinal].data_type;
}

gint32
reader_get_size (Reader *base, guint16 ordinal, GError **)
{
  auto *priv = priv_of (base);
  CHECK_ORDINAL_IN (PROVIDERS_FN_MY_SQL_READER_GET_SIZE, priv, ordinal, 0);
  return static_cast<gint32> (MIN (priv->fields[ordinal].max_length, static_cast<unsigned long> (G_MAXINT32)));
}

gboolean
reader_is_null (Reader *base, guint16 ordinal, GError **)
{
  return cell_at (priv_of (base), ordinal).text == nullptr;
}

gboolean
reader_get_boolean (Reader *base, guint16 ordinal, GError **)
{
  const char *text = cell_at (priv_of (base), ordinal).text;
  return has_text ("bool_parse", text) && std::strcmp (text, "true") == 0;
}

#define INTEGER_GETTER(name, type, parse, step)                                                      \
  type reader_##name (Reader *base, guint16 ordinal, GError **)                                      \
  {                                                                                                  \
    return static_cast<type> (parse (cell_at (priv_of (base), ordinal).text, step));                 \
  }

INTEGER_GETTER (get_int8, gint8, long_parse, "long_parse")
INTEGER_GETTER (get_int16, gint16, long_parse, "long_parse")
INTEGER_GETTER (get_int32, gint32, long_parse, "long_parse")
INTEGER_GETTER (get_uint8, guint8, ulong_parse, "ulong_parse")
INTEGER_GETTER (get_uint16, guint16, ulong_parse, "ulong_parse")
INTEGER_GETTER (get_uint32, guint32, ulong_parse, "ulong_parse")
INTEGER_GETTER (get_int64, gint64, long_parse, "int64_parse")
INTEGER_GETTER (get_uint64, guint64, ulong_parse, "uint64_parse")
INTEGER_GETTER (get_float, gfloat, double_parse, "float_parse")
INTEGER_GETTER (get_double, gdouble, double_parse, "double_parse")
INTEGER_GETTER (get_decimal, gdouble, double_parse, "double_parse")
INTEGER_GETTER (get_money, gdouble, double_parse, "double_parse")

GTimeSpan
reader_get_timespan (Reader *base, guint16 ordinal, GError **)
{
  const char *text = cell_at (priv_of (base), ordinal).text;
  g_warning (PROVIDERS_LOG_TIMESPAN_CELL "%s", text);
  return long_parse (text, "int64_parse");
}

void
reader_get_date (Reader *base, guint16 ordinal, GDate *result, GError **)
{
  providers_return_if_fail_in (PROVIDERS_FN_MY_SQL_READER_GET_DATE, result != NULL);
  g_date_clear (result, 1);
  DateFields d;
  if (parse_date (cell_at (priv_of (base), ordinal), d))
    g_date_set_dmy (result, static_cast<GDateDay> (d.day), static_cast<GDateMonth> (d.month),
                    static_cast<GDateYear> (d.year));
}

/* A time of day, on 1 January 1970 in UTC; null for a span outside one
 * day, a NULL cell and text that is no time. */
GDateTime *
reader_get_time (Reader *base, guint16 ordinal, GError **)
{
  TimeFields t;
  if (!parse_time_of_day (cell_at (priv_of (base), ordinal), t))
    return nullptr;
  return g_date_time_new_utc (1970, 1, 1, t.hour, t.minute, t.seconds);
}

/* The server's date and time, read as UTC as the getter has always done;
 * null for zero dates, which no date-time can hold, and for text that is
 * no date and time. */
GDateTime *
reader_get_datetime (Reader *base, guint16 ordinal, GError **)
{
  Cell cell = cell_at (priv_of (base), ordinal);
  DateFields d;
  TimeFields t;
  if (parse_datetime (cell, d, t))
    return g_date_time_new_utc (d.year, d.month, d.day, t.hour, t.minute, t.seconds);
  /* Other text (a string column holding ISO 8601 with a zone) is read by
   * GLib's parser, as UTC where it names no zone. */
  if (cell.text == nullptr)
    return nullptr;
  GUnique<gchar> text (cell_text (cell));
  static GTimeZone *const utc = g_time_zone_new_utc ();
  return g_date_time_new_from_iso8601 (text.get (), utc);
}

gchar *
reader_get_text (Reader *base, guint16 ordinal, GError **)
{
  return cell_text (cell_at (priv_of (base), ordinal));
}

gchar *
reader_get_geometry (Reader *base, guint16 ordinal, GError **)
{
  return cell_hex (cell_at (priv_of (base), ordinal));
}

gchar *
reader_get_string16 (Reader *base, guint16 ordinal, GError **)
{
  Cell cell = cell_at (priv_of (base), ordinal);
  /* Never past the cell: an odd last byte is no code unit, so a one-byte
   * cell holds none. */
  glong units = static_cast<glong> (cell.length / sizeof (gunichar2));
  if (units == 0)
    return g_strdup ("");
  std::vector<gunichar2> copy (static_cast<gsize> (units));
  std::memcpy (copy.data (), cell.text, static_cast<gsize> (units) * sizeof (gunichar2));
  return g_utf16_to_utf8 (copy.data (), units, nullptr, nullptr, nullptr);
}

/* The cell's bytes and their own length; the buffer carries one zero byte
 * more, for callers that read it as text. */
guint8 *
reader_get_binary (Reader *base, guint16 ordinal, gint *result_length1, GError **)
{
  Cell cell = cell_at (priv_of (base), ordinal);
  auto *bytes = static_cast<guint8 *> (g_malloc (cell.length + 1));
  if (cell.length)
    std::memcpy (bytes, cell.text, cell.length);
  bytes[cell.length] = 0;
  if (result_length1)
    *result_length1 = static_cast<gint> (cell.length);
  return bytes;
}

gint
reader_get_field_count (Reader *base)
{
  return static_cast<gint> (priv_of (base)->field_count);
}

gboolean
reader_get_is_closed (Reader *base)
{
  return priv_of (base)->closed;
}

IValue *
reader_get_value (Reader *base, guint16 ordinal, GError **)
{
  return providers::mysql::cell_value (static_cast<Self *> (static_cast<gpointer> (base)), ordinal);
}

void
reader_iface_init (TorvanixProvidersContractsIDataReaderInterface *iface)
{
  iface->bulk = reader_bulk;
  iface->read = reader_read;
  iface->close = reader_close;
  iface->get_name = reader_get_name;
  iface->get_dbms_type = reader_get_dbms_type;
  iface->get_data_type = reader_get_data_type;
  iface->get_size = reader_get_size;
  iface->is_null = reader_is_null;
  iface->get_boolean = reader_get_boolean;
  iface->get_int8 = reader_get_int8;
  iface->get_uint8 = reader_get_uint8;
  iface->get_int16 = reader_get_int16;
  iface->get_uint16 = reader_get_uint16;
  iface->get_int32 = reader_get_int32;
  iface->get_uint32 = reader_get_uint32;
  iface->get_int64 = reader_get_int64;
  iface->get_uint64 = reader_get_uint64;
  iface->get_decimal = reader_get_decimal;
  iface->get_money = reader_get_money;
  iface->get_float = reader_get_float;
  iface->get_double = reader_get_double;
  iface->get_date = reader_get_date;
  iface->get_time = reader_get_time;
  iface->get_datetime = reader_get_datetime;
  iface->get_timespan = reader_get_timespan;
  iface->get_string = reader_get_text;
  iface->get_string16 = reader_get_string16;
  iface->get_guid = reader_get_text;
  iface->get_binary = reader_get_binary;
  iface->get_timestamp = reader_get_datetime;
  iface->get_enum = reader_get_text;
  iface->get_set = reader_get_text;
  /* JSON arrives as its text, spatial values as the server's bytes. */
  iface->get_json = reader_get_text;
  iface->get_geometry = reader_get_geometry;
  iface->get_value = reader_get_value;
  iface->get_values = reader_get_values;
  iface->get_field_count = reader_get_field_count;
  iface->get_is_closed = reader_get_is_closed;
}

void
reader_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  auto *base = TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER (object);
  switch (prop_id) {
    case PROP_FIELD_COUNT:
      g_value_set_int (value, reader_get_field_count (base));
      break;
    case PROP_IS_CLOSED:
      g_value_set_boolean (value, reader_get_is_closed (base));
      break;
    default:
      G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

}  // namespace

static void
torvanix_providers_supports_my_sql_reader_class_init (TorvanixProvidersSupportsMySQLReaderClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = reader_get_property;
  g_object_class_override_property (object_class, PROP_FIELD_COUNT, "field-count");
  g_object_class_override_property (object_class, PROP_IS_CLOSED, "is-closed");
}

namespace providers::mysql {

IValue *
cell_value (Self *self, guint16 ordinal)
{
  auto *priv = priv_of (self);
  CHECK_ORDINAL (priv, ordinal, nullptr);
  Cell cell = cell_at (priv, ordinal);
  return providers::home::value_of_cell (priv->columns[ordinal], cell.text, cell.length, priv->local_zone.get ());
}

}  // namespace providers::mysql

namespace {

/* The whole row at once, at its final size: one pass, no dispatch per cell. */
IValue **
reader_get_values (Reader *base, gint *result_length1, GError **error)
{
  auto *priv = priv_of (base);
  MYSQL_RES *result = priv->result.get ();
  /* Only a result fetched whole has its rows in memory. */
  const guint64 rows_left = result->data ? mysql_num_rows (result) - priv->rows_read : 0;
  return priv->values.row (
      priv->columns, priv->local_zone.get (), priv->row != nullptr, priv->rows_read - 1,
      [priv] (guint i) { return cell_at (priv, i); }, rows_left,
      [priv, result] () -> std::unique_ptr<providers::home::StoredRows> {
        MYSQL_ROWS *next = mysql_row_tell (result);
        return next ? providers::mysql::stored_rows_from (next, priv->field_count) : nullptr;
      },
      result_length1, error);
}

}  // namespace

namespace providers::mysql {

TorvanixProvidersSupportsMySQLReader *
reader_owning (MYSQL_RES *result)
{
  auto *reader = torvanix_providers_supports_my_sql_reader_new (result);
  priv_of (reader)->result.get_deleter ().owns = true;
  return reader;
}

}  // namespace providers::mysql

extern "C" TorvanixProvidersSupportsMySQLReader *
torvanix_providers_supports_my_sql_reader_construct (GType object_type, gpointer _result_)
{
  providers_return_val_if_fail (_result_ != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_SUPPORTS_TYPE_MY_SQL_READER, nullptr);
  return PROVIDERS_GUARDED (static_cast<Self *> (nullptr), {
    auto *result = static_cast<MYSQL_RES *> (_result_);
    auto *self = static_cast<Self *> (g_object_new (object_type, nullptr));
    auto *priv = priv_of (self);
    priv->result.reset (result);
    priv->fields = mysql_fetch_fields (result);
    priv->field_count = mysql_num_fields (result);
    priv->local_zone.reset (g_time_zone_new_local ());
    priv->columns.reserve (priv->field_count);
    for (guint i = 0; i < priv->field_count; ++i) {
      priv->columns.push_back (providers::mysql::column_of (priv->fields[i]));
    }
    return self;
  });
}

extern "C" TorvanixProvidersSupportsMySQLReader *
torvanix_providers_supports_my_sql_reader_new (gpointer _result_)
{
  return torvanix_providers_supports_my_sql_reader_construct (TORVANIX_PROVIDERS_SUPPORTS_TYPE_MY_SQL_READER, _result_);
}

extern "C" guint32
torvanix_providers_supports_my_sql_reader_get_decimals_size (TorvanixProvidersSupportsMySQLReader *self, guint16 ordinal)
{
  providers_return_val_if_fail (self != NULL, 0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_SUPPORTS_IS_MY_SQL_READER (self), 0);
  auto *priv = priv_of (self);
  CHECK_ORDINAL (priv, ordinal, 0);
  return priv->fields[ordinal].decimals;
}
