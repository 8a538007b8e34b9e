/* ValueDateTime, ValueDate and ValueTime: temporal cells held as a
 * GDateTime. The three differ only in how they are built, how they print
 * and, for a date, what GLib value they hand out. */
#include "libproviders/values/value-datetime.h"

#include "common/check.h"
#include "common/private-data.h"
#include "common/compat-texts.h"
#include "common/gobject-ref.h"
#include "contracts/values/value-object-private.h"
#include "contracts/values/value-class-private.h"
#include "contracts/values/value-internal.h"

struct TorvanixProvidersContractsValueDateTimePrivate {
  GDateTime *itsvalue = nullptr; /* owned reference, may be null */
  gchar *text = nullptr;         /* a server's text that no date-time holds (a zero date); else null */
  gint8 decimals = 0;            /* fraction digits a server sent; kAppDecimals for values made here */

  TorvanixProvidersContractsValueDateTimePrivate () = default;
  TorvanixProvidersContractsValueDateTimePrivate (const TorvanixProvidersContractsValueDateTimePrivate &) = delete;
  ~TorvanixProvidersContractsValueDateTimePrivate ()
  {
    if (itsvalue) g_date_time_unref (itsvalue);
    g_free (text);
  }
};

namespace {

GParamSpec *itsvalue_pspec;

}  // namespace

PROVIDERS_DEFINE_TYPE (TorvanixProvidersContractsValueDateTime, torvanix_providers_contracts_value_date_time, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)
G_DEFINE_TYPE (TorvanixProvidersContractsValueDate, torvanix_providers_contracts_value_date,
               TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME)
G_DEFINE_TYPE (TorvanixProvidersContractsValueTime, torvanix_providers_contracts_value_time,
               TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME)

