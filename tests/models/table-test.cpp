/* Tables and data sets: row operations, their list-model signals, edit
 * versions and argument checks. */
#include <libproviders/providers.h>

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "support/gobject-test.h"
#include "support/log-capture.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::own;
using providers::testing::Owned;

namespace {

using Table = TorvanixProvidersContractsTableModel;
using Row = TorvanixProvidersContractsRowModel;
using Change = std::tuple<guint, guint, guint>;

constexpr auto INITIAL = TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL;
constexpr auto IDENTICAL = TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr auto DELETE = TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr auto INSERT = TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto UPDATE = TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

/* Records every items-changed emission of a list model. */
class ChangeLog {
 public:
  explicit ChangeLog (gpointer model) : model_ (model)
  {
    handler_ = g_signal_connect (model, "items-changed", G_CALLBACK (on_changed), this);
  }
  ~ChangeLog () { g_signal_handler_disconnect (model_, handler_); }
  std::vector<Change> changes;

 private:
  static void on_changed (GListModel *, guint position, guint removed, guint added, ChangeLog *self)
  {
    self->changes.emplace_back (position, removed, added);
  }
  gpointer model_;
  gulong handler_;
};

Row *make_row (TorvanixProvidersContractsDataVersion version, int code = 0)
{
  Row *row = torvanix_providers_contracts_row_model_new ();
  torvanix_providers_contracts_row_model_set_version (row, version);
  auto *value = torvanix_providers_contracts_value_error_new (code, "cell");
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_row_model_get_values (row)), value);
  g_object_unref (value);
  return row;
}

/* The rows of the table, read through the list model. */
std::vector<gpointer> items_of (gpointer model)
{
  std::vector<gpointer> items;
  for (guint i = 0; i < g_list_model_get_n_items (G_LIST_MODEL (model)); ++i) {
    gpointer item = g_list_model_get_item (G_LIST_MODEL (model), i);
    items.push_back (item);
    g_object_unref (item);
  }
  return items;
}

/* Everything observable about a table's rows: identity, version and the
 * identity of each value. */
struct Snapshot {
  std::vector<gpointer> rows;
  std::vector<int> versions;
  std::vector<std::vector<gpointer>> values;
  guint columns;
  bool operator== (const Snapshot &) const = default;
};

Snapshot snapshot (Table *table)
{
  Snapshot s;
  s.rows = items_of (table);
  for (gpointer row : s.rows) {
    s.versions.push_back (torvanix_providers_contracts_row_model_get_version (TORVANIX_PROVIDERS_CONTRACTS_ROW_MODEL (row)));
    s.values.push_back (items_of (row));
  }
  s.columns = gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_table_model_get_columns (table)));
  return s;
}

Owned<Table> table_with_rows (std::vector<TorvanixProvidersContractsDataVersion> versions)
{
  TorvanixProvidersContractsDataType types[] = {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32};
  auto table = own (torvanix_providers_contracts_table_model_new_with_types (types, 1));
  int code = 0;
  for (auto version : versions) {
    Row *row = make_row (version, code++);
    /* As a provider fills a table: straight into the list. */
    gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_table_model_get_rows (table.get ())), row);
    g_object_unref (row);
  }
  return table;
}

Row *row_at (Table *table, guint position)
{
  auto *row = static_cast<Row *> (g_list_model_get_item (G_LIST_MODEL (table), position));
  g_object_unref (row);  /* the table keeps it alive */
  return row;
}

