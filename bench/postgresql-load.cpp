/* Loading a whole PostgreSQL result: the bare client library (PQexec and
 * touching every cell) as the floor, beside execute_model, execute_reader
 * with get_values, libgda 5's PostgreSQL provider and Qt 5's QPSQL, each
 * with its release, and GLib's floor of one GObject per cell. The table has
 * ten mixed columns; the first 20,000, 200,000 and all 2,000,000 of its
 * rows show whether the cost per cell stays put as a result grows.
 *
 *   postgresql-load SERVER_ENV [ROUNDS]
 *   postgresql-load SERVER_ENV once floor|model|reader|gda|qt|gobject ROWS
 *
 * SERVER_ENV is the server.env that scripts/test-pg-server writes; ROUNDS
 * (default 5) counted rounds on 200,000 rows, twice as many on 20,000, half
 * as many (at least two) on 2,000,000. Every measurement runs in a child
 * process of its own (load-driver.h). `once` makes one load of the first
 * ROWS rows in this process, for a profiler, filling the table first when
 * it is missing and leaving it. Run by scripts/bench-load --postgresql
 * [--callgrind]. Not a test. */
#include <libproviders/providers.h>
#include <libproviders/postgresql.h>

#include <libpq-fe.h>

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
using load::Server;

constexpr long kAllRows = 2000000;
constexpr int kColumns = 10;

PGconn *connect_raw (const Server &s)
{
  std::string port = std::to_string (s.port);
  const char *keywords[] = {"host", "port", "user", "password", "dbname", "sslmode", nullptr};
  const char *values[] = {s.host.c_str (), port.c_str (), s.user.c_str (), s.password.c_str (), s.database.c_str (),
                          "disable", nullptr};
  PGconn *connection = PQconnectdbParams (keywords, values, 0);
  if (PQstatus (connection) != CONNECTION_OK)
    die ("connect", PQerrorMessage (connection));
  return connection;
}

/* Ten mixed columns, every cell set. The table is never scanned in
 * parallel: the server's workers would take the client's cores. */
void setup (const Server &s)
{
  PGconn *connection = connect_raw (s);
  PQsetNoticeProcessor (connection, [] (void *, const char *) {}, nullptr);
  for (const char *sql :
       {"DROP TABLE IF EXISTS bench_load",
        "CREATE TABLE bench_load AS SELECT i AS id, i * 1.5 AS half, "
        "'row ' || i AS label, i % 2 = 0 AS even, (i * 7)::numeric(12,2) AS price, "
        "date '2000-01-01' + i % 9000 AS day, timestamp '2000-01-01' + i * interval '1 minute' AS at, "
        "i::bigint * 1000003 AS big, md5(i::text) AS hash, (i % 32000)::int2 AS small "
        "FROM generate_series (1, 2000000) i",
        "ALTER TABLE bench_load SET (parallel_workers = 0)", "VACUUM ANALYZE bench_load"}) {
    PGresult *result = PQexec (connection, sql);
    if (PQresultStatus (result) != PGRES_COMMAND_OK)
      die ("setup", PQerrorMessage (connection));
    PQclear (result);
  }
  PQfinish (connection);
}

/* Whether an earlier `once` left the table. */
bool filled (const Server &s)
{
  PGconn *connection = connect_raw (s);
  PGresult *result = PQexec (connection, "SELECT to_regclass ('bench_load') IS NOT NULL");
  bool there = PQresultStatus (result) == PGRES_TUPLES_OK && PQgetvalue (result, 0, 0)[0] == 't';
  PQclear (result);
  PQfinish (connection);
  return there;
}

std::string sql_of (long rows)
{
  std::string sql = "SELECT * FROM bench_load";
  return rows < kAllRows ? sql + " LIMIT " + std::to_string (rows) : sql;
}

MEASURED PGresult *measured_build_floor (PGconn *connection, const std::string &sql, long &cells)
{
  PGresult *result = PQexec (connection, sql.c_str ());
  if (PQresultStatus (result) != PGRES_TUPLES_OK)
    die ("floor", PQerrorMessage (connection));
  int rows = PQntuples (result), fields = PQnfields (result);
  unsigned long touched = 0;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < fields; ++c, ++cells)
      if (!PQgetisnull (result, r, c))
        touched += unsigned (PQgetlength (result, r, c)) + static_cast<unsigned char> (PQgetvalue (result, r, c)[0]);
  if (touched == 0)
    die ("floor", "no cells");
  return result;
}

MEASURED void measured_release_floor (PGresult *result)
{
  PQclear (result);
}

