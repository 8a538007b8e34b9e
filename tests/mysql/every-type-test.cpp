/* Every column type the server has, with NULLs, limits and zero dates,
 * read through execute_model, execute_reader and execute_scalar: each
 * cell's value class and printed text, under every locale and zone the
 * test runs in. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "test-server.h"

using providers::testing::make_profile;
using providers::testing::own;
using providers::testing::Owned;
using providers::testing::take_string;
using providers::testing::test_server;

namespace {

using Value = TorvanixProvidersContractsIValue;

/* What a cell must be: its class and its printed text. The text of a
 * number or binary value is that of the same class built directly. */
struct Expect {
  std::string type;
  std::string text;
  gsize bytes = G_MAXSIZE; /* for binary values: the length they hold */
};

Expect from (gpointer reference)
{
  Expect e{G_OBJECT_TYPE_NAME (reference), take_string (torvanix_providers_contracts_ivalue_to_string (
                                                 TORVANIX_PROVIDERS_CONTRACTS_IVALUE (reference)))};
  g_object_unref (reference);
  return e;
}

Expect null_cell () { return {"TorvanixProvidersContractsValueNull", ""}; }
Expect string (const std::string &text) { return {"TorvanixProvidersContractsValueString", text}; }
Expect date (const std::string &text) { return {"TorvanixProvidersContractsValueDate", text}; }
Expect time_of_day (const std::string &text) { return {"TorvanixProvidersContractsValueTime", text}; }
Expect datetime (const std::string &text) { return {"TorvanixProvidersContractsValueDateTime", text}; }
Expect decimal (const std::string &text) { return {"TorvanixProvidersContractsValueDecimal", text}; }
Expect uint32 (const std::string &text) { return {"TorvanixProvidersContractsValueUInt32", text}; }

Expect binary (const std::string &bytes, bool blob)
{
  auto *data = reinterpret_cast<const guint8 *> (bytes.data ());
  auto length = static_cast<gint> (bytes.size ());
  Expect e = blob ? from (torvanix_providers_contracts_value_blob_new (data, length))
                  : from (torvanix_providers_contracts_value_binary_new (data, length));
  e.bytes = bytes.size ();
  return e;
}

struct Column {
  const char *name;
  const char *declaration;
  /* The SQL literal of each of the five rows, and what it reads as. */
  std::vector<std::pair<std::string, std::function<Expect ()>>> rows;
};

