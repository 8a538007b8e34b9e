/* Date-time, date, time and time-span values. These tests run under UTC and
 * under zones east and west of it, so expectations that depend on the local
 * zone are derived from GLib's own idea of it. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "support/notify-counter.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::NotifyCounter;
using providers::testing::own;
using providers::testing::take_string;

namespace {

using DateTimePtr = std::unique_ptr<GDateTime, decltype (&g_date_time_unref)>;

DateTimePtr hold (GDateTime *dt) { return DateTimePtr (dt, g_date_time_unref); }

DateTimePtr iso (const char *text)
{
  GTimeZone *utc = g_time_zone_new_utc ();
  GDateTime *dt = g_date_time_new_from_iso8601 (text, utc);
  g_time_zone_unref (utc);
  return hold (dt);
}

std::string text_of (gpointer value)
{
  return take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value)));
}

GDateTime *held (gpointer value)
{
  return torvanix_providers_contracts_value_date_time_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (value));
}

/* The local zone's offset at the instant `dt` names. */
GTimeSpan local_offset_at (GDateTime *dt)
{
  auto local = hold (g_date_time_to_local (dt));
  return g_date_time_get_utc_offset (local.get ());
}

std::string local_format (gint64 unix_seconds, const char *format)
{
  auto local = hold (g_date_time_new_from_unix_local (unix_seconds));
  return take_string (g_date_time_format (local.get (), format));
}

/* The Unix epoch held in the local zone: the fallback for unparsable text. */
void expect_local_epoch (gpointer value)
{
  GDateTime *dt = held (value);
  ASSERT_NE (dt, nullptr);
  EXPECT_EQ (g_date_time_to_unix (dt), 0);
  EXPECT_EQ (g_date_time_get_utc_offset (dt), local_offset_at (dt));
}

TEST (ValueDateTime, Iso8601KeepsTheZoneOfTheTextAndReadsUtcWithoutOne)
{
  struct Case {
    const char *text;
    const char *printed;
    GTimeSpan offset;
  };
  const Case cases[] = {
    {"2024-03-05T07:08:09Z", "2024-03-05 07:08:09", 0},
    {"2024-03-05T07:08:09+02:00", "2024-03-05 07:08:09", 2 * G_TIME_SPAN_HOUR},
    {"2024-03-05T07:08:09-05:30", "2024-03-05 07:08:09", -(5 * G_TIME_SPAN_HOUR + 30 * G_TIME_SPAN_MINUTE)},
    {"2024-03-05T07:08:09", "2024-03-05 07:08:09", 0},
    {"2024-03-05T23:59:59.999", "2024-03-05 23:59:59.999000", 0},
  };
  for (const Case &c : cases) {
    auto value = own (torvanix_providers_contracts_value_date_time_new_iso8601 (c.text));
    ASSERT_NE (held (value.get ()), nullptr) << c.text;
    EXPECT_EQ (text_of (value.get ()), c.printed) << c.text;
    EXPECT_EQ (g_date_time_get_utc_offset (held (value.get ())), c.offset) << c.text;
  }
}

TEST (ValueDateTime, UnparsableTextGivesTheUnixEpochInTheLocalZone)
{
  for (const char *text : {"2024-03-05", "07:08:09", "", "not a date", "2024-02-30T00:00:00Z", "T07:08:09Z"}) {
    auto value = own (torvanix_providers_contracts_value_date_time_new_iso8601 (text));
    expect_local_epoch (value.get ());
    EXPECT_EQ (text_of (value.get ()), local_format (0, "%Y-%m-%d %H:%M:%S")) << text;

    auto date = own (torvanix_providers_contracts_value_date_new_iso8601 (text));
    expect_local_epoch (date.get ());
    EXPECT_EQ (text_of (date.get ()), local_format (0, "%Y-%m-%d")) << text;
  }

  /* East of UTC the epoch is later on 1 January 1970, west of it an
   * evening of 31 December 1969. */
  auto value = own (torvanix_providers_contracts_value_date_time_new_iso8601 ("garbage"));
  GTimeSpan offset = g_date_time_get_utc_offset (held (value.get ()));
  std::string expected_day = offset >= 0 ? "1970-01-01" : "1969-12-31";
  EXPECT_EQ (text_of (value.get ()).substr (0, 10), expected_day);
  gint64 hours = ((offset / G_TIME_SPAN_HOUR) % 24 + 24) % 24;
  EXPECT_EQ (std::stoi (text_of (value.get ()).substr (11, 2)), hours);
}

