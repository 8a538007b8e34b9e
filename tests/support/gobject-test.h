/* Small helpers for tests that hold GLib objects. */
#pragma once

#include <glib-object.h>

#include <memory>
#include <string>

namespace providers::testing {

struct ObjectUnref {
  void operator() (gpointer object) const { if (object) g_object_unref (object); }
};

/* Owns one reference (transfer full) to a GObject of type T. */
template <typename T>
using Owned = std::unique_ptr<T, ObjectUnref>;

template <typename T>
Owned<T> own (T *object) { return Owned<T> (object); }

/* Takes a newly allocated string, frees it, and returns its text; null
 * becomes the marker "<null>" so assertions can tell the two apart. */
inline std::string take_string (gchar *text)
{
  std::string result = text ? text : "<null>";
  g_free (text);
  return result;
}

}  // namespace providers::testing