std::vector<Column> columns ()
{
  using namespace std::string_literals;
  auto null = [] { return null_cell (); };
  return {
    {"ti", "TINYINT", {{"NULL", null}, {"-128", [] { return from (torvanix_providers_contracts_value_int8_new (-128)); }},
      {"127", [] { return from (torvanix_providers_contracts_value_int8_new (127)); }},
      {"1", [] { return from (torvanix_providers_contracts_value_int8_new (1)); }},
      {"0", [] { return from (torvanix_providers_contracts_value_int8_new (0)); }}}},
    {"tiu", "TINYINT UNSIGNED", {{"NULL", null}, {"0", [] { return from (torvanix_providers_contracts_value_uint8_new (0)); }},
      {"255", [] { return from (torvanix_providers_contracts_value_uint8_new (255)); }},
      {"7", [] { return from (torvanix_providers_contracts_value_uint8_new (7)); }},
      {"0", [] { return from (torvanix_providers_contracts_value_uint8_new (0)); }}}},
    {"si", "SMALLINT", {{"NULL", null}, {"-32768", [] { return from (torvanix_providers_contracts_value_int16_new (-32768)); }},
      {"32767", [] { return from (torvanix_providers_contracts_value_int16_new (32767)); }},
      {"-5", [] { return from (torvanix_providers_contracts_value_int16_new (-5)); }},
      {"0", [] { return from (torvanix_providers_contracts_value_int16_new (0)); }}}},
    {"siu", "SMALLINT UNSIGNED", {{"NULL", null}, {"0", [] { return from (torvanix_providers_contracts_value_uint16_new (0)); }},
      {"65535", [] { return from (torvanix_providers_contracts_value_uint16_new (65535)); }},
      {"5", [] { return from (torvanix_providers_contracts_value_uint16_new (5)); }},
      {"0", [] { return from (torvanix_providers_contracts_value_uint16_new (0)); }}}},
    {"mi", "MEDIUMINT", {{"NULL", null}, {"-8388608", [] { return from (torvanix_providers_contracts_value_int32_new (-8388608)); }},
      {"8388607", [] { return from (torvanix_providers_contracts_value_int32_new (8388607)); }},
      {"3", [] { return from (torvanix_providers_contracts_value_int32_new (3)); }},
      {"0", [] { return from (torvanix_providers_contracts_value_int32_new (0)); }}}},
    {"miu", "MEDIUMINT UNSIGNED", {{"NULL", null}, {"0", [] { return from (torvanix_providers_contracts_value_uint32_new (0)); }},
      {"16777215", [] { return from (torvanix_providers_contracts_value_uint32_new (16777215)); }},
      {"3", [] { return from (torvanix_providers_contracts_value_uint32_new (3)); }},
      {"0", [] { return from (torvanix_providers_contracts_value_uint32_new (0)); }}}},
    {"i", "INT", {{"NULL", null}, {"-2147483648", [] { return from (torvanix_providers_contracts_value_int32_new (G_MININT32)); }},
      {"2147483647", [] { return from (torvanix_providers_contracts_value_int32_new (G_MAXINT32)); }},
      {"10", [] { return from (torvanix_providers_contracts_value_int32_new (10)); }},
      {"0", [] { return from (torvanix_providers_contracts_value_int32_new (0)); }}}},
    {"iu", "INT UNSIGNED", {{"NULL", null}, {"0", [] { return from (torvanix_providers_contracts_value_uint32_new (0)); }},
      {"4294967295", [] { return from (torvanix_providers_contracts_value_uint32_new (G_MAXUINT32)); }},
      {"10", [] { return from (torvanix_providers_contracts_value_uint32_new (10)); }},
      {"0", [] { return from (torvanix_providers_contracts_value_uint32_new (0)); }}}},
    {"bi", "BIGINT", {{"NULL", null}, {"-9223372036854775808", [] { return from (torvanix_providers_contracts_value_int64_new (G_MININT64)); }},
      {"9223372036854775807", [] { return from (torvanix_providers_contracts_value_int64_new (G_MAXINT64)); }},
      {"-1", [] { return from (torvanix_providers_contracts_value_int64_new (-1)); }},
      {"0", [] { return from (torvanix_providers_contracts_value_int64_new (0)); }}}},
    {"biu", "BIGINT UNSIGNED", {{"NULL", null}, {"0", [] { return from (torvanix_providers_contracts_value_uint64_new (0)); }},
      {"18446744073709551615", [] { return from (torvanix_providers_contracts_value_uint64_new (G_MAXUINT64)); }},
      {"1", [] { return from (torvanix_providers_contracts_value_uint64_new (1)); }},
      {"0", [] { return from (torvanix_providers_contracts_value_uint64_new (0)); }}}},
    /* Leading zeros are decimal, not octal; they print as the server's. */
    {"zf", "INT(5) UNSIGNED ZEROFILL", {{"NULL", null}, {"42", [] { return uint32 ("00042"); }},
      {"89", [] { return uint32 ("00089"); }}, {"8", [] { return uint32 ("00008"); }}, {"0", [] { return uint32 ("00000"); }}}},
    {"f", "FLOAT", {{"NULL", null}, {"-1.5", [] { return from (torvanix_providers_contracts_value_float_new (-1.5f)); }},
      {"3.25", [] { return from (torvanix_providers_contracts_value_float_new (3.25f)); }},
      {"0.125", [] { return from (torvanix_providers_contracts_value_float_new (0.125f)); }},
      {"0", [] { return from (torvanix_providers_contracts_value_float_new (0)); }}}},
    {"d", "DOUBLE", {{"NULL", null}, {"-2.5e-300", [] { return from (torvanix_providers_contracts_value_double_new (-2.5e-300)); }},
      {"1.7976931348623157e308", [] { return from (torvanix_providers_contracts_value_double_new (1.7976931348623157e308)); }},
      {"0.1", [] { return from (torvanix_providers_contracts_value_double_new (0.1)); }},
      {"0", [] { return from (torvanix_providers_contracts_value_double_new (0)); }}}},
    /* An exact number prints the server's digits. */
    {"dc", "DECIMAL(65,30)", {{"NULL", null},
      {"-12345678901234567890123456789012345.5", [] { return decimal ("-12345678901234567890123456789012345.500000000000000000000000000000"); }},
      {"0.000000000000000000000000000001", [] { return decimal ("0.000000000000000000000000000001"); }},
      {"1234.5", [] { return decimal ("1234.500000000000000000000000000000"); }},
      {"0", [] { return decimal ("0.000000000000000000000000000000"); }}}},
    {"dt", "DATE", {{"NULL", null}, {"'1000-01-01'", [] { return date ("1000-01-01"); }},
      {"'9999-12-31'", [] { return date ("9999-12-31"); }}, {"'2024-02-29'", [] { return date ("2024-02-29"); }},
      {"'0000-00-00'", [] { return date ("0000-00-00"); }}}},
    /* A TIME outside one day is a span: it keeps the server's text. */
    {"tm", "TIME(3)", {{"NULL", null}, {"'-838:59:59'", [] { return string ("-838:59:59.000"); }},
      {"'838:59:59'", [] { return string ("838:59:59.000"); }}, {"'13:14:15.5'", [] { return time_of_day ("13:14:15.500"); }},
      {"'00:00:00'", [] { return time_of_day ("00:00:00.000"); }}}},
    /* Fractions print to the column's digits; zero dates as the server's text. */
    {"dtm", "DATETIME(6)", {{"NULL", null}, {"'1000-01-01 00:00:00'", [] { return datetime ("1000-01-01 00:00:00.000000"); }},
      {"'9999-12-31 23:59:59.999999'", [] { return datetime ("9999-12-31 23:59:59.999999"); }},
      {"'2024-02-29 13:14:15.123456'", [] { return datetime ("2024-02-29 13:14:15.123456"); }},
      {"'0000-00-00 00:00:00'", [] { return datetime ("0000-00-00 00:00:00.000000"); }}}},
    {"ts", "TIMESTAMP NULL", {{"NULL", null}, {"'1970-01-01 00:00:01'", [] { return datetime ("1970-01-01 00:00:01"); }},
      {"'2038-01-19 03:14:07'", [] { return datetime ("2038-01-19 03:14:07"); }},
      {"'2024-07-01 12:00:00'", [] { return datetime ("2024-07-01 12:00:00"); }},
      {"'0000-00-00 00:00:00'", [] { return datetime ("0000-00-00 00:00:00"); }}}},
    {"yr", "YEAR", {{"NULL", null}, {"1901", [] { return from (torvanix_providers_contracts_value_int16_new (1901)); }},
      {"2155", [] { return from (torvanix_providers_contracts_value_int16_new (2155)); }},
      {"2024", [] { return from (torvanix_providers_contracts_value_int16_new (2024)); }},
      {"0", [] { return Expect{"TorvanixProvidersContractsValueInt16", "0000"}; }}}},
    {"ch", "CHAR(4)", {{"NULL", null}, {"''", [] { return string (""); }}, {"'\xF0\x9F\x98\x80'", [] { return string ("\xF0\x9F\x98\x80"); }},
      {"'ab'", [] { return string ("ab"); }}, {"'x'", [] { return string ("x"); }}}},
    {"vc", "VARCHAR(20)", {{"NULL", null}, {"''", [] { return string (""); }},
      {"'\xF0\x9F\x98\x80 \xC3\xA9t\xC3\xA9'", [] { return string ("\xF0\x9F\x98\x80 \xC3\xA9t\xC3\xA9"); }},
      {"'plain'", [] { return string ("plain"); }}, {"' trailing '", [] { return string (" trailing "); }}}},
    {"tx", "TEXT", {{"NULL", null}, {"''", [] { return string (""); }},
      {"REPEAT('\xF0\x9F\x98\x80', 1000)", [] { std::string s; for (int i = 0; i < 1000; ++i) s += "\xF0\x9F\x98\x80"; return string (s); }},
      {"'line\\nbreak'", [] { return string ("line\nbreak"); }}, {"'x'", [] { return string ("x"); }}}},
    /* Binary strings are bytes, zero bytes and padding included. */
    {"bn", "BINARY(3)", {{"NULL", null}, {"X'000000'", [] { return binary ("\0\0\0"s, false); }}, {"'abc'", [] { return binary ("abc", false); }},
      {"'a'", [] { return binary ("a\0\0"s, false); }}, {"'xyz'", [] { return binary ("xyz", false); }}}},
    {"vb", "VARBINARY(8)", {{"NULL", null}, {"''", [] { return binary ("", false); }}, {"'bytes'", [] { return binary ("bytes", false); }},
      {"X'00410042'", [] { return binary ("\0A\0B"s, false); }}, {"'z'", [] { return binary ("z", false); }}}},
    /* Every blob size reaches the client as the one BLOB type. */
    {"tb", "TINYBLOB", {{"NULL", null}, {"''", [] { return binary ("", true); }}, {"X'00FF00'", [] { return binary ("\0\xFF\0"s, true); }},
      {"'tiny'", [] { return binary ("tiny", true); }}, {"X'00'", [] { return binary ("\0"s, true); }}}},
    {"b", "BLOB", {{"NULL", null}, {"''", [] { return binary ("", true); }}, {"X'6100620063'", [] { return binary ("a\0b\0c"s, true); }},
      {"'blob'", [] { return binary ("blob", true); }}, {"X'FFFE'", [] { return binary ("\xFF\xFE", true); }}}},
    {"mb", "MEDIUMBLOB", {{"NULL", null}, {"''", [] { return binary ("", true); }}, {"X'000102'", [] { return binary ("\0\1\2"s, true); }},
      {"'medium'", [] { return binary ("medium", true); }}, {"X'00'", [] { return binary ("\0"s, true); }}}},
    {"lb", "LONGBLOB", {{"NULL", null}, {"''", [] { return binary ("", true); }}, {"REPEAT(X'00AB', 40000)", [] { std::string s; for (int i = 0; i < 40000; ++i) s += "\0\xAB"s; return binary (s, true); }},
      {"'long'", [] { return binary ("long", true); }}, {"X'0A'", [] { return binary ("\n", true); }}}},
    {"bt", "BIT(10)", {{"NULL", null}, {"b'0'", [] { return binary ("\0\0"s, false); }}, {"b'1111111111'", [] { return binary ("\x03\xFF", false); }},
      {"b'1010000001'", [] { return binary ("\x02\x81", false); }}, {"b'1'", [] { return binary ("\0\1"s, false); }}}},
    /* ENUM and SET reach the client as STRING columns with a flag. */
    {"en", "ENUM('a','b','\xC3\xA9')", {{"NULL", null}, {"'a'", [] { return string ("a"); }},
      {"'\xC3\xA9'", [] { return string ("\xC3\xA9"); }},
      {"'b'", [] { return string ("b"); }},
      {"'a'", [] { return string ("a"); }}}},
    {"st", "SET('x','y')", {{"NULL", null}, {"''", [] { return string (""); }},
      {"'x,y'", [] { return string ("x,y"); }},
      {"'y'", [] { return string ("y"); }},
      {"'x'", [] { return string ("x"); }}}},
    /* JSON is LONGTEXT to this server: text. */
    {"js", "JSON", {{"NULL", null}, {"'{}'", [] { return string ("{}"); }},
      {"'{\"k\": [1, 2], \"\xF0\x9F\x98\x80\": null}'", [] { return string ("{\"k\": [1, 2], \"\xF0\x9F\x98\x80\": null}"); }},
      {"'[]'", [] { return string ("[]"); }}, {"'1'", [] { return string ("1"); }}}},
    /* Spatial cells are the server's bytes, in hexadecimal. */
    {"g", "GEOMETRY", {{"NULL", null},
      {"ST_GeomFromText('POINT(1 2)')", [] { return from (torvanix_providers_contracts_value_geometry_new ("000000000101000000000000000000F03F0000000000000040")); }},
      {"ST_GeomFromText('POINT(0 0)')", [] { return from (torvanix_providers_contracts_value_geometry_new ("00000000010100000000000000000000000000000000000000")); }},
      {"NULL", null}, {"NULL", null}}},
    {"pt", "POINT", {{"NULL", null},
      {"POINT(1, 2)", [] { return from (torvanix_providers_contracts_value_geometry_new ("000000000101000000000000000000F03F0000000000000040")); }},
      {"NULL", null}, {"NULL", null}, {"NULL", null}}},
  };
}

