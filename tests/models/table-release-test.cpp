/* Dropping a big table: the caller's unref returns at once and the rows
 * and values go on a worker thread, but nothing the application can still
 * reach, or that carries its handlers, qdata or classes, is finalized
 * anywhere but on the application's side. */
#include <libproviders/providers.h>

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "memory/memory-meter.h"
#include "support/gobject-test.h"

using providers::testing::own;
using providers::testing::Owned;
using providers::testing::take_string;

/* A value class of the application's own: its finalizer is the
 * application's code. */
struct TestAppValue {
  TorvanixProvidersContractsValueObject parent;
};
struct TestAppValueClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};
G_DEFINE_TYPE (TestAppValue, test_app_value, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)

namespace {

using Row = TorvanixProvidersContractsRowModel;
using Table = TorvanixProvidersContractsTableModel;

/* The thread each marked object ended on. */
std::atomic<GThread *> app_value_finalized_on{nullptr};

}  // namespace

static void
test_app_value_finalize (GObject *object)
{
  app_value_finalized_on = g_thread_self ();
  G_OBJECT_CLASS (test_app_value_parent_class)->finalize (object);
}

static void
test_app_value_class_init (TestAppValueClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = test_app_value_finalize;
}

static void
test_app_value_init (TestAppValue *)
{
}

namespace {

constexpr int kRows = 1200; /* x 10 columns: above the size released in the background */
constexpr int kColumns = 10;

Table *big_table ()
{
  TorvanixProvidersContractsDataType types[kColumns];
  for (int c = 0; c < kColumns; ++c)
    types[c] = c % 2 ? TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING : TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
  Table *table = torvanix_providers_contracts_table_model_new_with_types (types, kColumns);
  auto *rows = GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_table_model_get_rows (table));
  for (int r = 0; r < kRows; ++r) {
    Row *row = torvanix_providers_contracts_table_model_new_row (table);
    gee_abstract_collection_add (rows, row);
    g_object_unref (row);
  }
  return table;
}

gpointer cell (Table *table, int col, int row)
{
  return torvanix_providers_contracts_table_model_get_value_at (table, col, row);
}

/* Records the thread that ran a handler's destroy notify. */
struct HandlerEnd {
  std::atomic<GThread *> thread{nullptr};

  void connect (gpointer instance, const char *signal)
  {
    g_signal_connect_data (instance, signal, G_CALLBACK (+[] () {}), this,
                           [] (gpointer data, GClosure *) { static_cast<HandlerEnd *> (data)->thread = g_thread_self (); },
                           GConnectFlags (0));
  }
};

/* Iterates `context` until `done` holds (a few seconds at most). */
bool iterate_until (GMainContext *context, const std::function<bool ()> &done)
{
  gint64 deadline = g_get_monotonic_time () + 20 * G_TIME_SPAN_SECOND;
  while (!done () && g_get_monotonic_time () < deadline) {
    if (!g_main_context_iteration (context, FALSE)) g_usleep (1000);
  }
  return done ();
}

/* The worker releases tables in the order they were dropped, and sends a
 * value with a handler back only once its table is done: so when the
 * handler of a table dropped now ends here, every earlier table is gone. */
void wait_for_earlier_releases ()
{
  HandlerEnd end;
  {
    auto table = own (big_table ());
    auto value = own (cell (table.get (), 0, 0));
    end.connect (value.get (), "notify");
  }
  ASSERT_TRUE (iterate_until (nullptr, [&] { return end.thread != nullptr; }));
}

TEST (TableRelease, WhatTheApplicationHoldsStaysUsableAndEndsOnItsThread)
{
  auto table = own (big_table ());
  auto held_row = own (static_cast<Row *> (g_list_model_get_item (G_LIST_MODEL (table.get ()), 3)));
  auto held_value = own (cell (table.get (), 1, 7));
  auto app_value = own (g_object_new (test_app_value_get_type (), nullptr));
  torvanix_providers_contracts_table_model_set_value_at (table.get (), 2, 9, TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (app_value.get ()));
  auto *row_with_held_list = static_cast<Row *> (g_list_model_get_item (G_LIST_MODEL (table.get ()), 11));
  auto held_list = own (g_object_ref (torvanix_providers_contracts_row_model_get_values (row_with_held_list)));
  g_object_unref (row_with_held_list);
  HandlerEnd held_handler;
  held_handler.connect (held_value.get (), "notify::itsvalue");
  bool weak_notified = false;
  g_object_weak_ref (G_OBJECT (held_value.get ()), [] (gpointer flag, GObject *) { *static_cast<bool *> (flag) = true; },
                     &weak_notified);

  table.reset ();
  wait_for_earlier_releases ();

  EXPECT_EQ (G_OBJECT (held_row.get ())->ref_count, 1u);
  EXPECT_EQ (g_list_model_get_n_items (G_LIST_MODEL (held_row.get ())), guint (kColumns));
  auto first = own (torvanix_providers_contracts_row_model_get_value_at (held_row.get (), 0));
  EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (first.get ()))),
             "0");
  EXPECT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (held_list.get ())), kColumns);
  EXPECT_EQ (G_OBJECT (held_value.get ())->ref_count, 1u);
  EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (held_value.get ()))),
             "");
  EXPECT_EQ (held_handler.thread, nullptr);
  EXPECT_FALSE (weak_notified);
  EXPECT_EQ (app_value_finalized_on, nullptr);
  EXPECT_EQ (G_OBJECT (app_value.get ())->ref_count, 1u);

  held_value.reset ();
  EXPECT_EQ (held_handler.thread, g_thread_self ());
  EXPECT_TRUE (weak_notified);
  app_value_finalized_on = nullptr;
  app_value.reset ();
  EXPECT_EQ (app_value_finalized_on, g_thread_self ());
}

