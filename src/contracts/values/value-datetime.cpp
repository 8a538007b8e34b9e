/* ValueDateTime and its kinds ValueDate and ValueTime: temporal cells held
 * as a GDateTime. The kinds differ only in how they are built, how they
 * print and, for a date, what GLib value they hand out. */
#include "libproviders/values/value-datetime.h"

#include "common/gobject-ref.h"
#include "contracts/values/value-family-private.h"
#include "contracts/values/value-internal.h"

namespace {

using providers::GUnique;

/* A value the application makes prints a fraction only when it has one. */
constexpr gint8 kAppDecimals = -1;

enum class Parts { kDateAndTime, kDate, kTime };

struct DateTimeTraits {
  PROVIDERS_VALUE_NAMES (ValueDateTime, "datetime", DATETIME);
  struct Private {
    GDateTime *itsvalue = nullptr;  /* owned reference, may be null */
    gchar *text = nullptr;          /* a server's text that no date-time holds (a zero date); else null */
    gint8 decimals = kAppDecimals;  /* fraction digits a server sent; kAppDecimals for values made here */

    Private () = default;
    Private (const Private &) = delete;
    ~Private ()
    {
      if (itsvalue) g_date_time_unref (itsvalue);
      g_free (text);
    }

    /* The held fields as the server writes them: four-digit years (also
     * before 1000, which GLib's %Y leaves unpadded) and the fraction of a
     * second to the digits the server sent, or six for a value made here
     * whose fraction is not zero. A server's text that no date-time holds
     * prints as sent. */
    gchar *format (Parts parts) const
    {
      GDateTime *value = itsvalue;
      if (value == nullptr) return g_strdup (text ? text : "(NULL)");
      char buffer[48];
      int at = 0;
      if (parts != Parts::kTime) {
        int year, month, day;
        g_date_time_get_ymd (value, &year, &month, &day);
        at += g_snprintf (buffer + at, sizeof buffer - at, "%04d-%02d-%02d", year, month, day);
      }
      if (parts == Parts::kDate) return g_strndup (buffer, at);
      if (parts == Parts::kDateAndTime) buffer[at++] = ' ';
      at += g_snprintf (buffer + at, sizeof buffer - at, "%02d:%02d:%02d", g_date_time_get_hour (value),
                        g_date_time_get_minute (value), g_date_time_get_second (value));
      int micro = g_date_time_get_microsecond (value);
      int digits = decimals == kAppDecimals ? (micro != 0 ? 6 : 0) : decimals;
      if (digits > 0) {
        char fraction[8];
        g_snprintf (fraction, sizeof fraction, "%06d", micro);
        at += g_snprintf (buffer + at, sizeof buffer - at, ".%.*s", digits, fraction);
      }
      return g_strndup (buffer, at);
    }
  };
  using Held = GDateTime *;

  static GParamSpec *itsvalue_spec ()
  {
    return g_param_spec_boxed ("itsvalue", "itsvalue", "itsvalue", G_TYPE_DATE_TIME, providers::values::kItsvalueFlags);
  }
  static GDateTime *get (const Private &p) { return p.itsvalue; }
  /* The application's date-time: what a server sent no longer applies. Ref
   * before unref: `value` may be the date-time held. */
  static void set (Private &p, GDateTime *value)
  {
    GDateTime *old = p.itsvalue;
    p.itsvalue = value ? g_date_time_ref (value) : nullptr;
    if (old) g_date_time_unref (old);
    g_clear_pointer (&p.text, g_free);
    p.decimals = kAppDecimals;
  }
  /* A GDateTime is immutable, so a clone shares it: the copy prints exactly
   * what the original prints, in the same zone, and a value holding no
   * date-time clones to another such value. Serves the kinds too. */
  static void copy (const Private &from, Private &to)
  {
    to.itsvalue = from.itsvalue ? g_date_time_ref (from.itsvalue) : nullptr;
    to.text = g_strdup (from.text);
    to.decimals = from.decimals;
  }

