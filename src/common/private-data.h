/* A GObject's private data as one C++ class.
 *
 * GObject zero-fills instance memory and runs no C++ constructor. A class
 * whose private data holds C++ members builds the whole class with
 * `construct_private` in its init and destroys it with `destroy_private`
 * in its finalize: no member is built or torn down by hand, and the
 * members are destroyed in the reverse order of their declaration, so a
 * member declared after another (a thread after the result it walks)
 * always goes first. A constructor that throws (memory ran out) aborts,
 * as GLib does when an allocation fails. */
#pragma once

#include <glib.h>

#include <new>

namespace providers {

template <typename Private>
Private *
construct_private (gpointer memory) noexcept
{
  return ::new (memory) Private ();
}

template <typename Private>
void
destroy_private (Private *priv) noexcept
{
  priv->~Private ();
}

}  // namespace providers