namespace {

using providers::GUnique;

/* A value the application makes prints a fraction only when it has one. */
constexpr gint8 kAppDecimals = -1;

TorvanixProvidersContractsValueDateTimePrivate *
priv_of (gpointer self)
{
  return static_cast<TorvanixProvidersContractsValueDateTimePrivate *> (
      torvanix_providers_contracts_value_date_time_get_instance_private (
          static_cast<TorvanixProvidersContractsValueDateTime *> (self)));
}

GDateTime *
held (gpointer self)
{
  return priv_of (self)->itsvalue;
}

/* Makes an instance of `object_type` holding `value` (adopted; may be
 * null). Callers have checked that the type is a ValueDateTime. */
TorvanixProvidersContractsValueDateTime *
make (GType object_type, GDateTime *value)
{
  auto *self = static_cast<TorvanixProvidersContractsValueDateTime *> (
      static_cast<gpointer> (torvanix_providers_contracts_value_object_construct (object_type)));
  priv_of (self)->itsvalue = value;
  priv_of (self)->decimals = kAppDecimals;
  return self;
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
  priv_of (self)->decimals = static_cast<gint8> (CLAMP (decimals, 0, 6));
  return self;
}

TorvanixProvidersContractsValueDateTime *
providers::values::date_time_adopt_text (GType type, gchar *text)
{
  auto *self = make (type, nullptr);
  priv_of (self)->text = text;
  return self;
}

namespace {

GDateTime *
unix_epoch_local ()
{
  return g_date_time_new_from_unix_local (0);
}

/* ISO 8601 date and time, with `default_zone` for texts naming no zone;
 * anything else becomes the Unix epoch in the local zone, silently. */
GDateTime *
parse_iso8601 (const gchar *text, GTimeZone *default_zone)
{
  GDateTime *parsed = g_date_time_new_from_iso8601 (text, default_zone);
  return parsed ? parsed : unix_epoch_local ();
}

enum class Parts { kDateAndTime, kDate, kTime };

/* The held fields as the server writes them: four-digit years (also before
 * 1000, which GLib's %Y leaves unpadded) and the fraction of a second to
 * the digits the server sent, or six for a value made here whose fraction
 * is not zero. A server's text that no date-time holds prints as sent. */
gchar *
format_or_null_text (gpointer self, Parts parts)
{
  auto *priv = priv_of (self);
  GDateTime *value = priv->itsvalue;
  if (value == nullptr)
    return g_strdup (priv->text ? priv->text : "(NULL)");
  char buffer[48];
  int at = 0;
  if (parts != Parts::kTime) {
    int year, month, day;
    g_date_time_get_ymd (value, &year, &month, &day);
    at += g_snprintf (buffer + at, sizeof buffer - at, "%04d-%02d-%02d", year, month, day);
  }
  if (parts == Parts::kDate)
    return g_strndup (buffer, at);
  if (parts == Parts::kDateAndTime)
    buffer[at++] = ' ';
  at += g_snprintf (buffer + at, sizeof buffer - at, "%02d:%02d:%02d", g_date_time_get_hour (value),
                    g_date_time_get_minute (value), g_date_time_get_second (value));
  int micro = g_date_time_get_microsecond (value);
  int digits = priv->decimals == kAppDecimals ? (micro != 0 ? 6 : 0) : priv->decimals;
  if (digits > 0) {
    char fraction[8];
    g_snprintf (fraction, sizeof fraction, "%06d", micro);
    at += g_snprintf (buffer + at, sizeof buffer - at, ".%.*s", digits, fraction);
  }
  return g_strndup (buffer, at);
}

/* A value whose fields named no valid moment holds no date-time; reading
 * it as a GLib value is a caller's oversight worth a warning. The message
 * names the class virtual every route goes through. */
bool
warn_if_no_date_time (gpointer self)
{
  if (held (self) != nullptr) return false;
  g_return_if_fail_warning (G_LOG_DOMAIN, PROVIDERS_FN_VALUE_OBJECT_TO_VALUE, "datetime != NULL");
  return true;
}

/* ValueDateTime virtuals ---------------------------------------------------- */

void
date_time_to_value (TorvanixProvidersContractsValueObject *self, GValue *result)
{
  /* The same instant, microseconds included, in the local zone. */
  GDateTime *local = warn_if_no_date_time (self) ? g_date_time_new_from_unix_local (0) : g_date_time_to_local (held (self));
  g_value_init (result, G_TYPE_DATE_TIME);
  g_value_take_boxed (result, local);
}

gchar *
date_time_to_string (TorvanixProvidersContractsValueObject *self)
{
  return format_or_null_text (self, Parts::kDateAndTime);
}

/* A GDateTime is immutable, so a clone shares it: the copy prints exactly
 * what the original prints, in the same zone, and a value holding no
 * date-time clones to another such value. Shared by all three classes. */
TorvanixProvidersContractsIValue *
date_time_clone (TorvanixProvidersContractsValueObject *self)
{
  auto *priv = priv_of (self);
  GDateTime *value = priv->itsvalue;
  auto *copy = make (G_OBJECT_TYPE (self), value ? g_date_time_ref (value) : nullptr);
  priv_of (copy)->text = g_strdup (priv->text);
  priv_of (copy)->decimals = priv->decimals;
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (copy);
}

const gchar *
date_time_get_name (TorvanixProvidersContractsValueObject *)
{
  return "datetime";
}

TorvanixProvidersContractsDataType
date_time_get_data_type (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME;
}

void
date_time_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE) {
    g_value_set_boxed (value, held (object));
  } else if (!providers::values::get_standard_property (object, prop_id, value)) {
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

void
date_time_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE) {
    torvanix_providers_contracts_value_date_time_set_itsvalue (
        TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (object), static_cast<GDateTime *> (g_value_get_boxed (value)));
  } else {
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

/* ValueDate and ValueTime --------------------------------------------------- */

void
date_to_value (TorvanixProvidersContractsValueObject *self, GValue *result)
{
  g_value_init (result, G_TYPE_DATE);
  /* Without a date-time the GDate stays cleared: GLib's own "invalid
   * date", which g_date_valid() reports. */
  GDate *date = g_date_new ();
  if (!warn_if_no_date_time (self)) {
    GDateTime *value = held (self);
    g_date_set_dmy (date, static_cast<GDateDay> (g_date_time_get_day_of_month (value)),
                    static_cast<GDateMonth> (g_date_time_get_month (value)),
                    static_cast<GDateYear> (g_date_time_get_year (value)));
  }
  g_value_take_boxed (result, date);
}

gchar *
date_to_string (TorvanixProvidersContractsValueObject *self)
{
  return format_or_null_text (self, Parts::kDate);
}

const gchar *
date_get_name (TorvanixProvidersContractsValueObject *)
{
  return "date";
}

TorvanixProvidersContractsDataType
date_get_data_type (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE;
}

gchar *
time_to_string (TorvanixProvidersContractsValueObject *self)
{
  return format_or_null_text (self, Parts::kTime);
}

const gchar *
time_get_name (TorvanixProvidersContractsValueObject *)
{
  return "time";
}

TorvanixProvidersContractsDataType
time_get_data_type (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME;
}

}  // namespace

/* ValueDateTime ----------------------------------------------------------------- */

static void
torvanix_providers_contracts_value_date_time_class_init (TorvanixProvidersContractsValueDateTimeClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  object_class->get_property = date_time_get_property;
  object_class->set_property = date_time_set_property;

  value_class->to_value = date_time_to_value;
  value_class->to_string = date_time_to_string;
  value_class->clone = date_time_clone;
  value_class->get_name = date_time_get_name;
  value_class->get_data_type = date_time_get_data_type;

  itsvalue_pspec = providers::values::install_value_properties (
      object_class,
      g_param_spec_boxed ("itsvalue", "itsvalue", "itsvalue", G_TYPE_DATE_TIME, providers::values::kItsvalueFlags));
}

extern "C" TorvanixProvidersContractsValueDateTime *
torvanix_providers_contracts_value_date_time_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME, nullptr);
  return make (object_type, g_date_time_new_now_local ());
}