TEST (ValueDate, Iso8601ReadsTextWithoutZoneInTheLocalZone)
{
  auto date = own (torvanix_providers_contracts_value_date_new_iso8601 ("2024-03-05T23:30:00"));
  ASSERT_NE (held (date.get ()), nullptr);
  EXPECT_EQ (text_of (date.get ()), "2024-03-05");
  EXPECT_EQ (g_date_time_get_hour (held (date.get ())), 23);
  EXPECT_EQ (g_date_time_get_utc_offset (held (date.get ())), local_offset_at (held (date.get ())));

  /* A named zone stays, so the printed day is the text's day everywhere. */
  for (const char *text : {"2024-03-05T23:30:00Z", "2024-03-05T00:30:00+09:00", "2024-03-05T00:30:00-08:00"}) {
    auto zoned = own (torvanix_providers_contracts_value_date_new_iso8601 (text));
    EXPECT_EQ (text_of (zoned.get ()), "2024-03-05") << text;
  }
}

TEST (ValueDate, DayMonthYearGivesLocalMidnightOrNothing)
{
  struct Case {
    int year, month, day;
    const char *printed;
  };
  const Case cases[] = {
    {2024, 2, 29, "2024-02-29"}, {2023, 2, 29, "(NULL)"}, {2024, 13, 1, "(NULL)"}, {2024, 0, 1, "(NULL)"},
    {2024, 4, 31, "(NULL)"},     {2024, 1, 0, "(NULL)"},  {0, 1, 1, "(NULL)"},     {10000, 1, 1, "(NULL)"},
    {1, 1, 1, "0001-01-01"},     {9999, 12, 31, "9999-12-31"},
  };
  for (const Case &c : cases) {
    auto date = own (torvanix_providers_contracts_value_date_new_dmy (c.year, c.month, c.day));
    ASSERT_NE (date.get (), nullptr);
    EXPECT_EQ (text_of (date.get ()), c.printed) << c.year << "-" << c.month << "-" << c.day;
    if (GDateTime *dt = held (date.get ())) {
      EXPECT_EQ (g_date_time_get_hour (dt) + g_date_time_get_minute (dt) + g_date_time_get_second (dt), 0);
      EXPECT_EQ (g_date_time_get_utc_offset (dt), local_offset_at (dt));
    }
  }
}

TEST (ValueDate, FromGDate)
{
  GDate *date = g_date_new_dmy (29, G_DATE_FEBRUARY, 2024);
  auto value = own (torvanix_providers_contracts_value_date_new_date (date));
  EXPECT_EQ (text_of (value.get ()), "2024-02-29");
  EXPECT_EQ (g_date_time_get_hour (held (value.get ())), 0);
  g_date_free (date);

  /* A cleared GDate names no day: no date-time, and no complaint from GLib. */
  GDate *cleared = g_date_new ();
  auto none = own (torvanix_providers_contracts_value_date_new_date (cleared));
  EXPECT_EQ (held (none.get ()), nullptr);
  EXPECT_EQ (text_of (none.get ()), "(NULL)");
  g_date_free (cleared);
}

