/* Date-time, date, time and time-span values. */
#ifndef LIBPROVIDERS_VALUES_VALUE_DATETIME_H
#define LIBPROVIDERS_VALUES_VALUE_DATETIME_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

/* ValueDateTime ------------------------------------------------------------ */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME (torvanix_providers_contracts_value_date_time_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueDateTime, torvanix_providers_contracts_value_date_time,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_DATE_TIME, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueDateTimeClass:
 *
 * A point in time held as a #GDateTime ("datetime", data type DATETIME).
 * The held date-time may be %NULL when the fields it was built from name
 * no valid moment; such a value prints "(NULL)", or, read from a server,
 * the server's text (a zero or partial date such as "0000-00-00").
 *
 * Values print four-digit years and the fraction of a second: a cell read
 * from a server to the digits the server sent, a value made here to six
 * digits when its fraction is not zero.
 */
struct _TorvanixProvidersContractsValueDateTimeClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_date_time_new:
 *
 * Returns: (transfer full): the current time in the local time zone
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_new (void);
/**
 * torvanix_providers_contracts_value_date_time_construct:
 * @object_type: ValueDateTime or a subclass
 *
 * Returns: (transfer full) (nullable): a new instance holding the current
 *   local time
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_construct (GType object_type);
/**
 * torvanix_providers_contracts_value_date_time_new_datetime:
 * @datetime: an instant
 *
 * Returns: (transfer full) (nullable): a value holding @datetime converted
 *   to the local time zone
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_new_datetime (GDateTime *datetime);
/**
 * torvanix_providers_contracts_value_date_time_construct_datetime:
 * @object_type: ValueDateTime or a subclass
 * @datetime: an instant
 *
 * Returns: (transfer full) (nullable): a new instance holding @datetime
 *   converted to the local time zone
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_construct_datetime (GType object_type, GDateTime *datetime);
/**
 * torvanix_providers_contracts_value_date_time_new_iso8601:
 * @datetime: ISO 8601 text; read as UTC when it names no zone
 *
 * The date-time keeps the zone the text names. Text that is not a full ISO
 * 8601 date and time gives the Unix epoch in the local time zone.
 *
 * Returns: (transfer full) (nullable): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_new_iso8601 (const gchar *datetime);
/**
 * torvanix_providers_contracts_value_date_time_construct_iso8601:
 * @object_type: ValueDateTime or a subclass
 * @datetime: ISO 8601 text; read as UTC when it names no zone
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_construct_iso8601 (GType object_type, const gchar *datetime);
/**
 * torvanix_providers_contracts_value_date_time_new_utc:
 * @year: 1 to 9999
 * @month: 1 to 12
 * @day: day of the month
 * @hour: 0 to 23
 * @minute: 0 to 59
 * @seconds: 0 to 59
 *
 * Returns: (transfer full): a value holding that moment in UTC; its
 *   date-time is %NULL when a field is out of range
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_new_utc (gint year, gint month, gint day, gint hour, gint minute, gint seconds);
/**
 * torvanix_providers_contracts_value_date_time_construct_utc:
 * @object_type: ValueDateTime or a subclass
 * @year: 1 to 9999
 * @month: 1 to 12
 * @day: day of the month
 * @hour: 0 to 23
 * @minute: 0 to 59
 * @seconds: 0 to 59
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_construct_utc (GType object_type, gint year, gint month, gint day, gint hour, gint minute, gint seconds);
/**
 * torvanix_providers_contracts_value_date_time_get_itsvalue:
 * @self: a date-time value
 *
 * Returns: (transfer none) (nullable): the held date-time
 */
PROVIDERS_API GDateTime *torvanix_providers_contracts_value_date_time_get_itsvalue (TorvanixProvidersContractsValueDateTime *self);
/**
 * torvanix_providers_contracts_value_date_time_set_itsvalue:
 * @self: a date-time value
 * @value: (nullable): the new date-time; a reference is taken
 *
 * Always notifies "itsvalue", also when @value is the date-time held.
 */
PROVIDERS_API void torvanix_providers_contracts_value_date_time_set_itsvalue (TorvanixProvidersContractsValueDateTime *self, GDateTime *value);
/**
 * torvanix_providers_contracts_value_date_time_format:
 * @self: a date-time value
 * @format: directives of g_date_time_format()
 *
 * Returns: (transfer full) (nullable): the held date-time formatted in its
 *   own zone, or %NULL when no date-time is held
 */
PROVIDERS_API gchar *torvanix_providers_contracts_value_date_time_format (TorvanixProvidersContractsValueDateTime *self, const gchar *format);

/* ValueDate ---------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE (torvanix_providers_contracts_value_date_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueDate, torvanix_providers_contracts_value_date,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_DATE, TorvanixProvidersContractsValueDateTime)

/**
 * TorvanixProvidersContractsValueDateClass:
 *
 * A calendar date ("date", data type DATE): the date part of the held
 * date-time, printed as "%Y-%m-%d".
 */
struct _TorvanixProvidersContractsValueDateClass {
  TorvanixProvidersContractsValueDateTimeClass parent_class;
};

/**
 * torvanix_providers_contracts_value_date_new:
 *
 * Returns: (transfer full): today, held as the current local time
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_new (void);
/**
 * torvanix_providers_contracts_value_date_construct:
 * @object_type: ValueDate or a subclass
 *
 * Returns: (transfer full) (nullable): a new instance holding the current
 *   local time
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_construct (GType object_type);
/**
 * torvanix_providers_contracts_value_date_new_dmy:
 * @year: 1 to 9999
 * @month: 1 to 12
 * @day: day of the month
 *
 * Returns: (transfer full): local midnight of that day; the date-time is
 *   %NULL for an invalid date
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_new_dmy (gint year, gint month, gint day);
/**
 * torvanix_providers_contracts_value_date_construct_dmy:
 * @object_type: ValueDate or a subclass
 * @year: 1 to 9999
 * @month: 1 to 12
 * @day: day of the month
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_construct_dmy (GType object_type, gint year, gint month, gint day);
/**
 * torvanix_providers_contracts_value_date_new_date:
 * @date: a calendar date
 *
 * Returns: (transfer full) (nullable): local midnight of @date; the
 *   date-time is %NULL when @date is not a valid date
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_new_date (const GDate *date);
/**
 * torvanix_providers_contracts_value_date_construct_date:
 * @object_type: ValueDate or a subclass
 * @date: a calendar date
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_construct_date (GType object_type, const GDate *date);
/**
 * torvanix_providers_contracts_value_date_new_iso8601:
 * @date: ISO 8601 date and time; read in the local zone when it names none
 *
 * Text that is not a full ISO 8601 date and time gives the Unix epoch in
 * the local time zone.
 *
 * Returns: (transfer full) (nullable): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_new_iso8601 (const gchar *date);
/**
 * torvanix_providers_contracts_value_date_construct_iso8601:
 * @object_type: ValueDate or a subclass
 * @date: ISO 8601 date and time; read in the local zone when it names none
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_construct_iso8601 (GType object_type, const gchar *date);

/* ValueTime ---------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME (torvanix_providers_contracts_value_time_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueTime, torvanix_providers_contracts_value_time,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_TIME, TorvanixProvidersContractsValueDateTime)

/**
 * TorvanixProvidersContractsValueTimeClass:
 *
 * A time of day ("time", data type TIME): the time part of the held
 * date-time, printed as "%H:%M:%S".
 */
struct _TorvanixProvidersContractsValueTimeClass {
  TorvanixProvidersContractsValueDateTimeClass parent_class;
};

/**
 * torvanix_providers_contracts_value_time_new:
 *
 * Returns: (transfer full): the current local time
 */
PROVIDERS_API TorvanixProvidersContractsValueTime *torvanix_providers_contracts_value_time_new (void);
/**
 * torvanix_providers_contracts_value_time_construct:
 * @object_type: ValueTime or a subclass
 *
 * Returns: (transfer full) (nullable): a new instance holding the current
 *   local time
 */
PROVIDERS_API TorvanixProvidersContractsValueTime *torvanix_providers_contracts_value_time_construct (GType object_type);
/**
 * torvanix_providers_contracts_value_time_new_hms:
 * @hour: 0 to 23
 * @minute: 0 to 59
 * @seconds: at least 0, below 60
 *
 * The time of day is held on 1 January 1970 in the local time zone.
 *
 * Returns: (transfer full): a new value; its date-time is %NULL when a
 *   field is out of range
 */
PROVIDERS_API TorvanixProvidersContractsValueTime *torvanix_providers_contracts_value_time_new_hms (gint hour, gint minute, gdouble seconds);
/**
 * torvanix_providers_contracts_value_time_construct_hms:
 * @object_type: ValueTime or a subclass
 * @hour: 0 to 23
 * @minute: 0 to 59
 * @seconds: at least 0, below 60
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueTime *torvanix_providers_contracts_value_time_construct_hms (GType object_type, gint hour, gint minute, gdouble seconds);
/**
 * torvanix_providers_contracts_value_time_new_time:
 * @datetime: an instant
 *
 * Returns: (transfer full) (nullable): a value holding @datetime converted
 *   to UTC
 */
PROVIDERS_API TorvanixProvidersContractsValueTime *torvanix_providers_contracts_value_time_new_time (GDateTime *datetime);
/**
 * torvanix_providers_contracts_value_time_construct_time:
 * @object_type: ValueTime or a subclass
 * @datetime: an instant
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueTime *torvanix_providers_contracts_value_time_construct_time (GType object_type, GDateTime *datetime);

/* ValueTimeSpan ------------------------------------------------------------ */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME_SPAN (torvanix_providers_contracts_value_time_span_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueTimeSpan, torvanix_providers_contracts_value_time_span,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_TIME_SPAN, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueTimeSpanClass:
 *
 * A duration ("timespan", data type TIMESPAN) held as a signed 64-bit
 * number in whatever unit its producer used; the library never converts it.
 */
struct _TorvanixProvidersContractsValueTimeSpanClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_time_span_new:
 * @span: the duration
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueTimeSpan *torvanix_providers_contracts_value_time_span_new (gint64 span);
/**
 * torvanix_providers_contracts_value_time_span_construct:
 * @object_type: ValueTimeSpan or a subclass
 * @span: the duration
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueTimeSpan *torvanix_providers_contracts_value_time_span_construct (GType object_type, gint64 span);
/**
 * torvanix_providers_contracts_value_time_span_new_interval:
 * @interval: ignored
 * @span: the duration
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueTimeSpan *torvanix_providers_contracts_value_time_span_new_interval (gint16 interval, gint64 span);
/**
 * torvanix_providers_contracts_value_time_span_construct_interval:
 * @object_type: ValueTimeSpan or a subclass
 * @interval: ignored
 * @span: the duration
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueTimeSpan *torvanix_providers_contracts_value_time_span_construct_interval (GType object_type, gint16 interval, gint64 span);
PROVIDERS_API gint64 torvanix_providers_contracts_value_time_span_get_itsvalue (TorvanixProvidersContractsValueTimeSpan *self);
/**
 * torvanix_providers_contracts_value_time_span_set_itsvalue:
 * @self: a time-span value
 * @value: the new span
 *
 * Always notifies "itsvalue".
 */
PROVIDERS_API void torvanix_providers_contracts_value_time_span_set_itsvalue (TorvanixProvidersContractsValueTimeSpan *self, gint64 value);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_DATETIME_H */
