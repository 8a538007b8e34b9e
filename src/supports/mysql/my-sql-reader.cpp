/* MySQLReader: a forward-only reader over a result set that the client
 * library fetched whole. Every cell arrives as text (binary columns as
 * their bytes); the getters parse it, always in the server's own notation,
 * whatever the process's locale or time zone. */
#include "libproviders/mysql/my-sql-reader.h"

#include "common/boundary.h"
#include "common/check.h"
#include "common/gobject-ref.h"
#include "contracts/values/value-internal.h"
#include "libproviders/models.h"
#include "libproviders/values.h"
#include "supports/mysql/my-sql-reader-private.h"
#include "supports/mysql/my-sql-type-private.h"
#include "supports/mysql/my-sql-values-ahead.h"

#include <charconv>
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

using providers::mysql::Column;

}  // namespace

struct TorvanixProvidersSupportsMySQLReaderPrivate {
  MYSQL_ROW row;           /* the current row; null before the first read and after the last */
  unsigned long *lengths;  /* byte lengths of the current row's cells */
  MYSQL_RES *result;
  MYSQL_FIELD *fields;
  guint field_count;
  bool owns_result;        /* only the reader of execute_reader frees its result */
  bool closed;             /* read answered false, or close was called */
  GTimeZone *local_zone;   /* looked up once: GLib reads the zone files on every lookup */
  std::vector<Column> columns;
  guint64 rows_read;       /* rows read so far; the current row is the last of them */
  bool ahead_tried;
  std::unique_ptr<providers::mysql::ValuesAhead> ahead; /* started by the first get_values of a long result */
};

namespace {

void reader_iface_init (TorvanixProvidersContractsIDataReaderInterface *iface);
IValue **reader_get_values (Reader *base, gint *result_length1, GError **error);
void type_iface_init (TorvanixProvidersSupportsIMySQLTypeInterface *) {}
void error_iface_init (TorvanixProvidersSupportsIMySQLErrorInterface *) {}

}  // namespace

G_DEFINE_TYPE_WITH_CODE (TorvanixProvidersSupportsMySQLReader, torvanix_providers_supports_my_sql_reader, G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TorvanixProvidersSupportsMySQLReader)
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

/* One cell of the current row: its text (null for SQL NULL, or when there
 * is no current row) and byte length. */
struct Cell {
  const char *text = nullptr;
  gsize length = 0;
};

Cell
cell_at (TorvanixProvidersSupportsMySQLReaderPrivate *priv, guint16 ordinal)
{
  if (priv->row == nullptr || ordinal >= priv->field_count)
    return {};
  return {priv->row[ordinal], priv->row[ordinal] ? priv->lengths[ordinal] : 0};
}

/* Asking for a column the result does not have is the caller's error. */
#define CHECK_ORDINAL(priv, ordinal, val)                                                            \
  providers_return_val_if_fail_text ((ordinal) < (priv)->field_count, "ordinal < field_count", val)

/* Numbers ------------------------------------------------------------------ */

/* A null cell has no number: GLib's usual warning, naming the parse step. */
bool
has_text (const char *step, const char *text)
{
  if (text != nullptr)
    return true;
  g_return_if_fail_warning (G_LOG_DOMAIN, step, "str != NULL");
  return false;
}

/* Server cells are decimal; base 10 keeps a ZEROFILL "00042" at 42. */
gint64
long_parse (const char *text, const char *step)
{
  return has_text (step, text) ? g_ascii_strtoll (text, nullptr, 10) : 0;
}

guint64
ulong_parse (const char *text, const char *step)
{
  return has_text (step, text) ? g_ascii_strtoull (text, nullptr, 10) : 0;
}

/* Both parsers read a decimal point whatever the locale and round alike;
 * from_chars is several times cheaper per cell. What it does not read to
 * the end (a sign '+', blanks, hex, a value out of range) goes to GLib's
 * parser, which reads a prefix as before. */
gdouble
ascii_to_double (const char *text)
{
  const char *end = text + std::strlen (text);
  gdouble value = 0;
  auto [stop, ec] = std::from_chars (text, end, value);
  if (ec == std::errc () && stop == end)
    return value;
  return g_ascii_strtod (text, nullptr);
}

gdouble
double_parse (const char *text, const char *step)
{
  return has_text (step, text) ? ascii_to_double (text) : 0;
}

/* Dates and times ------------------------------------------------------------ */

