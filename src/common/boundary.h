/* Keeps C++ exceptions from crossing the C interface.
 *
 * Exported functions that call into the C++ standard library (which may
 * throw std::bad_alloc or std::length_error) run their body through
 * `providers::guarded`: an escaping exception becomes a CRITICAL naming the
 * function and the documented zero value is returned instead.
 */
#pragma once

#include <glib.h>

#include <exception>
#include <utility>

namespace providers {

template <typename Fallback, typename Body>
auto guarded (const char *function, Fallback &&fallback, Body &&body) noexcept
    -> decltype (body ()) {
  try {
    return std::forward<Body> (body) ();
  } catch (const std::exception &e) {
    g_critical ("%s: %s", function, e.what ());
  } catch (...) {
    g_critical ("%s: unexpected exception", function);
  }
  return std::forward<Fallback> (fallback);
}

}  // namespace providers

#define PROVIDERS_GUARDED(fallback, ...) ::providers::guarded (__func__, fallback, [&] () __VA_ARGS__)