TEST (TableModel, NewWithTypesMakesUnnamedColumnsAndNoRows)
{
  TorvanixProvidersContractsDataType types[] = {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32,
                                                TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING};
  auto table = own (torvanix_providers_contracts_table_model_new_with_types (types, 2));
  GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (table.get ());
  ASSERT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns)), 2);
  for (int i = 0; i < 2; ++i) {
    auto *column = static_cast<TorvanixProvidersContractsColumnModel *> (gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), i));
    EXPECT_STREQ (torvanix_providers_contracts_column_model_get_name (column), "");
    EXPECT_EQ (torvanix_providers_contracts_column_model_get_data_type (column), types[i]);
    EXPECT_EQ (torvanix_providers_contracts_column_model_get_data_size (column), 0u);
    g_object_unref (column);
  }
  EXPECT_EQ (g_list_model_get_n_items (G_LIST_MODEL (table.get ())), 0u);
  EXPECT_EQ (g_list_model_get_item_type (G_LIST_MODEL (table.get ())), TORVANIX_PROVIDERS_CONTRACTS_TYPE_ROW_MODEL);
  EXPECT_TRUE (TORVANIX_PROVIDERS_CONTRACTS_IS_IRESULT (table.get ()));

  GeeArrayList *rows = nullptr;
  g_object_get (table.get (), "rows", &rows, nullptr);
  EXPECT_EQ (rows, torvanix_providers_contracts_table_model_get_rows (table.get ()));
  g_object_unref (rows);
}

TEST (TableModel, AppendAndInsertReportThePositionTheyFilled)
{
  auto table = table_with_rows ({});
  ChangeLog log (table.get ());
  auto a = own (make_row (INSERT)), b = own (make_row (INSERT)), c = own (make_row (INSERT)), d = own (make_row (INSERT));
  EXPECT_EQ (torvanix_providers_contracts_table_model_append (table.get (), a.get ()), 0);
  EXPECT_EQ (torvanix_providers_contracts_table_model_append (table.get (), b.get ()), 1);
  EXPECT_EQ (torvanix_providers_contracts_table_model_insert (table.get (), 0, c.get ()), 0);
  EXPECT_EQ (torvanix_providers_contracts_table_model_insert (table.get (), -1, d.get ()), 3);
  /* Past the end appends. */
  EXPECT_EQ (torvanix_providers_contracts_table_model_insert (table.get (), 99, a.get ()), 4);
  EXPECT_EQ (items_of (table.get ()), (std::vector<gpointer>{c.get (), a.get (), b.get (), d.get (), a.get ()}));
  EXPECT_EQ (log.changes, (std::vector<Change>{{0, 0, 1}, {1, 0, 1}, {0, 0, 1}, {3, 0, 1}, {4, 0, 1}}));
}

TEST (TableModel, FindDeleteAndDeleteAtWorkByIdentity)
{
  auto table = table_with_rows ({INITIAL, INITIAL});
  Row *second = row_at (table.get (), 1);
  auto stranger = own (make_row (INITIAL, 1));  /* equal in content to the second row */
  gint position = -1;
  EXPECT_FALSE (torvanix_providers_contracts_table_model_find (table.get (), stranger.get (), &position));
  EXPECT_EQ (position, 0);
  EXPECT_TRUE (torvanix_providers_contracts_table_model_find (table.get (), second, &position));
  EXPECT_EQ (position, 1);
  EXPECT_TRUE (torvanix_providers_contracts_table_model_find (table.get (), second, nullptr));

  ChangeLog log (table.get ());
  EXPECT_EQ (torvanix_providers_contracts_table_model_delete_at (table.get (), 5), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_table_model_delete_at (table.get (), -1), nullptr);
  torvanix_providers_contracts_table_model_delete (table.get (), stranger.get ());
  EXPECT_TRUE (log.changes.empty ());

  auto kept = own (static_cast<Row *> (g_object_ref (second)));
  torvanix_providers_contracts_table_model_delete (table.get (), second);
  auto first = own (torvanix_providers_contracts_table_model_delete_at (table.get (), 0));
  ASSERT_NE (first.get (), nullptr);
  EXPECT_EQ (G_OBJECT (first.get ())->ref_count, 1u);
  EXPECT_EQ (log.changes, (std::vector<Change>{{1, 1, 0}, {0, 1, 0}}));
  EXPECT_EQ (g_list_model_get_n_items (G_LIST_MODEL (table.get ())), 0u);
}

