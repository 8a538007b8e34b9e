/* Loading a whole PostgreSQL result: the bare client library (PQexec and
 * touching every cell) as the floor, beside execute_model with the table's
 * release, on a stored table of 200,000 rows of ten mixed columns. Rounds
 * are interleaved and each ratio divides by the floor of the same round.
 *
 *   postgresql-load SERVER_ENV [ROUNDS]
 *
 * SERVER_ENV is the server.env that scripts/test-pg-server writes. Not a
 * test: it prints wall time and client CPU per cell. */
#include <libproviders/providers.h>
#include <libproviders/postgresql.h>

#include <libpq-fe.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 200000;
constexpr int kColumns = 10;
constexpr char kQuery[] = "SELECT * FROM bench_load";

std::map<std::string, std::string> read_env (const char *path)
{
  std::map<std::string, std::string> env;
  std::ifstream in (path);
  for (std::string line; std::getline (in, line);)
    if (auto eq = line.find ('='); eq != std::string::npos)
      env[line.substr (0, eq)] = line.substr (eq + 1);
  return env;
}

double cpu_seconds ()
{
  rusage usage{};
  getrusage (RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Measure {
  double wall = 0, cpu = 0;
};

template <typename Work>
Measure measure (Work &&work)
{
  gint64 start = g_get_monotonic_time ();
  double cpu = cpu_seconds ();
  work ();
  return {static_cast<double> (g_get_monotonic_time () - start) / G_USEC_PER_SEC, cpu_seconds () - cpu};
}

double median (std::vector<double> values)
{
  std::sort (values.begin (), values.end ());
  return values[values.size () / 2];
}

}  // namespace

int main (int argc, char **argv)
{
  if (argc < 2) {
    std::fprintf (stderr, "usage: %s SERVER_ENV [ROUNDS]\n", argv[0]);
    return 2;
  }
  auto env = read_env (argv[1]);
  int rounds = argc > 2 ? std::atoi (argv[2]) : 5;
  std::string port = env["PROVIDERS_TEST_PORT"];
  const char *keywords[] = {"host", "port", "user", "password", "dbname", "sslmode", nullptr};
  const char *values[] = {env["PROVIDERS_TEST_HOST"].c_str (), port.c_str (), env["PROVIDERS_TEST_USER"].c_str (),
                          env["PROVIDERS_TEST_PASSWORD"].c_str (), env["PROVIDERS_TEST_DATABASE"].c_str (), "disable",
                          nullptr};
  PGconn *connection = PQconnectdbParams (keywords, values, 0);
  if (PQstatus (connection) != CONNECTION_OK) {
    std::fprintf (stderr, "%s", PQerrorMessage (connection));
    return 1;
  }
  PQclear (PQexec (connection,
                   "DROP TABLE IF EXISTS bench_load; CREATE TABLE bench_load AS SELECT i AS id, i * 1.5 AS half, "
                   "'row ' || i AS label, i % 2 = 0 AS even, (i * 7)::numeric(12,2) AS price, "
                   "date '2000-01-01' + i % 9000 AS day, timestamp '2000-01-01' + i * interval '1 minute' AS at, "
                   "i::bigint * 1000003 AS big, md5(i::text) AS hash, (i % 32000)::int2 AS small "
                   "FROM generate_series (1, 200000) i"));

  auto *provider = torvanix_providers_supports_postgre_sql_provider_new ();
  auto *profile = torvanix_providers_contracts_server_new_with_provider ("PostgreSQL");
  torvanix_providers_contracts_server_set_host (profile, values[0]);
  torvanix_providers_contracts_server_set_port (profile, std::atoi (port.c_str ()));
  torvanix_providers_contracts_server_set_username (profile, values[2]);
  torvanix_providers_contracts_server_set_password (profile, values[3]);
  torvanix_providers_contracts_server_set_initial (profile, values[4]);
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider), profile, "", &error);
  if (error) {
    std::fprintf (stderr, "%s\n", error->message);
    return 1;
  }

  std::vector<double> floor_wall, floor_cpu, model_wall, model_cpu, ratio_wall, ratio_cpu;
  for (int round = 0; round < rounds; ++round) {
    Measure floor = measure ([&] {
      PGresult *result = PQexec (connection, kQuery);
      gsize touched = 0;
      for (int r = 0; r < PQntuples (result); ++r)
        for (int c = 0; c < PQnfields (result); ++c)
          touched += PQgetisnull (result, r, c) ? 0 : std::strlen (PQgetvalue (result, r, c));
      PQclear (result);
      if (touched == 0)
        std::abort ();
    });
    Measure model = measure ([&] {
      auto *table = torvanix_providers_contracts_iprovider_execute_model (TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider),
                                                                         kQuery, 0, nullptr);
      if (table == nullptr || g_list_model_get_n_items (G_LIST_MODEL (table)) != kRows)
        std::abort ();
      g_object_unref (table);
    });
    floor_wall.push_back (floor.wall);
    floor_cpu.push_back (floor.cpu);
    model_wall.push_back (model.wall);
    model_cpu.push_back (model.cpu);
    ratio_wall.push_back (model.wall / floor.wall);
    ratio_cpu.push_back (model.cpu / floor.cpu);
  }
  /* GLib's own floor for any value-object library: one GObject made and
   * released per cell. */
  Measure objects = measure ([] {
    for (int i = 0; i < kRows * kColumns; ++i)
      g_object_unref (g_object_new (G_TYPE_OBJECT, nullptr));
  });
  constexpr double cells = static_cast<double> (kRows) * kColumns;
  std::printf ("%d rows x %d columns, %d rounds, medians (ns per cell, wall / client CPU)\n", kRows, kColumns, rounds);
  std::printf ("  PQexec + every cell:     %7.1f / %7.1f\n", median (floor_wall) / cells * 1e9, median (floor_cpu) / cells * 1e9);
  std::printf ("  execute_model + release: %7.1f / %7.1f  (x%.2f / x%.2f the floor of its round)\n",
               median (model_wall) / cells * 1e9, median (model_cpu) / cells * 1e9, median (ratio_wall),
               median (ratio_cpu));
  std::printf ("  one GObject per cell:    %7.1f / %7.1f\n", objects.wall / cells * 1e9, objects.cpu / cells * 1e9);
  PQclear (PQexec (connection, "DROP TABLE bench_load"));
  PQfinish (connection);
  g_object_unref (profile);
  g_object_unref (provider);
  return 0;
}
