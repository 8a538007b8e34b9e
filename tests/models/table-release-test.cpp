/* Dropping a big table: what the table alone holds and whose release runs
 * none of the application's code may go to the library's one release
 * thread; everything else (what the application holds, handlers, weak
 * references, the application's classes) ends on the dropping thread
 * before its unref returns, with no main loop. What the application still
 * holds stays usable and ends where the application drops it. A statement
 * that builds a result first finishes the release in flight. */
#include <libproviders/providers.h>

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

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

/* A provider whose statements build nothing: asking it for a result only
 * finishes the release in flight, as every provider's statements do. */
struct TestIdleProvider {
  GObject parent;
};
struct TestIdleProviderClass {
  GObjectClass parent_class;
};
static void test_idle_provider_iface_init (TorvanixProvidersContractsIProviderInterface *) {}
G_DEFINE_TYPE_WITH_CODE (TestIdleProvider, test_idle_provider, G_TYPE_OBJECT,
                         G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IPROVIDER, test_idle_provider_iface_init))

static void
test_idle_provider_get_property (GObject *, guint, GValue *value, GParamSpec *)
{
  g_value_set_boolean (value, FALSE);
}

static void
test_idle_provider_class_init (TestIdleProviderClass *klass)
{
  G_OBJECT_CLASS (klass)->get_property = test_idle_provider_get_property;
  g_object_class_override_property (G_OBJECT_CLASS (klass), 1, "is-opened");
}

static void
test_idle_provider_init (TestIdleProvider *)
{
}

namespace {

constexpr int kRows = 4000; /* x 10 columns: above the size handed to the release thread */
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

/* A table dropped now ends the handler of a value only it held here,
 * before its unref returns; then a statement finishes the release in
 * flight, and every table dropped so far is gone. */
void wait_for_earlier_releases ()
{
  HandlerEnd end;
  {
    auto table = own (big_table ());
    auto value = own (cell (table.get (), 0, 0));
    end.connect (value.get (), "notify");
  }
  EXPECT_EQ (end.thread, g_thread_self ());
  auto provider = own (TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (g_object_new (test_idle_provider_get_type (), nullptr)));
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_model (provider.get (), "SELECT 1", 0, nullptr), nullptr);
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

/* The threads of the process, as the kernel counts them, and how many of
 * them bear the release thread's name. */
struct Threads {
  guint all = 0;
  guint releasing = 0;
};

Threads threads ()
{
  Threads counted;
  GDir *dir = g_dir_open ("/proc/self/task", 0, nullptr);
  if (dir == nullptr) return counted;
  while (const char *task = g_dir_read_name (dir)) {
    ++counted.all;
    std::ifstream comm (std::string ("/proc/self/task/") + task + "/comm");
    std::string name;
    std::getline (comm, name);
    if (name == "providers-unref") ++counted.releasing;
  }
  g_dir_close (dir);
  return counted;
}

/* A program without a main loop, dropping big tables one after the other:
 * what the application reached is gone when the unref returns (its rows'
 * weak references have fired), and the library runs one thread at the
 * most to release the rest. */
TEST (TableRelease, ADroppedTableIsGoneWhenItsUnrefReturns)
{
  /* Counted once the threads a first thread brings (a sanitizer's) are up. */
  wait_for_earlier_releases ();
  const Threads before = threads ();
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
  const Threads after = threads ();
  EXPECT_LE (after.releasing, 1u);
  EXPECT_EQ (after.all - after.releasing, before.all - before.releasing);
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

namespace {

/* Tables dropped in every order the release thread can meet them: with
 * nothing in flight, while it still has one, from a thread that ends at
 * once, from four threads at a time while a fifth asks for results, and
 * with the application holding parts. Each ends with every byte back
 * (the sanitizer runs see a race or a double release in the hand-off). */
TEST (TableRelease, EarlyDropsGiveBackEverything)
{
  auto provider = own (TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (g_object_new (test_idle_provider_get_type (), nullptr)));
  auto ask_for_a_result = [&] {
    torvanix_providers_contracts_iprovider_execute_model (provider.get (), "SELECT 1", 0, nullptr);
  };
  struct Case {
    const char *name;
    std::function<void ()> drops;
  };
  const Case cases[] = {
      {"a result asked for right after the drop", [&] {
         g_object_unref (big_table ());
         ask_for_a_result ();
       }},
      {"two drops back to back", [] {
         Table *first = big_table (), *second = big_table ();
         g_object_unref (first);
         g_object_unref (second);
       }},
      {"a reader asked for and statements run right after the drop", [&] {
         g_object_unref (big_table ());
         torvanix_providers_contracts_iprovider_execute_reader (provider.get (), "SELECT 1", nullptr);
         gint length = 0;
         torvanix_providers_contracts_iprovider_execute_statements (provider.get (), "SELECT 1", 0, &length, nullptr);
       }},
      {"a drop from a thread that ends at once", [] {
         Table *table = big_table ();
         std::thread ([table] { g_object_unref (table); }).join ();
       }},
      {"four threads dropping while a fifth asks for results", [&] {
         std::atomic<int> left{4};
         std::vector<std::thread> droppers;
         for (int t = 0; t < 4; ++t)
           droppers.emplace_back ([&] {
             for (int i = 0; i < 3; ++i) g_object_unref (big_table ());
             --left;
           });
         std::thread asker ([&] {
           while (left > 0) ask_for_a_result ();
         });
         for (auto &dropper : droppers) dropper.join ();
         asker.join ();
       }},
      {"parts the application holds past the drop", [] {
         Table *table = big_table ();
         auto row = own (static_cast<Row *> (g_list_model_get_item (G_LIST_MODEL (table), kRows / 2)));
         auto value = own (cell (table, 1, kRows - 1));
         auto *listed = static_cast<Row *> (g_list_model_get_item (G_LIST_MODEL (table), 7));
         auto list = own (g_object_ref (torvanix_providers_contracts_row_model_get_values (listed)));
         g_object_unref (listed);
         g_object_unref (table);
         EXPECT_EQ (g_list_model_get_n_items (G_LIST_MODEL (row.get ())), guint (kColumns));
         EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value.get ()))), "");
         EXPECT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (list.get ())), kColumns);
       }},
  };
  /* The release thread and the classes exist before the first count. */
  g_object_unref (big_table ());
  wait_for_earlier_releases ();
  for (const Case &c : cases) {
    SCOPED_TRACE (c.name);
    const size_t before = providers::testing::live_heap_bytes ();
    c.drops ();
    wait_for_earlier_releases ();
    const long long growth = static_cast<long long> (providers::testing::live_heap_bytes ()) - static_cast<long long> (before);
    EXPECT_LT (growth, 64 * 1024);
  }
}

