/* Column descriptions and rows of values. */
#include <libproviders/providers.h>

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "support/notify-counter.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::NotifyCounter;
using providers::testing::own;
using providers::testing::take_string;

namespace {

using Column = TorvanixProvidersContractsColumnModel;
using Row = TorvanixProvidersContractsRowModel;
using Value = TorvanixProvidersContractsValueObject;

constexpr auto INT32 = TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;
constexpr auto STRING = TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
constexpr auto UNKNOWN = TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;

/* Error values are distinguishable by code without needing any value
 * class beyond the core. */
Value *error_value (int code)
{
  return TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (torvanix_providers_contracts_value_error_new (code, "cell"));
}

std::string text_of (gpointer value)
{
  return take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value)));
}

/* The row's values, as text, read through the list-model interface. */
std::vector<std::string> row_texts (Row *row)
{
  std::vector<std::string> texts;
  for (guint i = 0; i < g_list_model_get_n_items (G_LIST_MODEL (row)); ++i) {
    auto item = own (static_cast<GObject *> (g_list_model_get_item (G_LIST_MODEL (row), i)));
    texts.push_back (text_of (item.get ()));
  }
  return texts;
}

/* The type number as stored, read without an enum-typed load (a C caller
 * may store one the enumeration lacks). */
int data_type_of (Column *column)
{
  const TorvanixProvidersContractsDataType type = torvanix_providers_contracts_column_model_get_data_type (column);
  int raw;
  std::memcpy (&raw, &type, sizeof raw);
  return raw;
}

void add_value (Row *row, Value *value)
{
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_row_model_get_values (row)), value);
  g_object_unref (value);
}