class EveryType : public ::testing::Test {
 protected:
  void SetUp () override
  {
    provider_ = own (torvanix_providers_supports_my_sql_provider_new ());
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_open (iface (), make_profile (test_server ()).get (), "", &error);
    ASSERT_EQ (error, nullptr) << error->message;
    std::string create = "CREATE TEMPORARY TABLE every_type (id INT NOT NULL PRIMARY KEY";
    for (const Column &c : columns_)
      create += std::string (", ") + c.name + " " + c.declaration;
    create += ")";
    affect (create);
    for (int row = 0; row < 5; ++row) {
      std::string insert = "INSERT INTO every_type VALUES (" + std::to_string (row);
      for (const Column &c : columns_)
        insert += ", " + c.rows[row].first;
      affect (insert + ")");
    }
  }

  void affect (const std::string &statement)
  {
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_execute_affect (iface (), statement.c_str (), 0, &error);
    ASSERT_EQ (error, nullptr) << statement << ": " << error->message;
  }

  TorvanixProvidersContractsIProvider *iface () { return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider_.get ()); }

  std::vector<Column> columns_ = columns ();
  Owned<TorvanixProvidersSupportsMySQLProvider> provider_;
};

void expect_cell (Value *value, const Expect &e, const std::string &where)
{
  ASSERT_NE (value, nullptr) << where;
  EXPECT_EQ (G_OBJECT_TYPE_NAME (value), e.type) << where;
  EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (value)), e.text) << where;
  if (e.bytes != G_MAXSIZE && TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (value)) {
    GBytes *bytes = torvanix_providers_contracts_value_binary_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (value));
    EXPECT_EQ (bytes ? g_bytes_get_size (bytes) : 0, e.bytes) << where;
  }
  /* A date-time converts to the wall-clock time it prints, its fraction
   * included (a zero date has none to convert to). */
  if (e.type == "TorvanixProvidersContractsValueDateTime" && e.text.rfind ("0000", 0) != 0 && e.text.rfind ("9999", 0) != 0) {
    GValue v = G_VALUE_INIT;
    torvanix_providers_contracts_ivalue_to_value (value, &v);
    auto *dt = static_cast<GDateTime *> (g_value_get_boxed (&v));
    ASSERT_NE (dt, nullptr) << where;
    EXPECT_EQ (take_string (g_date_time_format (dt, "%Y-%m-%d %H:%M:%S")), e.text.substr (0, 19)) << where;
    if (e.text.size () > 20) {
      EXPECT_EQ (g_date_time_get_microsecond (dt), std::stoi ((e.text.substr (20) + "00000").substr (0, 6))) << where;
    }
    g_value_unset (&v);
  }
}

