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
 * TorvanixProvidersContractsValueDateTime:
 *
 * A point in time held as a #GDateTime ("datetime", data type DATETIME).
 * Providers make one for each cell of a DATETIME or TIMESTAMP column, holding
 * a wall-clock time the server sent without a zone as that time in the local
 * zone; readers make one through
 * torvanix_providers_contracts_idata_reader_get_datetime(), and
 * torvanix_providers_contracts_ivalue_factory() for DATETIME and TIMESTAMP.
 * #TorvanixProvidersContractsValueDate and
 * #TorvanixProvidersContractsValueTime refine it.
 *
 * It prints "YYYY-MM-DD HH:MM:SS" in the zone of the date-time it holds, with
 * four-digit years (also before 1000) and the fraction of a second: a cell
 * read from a server to the digits the server sent ("2024-03-05 07:08:09.50"
 * for two), a value made here to six digits when its fraction is not zero. It
 * converts to a #GDateTime of the same instant in the local zone
 * (%G_TYPE_DATE_TIME).
 *
 * The held date-time is %NULL when the fields it was built from name no valid
 * moment. Such a value prints "(NULL)", or, read from a server, the server's
 * own text (a zero or partial date such as "0000-00-00 00:00:00"); converting
 * it logs the CRITICAL `datetime != NULL` naming
 * torvanix_providers_contracts_value_object_to_value() and gives the Unix
 * epoch in the local zone. A clone shares the immutable #GDateTime and prints
 * exactly what the original prints.
 *
 * A value takes no lock and belongs to one thread at a time;
 * torvanix_providers_contracts_value_date_time_get_itsvalue() lends the
 * date-time it holds.
 */

/**
 * TorvanixProvidersContractsValueDateTime:name:
 *
 * "datetime"; a date answers "date", a time "time". Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueDateTime:itsvalue:
 *
 * The date-time held, a #GDateTime; %NULL for an instance made with
 * g_object_new() and for fields that name no valid moment. Read-write; a
 * write, through the property or
 * torvanix_providers_contracts_value_date_time_set_itsvalue(), takes a
 * reference and notifies once on every call, also when the date-time is
 * unchanged.
 */

/**
 * TorvanixProvidersContractsValueDateTime:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME; a date answers DATE, a
 * time TIME. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueDateTimeClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueDateTime; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueDateTimeClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_date_time_new:
 *
 * Makes a value holding the current time in the local zone, to the
 * microsecond.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_new (void);
/**
 * torvanix_providers_contracts_value_date_time_construct:
 * @object_type: #TorvanixProvidersContractsValueDateTime or a subclass of it
 *
 * Makes a value holding the current local time of @object_type, for a
 * subclass's own constructor. A type that is not this class or a subclass of
 * it logs the CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_construct (GType object_type);
/**
 * torvanix_providers_contracts_value_date_time_new_datetime:
 * @datetime: an instant
 *
 * Makes a value holding @datetime converted to the local zone; it prints the
 * local wall-clock time. A %NULL @datetime logs the CRITICAL
 * `datetime != NULL` naming
 * torvanix_providers_contracts_value_date_time_construct_datetime().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @datetime is
 *   %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_new_datetime (GDateTime *datetime);
/**
 * torvanix_providers_contracts_value_date_time_construct_datetime:
 * @object_type: #TorvanixProvidersContractsValueDateTime or a subclass of it
 * @datetime: an instant
 *
 * Makes a value holding @datetime converted to the local zone of @object_type,
 * for a subclass's own constructor. A %NULL @datetime, or a type that is not
 * this class or a subclass of it, logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_construct_datetime (GType object_type, GDateTime *datetime);
/**
 * torvanix_providers_contracts_value_date_time_new_iso8601:
 * @datetime: an ISO 8601 date and time, read as UTC when it names no zone
 *
 * Makes a value from ISO 8601 text ("2024-03-05T07:08:09Z", "2024-03-05
 * 07:08:09+02:00"), keeping the zone the text names. Text that is not a full
 * ISO 8601 date and time, a bare date "2024-03-05" included, gives the Unix
 * epoch in the local zone, silently. A %NULL @datetime logs the CRITICAL
 * `datetime != NULL` naming
 * torvanix_providers_contracts_value_date_time_construct_iso8601().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @datetime is
 *   %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_new_iso8601 (const gchar *datetime);
/**
 * torvanix_providers_contracts_value_date_time_construct_iso8601:
 * @object_type: #TorvanixProvidersContractsValueDateTime or a subclass of it
 * @datetime: an ISO 8601 date and time, read as UTC when it names no zone
 *
 * Makes a value from ISO 8601 text of @object_type, for a subclass's own
 * constructor. A %NULL @datetime, or a type that is not this class or a
 * subclass of it, logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
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
 * Makes a value holding that moment in UTC. A field out of range gives a value
 * holding no date-time, without a warning.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_new_utc (gint year, gint month, gint day, gint hour, gint minute, gint seconds);
/**
 * torvanix_providers_contracts_value_date_time_construct_utc:
 * @object_type: #TorvanixProvidersContractsValueDateTime or a subclass of it
 * @year: 1 to 9999
 * @month: 1 to 12
 * @day: day of the month
 * @hour: 0 to 23
 * @minute: 0 to 59
 * @seconds: 0 to 59
 *
 * Makes a value holding that moment in UTC (no date-time for a field out of
 * range) of @object_type, for a subclass's own constructor. A type that is not
 * this class or a subclass of it logs the CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueDateTime *torvanix_providers_contracts_value_date_time_construct_utc (GType object_type, gint year, gint month, gint day, gint hour, gint minute, gint seconds);
/**
 * torvanix_providers_contracts_value_date_time_get_itsvalue:
 * @self: a date-time, date or time value
 *
 * Lends the date-time held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer none) (nullable): the date-time (take a reference to keep
 *   it); %NULL when there is none or for a wrong @self
 */
