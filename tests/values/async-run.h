/* Runs asynchronous value operations for real, on a private main context
 * pushed as the thread's default, and a scratch folder for their files. */
#pragma once

#include <gio/gio.h>
#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

namespace providers::testing {

/* What became of one asynchronous operation. */
struct Completion {
  GAsyncResult *result = nullptr; /* owned */
  int calls = 0;
  bool called_synchronously = false;
  bool on_its_context = false; /* delivered on the context current at the start */

  Completion () = default;
  Completion (Completion &&other) noexcept { *this = std::move (other); }
  Completion &operator= (Completion &&other) noexcept
  {
    std::swap (result, other.result);
    calls = other.calls;
    called_synchronously = other.called_synchronously;
    on_its_context = other.on_its_context;
    return *this;
  }
  ~Completion () { g_clear_object (&result); }
};

using Start = std::function<void (GAsyncReadyCallback, gpointer)>;

/* Starts the operation with a fresh context pushed as thread-default and
 * iterates that context until the operation completed and nothing is left. */
inline Completion run_on_new_context (const Start &start)
{
  struct Waiter {
    Completion completion;
    GMainContext *context;
  };
  GMainContext *context = g_main_context_new ();
  g_main_context_push_thread_default (context);
  Waiter waiter;
  waiter.context = context;
  start (
      [] (GObject *, GAsyncResult *result, gpointer data) {
        auto *w = static_cast<Waiter *> (data);
        ++w->completion.calls;
        g_set_object (&w->completion.result, result);
        w->completion.on_its_context =
            g_main_context_get_thread_default () == w->context && g_main_context_is_owner (w->context);
      },
      &waiter);
  waiter.completion.called_synchronously = waiter.completion.calls != 0;
  gint64 deadline = g_get_monotonic_time () + 20 * G_USEC_PER_SEC;
  while (waiter.completion.calls == 0 && g_get_monotonic_time () < deadline) g_main_context_iteration (context, TRUE);
  while (g_main_context_iteration (context, FALSE)) {
  }
  g_main_context_pop_thread_default (context);
  g_main_context_unref (context);
  return std::move (waiter.completion);
}

/* The same in a new thread, which owns nothing of the caller's. */
inline Completion run_in_worker_thread (const Start &start)
{
  Completion completion;
  std::thread worker ([&] { completion = run_on_new_context (start); });
  worker.join ();
  return completion;
}

/* Checks that the operation completed once, later, on its own context, and
 * ends it with `finish`: "ok", or the error as "domain:code". */
template <typename Value>
std::string outcome_of (const Completion &c, void (*finish) (Value *, GAsyncResult *, GError **), Value *value)
{
  EXPECT_EQ (c.calls, 1);
  EXPECT_FALSE (c.called_synchronously);
  EXPECT_TRUE (c.on_its_context);
  GError *error = nullptr;
  finish (value, c.result, &error);
  if (error == nullptr) return "ok";
  std::string outcome = std::string (g_quark_to_string (error->domain)) + ":" + std::to_string (error->code);
  g_error_free (error);
  return outcome;
}

/* A value's load or save of `path`, begun with `begin` and ended with
 * `finish` on a context of its own, on this thread or a new one. */
template <typename Value>
std::string file_operation (Value *value, const std::string &path,
                            void (*begin) (Value *, const gchar *, GAsyncReadyCallback, gpointer),
                            void (*finish) (Value *, GAsyncResult *, GError **), bool in_worker)
{
  auto start = [&] (GAsyncReadyCallback done, gpointer data) { begin (value, path.c_str (), done, data); };
  return outcome_of (in_worker ? run_in_worker_thread (start) : run_on_new_context (start), finish, value);
}

inline std::string io_error (GIOErrorEnum code)
{
  return std::string (g_quark_to_string (G_IO_ERROR)) + ":" + std::to_string (code);
}

/* A scratch folder, removed with its files. */
class ScratchDir {
 public:
  ScratchDir ()
  {
    gchar *path = g_dir_make_tmp ("providers-values-XXXXXX", nullptr);
    path_ = path;
    g_free (path);
  }
  ~ScratchDir () { remove_tree (path_); }
  ScratchDir (const ScratchDir &) = delete;
  ScratchDir &operator= (const ScratchDir &) = delete;

  std::string file (const std::string &name) const { return path_ + "/" + name; }

  std::string write (const std::string &name, const std::string &contents) const
  {
    std::string path = file (name);
    EXPECT_TRUE (g_file_set_contents (path.c_str (), contents.data (), gssize (contents.size ()), nullptr));
    return path;
  }

  static std::string read (const std::string &path)
  {
    gchar *data = nullptr;
    gsize length = 0;
    if (!g_file_get_contents (path.c_str (), &data, &length, nullptr)) return "<unreadable>";
    std::string result (data, length);
    g_free (data);
    return result;
  }

 private:
  static void remove_tree (const std::string &path)
  {
    g_chmod (path.c_str (), 0700);
    if (GDir *dir = g_dir_open (path.c_str (), 0, nullptr)) {
      while (const gchar *name = g_dir_read_name (dir)) {
        std::string child = path + "/" + name;
        if (g_file_test (child.c_str (), G_FILE_TEST_IS_DIR) && !g_file_test (child.c_str (), G_FILE_TEST_IS_SYMLINK))
          remove_tree (child);
        else
          g_remove (child.c_str ());
      }
      g_dir_close (dir);
    }
    g_rmdir (path.c_str ());
  }

  std::string path_;
};

/* Bytes 0, 1, 2, ... 255, 0, 1, ...: every byte value, zeros included. */
inline std::string patterned_bytes (gsize size)
{
  std::string bytes (size, '\0');
  for (gsize i = 0; i < size; ++i) bytes[i] = char (i * 7 + i / 251);
  return bytes;
}

}  // namespace providers::testing
