/* Loading a whole query result: how far the provider is from the wire,
 * and where other database libraries stand on the same work.
 *
 *   result-load ENV setup                        create and fill the tables
 *   result-load ENV run TABLE ROUNDS [TABLE ROUNDS]...
 *                                                measure, print one table
 *                                                per TABLE, then how the
 *                                                ratios change with the
 *                                                size of a source, and the
 *                                                goals met or not
 *
 * TABLE is a stored table (t, t_20k) or seq_N, N rows the server makes
 * on the fly (seq_200k, seq_2m; see load::select_all).
 *   result-load ENV once VARIANT TABLE           one load, for a profiler
 *   result-load ENV sql TABLE                    the SQL that loads TABLE
 *
 * ENV is the server.env that scripts/test-server writes. Each round runs
 * every way of loading every row of TABLE, in an order that turns with
 * the round:
 *   floor   the bare client library: mysql_store_result, every cell touched
 *   model   execute_model
 *   reader  execute_reader, get_values for every row
 *   gda     libgda 5: a random-access data model, get_value_at every cell
 *   qt      Qt 5 QMYSQL: a forward-only QSqlQuery, value(i) every cell
 * gda and qt are the programs result-load-gda and result-load-qt beside
 * this one, built only when their development packages are present; a
 * variant whose program is missing is left out and said so.
 * Every measurement runs in a child process of its own, so that the peak
 * resident memory of one does not hide another's and no run warms the
 * allocator for the next. Times are wall-clock: the server shares the
 * machine, and what users wait for includes it. Each ratio divides by the
 * floor of the same round, so that a slow round slows both sides. A
 * stored table gets one more round first, not counted, that warms the
 * server's caches.
 *
 * Long for one file, as the driver of a whole measurement: the rounds, the
 * child processes and the report of their ratios read best together; what
 * the peers' programs share with it is load-common.h. */
#include "load-driver.h"
#include "load-provider.h"

#include <libproviders/providers.h>

#include <mysql.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using load::die;
using load::open_provider;
using load::Sample;
using load::Server;
using load::select_all;
using load::stats;
using load::Stats;
using load::load_average;

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

enum Variant { kFloor, kModel, kReader, kGda, kQt, kVariants };

struct VariantInfo {
  const char *key;
  const char *label;
  const char *program; /* a peer program beside this one, or none */
  const char *work;    /* what it does, for the legend */
};

const VariantInfo kInfo[kVariants] = {
  {"floor", "floor (store_result)", nullptr, "mysql_real_query, mysql_store_result, every cell's bytes touched"},
  {"model", "execute_model", nullptr, "a table model holding every row as typed values"},
  {"reader", "execute_reader+get_values", nullptr, "read and get_values for every row, each row's values dropped"},
  {"gda", "libgda5 model+get_value_at", "result-load-gda",
   "libgda 5 MySQL provider: execute_select_command (a random-access\n"
   "                             data model holding every row), get_value_at for every cell"},
  {"qt", "Qt5 QMYSQL forward-only", "result-load-qt",
   "Qt 5 QMYSQL: QSqlQuery with setForwardOnly(true), next and value(i)\n"
   "                             for every cell, each QVariant dropped"},
};

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

Sample run_floor (const Server &s, const std::string &sql)
{
  MYSQL *mysql = connect_raw (s);
  Sample out = load::timed ([&] (long &cells) { return measured_build_floor (mysql, sql, cells); }, measured_release_floor);
  mysql_close (mysql);
  return out;
}

/* What a measurement needs to know, in the parent and in its child. */
struct Target {
  const char *env_path;
  Server server;
  std::string table;
};

Sample run_variant (Variant v, const Target &t)
{
  std::string sql = select_all (t.table);
  auto open = [&] { return open_provider (t.server); };
  return v == kFloor ? run_floor (t.server, sql) : v == kModel ? load::model_load (open, sql) : load::reader_load (open, sql);
}

bool available (Variant v)
{
  return load::program_present (kInfo[v].program);
}

