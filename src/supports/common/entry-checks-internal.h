/* The checks every provider makes where a call enters it, before anything
 * reaches the engine: SQL text the server would take in a different sense
 * than the caller wrote it, and a port the socket layer would wrap to
 * another one. They know no engine: each failure is code -1 of the error
 * domain the provider passes. */
#pragma once

#include <glib.h>

namespace providers::home {

/* Whether `text` can go to a server as written: no NUL character (C would
 * read it only up to there and run a shorter statement) and valid UTF-8
 * (the server would echo the bytes back as text that is not). `length` is
 * the byte length, or -1 for a NUL-terminated text, which holds no NUL by
 * construction: only a caller that knows the length can bring one. Answers
 * false with an error naming the byte offset of the first fault. */
bool check_sql_text (const char *text, gssize length, GQuark domain, GError **error);

/* Whether `port` is a TCP port, 0 to 65535 (0 leaves the choice to the
 * engine's default). Answers false with an error naming it. */
bool check_port (gint port, GQuark domain, GError **error);

}  // namespace providers::home