extern "C" TorvanixProvidersContractsValueDateTime *
torvanix_providers_contracts_value_date_time_new (void)
{
  return torvanix_providers_contracts_value_date_time_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME);
}

extern "C" TorvanixProvidersContractsValueDateTime *
torvanix_providers_contracts_value_date_time_construct_datetime (GType object_type, GDateTime *datetime)
{
  providers_return_val_if_fail (datetime != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME, nullptr);
  return make (object_type, g_date_time_to_local (datetime));
}

extern "C" TorvanixProvidersContractsValueDateTime *
torvanix_providers_contracts_value_date_time_new_datetime (GDateTime *datetime)
{
  return torvanix_providers_contracts_value_date_time_construct_datetime (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME,
                                                                          datetime);
}

extern "C" TorvanixProvidersContractsValueDateTime *
torvanix_providers_contracts_value_date_time_construct_iso8601 (GType object_type, const gchar *datetime)
{
  providers_return_val_if_fail (datetime != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME, nullptr);
  GUnique<GTimeZone> utc (g_time_zone_new_utc ());
  return make (object_type, parse_iso8601 (datetime, utc.get ()));
}

extern "C" TorvanixProvidersContractsValueDateTime *
torvanix_providers_contracts_value_date_time_new_iso8601 (const gchar *datetime)
{
  return torvanix_providers_contracts_value_date_time_construct_iso8601 (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME,
                                                                         datetime);
}

extern "C" TorvanixProvidersContractsValueDateTime *
torvanix_providers_contracts_value_date_time_construct_utc (GType object_type, gint year, gint month, gint day, gint hour,
                                                            gint minute, gint seconds)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME, nullptr);
  /* GLib answers null, without a warning, for any field out of range. */
  return make (object_type, g_date_time_new_utc (year, month, day, hour, minute, seconds));
}

extern "C" TorvanixProvidersContractsValueDateTime *
torvanix_providers_contracts_value_date_time_new_utc (gint year, gint month, gint day, gint hour, gint minute, gint seconds)
{
  return torvanix_providers_contracts_value_date_time_construct_utc (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME, year,
                                                                     month, day, hour, minute, seconds);
}

extern "C" GDateTime *
torvanix_providers_contracts_value_date_time_get_itsvalue (TorvanixProvidersContractsValueDateTime *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_DATE_TIME (self), nullptr);
  return held (self);
}

extern "C" void
torvanix_providers_contracts_value_date_time_set_itsvalue (TorvanixProvidersContractsValueDateTime *self, GDateTime *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_DATE_TIME (self));
  TorvanixProvidersContractsValueDateTimePrivate *priv = priv_of (self);
  /* Ref before unref: `value` may be the date-time held. */
  GDateTime *old = priv->itsvalue;
  priv->itsvalue = value ? g_date_time_ref (value) : nullptr;
  if (old) g_date_time_unref (old);
  /* The application's date-time: what a server sent no longer applies. */
  g_clear_pointer (&priv->text, g_free);
  priv->decimals = kAppDecimals;
  g_object_notify_by_pspec (G_OBJECT (self), itsvalue_pspec);
}

extern "C" gchar *
torvanix_providers_contracts_value_date_time_format (TorvanixProvidersContractsValueDateTime *self, const gchar *format)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_DATE_TIME (self), nullptr);
  providers_return_val_if_fail (format != NULL, nullptr);
  GDateTime *datetime = held (self);
  providers_return_val_if_fail (datetime != NULL, nullptr);
  return g_date_time_format (datetime, format);
}

/* ValueDate ----------------------------------------------------------------- */

static void
torvanix_providers_contracts_value_date_class_init (TorvanixProvidersContractsValueDateClass *klass)
{
  auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  value_class->to_value = date_to_value;
  value_class->to_string = date_to_string;
  value_class->get_name = date_get_name;
  value_class->get_data_type = date_get_data_type;
  providers::values::install_name_and_data_type (G_OBJECT_CLASS (klass));
}

static void
torvanix_providers_contracts_value_date_init (TorvanixProvidersContractsValueDate *)
{
}

#define AS_DATE(object) TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE (object)