TEST (ValueDateTime, UtcFieldsOutOfRangeGiveNoDateTime)
{
  struct Case {
    int year, month, day, hour, minute, seconds;
    const char *printed;
  };
  const Case cases[] = {
    {2024, 1, 1, 23, 59, 59, "2024-01-01 23:59:59"}, {2024, 1, 1, 0, 0, 0, "2024-01-01 00:00:00"},
    {2024, 1, 1, 23, 59, 60, "(NULL)"},              {2024, 1, 1, 24, 0, 0, "(NULL)"},
    {2024, 1, 1, 0, 60, 0, "(NULL)"},                {2024, 1, 1, -1, 0, 0, "(NULL)"},
    {2024, 1, 1, 0, 0, -1, "(NULL)"},                {2023, 2, 29, 0, 0, 0, "(NULL)"},
    {0, 1, 1, 0, 0, 0, "(NULL)"},                    {2024, 13, 1, 0, 0, 0, "(NULL)"},
  };
  for (const Case &c : cases) {
    auto value = own (torvanix_providers_contracts_value_date_time_new_utc (c.year, c.month, c.day, c.hour, c.minute, c.seconds));
    ASSERT_NE (value.get (), nullptr);
    EXPECT_EQ (text_of (value.get ()), c.printed) << c.hour << ":" << c.minute << ":" << c.seconds;
    if (GDateTime *dt = held (value.get ())) {
      EXPECT_EQ (g_date_time_get_utc_offset (dt), 0);
    }
  }
}

TEST (ValueTime, HoursMinutesSecondsAreHeldLocallyOnTheFirstOfJanuary1970)
{
  struct Case {
    int hour, minute;
    double seconds;
    const char *printed;
  };
  const Case cases[] = {
    {0, 0, 0.0, "00:00:00"},     {23, 59, 59.999, "23:59:59.999000"}, {12, 30, 15.5, "12:30:15.500000"}, {2, 30, 0.0, "02:30:00"},
    {24, 0, 0.0, "(NULL)"},      {0, 60, 0.0, "(NULL)"},       {0, 0, 60.0, "(NULL)"},     {-1, 0, 0.0, "(NULL)"},
    {0, 0, -0.5, "(NULL)"},      {0, 0, NAN, "(NULL)"},
  };
  for (const Case &c : cases) {
    auto time = own (torvanix_providers_contracts_value_time_new_hms (c.hour, c.minute, c.seconds));
    ASSERT_NE (time.get (), nullptr);
    EXPECT_EQ (text_of (time.get ()), c.printed) << c.hour << ":" << c.minute << ":" << c.seconds;
    if (GDateTime *dt = held (time.get ())) {
      EXPECT_EQ (take_string (g_date_time_format (dt, "%F")), "1970-01-01");
      EXPECT_EQ (g_date_time_get_utc_offset (dt), local_offset_at (dt));
    }
  }
}

TEST (ValueTime, FromDateTimeIsHeldInUtc)
{
  auto source = iso ("2024-03-05T10:00:00+01:00");
  auto time = own (torvanix_providers_contracts_value_time_new_time (source.get ()));
  EXPECT_EQ (text_of (time.get ()), "09:00:00");
  EXPECT_EQ (g_date_time_get_utc_offset (held (time.get ())), 0);
}

TEST (ValueDateTime, FromDateTimeIsTheSameInstantInTheLocalZone)
{
  auto source = iso ("2024-03-05T10:00:00.250+01:00");
  auto value = own (torvanix_providers_contracts_value_date_time_new_datetime (source.get ()));
  GDateTime *dt = held (value.get ());
  ASSERT_NE (dt, nullptr);
  EXPECT_NE (dt, source.get ());
  EXPECT_TRUE (g_date_time_equal (dt, source.get ()));
  EXPECT_EQ (g_date_time_get_microsecond (dt), 250000);
  EXPECT_EQ (g_date_time_get_utc_offset (dt), local_offset_at (dt));
  EXPECT_EQ (text_of (value.get ()), local_format (g_date_time_to_unix (source.get ()), "%Y-%m-%d %H:%M:%S") + ".250000");
}

