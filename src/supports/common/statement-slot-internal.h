/* The frame of a provider's statement slot, after the slot's own argument
 * checks: SQL text the entry checks refuse fails before anything reaches
 * the engine, and the work runs with no exception let out. */
#pragma once

#include <glib.h>

#include <utility>

#include "common/boundary.h"
#include "supports/common/entry-checks-internal.h"

namespace providers::home {

/* `work` () for a `statement` the entry checks let through, else
 * `refused` with their error; both failures are errors of `domain`, an
 * escaping exception one of code -1. `function` names the slot in the
 * message of an allocation that fails. */
template <typename T, typename Work>
T
guarded_statement (const char *function, const gchar *statement, GQuark domain, GError **error, T refused,
                   Work &&work) noexcept
{
  if (!providers::home::check_sql_text (statement, -1, domain, error))
    return refused;
  return providers::guarded_error (function, error, domain, refused, std::forward<Work> (work));
}

}  // namespace providers::home
