/* Loading a whole query result: how far the provider is from the wire.
 *
 *   result-load ENV setup                 create and fill the tables
 *   result-load ENV run TABLE ROUNDS      measure, print one table
 *   result-load ENV once VARIANT TABLE    one load in this process, for a
 *                                         profiler (floor, model, reader)
 *
 * ENV is the server.env that scripts/test-server writes. Each round runs
 * three ways of loading every row of TABLE, in an order that turns with
 * the round:
 *   floor   the bare client library: mysql_store_result, every cell touched
 *   model   execute_model
 *   reader  execute_reader, get_values for every row
 * Every measurement runs in a child process of its own, so that the peak
 * resident memory of one does not hide another's and no run warms the
 * allocator for the next. A round that comes before the counted ones
 * warms the server's caches. Times are wall-clock: the server shares the
 * machine, and what users wait for includes it. */
#include <libproviders/providers.h>

#include <mysql.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

struct Server {
  std::string host;
  unsigned port = 0;
  std::string user;
  std::string password;
  std::string database;
};

Server read_env (const char *path)
{
  std::ifstream in (path);
  std::map<std::string, std::string> env;
  for (std::string line; std::getline (in, line);) {
    auto eq = line.find ('=');
    if (eq != std::string::npos)
      env[line.substr (0, eq)] = line.substr (eq + 1);
  }
  Server s{env["PROVIDERS_TEST_HOST"], unsigned (std::atoi (env["PROVIDERS_TEST_PORT"].c_str ())),
           env["PROVIDERS_TEST_USER"], env["PROVIDERS_TEST_PASSWORD"], env["PROVIDERS_TEST_DATABASE"]};
  if (s.port == 0) {
    std::fprintf (stderr, "result-load: no server described in %s\n", path);
    std::exit (2);
  }
  return s;
}

[[noreturn]] void die (const char *what, const char *detail)
{
  std::fprintf (stderr, "result-load: %s: %s\n", what, detail);
  std::exit (1);
}

double now_ms ()
{
  timespec t{};
  clock_gettime (CLOCK_MONOTONIC, &t);
  return double (t.tv_sec) * 1e3 + double (t.tv_nsec) / 1e6;
}

