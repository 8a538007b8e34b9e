/* What an engine library checks before it builds anything: that the
 * libproviders it runs with hands out the builders' table it was built
 * for. */
#pragma once

#include <glib.h>

namespace providers::home {

/* Whether the builders' table libproviders handed out has the version and
 * size this library was built with; else false, with an error of `domain`
 * and `code` that names both sides. Once it has answered true, internals ()
 * answers that table. A library's open calls it first, so that a mismatch
 * fails there instead of calling through the wrong slot. */
bool internals_match (GQuark domain, gint code, GError **error);

}  // namespace providers::home
