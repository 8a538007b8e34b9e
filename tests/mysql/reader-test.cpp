/* The reader's typed getters on server cells: decimal integers, numbers
 * and dates read the same under every locale and zone, null and zero
 * cells without crashes, binary cells at their own length. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "support/fake-mysql-result.h"
#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "test-server.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::make_profile;
using providers::testing::own;
using providers::testing::Owned;
using providers::testing::take_string;
using providers::testing::test_server;

namespace {

using Reader = TorvanixProvidersContractsIDataReader;

class ReaderGetters : public ::testing::Test {
 protected:
  void SetUp () override
  {
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_open (p (), make_profile (test_server ()).get (), "", &error);
    ASSERT_EQ (error, nullptr) << error->message;
  }

  TorvanixProvidersContractsIProvider *p () { return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider_.get ()); }

  /* A reader on its first row. */
  Owned<Reader> row (const std::string &query)
  {
    GError *error = nullptr;
    auto reader = own (torvanix_providers_contracts_iprovider_execute_reader (p (), query.c_str (), &error));
    EXPECT_EQ (error, nullptr) << query << ": " << (error ? error->message : "");
    g_clear_error (&error);
    if (reader) {
      EXPECT_TRUE (torvanix_providers_contracts_idata_reader_read (reader.get (), nullptr));
    }
    return reader;
  }

  Owned<TorvanixProvidersSupportsMySQLProvider> provider_ = own (torvanix_providers_supports_my_sql_provider_new ());
};

TEST_F (ReaderGetters, IntegersAreDecimalAndCutToTheirWidth)
{
  auto r = row ("SELECT '00042', '089', '12abc', '-7', '300', '18446744073709551615', '0x1F', 'true', '1'");
  Reader *reader = r.get ();
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_int32 (reader, 0, nullptr), 42);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_int32 (reader, 1, nullptr), 89);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_uint16 (reader, 1, nullptr), 89);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_int64 (reader, 2, nullptr), 12);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_int8 (reader, 3, nullptr), -7);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_uint8 (reader, 4, nullptr), 300 % 256);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_uint64 (reader, 5, nullptr), G_MAXUINT64);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_int32 (reader, 6, nullptr), 0);
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_get_boolean (reader, 7, nullptr));
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_get_boolean (reader, 8, nullptr));
}

TEST_F (ReaderGetters, NumbersIgnoreTheLocalesDecimalSeparator)
{
  auto r = row ("SELECT CAST(2.75 AS FLOAT), 1234.5e-1, CAST('-0.125' AS DECIMAL(10,3))");
  EXPECT_FLOAT_EQ (torvanix_providers_contracts_idata_reader_get_float (r.get (), 0, nullptr), 2.75f);
  EXPECT_DOUBLE_EQ (torvanix_providers_contracts_idata_reader_get_double (r.get (), 1, nullptr), 123.45);
  EXPECT_DOUBLE_EQ (torvanix_providers_contracts_idata_reader_get_decimal (r.get (), 2, nullptr), -0.125);
  EXPECT_DOUBLE_EQ (torvanix_providers_contracts_idata_reader_get_money (r.get (), 2, nullptr), -0.125);
  EXPECT_EQ (torvanix_providers_supports_my_sql_reader_get_decimals_size (TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_READER (r.get ()), 2),
             3u);
}

TEST_F (ReaderGetters, DatesAndTimesReadTheServersFields)
{
  auto r = row ("SELECT DATE '9999-12-31', DATE '2024-02-29', CAST('0000-00-00' AS DATE), CAST(NULL AS DATE), "
                "TIME '13:14:15.5', TIME '-01:00:00', TIMESTAMP '2024-03-05 07:08:09', CAST('0000-00-00 00:00:00' AS DATETIME)");
  Reader *reader = r.get ();
  struct DateCase {
    guint16 ordinal;
    int year, month, day; /* 0: no date */
  } dates[] = {{0, 9999, 12, 31}, {1, 2024, 2, 29}, {2, 0, 0, 0}, {3, 0, 0, 0}};
  for (const DateCase &c : dates) {
    GDate date;
    g_date_set_dmy (&date, 1, G_DATE_JANUARY, 2000);
    torvanix_providers_contracts_idata_reader_get_date (reader, c.ordinal, &date, nullptr);
    if (c.year == 0) {
      EXPECT_FALSE (g_date_valid (&date)) << c.ordinal;
      continue;
    }
    ASSERT_TRUE (g_date_valid (&date)) << c.ordinal;
    EXPECT_EQ (g_date_get_year (&date), c.year);
    EXPECT_EQ (g_date_get_month (&date), c.month);
    EXPECT_EQ (g_date_get_day (&date), c.day);
  }

  GDateTime *time = torvanix_providers_contracts_idata_reader_get_time (reader, 4, nullptr);
  ASSERT_NE (time, nullptr);
  EXPECT_EQ (take_string (g_date_time_format (time, "%H:%M:%S")), "13:14:15");
  g_date_time_unref (time);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_time (reader, 5, nullptr), nullptr);

  GDateTime *instant = torvanix_providers_contracts_idata_reader_get_datetime (reader, 6, nullptr);
  ASSERT_NE (instant, nullptr);
  EXPECT_EQ (take_string (g_date_time_format (instant, "%Y-%m-%d %H:%M:%S %z")), "2024-03-05 07:08:09 +0000");
  g_date_time_unref (instant);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_timestamp (reader, 7, nullptr), nullptr);
}