TEST (ValueDateTime, CurrentTimeConstructorsHoldNowInTheLocalZone)
{
  gint64 before = g_get_real_time () / G_USEC_PER_SEC;
  auto value = own (torvanix_providers_contracts_value_date_time_new ());
  auto date = own (torvanix_providers_contracts_value_date_new ());
  auto time = own (torvanix_providers_contracts_value_time_new ());
  gint64 after = g_get_real_time () / G_USEC_PER_SEC;
  for (gpointer v : {static_cast<gpointer> (value.get ()), static_cast<gpointer> (date.get ()),
                     static_cast<gpointer> (time.get ())}) {
    GDateTime *dt = held (v);
    ASSERT_NE (dt, nullptr);
    EXPECT_GE (g_date_time_to_unix (dt), before);
    EXPECT_LE (g_date_time_to_unix (dt), after);
    EXPECT_EQ (g_date_time_get_utc_offset (dt), local_offset_at (dt));
  }
}

/* A clone is the same class printing the same text, whatever the local
 * zone; the held date-time is not moved to another zone. */
TEST (ValueDateTime, ClonesKeepTheDateTimeAsItIs)
{
  auto near_midnight = iso ("2024-03-05T23:30:00Z");
  auto after_midnight = iso ("2024-03-05T00:30:00Z");
  auto berlin_morning = iso ("2024-03-05T10:00:00+01:00");
  std::vector<providers::testing::Owned<TorvanixProvidersContractsValueDateTime>> values;
  values.emplace_back (torvanix_providers_contracts_value_date_time_new_iso8601 ("2024-03-05T07:08:09Z"));
  values.emplace_back (torvanix_providers_contracts_value_date_time_new_iso8601 ("2024-03-05T07:08:09+05:00"));
  values.emplace_back (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (
      torvanix_providers_contracts_value_date_new_iso8601 ("2024-03-05T23:30:00Z")));
  values.emplace_back (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (
      torvanix_providers_contracts_value_date_new_iso8601 ("2024-03-05T00:30:00Z")));
  values.emplace_back (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (
      torvanix_providers_contracts_value_time_new_time (berlin_morning.get ())));
  values.emplace_back (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (
      torvanix_providers_contracts_value_time_new_hms (7, 8, 9.5)));
  /* Values holding no date-time clone to values holding none. */
  values.emplace_back (torvanix_providers_contracts_value_date_time_new_utc (2024, 1, 1, 24, 0, 0));
  values.emplace_back (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (torvanix_providers_contracts_value_date_new_dmy (2023, 2, 29)));
  values.emplace_back (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (torvanix_providers_contracts_value_time_new_hms (25, 0, 0)));

  for (auto &original : values) {
    auto copy = own (torvanix_providers_contracts_ivalue_clone (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (original.get ())));
    ASSERT_NE (copy.get (), nullptr) << text_of (original.get ());
    EXPECT_NE (static_cast<gpointer> (copy.get ()), static_cast<gpointer> (original.get ()));
    EXPECT_EQ (G_OBJECT_TYPE (copy.get ()), G_OBJECT_TYPE (original.get ()));
    EXPECT_EQ (text_of (copy.get ()), text_of (original.get ()));
    GDateTime *a = held (original.get ());
    GDateTime *b = held (copy.get ());
    ASSERT_EQ (a == nullptr, b == nullptr);
    if (a) {
      EXPECT_TRUE (g_date_time_equal (a, b));
      EXPECT_EQ (g_date_time_get_utc_offset (a), g_date_time_get_utc_offset (b));
    }
  }
  EXPECT_EQ (text_of (values[4].get ()), "09:00:00");
}

TEST (ValueDateTime, ToValueGivesTheSameInstantWithItsMicrosecondsInTheLocalZone)
{
  auto value = own (torvanix_providers_contracts_value_date_time_new_iso8601 ("2024-03-05T12:00:00.750Z"));
  auto time = own (torvanix_providers_contracts_value_time_new_time (iso ("2024-03-05T12:00:00.750+03:00").get ()));
  for (gpointer v : {static_cast<gpointer> (value.get ()), static_cast<gpointer> (time.get ())}) {
    GValue gvalue = G_VALUE_INIT;
    torvanix_providers_contracts_ivalue_to_value (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (v), &gvalue);
    ASSERT_TRUE (G_VALUE_HOLDS (&gvalue, G_TYPE_DATE_TIME));
    auto *dt = static_cast<GDateTime *> (g_value_get_boxed (&gvalue));
    ASSERT_NE (dt, nullptr);
    EXPECT_EQ (g_date_time_to_unix (dt), g_date_time_to_unix (held (v)));
    EXPECT_EQ (g_date_time_get_microsecond (dt), 750000);
    EXPECT_EQ (g_date_time_get_utc_offset (dt), local_offset_at (dt));
    g_value_unset (&gvalue);
  }
}

