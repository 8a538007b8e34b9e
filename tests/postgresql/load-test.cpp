/* Load: threads share one provider, each running scalars, inserts, tables
 * long enough for the table fill's builder threads, and transactions of
 * its own kind; every answer must be the thread's own and right. Also run
 * under ThreadSanitizer. */
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "pg-test-calls.h"
#include "pg-test-server.h"

using namespace providers::testing;

namespace {

TEST (PostgreSQLLoad, ThreadsShareOneProvider)
{
  constexpr int kThreads = 4, kRounds = 12, kRows = 1500;
  auto provider = open_pg_provider ();
  PgObserver observer;
  const std::string table = unique_name ("pg_load");
  ASSERT_EQ (observer.cell ("CREATE TABLE " + table + " (thread int, round int)"), "");
  std::atomic<int> wrong{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back ([&, t] {
      auto *p = as_provider (provider);
      for (int round = 0; round < kRounds; ++round) {
        GError *error = nullptr;
        std::string query = "SELECT i + " + std::to_string (t) + ", 'thread " + std::to_string (t)
                            + "' FROM generate_series (1, " + std::to_string (kRows) + ") i";
        auto model = own (torvanix_providers_contracts_iprovider_execute_model (p, query.c_str (), 0, &error));
        if (!model || g_list_model_get_n_items (G_LIST_MODEL (model.get ())) != kRows) {
          g_clear_error (&error);
          ++wrong;
          continue;
        }
        auto last = own (torvanix_providers_contracts_table_model_get_value_at (model.get (), 0, kRows - 1));
        if (take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (last.get ())))
            != std::to_string (kRows + t))
          ++wrong;
        std::string insert = "INSERT INTO " + table + " VALUES (" + std::to_string (t) + ", " + std::to_string (round)
                             + ")";
        if (affect (provider, insert).answer != 1)
          ++wrong;
        auto scalar = own (torvanix_providers_contracts_iprovider_execute_scalar (
            p, ("SELECT count(*) FROM " + table + " WHERE thread = " + std::to_string (t)).c_str (), 0, &error));
        if (!scalar || take_string (torvanix_providers_contracts_ivalue_to_string (scalar.get ()))
                           != std::to_string (round + 1))
          ++wrong;
        g_clear_error (&error);
      }
    });
  }
  for (auto &thread : threads)
    thread.join ();
  EXPECT_EQ (wrong.load (), 0);
  EXPECT_EQ (observer.cell ("SELECT count(*) FROM " + table), std::to_string (kThreads * kRounds));
  observer.cell ("DROP TABLE " + table);
}

}  // namespace
