/* Loading a whole result: the bare client library as the floor, against
 * execute_model. Interleaved rounds against the private server; prints
 * medians, their ratio, the time to release the model and the peak memory
 * per cell above the floor's.
 *
 *   mysql-load SERVER_ENV [ROWS] [ROUNDS]
 */
#include <libproviders/providers.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>
#include <mysql.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::map<std::string, std::string> read_env (const char *path)
{
  std::map<std::string, std::string> env;
  std::ifstream in (path);
  for (std::string line; std::getline (in, line);) {
    auto eq = line.find ('=');
    if (eq != std::string::npos) env[line.substr (0, eq)] = line.substr (eq + 1);
  }
  return env;
}

void check (MYSQL *mysql, int r, const char *what)
{
  if (r != 0) {
    std::fprintf (stderr, "%s: %s\n", what, mysql_error (mysql));
    std::exit (1);
  }
}

}  // namespace

/* Resident memory now (VmRSS) or at its peak since the last reset (VmHWM),
 * in KiB. */
long status_kib (const char *key)
{
  std::ifstream in ("/proc/self/status");
  for (std::string line; std::getline (in, line);)
    if (line.rfind (key, 0) == 0) return std::atol (line.c_str () + std::strlen (key));
  return 0;
}

namespace {

void reset_peak ()
{
  malloc_trim (0);
  std::ofstream ("/proc/self/clear_refs") << "5";
}

double seconds_since (Clock::time_point start)
{
  return std::chrono::duration<double> (Clock::now () - start).count ();
}

double median (std::vector<double> v)
{
  std::sort (v.begin (), v.end ());
  return v[v.size () / 2];
}

void fill (MYSQL *mysql, int rows)
{
  check (mysql, mysql_query (mysql, "DROP TABLE IF EXISTS t"), "drop");
  check (mysql, mysql_query (mysql, "CREATE TABLE t (id INT NOT NULL PRIMARY KEY, u64 BIGINT UNSIGNED NOT NULL, "
                                    "dbl DOUBLE NOT NULL, dec2 DECIMAL(12,2) NOT NULL, name VARCHAR(40) NOT NULL, "
                                    "txt TEXT NOT NULL, dt DATETIME NOT NULL, dd DATE NOT NULL, tiny TINYINT NOT NULL, "
                                    "nint INT NULL)"),
         "create");
  unsigned seed = 12345;
  auto next = [&] { return seed = seed * 1103515245u + 12345u; };
  std::string text (100, 'x');
  for (int start = 0; start < rows; start += 1000) {
    std::string insert = "INSERT INTO t VALUES ";
    for (int id = start; id < std::min (rows, start + 1000); ++id) {
      int name_length = 10 + static_cast<int> (next () % 31);
      std::string name;
      for (int i = 0; i < name_length; ++i) name += static_cast<char> ('a' + next () % 26);
      for (char &c : text) c = static_cast<char> ('A' + next () % 26);
      char row[512];
      std::snprintf (row, sizeof row, "%s(%d, %u%u, %u.%u, %u.%02u, '%s', '%s', '2024-%02u-%02u %02u:%02u:%02u', "
                                      "'20%02u-%02u-%02u', %d, %s)",
                     id == start ? "" : ",", id, next (), next () % 1000, next () % 100000, next () % 1000,
                     next () % 1000000, next () % 100, name.c_str (), text.c_str (), 1 + next () % 12, 1 + next () % 28,
                     next () % 24, next () % 60, next () % 60, next () % 100, 1 + next () % 12, 1 + next () % 28,
                     static_cast<int> (next () % 256) - 128,
                     id % 5 == 0 ? "NULL" : std::to_string (static_cast<int> (next () % 100000)).c_str ());
      insert += row;
    }
    check (mysql, mysql_real_query (mysql, insert.data (), insert.size ()), "insert");
  }
}

/* The floor: fetch the whole result and touch every cell. Answers the
 * resident memory, in KiB, while the result is held. */
long plain_load (MYSQL *mysql)
{
  check (mysql, mysql_query (mysql, "SELECT * FROM t"), "select");
  MYSQL_RES *result = mysql_store_result (mysql);
  unsigned fields = mysql_num_fields (result);
  unsigned long touched = 0;
  while (MYSQL_ROW row = mysql_fetch_row (result)) {
    unsigned long *lengths = mysql_fetch_lengths (result);
    for (unsigned i = 0; i < fields; ++i)
      if (row[i]) touched += lengths[i] + static_cast<unsigned char> (row[i][0]);
  }
  long held = status_kib ("VmRSS:") + static_cast<long> (touched & 0);
  mysql_free_result (result);
  return held;
}

/* Resident memory a load holds with its whole result, in bytes: measured
 * in a child process of its own, so that neither load reuses the other's
 * freed heap. */
template <typename Load>
double held_bytes (Load load)
{
  int fds[2];
  if (pipe (fds) != 0) return 0;
  pid_t child = fork ();
  if (child == 0) {
    long base = status_kib ("VmRSS:");
    long held = load ();
    double bytes = (held - base) * 1024.0;
    if (write (fds[1], &bytes, sizeof bytes) != sizeof bytes) _exit (1);
    _exit (0);
  }
  double bytes = 0;
  if (read (fds[0], &bytes, sizeof bytes) != sizeof bytes) bytes = 0;
  close (fds[0]);
  close (fds[1]);
  waitpid (child, nullptr, 0);
  return bytes;
}

}  // namespace

