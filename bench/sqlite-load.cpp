/* Loading a whole SQLite result from a file: the bare engine (sqlite3_step
 * and touching every cell) as the floor, beside execute_model,
 * execute_reader with get_values, Qt 5's QSQLITE and SOCI's sqlite3
 * backend, each with its release, and GLib's floor of one GObject per cell,
 * on a table of 200,000 rows of ten mixed columns. libgda 5's SQLite
 * provider is not among them: it reads an INTEGER column as a 32-bit
 * integer and refuses the table's larger cells ("Integer value is too
 * big").
 *
 *   sqlite-load FILE [ROUNDS]
 *   sqlite-load FILE once floor|model|reader|qt|soci|gobject
 *
 * FILE is made again for the run; ROUNDS counted rounds, default 5. Every measurement runs in a
 * child process of its own (load-driver.h). `once` makes one load in this
 * process, for a profiler, making FILE first when it is missing. Run by
 * scripts/bench-load --sqlite [--callgrind]. Not a test. */
#include <libproviders/providers.h>
#include <libproviders/sqlite.h>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "load-driver.h"
#include "load-provider.h"

namespace {

using load::die;
using load::Sample;

constexpr long kRows = 200000;
constexpr int kColumns = 10;
constexpr char kQuery[] = "SELECT * FROM bench_load";

void setup (const char *path)
{
  std::remove (path);
  sqlite3 *database = nullptr;
  if (sqlite3_open (path, &database) != SQLITE_OK)
    die ("open", sqlite3_errmsg (database));
  char *message = nullptr;
  if (sqlite3_exec (database,
                    "CREATE TABLE bench_load (id INTEGER, half REAL, label TEXT, even BOOLEAN, price DECIMAL(12,2), "
                    "day DATE, at DATETIME, big INTEGER, hash TEXT, small INTEGER);"
                    "WITH RECURSIVE n (i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200000) "
                    "INSERT INTO bench_load SELECT i, i * 1.5, 'row ' || i, i % 2 = 0, i * 7 / 100.0, "
                    "date ('2000-01-01', '+' || (i % 9000) || ' days'), datetime ('2000-01-01', '+' || i || ' minutes'), "
                    "i * 1000003, hex (randomblob (16)), i % 32000 FROM n",
                    nullptr, nullptr, &message)
      != SQLITE_OK)
    die ("setup", message);
  sqlite3_close (database);
}

MEASURED sqlite3_stmt *measured_build_floor (sqlite3 *database, long &cells)
{
  sqlite3_stmt *statement = nullptr;
  if (sqlite3_prepare_v2 (database, kQuery, -1, &statement, nullptr) != SQLITE_OK)
    die ("floor", sqlite3_errmsg (database));
  unsigned long touched = 0;
  while (sqlite3_step (statement) == SQLITE_ROW)
    for (int c = 0; c < kColumns; ++c, ++cells)
      switch (sqlite3_column_type (statement, c)) {
      case SQLITE_INTEGER:
        touched += sqlite3_column_int64 (statement, c) != 0;
        break;
      case SQLITE_FLOAT:
        touched += sqlite3_column_double (statement, c) != 0;
        break;
      case SQLITE_TEXT:
        touched += sqlite3_column_text (statement, c) != nullptr ? unsigned (sqlite3_column_bytes (statement, c)) : 0;
        break;
      case SQLITE_BLOB:
        touched += unsigned (sqlite3_column_bytes (statement, c));
        break;
      default:
        break;
      }
  if (touched == 0)
    die ("floor", "no cells");
  return statement;
}

MEASURED void measured_release_floor (sqlite3_stmt *statement)
{
  sqlite3_finalize (statement);
}

TorvanixProvidersContractsIProvider *open_provider (const std::string &path)
{
  auto *profile = torvanix_providers_contracts_server_new_with_provider ("SQLite");
  torvanix_providers_contracts_server_set_filename (profile, path.c_str ());
  return load::opened (torvanix_providers_supports_sq_lite_provider_new (), profile);
}

}  // namespace

int main (int argc, char **argv)
{
  if (argc < 2) {
    std::fprintf (stderr, "usage: %s FILE [ROUNDS]\n", argv[0]);
    return 2;
  }
  std::string path = argv[1];
  const bool once = argc == 4 && std::string (argv[2]) == "once";
  int rounds = std::max (1, argc > 2 && !once ? std::atoi (argv[2]) : 5);
  if (!once || access (path.c_str (), F_OK) != 0)
    setup (path.c_str ());
  if (!once)
    std::printf ("Qt 5: QSqlQuery forward-only, value(i) every cell; SOCI: rowset<row>, every column read as the\n"
               "type the backend gives.\n"
               "Wall time is build + the caller's release; CPU is the client process's user + system time,\n"
               "release included, the library's release thread's to its end.\n");
  std::vector<std::string> peer{"SQLite", path, kQuery};
  auto open = [path] { return open_provider (path); };
  std::vector<load::Way> ways = {
    {"floor", "floor (sqlite3_step, every cell)", nullptr, {},
     [path] {
       sqlite3 *database = nullptr;
       if (sqlite3_open_v2 (path.c_str (), &database, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
         die ("open", sqlite3_errmsg (database));
       Sample out = load::timed ([&] (long &cells) { return measured_build_floor (database, cells); },
                                 measured_release_floor);
       sqlite3_close (database);
       return out;
     }},
    {"model", "execute_model", nullptr, {}, [open] { return load::model_load (open, kQuery); }},
    {"reader", "execute_reader + get_values", nullptr, {}, [open] { return load::reader_load (open, kQuery); }},
    {"qt", "Qt 5 QSQLITE forward-only", "result-load-qt", peer, nullptr},
    {"soci", "SOCI 4 sqlite3 rowset<row>", "result-load-soci", peer, nullptr},
  };
  if (once)
    return load::run_once (ways, argv[3], kRows * kColumns);
  auto medians = load::run_source ("bench_load", kRows * kColumns, rounds, ways);
  load::print_goals ("bench_load", ways, medians, {1, 2}, {3, 4});
  return 0;
}
