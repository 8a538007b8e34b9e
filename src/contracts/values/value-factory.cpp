/* The value factory: a value object of any data type, built from text, for
 * code that knows no more than a column's data type (such as a new row of
 * a table, filled with defaults). */
#include "libproviders/values/value-factory.h"

#include "common/check.h"
#include "common/gobject-ref.h"
#include "libproviders/values/value-binary.h"
#include "libproviders/values/value-datetime.h"
#include "libproviders/values/value-scalar.h"
#include "libproviders/values/value-text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace {

using providers::GUnique;

/* Reads an integer the way the C library's conversions do (leading white
 * space, an optional sign, then digits up to the first character that is
 * not one; with `base_prefixes`, 0x for hexadecimal and a leading 0 for
 * octal), but never overflows: the result is the written number modulo
 * 2^64, two's complement for a minus sign. Narrower types keep its low
 * bits, so every integer wraps around the same way. */
guint64
wrapping_integer (const gchar *text, bool base_prefixes)
{
  const char *p = text;
  while (g_ascii_isspace (*p)) ++p;
  bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  unsigned base = 10;
  if (base_prefixes && p[0] == '0') {
    if ((p[1] == 'x' || p[1] == 'X') && g_ascii_isxdigit (p[2])) {
      base = 16;
      p += 2;
    } else {
      base = 8;
    }
  }
  guint64 value = 0;
  for (;; ++p) {
    int digit = g_ascii_xdigit_value (*p);
    if (digit < 0 || static_cast<unsigned> (digit) >= base) break;
    value = value * base + static_cast<guint64> (digit);
  }
  return negative ? 0 - value : value;
}

/* Decimal integer, as atoi reads it. */
guint64
decimal_integer (const gchar *text)
{
  return wrapping_integer (text, false);
}

/* Integer with base prefixes, as strtoul with base 0 reads it. */
guint64
prefixed_integer (const gchar *text)
{
  return wrapping_integer (text, true);
}

/* Single precision rounded straight from the text, with a full stop as the
 * decimal point whatever the process locale (applications set it from the
 * environment, and a decimal comma would cut "1.5" to 1). Out-of-range
 * text gives an infinity, as strtof does. */
gfloat
float_from_text (const gchar *text)
{
  static const locale_t c_locale = newlocale (LC_ALL_MASK, "C", static_cast<locale_t> (nullptr));
  if (c_locale != nullptr) return strtof_l (text, nullptr, c_locale);
  /* Only without memory for a locale object: narrow by hand, since a
   * double beyond the float range must not be converted directly. */
  gdouble wide = g_ascii_strtod (text, nullptr);
  if (wide > G_MAXFLOAT) return HUGE_VALF;
  if (wide < -G_MAXFLOAT) return -HUGE_VALF;
  return static_cast<gfloat> (wide);
}

TorvanixProvidersContractsValueTime *
time_from_text (const gchar *text)
{
  if (text == nullptr) {
    GUnique<GDateTime> now (g_date_time_new_now_local ());
    return torvanix_providers_contracts_value_time_new_hms (g_date_time_get_hour (now.get ()), g_date_time_get_minute (now.get ()),
                                                            g_date_time_get_seconds (now.get ()));
  }
  /* A full ISO 8601 date and time gives its own time of day; a bare time
   * does not parse and gives midnight. */
  GUnique<GTimeZone> utc (g_time_zone_new_utc ());
  GUnique<GDateTime> parsed (g_date_time_new_from_iso8601 (text, utc.get ()));
  if (!parsed) return torvanix_providers_contracts_value_time_new_hms (0, 0, 0.0);
  return torvanix_providers_contracts_value_time_new_hms (g_date_time_get_hour (parsed.get ()),
                                                          g_date_time_get_minute (parsed.get ()),
                                                          g_date_time_get_seconds (parsed.get ()));
}

/* The bytes of the text without its terminating zero. */
template <typename Make>
gpointer
bytes_from_text (const gchar *text, Make make)
{
  if (text == nullptr) return make (nullptr, 0);
  /* A cell longer than the length type can count is cut at its limit. */
  gsize length = MIN (std::strlen (text), static_cast<gsize> (G_MAXINT));
  return make (reinterpret_cast<const guint8 *> (text), static_cast<gint> (length));
}

gpointer
build (int type, const gchar *text)
{
  const gchar *text_or_empty = text ? text : "";
  switch (type) {
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL:
      return torvanix_providers_contracts_value_null_new ();
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN:
      return torvanix_providers_contracts_value_boolean_new (g_strcmp0 (text, "true") == 0);
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
      return torvanix_providers_contracts_value_int8_new (static_cast<gint8> (decimal_integer (text_or_empty)));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
      return torvanix_providers_contracts_value_int16_new (static_cast<gint16> (decimal_integer (text_or_empty)));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
      return torvanix_providers_contracts_value_int32_new (static_cast<gint32> (decimal_integer (text_or_empty)));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
      return torvanix_providers_contracts_value_int64_new (g_ascii_strtoll (text_or_empty, nullptr, 0));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8:
      return torvanix_providers_contracts_value_uint8_new (static_cast<guint8> (prefixed_integer (text_or_empty)));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
      return torvanix_providers_contracts_value_uint16_new (static_cast<guint16> (prefixed_integer (text_or_empty)));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32:
      return torvanix_providers_contracts_value_uint32_new (static_cast<guint32> (prefixed_integer (text_or_empty)));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
      return torvanix_providers_contracts_value_uint64_new (g_ascii_strtoull (text_or_empty, nullptr, 0));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
      /* Double precision: single precision loses cents beyond about seven
       * digits (1234567.89 would become 1234567.875). */
      return torvanix_providers_contracts_value_money_new (g_ascii_strtod (text_or_empty, nullptr));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
      return torvanix_providers_contracts_value_float_new (float_from_text (text_or_empty));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE:
      return torvanix_providers_contracts_value_double_new (g_ascii_strtod (text_or_empty, nullptr));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE:
      return text ? torvanix_providers_contracts_value_date_new_iso8601 (text) : torvanix_providers_contracts_value_date_new ();
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME:
      return time_from_text (text);
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP:
      return text ? torvanix_providers_contracts_value_date_time_new_iso8601 (text)
                  : torvanix_providers_contracts_value_date_time_new ();
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN:
      return torvanix_providers_contracts_value_time_span_new_interval (0, g_ascii_strtoll (text_or_empty, nullptr, 0));
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING:
      return torvanix_providers_contracts_value_string_new (text_or_empty);
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID:
      return torvanix_providers_contracts_value_uuid_new_uuid (text_or_empty);
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON:
      return torvanix_providers_contracts_value_json_new (text_or_empty);
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY:
      return bytes_from_text (text, torvanix_providers_contracts_value_binary_new);
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB:
      return bytes_from_text (text, torvanix_providers_contracts_value_blob_new);
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT:
      return torvanix_providers_contracts_value_object_new ();
    default:
      /* Types without a class of their own keep their text. */
      return torvanix_providers_contracts_value_xml_new (text_or_empty);
  }
}

}  // namespace

extern "C" TorvanixProvidersContractsIValue *
torvanix_providers_contracts_ivalue_factory (TorvanixProvidersContractsDataType type, const gchar *text)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (build (providers::raw_enum (type), text));
}
