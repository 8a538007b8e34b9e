/* What the drivers of the load benchmarks (result-load, postgresql-load,
 * sqlite-load) share: every measurement in a child process of its own, a
 * peer program beside the driver by exec; rounds whose order turns; GLib's
 * floor of one GObject per cell; and the table that sets the ways of
 * loading one source side by side. */
#pragma once

#include "load-common.h"

#include <glib-object.h>
#include <sys/wait.h>
#include <limits.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace load {

/* A peer program lives in the driver's own folder. */
inline std::string program_beside (const char *name)
{
  char self[PATH_MAX];
  ssize_t n = readlink ("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0)
    die ("readlink", std::strerror (errno));
  std::string dir (self, size_t (n));
  return dir.substr (0, dir.rfind ('/') + 1) + name;
}

inline bool program_present (const char *name)
{
  return name == nullptr || access (program_beside (name).c_str (), X_OK) == 0;
}

/* A way to load that this build or this library cannot do: the child exits
 * with it and the table says "n/a". */
constexpr int kNotAvailable = 3;

/* One measurement in a child: program (beside this one) run with args, or
 * run () in a fork when program is null. Answers nothing when the child
 * exits with kNotAvailable; any other failure ends the driver. */
inline std::optional<Sample> measure_in_child (const char *label, const char *program,
                                               const std::vector<std::string> &args, const std::function<Sample ()> &run)
{
  int fds[2];
  if (pipe (fds) != 0)
    die ("pipe", std::strerror (errno));
  std::string path = program != nullptr ? program_beside (program) : std::string ();
  std::vector<char *> argv;
  argv.push_back (path.data ());
  for (const std::string &a : args)
    argv.push_back (const_cast<char *> (a.c_str ()));
  argv.push_back (nullptr);
  std::fflush (nullptr);
  pid_t pid = fork ();
  if (pid < 0)
    die ("fork", std::strerror (errno));
  if (pid == 0) {
    close (fds[0]);
    if (program != nullptr) {
      if (dup2 (fds[1], STDOUT_FILENO) < 0)
        _exit (127);
      close (fds[1]);
      execv (path.c_str (), argv.data ());
      _exit (127);
    }
    Sample sample = run ();
    FILE *out = fdopen (fds[1], "w");
    if (out == nullptr)
      _exit (1);
    print_sample (out, sample);
    _exit (std::fclose (out) == 0 ? 0 : 1);
  }
  close (fds[1]);
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = read (fds[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      break;
    text.append (buffer, size_t (n));
  }
  close (fds[0]);
  int status = 0;
  while (waitpid (pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED (status) && WEXITSTATUS (status) == kNotAvailable)
    return std::nullopt;
  Sample sample;
  if (!WIFEXITED (status) || WEXITSTATUS (status) != 0 || !parse_sample (text.c_str (), sample))
    die (label, "the measuring child failed");
  return sample;
}

/* GLib's own floor for any library of value objects: one GObject made and
 * released per cell. */
MEASURED inline int measured_gobjects (long cells)
{
  for (long i = 0; i < cells; ++i)
    g_object_unref (g_object_new (G_TYPE_OBJECT, nullptr));
  return 0;
}

inline Sample gobject_floor (long cells)
{
  return timed (
    [cells] (long &counted) {
      counted = cells;
      return measured_gobjects (cells);
    },
    [] (int) {});
}

/* The first three fields of /proc/loadavg: how busy the shared machine was. */
inline std::string load_average ()
{
  std::ifstream in ("/proc/loadavg");
  std::string a, b, c;
  in >> a >> b >> c;
  return a + " " + b + " " + c;
}

struct Stats {
  double median, min, max;
};

inline Stats stats (std::vector<double> v)
{
  std::sort (v.begin (), v.end ());
  size_t n = v.size ();
  double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  return {median, v.front (), v.back ()};
}

/* One way of loading a source: done in a fork by run, or by a peer program
 * given args. */
struct Way {
  const char *key;
  const char *label;
  const char *program; /* a peer program beside the driver, or null */
  std::vector<std::string> args;
  std::function<Sample ()> run;
};

/* What the table of one source says of one way, for the summaries after
 * it; zero where the way was not available. */
struct WayMedians {
  double wall_ns = 0; /* build + release, per cell */
  double cpu_ns = 0;  /* client CPU, release included, per cell */
  double wall_ratio = 0; /* over the floor of the same round */
};

/* Measures every way on one source in rounds whose order turns, each in a
 * child, and prints one table: wall time (build + release) and the
 * client's CPU with the release, per cell, beside the first way (the floor)
 * and GLib's floor of one GObject per cell, measured in the same rounds. */
inline std::vector<WayMedians> run_source (const char *source, long cells, int rounds, const std::vector<Way> &ways)
{
  std::vector<Way> all = ways;
  all.push_back ({"gobject", "one GObject per cell", nullptr, {}, [cells] { return gobject_floor (cells); }});
  size_t n = all.size ();
  std::vector<std::vector<std::optional<Sample>>> samples (n);
  std::vector<bool> missing (n, false);
  for (int r = 0; r < rounds; ++r)
    for (size_t k = 0; k < n; ++k) {
      size_t w = (size_t (r) + k) % n;
      const Way &way = all[w];
      if (missing[w] || !program_present (way.program)) {
        samples[w].push_back (std::nullopt);
        continue;
      }
      auto sample = measure_in_child (way.label, way.program, way.args, way.run);
      if (sample && sample->cells != cells)
        die (way.label, "saw a different number of cells");
      missing[w] = !sample.has_value ();
      samples[w].push_back (sample);
    }
  std::printf ("\n%s: %ld rows x 10 columns = %ld cells, %d rounds; medians over the rounds\n", source, cells / 10,
               cells, rounds);
  std::printf ("load average after the rounds (this run's own included): %s\n", load_average ().c_str ());
  std::printf ("\n| %-32s | %9s | %8s | %7s | %9s | %8s | %8s | %8s |\n", "way", "wall ms", "wall ns", "wall x",
               "release", "CPU ns", "CPU x", "peak B");
  std::printf ("| %-32s | %9s | %8s | %7s | %9s | %8s | %8s | %8s |\n", "", "", "/cell", "floor", "ms", "/cell",
               "GObject", "/cell");
  std::printf ("|%s|%s|%s|%s|%s|%s|%s|%s|\n", std::string (34, '-').c_str (), std::string (10, '-').append (":").c_str (),
               std::string (9, '-').append (":").c_str (), std::string (8, '-').append (":").c_str (),
               std::string (10, '-').append (":").c_str (), std::string (9, '-').append (":").c_str (),
               std::string (9, '-').append (":").c_str (), std::string (9, '-').append (":").c_str ());
  auto complete = [&] (size_t w) {
    return std::all_of (samples[w].begin (), samples[w].end (), [] (const auto &s) { return s.has_value (); });
  };
  size_t gobject = n - 1;
  std::vector<WayMedians> medians (n);
  double gobject_cpu = 0;
  if (complete (gobject)) {
    std::vector<double> cpu;
    for (const auto &s : samples[gobject])
      cpu.push_back (s->total_cpu_ms);
    gobject_cpu = stats (cpu).median;
  }
  for (size_t w = 0; w < n; ++w) {
    if (!complete (w)) {
      std::printf ("| %-32s | %9s | %8s | %7s | %9s | %8s | %8s | %8s |\n", all[w].label, "n/a", "n/a", "n/a", "n/a",
                   "n/a", "n/a", "n/a");
      continue;
    }
    std::vector<double> wall, ratio, release, cpu, peak;
    for (int r = 0; r < rounds; ++r) {
      const Sample &x = *samples[w][size_t (r)];
      wall.push_back (x.build_ms + x.release_ms);
      if (complete (0))
        ratio.push_back ((x.build_ms + x.release_ms) / (samples[0][size_t (r)]->build_ms + samples[0][size_t (r)]->release_ms));
      release.push_back (x.release_ms);
      cpu.push_back (x.total_cpu_ms);
      peak.push_back (double (x.peak_kib) * 1024.0 / double (cells));
    }
    double wall_ms = stats (wall).median, cpu_ms = stats (cpu).median;
    medians[w] = {wall_ms * 1e6 / double (cells), cpu_ms * 1e6 / double (cells), ratio.empty () ? 0 : stats (ratio).median};
    std::printf ("| %-32s | %9.1f | %8.1f | %7.2f | %9.1f | %8.1f | %8.2f | %8.1f |\n", all[w].label, wall_ms,
                 medians[w].wall_ns, medians[w].wall_ratio, stats (release).median, medians[w].cpu_ns,
                 gobject_cpu > 0 ? cpu_ms / gobject_cpu : 0.0, stats (peak).median);
  }
  std::printf ("\n");
  for (const Way &way : all)
    if (way.program != nullptr && !program_present (way.program))
      std::printf ("left out: %s (%s was not built)\n", way.label, way.program);
  std::fflush (stdout);
  return medians;
}

/* One load of the way named `key` (or "gobject", GLib's floor) of
 * `cells` cells, in this process, for a profiler: a peer program replaces
 * this one by exec (valgrind --trace-children=yes follows it). Prints the
 * sample; answers the exit status. */
inline int run_once (const std::vector<Way> &ways, const std::string &key, long cells)
{
  std::optional<Sample> x;
  if (key == "gobject")
    x = gobject_floor (cells);
  for (const Way &way : ways) {
    if (key != way.key)
      continue;
    if (way.program != nullptr) {
      std::string path = program_beside (way.program);
      std::vector<char *> argv{path.data ()};
      for (const std::string &a : way.args)
        argv.push_back (const_cast<char *> (a.c_str ()));
      argv.push_back (nullptr);
      std::fflush (nullptr);
      execv (path.c_str (), argv.data ());
      die (path.c_str (), std::strerror (errno));
    }
    x = way.run ();
  }
  if (!x) {
    std::fprintf (stderr, "no way named %s\n", key.c_str ());
    return 2;
  }
  std::printf ("%s: %ld cells, build %.1f ms, release %.1f ms, client CPU %.1f ms (build alone %.1f ms)\n", key.c_str (), x->cells,
               x->build_ms, x->release_ms, x->total_cpu_ms, x->cpu_ms);
  return 0;
}

/* The goals of a provider's ways on one source: load + release at or below
 * every peer's wall time, and client CPU within 1.2x GLib's floor. The
 * indices name the ways of run_source's answer. */
inline void print_goals (const char *source, const std::vector<Way> &ways, const std::vector<WayMedians> &medians,
                         const std::vector<size_t> &own, const std::vector<size_t> &peers)
{
  const WayMedians &gobject = medians.back ();
  std::printf ("goals on %s\n", source);
  for (size_t o : own) {
    if (medians[o].wall_ns <= 0) {
      std::printf ("  n/a  %s\n", ways[o].label);
      continue;
    }
    for (size_t p : peers)
      if (medians[p].wall_ns > 0)
        std::printf ("  %-4s %s at or below %s in wall time: %.1f against %.1f ns/cell\n",
                     medians[o].wall_ns <= medians[p].wall_ns ? "met" : "NOT", ways[o].label, ways[p].label,
                     medians[o].wall_ns, medians[p].wall_ns);
    if (gobject.cpu_ns > 0)
      std::printf ("  %-4s %s client CPU within 1.2x one GObject per cell: %.2fx\n",
                   medians[o].cpu_ns <= 1.2 * gobject.cpu_ns ? "met" : "NOT", ways[o].label,
                   medians[o].cpu_ns / gobject.cpu_ns);
  }
}

}  // namespace load
