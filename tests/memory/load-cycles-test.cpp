/* Loads and drops of a whole result, one after the other, as a client
 * that refreshes a result view does: the process's peak resident size
 * stops growing after the first few cycles. Run under GLib's default
 * allocator as well as with G_SLICE=always-malloc (the "slice" variant),
 * since the default one keeps what it frees per thread. The test run
 * loads 50,000 cells 100 times; scripts/memory asks for more rows
 * (PROVIDERS_MEMORY_LOAD_ROWS). */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <string>

#include "memory-meter.h"
#include "open-provider-test.h"

using providers::testing::peak_resident_bytes;

namespace {

long
load_rows ()
{
  return providers::testing::figure_from_environment ("PROVIDERS_MEMORY_LOAD_ROWS", 5000);
}

/* Ten mixed columns, made by the server as it goes. */
std::string
statement (long rows)
{
  return "SELECT seq, seq * 1.5, CONCAT('row ', seq), seq % 7, TIMESTAMP '2024-01-01 00:00:00' + INTERVAL seq SECOND,"
         " CAST(seq AS CHAR), IF(seq % 5 = 0, NULL, seq + 1), DATE '2000-01-01' + INTERVAL seq % 9000 DAY,"
         " REPEAT('x', seq % 40), seq * 3 FROM seq_1_to_" + std::to_string (rows);
}

class LoadCycles : public providers::testing::OpenProviderTest {
 protected:
  /* Runs `cycle` 100 times (the first ten settle the allocator) and
   * checks that the peak after the last is within a fifth of the peak
   * after the tenth, plus a little for one-time growth. */
  template <typename Cycle>
  void expect_flat_peak (Cycle cycle)
  {
    constexpr int kCycles = 100, kSettling = 10;
    /* What an earlier test of this process reached is not this one's. */
    providers::testing::reset_peak_resident ();
    size_t settled = 0;
    for (int i = 1; i <= kCycles; ++i) {
      cycle ();
      if (::testing::Test::HasFatalFailure ()) return;
      if (i == 1) std::printf ("memory: peak after cycle 1: %zu KiB\n", peak_resident_bytes () / 1024);
      if (i == kSettling) settled = peak_resident_bytes ();
    }
    const size_t last = peak_resident_bytes ();
    std::printf ("memory: peak after cycle %d: %zu KiB, after cycle %d: %zu KiB (G_SLICE=%s)\n", kSettling,
                 settled / 1024, kCycles, last / 1024, g_getenv ("G_SLICE") ? g_getenv ("G_SLICE") : "");
    EXPECT_LE (last, settled + settled / 5 + 8 * 1024 * 1024);
  }
};

TEST_F (LoadCycles, ModelLoadsAndDropsKeepThePeakFlat)
{
  const std::string sql = statement (load_rows ());
  expect_flat_peak ([&] {
    GError *error = nullptr;
    auto *table = torvanix_providers_contracts_iprovider_execute_model (p (), sql.c_str (), 0, &error);
    ASSERT_NE (table, nullptr) << error->message;
    g_object_unref (table);
  });
}

/* Values built ahead on the reader's thread and dropped on the caller's. */
TEST_F (LoadCycles, ReaderLoadsAndDropsKeepThePeakFlat)
{
  const std::string sql = statement (load_rows ());
  expect_flat_peak ([&] {
    GError *error = nullptr;
    auto *reader = torvanix_providers_contracts_iprovider_execute_reader (p (), sql.c_str (), &error);
    ASSERT_NE (reader, nullptr) << error->message;
    while (torvanix_providers_contracts_idata_reader_read (reader, nullptr)) {
      gint length = 0;
      auto **values = torvanix_providers_contracts_idata_reader_get_values (reader, &length, nullptr);
      ASSERT_EQ (length, 10);
      for (gint i = 0; i < length; ++i) g_object_unref (values[i]);
      g_free (values);
    }
    g_object_unref (reader);
  });
}

}  // namespace