/* Drops two big tables, the first handed to the release thread where
 * there is one, and exits. */
void drop_and_exit ()
{
  g_object_unref (big_table ());
  g_object_unref (big_table ());
  std::exit (0);
}

/* A process that exits with a table in flight: the exit finishes it and
 * joins the thread before anything it uses is torn down. A race or a leak
 * at exit changes the exit code under the sanitizers. */
TEST (TableRelease, AnExitWithATableInFlightEndsCleanly)
{
  GTEST_FLAG_SET (death_test_style, "threadsafe");
  EXPECT_EXIT (drop_and_exit (), ::testing::ExitedWithCode (0), "");
}

/* A child of fork has none of its parent's threads: it releases the
 * tables it drops itself and exits without waiting for the thread its
 * parent started and has not joined. The parent forks once that thread
 * has ended on its own: a child made while another thread is inside GLib
 * may find one of GLib's locks held forever, whatever this library does. */
TEST (TableRelease, AChildOfForkReleasesItsTablesItself)
{
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP () << "LeakSanitizer cannot see the parent's threads from a child of fork";
#elif defined(__SANITIZE_THREAD__)
  GTEST_SKIP () << "ThreadSanitizer counts the parent's ended, unjoined thread as leaked by the child";
#endif
  GTEST_FLAG_SET (death_test_style, "fast");
  wait_for_earlier_releases ();
  g_object_unref (big_table ());
  const gint64 give_up = g_get_monotonic_time () + 30 * G_TIME_SPAN_SECOND;
  while (threads ().releasing > 0 && g_get_monotonic_time () < give_up) g_usleep (1000);
  ASSERT_EQ (threads ().releasing, 0);
  EXPECT_EXIT (drop_and_exit (), ::testing::ExitedWithCode (0), "");
  wait_for_earlier_releases ();
}

}  // namespace