TEST (ValueDate, ToValueGivesTheHeldDayAsGDate)
{
  auto date = own (torvanix_providers_contracts_value_date_new_iso8601 ("2024-03-05T23:30:00-08:00"));
  GValue gvalue = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (date.get ()), &gvalue);
  ASSERT_TRUE (G_VALUE_HOLDS (&gvalue, G_TYPE_DATE));
  auto *gdate = static_cast<GDate *> (g_value_get_boxed (&gvalue));
  ASSERT_TRUE (g_date_valid (gdate));
  EXPECT_EQ (g_date_get_year (gdate), 2024);
  EXPECT_EQ (g_date_get_month (gdate), G_DATE_MARCH);
  EXPECT_EQ (g_date_get_day (gdate), 5);
  g_value_unset (&gvalue);
}

TEST (ValueDateTime, WithoutDateTimeReadingItWarns)
{
  auto value = own (torvanix_providers_contracts_value_date_time_new_utc (2024, 2, 30, 0, 0, 0));
  auto date = own (torvanix_providers_contracts_value_date_new_dmy (2024, 2, 30));
  auto time = own (torvanix_providers_contracts_value_time_new_hms (0, 0, 61));
  EXPECT_EQ (text_of (value.get ()), "(NULL)");
  EXPECT_EQ (text_of (date.get ()), "(NULL)");
  EXPECT_EQ (text_of (time.get ()), "(NULL)");

  LogCapture log;
  for (gpointer v : {static_cast<gpointer> (value.get ()), static_cast<gpointer> (time.get ())}) {
    GValue gvalue = G_VALUE_INIT;
    torvanix_providers_contracts_ivalue_to_value (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (v), &gvalue);
    auto *dt = static_cast<GDateTime *> (g_value_get_boxed (&gvalue));
    ASSERT_NE (dt, nullptr);
    EXPECT_EQ (g_date_time_to_unix (dt), 0);
    EXPECT_EQ (g_date_time_get_utc_offset (dt), local_offset_at (dt));
    g_value_unset (&gvalue);
  }
  GValue gvalue = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (date.get ()), &gvalue);
  EXPECT_FALSE (g_date_valid (static_cast<GDate *> (g_value_get_boxed (&gvalue))));
  g_value_unset (&gvalue);
  EXPECT_EQ (torvanix_providers_contracts_value_date_time_format (value.get (), "%Y"), nullptr);

  const std::string to_value = assertion_text ("torvanix_providers_contracts_value_object_to_value", "datetime != NULL");
  std::vector<std::string> expected = {
    to_value, to_value, to_value,
    assertion_text ("torvanix_providers_contracts_value_date_time_format", "datetime != NULL"),
  };
  EXPECT_EQ (log.criticals (), expected);
}

TEST (ValueDateTime, FormatUsesGLibDirectivesInTheHeldZone)
{
  auto value = own (torvanix_providers_contracts_value_date_time_new_iso8601 ("2024-03-05T07:08:09.5-03:00"));
  EXPECT_EQ (take_string (torvanix_providers_contracts_value_date_time_format (value.get (), "%d.%m.%Y %H:%M:%S %z")),
             "05.03.2024 07:08:09 -0300");
  auto date = own (torvanix_providers_contracts_value_date_new_dmy (2024, 3, 5));
  EXPECT_EQ (take_string (torvanix_providers_contracts_value_date_time_format (
                 TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (date.get ()), "%Y/%m/%d %H")),
             "2024/03/05 00");
}