TEST_F (EveryType, ModelColumnsAndCells)
{
  GError *error = nullptr;
  auto model = own (torvanix_providers_contracts_iprovider_execute_model (iface (), "SELECT * FROM every_type ORDER BY id",
                                                                          0, &error));
  ASSERT_EQ (error, nullptr) << error->message;
  GeeArrayList *cols = torvanix_providers_contracts_table_model_get_columns (model.get ());
  ASSERT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (cols)), static_cast<gint> (columns_.size () + 1));
  gint lb_position = 0;
  while (std::string (columns_[static_cast<gsize> (lb_position)].name) != "lb")
    ++lb_position;
  auto *lb = static_cast<TorvanixProvidersContractsColumnModel *> (
      gee_abstract_list_get (GEE_ABSTRACT_LIST (cols), lb_position + 1));
  EXPECT_STREQ (torvanix_providers_contracts_column_model_get_name (lb), "lb");
  EXPECT_EQ (torvanix_providers_contracts_column_model_get_data_type (lb), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB);
  /* The widest cell of the result, not the declared width. */
  EXPECT_EQ (torvanix_providers_contracts_column_model_get_data_size (lb), 80000u);
  g_object_unref (lb);
  for (int row = 0; row < 5; ++row)
    for (gsize col = 0; col < columns_.size (); ++col) {
      auto *value = torvanix_providers_contracts_table_model_get_value_at (model.get (), static_cast<gint> (col) + 1, row);
      expect_cell (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value), columns_[col].rows[row].second (),
                   std::string ("model ") + columns_[col].name + " row " + std::to_string (row));
      if (value) g_object_unref (value);
    }
}

