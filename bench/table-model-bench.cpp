/* A whole query result in memory: 100,000 rows of 10 int32 cells filled
 * from a reader as a provider fills a table (get_values, then straight into
 * the row and table lists), then every cell read back through
 * get_value_at. Reports CPU seconds per cell for both, and the peak
 * resident memory the filled table added, per cell. */
#include <libproviders/providers.h>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "contracts/memory-reader.h"

namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 10;
constexpr double kCells = double (kRows) * kColumns;

long peak_rss_kib ()
{
  struct rusage usage {};
  getrusage (RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

MemoryReader *int32_reader ()
{
  MemoryReaderColumn columns[kColumns];
  const gchar *cells[kColumns];
  for (int i = 0; i < kColumns; ++i) {
    columns[i] = {"c", "INT", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, 11};
    cells[i] = "123456";
  }
  MemoryReader *reader = memory_reader_new (columns, kColumns);
  memory_reader_add_row (reader, cells);
  memory_reader_set_repeat (reader, kRows);
  return reader;
}

TorvanixProvidersContractsTableModel *fill_table ()
{
  MemoryReader *memory = int32_reader ();
  auto *reader = memory_reader_as_reader (memory);
  auto *table = torvanix_providers_contracts_table_model_new ();
  auto *rows = GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_table_model_get_rows (table));
  while (torvanix_providers_contracts_idata_reader_read (reader, nullptr)) {
    gint length = 0;
    TorvanixProvidersContractsIValue **values = torvanix_providers_contracts_idata_reader_get_values (reader, &length, nullptr);
    auto *row = torvanix_providers_contracts_row_model_new ();
    auto *cells = GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_row_model_get_values (row));
    for (gint i = 0; i < length; ++i) {
      gee_abstract_collection_add (cells, values[i]);
      g_object_unref (values[i]);
    }
    g_free (values);
    gee_abstract_collection_add (rows, row);
    g_object_unref (row);
  }
  g_object_unref (memory);
  return table;
}

/* Runs first, once, in a fresh process, so the peak it sees is the table's. */
void BM_FillMemory (benchmark::State &state)
{
  for (auto _ : state) {
    long before = peak_rss_kib ();
    auto *table = fill_table ();
    long after = peak_rss_kib ();
    state.counters["bytes_per_cell"] = double (after - before) * 1024.0 / kCells;
    g_object_unref (table);
  }
}
BENCHMARK (BM_FillMemory)->Iterations (1)->Unit (benchmark::kMillisecond);

/* Seconds of CPU time per cell: the machine may be shared, and wall time
 * would count other processes' turns. */
benchmark::Counter per_cell ()
{
  return benchmark::Counter (kCells, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Fill (benchmark::State &state)
{
  for (auto _ : state) {
    auto *table = fill_table ();
    state.PauseTiming ();
    g_object_unref (table);
    state.ResumeTiming ();
  }
  state.counters["s_per_cell"] = per_cell ();
}
BENCHMARK (BM_Fill)->Unit (benchmark::kMillisecond);

void BM_ReadEveryCell (benchmark::State &state)
{
  auto *table = fill_table ();
  for (auto _ : state) {
    for (gint row = 0; row < kRows; ++row)
      for (gint col = 0; col < kColumns; ++col) {
        auto *value = torvanix_providers_contracts_table_model_get_value_at (table, col, row);
        benchmark::DoNotOptimize (value);
        g_object_unref (value);
      }
  }
  state.counters["s_per_cell"] = per_cell ();
  g_object_unref (table);
}
BENCHMARK (BM_ReadEveryCell)->Unit (benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN ();
