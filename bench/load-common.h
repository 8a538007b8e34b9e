/* What the load benchmarks and their peer programs (result-load-gda,
 * result-load-qt, result-load-soci) share: the server description, the
 * MySQL sources, and how one load is timed and reported, so that every way
 * of loading is measured by the same rules. */
#pragma once

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace load {

struct Server {
  std::string host;
  unsigned port = 0;
  std::string user;
  std::string password;
  std::string database;
};

[[noreturn]] inline void die (const char *what, const char *detail)
{
  std::fprintf (stderr, "result-load: %s: %s\n", what, detail);
  std::exit (1);
}

/* The KEY=VALUE lines that scripts/test-server writes. */
inline Server read_env (const char *path)
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
  if (s.port == 0)
    die ("no server described in", path);
  return s;
}

/* The rows of a source: a stored table ("t", "t_20k"), or "seq_N", N rows
 * that the server makes as fast as it can send them (its sequence engine),
 * so that the client's share shows undimmed by the server's. Sizes may end
 * in k or m ("seq_200k", "seq_2m"). */
inline std::string select_all (const std::string &source)
{
  if (source.compare (0, 4, "seq_") == 0) {
    std::string n = source.substr (4);
    long scale = 1;
    if (!n.empty () && (n.back () == 'k' || n.back () == 'm')) {
      scale = n.back () == 'k' ? 1000 : 1000000;
      n.pop_back ();
    }
    return "SELECT seq, seq*1.5, CONCAT('row ', seq), seq % 7, NOW(), CAST(seq AS CHAR), seq+1, seq+2, seq+3, 'x'"
           " FROM seq_1_to_"
           + std::to_string (std::atol (n.c_str ()) * scale);
  }
  return "SELECT id, u64, dbl, dec2, name, txt, dt, dd, tiny, nint FROM " + source;
}

struct Sample {
  double build_ms = 0;    /* query to every cell in hand */
  double release_ms = 0;  /* freeing the result: the caller's last unref */
  double cpu_ms = 0;      /* this process's CPU time for the build */
  double total_cpu_ms = 0; /* the same for build and release */
  long peak_kib = 0;      /* resident peak above the size before the query */
  long cells = 0;
  bool peak_reset = false;
};

/* One line of text, so that a sample crosses exec as well as fork. */
inline void print_sample (FILE *out, const Sample &x)
{
  std::fprintf (out, "%ld %.6f %.6f %.6f %.6f %ld %d\n", x.cells, x.build_ms, x.release_ms, x.cpu_ms,
                x.total_cpu_ms, x.peak_kib, int (x.peak_reset));
}

inline bool parse_sample (const char *text, Sample &x)
{
  int reset = 0;
  if (std::sscanf (text, "%ld %lf %lf %lf %lf %ld %d", &x.cells, &x.build_ms, &x.release_ms, &x.cpu_ms,
                   &x.total_cpu_ms, &x.peak_kib, &reset)
      != 7)
    return false;
  x.peak_reset = reset != 0;
  return true;
}

inline double now_ms ()
{
  timespec t{};
  clock_gettime (CLOCK_MONOTONIC, &t);
  return double (t.tv_sec) * 1e3 + double (t.tv_nsec) / 1e6;
}

/* The calling thread's own CPU time: what a thread spends, whatever else
 * the machine is doing. */
inline double thread_cpu_ms ()
{
  timespec t{};
  clock_gettime (CLOCK_THREAD_CPUTIME_ID, &t);
  return double (t.tv_sec) * 1e3 + double (t.tv_nsec) / 1e6;
}

inline double cpu_ms ()
{
  rusage u{};
  getrusage (RUSAGE_SELF, &u);
  return double (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3
         + double (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

/* The process's CPU time once none of its threads has run for 20 ms: what
 * a library's own threads (a release thread) spend finishing the work the
 * caller handed them counts as the caller's, though not in its wall time.
 * The caller sleeps meanwhile, so the time that grows is theirs. */
inline double settled_cpu_ms ()
{
  const double start = now_ms ();
  double last = cpu_ms ();
  for (int quiet = 0; quiet < 4 && now_ms () - start < 120000;) {
    usleep (5000);
    const double now = cpu_ms ();
    quiet = now - last < 0.25 ? quiet + 1 : 0;
    last = now;
  }
  return last;
}

/* A field of /proc/self/status in KiB ("VmRSS", "VmHWM"). */
inline long status_kib (const char *field)
{
  std::ifstream in ("/proc/self/status");
  std::string key = std::string (field) + ":";
  for (std::string line; std::getline (in, line);)
    if (line.compare (0, key.size (), key) == 0)
      return std::atol (line.c_str () + key.size ());
  return -1;
}

/* Lowers the peak to the present resident size, so the peak read later
 * is this process's own work. */
inline bool reset_peak ()
{
  FILE *f = std::fopen ("/proc/self/clear_refs", "w");
  if (f == nullptr)
    return false;
  bool ok = std::fputs ("5", f) >= 0;
  return std::fclose (f) == 0 && ok;
}

/* Times build and release of one load; the peak is read after both.
 * build (cells) returns what release takes.
 *
 * Under callgrind started with --instr-atstart=no (scripts/bench-load
 * --callgrind), only build and release are counted, each dumped on its
 * own, in every thread: a library may hand work to threads of its own,
 * which the inclusive cost of the calling function would miss. Outside
 * valgrind the requests do nothing. */
template <typename Build, typename Release>
Sample timed (Build build, Release release)
{
  Sample out;
  out.peak_reset = reset_peak ();
  long base = status_kib ("VmRSS");
  double c0 = cpu_ms (), t0 = now_ms ();
  CALLGRIND_START_INSTRUMENTATION;
  auto held = build (out.cells);
  CALLGRIND_DUMP_STATS_AT ("build");
  double t1 = now_ms ();
  out.cpu_ms = cpu_ms () - c0;
  release (held);
  out.release_ms = now_ms () - t1;
  out.total_cpu_ms = settled_cpu_ms () - c0;
  CALLGRIND_DUMP_STATS_AT ("release");
  CALLGRIND_STOP_INSTRUMENTATION;
  out.build_ms = t1 - t0;
  out.peak_kib = status_kib ("VmHWM") - base;
  return out;
}

/* The measured parts are functions of their own, never inlined, so that
 * a profiler can report each one's cost. */
#define MEASURED __attribute__ ((noinline))

}  // namespace load