  /* The same instant, microseconds included, in the local zone. A value
   * whose fields named no valid moment holds no date-time; reading it as a
   * GLib value is a caller's oversight worth a warning. */
  static void torvanix_providers_contracts_value_object_to_value (const Private &p, GValue *result)
  {
    GDateTime *datetime = p.itsvalue;
    providers_warn_if_fail (datetime != NULL);
    g_value_init (result, G_TYPE_DATE_TIME);
    g_value_take_boxed (result, datetime ? g_date_time_to_local (datetime) : g_date_time_new_from_unix_local (0));
  }
  static gchar *torvanix_providers_contracts_value_object_to_string (const Private &p)
  {
    return p.format (Parts::kDateAndTime);
  }
};

using DateTime = providers::values::ValueClass<DateTimeTraits>;

/* The slots ValueDate and ValueTime override. */
struct DateSlots {
  /* Without a date-time the GDate stays cleared: GLib's own "invalid
   * date", which g_date_valid() reports. */
  static void torvanix_providers_contracts_value_object_to_value (TorvanixProvidersContractsValueObject *self,
                                                                  GValue *result)
  {
    GDateTime *datetime = DateTime::get (self);
    providers_warn_if_fail (datetime != NULL);
    g_value_init (result, G_TYPE_DATE);
    GDate *date = g_date_new ();
    if (datetime)
      g_date_set_dmy (date, static_cast<GDateDay> (g_date_time_get_day_of_month (datetime)),
                      static_cast<GDateMonth> (g_date_time_get_month (datetime)),
                      static_cast<GDateYear> (g_date_time_get_year (datetime)));
    g_value_take_boxed (result, date);
  }
  static gchar *to_string (TorvanixProvidersContractsValueObject *self) { return DateTime::priv (self).format (Parts::kDate); }
};

gchar *
time_to_string (TorvanixProvidersContractsValueObject *self)
{
  return DateTime::priv (self).format (Parts::kTime);
}

/* Makes an instance of `object_type` holding `value` (adopted; may be
 * null). Callers have checked that the type is a ValueDateTime. */
TorvanixProvidersContractsValueDateTime *
make (GType object_type, GDateTime *value)
{
  return DateTime::make (object_type, value);
}

/* ISO 8601 date and time, in the zone `zone` answers for texts naming no
 * zone; anything else becomes the Unix epoch in the local zone, silently. */
GDateTime *
parse_iso8601 (const gchar *text, GTimeZone *(*zone) ())
{
  GUnique<GTimeZone> default_zone (zone ());
  GDateTime *parsed = g_date_time_new_from_iso8601 (text, default_zone.get ());
  return parsed ? parsed : g_date_time_new_from_unix_local (0);
}

/* A cleared or invalid GDate names no day, like an invalid year, month and
 * day: the value holds no date-time. (Reading its fields would make GLib
 * complain.) */
GDateTime *
local_midnight (const GDate *date)
{
  if (!g_date_valid (date)) return nullptr;
  return g_date_time_new_local (g_date_get_year (date), g_date_get_month (date), g_date_get_day (date), 0, 0, 0.0);
}

}  // namespace

TorvanixProvidersContractsValueDateTime *
providers::values::date_time_adopt (GType type, GDateTime *value)
{
  return make (type, value);
}

TorvanixProvidersContractsValueDateTime *
providers::values::date_time_adopt_cell (GType type, GDateTime *value, gint decimals)
{
  auto *self = make (type, value);
  DateTime::priv (self).decimals = static_cast<gint8> (CLAMP (decimals, 0, 6));
  return self;
}

TorvanixProvidersContractsValueDateTime *
providers::values::date_time_adopt_text (GType type, gchar *text)
{
  auto *self = make (type, nullptr);
  DateTime::priv (self).text = text;
  return self;
}

