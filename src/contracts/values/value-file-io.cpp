/* Asynchronous loading and saving of value contents, as small state
 * machines driven by GIO completions. */
#include "contracts/values/value-file-io-private.h"

#include "common/gobject-ref.h"

#include <algorithm>
#include <new>
#include <utility>

namespace providers::values {
namespace {

constexpr gsize kChunk = 1024;

/* Byte counts cross the interface as gint, so a value holds at most
 * G_MAXINT bytes. A larger file is refused before it is read: the buffer
 * would otherwise grow until GLib aborts the process. */
constexpr goffset kMaxContents = G_MAXINT;

using TaskRef = GRef<GTask>;

/* State of one load; lives as the task's data and goes with it. */
struct LoadJob {
  explicit LoadJob (LoadCommit c) : commit (c) {}

  LoadCommit commit;
  GRef<GInputStream> stream;
  GUnique<GByteArray> contents {g_byte_array_new ()};
  goffset size = 0;
  guint8 buffer[kChunk];
};

/* State of one save. */
struct SaveJob {
  explicit SaveJob (GBytes *c) : contents (c) {}

  GUnique<GBytes> contents;
  GRef<GOutputStream> stream;
  gsize written = 0;
};

/* Allocated with GLib so that running out of memory aborts as everywhere
 * else in GLib, instead of throwing through GIO's C callbacks. */
template <typename Job, typename Arg>
Job *attach_job (GTask *task, Arg arg)
{
  Job *job = new (g_malloc (sizeof (Job))) Job (arg);
  g_task_set_task_data (task, job, [] (gpointer data) {
    static_cast<Job *> (data)->~Job ();
    g_free (data);
  });
  return job;
}

template <typename Job>
Job *job_of (const TaskRef &task)
{
  return static_cast<Job *> (g_task_get_task_data (task.get ()));
}

/* A completion callback's user data is our reference to the task. */
TaskRef task_from (gpointer user_data) { return adopt_ref (G_TASK (user_data)); }

void succeed (const TaskRef &task) { g_task_return_boolean (task.get (), TRUE); }

void fail (const TaskRef &task, GError *error) { g_task_return_error (task.get (), error); }

void fail_too_large (const TaskRef &task, goffset size)
{
  g_task_return_new_error (task.get (), G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED,
                           "The file holds %" G_GOFFSET_FORMAT " bytes or more; a value holds at most %d", size,
                           G_MAXINT);
}

/* The size of an opened file, leaving the stream at its start; these are
 * synchronous calls on a local file. */
bool measure (GInputStream *input, goffset *size, GError **error)
{
  auto *seekable = G_SEEKABLE (input);
  if (!g_seekable_seek (seekable, 0, G_SEEK_END, nullptr, error)) return false;
  *size = g_seekable_tell (seekable);
  return g_seekable_seek (seekable, 0, G_SEEK_SET, nullptr, error);
}

/* Loading -------------------------------------------------------------------- */

void read_next_line (TaskRef task);
void read_next_chunk (TaskRef task);

void on_load_closed (GObject *stream, GAsyncResult *result, gpointer user_data)
{
  TaskRef task = task_from (user_data);
  GError *error = nullptr;
  if (!g_input_stream_close_finish (G_INPUT_STREAM (stream), result, &error)) return fail (task, error);
  auto *job = job_of<LoadJob> (task);
  job->commit (G_OBJECT (g_task_get_source_object (task.get ())), job->contents.release ());
  succeed (task);
}

void close_after_load (TaskRef task)
{
  GInputStream *stream = job_of<LoadJob> (task)->stream.get ();
  g_input_stream_close_async (stream, G_PRIORITY_DEFAULT, nullptr, on_load_closed, task.release ());
}

void on_line (GObject *stream, GAsyncResult *result, gpointer user_data)
{
  TaskRef task = task_from (user_data);
  GError *error = nullptr;
  gsize length = 0;
  GUnique<gchar> line (g_data_input_stream_read_line_finish (G_DATA_INPUT_STREAM (stream), result, &length, &error));
  if (error != nullptr) return fail (task, error);
  if (!line) return close_after_load (std::move (task));
  GByteArray *contents = job_of<LoadJob> (task)->contents.get ();
  /* The file may have grown since it was measured. */
  goffset total = static_cast<goffset> (contents->len) + static_cast<goffset> (length) + 1;
  if (total > kMaxContents) return fail_too_large (task, total);
  g_byte_array_append (contents, reinterpret_cast<const guint8 *> (line.get ()), length);
  g_byte_array_append (contents, reinterpret_cast<const guint8 *> ("\n"), 1);
  read_next_line (std::move (task));
}

void read_next_line (TaskRef task)
{
  auto *stream = G_DATA_INPUT_STREAM (job_of<LoadJob> (task)->stream.get ());
  g_data_input_stream_read_line_async (stream, G_PRIORITY_DEFAULT, nullptr, on_line, task.release ());
}

void on_opened_for_lines (GObject *file, GAsyncResult *result, gpointer user_data)
{
  TaskRef task = task_from (user_data);
  GError *error = nullptr;
  auto input = adopt_ref (g_file_read_finish (G_FILE (file), result, &error));
  if (!input) return fail (task, error);
  /* A stream that cannot seek (a named pipe) is read as it comes; the
   * running count in on_line still bounds it. */
  goffset size = 0;
  if (g_seekable_can_seek (G_SEEKABLE (input.get ()))) {
    if (!measure (G_INPUT_STREAM (input.get ()), &size, &error)) return fail (task, error);
    if (size > kMaxContents) return fail_too_large (task, size);
  }
  /* The data stream's default newline rule: a line ends at a line feed,
   * and a carriage return before it stays in the line. */
  job_of<LoadJob> (task)->stream = adopt_ref (G_INPUT_STREAM (g_data_input_stream_new (G_INPUT_STREAM (input.get ()))));
  read_next_line (std::move (task));
}

void on_chunk (GObject *stream, GAsyncResult *result, gpointer user_data)
{
  TaskRef task = task_from (user_data);
  GError *error = nullptr;
  gssize n = g_input_stream_read_finish (G_INPUT_STREAM (stream), result, &error);
  if (n < 0) return fail (task, error);
  auto *job = job_of<LoadJob> (task);
  if (n == 0 || static_cast<goffset> (job->contents->len) >= job->size) return close_after_load (std::move (task));
  goffset total = static_cast<goffset> (job->contents->len) + n;
  if (total > kMaxContents) return fail_too_large (task, total);
  g_byte_array_append (job->contents.get (), job->buffer, static_cast<guint> (n));
  read_next_chunk (std::move (task));
}

void read_next_chunk (TaskRef task)
{
  auto *job = job_of<LoadJob> (task);
  g_input_stream_read_async (job->stream.get (), job->buffer, kChunk, G_PRIORITY_DEFAULT, nullptr, on_chunk,
                             task.release ());
}

void on_opened_for_bytes (GObject *file, GAsyncResult *result, gpointer user_data)
{
  TaskRef task = task_from (user_data);
  GError *error = nullptr;
  auto input = adopt_ref (g_file_read_finish (G_FILE (file), result, &error));
  if (!input) return fail (task, error);
  auto *job = job_of<LoadJob> (task);
  if (!measure (G_INPUT_STREAM (input.get ()), &job->size, &error)) return fail (task, error);
  if (job->size > kMaxContents) return fail_too_large (task, job->size);
  job->stream = GRef<GInputStream> (G_INPUT_STREAM (input.get ()));
  read_next_chunk (std::move (task));
}

void start_load (GTask *task, const char *filename, LoadCommit commit, GAsyncReadyCallback on_opened)
{
  TaskRef owned = adopt_ref (task);
  attach_job<LoadJob> (task, commit);
  auto file = adopt_ref (g_file_new_for_path (filename));
  if (!g_file_query_exists (file.get (), nullptr)) return succeed (owned);
  g_file_read_async (file.get (), G_PRIORITY_DEFAULT, nullptr, on_opened, owned.release ());
}

/* Saving ----------------------------------------------------------------------- */

void write_next_chunk (TaskRef task);

void on_save_closed (GObject *stream, GAsyncResult *result, gpointer user_data)
{
  TaskRef task = task_from (user_data);
  GError *error = nullptr;
  if (!g_output_stream_close_finish (G_OUTPUT_STREAM (stream), result, &error)) return fail (task, error);
  succeed (task);
}

/* A replacement stream puts the new file in place when it is closed; after
 * a failed write, close it cancelled so the old contents are kept rather
 * than replaced by a partial file. */
void abandon (GOutputStream *stream)
{
  auto cancelled = adopt_ref (g_cancellable_new ());
  g_cancellable_cancel (cancelled.get ());
  g_output_stream_close (stream, cancelled.get (), nullptr);
}

void on_written (GObject *stream, GAsyncResult *result, gpointer user_data)
{
  TaskRef task = task_from (user_data);
  GError *error = nullptr;
  gssize n = g_output_stream_write_finish (G_OUTPUT_STREAM (stream), result, &error);
  if (n < 0) {
    abandon (G_OUTPUT_STREAM (stream));
    return fail (task, error);
  }
  job_of<SaveJob> (task)->written += static_cast<gsize> (n);
  write_next_chunk (std::move (task));
}

void write_next_chunk (TaskRef task)
{
  auto *job = job_of<SaveJob> (task);
  gsize length = 0;
  auto *data = static_cast<const guint8 *> (g_bytes_get_data (job->contents.get (), &length));
  if (job->written >= length) {
    g_output_stream_close_async (job->stream.get (), G_PRIORITY_DEFAULT, nullptr, on_save_closed, task.release ());
    return;
  }
  gsize chunk = std::min (kChunk, length - job->written);
  g_output_stream_write_async (job->stream.get (), data + job->written, chunk, G_PRIORITY_DEFAULT, nullptr, on_written,
                               task.release ());
}

void on_replaced (GObject *file, GAsyncResult *result, gpointer user_data)
{
  TaskRef task = task_from (user_data);
  GError *error = nullptr;
  GFileOutputStream *stream = g_file_replace_finish (G_FILE (file), result, &error);
  if (stream == nullptr) return fail (task, error);
  job_of<SaveJob> (task)->stream = adopt_ref (G_OUTPUT_STREAM (stream));
  write_next_chunk (std::move (task));
}

}  // namespace

GTask *
start_task (gpointer value, GAsyncReadyCallback callback, gpointer user_data, gpointer source_tag)
{
  GTask *task = g_task_new (value, nullptr, callback, user_data);
  g_task_set_source_tag (task, source_tag);
  return task;
}

void
load_lines (GTask *task, const char *filename, LoadCommit commit)
{
  start_load (task, filename, commit, on_opened_for_lines);
}

void
load_bytes (GTask *task, const char *filename, LoadCommit commit)
{
  start_load (task, filename, commit, on_opened_for_bytes);
}

void
save_bytes (GTask *task, const char *filename, GBytes *contents)
{
  TaskRef owned = adopt_ref (task);
  attach_job<SaveJob> (task, contents);
  auto file = adopt_ref (g_file_new_for_path (filename));
  g_file_replace_async (file.get (), nullptr, FALSE, G_FILE_CREATE_NONE, G_PRIORITY_DEFAULT, nullptr, on_replaced,
                        owned.release ());
}

}  // namespace providers::values