/* Reads `count` digits; false when one is missing. */
bool
digits (const char *&p, const char *end, int count, int &value)
{
  value = 0;
  for (int i = 0; i < count; ++i, ++p) {
    if (p >= end || !g_ascii_isdigit (*p))
      return false;
    value = value * 10 + (*p - '0');
  }
  return true;
}

bool
expect (const char *&p, const char *end, char c)
{
  if (p >= end || *p != c)
    return false;
  ++p;
  return true;
}

/* Seconds with their fraction ("05", "05.123456"). */
bool
seconds_field (const char *&p, const char *end, double &seconds)
{
  int whole;
  if (!digits (p, end, 2, whole))
    return false;
  seconds = whole;
  if (p < end && *p == '.') {
    ++p;
    double scale = 0.1;
    while (p < end && g_ascii_isdigit (*p)) {
      seconds += (*p++ - '0') * scale;
      scale /= 10;
    }
  }
  return true;
}

struct DateFields {
  int year = 0, month = 0, day = 0;
};

struct TimeFields {
  int hour = 0, minute = 0;
  double seconds = 0;
};

/* "YYYY-MM-DD". A zero date ("0000-00-00", or a zero month or day, which
 * the server allows by default) is no date. */
bool
parse_date (const char *&p, const char *end, DateFields &d)
{
  return digits (p, end, 4, d.year) && expect (p, end, '-') && digits (p, end, 2, d.month) && expect (p, end, '-')
         && digits (p, end, 2, d.day) && g_date_valid_dmy (static_cast<GDateDay> (d.day), static_cast<GDateMonth> (d.month),
                                                             static_cast<GDateYear> (d.year));
}

bool
parse_date (Cell cell, DateFields &d)
{
  const char *p = cell.text;
  return cell.text != nullptr && parse_date (p, cell.text + cell.length, d) && p == cell.text + cell.length;
}

/* "YYYY-MM-DD HH:MM:SS[.ffffff]". */
bool
parse_datetime (Cell cell, DateFields &d, TimeFields &t)
{
  if (cell.text == nullptr)
    return false;
  const char *p = cell.text;
  const char *end = cell.text + cell.length;
  return parse_date (p, end, d) && p < end && (*p == ' ' || *p == 'T') && ++p && digits (p, end, 2, t.hour)
         && expect (p, end, ':') && digits (p, end, 2, t.minute) && expect (p, end, ':') && seconds_field (p, end, t.seconds)
         && p == end && t.hour < 24 && t.minute < 60 && t.seconds < 60;
}

/* "[-]H...H:MM:SS[.ffffff]" as a time of day; false for a span outside one
 * day (negative, or 24 hours and more), which TIME columns also hold. */
bool
parse_time_of_day (Cell cell, TimeFields &t)
{
  if (cell.text == nullptr || cell.length == 0 || cell.text[0] == '-')
    return false;
  const char *p = cell.text;
  const char *end = cell.text + cell.length;
  int hour = 0;
  int n = 0;
  for (; p < end && g_ascii_isdigit (*p) && n < 4; ++p, ++n)
    hour = hour * 10 + (*p - '0');
  t.hour = hour;
  return n > 0 && expect (p, end, ':') && digits (p, end, 2, t.minute) && expect (p, end, ':')
         && seconds_field (p, end, t.seconds) && p == end && t.hour < 24 && t.minute < 60 && t.seconds < 60;
}

/* Texts and bytes ------------------------------------------------------------- */

gchar *
cell_text (Cell cell)
{
  /* g_strndup stops at a zero byte inside the cell. */
  return cell.length == 0 ? g_strdup ("") : g_strndup (cell.text, cell.length);
}

/* Spatial cells are the server's binary form; as text they are its hex
 * digits, which lose nothing. */
gchar *
cell_hex (Cell cell)
{
  static const char kHex[] = "0123456789ABCDEF";
  gchar *text = static_cast<gchar *> (g_malloc (cell.length * 2 + 1));
  for (gsize i = 0; i < cell.length; ++i) {
    auto byte = static_cast<guint8> (cell.text[i]);
    text[2 * i] = kHex[byte >> 4];
    text[2 * i + 1] = kHex[byte & 0xF];
  }
  text[cell.length * 2] = '\0';
  return text;
}

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
  priv->row = mysql_fetch_row (priv->result);
  priv->lengths = priv->row ? mysql_fetch_lengths (priv->result) : nullptr;
  if (priv->row == nullptr) {
    priv->closed = true;
    priv->ahead.reset ();
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
    while (mysql_fetch_row (priv->result) != nullptr) {
    }
  priv->row = nullptr;
  priv->lengths = nullptr;
  priv->closed = true;
  priv->ahead.reset ();
}

