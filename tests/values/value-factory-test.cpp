/* The value factory. Runs under a decimal-comma locale and east and west of
 * UTC as well: no number or time it reads may depend on either. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include "support/gobject-test.h"

using providers::testing::own;
using providers::testing::take_string;

namespace {

using DataType = TorvanixProvidersContractsDataType;

providers::testing::Owned<TorvanixProvidersContractsIValue> make (int type, const char *text)
{
  DataType data_type;
  static_assert (sizeof data_type == sizeof type);
  std::memcpy (&data_type, &type, sizeof type); /* any number, as a C caller may pass */
  auto value = own (torvanix_providers_contracts_ivalue_factory (data_type, text));
  EXPECT_NE (value.get (), nullptr) << type;
  return value;
}

std::string text_of (TorvanixProvidersContractsIValue *value)
{
  return take_string (torvanix_providers_contracts_ivalue_to_string (value));
}

TEST (ValueFactory, EachTypeNumberGivesItsClass)
{
  struct Case {
    int type;
    const char *type_name;
  };
  const Case cases[] = {
    {1, "ValueNull"},      {2, "ValueBoolean"},  {3, "ValueInt8"},      {4, "ValueInt16"},   {5, "ValueInt32"},
    {6, "ValueInt64"},     {7, "ValueUInt8"},    {8, "ValueUInt16"},    {9, "ValueUInt32"},  {10, "ValueUInt64"},
    {14, "ValueMoney"},    {16, "ValueFloat"},   {17, "ValueDouble"},   {18, "ValueDate"},   {19, "ValueTime"},
    {20, "ValueDateTime"}, {21, "ValueTimeSpan"}, {22, "ValueDateTime"}, {23, "ValueString"}, {26, "ValueUuid"},
    {27, "ValueJson"},     {30, "ValueBinary"},  {31, "ValueBlob"},     {32, "ValueObject"},
    /* no class of their own: the text is kept as XML */
    {0, "ValueXml"},       {11, "ValueXml"},     {12, "ValueXml"},      {13, "ValueXml"},    {15, "ValueXml"},
    {24, "ValueXml"},      {25, "ValueXml"},     {28, "ValueXml"},      {29, "ValueXml"},    {33, "ValueXml"},
    {34, "ValueXml"},      {35, "ValueXml"},     {36, "ValueXml"},      {37, "ValueXml"},    {-1, "ValueXml"},
    {100000, "ValueXml"},
  };
  for (const Case &c : cases) {
    for (const char *text : {static_cast<const char *> (nullptr), "", "1"}) {
      auto value = make (c.type, text);
      ASSERT_NE (value.get (), nullptr);
      EXPECT_EQ (G_OBJECT_TYPE_NAME (value.get ()), std::string ("TorvanixProvidersContracts") + c.type_name)
          << c.type << " " << (text ? text : "(null)");
    }
  }
}

TEST (ValueFactory, TextValuesHoldTheTextOrTheEmptyText)
{
  for (int type : {23, 26, 27, 0, 15, 25, 28, 36}) {
    EXPECT_EQ (text_of (make (type, "1.5 <x/>").get ()), "1.5 <x/>") << type;
    EXPECT_EQ (text_of (make (type, nullptr).get ()), "") << type;
  }
  auto plain = make (32, "ignored");
  EXPECT_STREQ (torvanix_providers_contracts_ivalue_get_name (plain.get ()), "UNKNOWN");
  EXPECT_EQ (torvanix_providers_contracts_ivalue_get_data_type (plain.get ()), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  EXPECT_EQ (text_of (plain.get ()), "");
  EXPECT_TRUE (torvanix_providers_contracts_ivalue_get_is_null (make (1, "x").get ()));
}

TEST (ValueFactory, BinaryValuesHoldTheBytesOfTheText)
{
  for (int type : {30, 31}) {
    auto value = make (type, "abc");
    GBytes *bytes = torvanix_providers_contracts_value_binary_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (value.get ()));
    ASSERT_NE (bytes, nullptr);
    ASSERT_EQ (g_bytes_get_size (bytes), 3u);
    EXPECT_EQ (std::memcmp (g_bytes_get_data (bytes, nullptr), "abc", 3), 0);

    auto empty = make (type, nullptr);
    bytes = torvanix_providers_contracts_value_binary_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (empty.get ()));
    EXPECT_EQ (bytes ? g_bytes_get_size (bytes) : 0u, 0u);
  }
}

