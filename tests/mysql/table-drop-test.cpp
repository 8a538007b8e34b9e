/* Loaded results dropped while the library's release thread may still
 * hold the one before: right after loading, with the next load at once,
 * two at once, from another thread, and with cells the application keeps
 * and watches. What the application keeps stays whole; what it watches
 * ends on the dropping thread before the unref returns; the sanitizer runs
 * of the suite see any race between the droppers, the loads that finish
 * the release in flight, and the release thread. */
#include <libproviders/providers.h>

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "open-provider-test.h"
#include "support/gobject-test.h"

using providers::testing::own;
using providers::testing::take_string;

namespace {

using Table = TorvanixProvidersContractsTableModel;

/* 60,000 cells: enough to go to the release thread. */
const std::string kStatement =
    "SELECT seq, CONCAT('row ', seq), seq * 0.5e0, TIMESTAMP '2020-01-01 00:00:00' + INTERVAL seq MINUTE, seq % 7,"
    " CAST(seq AS DECIMAL(10,2)) FROM seq_1_to_10000";

class TableDrop : public providers::testing::OpenProviderTest {
 protected:
  Table *load ()
  {
    GError *error = nullptr;
    Table *table = torvanix_providers_contracts_iprovider_execute_model (p (), kStatement.c_str (), 0, &error);
    EXPECT_NE (table, nullptr) << (error ? error->message : "");
    g_clear_error (&error);
    return table;
  }
};

std::string text_at (Table *table, gint col, gint row)
{
  auto value = own (torvanix_providers_contracts_table_model_get_value_at (table, col, row));
  return take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value.get ())));
}

TEST_F (TableDrop, ResultsDroppedAtEveryStageOfTheReleaseBefore)
{
  struct Stage {
    const char *name;
    std::function<void (Table *)> drop;
  };
  const Stage stages[] = {
      {"dropped, the next load at once", [this] (Table *t) {
         g_object_unref (t);
         g_object_unref (load ());
       }},
      {"dropped with the one before still in flight", [this] (Table *t) {
         Table *second = load ();
         g_object_unref (t);
         g_object_unref (second);
       }},
      {"dropped on another thread while this one loads", [this] (Table *t) {
         std::thread dropper ([t] { g_object_unref (t); });
         Table *next = load ();
         dropper.join ();
         g_object_unref (next);
       }},
      {"dropped with cells kept and watched", [] (Table *t) {
         auto kept = own (torvanix_providers_contracts_table_model_get_value_at (t, 1, 9999));
         std::atomic<GThread *> watched_end{nullptr};
         {
           auto watched = own (torvanix_providers_contracts_table_model_get_value_at (t, 2, 5000));
           g_signal_connect_data (watched.get (), "notify", G_CALLBACK (+[] () {}), &watched_end,
                                  [] (gpointer end, GClosure *) {
                                    static_cast<std::atomic<GThread *> *> (end)->store (g_thread_self ());
                                  },
                                  GConnectFlags (0));
         }
         auto row = own (static_cast<TorvanixProvidersContractsRowModel *> (g_list_model_get_item (G_LIST_MODEL (t), 42)));
         g_object_unref (t);
         EXPECT_EQ (watched_end.load (), g_thread_self ());
         EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (kept.get ()))),
                    "row 10000");
         auto first = own (torvanix_providers_contracts_row_model_get_value_at (row.get (), 0));
         EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (first.get ()))),
                    "43");
       }},
  };
  for (const Stage &stage : stages) {
    SCOPED_TRACE (stage.name);
    for (int round = 0; round < 2; ++round) {
      Table *table = load ();
      ASSERT_NE (table, nullptr);
      ASSERT_EQ (text_at (table, 1, 0), "row 1");
      stage.drop (table);
    }
  }
}

}  // namespace
