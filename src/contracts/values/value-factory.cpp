/* The value factory: a value object of any data type, built from text, for
 * code that knows no more than a column's data type (such as a new row of
 * a table, filled with defaults). The class table says which class each
 * data type gets; here are the readers of numbers and times it uses. */
#include "libproviders/values/value-factory.h"

#include "common/check.h"
#include "common/gobject-ref.h"
#include "contracts/values/value-class-table-internal.h"
#include "contracts/values/value-factory-private.h"
#include "libproviders/values/value-datetime.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace providers::values {

namespace {

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

}  // namespace

guint64
decimal_integer (const gchar *text)
{
  return wrapping_integer (text, false);
}

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

gpointer
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

}  // namespace providers::values

extern "C" TorvanixProvidersContractsIValue *
torvanix_providers_contracts_ivalue_factory (TorvanixProvidersContractsDataType type, const gchar *text)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (providers::values::value_class_row (type).from_text (text));
}
