/* Load: eight threads share one provider, each running a mix of scalar,
 * insert, model and reader statements, and keeping readers to read them
 * after later statements. Every answer must be the thread's own and right.
 * The test run does 60 statements a thread; scripts/load asks for 1,000
 * (PROVIDERS_LOAD_STATEMENTS), also under ThreadSanitizer. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <deque>
#include <string>
#include <thread>
#include <vector>

#include "support/gobject-test.h"
#include "test-server.h"

using providers::testing::make_profile;
using providers::testing::Observer;
using providers::testing::own;
using providers::testing::take_string;
using providers::testing::test_server;
using providers::testing::unique_name;

namespace {

using IProvider = TorvanixProvidersContractsIProvider;
using Reader = TorvanixProvidersContractsIDataReader;

int
statements_per_thread ()
{
  const char *text = std::getenv ("PROVIDERS_LOAD_STATEMENTS");
  return text != nullptr && *text != '\0' ? std::atoi (text) : 60;
}

/* Reads a kept reader to its end: its rows must be the n it was made for. */
bool
reader_holds (Reader *reader, int first, int rows)
{
  GError *e = nullptr;
  int seen = 0;
  while (torvanix_providers_contracts_idata_reader_read (reader, &e)) {
    if (torvanix_providers_contracts_idata_reader_get_int32 (reader, 0, &e) != first + seen) return false;
    ++seen;
  }
  bool ok = e == nullptr && seen == rows;
  g_clear_error (&e);
  return ok;
}

TEST (Load, EightThreadsShareOneProviderAndGetTheirOwnAnswers)
{
  Observer observer (test_server ());
  std::string table = unique_name ("load");
  observer.cell ("CREATE TABLE " + table + " (t INT, n INT, PRIMARY KEY (t, n)) ENGINE=InnoDB");
  auto provider = own (torvanix_providers_supports_my_sql_provider_new ());
  auto *p = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (p, make_profile (test_server ()).get (), "", &error);
  ASSERT_EQ (error, nullptr);

  constexpr int kThreads = 8;
  const int statements = statements_per_thread ();
  std::atomic<int> wrong{0};
  std::atomic<int> done{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back ([&, t] {
      std::string who = std::to_string (t);
      std::deque<std::pair<Reader *, int>> kept; /* reader, rows it must hold */
      int inserted = 0;
      for (int i = 0; i < statements; ++i) {
        GError *e = nullptr;
        switch (i % 4) {
          case 0: {
            std::string n = std::to_string (t * 1000000 + i);
            auto *v = torvanix_providers_contracts_iprovider_execute_scalar (p, ("SELECT " + n).c_str (), 0, &e);
            if (v == nullptr || take_string (torvanix_providers_contracts_ivalue_to_string (v)) != n) ++wrong;
            if (v) g_object_unref (v);
            break;
          }
          case 1:
            if (torvanix_providers_contracts_iprovider_execute_affect (
                    p, ("INSERT INTO " + table + " VALUES (" + who + ", " + std::to_string (inserted) + ")").c_str (), 0, &e)
                != 1)
              ++wrong;
            else
              ++inserted;
            break;
          case 2: {
            auto *model = torvanix_providers_contracts_iprovider_execute_model (
                p, ("SELECT n FROM " + table + " WHERE t = " + who + " ORDER BY n").c_str (), 0, &e);
            auto *rows = model ? torvanix_providers_contracts_table_model_get_rows (model) : nullptr;
            if (rows == nullptr || gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (rows)) != inserted) ++wrong;
            if (model) g_object_unref (model);
            break;
          }
          case 3: {
            auto *reader = torvanix_providers_contracts_iprovider_execute_reader (
                p, ("SELECT n FROM " + table + " WHERE t = " + who + " ORDER BY n").c_str (), &e);
            if (reader == nullptr) {
              ++wrong;
              break;
            }
            kept.emplace_back (reader, inserted);
            /* Read the oldest kept reader only after later statements. */
            if (kept.size () > 3) {
              if (!reader_holds (kept.front ().first, 0, kept.front ().second)) ++wrong;
              g_object_unref (kept.front ().first);
              kept.pop_front ();
            }
            break;
          }
        }
        if (e) {
          ++wrong;
          g_error_free (e);
        }
        ++done;
      }
      for (auto &[reader, rows] : kept) {
        if (!reader_holds (reader, 0, rows)) ++wrong;
        g_object_unref (reader);
      }
    });
  for (std::thread &thread : threads) thread.join ();
  std::printf ("load: %d statements on one provider from %d threads\n", done.load (), kThreads);
  EXPECT_EQ (wrong.load (), 0);
  EXPECT_EQ (observer.cell ("SELECT COUNT(*) FROM " + table), std::to_string (kThreads * ((statements + 2) / 4)));
  observer.cell ("DROP TABLE " + table);
}

}  // namespace
