/* The reader interface's get_value and get_values, driven through the
 * exported functions over a reader that fills only the required slots. */
#include <libproviders/providers.h>

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contracts/memory-reader.h"
#include "support/gobject-test.h"
#include "support/log-capture.h"

using providers::testing::own;
using providers::testing::take_string;

namespace {

using Reader = TorvanixProvidersContractsIDataReader;
using IValue = TorvanixProvidersContractsIValue;
using DataType = TorvanixProvidersContractsDataType;

DataType type_number (int n) { return static_cast<DataType> (n); }

/* A one-column reader positioned on its only row. */
providers::testing::Owned<MemoryReader> one_cell (DataType type, const char *cell)
{
  MemoryReaderColumn column = {"c", "X", type, 0};
  auto reader = own (memory_reader_new (&column, 1));
  const gchar *cells[] = {cell};
  memory_reader_add_row (reader.get (), cells);
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_read (memory_reader_as_reader (reader.get ()), nullptr));
  return reader;
}

std::string text_of (IValue *value) { return take_string (torvanix_providers_contracts_ivalue_to_string (value)); }

TEST (ReaderGetValue, EachDataTypeReachesItsGetterAndValueClass)
{
  struct Case {
    int type;
    const char *cell;
    const char *klass;
    const char *text; /* nullptr: not compared */
  } cases[] = {
    {2, "1", "ValueBoolean", "true"},
    {3, "-5", "ValueInt8", "-5"},
    {4, "-300", "ValueInt16", "-300"},
    {5, "123456", "ValueInt32", "123456"},
    {6, "-9000000000", "ValueInt64", "-9000000000"},
    {7, "200", "ValueUInt8", "200"},
    {8, "65535", "ValueUInt16", "65535"},
    {9, "4000000000", "ValueUInt32", "4000000000"},
    {10, "18446744073709551615", "ValueUInt64", "18446744073709551615"},
    /* The reader keeps the interface's text getters: "" whatever the cell. */
    {11, "red", "ValueEnum", ""},
    {12, "a,b", "ValueFlags", ""},
    {13, "a,b", "ValueSet", ""},
    {14, "2.5", "ValueMoney", "2.5"},
    {15, "1.25", "ValueDecimal", "1.25"},
    {16, "1.5", "ValueFloat", "1.50"},
    {17, "2.25", "ValueDouble", "2.25"},
    {18, "2024-02-29", "ValueDate", nullptr},
    {19, "2024-01-01T10:20:30Z", "ValueTime", nullptr},
    {20, "2024-01-01T10:20:30Z", "ValueDateTime", nullptr},
    {21, "90", "ValueTimeSpan", nullptr},
    {22, "ignored", "ValueDateTime", nullptr},
    {23, "hello", "ValueString", "hello"},
    {24, "h\xc3\xa9llo", "ValueUtf16", "h\xc3\xa9llo"},
    {25, "<a/>", "ValueXml", ""},
    {26, "abc", "ValueUuid", "abc"},
    {27, "{}", "ValueJson", ""},
    {28, "POINT(1 2)", "ValueGeometry", ""},
    {29, "POINT(1 2)", "ValueGeography", ""},
    {30, "abc", "ValueBinary", nullptr},
    {31, "abc", "ValueBlob", nullptr},
    {32, "abc", "ValueBinary", nullptr},
    {34, "x", "ValueNull", ""},
    /* Types without a class of their own read as text. */
    {0, "x", "ValueString", "x"},
    {1, "x", "ValueString", "x"},
    {33, "x", "ValueString", "x"},
    {35, "x", "ValueString", "x"},
    {36, "x", "ValueString", "x"},
    {99, "x", "ValueString", "x"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (testing::Message () << "type " << c.type);
    auto reader = one_cell (type_number (c.type), c.cell);
    GError *error = nullptr;
    auto value = own (torvanix_providers_contracts_idata_reader_get_value (memory_reader_as_reader (reader.get ()), 0, &error));
    ASSERT_EQ (error, nullptr);
    ASSERT_NE (value.get (), nullptr);
    EXPECT_EQ (std::string (G_OBJECT_TYPE_NAME (value.get ())), std::string ("TorvanixProvidersContracts") + c.klass);
    if (c.text) {
      EXPECT_EQ (text_of (value.get ()), c.text);
    }
  }
}

TEST (ReaderGetValue, BinaryCellsKeepTheirBytes)
{
  auto reader = one_cell (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "a\x01z");
  auto value = own (torvanix_providers_contracts_idata_reader_get_value (memory_reader_as_reader (reader.get ()), 0, nullptr));
  GValue bytes = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (value.get (), &bytes);
  gsize size = 0;
  const void *data = nullptr;
  if (G_VALUE_HOLDS (&bytes, G_TYPE_BYTES)) {
    data = g_bytes_get_data (static_cast<GBytes *> (g_value_get_boxed (&bytes)), &size);
  } else if (G_VALUE_HOLDS (&bytes, G_TYPE_BYTE_ARRAY)) {
    auto *array = static_cast<GByteArray *> (g_value_get_boxed (&bytes));
    data = array->data;
    size = array->len;
  }
  EXPECT_EQ (std::string (static_cast<const char *> (data), size), "a\x01z");
  g_value_unset (&bytes);
}

TEST (ReaderGetValue, NullCellsCallNoTypedGetter)
{
  for (int type : {2, 5, 18, 23, 31, 34}) {
    auto reader = one_cell (type_number (type), nullptr);
    auto value = own (torvanix_providers_contracts_idata_reader_get_value (memory_reader_as_reader (reader.get ()), 0, nullptr));
    ASSERT_NE (value.get (), nullptr);
    EXPECT_TRUE (torvanix_providers_contracts_ivalue_get_is_null (value.get ())) << type;
    EXPECT_EQ (memory_reader_getter_calls (reader.get ()), 0u) << type;
  }
}

TEST (ReaderGetValue, EveryStepHandsItsErrorOver)
{
  for (MemoryReaderStep step : {MEMORY_READER_FAIL_IS_NULL, MEMORY_READER_FAIL_DATA_TYPE, MEMORY_READER_FAIL_GETTER}) {
    for (int type : {5, 18, 20, 23, 31}) {
      SCOPED_TRACE (testing::Message () << "step " << step << ", type " << type);
      auto reader = one_cell (type_number (type), "2024-01-01T00:00:00Z");
      memory_reader_fail (reader.get (), step, 0);
      GError *error = nullptr;
      IValue *value = torvanix_providers_contracts_idata_reader_get_value (memory_reader_as_reader (reader.get ()), 0, &error);
      EXPECT_EQ (value, nullptr);
      ASSERT_NE (error, nullptr);
      EXPECT_TRUE (g_error_matches (error, G_IO_ERROR, G_IO_ERROR_FAILED));
      g_error_free (error);
      /* A failed null test or type lookup goes no further. */
      EXPECT_EQ (memory_reader_getter_calls (reader.get ()), step == MEMORY_READER_FAIL_GETTER ? 1u : 0u);
    }
  }
}

providers::testing::Owned<MemoryReader> three_columns ()
{
  MemoryReaderColumn columns[] = {
    {"id", "INT", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, 11},
    {"name", "VARCHAR", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, 20},
    {"score", "DOUBLE", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, 22},
  };
  auto reader = own (memory_reader_new (columns, 3));
  const gchar *row[] = {"7", nullptr, "0.5"};
  memory_reader_add_row (reader.get (), row);
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_read (memory_reader_as_reader (reader.get ()), nullptr));
  return reader;
}

