/* A row keeps its values in an array until someone asks for its list
 * object; rows from clone and new_row start that way. Whichever holds the
 * values, every access path must give the same answers, and once the list
 * exists, changes made through it are what the row holds. */
#include <libproviders/providers.h>

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "support/gobject-test.h"

using providers::testing::own;
using providers::testing::Owned;
using providers::testing::take_string;

namespace {

using Row = TorvanixProvidersContractsRowModel;
using Table = TorvanixProvidersContractsTableModel;
using Value = TorvanixProvidersContractsValueObject;

Value *error_value (int code)
{
  return TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (torvanix_providers_contracts_value_error_new (code, "cell"));
}

std::string text_of (gpointer value)
{
  if (value == nullptr) return "<none>";
  return take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value)));
}

/* A one-row table around `row`, so the table's cell paths can be read too. */
Owned<Table> table_holding (Row *row)
{
  auto table = own (torvanix_providers_contracts_table_model_new ());
  torvanix_providers_contracts_table_model_append (table.get (), row);
  return table;
}

/* Every way of reading the row's cells, as text, in order; all must agree. */
std::vector<std::string> texts_by_every_path (Row *row)
{
  auto table = table_holding (row);
  guint n = g_list_model_get_n_items (G_LIST_MODEL (row));
  std::vector<std::string> texts;
  for (guint i = 0; i <= n; ++i) {
    auto at = own (torvanix_providers_contracts_row_model_get_value_at (row, static_cast<gint> (i)));
    auto item = own (static_cast<GObject *> (g_list_model_get_item (G_LIST_MODEL (row), i)));
    auto cell = own (torvanix_providers_contracts_table_model_get_value_at (table.get (), static_cast<gint> (i), 0));
    EXPECT_EQ (static_cast<gpointer> (at.get ()), static_cast<gpointer> (item.get ())) << i;
    EXPECT_EQ (at.get (), cell.get ()) << i;
    if (i < n) texts.push_back (text_of (at.get ()));
    else EXPECT_EQ (at.get (), nullptr);
  }
  return texts;
}

std::vector<std::string> list_texts (GeeArrayList *list)
{
  std::vector<std::string> texts;
  for (gint i = 0; i < gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (list)); ++i) {
    gpointer value = gee_abstract_list_get (GEE_ABSTRACT_LIST (list), i);
    texts.push_back (text_of (value));
    g_object_unref (value);
  }
  return texts;
}

Row *filled_through_list (std::initializer_list<int> codes)
{
  Row *row = torvanix_providers_contracts_row_model_new ();
  for (int code : codes) {
    Value *value = error_value (code);
    gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_row_model_get_values (row)), value);
    g_object_unref (value);
  }
  return row;
}

struct Maker {
  const char *label;
  std::function<Row *()> make;
  std::vector<std::string> texts;
};

std::vector<Maker> makers ()
{
  return {
    {"public constructor", [] { return torvanix_providers_contracts_row_model_new (); }, {}},
    {"clone", [] {
       auto source = own (filled_through_list ({1, 2, 3}));
       return torvanix_providers_contracts_row_model_clone (source.get ());
     }, {"1:cell", "2:cell", "3:cell"}},
    {"new_row", [] {
       TorvanixProvidersContractsDataType types[] = { TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64,
                                                      TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR };
       auto table = own (torvanix_providers_contracts_table_model_new_with_types (types, 2));
       return torvanix_providers_contracts_table_model_new_row (table.get ());
     }, {"0", ""}},
  };
}

TEST (RowStorage, EveryPathAnswersAlikeBeforeAndAfterTheListIsMade)
{
  for (const Maker &m : makers ()) {
    SCOPED_TRACE (m.label);
    auto row = own (m.make ());
    EXPECT_EQ (texts_by_every_path (row.get ()), m.texts);

    /* A replaced cell, through the row and through the table. */
    if (!m.texts.empty ()) {
      auto nine = own (error_value (9));
      torvanix_providers_contracts_row_model_set_value_at (row.get (), 0, nine.get ());
      auto table = table_holding (row.get ());
      auto eight = own (error_value (8));
      torvanix_providers_contracts_table_model_set_value_at (table.get (), static_cast<gint> (m.texts.size () - 1), 0,
                                                              eight.get ());
      EXPECT_EQ (G_OBJECT (nine.get ())->ref_count, 2u);
    }
    std::vector<std::string> before = texts_by_every_path (row.get ());

    GeeArrayList *list = torvanix_providers_contracts_row_model_get_values (row.get ());
    ASSERT_NE (list, nullptr);
    EXPECT_EQ (list_texts (list), before);
    EXPECT_EQ (texts_by_every_path (row.get ()), before);
    EXPECT_EQ (torvanix_providers_contracts_row_model_get_values (row.get ()), list);
    GeeArrayList *property = nullptr;
    g_object_get (row.get (), "values", &property, nullptr);
    EXPECT_EQ (property, list);
    g_object_unref (property);

    /* The list is now what the row holds: what is added or removed
     * through it shows through the row, its list model and a copy. */
    gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), own (error_value (7)).get ());
    std::vector<std::string> expected = before;
    expected.push_back ("7:cell");
    EXPECT_EQ (texts_by_every_path (row.get ()), expected);
    g_object_unref (gee_abstract_list_remove_at (GEE_ABSTRACT_LIST (list), 0));
    expected.erase (expected.begin ());
    EXPECT_EQ (texts_by_every_path (row.get ()), expected);
    auto copy = own (torvanix_providers_contracts_row_model_clone (row.get ()));
    EXPECT_EQ (texts_by_every_path (copy.get ()), expected);
    if (!expected.empty ()) {
      auto six = own (error_value (6));
      torvanix_providers_contracts_row_model_set_value_at (row.get (), 0, six.get ());
      expected[0] = "6:cell";
      EXPECT_EQ (list_texts (list), expected);
    }
  }
}

/* Two threads asking a shared row for its list at once get one list, which
 * holds the values once: losing the race must neither leak nor free them. */
TEST (RowStorage, ConcurrentFirstRequestsShareOneList)
{
  auto source = own (filled_through_list ({1, 2}));
  auto first = own (torvanix_providers_contracts_row_model_get_value_at (source.get (), 0));
  for (int round = 0; round < 200; ++round) {
    auto row = own (torvanix_providers_contracts_row_model_clone (source.get ()));
    auto value = own (torvanix_providers_contracts_row_model_get_value_at (row.get (), 1));
    GeeArrayList *seen[2] = {};
    std::thread a ([&] { seen[0] = torvanix_providers_contracts_row_model_get_values (row.get ()); });
    std::thread b ([&] { seen[1] = torvanix_providers_contracts_row_model_get_values (row.get ()); });
    a.join ();
    b.join ();
    ASSERT_NE (seen[0], nullptr);
    ASSERT_EQ (seen[0], seen[1]);
    EXPECT_EQ (G_OBJECT (seen[0])->ref_count, 1u);
    EXPECT_EQ (G_OBJECT (value.get ())->ref_count, 2u);
    EXPECT_EQ (list_texts (seen[0]), (std::vector<std::string>{"1:cell", "2:cell"}));
  }
}

}  // namespace