TEST (TableModel, ClearEmitsEvenWhenEmptyAndKeepsColumnsUnlessAsked)
{
  auto table = table_with_rows ({INITIAL, INITIAL, INITIAL});
  ChangeLog log (table.get ());
  torvanix_providers_contracts_table_model_clear (table.get (), FALSE);
  EXPECT_EQ (snapshot (table.get ()).columns, 1u);
  torvanix_providers_contracts_table_model_clear (table.get (), TRUE);
  EXPECT_EQ (snapshot (table.get ()).columns, 0u);
  EXPECT_EQ (log.changes, (std::vector<Change>{{0, 3, 0}, {0, 0, 0}}));
}

TEST (TableModel, UpdateRowVersionFollowsTheEditTable)
{
  struct Case {
    TorvanixProvidersContractsDataVersion requested, current;
    bool removed;
    TorvanixProvidersContractsDataVersion after;
  } cases[] = {
    {DELETE, INSERT, true, INSERT},
    {DELETE, INITIAL, false, DELETE},
    {DELETE, UPDATE, false, DELETE},
    {DELETE, DELETE, false, DELETE},
    {UPDATE, INITIAL, false, UPDATE},
    {UPDATE, INSERT, false, INSERT},
    {UPDATE, DELETE, false, DELETE},
    {INSERT, INITIAL, false, INITIAL},
    {IDENTICAL, UPDATE, false, UPDATE},
    /* Flags are compared whole, not as sets. */
    {static_cast<TorvanixProvidersContractsDataVersion> (DELETE | UPDATE), INITIAL, false, INITIAL},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (testing::Message () << "requested " << c.requested << ", current " << c.current);
    auto table = table_with_rows ({INITIAL, c.current, INITIAL});
    Row *row = row_at (table.get (), 1);
    auto keep = own (static_cast<Row *> (g_object_ref (row)));
    ChangeLog log (table.get ());
    torvanix_providers_contracts_table_model_update_row_version (table.get (), 1, c.requested);
    gint position = 0;
    EXPECT_EQ (!torvanix_providers_contracts_table_model_find (table.get (), row, &position), c.removed);
    EXPECT_EQ (torvanix_providers_contracts_row_model_get_version (row), c.after);
    /* A removal is announced like any other, so bound views stay in step. */
    EXPECT_EQ (log.changes, (c.removed ? std::vector<Change>{{1, 1, 0}} : std::vector<Change>{}));
  }
}

TEST (TableModel, ValuesAreAddressedByColumnAndRow)
{
  auto table = table_with_rows ({INITIAL, INITIAL});
  auto value = own (torvanix_providers_contracts_table_model_get_value_at (table.get (), 0, 1));
  ASSERT_NE (value.get (), nullptr);
  EXPECT_EQ (value.get (), items_of (row_at (table.get (), 1))[0]);
  for (auto [col, row] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 2}, std::pair{0, -1}})
    EXPECT_EQ (torvanix_providers_contracts_table_model_get_value_at (table.get (), col, row), nullptr) << col << "," << row;

  auto replacement = own (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (torvanix_providers_contracts_value_null_new ()));
  ChangeLog log (table.get ());
  torvanix_providers_contracts_table_model_set_value_at (table.get (), 0, 1, replacement.get ());
  EXPECT_EQ (items_of (row_at (table.get (), 1))[0], replacement.get ());
  EXPECT_EQ (torvanix_providers_contracts_row_model_get_version (row_at (table.get (), 1)), INITIAL);
  EXPECT_TRUE (log.changes.empty ());
}