TEST (ReaderGetValues, ARowComesBackInColumnOrder)
{
  auto reader = three_columns ();
  gint length = 0;
  GError *error = nullptr;
  IValue **values = torvanix_providers_contracts_idata_reader_get_values (memory_reader_as_reader (reader.get ()), &length, &error);
  ASSERT_NE (values, nullptr);
  ASSERT_EQ (length, 3);
  EXPECT_EQ (values[3], nullptr);
  EXPECT_STREQ (G_OBJECT_TYPE_NAME (values[0]), "TorvanixProvidersContractsValueInt32");
  EXPECT_TRUE (torvanix_providers_contracts_ivalue_get_is_null (values[1]));
  EXPECT_EQ (text_of (values[2]), "0.50");
  for (gint i = 0; i < length; ++i) g_object_unref (values[i]);
  g_free (values);
}

TEST (ReaderGetValues, AFailedCellReturnsNothing)
{
  auto reader = three_columns ();
  memory_reader_fail (reader.get (), MEMORY_READER_FAIL_IS_NULL, 1);
  gint length = -1;
  GError *error = nullptr;
  /* The value already made for the first column is released (the leak
   * checker would tell otherwise). */
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_values (memory_reader_as_reader (reader.get ()), &length, &error), nullptr);
  ASSERT_NE (error, nullptr);
  EXPECT_STREQ (error->message, "planted failure at column 1");
  EXPECT_EQ (length, 0);
  g_error_free (error);
}

/* Ordinals are 16 bits wide: a row wider than that is refused, neither
 * read with wrapped ordinals nor read forever. */
TEST (ReaderGetValues, RowsWiderThanTheOrdinalsAreRefused)
{
  for (gint width : {65536, 70000}) {
    SCOPED_TRACE (width);
    MemoryReaderColumn column = {"c", "TINYINT", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, 4};
    auto reader = own (memory_reader_new (&column, 1));
    const gchar *cells[] = {"1"};
    memory_reader_add_row (reader.get (), cells);
    memory_reader_set_field_count (reader.get (), width);
    Reader *r = memory_reader_as_reader (reader.get ());
    ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (r, nullptr));
    gint length = -1;
    GError *error = nullptr;
    IValue **values = torvanix_providers_contracts_idata_reader_get_values (r, &length, &error);
    if (width <= 65536) {
      ASSERT_NE (values, nullptr);
      EXPECT_EQ (length, width);
      for (gint i = 0; i < length; ++i) g_object_unref (values[i]);
      g_free (values);
    } else {
      EXPECT_EQ (values, nullptr);
      EXPECT_EQ (length, 0);
      ASSERT_NE (error, nullptr);
      EXPECT_TRUE (g_error_matches (error, G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED));
      EXPECT_STREQ (error->message, "The row has more than 65536 columns; column 65536 cannot be addressed");
      g_error_free (error);
      EXPECT_LE (memory_reader_getter_calls (reader.get ()), 65536u);
    }
  }
}

}  // namespace