PROVIDERS_DEFINE_VALUE_CLASS (ValueDateTime, value_date_time, VALUE_DATE_TIME, DateTimeTraits, nullptr)

PROVIDERS_DEFINE_VALUE_KIND_WITH_CODE (ValueDate, value_date, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME, "date", DATE,
                                       value_class->to_value = DateSlots::torvanix_providers_contracts_value_object_to_value;
                                       value_class->to_string = DateSlots::to_string;)
PROVIDERS_DEFINE_VALUE_KIND_WITH_CODE (ValueTime, value_time, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME, "time", TIME,
                                       value_class->to_string = time_to_string;)

/* The constructors that take the moment now, of the class and its kinds. */
#define PROVIDERS_DEFINE_NOW_CONSTRUCTOR(Name, lower, UPPER) \
  PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (Name, lower, UPPER, , (), (), , make (object_type, g_date_time_new_now_local ()))

PROVIDERS_DEFINE_NOW_CONSTRUCTOR (ValueDateTime, value_date_time, VALUE_DATE_TIME)
PROVIDERS_DEFINE_NOW_CONSTRUCTOR (ValueDate, value_date, VALUE_DATE)
PROVIDERS_DEFINE_NOW_CONSTRUCTOR (ValueTime, value_time, VALUE_TIME)

PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueDateTime, value_date_time, VALUE_DATE_TIME, _datetime, (GDateTime * datetime),
                                    (datetime), providers_return_val_if_fail (datetime != NULL, nullptr),
                                    make (object_type, g_date_time_to_local (datetime)))
PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueDateTime, value_date_time, VALUE_DATE_TIME, _iso8601, (const gchar *datetime),
                                    (datetime), providers_return_val_if_fail (datetime != NULL, nullptr),
                                    make (object_type, parse_iso8601 (datetime, g_time_zone_new_utc)))
/* GLib answers null, without a warning, for any field out of range. */
PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueDateTime, value_date_time, VALUE_DATE_TIME, _utc,
                                    (gint year, gint month, gint day, gint hour, gint minute, gint seconds),
                                    (year, month, day, hour, minute, seconds), ,
                                    make (object_type, g_date_time_new_utc (year, month, day, hour, minute, seconds)))

PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueDate, value_date, VALUE_DATE, _dmy, (gint year, gint month, gint day),
                                    (year, month, day), ,
                                    make (object_type, g_date_time_new_local (year, month, day, 0, 0, 0.0)))
PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueDate, value_date, VALUE_DATE, _date, (const GDate *date), (date),
                                    providers_return_val_if_fail (date != NULL, nullptr),
                                    make (object_type, local_midnight (date)))
PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueDate, value_date, VALUE_DATE, _iso8601, (const gchar *date), (date),
                                    providers_return_val_if_fail (date != NULL, nullptr),
                                    make (object_type, parse_iso8601 (date, g_time_zone_new_local)))

/* A bare time of day goes with a fixed date, so equal times hold equal
 * date-times. On 1 January 1970 no zone skips or repeats a local hour, so
 * every time of day prints as given. */
PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueTime, value_time, VALUE_TIME, _hms, (gint hour, gint minute, gdouble seconds),
                                    (hour, minute, seconds), ,
                                    make (object_type, g_date_time_new_local (1970, 1, 1, hour, minute, seconds)))
PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueTime, value_time, VALUE_TIME, _time, (GDateTime * datetime), (datetime),
                                    providers_return_val_if_fail (datetime != NULL, nullptr),
                                    make (object_type, g_date_time_to_utc (datetime)))

extern "C" gchar *
torvanix_providers_contracts_value_date_time_format (TorvanixProvidersContractsValueDateTime *self, const gchar *format)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_DATE_TIME (self), nullptr);
  providers_return_val_if_fail (format != NULL, nullptr);
  GDateTime *datetime = DateTime::get (self);
  providers_return_val_if_fail (datetime != NULL, nullptr);
  return g_date_time_format (datetime, format);
}
