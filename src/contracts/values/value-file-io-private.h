/* The asynchronous file loading and saving shared by the text and binary
 * values. Every step runs on the thread-default main context that was
 * current when the operation started (GIO delivers each completion there),
 * and the task completes exactly once: with TRUE, or with GIO's own error. */
#pragma once

#include <gio/gio.h>

#include "common/check.h"

namespace providers::values {

/* Stores the contents of a finished load (transfer full) in the value that
 * started it, straight into the field: a load does not notify. */
using LoadCommit = void (*) (GObject *value, GByteArray *contents);

/* A task whose source object (kept alive until completion) is `value`. */
GTask *start_task (gpointer value, GAsyncReadyCallback callback, gpointer user_data, gpointer source_tag);

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

/* The argument checks of a _finish function: `result` must be the task that
 * `operation` started for `self`. A macro, so that the warnings name the
 * exported function and read as GLib's own. */
#define PROVIDERS_RETURN_IF_NOT_TASK_OF(self, result, operation)                                         \
  providers_return_if_fail (g_task_is_valid (result, self));                                             \
  providers_return_if_fail_text (g_async_result_is_tagged (result, reinterpret_cast<gpointer> (operation)), \
                                 "g_async_result_is_tagged (result, " #operation ")")

/* The exported `operation` (load or save) of the class
 * TorvanixProvidersContracts<Name> and its _finish: the start checks its
 * arguments, makes the task tagged with itself and runs `step`, a statement
 * that hands `task` on; the _finish checks that `result` is that task and
 * answers its outcome. The argument checks live in the exported functions
 * so the warnings name them. */
#define PROVIDERS_DEFINE_FILE_OPERATION(Name, lower, UPPER, operation, step)                                      \
  extern "C" void torvanix_providers_contracts_##lower##_##operation (TorvanixProvidersContracts##Name *self,      \
                                                                      const gchar *filename,                        \
                                                                      GAsyncReadyCallback callback, gpointer user_data) \
  {                                                                                                                \
    providers_return_if_fail (self != NULL);                                                                       \
    providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_##UPPER (self));                                     \
    providers_return_if_fail (filename != NULL);                                                                   \
    GTask *task = providers::values::start_task (                                                                  \
        self, callback, user_data, reinterpret_cast<gpointer> (torvanix_providers_contracts_##lower##_##operation)); \
    step;                                                                                                          \
  }                                                                                                                \
  extern "C" void torvanix_providers_contracts_##lower##_##operation##_finish (TorvanixProvidersContracts##Name *self, \
                                                                               GAsyncResult *result, GError **error) \
  {                                                                                                                \
    providers_return_if_fail (self != NULL);                                                                       \
    providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_##UPPER (self));                                     \
    PROVIDERS_RETURN_IF_NOT_TASK_OF (self, result, torvanix_providers_contracts_##lower##_##operation);            \
    g_task_propagate_boolean (G_TASK (result), error);                                                             \
  }

/* The exported load, load_finish, save and save_finish of the class
 * TorvanixProvidersContracts<Name>: `load_step` (load_lines or load_bytes)
 * reads the file and `commit` stores what it read; `contents_of (self,
 * function)` answers the bytes to save (transfer full), `function` being
 * the exported save's name for a warning of its own. */
#define PROVIDERS_DEFINE_FILE_IO(Name, lower, UPPER, load_step, commit, contents_of)                             \
  PROVIDERS_DEFINE_FILE_OPERATION (Name, lower, UPPER, load, providers::values::load_step (task, filename, commit)) \
  PROVIDERS_DEFINE_FILE_OPERATION (Name, lower, UPPER, save,                                                       \
                                   providers::values::save_bytes (task, filename, contents_of (self, __func__)))
