/* Value and model lifecycles leave nothing behind: after a warm-up, many
 * cycles of making, using and dropping them do not grow the live heap.
 * The test run does a few thousand; scripts/memory runs 100,000. */
#include <gtest/gtest.h>
#include <libproviders/providers.h>

#include "memory-meter.h"
#include "support/gobject-test.h"

namespace {

using providers::testing::cycles_to_run;
using providers::testing::measure;

/* Some bytes of slack for allocator bookkeeping that is not a leak (GLib
 * growing a hash table once, say); one object kept per cycle exceeds it. */
constexpr long long kHeapNoise = 64 * 1024;

const char *const kTexts[] = { nullptr, "", "42", "-0x1F", "true", "3.25", "2024-03-05T07:08:09Z", "51.5, -0.12",
                               "{\"a\":[1,2]}", "caf\xc3\xa9" };

void
value_cycle (long i)
{
  int type = static_cast<int> (i % (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR + 1));
  const char *text = kTexts[i % G_N_ELEMENTS (kTexts)];
  auto *value = torvanix_providers_contracts_ivalue_factory (static_cast<TorvanixProvidersContractsDataType> (type), text);
  g_free (torvanix_providers_contracts_ivalue_to_string (value));
  g_free (torvanix_providers_contracts_ivalue_dump (value));
  GValue converted = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (value, &converted);
  g_value_unset (&converted);
  auto *copy = torvanix_providers_contracts_ivalue_clone (value);
  g_object_unref (copy);
  g_object_unref (value);

  auto *error = torvanix_providers_contracts_value_error_new (1064, "syntax");
  g_free (torvanix_providers_contracts_value_error_get_itsvalue (error));
  g_object_unref (error);
  auto *geography = torvanix_providers_contracts_value_geography_new ("51.5, -0.12");
  (void) torvanix_providers_contracts_value_geography_latitude (geography);
  g_object_unref (geography);
}

TorvanixProvidersContractsRowModel *
make_row (long i)
{
  auto *row = torvanix_providers_contracts_row_model_new ();
  GeeArrayList *values = torvanix_providers_contracts_row_model_get_values (row);
  auto *id = torvanix_providers_contracts_value_int32_new (static_cast<gint32> (i));
  auto *name = torvanix_providers_contracts_value_string_new ("name");
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), id);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), name);
  g_object_unref (id);
  g_object_unref (name);
  return row;
}

void
model_cycle (long i)
{
  TorvanixProvidersContractsDataType types[] = { TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32,
                                                 TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING };
  auto *table = torvanix_providers_contracts_table_model_new_with_types (types, 2);
  for (int r = 0; r < 3; ++r) {
    auto *row = make_row (i + r);
    torvanix_providers_contracts_table_model_append (table, row);
    g_object_unref (row);
  }
  auto *cell = torvanix_providers_contracts_table_model_get_value_at (table, 1, 0);
  g_object_unref (cell);
  auto *replacement = torvanix_providers_contracts_value_int32_new (7);
  torvanix_providers_contracts_table_model_set_value_at (table, 0, 1, TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (replacement));
  g_object_unref (replacement);
  torvanix_providers_contracts_table_model_update_row_version (table, 2, TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
  auto *removed = torvanix_providers_contracts_table_model_delete_at (table, 0);
  auto *copy = torvanix_providers_contracts_row_model_clone (removed);
  g_object_unref (copy);
  g_object_unref (removed);

  auto *set = torvanix_providers_contracts_data_set_model_new ();
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_data_set_model_get_tables (set)), table);
  g_object_unref (table);
  g_object_unref (set);

  auto *server = torvanix_providers_contracts_server_new_with_provider ("MySQL");
  auto *settings = torvanix_providers_contracts_server_setting_new ();
  torvanix_providers_contracts_server_setting_append (settings, server, "", "");
  gint count = 0;
  auto **servers = torvanix_providers_contracts_server_setting_unite_servers (settings, &count);
  for (gint s = 0; s < count; ++s) g_object_unref (servers[s]);
  g_free (servers);
  auto *server_copy = torvanix_providers_contracts_server_clone (server, TRUE);
  g_free (torvanix_providers_contracts_server_to_string (server_copy, TRUE));
  g_object_unref (server_copy);
  g_object_unref (settings);
  g_object_unref (server);
}

TEST (Memory, ValueLifecyclesLeaveTheHeapAsItWas)
{
  auto figures = measure (cycles_to_run (5000), value_cycle);
  EXPECT_LT (figures.heap_growth, kHeapNoise);
}

TEST (Memory, ModelLifecyclesLeaveTheHeapAsItWas)
{
  auto figures = measure (cycles_to_run (2000), model_cycle);
  EXPECT_LT (figures.heap_growth, kHeapNoise);
}

/* The meter itself: a cycle that keeps a block is caught. */
TEST (Memory, AKeptBlockPerCycleShows)
{
  std::vector<void *> kept;
  auto figures = measure (cycles_to_run (5000), [&] (long) { kept.push_back (g_malloc (32)); });
  EXPECT_GT (figures.heap_growth, kHeapNoise);
  for (void *block : kept) g_free (block);
}

}  // namespace
