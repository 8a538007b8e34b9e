/* The asynchronous file loading and saving shared by the text and binary
 * values. Every step runs on the thread-default main context that was
 * current when the operation started (GIO delivers each completion there),
 * and the task completes exactly once: with TRUE, or with GIO's own error. */
#pragma once

#include <gio/gio.h>

namespace providers::values {

/* Stores the contents of a finished load (transfer full) in the value that
 * started it, straight into the field: a load does not notify. */
using LoadCommit = void (*) (GObject *value, GByteArray *contents);

/* A task whose source object (kept alive until completion) is `value`. */
GTask *start_task (gpointer value, GAsyncReadyCallback callback, gpointer user_data, gpointer source_tag);
/* Whether `result` is a task that start_task made for `value` with `source_tag`. */
bool is_task_of (gpointer value, GAsyncResult *result, gpointer source_tag);

/* Each takes over the caller's reference to `task`. A file that does not
 * exist completes the task at once and leaves the value alone. */

/* Reads the file line by line (up to each line feed, which is not part of
 * the line) and commits the lines, each followed by one line feed. */
void load_lines (GTask *task, const char *filename, LoadCommit commit);
/* Reads the file's bytes in 1024-byte reads, up to the size it had when
 * opened, and commits them. */
void load_bytes (GTask *task, const char *filename, LoadCommit commit);
/* Creates or replaces the file with `contents` (transfer full), written in
 * chunks of at most 1024 bytes; a short write continues where it stopped. */
void save_bytes (GTask *task, const char *filename, GBytes *contents);

}  // namespace providers::values