TEST_F (EveryType, ReaderCells)
{
  GError *error = nullptr;
  auto reader = own (torvanix_providers_contracts_iprovider_execute_reader (iface (), "SELECT * FROM every_type ORDER BY id",
                                                                            &error));
  ASSERT_EQ (error, nullptr) << error->message;
  for (int row = 0; row < 5; ++row) {
    ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (reader.get (), &error));
    for (gsize col = 0; col < columns_.size (); ++col) {
      auto *value = torvanix_providers_contracts_idata_reader_get_value (reader.get (), static_cast<guint16> (col + 1), &error);
      expect_cell (value, columns_[col].rows[row].second (),
                   std::string ("reader ") + columns_[col].name + " row " + std::to_string (row));
      if (value) g_object_unref (value);
    }
  }
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_read (reader.get (), &error));
  EXPECT_EQ (error, nullptr);
}

TEST_F (EveryType, ScalarCells)
{
  for (int row = 0; row < 5; ++row)
    for (const Column &c : columns_) {
      std::string query = std::string ("SELECT ") + c.name + " FROM every_type WHERE id = " + std::to_string (row);
      GError *error = nullptr;
      auto *value = torvanix_providers_contracts_iprovider_execute_scalar (iface (), query.c_str (), 0, &error);
      ASSERT_EQ (error, nullptr) << query << ": " << error->message;
      expect_cell (value, c.rows[row].second (), query);
      if (value) g_object_unref (value);
    }
}

}  // namespace
