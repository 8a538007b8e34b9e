/* The widest rows, past what 16-bit ordinals address: an engine whose
 * statements may have that many columns. */
#include <libproviders/providers.h>

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <string>

#include "reader-drop.h"

namespace providers::testing {
namespace {

/* One row of `width` columns, column i holding the number i. */
std::string wide_row (int width)
{
  std::string statement = "SELECT 0";
  for (int i = 1; i < width; ++i) statement += "," + std::to_string (i);
  return statement;
}

/* Every column up to the last ordinal keeps its own value; a row wider
 * than the ordinals reach is refused, never wrapped onto column 0. */
TEST_F (ReaderDrop, TheWidestRowsKeepEachCellUnderItsColumnOrFail)
{
  {
    Reader *r = reader (wide_row (65536));
    ASSERT_NE (r, nullptr);
    ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (r, nullptr));
    auto row = values_of (r);
    ASSERT_EQ (row.size (), 65536u);
    for (guint i : {0u, 1u, 65534u, 65535u}) EXPECT_EQ (text_of (row[i].get ()), std::to_string (i)) << i;
    g_object_unref (r);
  }
  for (int width : {65537, 70000}) {
    SCOPED_TRACE (width);
    Reader *r = reader (wide_row (width));
    ASSERT_NE (r, nullptr);
    ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (r, nullptr));
    gint length = -1;
    GError *error = nullptr;
    Value **values = torvanix_providers_contracts_idata_reader_get_values (r, &length, &error);
    EXPECT_EQ (values, nullptr);
    EXPECT_EQ (length, 0);
    ASSERT_NE (error, nullptr);
    EXPECT_TRUE (g_error_matches (error, G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED));
    EXPECT_STREQ (error->message, "The row has more than 65536 columns; column 65536 cannot be addressed");
    g_error_free (error);
    g_object_unref (r);
  }
}

}  // namespace
}  // namespace providers::testing