TEST_F (ReaderGetters, BinaryCellsKeepTheirLength)
{
  auto r = row ("SELECT X'610062', X'', CAST(NULL AS BINARY), 'text'");
  struct Case {
    guint16 ordinal;
    std::string bytes;
  } cases[] = {{0, std::string ("a\0b", 3)}, {1, ""}, {2, ""}, {3, "text"}};
  for (const Case &c : cases) {
    gint length = -1;
    guint8 *bytes = torvanix_providers_contracts_idata_reader_get_binary (r.get (), c.ordinal, &length, nullptr);
    ASSERT_NE (bytes, nullptr);
    EXPECT_EQ (std::string (reinterpret_cast<char *> (bytes), static_cast<size_t> (length)), c.bytes);
    EXPECT_EQ (bytes[length], 0) << "a zero byte follows the cell";
    g_free (bytes);
  }
  /* Text getters stop at a zero byte; a NULL cell is the empty text. */
  EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_string (r.get (), 0, nullptr)), "a");
  EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_string (r.get (), 2, nullptr)), "");
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_is_null (r.get (), 2, nullptr));
}

TEST_F (ReaderGetters, ColumnsAndNullCells)
{
  auto r = row ("SELECT CAST(NULL AS SIGNED) AS n, 'abcdef' AS w UNION ALL SELECT 1, 'x'");
  Reader *reader = r.get ();
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_field_count (reader), 2);
  EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_name (reader, 1, nullptr)), "w");
  EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_dbms_type (reader, 0, nullptr)), "LONG");
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_size (reader, 1, nullptr), 6);
  gint count = 0;
  g_object_get (reader, "field-count", &count, nullptr);
  EXPECT_EQ (count, 2);

  LogCapture log;
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_int64 (reader, 0, nullptr), 0);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_double (reader, 0, nullptr), 0);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_timespan (reader, 1, nullptr), 0);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_name (reader, 2, nullptr), nullptr);
  std::vector<std::string> expected = {
    assertion_text ("int64_parse", "str != NULL"),
    assertion_text ("double_parse", "str != NULL"),
    assertion_text ("torvanix_providers_supports_my_sql_reader_real_get_name", "ordinal < field_count"),
  };
  EXPECT_EQ (log.criticals (), expected);
  ASSERT_EQ (log.warnings ().size (), 1u);
  EXPECT_EQ (log.warnings ()[0], "reader:188: timespan raw value: abcdef");

  /* After close, nothing is current and the reader says it is closed. */
  torvanix_providers_contracts_idata_reader_close (reader, nullptr);
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_get_is_closed (reader));
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_read (reader, nullptr));
}

/* The fast path for floating cells must give GLib's parser's double, bit
 * for bit, whatever the text: rounding edges, subnormals, out of range, and
 * texts it reads only in part. */
TEST (ReaderDoubles, MatchGLibsParserBitForBit)
{
  const char *const texts[] = {
    "0", "-0", "0.1", "123.45", "-2.5e-300", "1.7976931348623157e308", "2.2250738585072011e-308",
    "4.9e-324", "1e-400", "1e400", "-1e400", "9007199254740993", "0.30000000000000004441",
    "12345678901234567890123456789012345.123456789012345678901234567890", "+2", " 1.5", "0x1p3",
    "1.5abc", "1e", ".5", "5.", "inf", "-nan", "", "abc",
  };
  using providers::testing::FakeMySQLResult;
  std::vector<FakeMySQLResult::Row> rows;
  for (const char *text : texts)
    rows.push_back ({ std::string (text) });
  FakeMySQLResult result ({ { "d", MYSQL_TYPE_DOUBLE } }, rows);
  auto reader = own (torvanix_providers_supports_my_sql_reader_new (result.get ()));
  auto *r = TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER (reader.get ());
  for (const char *text : texts) {
    ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (r, nullptr));
    gdouble got = torvanix_providers_contracts_idata_reader_get_double (r, 0, nullptr);
    gdouble want = g_ascii_strtod (text, nullptr);
    EXPECT_EQ (std::memcmp (&got, &want, sizeof got), 0) << '"' << text << "\": " << got << " != " << want;
  }
}

}  // namespace