/* Runs one variant in a child (a peer program by exec) and hands back
 * what it measured. */
Sample measure (Variant v, const Target &t)
{
  std::vector<std::string> args{"MySQL", t.env_path, select_all (t.table)};
  auto sample = load::measure_in_child (kInfo[v].label, kInfo[v].program, args, [&] { return run_variant (v, t); });
  if (!sample)
    die (kInfo[v].label, "not available");
  return *sample;
}

/* The family of a source: "t" for t and t_20k, "seq" for seq_20k... */
std::string family (const std::string &source)
{
  return source.substr (0, source.find ('_'));
}

/* Per variant, the medians the linearity check compares; 0 when the
 * variant was left out. */
struct Medians {
  double ratio = 0;    /* build time over the same round's floor */
  double cpu_ns = 0;   /* client CPU per cell */
};

/* Measures every available variant on one table and prints its table. */
std::vector<Medians> run_table (const Target &t, int rounds)
{
  std::vector<Variant> variants;
  for (int v = 0; v < kVariants; ++v)
    if (available (Variant (v)))
      variants.push_back (Variant (v));
  /* Warms a stored table's pages in the server; a made result has none. */
  if (family (t.table) != "seq")
    for (Variant v : variants)
      measure (v, t);  // not counted

  std::vector<Sample> samples[kVariants];
  size_t n = variants.size ();
  for (int r = 0; r < rounds; ++r)
    for (size_t k = 0; k < n; ++k) {
      Variant v = variants[(size_t (r) + k) % n];
      samples[v].push_back (measure (v, t));
    }

  long cells = samples[kFloor][0].cells;
  bool peaks_reset = true;
  for (Variant v : variants)
    for (const Sample &x : samples[v]) {
      if (x.cells != cells)
        die (kInfo[v].label, "a variant saw a different number of cells");
      peaks_reset = peaks_reset && x.peak_reset;
    }

  std::printf ("\n%s: %ld rows x 10 columns = %ld cells, %d rounds; medians, and min..max over the rounds\n",
               t.table.c_str (), cells / 10, cells, rounds);
  std::printf ("load average after the rounds (this run's own included): %s\n", load_average ().c_str ());
  std::printf ("%-27s %8s %7s %7s %7s %9s %8s %9s %8s %8s %8s\n", "", "build", "x floor", "", "", "client", "CPU",
               "release", "release", "peak", "peak B");
  std::printf ("%-27s %8s %7s %7s %7s %9s %8s %9s %8s %8s %8s\n", "variant", "ms", "median", "min", "max", "CPU ms",
               "ns/cell", "ms", "/build", "B/cell", "> floor");
  std::vector<Medians> medians (kVariants);
  double floor_peak = 0;
  for (Variant v : variants) {
    std::vector<double> build, ratio, cpu, release, release_share, peak;
    for (int r = 0; r < rounds; ++r) {
      const Sample &x = samples[v][size_t (r)];
      build.push_back (x.build_ms);
      ratio.push_back (x.build_ms / samples[kFloor][size_t (r)].build_ms);
      cpu.push_back (x.cpu_ms);
      release.push_back (x.release_ms);
      release_share.push_back (x.release_ms / x.build_ms);
      peak.push_back (double (x.peak_kib) * 1024.0 / double (cells));
    }
    Stats b = stats (build), q = stats (ratio), c = stats (cpu), rel = stats (release), rs = stats (release_share),
          p = stats (peak);
    if (v == kFloor)
      floor_peak = p.median;
    medians[v] = {q.median, c.median * 1e6 / double (cells)};
    std::printf ("%-27s %8.1f %7.2f %7.2f %7.2f %9.1f %8.1f %9.2f %8.3f %8.1f %8.1f\n", kInfo[v].label, b.median,
                 q.median, q.min, q.max, c.median, c.median * 1e6 / double (cells), rel.median, rs.median, p.median,
                 p.median - floor_peak);
  }
  for (int v = 0; v < kVariants; ++v)
    if (!available (Variant (v)))
      std::printf ("left out: %s (%s was not built)\n", kInfo[v].label, kInfo[v].program);
  if (!peaks_reset)
    std::printf ("note: /proc/self/clear_refs was not writable; peaks include the child's start\n");
  std::fflush (stdout);
  return medians;
}