TEST (ValueDateTime, SetterTakesAReferenceAndAlwaysNotifies)
{
  auto value = own (torvanix_providers_contracts_value_date_new_dmy (2024, 3, 5));
  auto *base = TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (value.get ());
  NotifyCounter notify (value.get (), "itsvalue");

  GDateTime *next = g_date_time_new_utc (2020, 1, 2, 3, 4, 5);
  torvanix_providers_contracts_value_date_time_set_itsvalue (base, next);
  g_date_time_unref (next); /* the value keeps its own reference */
  EXPECT_EQ (text_of (value.get ()), "2020-01-02");
  EXPECT_EQ (notify.count (), 1);

  torvanix_providers_contracts_value_date_time_set_itsvalue (base, held (value.get ()));
  EXPECT_EQ (text_of (value.get ()), "2020-01-02");
  EXPECT_EQ (notify.count (), 2);

  GDateTime *read = nullptr;
  g_object_get (value.get (), "itsvalue", &read, nullptr);
  EXPECT_EQ (read, held (value.get ()));
  g_date_time_unref (read);

  auto other = iso ("1999-12-31T00:00:00Z");
  g_object_set (value.get (), "itsvalue", other.get (), nullptr);
  EXPECT_EQ (text_of (value.get ()), "1999-12-31");
  EXPECT_EQ (notify.count (), 3);

  torvanix_providers_contracts_value_date_time_set_itsvalue (base, nullptr);
  EXPECT_EQ (text_of (value.get ()), "(NULL)");
  EXPECT_EQ (notify.count (), 4);
}

TEST (ValueDateTime, NamesTypesAndProperties)
{
  struct Case {
    gpointer value;
    const char *type_name;
    const char *name;
    int data_type;
  };
  auto value = own (torvanix_providers_contracts_value_date_time_new ());
  auto date = own (torvanix_providers_contracts_value_date_new ());
  auto time = own (torvanix_providers_contracts_value_time_new ());
  auto span = own (torvanix_providers_contracts_value_time_span_new (5));
  const Case cases[] = {
    {value.get (), "TorvanixProvidersContractsValueDateTime", "datetime", 20},
    {date.get (), "TorvanixProvidersContractsValueDate", "date", 18},
    {time.get (), "TorvanixProvidersContractsValueTime", "time", 19},
    {span.get (), "TorvanixProvidersContractsValueTimeSpan", "timespan", 21},
  };
  for (const Case &c : cases) {
    EXPECT_STREQ (G_OBJECT_TYPE_NAME (c.value), c.type_name);
    gchar *name = nullptr;
    gint data_type = -1;
    gboolean is_null = TRUE;
    g_object_get (c.value, "name", &name, "data-type", &data_type, "is-null", &is_null, nullptr);
    EXPECT_EQ (take_string (name), c.name);
    EXPECT_EQ (data_type, c.data_type);
    EXPECT_FALSE (is_null);
    GParamSpec *itsvalue = g_object_class_find_property (G_OBJECT_GET_CLASS (c.value), "itsvalue");
    ASSERT_NE (itsvalue, nullptr);
    EXPECT_EQ (itsvalue->value_type, c.data_type == 21 ? G_TYPE_INT64 : G_TYPE_DATE_TIME);
    EXPECT_TRUE (itsvalue->flags & G_PARAM_WRITABLE);
  }
  EXPECT_TRUE (g_type_is_a (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME));
  EXPECT_TRUE (g_type_is_a (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME));
  EXPECT_EQ (g_type_parent (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME_SPAN), TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT);
}

