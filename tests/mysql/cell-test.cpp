/* Cells print what the server sent: fractions of a second to the column's
 * digits, four-digit years, zero and partial dates as the server's text,
 * wall-clock times that the local zone skips, binary strings with every
 * byte and DECIMAL with every digit. Each through the table (execute_model)
 * and the reader (get_values), whose values are built by different paths. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "support/gobject-test.h"
#include "test-server.h"

using providers::testing::make_profile;
using providers::testing::own;
using providers::testing::Owned;
using providers::testing::take_string;
using providers::testing::test_server;

namespace {

using Value = TorvanixProvidersContractsIValue;

struct Case {
  const char *select;   /* one column */
  const char *type;     /* the value's class */
  const char *printed;  /* its to_string */
};

class Cells : public ::testing::Test {
 protected:
  void SetUp () override
  {
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_open (p (), make_profile (test_server ()).get (), "", &error);
    ASSERT_EQ (error, nullptr) << error->message;
  }

  TorvanixProvidersContractsIProvider *p () { return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider_.get ()); }

  /* The value of the one cell, through the table and through the reader. */
  void expect_both (const Case &c)
  {
    std::string query = std::string ("SELECT ") + c.select;
    GError *error = nullptr;
    auto table = own (torvanix_providers_contracts_iprovider_execute_model (p (), query.c_str (), 0, &error));
    ASSERT_EQ (error, nullptr) << query << ": " << error->message;
    auto cell = own (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (torvanix_providers_contracts_table_model_get_value_at (table.get (), 0, 0)));
    expect (cell.get (), c, "model " + query);

    auto reader = own (torvanix_providers_contracts_iprovider_execute_reader (p (), query.c_str (), &error));
    ASSERT_EQ (error, nullptr) << query << ": " << error->message;
    ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (reader.get (), nullptr));
    gint count = 0;
    Value **values = torvanix_providers_contracts_idata_reader_get_values (reader.get (), &count, nullptr);
    ASSERT_EQ (count, 1);
    expect (values[0], c, "reader " + query);
    g_object_unref (values[0]);
    g_free (values);
  }

  static void expect (Value *value, const Case &c, const std::string &where)
  {
    ASSERT_NE (value, nullptr) << where;
    EXPECT_STREQ (G_OBJECT_TYPE_NAME (value), c.type) << where;
    if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (value)) {
      /* Bytes print as text up to a zero byte: compare the bytes held. */
      GBytes *bytes = torvanix_providers_contracts_value_binary_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (value));
      std::string hex = "0x";
      gsize length = 0;
      auto *data = static_cast<const guint8 *> (bytes ? g_bytes_get_data (bytes, &length) : nullptr);
      for (gsize i = 0; i < length; ++i)
        hex += "0123456789ABCDEF"[data[i] >> 4], hex += "0123456789ABCDEF"[data[i] & 0xF];
      EXPECT_EQ (hex, c.printed) << where;
      return;
    }
    EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (value)), c.printed) << where;
  }

  Owned<TorvanixProvidersSupportsMySQLProvider> provider_ = own (torvanix_providers_supports_my_sql_provider_new ());
};

constexpr const char kDate[] = "TorvanixProvidersContractsValueDate";
constexpr const char kTime[] = "TorvanixProvidersContractsValueTime";
constexpr const char kDateTime[] = "TorvanixProvidersContractsValueDateTime";
constexpr const char kBinary[] = "TorvanixProvidersContractsValueBinary";
constexpr const char kDecimal[] = "TorvanixProvidersContractsValueDecimal";

TEST_F (Cells, DatesAndTimesPrintTheServersFields)
{
  const Case cases[] = {
    /* Fractions to the digits the column has, also zeros. */
    {"CAST('2024-02-29 12:00:00.123456' AS DATETIME(6))", kDateTime, "2024-02-29 12:00:00.123456"},
    {"CAST('2024-02-29 12:00:00.5' AS DATETIME(3))", kDateTime, "2024-02-29 12:00:00.500"},
    {"CAST('2024-02-29 12:00:00' AS DATETIME(1))", kDateTime, "2024-02-29 12:00:00.0"},
    {"TIME'12:34:56.5'", kTime, "12:34:56.5"},
    {"CAST('23:59:59.999999' AS TIME(6))", kTime, "23:59:59.999999"},
    /* Years before 1000 keep four digits. */
    {"DATE'0001-01-01'", kDate, "0001-01-01"},
    {"DATE'0999-12-31'", kDate, "0999-12-31"},
    {"TIMESTAMP'0099-06-01 10:00:00'", kDateTime, "0099-06-01 10:00:00"},
    /* Zero and partial dates stay values of their class that print the
     * server's text: not "(NULL)", which reads like a text. */
    {"CAST('0000-00-00' AS DATE)", kDate, "0000-00-00"},
    {"CAST('2024-01-00' AS DATE)", kDate, "2024-01-00"},
    {"CAST('0000-01-01' AS DATE)", kDate, "0000-01-01"},
    {"CAST('2024-00-00 10:11:12.5' AS DATETIME(1))", kDateTime, "2024-00-00 10:11:12.5"},
  };
  for (const Case &c : cases)
    expect_both (c);
}

/* The zones of the faults: a wall-clock time that the zone skips still
 * prints as the server sent it. */