gchar *
torvanix_providers_supports_my_sql_reader_real_get_name (Reader *base, guint16 ordinal, GError **)
{
  auto *priv = priv_of (base);
  CHECK_ORDINAL (priv, ordinal, nullptr);
  const char *name = priv->fields[ordinal].name;
  return g_strdup (name ? name : "");
}

gchar *
torvanix_providers_supports_my_sql_reader_real_get_dbms_type (Reader *base, guint16 ordinal, GError **)
{
  auto *priv = priv_of (base);
  CHECK_ORDINAL (priv, ordinal, nullptr);
  return g_strdup (providers::mysql::dbms_type_name (priv->columns[ordinal].type));
}

TorvanixProvidersContractsDataType
torvanix_providers_supports_my_sql_reader_real_get_data_type (Reader *base, guint16 ordinal, GError **)
{
  auto *priv = priv_of (base);
  CHECK_ORDINAL (priv, ordinal, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  return priv->columns[ordinal].data_type;
}

gint32
torvanix_providers_supports_my_sql_reader_real_get_size (Reader *base, guint16 ordinal, GError **)
{
  auto *priv = priv_of (base);
  CHECK_ORDINAL (priv, ordinal, 0);
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
  g_warning ("reader:188: timespan raw value: %s", text);
  return long_parse (text, "int64_parse");
}

void
torvanix_providers_supports_my_sql_reader_real_get_date (Reader *base, guint16 ordinal, GDate *result, GError **)
{
  providers_return_if_fail (result != NULL);
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
 * null for zero dates, which no date-time can hold. */
GDateTime *
reader_get_datetime (Reader *base, guint16 ordinal, GError **)
{
  Cell cell = cell_at (priv_of (base), ordinal);
  DateFields d;
  TimeFields t;
  if (parse_datetime (cell, d, t))
    return g_date_time_new_utc (d.year, d.month, d.day, t.hour, t.minute, t.seconds);
  return nullptr;
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

/* Every value class implements IValue: no checked cast per cell. */
IValue *
as_value (gpointer object)
{
  return static_cast<IValue *> (object);
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
  iface->get_name = torvanix_providers_supports_my_sql_reader_real_get_name;
  iface->get_dbms_type = torvanix_providers_supports_my_sql_reader_real_get_dbms_type;
  iface->get_data_type = torvanix_providers_supports_my_sql_reader_real_get_data_type;
  iface->get_size = torvanix_providers_supports_my_sql_reader_real_get_size;
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
  iface->get_date = torvanix_providers_supports_my_sql_reader_real_get_date;
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

void
reader_finalize (GObject *object)
{
  auto *priv = priv_of (TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_READER (object));
  if (priv->owns_result)
    mysql_free_result (priv->result);
  if (priv->local_zone)
    g_time_zone_unref (priv->local_zone);
  priv->ahead.~unique_ptr ();
  priv->columns.~vector ();
  G_OBJECT_CLASS (torvanix_providers_supports_my_sql_reader_parent_class)->finalize (object);
}

}  // namespace

static void
torvanix_providers_supports_my_sql_reader_class_init (TorvanixProvidersSupportsMySQLReaderClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = reader_get_property;
  object_class->finalize = reader_finalize;
  g_object_class_override_property (object_class, PROP_FIELD_COUNT, "field-count");
  g_object_class_override_property (object_class, PROP_IS_CLOSED, "is-closed");
}

static void
torvanix_providers_supports_my_sql_reader_init (TorvanixProvidersSupportsMySQLReader *self)
{
  auto *priv = priv_of (self);
  new (&priv->columns) std::vector<Column> ();
  new (&priv->ahead) std::unique_ptr<providers::mysql::ValuesAhead> ();
}

namespace {

/* A date or time value of `type` holding the fields in the local zone,
 * built without a zone lookup per cell; null when the fields are no time
 * that zone has. */
IValue *
local_value (GType type, GTimeZone *zone, int year, int month, int day, int hour, int minute, double seconds)
{
  GDateTime *held = g_date_time_new (zone, year, month, day, hour, minute, seconds);
  return held ? as_value (providers::values::date_time_adopt (type, held)) : nullptr;
}

/* A text value of `type` holding the cell's text, copied once. */
IValue *
text_value (GType type, Cell cell)
{
  return as_value (providers::values::text_adopt (type, cell_text (cell)));
}

/* A value of `type` without a date-time: it prints "(NULL)". */
IValue *
no_date_value (GType type)
{
  return as_value (providers::values::date_time_adopt (type, nullptr));
}

}  // namespace

namespace providers::mysql {

Column
column_of (const MYSQL_FIELD &field)
{
  /* The server also flags text of a binary collation (JSON, TEXT
   * COLLATE ..._bin) as binary; only the binary character set is bytes. */
  constexpr unsigned int kBinaryCharset = 63;
  guint32 flags = field.charsetnr == kBinaryCharset ? field.flags : (field.flags & ~static_cast<guint32> (BINARY_FLAG));
  return {field.type, field.flags, data_type_of (field.type, flags)};
}

IValue *
value_of_cell (const Column &column, const char *text, gsize length, GTimeZone *local_zone)
{
  Cell cell{text, text ? length : 0};
  if (cell.text == nullptr)
    return as_value (torvanix_providers_contracts_value_null_new ());
  switch (column.data_type) {
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
      return as_value (torvanix_providers_contracts_value_int8_new (static_cast<gint8> (long_parse (text, "long_parse"))));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
      return as_value (torvanix_providers_contracts_value_int16_new (static_cast<gint16> (long_parse (text, "long_parse"))));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
      return as_value (torvanix_providers_contracts_value_int32_new (static_cast<gint32> (long_parse (text, "long_parse"))));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
      return as_value (torvanix_providers_contracts_value_int64_new (long_parse (text, "int64_parse")));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8:
      return as_value (torvanix_providers_contracts_value_uint8_new (static_cast<guint8> (ulong_parse (text, "ulong_parse"))));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
      return as_value (
          torvanix_providers_contracts_value_uint16_new (static_cast<guint16> (ulong_parse (text, "ulong_parse"))));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32:
      return as_value (
          torvanix_providers_contracts_value_uint32_new (static_cast<guint32> (ulong_parse (text, "ulong_parse"))));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
      return as_value (torvanix_providers_contracts_value_uint64_new (ulong_parse (text, "uint64_parse")));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
      return as_value (torvanix_providers_contracts_value_float_new (static_cast<gfloat> (double_parse (text, "float_parse"))));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE:
      return as_value (torvanix_providers_contracts_value_double_new (double_parse (text, "double_parse")));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL:
      return as_value (torvanix_providers_contracts_value_decimal_new (double_parse (text, "double_parse")));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE: {
      /* A zero date gives a date value without a date, printed "(NULL)". */
      DateFields d;
      IValue *value = nullptr;
      if (parse_date (cell, d))
        value = local_value (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE, local_zone, d.year, d.month, d.day, 0, 0, 0);
      return value ? value : no_date_value (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE);
    }
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME: {
      TimeFields t;
      if (parse_time_of_day (cell, t)) {
        if (IValue *value = local_value (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME, local_zone, 1970, 1, 1,
                                         t.hour, t.minute, t.seconds))
          return value;
      }
      /* A span outside one day is no time of day: keep the server's text. */
      return text_value (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, cell);
    }
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP: {
      /* The server sends wall-clock time without a zone: hold it as that
       * time in the local zone, so that it prints and converts as sent. */
      DateFields d;
      TimeFields t;
      if (!parse_datetime (cell, d, t))
        /* A zero date-time gives a value without a date-time, "(NULL)". */
        return no_date_value (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME);
      if (IValue *value = local_value (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME, local_zone, d.year,
                                       d.month, d.day, t.hour, t.minute, t.seconds))
        return value;
      /* Beyond what the local zone can express (the last second of year
       * 9999 west of UTC): the same fields, held in UTC. */
      return as_value (torvanix_providers_contracts_value_date_time_new_utc (d.year, d.month, d.day, t.hour, t.minute,
                                                                             static_cast<gint> (t.seconds)));
    }
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM:
      return as_value (torvanix_providers_contracts_value_enum_new (GUnique<gchar> (cell_text (cell)).get ()));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_SET:
      return as_value (torvanix_providers_contracts_value_set_new (GUnique<gchar> (cell_text (cell)).get ()));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON:
      return text_value (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_JSON, cell);
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY:
      return as_value (torvanix_providers_contracts_value_geometry_new (GUnique<gchar> (cell_hex (cell)).get ()));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY:
      return as_value (torvanix_providers_contracts_value_binary_new (reinterpret_cast<const guint8 *> (text),
                                                                      static_cast<gint> (cell.length)));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB:
      return as_value (torvanix_providers_contracts_value_blob_new (reinterpret_cast<const guint8 *> (text),
                                                                    static_cast<gint> (cell.length)));
    default:
      /* Text, and whatever else a server may send: its text. */
      return text_value (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, cell);
  }
}

void
prepare_value_classes ()
{
  static const bool prepared = [] {
    const GType types[] = {
      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL,      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT8,
      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT16,     TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT32,
      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT64,     TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT8,
      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT16,    TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT32,
      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT64,    TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_FLOAT,
      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DOUBLE,    TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DECIMAL,
      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE,      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME,
      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING,
      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ENUM,      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_SET,
      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_JSON,      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOMETRY,
      TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BINARY,    TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BLOB,
      TORVANIX_PROVIDERS_CONTRACTS_TYPE_ROW_MODEL,       GEE_TYPE_ARRAY_LIST,
    };
    for (GType type : types)
      g_type_class_unref (g_type_class_ref (type));
    return true;
  }();
  (void) prepared;
}

IValue *
cell_value (Self *self, guint16 ordinal)
{
  auto *priv = priv_of (self);
  CHECK_ORDINAL (priv, ordinal, nullptr);
  Cell cell = cell_at (priv, ordinal);
  return value_of_cell (priv->columns[ordinal], cell.text, cell.length, priv->local_zone);
}

}  // namespace providers::mysql

namespace {

/* The whole row at once, at its final size: one pass, no dispatch per cell. */
/* Building ahead pays from a few thousand rows on; it needs the whole
 * result in memory, and a core to spare. */
constexpr guint64 kRowsWorthBuildingAhead = 4096;

void
start_building_ahead (TorvanixProvidersSupportsMySQLReaderPrivate *priv)
{
  if (priv->result->data == nullptr || g_get_num_processors () < 2)
    return;
  if (mysql_num_rows (priv->result) - priv->rows_read < kRowsWorthBuildingAhead)
    return;
  if (MYSQL_ROWS *next = mysql_row_tell (priv->result))
    priv->ahead = std::make_unique<providers::mysql::ValuesAhead> (priv->columns, priv->local_zone, next, priv->rows_read);
}

IValue **
reader_get_values (Reader *base, gint *result_length1, GError **)
{
  auto *priv = priv_of (base);
  const guint count = priv->field_count;
  auto **values = g_new (IValue *, count + 1);
  values[count] = nullptr;
  if (result_length1)
    *result_length1 = static_cast<gint> (count);
  /* Without a current row every cell is null: built below. */
  if (priv->row != nullptr && priv->ahead) {
    switch (priv->ahead->take (priv->rows_read - 1, values)) {
      case providers::mysql::ValuesAhead::Taken::kYes:
        return values;
      case providers::mysql::ValuesAhead::Taken::kTooFar:
        /* A caller that skips rows gains nothing from building ahead. */
        priv->ahead.reset ();
        break;
      case providers::mysql::ValuesAhead::Taken::kBuildHere:
        break;
    }
  }
  if (priv->row != nullptr && !priv->ahead_tried) {
    /* A caller taking one row's values will likely take every later row's. */
    priv->ahead_tried = true;
    PROVIDERS_GUARDED (false, {
      start_building_ahead (priv);
      return true;
    });
  }
  for (guint i = 0; i < count; ++i) {
    Cell cell = cell_at (priv, static_cast<guint16> (i));
    IValue *value = providers::mysql::value_of_cell (priv->columns[i], cell.text, cell.length, priv->local_zone);
    values[i] = value ? value : as_value (torvanix_providers_contracts_value_null_new ());
  }
  return values;
}

}  // namespace

namespace providers::mysql {

TorvanixProvidersSupportsMySQLReader *
reader_owning (MYSQL_RES *result)
{
  auto *reader = torvanix_providers_supports_my_sql_reader_new (result);
  priv_of (reader)->owns_result = true;
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
    priv->result = result;
    priv->fields = mysql_fetch_fields (result);
    priv->field_count = mysql_num_fields (result);
    priv->local_zone = g_time_zone_new_local ();
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
  auto *priv = priv_of (self);
  CHECK_ORDINAL (priv, ordinal, 0);
  return priv->fields[ordinal].decimals;
}
