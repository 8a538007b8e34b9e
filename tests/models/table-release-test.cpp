/* Dropping a big table: every row and value it alone holds is released
 * before the caller's unref returns, on the caller's thread, with no
 * main loop and no thread of the library's; what the application still
 * holds stays usable and ends where the application drops it. */
#include <libproviders/providers.h>

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <atomic>
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

/* A table dropped now is released by the time its unref returns: the
 * handler of a value only it held has ended, here. */
void wait_for_earlier_releases ()
{
  HandlerEnd end;
  {
    auto table = own (big_table ());
    auto value = own (cell (table.get (), 0, 0));
    end.connect (value.get (), "notify");
  }
  ASSERT_EQ (end.thread, g_thread_self ());
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
 * references fire on the thread that dropped the table, before its unref
 * returns, without a main context being iterated. Dropped from the main
 * thread, from a thread with a context of its own, and from a thread whose
 * context is popped at once (there once a worker ran them). */
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
  {
    SCOPED_TRACE ("thread whose context is gone");
    std::thread other ([&] {
      GMainContext *own_context = g_main_context_new ();
      g_main_context_push_thread_default (own_context);
      g_main_context_pop_thread_default (own_context);
      g_main_context_unref (own_context);
      drop_and_check ();
    });
    other.join ();
  }
}

/* The threads of the process, as the kernel counts them. */
guint thread_count ()
{
  guint count = 0;
  GDir *dir = g_dir_open ("/proc/self/task", 0, nullptr);
  if (dir == nullptr) return 0;
  while (g_dir_read_name (dir) != nullptr) ++count;
  g_dir_close (dir);
  return count;
}

/* A program without a main loop, dropping big tables one after the other:
 * each is gone when its unref returns (its rows' weak references have
 * fired), and the library has started no thread to do it. */
TEST (TableRelease, ADroppedTableIsGoneWhenItsUnrefReturns)
{
  const guint threads_before = thread_count ();
  for (int i = 0; i < 3; ++i) {
    bool row_gone = false, value_gone = false;
    auto table = own (big_table ());
    {
      auto row = own (g_list_model_get_item (G_LIST_MODEL (table.get ()), kRows - 1));
      g_object_weak_ref (G_OBJECT (row.get ()), [] (gpointer flag, GObject *) { *static_cast<bool *> (flag) = true; },
                         &row_gone);
      auto value = own (cell (table.get (), kColumns - 1, kRows / 2));
      g_object_weak_ref (G_OBJECT (value.get ()), [] (gpointer flag, GObject *) { *static_cast<bool *> (flag) = true; },
                         &value_gone);
    }
    table.reset ();
    EXPECT_TRUE (row_gone);
    EXPECT_TRUE (value_gone);
  }
  EXPECT_EQ (thread_count (), threads_before);
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

/* Everything comes back: after the drops, the live heap is where it was
 * before the tables were made. */
TEST (TableRelease, ADroppedTableReturnsAllTheMemory)
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