TEST_F (Cells, WallClockTimesThatTheLocalZoneSkipsPrintAsSent)
{
  struct Zoned {
    const char *zone;
    Case c;
  };
  const Zoned cases[] = {
    {"Europe/Berlin", {"TIMESTAMP'2024-03-31 02:30:00'", kDateTime, "2024-03-31 02:30:00"}},
    {"Europe/Berlin", {"CAST('2024-10-27 02:30:00.25' AS DATETIME(2))", kDateTime, "2024-10-27 02:30:00.25"}},
    {"America/New_York", {"TIMESTAMP'2024-03-10 02:30:00'", kDateTime, "2024-03-10 02:30:00"}},
    {"Pacific/Apia", {"DATE'2011-12-30'", kDate, "2011-12-30"}},
    {"America/Sao_Paulo", {"DATE'2018-11-04'", kDate, "2018-11-04"}},
    {"America/Sao_Paulo", {"TIMESTAMP'2018-11-04 00:30:00'", kDateTime, "2018-11-04 00:30:00"}},
  };
  const char *saved = g_getenv ("TZ");
  std::string before = saved ? saved : "";
  for (const Zoned &z : cases) {
    g_setenv ("TZ", z.zone, TRUE);
    tzset ();
    SCOPED_TRACE (z.zone);
    expect_both (z.c);
  }
  if (saved)
    g_setenv ("TZ", before.c_str (), TRUE);
  else
    g_unsetenv ("TZ");
  tzset ();
}

TEST_F (Cells, BinaryStringsKeepEveryByte)
{
  const Case cases[] = {
    {"UNHEX('00410042')", kBinary, "0x00410042"},
    {"x'00'", kBinary, "0x00"},
    {"CAST('a' AS BINARY(3))", kBinary, "0x610000"},
    {"CAST(x'00ff' AS BINARY)", kBinary, "0x00FF"},
  };
  for (const Case &c : cases)
    expect_both (c);
  /* Compressed bytes are a blob of the binary character set. */
  std::string query = "SELECT COMPRESS(REPEAT('a', 100))";
  GError *error = nullptr;
  auto table = own (torvanix_providers_contracts_iprovider_execute_model (p (), query.c_str (), 0, &error));
  ASSERT_EQ (error, nullptr) << error->message;
  auto cell = own (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (torvanix_providers_contracts_table_model_get_value_at (table.get (), 0, 0)));
  Value *value = cell.get ();
  ASSERT_TRUE (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (value)) << G_OBJECT_TYPE_NAME (value);
  GBytes *bytes = torvanix_providers_contracts_value_binary_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (value));
  ASSERT_NE (bytes, nullptr);
  EXPECT_GT (g_bytes_get_size (bytes), 4u); /* a length prefix with zero bytes, then the stream */
}

TEST_F (Cells, DecimalsPrintTheServersDigitsAndKeepTheirNumber)
{
  const Case cases[] = {
    {"CAST(1234567.89 AS DECIMAL(12,2))", kDecimal, "1234567.89"},
    {"CAST(12.5 AS DECIMAL(5,2))", kDecimal, "12.50"},
    {"CAST(-0.001 AS DECIMAL(10,3))", kDecimal, "-0.001"},
    {"CAST(99999999999999999999999999999999999.999999999999999999999999999999 AS DECIMAL(65,30))", kDecimal,
     "99999999999999999999999999999999999.999999999999999999999999999999"},
  };
  for (const Case &c : cases)
    expect_both (c);

  /* A copy prints as the original; a number set by the application prints
   * as made here. Digits short enough to live in the value itself and
   * longer ones alike. */
  const struct {
    const char *sql, *digits;
    double number;
  } kept[] = {
    {"SELECT CAST(1234567.89 AS DECIMAL(12,2))", "1234567.89", 1234567.89},
    {"SELECT CAST(-12345678901234567890.123456789 AS DECIMAL(40,9))", "-12345678901234567890.123456789",
     -12345678901234567890.123456789},
  };
  for (const auto &k : kept) {
    GError *error = nullptr;
    auto table = own (torvanix_providers_contracts_iprovider_execute_model (p (), k.sql, 0, &error));
    ASSERT_EQ (error, nullptr) << error->message;
    auto cell = own (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (torvanix_providers_contracts_table_model_get_value_at (table.get (), 0, 0)));
    Value *value = cell.get ();
    EXPECT_DOUBLE_EQ (torvanix_providers_contracts_inumeric_to_double (TORVANIX_PROVIDERS_CONTRACTS_INUMERIC (value)), k.number);
    auto copy = own (torvanix_providers_contracts_ivalue_clone (value));
    EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (copy.get ())), k.digits);
    torvanix_providers_contracts_value_decimal_set_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DECIMAL (copy.get ()), 0.5);
    EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (copy.get ())), take_string (g_strdup_printf ("%G", 0.5)));
    EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (value)), k.digits);
  }
}

TEST_F (Cells, ReaderReadsIso8601TextWithItsZone)
{
  GError *error = nullptr;
  auto reader = own (torvanix_providers_contracts_iprovider_execute_reader (
      p (), "SELECT '2024-03-05T07:08:09+02:00', '2024-03-05T07:08:09', 'no date'", &error));
  ASSERT_EQ (error, nullptr) << error->message;
  ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (reader.get (), nullptr));
  GDateTime *zoned = torvanix_providers_contracts_idata_reader_get_datetime (reader.get (), 0, nullptr);
  ASSERT_NE (zoned, nullptr);
  EXPECT_EQ (g_date_time_to_unix (zoned), 1709615289); /* 05:08:09 UTC */
  g_date_time_unref (zoned);
  GDateTime *plain = torvanix_providers_contracts_idata_reader_get_datetime (reader.get (), 1, nullptr);
  ASSERT_NE (plain, nullptr);
  EXPECT_EQ (g_date_time_to_unix (plain), 1709622489); /* read as UTC */
  g_date_time_unref (plain);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_datetime (reader.get (), 2, nullptr), nullptr);
}

}  // namespace
