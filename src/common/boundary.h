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

template <typename Fallback, typename Body>
auto guarded (const char *function, Fallback &&fallback, Body &&body) noexcept
    -> decltype (body ()) {
  try {
    return std::forward<Body> (body) ();
  } catch (const std::bad_alloc &) {
    g_error ("%s: failed to allocate memory", function);
  } catch (const std::exception &e) {
    g_critical ("%s: %s", function, e.what ());
  } catch (...) {
    g_critical ("%s: unexpected exception", function);
  }
  return std::forward<Fallback> (fallback);
}

template <typename Fallback, typename Body>
auto guarded_error (const char *function, GError **error, GQuark domain, Fallback &&fallback, Body &&body) noexcept
    -> decltype (body ()) {
  try {
    return std::forward<Body> (body) ();
  } catch (const std::bad_alloc &) {
    g_error ("%s: failed to allocate memory", function);
  } catch (const std::exception &e) {
    g_set_error (error, domain, -1, "%s", e.what ());
  } catch (...) {
    g_set_error_literal (error, domain, -1, "unexpected exception");
  }
  return std::forward<Fallback> (fallback);
}

}  // namespace providers

#define PROVIDERS_GUARDED(fallback, ...) ::providers::guarded (__func__, fallback, [&] () __VA_ARGS__)
#define PROVIDERS_GUARDED_ERROR(error, domain, fallback, ...) \
  ::providers::guarded_error (__func__, error, domain, fallback, [&] () __VA_ARGS__)