TorvanixProvidersContractsIProvider *open_postgresql (const Server &s)
{
  return load::opened (torvanix_providers_supports_postgre_sql_provider_new (), load::server_profile ("PostgreSQL", s));
}

/* Whether this provider answers readers yet: a reader of one row. */
bool reads (TorvanixProvidersContractsIProvider *provider)
{
  GError *error = nullptr;
  auto *reader = torvanix_providers_contracts_iprovider_execute_reader (provider, "SELECT 1", &error);
  g_clear_error (&error);
  if (reader == nullptr)
    return false;
  g_object_unref (reader);
  return true;
}

std::vector<load::Way> ways_of (const char *env_path, const Server &s, const std::string &sql)
{
  auto open = [s] { return open_postgresql (s); };
  std::vector<std::string> peer{"PostgreSQL", env_path, sql};
  return {
    {"floor", "floor (PQexec, every cell)", nullptr, {},
     [s, sql] {
       PGconn *connection = connect_raw (s);
       Sample out = load::timed ([&] (long &cells) { return measured_build_floor (connection, sql, cells); },
                                 measured_release_floor);
       PQfinish (connection);
       return out;
     }},
    {"model", "execute_model", nullptr, {}, [open, sql] { return load::model_load (open, sql); }},
    {"reader", "execute_reader + get_values", nullptr, {},
     [open, sql] {
       return load::reader_load (
         [open] {
           auto *provider = open ();
           if (!reads (provider))
             _exit (load::kNotAvailable);
           return provider;
         },
         sql);
     }},
    {"gda", "libgda 5 model + get_value_at", "result-load-gda", peer, nullptr},
    {"qt", "Qt 5 QPSQL forward-only", "result-load-qt", peer, nullptr},
  };
}

}  // namespace

int main (int argc, char **argv)
{
  if (argc < 2) {
    std::fprintf (stderr, "usage: %s SERVER_ENV [ROUNDS]\n", argv[0]);
    return 2;
  }
  Server s = load::read_env (argv[1]);
  if (argc == 5 && std::string (argv[2]) == "once") {
    if (!filled (s))
      setup (s);
    const long rows = std::atol (argv[4]);
    return load::run_once (ways_of (argv[1], s, sql_of (rows)), argv[3], rows * kColumns);
  }
  int rounds = std::max (1, argc > 2 ? std::atoi (argv[2]) : 5);
  std::printf ("filling 2,000,000 rows...\n");
  std::fflush (stdout);
  setup (s);
  std::printf ("libgda 5: a random-access data model of every row, get_value_at every cell; Qt 5: QSqlQuery\n"
               "forward-only, value(i) every cell. Wall time is build + the caller's release; CPU is the client\n"
               "process's user + system time, release included, the library's release thread's to its end.\n");
  const std::pair<long, int> sources[] = {{20000, rounds * 2}, {200000, rounds}, {kAllRows, std::max (2, rounds / 2)}};
  std::vector<double> model_cpu, reader_cpu;
  for (const auto &[rows, n] : sources) {
    std::string sql = sql_of (rows), name = std::to_string (rows) + " rows";
    auto ways = ways_of (argv[1], s, sql);
    auto medians = load::run_source (name.c_str (), rows * kColumns, n, ways);
    if (rows == 200000)
      load::print_goals (name.c_str (), ways, medians, {1, 2}, {3, 4});
    model_cpu.push_back (medians[1].cpu_ns);
    reader_cpu.push_back (medians[2].cpu_ns);
  }
  std::printf ("\nlinearity: client CPU per cell from 20,000 to 2,000,000 rows (largest over smallest)\n");
  for (const auto &[label, cpu] : {std::pair{"execute_model", model_cpu}, std::pair{"execute_reader + get_values", reader_cpu}}) {
    if (*std::min_element (cpu.begin (), cpu.end ()) <= 0) {
      std::printf ("  n/a  %s\n", label);
      continue;
    }
    double spread = *std::max_element (cpu.begin (), cpu.end ()) / *std::min_element (cpu.begin (), cpu.end ());
    std::printf ("  %-4s %s within 10%%: %.1f / %.1f / %.1f ns, %+.1f%%\n", spread <= 1.10 ? "met" : "NOT", label,
                 cpu[0], cpu[1], cpu[2], (spread - 1) * 100);
  }
  PGconn *connection = connect_raw (s);
  PQclear (PQexec (connection, "DROP TABLE bench_load"));
  PQfinish (connection);
  return 0;
}
