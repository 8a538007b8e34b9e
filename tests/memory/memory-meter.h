/* Measures what a loop leaves behind: the bytes the allocator has handed
 * out and not got back (exact under AddressSanitizer, whose quarantine
 * does not count), and the resident size the kernel reports. */
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define PROVIDERS_MEMORY_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PROVIDERS_MEMORY_ASAN 1
#endif
#endif

#ifdef PROVIDERS_MEMORY_ASAN
/* From the sanitizer runtime (declared here: not every compiler ships the
 * header). */
extern "C" size_t __sanitizer_get_current_allocated_bytes (void);
#else
#include <malloc.h>
#endif

namespace providers::testing {

inline size_t
live_heap_bytes ()
{
#ifdef PROVIDERS_MEMORY_ASAN
  return __sanitizer_get_current_allocated_bytes ();
#else
  struct mallinfo2 info = mallinfo2 ();
  return info.uordblks + info.hblkhd;
#endif
}

inline size_t
resident_bytes ()
{
  std::ifstream statm ("/proc/self/statm");
  size_t pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4096;
}

/* The process's peak resident size so far (VmHWM), in bytes. */
inline size_t
peak_resident_bytes ()
{
  std::ifstream status ("/proc/self/status");
  for (std::string line; std::getline (status, line);)
    if (line.compare (0, 6, "VmHWM:") == 0) return std::strtoull (line.c_str () + 6, nullptr, 10) * 1024;
  return 0;
}

/* Lowers the peak to the present resident size, so that a peak read
 * later is what came since; false where the kernel does not allow it. */
inline bool
reset_peak_resident ()
{
  std::ofstream clear ("/proc/self/clear_refs");
  clear << "5";
  clear.close ();
  return !clear.fail ();
}

/* A number from the environment's `variable`, or `fallback` where it is
 * unset or empty: the test run keeps to small figures, scripts/memory asks
 * for large ones. */
inline long
figure_from_environment (const char *variable, long fallback)
{
  const char *text = std::getenv (variable);
  return text != nullptr && *text != '\0' ? std::strtol (text, nullptr, 10) : fallback;
}

/* Cycles to run: PROVIDERS_MEMORY_CYCLES, or `fallback`. */
inline long
cycles_to_run (long fallback)
{
  return figure_from_environment ("PROVIDERS_MEMORY_CYCLES", fallback);
}

struct MemoryFigures {
  long cycles = 0;
  long long heap_growth = 0;
  long long resident_growth = 0;
  size_t heap_after = 0;
  size_t resident_after = 0;
};

/* Runs `cycle` a tenth of `cycles` times to settle one-time allocations,
 * then `cycles` times measured. */
template <typename Cycle>
MemoryFigures
measure (long cycles, Cycle cycle)
{
  for (long i = 0; i < cycles / 10 + 1; ++i) cycle (i);
  MemoryFigures figures;
  figures.cycles = cycles;
  size_t heap_before = live_heap_bytes ();
  size_t resident_before = resident_bytes ();
  for (long i = 0; i < cycles; ++i) cycle (i);
  figures.heap_after = live_heap_bytes ();
  figures.resident_after = resident_bytes ();
  figures.heap_growth = static_cast<long long> (figures.heap_after) - static_cast<long long> (heap_before);
  figures.resident_growth = static_cast<long long> (figures.resident_after) - static_cast<long long> (resident_before);
  std::printf ("memory: %ld cycles, live heap %+lld bytes (now %zu), resident %+lld bytes (now %zu)\n", cycles,
               figures.heap_growth, figures.heap_after, figures.resident_growth, figures.resident_after);
  return figures;
}

}  // namespace providers::testing
