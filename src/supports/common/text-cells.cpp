/* The cell layer: a server's text cells as numbers, dates and times, and
 * as the library's typed values. The reader, the build-ahead thread and
 * the model fill all build values here, always in the server's own
 * notation, whatever the process's locale or time zone. */
#include "supports/common/text-cells-internal.h"

#include "common/compat-texts.h"
#include "common/gobject-ref.h"
#include "contracts/internals-private.h"
#include "contracts/values/value-class-table-internal.h"
#include "libproviders/models.h"
#include "libproviders/values.h"

#include <gee.h>

#include <charconv>
#include <cstring>

namespace providers::home {

using IValue = TorvanixProvidersContractsIValue;

/* Numbers ------------------------------------------------------------------ */

/* A null cell has no number: GLib's usual warning, naming the parse step. */
bool
has_text (const char *step, const char *text)
{
  if (text != nullptr)
    return true;
  g_return_if_fail_warning (G_LOG_DOMAIN, step, PROVIDERS_TEXT_NULL_CELL);
  return false;
}

namespace {

/* Up to 18 digits never overflow 64 bits. */
constexpr int kSafeDigits = 18;

/* The number of a text that is only `[-]digits` and short enough that it
 * cannot overflow: what almost every cell a server sends is, read without
 * GLib's general parser (a few times dearer a cell). False for anything
 * else, which that parser reads. */
bool
plain_integer (const char *text, bool allow_minus, gint64 &value)
{
  const char *p = text;
  const bool negative = allow_minus && *p == '-';
  if (negative)
    ++p;
  guint64 magnitude = 0;
  const char *first = p;
  for (; g_ascii_isdigit (*p); ++p)
    magnitude = magnitude * 10 + static_cast<guint64> (*p - '0');
  if (*p != '\0' || p == first || p - first > kSafeDigits)
    return false;
  value = negative ? -static_cast<gint64> (magnitude) : static_cast<gint64> (magnitude);
  return true;
}

}  // namespace

/* Server cells are decimal; base 10 keeps a zero-padded "00042" at 42. */
gint64
long_parse (const char *text, const char *step)
{
  if (!has_text (step, text))
    return 0;
  gint64 value;
  return plain_integer (text, true, value) ? value : g_ascii_strtoll (text, nullptr, 10);
}

guint64
ulong_parse (const char *text, const char *step)
{
  if (!has_text (step, text))
    return 0;
  gint64 value;
  return plain_integer (text, false, value) ? static_cast<guint64> (value) : g_ascii_strtoull (text, nullptr, 10);
}

namespace {

/* Powers of ten a double holds exactly. */
constexpr double kExactTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

/* `[-]digits[.digits]` of at most 15 digits in all: the digits as a whole
 * number and the power of ten below them are both exact doubles, so their
 * quotient is the correctly rounded number, as from_chars reads it. False
 * for any other text. */
bool
plain_decimal (const char *text, gdouble &value)
{
  const char *p = text;
  const bool negative = *p == '-';
  if (negative)
    ++p;
  guint64 digits = 0;
  int count = 0, decimals = 0;
  bool point = false, any = false;
  for (;; ++p) {
    if (g_ascii_isdigit (*p)) {
      digits = digits * 10 + static_cast<guint64> (*p - '0');
      any = true;
      if (++count > 15)
        return false;
      decimals += point;
    } else if (*p == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (*p != '\0' || !any)
    return false;
  const double magnitude = static_cast<double> (digits) / kExactTens[decimals];
  value = negative ? -magnitude : magnitude;
  return true;
}

/* Both parsers read a decimal point whatever the locale and round alike;
 * from_chars is several times cheaper per cell. What it does not read to
 * the end (a sign '+', blanks, hex, a value out of range) goes to GLib's
 * parser, which reads the longest prefix that is a number. */
gdouble
ascii_to_double (const char *text)
{
  gdouble value = 0;
  if (plain_decimal (text, value))
    return value;
  const char *end = text + std::strlen (text);
  auto [stop, ec] = std::from_chars (text, end, value);
  if (ec == std::errc () && stop == end)
    return value;
  return g_ascii_strtod (text, nullptr);
}

}  // namespace

gdouble
double_parse (const char *text, const char *step)
{
  return has_text (step, text) ? ascii_to_double (text) : 0;
}

namespace {

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

/* Seconds with their fraction ("05", "05.123456"): the fraction read as
 * whole microseconds, so that it survives the double exactly, and the
 * number of its digits. */
bool
seconds_field (const char *&p, const char *end, TimeFields &t)
{
  int whole;
  if (!digits (p, end, 2, whole))
    return false;
  int micro = 0;
  t.decimals = 0;
  if (p < end && *p == '.') {
    ++p;
    for (; p < end && g_ascii_isdigit (*p); ++p) {
      if (t.decimals < 6) {
        micro = micro * 10 + (*p - '0');
        ++t.decimals;
      }
    }
  }
  for (int i = t.decimals; i < 6; ++i)
    micro *= 10;
  t.seconds = whole + micro / 1e6;
  return true;
}

/* "YYYY-MM-DD". A zero date ("0000-00-00", or a zero month or day, which
 * some servers allow) is no date. */
bool
parse_date (const char *&p, const char *end, DateFields &d)
{
  return digits (p, end, 4, d.year) && expect (p, end, '-') && digits (p, end, 2, d.month) && expect (p, end, '-')
         && digits (p, end, 2, d.day) && g_date_valid_dmy (static_cast<GDateDay> (d.day), static_cast<GDateMonth> (d.month),
                                                             static_cast<GDateYear> (d.year));
}

}  // namespace

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
         && expect (p, end, ':') && digits (p, end, 2, t.minute) && expect (p, end, ':') && seconds_field (p, end, t)
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
         && seconds_field (p, end, t) && p == end && t.hour < 24 && t.minute < 60 && t.seconds < 60;
}

/* Texts and bytes ------------------------------------------------------------- */

gchar *
cell_text (Cell cell)
{
  /* g_strndup stops at a zero byte inside the cell. */
  return cell.length == 0 ? g_strdup ("") : g_strndup (cell.text, cell.length);
}

/* A spatial cell in a server's binary form is, as text, its hex digits,
 * which lose nothing. */
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

/* Values ------------------------------------------------------------------- */

namespace {

/* Seconds from 1970-01-01 to the day, in the proleptic Gregorian calendar
 * (H. Hinnant's days_from_civil). */
gint64
days_from_civil (gint64 year, int month, int day)
{
  year -= month <= 2;
  const gint64 era = (year >= 0 ? year : year - 399) / 400;
  const gint64 year_of_era = year - era * 400;
  const gint64 day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const gint64 day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

/* The fields a server sent, as a date-time: in the local zone (built
 * without a zone lookup per cell) where it has that wall-clock time, else
 * (a daylight-saving gap, a skipped day, the last second of year 9999 west
 * of UTC) the same fields in UTC, so that they print as sent. */
GDateTime *
wall_clock (GTimeZone *zone, const DateFields &d, const TimeFields &t)
{
  if (GDateTime *local = g_date_time_new (zone, d.year, d.month, d.day, t.hour, t.minute, t.seconds)) {
    const gint64 fields = days_from_civil (d.year, d.month, d.day) * 86400 + t.hour * 3600 + t.minute * 60
                          + static_cast<gint64> (t.seconds);
    if (g_date_time_to_unix (local) + g_date_time_get_utc_offset (local) / G_USEC_PER_SEC == fields)
      return local;
    g_date_time_unref (local);
  }
  static GTimeZone *const utc = g_time_zone_new_utc ();
  return g_date_time_new (utc, d.year, d.month, d.day, t.hour, t.minute, t.seconds);
}

/* A date or time value of `type` holding the server's fields; null when
 * they are no date-time at all. */
IValue *
wall_clock_value (GType type, GTimeZone *zone, const DateFields &d, const TimeFields &t)
{
  GDateTime *held = wall_clock (zone, d, t);
  return held ? as_value (internals ().date_time_adopt_cell (type, held, t.decimals)) : nullptr;
}

/* A value of `type` without a date-time that prints the server's text: a
 * zero or partial date, which the server accepts and no GDateTime holds. */
IValue *
server_text_date_value (GType type, Cell cell)
{
  return as_value (internals ().date_time_adopt_text (type, cell_text (cell)));
}

/* A text value of `type` holding the cell's text, copied once. */
IValue *
text_value (GType type, Cell cell)
{
  return as_value (internals ().text_copy (type, cell.text, cell.length));
}

}  // namespace

namespace {

/* A number the server spells with leading zeros (zero-padded columns, a
 * year "0000") prints as the server spelled it. */
IValue *
padded (IValue *value, Cell cell)
{
  if (cell.length > 1 && cell.text[0] == '0')
    internals ().integer_keep_text (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (value), cell_text (cell));
  return value;
}

/* The value of a cell that is not SQL NULL, in the form the class table
 * asks for; null where the value's constructor refuses the cell. Base 10
 * keeps a zero-padded "00042" at 42. */
IValue *
typed_value (const Column &column, Cell cell, GTimeZone *local_zone)
{
  using providers::values::CellForm;
  const providers::values::ValueClassRow &row = internals ().value_class_row (column.data_type);
  const char *text = cell.text;
  switch (row.cell_form) {
    case CellForm::kNull:
      return nullptr;
    case CellForm::kSigned:
      return padded (row.signed_cell (long_parse (text, PROVIDERS_STEP_LONG_PARSE)), cell);
    case CellForm::kUnsigned:
      return padded (row.unsigned_cell (ulong_parse (text, PROVIDERS_STEP_ULONG_PARSE)), cell);
    case CellForm::kFloating:
      return row.floating_cell (double_parse (text, PROVIDERS_STEP_DOUBLE_PARSE));
    case CellForm::kExact:
      /* An exact number: it prints the server's digits. */
      return row.exact_cell (ascii_to_double (text), cell.text, cell.length);
    case CellForm::kDate: {
      DateFields d;
      IValue *value = nullptr;
      if (parse_date (cell, d))
        value = wall_clock_value (row.value_type (), local_zone, d, TimeFields{});
      return value ? value : server_text_date_value (row.value_type (), cell);
    }
    case CellForm::kTime: {
      TimeFields t;
      if (parse_time_of_day (cell, t)) {
        if (IValue *value = wall_clock_value (row.value_type (), local_zone, DateFields{1970, 1, 1}, t))
          return value;
      }
      /* A span outside one day is no time of day: keep the server's text. */
      return text_value (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, cell);
    }
    case CellForm::kDateTime: {
      /* Wall-clock time sent without a zone is held as that time in the
       * local zone, so that it prints and converts as sent. */
      DateFields d;
      TimeFields t;
      IValue *value = nullptr;
      if (parse_datetime (cell, d, t))
        value = wall_clock_value (row.value_type (), local_zone, d, t);
      return value ? value : server_text_date_value (row.value_type (), cell);
    }
    case CellForm::kSpatial: {
      GUnique<gchar> hex (cell_hex (cell));
      return row.text_cell (hex.get (), cell.length * 2);
    }
    case CellForm::kBytes:
      return row.bytes_cell (reinterpret_cast<const guint8 *> (text), cell.length);
    case CellForm::kText:
      break;
  }
  /* Text, and whatever else a server may send: its text. */
  return row.text_cell (text, cell.length);
}

}  // namespace

IValue *
value_of_cell (const Column &column, const char *text, gsize length, GTimeZone *local_zone)
{
  /* SQL NULL, and a cell no value can hold, are a null value for every
   * caller: rows and readers never hold a missing value. */
  IValue *value = text ? typed_value (column, Cell{text, length}, local_zone) : nullptr;
  return value ? value : as_value (torvanix_providers_contracts_value_null_new ());
}

void
prepare_value_classes ()
{
  static const bool prepared = [] {
    internals ().prepare_value_classes ();
    g_type_class_unref (g_type_class_ref (TORVANIX_PROVIDERS_CONTRACTS_TYPE_ROW_MODEL));
    g_type_class_unref (g_type_class_ref (GEE_TYPE_ARRAY_LIST));
    return true;
  }();
  (void) prepared;
}

}  // namespace providers::home
