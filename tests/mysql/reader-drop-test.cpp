/* Readers dropped at any point of their life: before the first row, while
 * their rows are being built ahead on another thread, mid-result, after
 * the last row. Nothing may read the result once the reader is gone (the
 * sanitizer runs of the suite see it), and values already taken stay the
 * caller's. Also the widest rows, past what 16-bit ordinals address. */
#include <libproviders/providers.h>

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "open-provider-test.h"
#include "support/gobject-test.h"

using providers::testing::own;
using providers::testing::Owned;
using providers::testing::take_string;

namespace {

using Reader = TorvanixProvidersContractsIDataReader;
using Value = TorvanixProvidersContractsIValue;

/* Long enough for a reader to build rows ahead (from 4,096 rows on). */
constexpr int kRows = 6000;
const std::string kStatement =
    "SELECT seq, CONCAT('row ', seq), IF(seq % 5 = 0, NULL, seq * 0.5e0), TIMESTAMP '2020-01-01 00:00:00' + INTERVAL seq MINUTE"
    " FROM seq_1_to_" + std::to_string (kRows);

class ReaderDrop : public providers::testing::OpenProviderTest {
 protected:
  Reader *reader (const std::string &statement)
  {
    GError *error = nullptr;
    Reader *made = torvanix_providers_contracts_iprovider_execute_reader (p (), statement.c_str (), &error);
    EXPECT_EQ (error, nullptr) << (error ? error->message : "");
    g_clear_error (&error);
    return made;
  }
};

/* The current row's values; the caller owns them. */
std::vector<Owned<Value>> values_of (Reader *reader)
{
  gint length = 0;
  GError *error = nullptr;
  Value **values = torvanix_providers_contracts_idata_reader_get_values (reader, &length, &error);
  EXPECT_EQ (error, nullptr);
  g_clear_error (&error);
  std::vector<Owned<Value>> row;
  for (gint i = 0; i < length; ++i) row.push_back (own (values[i]));
  g_free (values);
  return row;
}

std::string text_of (Value *value)
{
  return take_string (torvanix_providers_contracts_ivalue_to_string (value));
}

/* Reads `rows` rows, taking every row's values. */
void read_rows (Reader *reader, int rows)
{
  for (int r = 0; r < rows; ++r) {
    ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (reader, nullptr)) << r;
    values_of (reader);
  }
}

struct Stage {
  const char *name;
  /* Brings a fresh reader to the stage; answers the values it took last
   * (held past the drop), or none. */
  std::function<std::vector<Owned<Value>> (Reader *)> reach;
  std::string first_text; /* of the values held, column 1 */
};

const Stage kStages[] = {
  {"before the first read", [] (Reader *) { return std::vector<Owned<Value>> (); }, ""},
  {"right after the first row's values, the builder starting",
   [] (Reader *r) {
     torvanix_providers_contracts_idata_reader_read (r, nullptr);
     return values_of (r);
   },
   "row 1"},
  {"after the first row's values, the builder waiting for room",
   [] (Reader *r) {
     torvanix_providers_contracts_idata_reader_read (r, nullptr);
     auto held = values_of (r);
     g_usleep (50 * 1000);
     return held;
   },
   "row 1"},
  {"mid-batch-ahead, a thousand rows in",
   [] (Reader *r) {
     read_rows (r, 999);
     torvanix_providers_contracts_idata_reader_read (r, nullptr);
     return values_of (r);
   },
   "row 1000"},
  {"after skipping far beyond the rows built ahead",
   [] (Reader *r) {
     torvanix_providers_contracts_idata_reader_read (r, nullptr);
     values_of (r);
     for (int i = 2; i <= 4000; ++i) torvanix_providers_contracts_idata_reader_read (r, nullptr);
     return values_of (r);
   },
   "row 4000"},
  {"after the last row",
   [] (Reader *r) {
     read_rows (r, kRows - 1);
     torvanix_providers_contracts_idata_reader_read (r, nullptr);
     auto held = values_of (r);
     EXPECT_FALSE (torvanix_providers_contracts_idata_reader_read (r, nullptr));
     return held;
   },
   "row 6000"},
  {"after close, mid-result",
   [] (Reader *r) {
     read_rows (r, 299);
     torvanix_providers_contracts_idata_reader_read (r, nullptr);
     auto held = values_of (r);
     torvanix_providers_contracts_idata_reader_close (r, nullptr);
     return held;
   },
   "row 300"},
};

/* Each stage a few times, so that the builder is caught at different
 * points; dropped on the reading thread and on another one. */
TEST_F (ReaderDrop, AReaderDroppedAtAnyStageTakesNothingOfTheCallersWithIt)
{
  for (const Stage &stage : kStages) {
    SCOPED_TRACE (stage.name);
    for (int round = 0; round < 3; ++round) {
      Reader *r = reader (kStatement);
      ASSERT_NE (r, nullptr);
      std::vector<Owned<Value>> held = stage.reach (r);
      if (round == 2)
        std::thread ([r] { g_object_unref (r); }).join ();
      else
        g_object_unref (r);
      if (!stage.first_text.empty ()) {
        ASSERT_EQ (held.size (), 4u);
        EXPECT_EQ (text_of (held[1].get ()), stage.first_text);
        EXPECT_EQ (G_OBJECT (held[1].get ())->ref_count, 1u);
      }
    }
    /* The provider is as usable as before. */
    Reader *next = reader ("SELECT 42");
    ASSERT_NE (next, nullptr);
    ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (next, nullptr));
    auto row = values_of (next);
    ASSERT_EQ (row.size (), 1u);
    EXPECT_EQ (text_of (row[0].get ()), "42");
    g_object_unref (next);
  }
}

/* The process's threads of that name. */
int threads_named (const char *name)
{
  int count = 0;
  GDir *dir = g_dir_open ("/proc/self/task", 0, nullptr);
  if (dir == nullptr) return -1;
  while (const char *task = g_dir_read_name (dir)) {
    gchar *comm = nullptr;
    gchar *path = g_strdup_printf ("/proc/self/task/%s/comm", task);
    if (g_file_get_contents (path, &comm, nullptr, nullptr) && g_strcmp0 (g_strchomp (comm), name) == 0) ++count;
    g_free (comm);
    g_free (path);
  }
  g_dir_close (dir);
  return count;
}

/* The builder of a long result is a thread of the reader's alone, named
 * as such, and gone (joined) when the reader is. */
TEST_F (ReaderDrop, TheBuilderThreadEndsWithItsReader)
{
  if (g_get_num_processors () < 2) GTEST_SKIP () << "readers build ahead only with a core to spare";
  ASSERT_EQ (threads_named ("providers-ahead"), 0);
  Reader *r = reader (kStatement);
  ASSERT_NE (r, nullptr);
  ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (r, nullptr));
  values_of (r);
  /* Four batches ahead, then it waits for room: alive until the drop. */
  EXPECT_EQ (threads_named ("providers-ahead"), 1);
  g_object_unref (r);
  EXPECT_EQ (threads_named ("providers-ahead"), 0);
}

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
