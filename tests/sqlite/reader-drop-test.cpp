/* Readers dropped early: before their first row, in the middle, after
 * their last, with their values still held, while other threads run
 * statements on the same provider and write the same file through
 * another. Run under AddressSanitizer and ThreadSanitizer. */
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "sqlite-test-calls.h"

namespace providers::testing {
namespace {

constexpr int kRows = 300;

TEST (SQLiteReaderDrop, ReadersDroppedAtAnyRowWhileOthersRunAndWrite)
{
  ScratchFolder folder;
  const std::string path = folder.file ("drop.db");
  SQLiteProvider shared = opened (path);
  ASSERT_FALSE (affect (shared, "CREATE TABLE t (a INTEGER, b TEXT, c BLOB, d REAL)").failed);
  ASSERT_FALSE (affect (shared, "WITH RECURSIVE n (i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                                    std::to_string (kRows) +
                                    ") INSERT INTO t SELECT i, 'text ' || i, randomblob (i % 50), i / 7.0 FROM n")
                   .failed);

  std::atomic<bool> writing{true};
  std::thread writer ([&] {
    SQLiteProvider other = opened (path, "");
    EXPECT_FALSE (affect (other, "PRAGMA synchronous = OFF").failed);
    for (int i = 0; i < 100 && writing.load (); ++i) {
      EXPECT_FALSE (affect (other, "INSERT INTO t VALUES (" + std::to_string (kRows + 1 + i) + ", 'late', NULL, 0)").failed);
      /* A writer that never lets go of the file would starve every reader
       * past its busy timeout. */
      std::this_thread::sleep_for (std::chrono::milliseconds (5));
    }
  });

  auto read_and_drop = [&shared] (int thread) {
    for (int round = 0; round < 20; ++round) {
      GError *error = nullptr;
      auto *reader = torvanix_providers_contracts_iprovider_execute_reader (
          as_provider (shared), "SELECT a, b, c, d FROM t WHERE a <= 300 ORDER BY a", &error);
      ASSERT_NE (reader, nullptr) << error->message;
      const int stop_after = (thread * 37 + round * 53) % (kRows + 2);
      std::vector<TorvanixProvidersContractsIValue *> kept;
      for (int row = 0; row < stop_after && torvanix_providers_contracts_idata_reader_read (reader, nullptr); ++row) {
        gint length = 0;
        TorvanixProvidersContractsIValue **values =
            torvanix_providers_contracts_idata_reader_get_values (reader, &length, &error);
        ASSERT_EQ (length, 4);
        EXPECT_EQ (described (values[0]), "ValueInt64 " + std::to_string (row + 1));
        kept.push_back (values[1]);
        for (gint i = 0; i < length; ++i)
          if (i != 1)
            g_object_unref (values[i]);
        g_free (values);
        if (round % 3 == 0) {
          EXPECT_FALSE (affect (shared, "SELECT count(*) FROM t").failed);
        }
      }
      /* Half the readers go before the values taken from them. */
      if (round % 2 == 0)
        g_object_unref (reader);
      for (auto *value : kept) {
        EXPECT_EQ (described (value).rfind ("ValueString text ", 0), 0u);
        g_object_unref (value);
      }
      if (round % 2 == 1)
        g_object_unref (reader);
    }
  };
  std::vector<std::thread> readers;
  for (int thread = 0; thread < 3; ++thread)
    readers.emplace_back (read_and_drop, thread);
  for (auto &reader : readers)
    reader.join ();
  writing = false;
  writer.join ();
}

}  // namespace
}  // namespace providers::testing