TEST (ValueFactory, BooleanIsTrueForTheExactTextTrueOnly)
{
  for (const char *text : {"true", "TRUE", "True", "1", "true ", " true", "", "yes"}) {
    auto value = make (2, text);
    EXPECT_EQ (!!torvanix_providers_contracts_value_boolean_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BOOLEAN (value.get ())),
               std::string (text) == "true")
        << text;
  }
  auto value = make (2, nullptr);
  EXPECT_FALSE (torvanix_providers_contracts_value_boolean_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BOOLEAN (value.get ())));
}

/* Integers read as the C library reads them, except that text beyond the
 * type wraps around (modulo 2^8, 2^16, 2^32) instead of being undefined,
 * and the 64-bit types saturate. */
TEST (ValueFactory, IntegersWrapOrSaturateInsteadOfOverflowing)
{
  struct Case {
    int type;
    const char *text;
    long double expected;
  };
  const Case cases[] = {
    {3, "300", 44},
    {3, "-129", 127},
    {3, "  +12abc", 12},
    {3, "0x10", 0},
    {4, "70000", 4464},
    {4, "-1", -1},
    {5, "0x10", 0},
    {5, "\t\n -42", -42},
    {5, "99999999999", 1215752191},
    {5, "99999999999999999999999", -159383553},
    {5, "-2147483649", 2147483647},
    {5, "abc", 0},
    {5, "", 0},
    {5, nullptr, 0},
    {6, "0x10", 16},
    {6, "010", 8},
    {6, "99999999999999999999", static_cast<long double> (G_MAXINT64)},
    {6, "-99999999999999999999", static_cast<long double> (G_MININT64)},
    {7, "0x1FF", 255},
    {7, "-1", 255},
    {7, "0x", 0},
    {8, "0777", 511},
    {8, "0x1g", 1},
    {9, "4294967296", 0},
    {9, "4294967295", 4294967295.0L},
    {9, "-1", 4294967295.0L},
    {9, "99", 99},
    {10, "18446744073709551616", static_cast<long double> (G_MAXUINT64)},
    {10, "0xFFFFFFFFFFFFFFFF", static_cast<long double> (G_MAXUINT64)},
    {10, nullptr, 0},
    {21, "0x10", 16},
    {21, "-5", -5},
    {21, "99999999999999999999", static_cast<long double> (G_MAXINT64)},
    {21, nullptr, 0},
  };
  for (const Case &c : cases) {
    auto value = make (c.type, c.text);
    gpointer v = value.get ();
    long double got = 0;
    switch (c.type) {
      case 3: got = torvanix_providers_contracts_value_int8_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_INT8 (v)); break;
      case 4: got = torvanix_providers_contracts_value_int16_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_INT16 (v)); break;
      case 5: got = torvanix_providers_contracts_value_int32_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_INT32 (v)); break;
      case 6: got = torvanix_providers_contracts_value_int64_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_INT64 (v)); break;
      case 7: got = torvanix_providers_contracts_value_uint8_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_UINT8 (v)); break;
      case 8: got = torvanix_providers_contracts_value_uint16_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_UINT16 (v)); break;
      case 9: got = torvanix_providers_contracts_value_uint32_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_UINT32 (v)); break;
      case 10: got = torvanix_providers_contracts_value_uint64_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_UINT64 (v)); break;
      case 21:
        got = torvanix_providers_contracts_value_time_span_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_TIME_SPAN (v));
        break;
    }
    EXPECT_EQ (got, c.expected) << c.type << " " << (c.text ? c.text : "(null)");
  }
}