/* A cost per cell keeps its ratio to the floor whatever the size; a cost
 * that grows faster than the rows shows as a larger ratio on the larger
 * source. Client CPU per cell says the same with less of the noise of a
 * shared machine. The spread is the largest median over the smallest. */
void print_linearity (const std::vector<std::string> &tables, const std::vector<std::vector<Medians>> &medians)
{
  for (size_t first = 0; first < tables.size (); ++first) {
    std::vector<size_t> members;
    for (size_t k = 0; k < tables.size (); ++k)
      if (family (tables[k]) == family (tables[first]))
        members.push_back (k);
    if (members.size () < 2 || members[0] != first)
      continue;
    std::printf ("\nlinearity of %s: medians per source, and the spread (largest over smallest)\n",
                 family (tables[first]).c_str ());
    std::printf ("%-27s", "x floor");
    for (size_t k : members)
      std::printf (" %9s", tables[k].c_str ());
    std::printf (" %8s   %-8s", "spread", "CPU ns");
    for (size_t k : members)
      std::printf (" %9s", tables[k].c_str ());
    std::printf (" %8s\n", "spread");
    for (int v = kModel; v < kVariants; ++v) {
      double rmin = 1e300, rmax = 0, cmin = 1e300, cmax = 0;
      for (size_t k : members) {
        const Medians &m = medians[k][size_t (v)];
        rmin = std::min (rmin, m.ratio), rmax = std::max (rmax, m.ratio);
        cmin = std::min (cmin, m.cpu_ns), cmax = std::max (cmax, m.cpu_ns);
      }
      if (rmin <= 0)
        continue;
      std::printf ("%-27s", kInfo[v].label);
      for (size_t k : members)
        std::printf (" %9.2f", medians[k][size_t (v)].ratio);
      std::printf (" %+7.1f%%   %-8s", (rmax / rmin - 1) * 100, "");
      for (size_t k : members)
        std::printf (" %9.1f", medians[k][size_t (v)].cpu_ns);
      std::printf (" %+7.1f%%\n", (cmax / cmin - 1) * 100);
    }
  }
}

/* The goals the loading paths are held to, each with what this run
 * measured; a goal whose source was not measured is left out. */