TEST (TableModel, FailedPreconditionsLeaveTheTableAlone)
{
  const std::string p = "torvanix_providers_contracts_table_model_";
  auto table = table_with_rows ({INITIAL, INSERT});
  Table *t = table.get ();
  auto value = own (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (torvanix_providers_contracts_value_null_new ()));
  auto *v = value.get ();
  struct Case {
    std::function<void ()> call;
    std::string function, test;
  } cases[] = {
    {[&] { torvanix_providers_contracts_table_model_set_value_at (t, 0, 2, v); }, "set_value_at", "0 <= row && row < m_rows.size"},
    {[&] { torvanix_providers_contracts_table_model_set_value_at (t, 0, -1, v); }, "set_value_at", "0 <= row && row < m_rows.size"},
    /* The row is tested before the column. */
    {[&] { torvanix_providers_contracts_table_model_set_value_at (t, 5, 7, v); }, "set_value_at", "0 <= row && row < m_rows.size"},
    {[&] { torvanix_providers_contracts_table_model_set_value_at (t, 1, 0, v); }, "set_value_at",
     "0 <= col && col < m_rows[row].values.size"},
    {[&] { torvanix_providers_contracts_table_model_set_value_at (t, -1, 0, v); }, "set_value_at",
     "0 <= col && col < m_rows[row].values.size"},
    {[&] { torvanix_providers_contracts_table_model_set_value_at (t, 0, 0, nullptr); }, "set_value_at", "value != NULL"},
    {[&] { torvanix_providers_contracts_table_model_update_row_version (t, 2, DELETE); }, "update_row_version", "position < _tmp2_"},
    {[&] { torvanix_providers_contracts_table_model_update_row_version (t, -1, UPDATE); }, "update_row_version", "position < _tmp2_"},
    {[&] { EXPECT_EQ (torvanix_providers_contracts_table_model_append (t, nullptr), 0); }, "append", "row != NULL"},
    {[&] { EXPECT_EQ (torvanix_providers_contracts_table_model_insert (t, 0, nullptr), 0); }, "insert", "row != NULL"},
    {[&] { torvanix_providers_contracts_table_model_delete (t, nullptr); }, "delete", "row != NULL"},
    {[&] { EXPECT_FALSE (torvanix_providers_contracts_table_model_find (t, nullptr, nullptr)); }, "find", "row != NULL"},
    {[&] { torvanix_providers_contracts_table_model_clear (nullptr, TRUE); }, "clear", "self != NULL"},
    {[&] { EXPECT_EQ (torvanix_providers_contracts_table_model_get_value_at (nullptr, 0, 0), nullptr); }, "get_value_at", "self != NULL"},
  };
  const Snapshot before = snapshot (t);
  for (const Case &c : cases) {
    SCOPED_TRACE (c.function + ": " + c.test);
    ChangeLog changes (t);
    LogCapture log;
    c.call ();
    EXPECT_EQ (log.criticals (), std::vector<std::string>{assertion_text (p + c.function, c.test)});
    EXPECT_TRUE (snapshot (t) == before);
    EXPECT_TRUE (changes.changes.empty ());
  }
}

/* A list kept only from items-changed emissions must match the model
 * after every operation, or a bound view would show the wrong rows. */
TEST (TableModel, ItemsChangedKeepsAShadowListInStep)
{
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    SCOPED_TRACE (testing::Message () << "seed " << seed);
    std::mt19937 random (seed);
    auto pick = [&] (int n) { return static_cast<int> (random () % static_cast<unsigned> (n)); };
    auto table = own (torvanix_providers_contracts_table_model_new ());
    Table *t = table.get ();
    std::vector<gpointer> shadow;
    auto on_changed = +[] (GListModel *model, guint position, guint removed, guint added, std::vector<gpointer> *list) {
      ASSERT_LE (position + removed, list->size ());
      list->erase (list->begin () + position, list->begin () + position + removed);
      for (guint i = 0; i < added; ++i) {
        gpointer item = g_list_model_get_item (model, position + i);
        list->insert (list->begin () + position + i, item);
        g_object_unref (item);
      }
    };
    g_signal_connect (t, "items-changed", G_CALLBACK (on_changed), &shadow);

    std::vector<Owned<Row>> pool;  /* rows may come back, and twice */
    for (int step = 0; step < 3000; ++step) {
      const int n = static_cast<int> (g_list_model_get_n_items (G_LIST_MODEL (t)));
      if (pool.empty () || pick (3) == 0) {
        static const TorvanixProvidersContractsDataVersion versions[] = {INITIAL, INSERT, UPDATE, DELETE};
        pool.push_back (own (make_row (versions[pick (4)], step)));
      }
      Row *row = pool[pick (static_cast<int> (pool.size ()))].get ();
      switch (pick (n > 40 ? 7 : 6)) {
        case 0: {
          gint at = torvanix_providers_contracts_table_model_append (t, row);
          ASSERT_EQ (row_at (t, at), row);
          break;
        }
        case 1: {
          gint at = torvanix_providers_contracts_table_model_insert (t, pick (n + 3) - 1, row);
          ASSERT_EQ (row_at (t, at), row);
          break;
        }
        case 2: torvanix_providers_contracts_table_model_delete (t, row); break;
        case 3:
          if (Row *taken = torvanix_providers_contracts_table_model_delete_at (t, pick (n + 2) - 1)) g_object_unref (taken);
          break;
        case 4:
        case 5:
          if (n > 0) torvanix_providers_contracts_table_model_update_row_version (t, pick (n), pick (2) ? DELETE : UPDATE);
          break;
        case 6: torvanix_providers_contracts_table_model_clear (t, pick (2)); break;
      }
      ASSERT_EQ (shadow, items_of (t)) << "after step " << step;
    }
    g_signal_handlers_disconnect_by_data (t, &shadow);
  }
}