double cpu_ms ()
{
  rusage u{};
  getrusage (RUSAGE_SELF, &u);
  return double (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3
         + double (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

/* A field of /proc/self/status in KiB ("VmRSS", "VmHWM"). */
long status_kib (const char *field)
{
  std::ifstream in ("/proc/self/status");
  std::string key = std::string (field) + ":";
  for (std::string line; std::getline (in, line);)
    if (line.compare (0, key.size (), key) == 0)
      return std::atol (line.c_str () + key.size ());
  return -1;
}

/* Lowers the peak to the present resident size, so the peak read later
 * is this child's own work. */
bool reset_peak ()
{
  FILE *f = std::fopen ("/proc/self/clear_refs", "w");
  if (f == nullptr)
    return false;
  bool ok = std::fputs ("5", f) >= 0;
  return std::fclose (f) == 0 && ok;
}

MYSQL *connect_raw (const Server &s)
{
  MYSQL *mysql = mysql_init (nullptr);
  mysql_options (mysql, MYSQL_SET_CHARSET_NAME, "utf8mb4");
  if (mysql_real_connect (mysql, s.host.c_str (), s.user.c_str (), s.password.c_str (), s.database.c_str (), s.port,
                          nullptr, CLIENT_MULTI_STATEMENTS)
      == nullptr)
    die ("connect", mysql_error (mysql));
  return mysql;
}

void query (MYSQL *mysql, const std::string &sql)
{
  if (mysql_real_query (mysql, sql.data (), sql.size ()) != 0)
    die (sql.c_str (), mysql_error (mysql));
  while (true) {
    if (MYSQL_RES *r = mysql_store_result (mysql))
      mysql_free_result (r);
    int next = mysql_next_result (mysql);
    if (next > 0)
      die (sql.c_str (), mysql_error (mysql));
    if (next != 0)
      break;
  }
}

/* Two tables of the same shape, 200,000 and 20,000 rows. Names of 10 to 40
 * characters, texts of 96 to 111, nint NULL in one row of five. */
void setup (const Server &s)
{
  MYSQL *mysql = connect_raw (s);
  query (mysql, "SET SESSION max_recursive_iterations = 1000000");
  const char *columns =
    "(id INT NOT NULL PRIMARY KEY, u64 BIGINT UNSIGNED NOT NULL, dbl DOUBLE NOT NULL,"
    " dec2 DECIMAL(12,2) NOT NULL, name VARCHAR(40) NOT NULL, txt TEXT NOT NULL, dt DATETIME NOT NULL,"
    " dd DATE NOT NULL, tiny TINYINT NOT NULL, nint INT NULL)";
  const std::pair<const char *, long> tables[] = {{"t", 200000}, {"t_20k", 20000}};
  for (const auto &[name, rows] : tables) {
    query (mysql, std::string ("DROP TABLE IF EXISTS ") + name);
    query (mysql, std::string ("CREATE TABLE ") + name + " " + columns);
    /* A recursive counter, in steps of 10,000 rows to keep each
     * statement's memory small. */
    for (long from = 0; from < rows; from += 10000) {
      char sql[2048];
      std::snprintf (
        sql, sizeof sql,
        "INSERT INTO %s "
        "WITH RECURSIVE n (i) AS (SELECT %ld UNION ALL SELECT i + 1 FROM n WHERE i + 1 < %ld) "
        "SELECT i, CAST(i AS UNSIGNED) * 92233720368547, i * 1.25e0 + i / 7e0, (i %% 1000000) + 0.37,"
        " LEFT(REPEAT(MD5(i), 2), 10 + i %% 31),"
        " LEFT(CONCAT(MD5(i), ' ', MD5(i + 1), ' ', MD5(i + 2), ' ', MD5(i + 3)), 96 + i %% 16),"
        " TIMESTAMP '2020-01-01 00:00:00' + INTERVAL i * 37 SECOND,"
        " DATE '2000-01-01' + INTERVAL i %% 20000 DAY, i %% 256 - 128, IF(i %% 5 = 0, NULL, i * 3) FROM n",
        name, from, std::min (from + 10000, rows));
      query (mysql, sql);
    }
  }
  mysql_close (mysql);
}

enum Variant { kFloor, kModel, kReader, kVariants };
const char *const kVariantNames[] = {"floor (store_result)", "execute_model", "execute_reader+get_values"};

struct Sample {
  double build_ms = 0;    /* query to every cell in hand */
  double release_ms = 0;  /* freeing the result: the caller's last unref */
  double cpu_ms = 0;      /* this process's CPU time for the build */
  long peak_kib = 0;      /* resident peak above the size before the query */
  long cells = 0;
  bool peak_reset = false;
};

/* The measured parts are functions of their own, never inlined, so that
 * a profiler can report each one's cost (scripts/bench-load --callgrind). */
#define MEASURED __attribute__ ((noinline))

MEASURED MYSQL_RES *measured_build_floor (MYSQL *mysql, const std::string &sql, long &cells)
{
  if (mysql_real_query (mysql, sql.data (), sql.size ()) != 0)
    die ("floor", mysql_error (mysql));
  MYSQL_RES *result = mysql_store_result (mysql);
  if (result == nullptr)
    die ("floor", mysql_error (mysql));
  unsigned fields = mysql_num_fields (result);
  unsigned long sum = 0;
  while (MYSQL_ROW row = mysql_fetch_row (result)) {
    unsigned long *lengths = mysql_fetch_lengths (result);
    for (unsigned i = 0; i < fields; ++i) {
      if (row[i] != nullptr)
        sum += lengths[i] + static_cast<unsigned char> (row[i][0]);
      ++cells;
    }
  }
  if (sum == 0)
    die ("floor", "no cells");
  return result;
}

MEASURED void measured_release_floor (MYSQL_RES *result)
{
  mysql_free_result (result);
}

MEASURED TorvanixProvidersContractsTableModel *measured_build_model (TorvanixProvidersContractsIProvider *provider,
                                                                     const std::string &sql)
{
  GError *error = nullptr;
  auto *model = torvanix_providers_contracts_iprovider_execute_model (provider, sql.c_str (), 0, &error);
  if (model == nullptr)
    die ("execute_model", error ? error->message : "no model");
  return model;
}

MEASURED void measured_release_model (TorvanixProvidersContractsTableModel *model)
{
  g_object_unref (model);
}

/* Each row's values are released as the loop goes, as a reader's user
 * would; only the reader itself is left for the release. */
MEASURED TorvanixProvidersContractsIDataReader *measured_build_reader (TorvanixProvidersContractsIProvider *provider,
                                                                       const std::string &sql, long &cells)
{
  GError *error = nullptr;
  auto *reader = torvanix_providers_contracts_iprovider_execute_reader (provider, sql.c_str (), &error);
  if (reader == nullptr)
    die ("execute_reader", error ? error->message : "no reader");
  while (torvanix_providers_contracts_idata_reader_read (reader, &error)) {
    gint length = 0;
    auto **values = torvanix_providers_contracts_idata_reader_get_values (reader, &length, &error);
    if (values == nullptr)
      die ("get_values", error ? error->message : "no values");
    for (gint i = 0; i < length; ++i)
      g_object_unref (values[i]);
    g_free (values);
    cells += length;
  }
  if (error != nullptr)
    die ("read", error->message);
  return reader;
}

MEASURED void measured_release_reader (TorvanixProvidersContractsIDataReader *reader)
{
  g_object_unref (reader);
}

/* Times build and release of one load; the peak is read after both. */
template <typename Build, typename Release>
Sample timed (Build build, Release release)
{
  Sample out;
  out.peak_reset = reset_peak ();
  long base = status_kib ("VmRSS");
  double c0 = cpu_ms (), t0 = now_ms ();
  auto held = build (out.cells);
  double t1 = now_ms ();
  out.cpu_ms = cpu_ms () - c0;
  release (held);
  out.release_ms = now_ms () - t1;
  out.build_ms = t1 - t0;
  out.peak_kib = status_kib ("VmHWM") - base;
  return out;
}

TorvanixProvidersContractsIProvider *open_provider (const Server &s)
{
  auto *profile = torvanix_providers_contracts_server_new_with_provider ("MySQL");
  torvanix_providers_contracts_server_set_host (profile, s.host.c_str ());
  torvanix_providers_contracts_server_set_port (profile, gint (s.port));
  torvanix_providers_contracts_server_set_username (profile, s.user.c_str ());
  torvanix_providers_contracts_server_set_password (profile, s.password.c_str ());
  torvanix_providers_contracts_server_set_initial (profile, s.database.c_str ());
  auto *provider = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (torvanix_providers_supports_my_sql_provider_new ());
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (provider, profile, "", &error);
  if (error != nullptr)
    die ("open", error->message);
  g_object_unref (profile);
  return provider;
}

Sample run_floor (const Server &s, const std::string &sql)
{
  MYSQL *mysql = connect_raw (s);
  Sample out = timed ([&] (long &cells) { return measured_build_floor (mysql, sql, cells); }, measured_release_floor);
  mysql_close (mysql);
  return out;
}

Sample run_model (const Server &s, const std::string &sql)
{
  auto *provider = open_provider (s);
  Sample out = timed (
    [&] (long &cells) {
      auto *model = measured_build_model (provider, sql);
      gint rows = gee_abstract_collection_get_size (
        GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_table_model_get_rows (model)));
      gint columns = gee_abstract_collection_get_size (
        GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_table_model_get_columns (model)));
      cells = long (rows) * columns;
      return model;
    },
    measured_release_model);
  g_object_unref (provider);
  return out;
}

Sample run_reader (const Server &s, const std::string &sql)
{
  auto *provider = open_provider (s);
  Sample out = timed ([&] (long &cells) { return measured_build_reader (provider, sql, cells); },
                      measured_release_reader);
  g_object_unref (provider);
  return out;
}

std::string select_all (const std::string &table)
{
  return "SELECT id, u64, dbl, dec2, name, txt, dt, dd, tiny, nint FROM " + table;
}

Sample run_variant (Variant v, const Server &s, const std::string &sql)
{
  return v == kFloor ? run_floor (s, sql) : v == kModel ? run_model (s, sql) : run_reader (s, sql);
}

/* Runs one variant in a child and hands back what it measured. */
Sample measure (Variant v, const Server &s, const std::string &sql)
{
  int fds[2];
  if (pipe (fds) != 0)
    die ("pipe", std::strerror (errno));
  std::fflush (nullptr);
  pid_t pid = fork ();
  if (pid < 0)
    die ("fork", std::strerror (errno));
  if (pid == 0) {
    close (fds[0]);
    Sample sample = run_variant (v, s, sql);
    ssize_t n = write (fds[1], &sample, sizeof sample);
    _exit (n == ssize_t (sizeof sample) ? 0 : 1);
  }
  close (fds[1]);
  Sample sample;
  ssize_t n = read (fds[0], &sample, sizeof sample);
  close (fds[0]);
  int status = 0;
  waitpid (pid, &status, 0);
  if (n != ssize_t (sizeof sample) || !WIFEXITED (status) || WEXITSTATUS (status) != 0)
    die (kVariantNames[v], "the measuring child failed");
  return sample;
}

struct Stats {
  double median, min, max;
};

Stats stats (std::vector<double> v)
{
  std::sort (v.begin (), v.end ());
  size_t n = v.size ();
  double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  return {median, v.front (), v.back ()};
}

int run (const Server &s, const std::string &table, int rounds)
{
  std::string sql = select_all (table);
  for (int v = 0; v < kVariants; ++v)
    measure (Variant (v), s, sql);  // warm-up, not counted

  std::vector<Sample> samples[kVariants];
  for (int r = 0; r < rounds; ++r)
    for (int k = 0; k < kVariants; ++k) {
      auto v = Variant ((r + k) % kVariants);
      samples[v].push_back (measure (v, s, sql));
    }

  long cells = samples[kFloor][0].cells;
  for (int v = 0; v < kVariants; ++v)
    for (const Sample &x : samples[v])
      if (x.cells != cells)
        die (kVariantNames[v], "a variant saw a different number of cells");
  bool peaks_reset = true;
  for (const auto &list : samples)
    for (const Sample &x : list)
      peaks_reset = peaks_reset && x.peak_reset;

  std::printf ("\n%s: %ld rows x 10 columns = %ld cells, %d rounds (medians; min..max)\n", table.c_str (), cells / 10,
               cells, rounds);
  std::printf ("%-26s %9s %20s %11s %9s %11s %12s %11s\n", "", "build ms", "x floor (same round)", "client CPU",
               "CPU ns", "release ms", "release", "peak B");
  std::printf ("%-26s %9s %20s %11s %9s %11s %12s %11s\n", "", "", "", "ms", "/cell", "", "/ build", "/cell");
  double floor_peak = 0;
  for (int v = 0; v < kVariants; ++v) {
    std::vector<double> build, ratio, cpu, release, release_share, peak;
    for (int r = 0; r < rounds; ++r) {
      const Sample &x = samples[v][r];
      build.push_back (x.build_ms);
      ratio.push_back (x.build_ms / samples[kFloor][r].build_ms);
      cpu.push_back (x.cpu_ms);
      release.push_back (x.release_ms);
      release_share.push_back (x.release_ms / x.build_ms);
      peak.push_back (double (x.peak_kib) * 1024.0 / double (cells));
    }
    Stats b = stats (build), q = stats (ratio), c = stats (cpu), rel = stats (release), rs = stats (release_share),
          p = stats (peak);
    if (v == kFloor)
      floor_peak = p.median;
    char ratio_text[64];
    std::snprintf (ratio_text, sizeof ratio_text, "%.2f (%.2f..%.2f)", q.median, q.min, q.max);
    std::printf ("%-26s %9.1f %20s %11.1f %9.1f %11.1f %12.2f %11.1f", kVariantNames[v], b.median, ratio_text,
                 c.median, c.median * 1e6 / double (cells), rel.median, rs.median, p.median);
    if (v != kFloor)
      std::printf ("  (+%.1f above floor)", p.median - floor_peak);
    std::printf ("\n");
  }
  if (!peaks_reset)
    std::printf ("note: /proc/self/clear_refs was not writable; peaks include the child's start\n");
  return 0;
}

}  // namespace

int main (int argc, char **argv)
{
  if (argc < 3) {
    std::fprintf (stderr, "usage: %s ENV setup | ENV run TABLE ROUNDS | ENV once floor|model|reader TABLE\n", argv[0]);
    return 2;
  }
  Server s = read_env (argv[1]);
  std::string command = argv[2];
  if (command == "setup") {
    setup (s);
    return 0;
  }
  if (command == "run" && argc == 5)
    return run (s, argv[3], std::max (1, std::atoi (argv[4])));
  if (command == "once" && argc == 5) {
    std::string name = argv[3];
    Variant v = name == "floor" ? kFloor : name == "model" ? kModel : name == "reader" ? kReader : kVariants;
    if (v != kVariants) {
      Sample x = run_variant (v, s, select_all (argv[4]));
      std::printf ("%s: %ld cells, build %.1f ms (client CPU %.1f ms), release %.1f ms\n", kVariantNames[v], x.cells,
                   x.build_ms, x.cpu_ms, x.release_ms);
      return 0;
    }
  }
  std::fprintf (stderr, "usage: %s ENV setup | ENV run TABLE ROUNDS | ENV once floor|model|reader TABLE\n", argv[0]);
  return 2;
}