void print_targets (const std::vector<std::string> &tables, const std::vector<std::vector<Medians>> &medians)
{
  auto find = [&] (const char *name) -> const std::vector<Medians> * {
    for (size_t k = 0; k < tables.size (); ++k)
      if (tables[k] == name)
        return &medians[k];
    return nullptr;
  };
  std::printf ("\ntargets (medians of this run)\n");
  auto line = [] (const char *goal, bool met, const char *measured) {
    std::printf ("  %-4s %-62s %s\n", met ? "met" : "NOT", goal, measured);
  };
  char text[160];
  for (const char *name : {"t", "seq_200k"}) {
    const auto *m = find (name);
    if (m == nullptr)
      continue;
    const Medians &reader = (*m)[kReader], &model = (*m)[kModel], &qt = (*m)[kQt];
    std::string on = std::string (" on ") + name;
    std::snprintf (text, sizeof text, "%.2fx", reader.ratio);
    line (("reader at most 2.0x the floor" + on).c_str (), reader.ratio <= 2.0, text);
    if (qt.ratio > 0) {
      std::snprintf (text, sizeof text, "%.2fx against %.2fx", reader.ratio, qt.ratio);
      line (("reader below Qt's ratio" + on).c_str (), reader.ratio < qt.ratio, text);
      std::snprintf (text, sizeof text, "%.1f against %.1f ns/cell", reader.cpu_ns, qt.cpu_ns);
      line (("reader's client CPU below Qt's" + on).c_str (), reader.cpu_ns < qt.cpu_ns, text);
    }
    double limit = std::strcmp (name, "t") == 0 ? 1.25 : 2.0;
    std::snprintf (text, sizeof text, "%.2fx", model.ratio);
    std::snprintf (text + 80, 80, "model at most %.2fx the floor%s", limit, on.c_str ());
    line (text + 80, model.ratio <= limit, text);
    std::snprintf (text, sizeof text, "%.1f ns/cell", model.cpu_ns);
    line (("model's client CPU at most 120 ns per cell" + on).c_str (), model.cpu_ns <= 120, text);
  }
  /* Linear: every path's CPU per cell within 10% across the sizes of the
   * sequence. */
  std::vector<size_t> seq;
  for (size_t k = 0; k < tables.size (); ++k)
    if (family (tables[k]) == "seq")
      seq.push_back (k);
  if (seq.size () >= 2)
    for (int v = kModel; v < kVariants; ++v) {
      double cmin = 1e300, cmax = 0;
      for (size_t k : seq)
        cmin = std::min (cmin, medians[k][size_t (v)].cpu_ns), cmax = std::max (cmax, medians[k][size_t (v)].cpu_ns);
      if (cmin <= 0)
        continue;
      std::snprintf (text, sizeof text, "%+.1f%%", (cmax / cmin - 1) * 100);
      std::string goal = std::string (kInfo[v].label) + ": CPU per cell within 10% across seq sizes";
      line (goal.c_str (), cmax / cmin <= 1.10, text);
    }
}

int run (const char *env_path, const Server &s, int count, char **args)
{
  for (int v = 0; v < kVariants; ++v)
    std::printf ("%-27s  %s\n", kInfo[v].label, kInfo[v].work);
  std::vector<std::string> tables;
  std::vector<std::vector<Medians>> medians;
  for (int i = 0; i + 1 < count; i += 2) {
    tables.push_back (args[i]);
    medians.push_back (run_table (Target{env_path, s, args[i]}, std::max (1, std::atoi (args[i + 1]))));
  }
  print_linearity (tables, medians);
  print_targets (tables, medians);
  return 0;
}

void usage (const char *self)
{
  std::fprintf (stderr,
                "usage: %s ENV setup | ENV run TABLE ROUNDS [TABLE ROUNDS]... | ENV once "
                "floor|model|reader|gda|qt TABLE | ENV sql TABLE\n",
                self);
}

}  // namespace

int main (int argc, char **argv)
{
  if (argc < 3) {
    usage (argv[0]);
    return 2;
  }
  Server s = load::read_env (argv[1]);
  std::string command = argv[2];
  if (command == "setup" && argc == 3) {
    setup (s);
    return 0;
  }
  if (command == "sql" && argc == 4) {
    std::printf ("%s\n", select_all (argv[3]).c_str ());
    return 0;
  }
  if (command == "run" && argc >= 5 && argc % 2 == 1)
    return run (argv[1], s, argc - 3, argv + 3);
  if (command == "once" && argc == 5) {
    std::string name = argv[3];
    for (int v = 0; v < kVariants; ++v) {
      if (name != kInfo[v].key)
        continue;
      if (kInfo[v].program != nullptr) {
        /* The peer prints its own sample line; a profiler follows it
         * through exec (valgrind --trace-children=yes). */
        std::string program = load::program_beside (kInfo[v].program), sql = select_all (argv[4]);
        execl (program.c_str (), program.c_str (), "MySQL", argv[1], sql.c_str (), static_cast<char *> (nullptr));
        die (program.c_str (), std::strerror (errno));
      }
      Sample x = run_variant (Variant (v), Target{argv[1], s, argv[4]});
      std::printf ("%s: %ld cells, build %.1f ms (client CPU %.1f ms), release %.1f ms\n", kInfo[v].label, x.cells,
                   x.build_ms, x.cpu_ms, x.release_ms);
      return 0;
    }
  }
  usage (argv[0]);
  return 2;
}