extern "C" TorvanixProvidersContractsValueDate *
torvanix_providers_contracts_value_date_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE, nullptr);
  return AS_DATE (make (object_type, g_date_time_new_now_local ()));
}

extern "C" TorvanixProvidersContractsValueDate *
torvanix_providers_contracts_value_date_new (void)
{
  return torvanix_providers_contracts_value_date_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE);
}

extern "C" TorvanixProvidersContractsValueDate *
torvanix_providers_contracts_value_date_construct_dmy (GType object_type, gint year, gint month, gint day)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE, nullptr);
  return AS_DATE (make (object_type, g_date_time_new_local (year, month, day, 0, 0, 0.0)));
}

extern "C" TorvanixProvidersContractsValueDate *
torvanix_providers_contracts_value_date_new_dmy (gint year, gint month, gint day)
{
  return torvanix_providers_contracts_value_date_construct_dmy (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE, year, month, day);
}

extern "C" TorvanixProvidersContractsValueDate *
torvanix_providers_contracts_value_date_construct_date (GType object_type, const GDate *date)
{
  providers_return_val_if_fail (date != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE, nullptr);
  /* A cleared or invalid GDate names no day, like an invalid year, month
   * and day: the value holds no date-time. (Reading its fields would make
   * GLib complain.) */
  if (!g_date_valid (date)) return AS_DATE (make (object_type, nullptr));
  return AS_DATE (make (object_type, g_date_time_new_local (g_date_get_year (date), g_date_get_month (date),
                                                            g_date_get_day (date), 0, 0, 0.0)));
}

extern "C" TorvanixProvidersContractsValueDate *
torvanix_providers_contracts_value_date_new_date (const GDate *date)
{
  return torvanix_providers_contracts_value_date_construct_date (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE, date);
}

extern "C" TorvanixProvidersContractsValueDate *
torvanix_providers_contracts_value_date_construct_iso8601 (GType object_type, const gchar *date)
{
  providers_return_val_if_fail (date != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE, nullptr);
  GUnique<GTimeZone> local (g_time_zone_new_local ());
  return AS_DATE (make (object_type, parse_iso8601 (date, local.get ())));
}

extern "C" TorvanixProvidersContractsValueDate *
torvanix_providers_contracts_value_date_new_iso8601 (const gchar *date)
{
  return torvanix_providers_contracts_value_date_construct_iso8601 (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE, date);
}

/* ValueTime ----------------------------------------------------------------- */

static void
torvanix_providers_contracts_value_time_class_init (TorvanixProvidersContractsValueTimeClass *klass)
{
  auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  value_class->to_string = time_to_string;
  value_class->get_name = time_get_name;
  value_class->get_data_type = time_get_data_type;
  providers::values::install_name_and_data_type (G_OBJECT_CLASS (klass));
}

static void
torvanix_providers_contracts_value_time_init (TorvanixProvidersContractsValueTime *)
{
}

#define AS_TIME(object) TORVANIX_PROVIDERS_CONTRACTS_VALUE_TIME (object)

extern "C" TorvanixProvidersContractsValueTime *
torvanix_providers_contracts_value_time_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME, nullptr);
  return AS_TIME (make (object_type, g_date_time_new_now_local ()));
}

extern "C" TorvanixProvidersContractsValueTime *
torvanix_providers_contracts_value_time_new (void)
{
  return torvanix_providers_contracts_value_time_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME);
}

extern "C" TorvanixProvidersContractsValueTime *
torvanix_providers_contracts_value_time_construct_hms (GType object_type, gint hour, gint minute, gdouble seconds)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME, nullptr);
  /* A bare time of day goes with a fixed date, so equal times hold equal
   * date-times. On 1 January 1970 no zone skips or repeats a local hour,
   * so every time of day prints as given. */
  return AS_TIME (make (object_type, g_date_time_new_local (1970, 1, 1, hour, minute, seconds)));
}

extern "C" TorvanixProvidersContractsValueTime *
torvanix_providers_contracts_value_time_new_hms (gint hour, gint minute, gdouble seconds)
{
  return torvanix_providers_contracts_value_time_construct_hms (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME, hour, minute,
                                                                seconds);
}

extern "C" TorvanixProvidersContractsValueTime *
torvanix_providers_contracts_value_time_construct_time (GType object_type, GDateTime *datetime)
{
  providers_return_val_if_fail (datetime != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME, nullptr);
  return AS_TIME (make (object_type, g_date_time_to_utc (datetime)));
}

extern "C" TorvanixProvidersContractsValueTime *
torvanix_providers_contracts_value_time_new_time (GDateTime *datetime)
{
  return torvanix_providers_contracts_value_time_construct_time (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME, datetime);
}