TEST (ValueTimeSpan, KeepsItsSpanButPrintsAsTheBaseValue)
{
  for (gint64 span : {G_GINT64_CONSTANT (0), G_GINT64_CONSTANT (-1), G_MININT64, G_MAXINT64}) {
    auto value = own (torvanix_providers_contracts_value_time_span_new_interval (7, span));
    EXPECT_EQ (torvanix_providers_contracts_value_time_span_get_itsvalue (value.get ()), span);
    EXPECT_EQ (text_of (value.get ()), "");
    GValue gvalue = G_VALUE_INIT;
    torvanix_providers_contracts_ivalue_to_value (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value.get ()), &gvalue);
    EXPECT_STREQ (g_value_get_string (&gvalue), "");
    g_value_unset (&gvalue);
    auto copy = own (torvanix_providers_contracts_ivalue_clone (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value.get ())));
    EXPECT_EQ (G_OBJECT_TYPE (copy.get ()), TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME_SPAN);
    EXPECT_EQ (torvanix_providers_contracts_value_time_span_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_TIME_SPAN (copy.get ())),
              span);
  }

  auto value = own (torvanix_providers_contracts_value_time_span_new (1));
  NotifyCounter notify (value.get (), "itsvalue");
  torvanix_providers_contracts_value_time_span_set_itsvalue (value.get (), 1);
  g_object_set (value.get (), "itsvalue", G_GINT64_CONSTANT (-9), nullptr);
  EXPECT_EQ (notify.count (), 2);
  gint64 read = 0;
  g_object_get (value.get (), "itsvalue", &read, nullptr);
  EXPECT_EQ (read, -9);
}

TEST (ValueDateTime, NullArgumentsWarnNamingTheConstructTwin)
{
  const GType date_time = TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME;
  const GType date = TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE;
  const GType time = TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME;
  LogCapture log;
  EXPECT_EQ (torvanix_providers_contracts_value_date_time_new_datetime (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_date_time_construct_datetime (date_time, nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_date_time_new_iso8601 (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_date_new_date (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_date_new_iso8601 (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_time_new_time (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_time_construct_time (time, nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_date_time_format (nullptr, "%Y"), nullptr);
  auto value = own (torvanix_providers_contracts_value_date_time_new ());
  EXPECT_EQ (torvanix_providers_contracts_value_date_time_format (value.get (), nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_date_time_get_itsvalue (nullptr), nullptr);
  torvanix_providers_contracts_value_date_time_set_itsvalue (nullptr, nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_time_span_get_itsvalue (nullptr), 0);
  EXPECT_EQ (torvanix_providers_contracts_value_date_construct_dmy (time, 2024, 1, 1), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_time_span_construct_interval (date, 0, 1), nullptr);

  const std::string prefix = "torvanix_providers_contracts_value_";
  std::vector<std::string> expected = {
    assertion_text (prefix + "date_time_construct_datetime", "datetime != NULL"),
    assertion_text (prefix + "date_time_construct_datetime", "datetime != NULL"),
    assertion_text (prefix + "date_time_construct_iso8601", "datetime != NULL"),
    assertion_text (prefix + "date_construct_date", "date != NULL"),
    assertion_text (prefix + "date_construct_iso8601", "date != NULL"),
    assertion_text (prefix + "time_construct_time", "datetime != NULL"),
    assertion_text (prefix + "time_construct_time", "datetime != NULL"),
    assertion_text (prefix + "date_time_format", "self != NULL"),
    assertion_text (prefix + "date_time_format", "format != NULL"),
    assertion_text (prefix + "date_time_get_itsvalue", "self != NULL"),
    assertion_text (prefix + "date_time_set_itsvalue", "self != NULL"),
    assertion_text (prefix + "time_span_get_itsvalue", "self != NULL"),
    assertion_text (prefix + "date_construct_dmy", "g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE)"),
    assertion_text (prefix + "time_span_construct_interval",
                    "g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME_SPAN)"),
  };
  EXPECT_EQ (log.criticals (), expected);
}

TEST (ValueDateTime, ConstructTwinsBuildTheTypeGiven)
{
  auto date = own (torvanix_providers_contracts_value_date_time_construct_iso8601 (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE,
                                                                                   "2024-03-05T07:08:09"));
  EXPECT_EQ (G_OBJECT_TYPE (date.get ()), TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE);
  EXPECT_EQ (text_of (date.get ()), "2024-03-05");
  EXPECT_EQ (g_date_time_get_utc_offset (held (date.get ())), 0);
  auto time = own (torvanix_providers_contracts_value_date_time_construct_utc (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME, 2024,
                                                                               1, 1, 7, 8, 9));
  EXPECT_EQ (text_of (time.get ()), "07:08:09");
}

}  // namespace
