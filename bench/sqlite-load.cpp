/* Loading a whole SQLite result from a file: the bare engine (sqlite3_step
 * and touching every cell) as the floor, beside execute_model and
 * execute_reader + get_values, each with its release, on a table of
 * 200,000 rows of ten mixed columns. Rounds are interleaved and each ratio
 * divides by the floor of the same round.
 *
 *   sqlite-load FILE [ROUNDS]
 *
 * FILE is made (or made again) for the run. Not a test: it prints wall
 * time and client CPU per cell. */
#include <libproviders/providers.h>
#include <libproviders/sqlite.h>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "load-common.h"

namespace {

constexpr int kRows = 200000;
constexpr int kColumns = 10;
constexpr char kQuery[] = "SELECT * FROM bench_load";

double median (std::vector<double> values)
{
  std::sort (values.begin (), values.end ());
  return values[values.size () / 2];
}

MEASURED long floor_load (sqlite3 *database)
{
  sqlite3_stmt *statement = nullptr;
  sqlite3_prepare_v2 (database, kQuery, -1, &statement, nullptr);
  long touched = 0;
  while (sqlite3_step (statement) == SQLITE_ROW)
    for (int c = 0; c < kColumns; ++c)
      switch (sqlite3_column_type (statement, c)) {
      case SQLITE_INTEGER:
        touched += sqlite3_column_int64 (statement, c) != 0;
        break;
      case SQLITE_FLOAT:
        touched += sqlite3_column_double (statement, c) != 0;
        break;
      case SQLITE_TEXT:
        touched += sqlite3_column_text (statement, c) != nullptr ? sqlite3_column_bytes (statement, c) : 0;
        break;
      case SQLITE_BLOB:
        touched += sqlite3_column_bytes (statement, c);
        break;
      default:
        break;
      }
  sqlite3_finalize (statement);
  return touched;
}

MEASURED TorvanixProvidersContractsTableModel *model_load (TorvanixProvidersContractsIProvider *provider)
{
  auto *table = torvanix_providers_contracts_iprovider_execute_model (provider, kQuery, 0, nullptr);
  if (table == nullptr || g_list_model_get_n_items (G_LIST_MODEL (table)) != kRows)
    std::abort ();
  return table;
}

/* Every row's values taken and dropped as a caller reading them would. */
MEASURED TorvanixProvidersContractsIDataReader *reader_load (TorvanixProvidersContractsIProvider *provider)
{
  auto *reader = torvanix_providers_contracts_iprovider_execute_reader (provider, kQuery, nullptr);
  int rows = 0;
  while (torvanix_providers_contracts_idata_reader_read (reader, nullptr)) {
    gint length = 0;
    auto **values = torvanix_providers_contracts_idata_reader_get_values (reader, &length, nullptr);
    for (gint i = 0; i < length; ++i)
      g_object_unref (values[i]);
    g_free (values);
    ++rows;
  }
  if (rows != kRows)
    std::abort ();
  return reader;
}

}  // namespace

int main (int argc, char **argv)
{
  if (argc < 2) {
    std::fprintf (stderr, "usage: %s FILE [ROUNDS]\n", argv[0]);
    return 2;
  }
  const char *path = argv[1];
  int rounds = argc > 2 ? std::atoi (argv[2]) : 5;
  std::remove (path);
  sqlite3 *database = nullptr;
  sqlite3_open (path, &database);
  char *message = nullptr;
  if (sqlite3_exec (database,
                    "CREATE TABLE bench_load (id INTEGER, half REAL, label TEXT, even BOOLEAN, price DECIMAL(12,2), "
                    "day DATE, at DATETIME, big INTEGER, hash TEXT, small INTEGER);"
                    "WITH RECURSIVE n (i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200000) "
                    "INSERT INTO bench_load SELECT i, i * 1.5, 'row ' || i, i % 2 = 0, i * 7 / 100.0, "
                    "date ('2000-01-01', '+' || (i % 9000) || ' days'), datetime ('2000-01-01', '+' || i || ' minutes'), "
                    "i * 1000003, hex (randomblob (16)), i % 32000 FROM n",
                    nullptr, nullptr, &message)
      != SQLITE_OK) {
    std::fprintf (stderr, "%s\n", message);
    return 1;
  }

  auto *provider = torvanix_providers_supports_sq_lite_provider_new ();
  auto *profile = torvanix_providers_contracts_server_new_with_provider ("SQLite");
  torvanix_providers_contracts_server_set_filename (profile, path);
  GError *error = nullptr;
  auto *base = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider);
  torvanix_providers_contracts_iprovider_open (base, profile, "", &error);
  if (error) {
    std::fprintf (stderr, "%s\n", error->message);
    return 1;
  }

  std::vector<double> wall[3], cpu[3], ratio_wall[3], ratio_cpu[3];
  for (int round = 0; round < rounds; ++round) {
    /* Client CPU with the release, around each whole sample. */
    double total_cpu[3];
    double c = load::cpu_ms ();
    load::Sample floor = load::timed ([&] (long &cells) { cells = floor_load (database); return 0; }, [] (int) {});
    total_cpu[0] = load::cpu_ms () - c;
    c = load::cpu_ms ();
    load::Sample model = load::timed ([&] (long &) { return model_load (base); },
                                      [] (TorvanixProvidersContractsTableModel *table) { g_object_unref (table); });
    total_cpu[1] = load::cpu_ms () - c;
    c = load::cpu_ms ();
    load::Sample reader = load::timed ([&] (long &) { return reader_load (base); },
                                       [] (TorvanixProvidersContractsIDataReader *r) { g_object_unref (r); });
    total_cpu[2] = load::cpu_ms () - c;
    const load::Sample *samples[3] = {&floor, &model, &reader};
    for (int i = 0; i < 3; ++i) {
      double w = samples[i]->build_ms + samples[i]->release_ms;
      wall[i].push_back (w);
      cpu[i].push_back (total_cpu[i]);
      ratio_wall[i].push_back (w / (floor.build_ms + floor.release_ms));
      ratio_cpu[i].push_back (total_cpu[i] / total_cpu[0]);
    }
  }
  /* GLib's own floor for any value-object library: one GObject made and
   * released per cell. */
  double c0 = load::cpu_ms (), t0 = load::now_ms ();
  for (int i = 0; i < kRows * kColumns; ++i)
    g_object_unref (g_object_new (G_TYPE_OBJECT, nullptr));
  double objects_wall = load::now_ms () - t0, objects_cpu = load::cpu_ms () - c0;

  constexpr double cells = static_cast<double> (kRows) * kColumns;
  const char *names[3] = {"sqlite3_step + every cell:", "execute_model + release:  ", "reader + get_values:      "};
  std::printf ("%d rows x %d columns, %d rounds, medians (ns per cell, wall / client CPU, release included)\n",
               kRows, kColumns, rounds);
  for (int i = 0; i < 3; ++i)
    std::printf ("  %s %7.1f / %7.1f  (x%.2f / x%.2f the floor of its round)\n", names[i],
                 median (wall[i]) / cells * 1e6, median (cpu[i]) / cells * 1e6, median (ratio_wall[i]),
                 median (ratio_cpu[i]));
  std::printf ("  one GObject per cell:      %7.1f / %7.1f\n", objects_wall / cells * 1e6, objects_cpu / cells * 1e6);
  g_object_unref (profile);
  g_object_unref (provider);
  sqlite3_close (database);
  return 0;
}