TEST (ColumnModel, ConstructorsSetNameTypeAndSizeButNeverTitle)
{
  struct Case {
    const char *label;
    std::function<Column *()> make;
    const char *name;
    int data_type;
    gulong size;
  } cases[] = {
    {"new", [] { return torvanix_providers_contracts_column_model_new (); }, "", UNKNOWN, 0},
    {"with_type", [] { return torvanix_providers_contracts_column_model_new_with_type (STRING); }, "", STRING, 0},
    {"full", [] { return torvanix_providers_contracts_column_model_new_full ("id", INT32); }, "id", INT32, 0},
    {"full_size", [] { return torvanix_providers_contracts_column_model_new_full_size ("title", STRING, 255); }, "title",
     STRING, 255},
    {"construct_full_size", [] {
       return torvanix_providers_contracts_column_model_construct_full_size (TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL,
                                                                             "big", STRING, G_MAXULONG);
     }, "big", STRING, G_MAXULONG},
    /* A number the enumeration does not list is kept as given. */
    {"unlisted type", [] {
       return torvanix_providers_contracts_column_model_new_with_type (static_cast<TorvanixProvidersContractsDataType> (99));
     }, "", 99, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (c.label);
    auto column = own (c.make ());
    ASSERT_NE (column.get (), nullptr);
    EXPECT_STREQ (torvanix_providers_contracts_column_model_get_name (column.get ()), c.name);
    EXPECT_EQ (torvanix_providers_contracts_column_model_get_title (column.get ()), nullptr);
    EXPECT_EQ (data_type_of (column.get ()), c.data_type);
    EXPECT_EQ (torvanix_providers_contracts_column_model_get_data_size (column.get ()), c.size);
    gchar *name = nullptr;
    gulong size = 1;
    g_object_get (column.get (), "name", &name, "data-size", &size, nullptr);
    EXPECT_EQ (take_string (name), c.name);
    EXPECT_EQ (size, c.size);
  }
  EXPECT_STREQ (g_type_name (TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL), "TorvanixProvidersContractsColumnModel");
}

TEST (ColumnModel, NullNameIsRefusedByTheConstructTwin)
{
  LogCapture log;
  EXPECT_EQ (torvanix_providers_contracts_column_model_new_full (nullptr, INT32), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_column_model_new_full_size (nullptr, INT32, 4), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_column_model_construct (G_TYPE_OBJECT), nullptr);
  EXPECT_EQ (log.criticals (),
             (std::vector<std::string>{
                 assertion_text ("torvanix_providers_contracts_column_model_construct_full", "column_name != NULL"),
                 assertion_text ("torvanix_providers_contracts_column_model_construct_full_size", "column_name != NULL"),
                 assertion_text ("torvanix_providers_contracts_column_model_construct",
                                 "g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL)"),
             }));
}

TEST (ColumnModel, SettersNotifyOnlyOnChange)
{
  auto column = own (torvanix_providers_contracts_column_model_new ());
  Column *c = column.get ();
  struct Case {
    const char *property;
    std::function<void ()> same, other;
  } cases[] = {
    {"name", [c] { torvanix_providers_contracts_column_model_set_name (c, ""); },
     [c] { torvanix_providers_contracts_column_model_set_name (c, "x"); }},
    {"title", [c] { torvanix_providers_contracts_column_model_set_title (c, nullptr); },
     [c] { torvanix_providers_contracts_column_model_set_title (c, "Title"); }},
    {"data-type", [c] { torvanix_providers_contracts_column_model_set_data_type (c, UNKNOWN); },
     [c] { torvanix_providers_contracts_column_model_set_data_type (c, INT32); }},
    {"data-size", [c] { torvanix_providers_contracts_column_model_set_data_size (c, 0); },
     [c] { torvanix_providers_contracts_column_model_set_data_size (c, 11); }},
  };
  for (const Case &k : cases) {
    SCOPED_TRACE (k.property);
    NotifyCounter counter (c, k.property);
    k.same ();
    EXPECT_EQ (counter.count (), 0);
    k.other ();
    EXPECT_EQ (counter.count (), 1);
    k.other ();
    EXPECT_EQ (counter.count (), 1);
  }
  EXPECT_STREQ (torvanix_providers_contracts_column_model_get_title (c), "Title");
  torvanix_providers_contracts_column_model_set_title (c, nullptr);
  EXPECT_EQ (torvanix_providers_contracts_column_model_get_title (c), nullptr);
}

TEST (RowModel, EmptyRowAnswersNothingOutsideItsValues)
{
  auto row = own (torvanix_providers_contracts_row_model_new ());
  EXPECT_EQ (torvanix_providers_contracts_row_model_get_version (row.get ()), TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL);
  EXPECT_EQ (g_list_model_get_n_items (G_LIST_MODEL (row.get ())), 0u);
  EXPECT_EQ (g_list_model_get_item_type (G_LIST_MODEL (row.get ())), TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT);
  EXPECT_EQ (torvanix_providers_contracts_row_model_get_value_at (row.get (), 0), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_row_model_get_value_at (row.get (), -1), nullptr);
  EXPECT_EQ (g_list_model_get_item (G_LIST_MODEL (row.get ()), 0), nullptr);

  GeeArrayList *values = nullptr;
  g_object_get (row.get (), "values", &values, nullptr);
  EXPECT_EQ (values, torvanix_providers_contracts_row_model_get_values (row.get ()));
  g_object_unref (values);
}

TEST (RowModel, ValuesAddedToTheListAreItemsAndCanBeReplaced)
{
  auto row = own (torvanix_providers_contracts_row_model_new ());
  for (int code : {1, 2, 3}) add_value (row.get (), error_value (code));
  EXPECT_EQ (row_texts (row.get ()), (std::vector<std::string>{"1:cell", "2:cell", "3:cell"}));
  EXPECT_EQ (g_list_model_get_item (G_LIST_MODEL (row.get ()), 3), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_row_model_get_value_at (row.get (), 3), nullptr);

  auto third = own (torvanix_providers_contracts_row_model_get_value_at (row.get (), 2));
  EXPECT_EQ (text_of (third.get ()), "3:cell");

  torvanix_providers_contracts_row_model_set_version (row.get (), TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
  NotifyCounter version (row.get (), "version");
  int changes = 0;
  g_signal_connect_swapped (row.get (), "items-changed", G_CALLBACK (+[] (int *n) { ++*n; }), &changes);
  auto replacement = own (error_value (9));
  torvanix_providers_contracts_row_model_set_value_at (row.get (), 1, replacement.get ());
  EXPECT_EQ (row_texts (row.get ()), (std::vector<std::string>{"1:cell", "9:cell", "3:cell"}));
  auto second = own (torvanix_providers_contracts_row_model_get_value_at (row.get (), 1));
  EXPECT_EQ (second.get (), replacement.get ());
  EXPECT_EQ (torvanix_providers_contracts_row_model_get_version (row.get ()), TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
  EXPECT_EQ (version.count (), 0);
  EXPECT_EQ (changes, 0);
}

TEST (RowModel, SetValueAtRefusesBadArgumentsAndKeepsTheRow)
{
  auto row = own (torvanix_providers_contracts_row_model_new ());
  add_value (row.get (), error_value (1));
  auto v = own (error_value (7));
  LogCapture log;
  torvanix_providers_contracts_row_model_set_value_at (row.get (), 1, v.get ());
  torvanix_providers_contracts_row_model_set_value_at (row.get (), -1, v.get ());
  torvanix_providers_contracts_row_model_set_value_at (row.get (), 0, nullptr);
  torvanix_providers_contracts_row_model_set_value_at (nullptr, 0, v.get ());
  const std::string fn = "torvanix_providers_contracts_row_model_set_value_at";
  EXPECT_EQ (log.criticals (), (std::vector<std::string>{
                                   assertion_text (fn, "0 <= position && position < m_values.size"),
                                   assertion_text (fn, "0 <= position && position < m_values.size"),
                                   assertion_text (fn, "value != NULL"),
                                   assertion_text (fn, "self != NULL"),
                               }));
  EXPECT_EQ (row_texts (row.get ()), std::vector<std::string>{"1:cell"});
  EXPECT_EQ (G_OBJECT (v.get ())->ref_count, 1u);
}

TEST (RowModel, CloneIsDeepAndKeepsTheVersion)
{
  auto row = own (torvanix_providers_contracts_row_model_new ());
  torvanix_providers_contracts_row_model_set_version (row.get (), TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
  add_value (row.get (), error_value (1));
  add_value (row.get (), TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (torvanix_providers_contracts_value_null_new ()));

  auto copy = own (torvanix_providers_contracts_row_model_clone (row.get ()));
  ASSERT_NE (copy.get (), nullptr);
  EXPECT_NE (copy.get (), row.get ());
  EXPECT_EQ (torvanix_providers_contracts_row_model_get_version (copy.get ()), TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
  ASSERT_EQ (g_list_model_get_n_items (G_LIST_MODEL (copy.get ())), 2u);
  for (gint i = 0; i < 2; ++i) {
    auto original = own (torvanix_providers_contracts_row_model_get_value_at (row.get (), i));
    auto copied = own (torvanix_providers_contracts_row_model_get_value_at (copy.get (), i));
    EXPECT_NE (original.get (), copied.get ());
    EXPECT_EQ (G_OBJECT_TYPE (original.get ()), G_OBJECT_TYPE (copied.get ()));
    EXPECT_EQ (text_of (original.get ()), text_of (copied.get ()));
  }

  auto other = own (error_value (5));
  torvanix_providers_contracts_row_model_set_value_at (copy.get (), 0, other.get ());
  EXPECT_EQ (row_texts (row.get ()), (std::vector<std::string>{"1:cell", ""}));
}

TEST (RowModel, VersionNotifiesOnlyOnChange)
{
  auto row = own (torvanix_providers_contracts_row_model_new ());
  NotifyCounter counter (row.get (), "version");
  torvanix_providers_contracts_row_model_set_version (row.get (), TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL);
  EXPECT_EQ (counter.count (), 0);
  g_object_set (row.get (), "version", TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE, nullptr);
  g_object_set (row.get (), "version", TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE, nullptr);
  EXPECT_EQ (counter.count (), 1);
  EXPECT_EQ (torvanix_providers_contracts_row_model_get_version (row.get ()), TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE);
}

}  // namespace