TEST (TableModel, NewRowHoldsOneDefaultPerColumnAndLeavesTheTableAlone)
{
  TorvanixProvidersContractsDataType types[] = {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32,
                                                TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING};
  auto table = own (torvanix_providers_contracts_table_model_new_with_types (types, 2));
  ChangeLog log (table.get ());
  auto row = own (torvanix_providers_contracts_table_model_new_row (table.get ()));
  ASSERT_NE (row.get (), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_row_model_get_version (row.get ()), INSERT);
  std::vector<gpointer> values = items_of (row.get ());
  ASSERT_EQ (values.size (), 2u);
  EXPECT_STREQ (G_OBJECT_TYPE_NAME (values[0]), "TorvanixProvidersContractsValueInt32");
  EXPECT_STREQ (G_OBJECT_TYPE_NAME (values[1]), "TorvanixProvidersContractsValueString");
  gchar *text = torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (values[0]));
  EXPECT_STREQ (text, "0");
  g_free (text);
  EXPECT_EQ (g_list_model_get_n_items (G_LIST_MODEL (table.get ())), 0u);
  EXPECT_TRUE (log.changes.empty ());

  /* Added and deleted again before reaching the server: gone, and said so. */
  EXPECT_EQ (torvanix_providers_contracts_table_model_append (table.get (), row.get ()), 0);
  torvanix_providers_contracts_table_model_update_row_version (table.get (), 0, DELETE);
  EXPECT_EQ (g_list_model_get_n_items (G_LIST_MODEL (table.get ())), 0u);
  EXPECT_EQ (log.changes, (std::vector<Change>{{0, 0, 1}, {0, 1, 0}}));

  LogCapture critical;
  EXPECT_EQ (torvanix_providers_contracts_table_model_new_row (nullptr), nullptr);
  EXPECT_EQ (critical.criticals (),
             std::vector<std::string>{assertion_text ("torvanix_providers_contracts_table_model_new_row", "self != NULL")});
}

TEST (DataSetModel, ItemsFollowTheTableList)
{
  auto set = own (torvanix_providers_contracts_data_set_model_new ());
  GeeArrayList *tables = torvanix_providers_contracts_data_set_model_get_tables (set.get ());
  EXPECT_EQ (g_list_model_get_n_items (G_LIST_MODEL (set.get ())), 0u);
  EXPECT_EQ (g_list_model_get_item_type (G_LIST_MODEL (set.get ())), TORVANIX_PROVIDERS_CONTRACTS_TYPE_TABLE_MODEL);
  auto first = own (torvanix_providers_contracts_table_model_new ());
  auto second = own (torvanix_providers_contracts_table_model_new ());
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tables), first.get ());
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tables), second.get ());
  EXPECT_EQ (items_of (set.get ()), (std::vector<gpointer>{first.get (), second.get ()}));
  EXPECT_EQ (g_list_model_get_item (G_LIST_MODEL (set.get ()), 2), nullptr);
  GeeArrayList *property = nullptr;
  g_object_get (set.get (), "tables", &property, nullptr);
  EXPECT_EQ (property, tables);
  g_object_unref (property);
}

}  // namespace
