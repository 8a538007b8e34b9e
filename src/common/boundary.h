/* Keeps C++ exceptions from crossing the C interface.
 *
 * Exported functions that call into the C++ standard library (which may
 * throw std::bad_alloc or std::length_error) run their body through
 * `providers::guarded`: an escaping exception becomes a CRITICAL naming the
 * function and the documented zero value is returned instead; functions
 * with an error out-parameter use `providers::guarded_error`, which sets
 * the error instead. Running out of memory aborts, as GLib's own
 * allocator does: no caller can go on from it.
 */
#pragma once

#include <glib.h>

#include <exception>
#include <new>
#include <utility>

namespace providers {

/* The one catch ladder: `report` hears what an escaping exception says
 * (null when it is no std::exception); running out of memory aborts. */
template <typename Fallback, typename Body, typename Report>
auto guarded_reporting (const char *function, Fallback &&fallback, Body &&body, Report &&report) noexcept
    -> decltype (body ()) {
  try {
    return std::forward<Body> (body) ();
  } catch (const std::bad_alloc &) {
    g_error ("%s: failed to allocate memory", function);
  } catch (const std::exception &e) {
    report (e.what ());
  } catch (...) {
    report (nullptr);
  }
  return std::forward<Fallback> (fallback);
}

template <typename Fallback, typename Body>
auto guarded (const char *function, Fallback &&fallback, Body &&body) noexcept
    -> decltype (body ()) {
  return guarded_reporting (function, std::forward<Fallback> (fallback), std::forward<Body> (body),
                            [function] (const char *what) {
                              g_critical ("%s: %s", function, what ? what : "unexpected exception");
                            });
}

template <typename Fallback, typename Body>
auto guarded_error (const char *function, GError **error, GQuark domain, Fallback &&fallback, Body &&body) noexcept
    -> decltype (body ()) {
  return guarded_reporting (function, std::forward<Fallback> (fallback), std::forward<Body> (body),
                            [error, domain] (const char *what) {
                              if (what) g_set_error (error, domain, -1, "%s", what);
                              else g_set_error_literal (error, domain, -1, "unexpected exception");
                            });
}

}  // namespace providers

#define PROVIDERS_GUARDED(fallback, ...) ::providers::guarded (__func__, fallback, [&] () __VA_ARGS__)
#define PROVIDERS_GUARDED_ERROR(error, domain, fallback, ...) \
  ::providers::guarded_error (__func__, error, domain, fallback, [&] () __VA_ARGS__)