PROVIDERS_API GDateTime *torvanix_providers_contracts_value_date_time_get_itsvalue (TorvanixProvidersContractsValueDateTime *self);
/**
 * torvanix_providers_contracts_value_date_time_set_itsvalue:
 * @self: a date-time, date or time value
 * @value: (nullable): the new date-time; a reference is taken, and it may be
 *   the date-time held
 *
 * Replaces the date-time and notifies
 * #TorvanixProvidersContractsValueDateTime:itsvalue, also when @value is the
 * date-time held. What a server sent no longer applies: the value prints as
 * one made here (six fraction digits when the fraction is not zero, "(NULL)"
 * for a %NULL @value). A %NULL or wrong @self logs a CRITICAL naming this
 * function and changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_date_time_set_itsvalue (TorvanixProvidersContractsValueDateTime *self, GDateTime *value);
/**
 * torvanix_providers_contracts_value_date_time_format:
 * @self: a date-time, date or time value
 * @format: directives of g_date_time_format()
 *
 * Formats the held date-time in its own zone with g_date_time_format(). A
 * %NULL or wrong @self, a %NULL @format, or a value holding no date-time (the
 * CRITICAL `datetime != NULL`), logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): the formatted text, or %NULL for a
 *   wrong argument, a value without a date-time or a @format GLib refuses
 */
PROVIDERS_API gchar *torvanix_providers_contracts_value_date_time_format (TorvanixProvidersContractsValueDateTime *self, const gchar *format);

