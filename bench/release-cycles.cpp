/* Many loads of one result in a row, each dropped before the next: what
 * the process keeps resident from cycle to cycle, and how long the
 * caller's last unref of each table takes.
 *
 *   release-cycles ENV TABLE CYCLES library|caller
 *
 * ENV is the server.env that scripts/test-server writes; TABLE one of
 * result-load's tables (result-load ENV setup makes them). `library`
 * drops each table with its last unref, as an application does; `caller`
 * holds the table's row list across that unref and drops the list after
 * it, which releases every row and value right there on the caller's
 * thread whatever the library would do with a table of its own. The
 * allocator is the environment's: run it with and without
 * G_SLICE=always-malloc. Prints one line per cycle, then a summary; the
 * drop is timed by the clock and by the dropping thread's own CPU time,
 * which a loaded machine does not stretch. */
#include "load-provider.h"

#include <libproviders/providers.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using load::die;
using load::open_provider;

int
main (int argc, char **argv)
{
  if (argc != 5 || (std::strcmp (argv[4], "library") != 0 && std::strcmp (argv[4], "caller") != 0)) {
    std::fprintf (stderr, "usage: %s ENV TABLE CYCLES library|caller\n", argv[0]);
    return 2;
  }
  const load::Server server = load::read_env (argv[1]);
  const std::string sql = load::select_all (argv[2]);
  const long cycles = std::atol (argv[3]);
  const bool on_caller = std::strcmp (argv[4], "caller") == 0;
  const char *slice = g_getenv ("G_SLICE");

  auto *provider = open_provider (server);
  std::vector<long> peaks;
  std::vector<double> drops, drop_cpus;
  const long start_kib = load::status_kib ("VmRSS");
  for (long i = 0; i < cycles; ++i) {
    GError *error = nullptr;
    auto *model = torvanix_providers_contracts_iprovider_execute_model (provider, sql.c_str (), 0, &error);
    if (model == nullptr)
      die ("execute_model", error ? error->message : "no model");
    GeeArrayList *rows = nullptr;
    if (on_caller)
      g_object_get (model, "rows", &rows, nullptr);
    const double t0 = load::now_ms (), c0 = load::thread_cpu_ms ();
    g_object_unref (model);
    if (rows != nullptr)
      g_object_unref (rows);
    drops.push_back (load::now_ms () - t0);
    drop_cpus.push_back (load::thread_cpu_ms () - c0);
    peaks.push_back (load::status_kib ("VmHWM"));
    std::printf ("cycle %3ld: drop %7.2f ms (CPU %7.2f ms), resident %7ld KiB, peak %7ld KiB\n", i + 1, drops.back (),
                 drop_cpus.back (), load::status_kib ("VmRSS"), peaks.back ());
  }
  g_object_unref (provider);
  std::sort (drops.begin (), drops.end ());
  std::sort (drop_cpus.begin (), drop_cpus.end ());
  std::printf ("%s release, G_SLICE=%s: start %ld KiB, peak after cycle 1 %ld KiB, after cycle %ld %ld KiB (x%.2f); "
               "caller's drop median %.2f ms, its CPU median %.2f ms\n",
               on_caller ? "caller's" : "library's", slice ? slice : "(unset)", start_kib, peaks.front (), cycles,
               peaks.back (), double (peaks.back ()) / double (peaks.front ()), drops[drops.size () / 2],
               drop_cpus[drop_cpus.size () / 2]);
  return 0;
}