int main (int argc, char **argv)
{
  if (argc < 2) {
    std::fprintf (stderr, "usage: %s SERVER_ENV [ROWS] [ROUNDS]\n", argv[0]);
    return 2;
  }
  auto env = read_env (argv[1]);
  int rows = argc > 2 ? std::atoi (argv[2]) : 200000;
  int rounds = argc > 3 ? std::atoi (argv[3]) : 5;
  const double cells = rows * 10.0;

  MYSQL *mysql = mysql_init (nullptr);
  if (!mysql_real_connect (mysql, env["PROVIDERS_TEST_HOST"].c_str (), env["PROVIDERS_TEST_USER"].c_str (),
                           env["PROVIDERS_TEST_PASSWORD"].c_str (), env["PROVIDERS_TEST_DATABASE"].c_str (),
                           static_cast<unsigned> (std::atoi (env["PROVIDERS_TEST_PORT"].c_str ())), nullptr, 0))
    check (mysql, 1, "connect");
  fill (mysql, rows);

  auto *server = torvanix_providers_contracts_server_new_with_provider ("MySQL");
  torvanix_providers_contracts_server_set_host (server, env["PROVIDERS_TEST_HOST"].c_str ());
  torvanix_providers_contracts_server_set_port (server, std::atoi (env["PROVIDERS_TEST_PORT"].c_str ()));
  torvanix_providers_contracts_server_set_username (server, env["PROVIDERS_TEST_USER"].c_str ());
  torvanix_providers_contracts_server_set_password (server, env["PROVIDERS_TEST_PASSWORD"].c_str ());
  torvanix_providers_contracts_server_set_initial (server, env["PROVIDERS_TEST_DATABASE"].c_str ());
  auto *provider = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (torvanix_providers_supports_my_sql_provider_new ());
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (provider, server, "", &error);
  if (error) {
    std::fprintf (stderr, "open: %s\n", error->message);
    return 1;
  }

  std::vector<double> plain, model, release, plain_peak, model_peak;
  /* Memory first, before any load leaves freed heap behind that a later
   * one would reuse without growing. Each child opens its own connection. */
  auto fresh_connection = [&] {
    MYSQL *m = mysql_init (nullptr);
    mysql_real_connect (m, env["PROVIDERS_TEST_HOST"].c_str (), env["PROVIDERS_TEST_USER"].c_str (),
                        env["PROVIDERS_TEST_PASSWORD"].c_str (), env["PROVIDERS_TEST_DATABASE"].c_str (),
                        static_cast<unsigned> (std::atoi (env["PROVIDERS_TEST_PORT"].c_str ())), nullptr, 0);
    return m;
  };
  for (int round = 0; round < 3; ++round) {
    plain_peak.push_back (held_bytes ([&] { return plain_load (fresh_connection ()); }));
    model_peak.push_back (held_bytes ([&] {
      auto *p = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (torvanix_providers_supports_my_sql_provider_new ());
      torvanix_providers_contracts_iprovider_open (p, server, "", nullptr);
      torvanix_providers_contracts_iprovider_execute_model (p, "SELECT * FROM t", 0, nullptr);
      return status_kib ("VmRSS:");
    }));
  }

  for (int round = 0; round < rounds; ++round) {
    reset_peak ();
    long base = status_kib ("VmRSS:");
    auto start = Clock::now ();
    long held = plain_load (mysql);
    plain.push_back (seconds_since (start));
    (void) held;

    reset_peak ();
    base = status_kib ("VmRSS:");
    start = Clock::now ();
    auto *table = torvanix_providers_contracts_iprovider_execute_model (provider, "SELECT * FROM t", 0, &error);
    model.push_back (seconds_since (start));
    (void) base;
    if (table == nullptr) {
      std::fprintf (stderr, "execute_model: %s\n", error ? error->message : "?");
      return 1;
    }
    start = Clock::now ();
    g_object_unref (table);
    release.push_back (seconds_since (start));
    std::fprintf (stderr, "round %d: plain %.3f s, model %.3f s, release %.3f s\n", round + 1, plain.back (),
                  model.back (), release.back ());
  }

  double a = median (plain), b = median (model);
  std::printf ("rows %d, cells %.0f, rounds %d (medians)\n", rows, cells, rounds);
  std::printf ("(a) libmariadb store + touch   %8.3f s\n", a);
  std::printf ("(b) execute_model              %8.3f s\n", b);
  std::printf ("    ratio b/a                  %8.2f\n", b / a);
  std::printf ("    release of the model       %8.3f s\n", median (release));
  std::printf ("    memory held per cell: floor %.1f B, model %.1f B, above the floor %.1f B (3 rounds, each in a child)\n",
              median (plain_peak) / cells, median (model_peak) / cells,
              (median (model_peak) - median (plain_peak)) / cells);

  g_object_unref (provider);
  g_object_unref (server);
  mysql_close (mysql);
  return 0;
}