/* ValueDate ---------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE (torvanix_providers_contracts_value_date_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueDate, torvanix_providers_contracts_value_date,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_DATE, TorvanixProvidersContractsValueDateTime)

/**
 * TorvanixProvidersContractsValueDate:
 *
 * A calendar date ("date", data type DATE): a
 * #TorvanixProvidersContractsValueDateTime whose date part counts. Providers
 * make one for each cell of a DATE column, at local midnight of that day;
 * readers make one through
 * torvanix_providers_contracts_idata_reader_get_date(), and
 * torvanix_providers_contracts_ivalue_factory() for DATE.
 *
 * It prints "YYYY-MM-DD" (four-digit years) in the zone of the date-time it
 * holds, and converts to a #GDate of that day (%G_TYPE_DATE). A value holding
 * no date-time prints "(NULL)" or the server's text ("0000-00-00"), and
 * converting it logs the CRITICAL `datetime != NULL` naming
 * torvanix_providers_contracts_value_object_to_value() and gives a cleared
 * #GDate, which g_date_valid() refuses. A value takes no lock and belongs to
 * one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueDate:name:
 *
 * "date". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueDate:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueDateClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueDate; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueDateClass {
  TorvanixProvidersContractsValueDateTimeClass parent_class;
};

/**
 * torvanix_providers_contracts_value_date_new:
 *
 * Makes a value for today, holding the current local time.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_new (void);
/**
 * torvanix_providers_contracts_value_date_construct:
 * @object_type: #TorvanixProvidersContractsValueDate or a subclass of it
 *
 * Makes a value holding the current local time of @object_type, for a
 * subclass's own constructor. A type that is not this class or a subclass of
 * it logs the CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_construct (GType object_type);
/**
 * torvanix_providers_contracts_value_date_new_dmy:
 * @year: 1 to 9999
 * @month: 1 to 12
 * @day: day of the month
 *
 * Makes a value holding local midnight of that day. A date that does not exist
 * (30 February) gives a value holding no date-time, without a warning.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_new_dmy (gint year, gint month, gint day);
/**
 * torvanix_providers_contracts_value_date_construct_dmy:
 * @object_type: #TorvanixProvidersContractsValueDate or a subclass of it
 * @year: 1 to 9999
 * @month: 1 to 12
 * @day: day of the month
 *
 * Makes a value holding local midnight of that day (no date-time for a date
 * that does not exist) of @object_type, for a subclass's own constructor. A
 * type that is not this class or a subclass of it logs the CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_construct_dmy (GType object_type, gint year, gint month, gint day);
/**
 * torvanix_providers_contracts_value_date_new_date:
 * @date: a calendar date
 *
 * Makes a value holding local midnight of @date. A cleared or invalid #GDate
 * gives a value holding no date-time, without a warning. A %NULL @date logs
 * the CRITICAL `date != NULL` naming
 * torvanix_providers_contracts_value_date_construct_date().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @date is
 *   %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_new_date (const GDate *date);
/**
 * torvanix_providers_contracts_value_date_construct_date:
 * @object_type: #TorvanixProvidersContractsValueDate or a subclass of it
 * @date: a calendar date
 *
 * Makes a value holding local midnight of @date of @object_type, for a
 * subclass's own constructor. A %NULL @date, or a type that is not this class
 * or a subclass of it, logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_construct_date (GType object_type, const GDate *date);
/**
 * torvanix_providers_contracts_value_date_new_iso8601:
 * @date: an ISO 8601 date and time, read in the local zone when it names none
 *
 * Makes a value from ISO 8601 text ("2024-03-05T23:30:00"); it prints the date
 * part in the zone the text names. Text that is not a full ISO 8601 date and
 * time, a bare date "2024-03-05" included, gives the Unix epoch in the local
 * zone, silently. A %NULL @date logs the CRITICAL `date != NULL` naming
 * torvanix_providers_contracts_value_date_construct_iso8601().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @date is
 *   %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_new_iso8601 (const gchar *date);
/**
 * torvanix_providers_contracts_value_date_construct_iso8601:
 * @object_type: #TorvanixProvidersContractsValueDate or a subclass of it
 * @date: an ISO 8601 date and time, read in the local zone when it names none
 *
 * Makes a value from ISO 8601 text of @object_type, for a subclass's own
 * constructor. A %NULL @date, or a type that is not this class or a subclass
 * of it, logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueDate *torvanix_providers_contracts_value_date_construct_iso8601 (GType object_type, const gchar *date);

/* ValueTime ---------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME (torvanix_providers_contracts_value_time_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueTime, torvanix_providers_contracts_value_time,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_TIME, TorvanixProvidersContractsValueDateTime)

/**
 * TorvanixProvidersContractsValueTime:
 *
 * A time of day ("time", data type TIME): a
 * #TorvanixProvidersContractsValueDateTime whose time part counts. Providers
 * make one for each cell of a TIME column that is a time of day, held on 1
 * January 1970 in the local zone; a TIME cell outside one day (a span such as
 * "838:59:59") is a #TorvanixProvidersContractsValueString holding the
 * server's text instead. Readers make one through
 * torvanix_providers_contracts_idata_reader_get_time(), and
 * torvanix_providers_contracts_ivalue_factory() for TIME.
 *
 * It prints "HH:MM:SS" in the zone of the date-time it holds, with the
 * fraction of a second as a date-time prints it ("07:08:09.750000"), and
 * converts as a date-time does, to a #GDateTime in the local zone. A value
 * holding no date-time prints "(NULL)". A value takes no lock and belongs to
 * one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueTime:name:
 *
 * "time". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueTime:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueTimeClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueTime; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueTimeClass {
  TorvanixProvidersContractsValueDateTimeClass parent_class;
};

/**
 * torvanix_providers_contracts_value_time_new:
 *
 * Makes a value holding the current local time, date included.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueTime *torvanix_providers_contracts_value_time_new (void);
/**
 * torvanix_providers_contracts_value_time_construct:
 * @object_type: #TorvanixProvidersContractsValueTime or a subclass of it
 *
 * Makes a value holding the current local time of @object_type, for a
 * subclass's own constructor. A type that is not this class or a subclass of
 * it logs the CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueTime *torvanix_providers_contracts_value_time_construct (GType object_type);
/**
 * torvanix_providers_contracts_value_time_new_hms:
 * @hour: 0 to 23
 * @minute: 0 to 59
 * @seconds: at least 0, below 60; its fraction is kept
 *
 * Makes a value holding that time of day on 1 January 1970 in the local zone,
 * where no zone skips or repeats an hour, so equal times hold equal date-times
 * and print as given. A field out of range gives a value holding no date-time,
 * without a warning.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueTime *torvanix_providers_contracts_value_time_new_hms (gint hour, gint minute, gdouble seconds);
/**
 * torvanix_providers_contracts_value_time_construct_hms:
 * @object_type: #TorvanixProvidersContractsValueTime or a subclass of it
 * @hour: 0 to 23
 * @minute: 0 to 59
 * @seconds: at least 0, below 60; its fraction is kept
 *
 * Makes a value holding that time of day on 1 January 1970 in the local zone
 * of @object_type, for a subclass's own constructor. A type that is not this
 * class or a subclass of it logs the CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueTime *torvanix_providers_contracts_value_time_construct_hms (GType object_type, gint hour, gint minute, gdouble seconds);
/**
 * torvanix_providers_contracts_value_time_new_time:
 * @datetime: an instant
 *
 * Makes a value holding @datetime converted to UTC, so it prints the time of
 * day in UTC: 14:00 at UTC+02:00 prints "12:00:00". A %NULL @datetime logs the
 * CRITICAL `datetime != NULL` naming
 * torvanix_providers_contracts_value_time_construct_time().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @datetime is
 *   %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueTime *torvanix_providers_contracts_value_time_new_time (GDateTime *datetime);
/**
 * torvanix_providers_contracts_value_time_construct_time:
 * @object_type: #TorvanixProvidersContractsValueTime or a subclass of it
 * @datetime: an instant
 *
 * Makes a value holding @datetime converted to UTC of @object_type, for a
 * subclass's own constructor. A %NULL @datetime, or a type that is not this
 * class or a subclass of it, logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueTime *torvanix_providers_contracts_value_time_construct_time (GType object_type, GDateTime *datetime);

/* ValueTimeSpan ------------------------------------------------------------ */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME_SPAN (torvanix_providers_contracts_value_time_span_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueTimeSpan, torvanix_providers_contracts_value_time_span,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_TIME_SPAN, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueTimeSpan:
 *
 * A duration ("timespan", data type TIMESPAN) held as a signed 64-bit number
 * in whatever unit its producer used; the library never converts it. Readers
 * make one through torvanix_providers_contracts_idata_reader_get_timespan(),
 * and torvanix_providers_contracts_ivalue_factory() for TIMESPAN.
 *
 * Without a known unit there is no faithful text for a span, so it prints ""
 * and converts to the string "", as a plain
 * #TorvanixProvidersContractsValueObject does: read the number with
 * torvanix_providers_contracts_value_time_span_get_itsvalue(). A value takes
 * no lock and belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueTimeSpan:name:
 *
 * "timespan". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueTimeSpan:itsvalue:
 *
 * The span held, a #gint64 over its whole range; 0 by default. Read-write; a
 * write, through the property or
 * torvanix_providers_contracts_value_time_span_set_itsvalue(), notifies once
 * on every call, also when the span is unchanged.
 */

/**
 * TorvanixProvidersContractsValueTimeSpan:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN. Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueTimeSpanClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueTimeSpan; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueTimeSpanClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_time_span_new:
 * @span: the duration
 *
 * Makes a value holding @span.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueTimeSpan *torvanix_providers_contracts_value_time_span_new (gint64 span);
/**
 * torvanix_providers_contracts_value_time_span_construct:
 * @object_type: #TorvanixProvidersContractsValueTimeSpan or a subclass of it
 * @span: the duration
 *
 * Makes a value holding @span of @object_type, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME_SPAN)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueTimeSpan *torvanix_providers_contracts_value_time_span_construct (GType object_type, gint64 span);
/**
 * torvanix_providers_contracts_value_time_span_new_interval:
 * @interval: ignored
 * @span: the duration
 *
 * Makes a value holding @span, as
 * torvanix_providers_contracts_value_time_span_new() does.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueTimeSpan *torvanix_providers_contracts_value_time_span_new_interval (gint16 interval, gint64 span);
/**
 * torvanix_providers_contracts_value_time_span_construct_interval:
 * @object_type: #TorvanixProvidersContractsValueTimeSpan or a subclass of it
 * @interval: ignored
 * @span: the duration
 *
 * Makes a value holding @span of @object_type, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME_SPAN)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueTimeSpan *torvanix_providers_contracts_value_time_span_construct_interval (GType object_type, gint16 interval, gint64 span);
/**
 * torvanix_providers_contracts_value_time_span_get_itsvalue:
 * @self: a time-span value
 *
 * Reads the span held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the span, or 0 for a wrong @self
 */
PROVIDERS_API gint64 torvanix_providers_contracts_value_time_span_get_itsvalue (TorvanixProvidersContractsValueTimeSpan *self);
/**
 * torvanix_providers_contracts_value_time_span_set_itsvalue:
 * @self: a time-span value
 * @value: the new span
 *
 * Replaces the span and notifies
 * #TorvanixProvidersContractsValueTimeSpan:itsvalue, also when it is
 * unchanged. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_time_span_set_itsvalue (TorvanixProvidersContractsValueTimeSpan *self, gint64 value);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_DATETIME_H */
