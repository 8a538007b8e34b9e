/* Readers dropped at any point of their life: before the first row, while
 * their rows are being built ahead on another thread, mid-result, after
 * the last row. Nothing may read the result once the reader is gone (the
 * sanitizer runs of the suite see it), and values already taken stay the
 * caller's. Built once per engine, against each engine's context. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "reader-drop.h"

namespace providers::testing {
namespace {

/* Long enough for a reader to build rows ahead (from 4,096 rows on). */
constexpr int kRows = 6000;

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
      Reader *r = reader (engine ().long_result (kRows));
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
 * as such, and gone (joined) when the reader is; an engine that builds
 * nothing ahead starts no such thread at all. */
TEST_F (ReaderDrop, TheBuilderThreadEndsWithItsReader)
{
  const bool ahead = engine ().builds_ahead;
  if (ahead && g_get_num_processors () < 2) GTEST_SKIP () << "readers build ahead only with a core to spare";
  ASSERT_EQ (threads_named ("providers-ahead"), 0);
  Reader *r = reader (engine ().long_result (kRows));
  ASSERT_NE (r, nullptr);
  ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (r, nullptr));
  values_of (r);
  /* Four batches ahead, then it waits for room: alive until the drop. */
  EXPECT_EQ (threads_named ("providers-ahead"), ahead ? 1 : 0);
  g_object_unref (r);
  EXPECT_EQ (threads_named ("providers-ahead"), 0);
}

}  // namespace
}  // namespace providers::testing