/* Objects only the table held, carrying the application's handlers, class
 * or weak references: their handlers end, finalizers run and weak
 * references fire on the thread that dropped the table, through its
 * thread-default context (or at once, for weak references), never on the
 * worker. Dropped from the main thread and from a thread with a context of
 * its own. */
TEST (TableRelease, TheApplicationsCodeRunsOnTheDroppingThread)
{
  auto drop_and_check = [] () {
    HandlerEnd value_handler, row_handler, rows_view;
    bool weak_notified = false;
    app_value_finalized_on = nullptr;
    {
      auto table = own (big_table ());
      auto value = own (cell (table.get (), 3, 100));
      value_handler.connect (value.get (), "notify::itsvalue");
      auto row = own (g_list_model_get_item (G_LIST_MODEL (table.get ()), 200));
      row_handler.connect (row.get (), "items-changed");
      auto weak = own (cell (table.get (), 4, 300));
      g_object_weak_ref (G_OBJECT (weak.get ()), [] (gpointer flag, GObject *) { *static_cast<bool *> (flag) = true; },
                         &weak_notified);
      auto app_value = own (g_object_new (test_app_value_get_type (), nullptr));
      torvanix_providers_contracts_table_model_set_value_at (table.get (), 5, 400,
                                                              TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (app_value.get ()));
      rows_view.connect (table.get (), "items-changed");
    }
    EXPECT_TRUE (weak_notified);
    EXPECT_EQ (rows_view.thread, g_thread_self ());
    /* Not yet: they wait for this thread's context. */
    EXPECT_EQ (value_handler.thread, nullptr);
    EXPECT_EQ (row_handler.thread, nullptr);
    GMainContext *context = g_main_context_ref_thread_default ();
    EXPECT_TRUE (iterate_until (context, [&] {
      return value_handler.thread != nullptr && row_handler.thread != nullptr && app_value_finalized_on != nullptr;
    }));
    g_main_context_unref (context);
    EXPECT_EQ (value_handler.thread, g_thread_self ());
    EXPECT_EQ (row_handler.thread, g_thread_self ());
    EXPECT_EQ (app_value_finalized_on, g_thread_self ());
  };

  {
    SCOPED_TRACE ("main thread");
    drop_and_check ();
  }
  {
    SCOPED_TRACE ("thread with its own context");
    std::thread other ([&] {
      GMainContext *own_context = g_main_context_new ();
      g_main_context_push_thread_default (own_context);
      drop_and_check ();
      g_main_context_pop_thread_default (own_context);
      g_main_context_unref (own_context);
    });
    other.join ();
  }
}

/* The rows list the application took through "rows" outlives the table
 * with every row in it. */
TEST (TableRelease, ARowListTheApplicationHoldsKeepsItsRows)
{
  auto table = own (big_table ());
  GeeArrayList *rows = nullptr;
  g_object_get (table.get (), "rows", &rows, nullptr);
  table.reset ();
  wait_for_earlier_releases ();
  EXPECT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (rows)), kRows);
  auto *last = static_cast<Row *> (gee_abstract_list_get (GEE_ABSTRACT_LIST (rows), kRows - 1));
  EXPECT_EQ (g_list_model_get_n_items (G_LIST_MODEL (last)), guint (kColumns));
  g_object_unref (last);
  g_object_unref (rows);
}

/* Everything comes back: after the worker is done, the live heap is where
 * it was before the table was made. */
TEST (TableRelease, TheWorkerReturnsAllTheMemory)
{
  wait_for_earlier_releases ();
  const size_t before = providers::testing::live_heap_bytes ();
  for (int i = 0; i < 3; ++i) {
    auto table = own (big_table ());
    auto view = own (g_list_model_get_item (G_LIST_MODEL (table.get ()), 5));
    torvanix_providers_contracts_row_model_get_values (TORVANIX_PROVIDERS_CONTRACTS_ROW_MODEL (view.get ()));
  }
  wait_for_earlier_releases ();
  const long long growth = static_cast<long long> (providers::testing::live_heap_bytes ()) - static_cast<long long> (before);
  EXPECT_LT (growth, 64 * 1024);
}

}  // namespace