TEST (ValueFactory, FloatingNumbersIgnoreTheLocaleAndMoneyKeepsItsCents)
{
  auto float_of = [] (const char *text) {
    auto value = make (16, text);
    return torvanix_providers_contracts_value_float_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_FLOAT (value.get ()));
  };
  EXPECT_EQ (float_of ("1.5"), 1.5f);
  EXPECT_EQ (float_of ("0.1"), 0.1f);
  EXPECT_EQ (float_of (" -2.5e2xyz"), -250.0f);
  EXPECT_EQ (float_of ("1,5"), 1.0f);
  EXPECT_EQ (float_of ("abc"), 0.0f);
  EXPECT_EQ (float_of (nullptr), 0.0f);
  EXPECT_EQ (float_of ("1e39"), HUGE_VALF);
  EXPECT_EQ (float_of ("-1e39"), -HUGE_VALF);
  /* Rounded once, straight to single precision: through a double, this
   * text just above the midpoint of two floats would land on the midpoint
   * and round down to 1. */
  EXPECT_EQ (float_of ("1.0000000596046447753906251"), 1.0f + FLT_EPSILON);
  EXPECT_EQ (float_of ("3.4028235e38"), G_MAXFLOAT);

  auto money_of = [] (const char *text) {
    auto value = make (14, text);
    return torvanix_providers_contracts_value_money_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_MONEY (value.get ()));
  };
  EXPECT_EQ (money_of ("1234567.89"), 1234567.89);
  EXPECT_EQ (money_of ("0.1"), 0.1);
  EXPECT_EQ (money_of ("-99999999999.99"), -99999999999.99);
  EXPECT_EQ (money_of ("1,5"), 1.0);
  EXPECT_EQ (money_of (nullptr), 0.0);

  auto double_of = [] (const char *text) {
    auto value = make (17, text);
    return torvanix_providers_contracts_value_double_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DOUBLE (value.get ()));
  };
  EXPECT_EQ (double_of ("1.5e3"), 1500.0);
  EXPECT_EQ (double_of ("0.1"), 0.1);
  EXPECT_EQ (double_of ("1e400"), HUGE_VAL);
  EXPECT_EQ (double_of (nullptr), 0.0);
}

TEST (ValueFactory, DatesAndTimesAreIso8601)
{
  EXPECT_EQ (text_of (make (18, "2024-03-05T23:30:00").get ()), "2024-03-05");
  EXPECT_EQ (text_of (make (20, "2024-03-05T07:08:09Z").get ()), "2024-03-05 07:08:09");
  EXPECT_EQ (text_of (make (22, "2024-03-05T07:08:09").get ()), "2024-03-05 07:08:09");
  EXPECT_EQ (text_of (make (19, "2024-03-05T07:08:09.75Z").get ()), "07:08:09.750000");
  EXPECT_EQ (text_of (make (19, "2024-03-05T07:08:09+02:00").get ()), "07:08:09");
  /* A bare time of day is not a full ISO 8601 date and time. */
  EXPECT_EQ (text_of (make (19, "07:08:09").get ()), "00:00:00");
  EXPECT_EQ (text_of (make (19, "garbage").get ()), "00:00:00");

  /* Unparsable dates and date-times fall back to the Unix epoch. */
  for (int type : {18, 20, 22}) {
    auto value = make (type, "2024-03-05");
    GDateTime *dt = torvanix_providers_contracts_value_date_time_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (value.get ()));
    ASSERT_NE (dt, nullptr);
    EXPECT_EQ (g_date_time_to_unix (dt), 0) << type;
  }
}

TEST (ValueFactory, WithoutTextDatesAndTimesAreNow)
{
  gint64 before = g_get_real_time () / G_USEC_PER_SEC;
  auto date = make (18, nullptr);
  auto date_time = make (20, nullptr);
  auto timestamp = make (22, nullptr);
  auto time = make (19, nullptr);
  gint64 after = g_get_real_time () / G_USEC_PER_SEC;
  for (auto *value : {date.get (), date_time.get (), timestamp.get ()}) {
    GDateTime *dt = torvanix_providers_contracts_value_date_time_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (value));
    ASSERT_NE (dt, nullptr);
    EXPECT_GE (g_date_time_to_unix (dt), before);
    EXPECT_LE (g_date_time_to_unix (dt), after);
  }
  /* The time of day is the local one; compare it with both ends, as the
   * clock may pass a second in between. */
  /* Its fraction of a second prints too: compare the whole seconds. */
  std::string printed = text_of (time.get ()).substr (0, 8);
  auto local_hms = [] (gint64 seconds) {
    GDateTime *dt = g_date_time_new_from_unix_local (seconds);
    std::string text = take_string (g_date_time_format (dt, "%H:%M:%S"));
    g_date_time_unref (dt);
    return text;
  };
  EXPECT_TRUE (printed == local_hms (before) || printed == local_hms (after)) << printed;
}

}  // namespace
