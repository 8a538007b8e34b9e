/* RAII holders for GLib references inside the library's C++.
 *
 * GRef<T> owns one reference to a GObject (or an interface pointer to one):
 * copying refs, destruction unrefs. `adopt` takes over a reference the
 * caller already owns (transfer full); `release` hands ours out.
 * GUnique<T> is a unique_ptr with the matching GLib free function; the
 * types below are the ones the library holds that way (add one when needed).
 */
#pragma once

#include <glib-object.h>

#include <cstddef>
#include <memory>
#include <utility>

namespace providers {

template <typename T>
class GRef {
 public:
  GRef () noexcept = default;
  GRef (std::nullptr_t) noexcept {}

  /* Takes a new reference to `ptr`. */
  explicit GRef (T *ptr) noexcept : ptr_ (ptr) {
    if (ptr_) g_object_ref (ptr_);
  }

  GRef (const GRef &other) noexcept : GRef (other.ptr_) {}
  GRef (GRef &&other) noexcept : ptr_ (std::exchange (other.ptr_, nullptr)) {}

  GRef &operator= (const GRef &other) noexcept {
    GRef copy (other);
    swap (copy);
    return *this;
  }
  GRef &operator= (GRef &&other) noexcept {
    GRef moved (std::move (other));
    swap (moved);
    return *this;
  }
  GRef &operator= (std::nullptr_t) noexcept {
    reset ();
    return *this;
  }

  ~GRef () { reset (); }

  /* Takes over a reference the caller owns, such as a constructor's result. */
  static GRef adopt (T *ptr) noexcept {
    GRef ref;
    ref.ptr_ = ptr;
    return ref;
  }

  T *get () const noexcept { return ptr_; }
  T *operator-> () const noexcept { return ptr_; }
  explicit operator bool () const noexcept { return ptr_ != nullptr; }

  /* Hands our reference to the caller (transfer full). */
  [[nodiscard]] T *release () noexcept { return std::exchange (ptr_, nullptr); }

  void reset () noexcept {
    if (T *old = std::exchange (ptr_, nullptr)) g_object_unref (old);
  }

  void swap (GRef &other) noexcept { std::swap (ptr_, other.ptr_); }

 private:
  T *ptr_ = nullptr;
};

template <typename T>
GRef<T> adopt_ref (T *ptr) noexcept {
  return GRef<T>::adopt (ptr);
}

template <typename T>
struct GDeleter;

#define PROVIDERS_DEFINE_GDELETER(Type, free_func)                            \
  template <>                                                                 \
  struct GDeleter<Type> {                                                     \
    void operator() (Type *ptr) const noexcept { free_func (ptr); }           \
  };

PROVIDERS_DEFINE_GDELETER (gchar, g_free)
PROVIDERS_DEFINE_GDELETER (guint8, g_free)
PROVIDERS_DEFINE_GDELETER (GBytes, g_bytes_unref)
PROVIDERS_DEFINE_GDELETER (GByteArray, g_byte_array_unref)
PROVIDERS_DEFINE_GDELETER (GDateTime, g_date_time_unref)
PROVIDERS_DEFINE_GDELETER (GTimeZone, g_time_zone_unref)
PROVIDERS_DEFINE_GDELETER (GMatchInfo, g_match_info_unref)
PROVIDERS_DEFINE_GDELETER (GPtrArray, g_ptr_array_unref)
PROVIDERS_DEFINE_GDELETER (GTypeClass, g_type_class_unref)

inline void providers_string_free_all (GString *s) noexcept { g_string_free (s, TRUE); }
PROVIDERS_DEFINE_GDELETER (GString, providers_string_free_all)

template <typename T>
using GUnique = std::unique_ptr<T, GDeleter<T>>;

/* A unique_ptr that a C library's own function frees:
 * UniqueWith<PGresult, PQclear>. */
template <auto Free>
struct FreedBy {
  template <typename T>
  void operator() (T *ptr) const noexcept { Free (ptr); }
};
template <typename T, auto Free>
using UniqueWith = std::unique_ptr<T, FreedBy<Free>>;

/* A GValue that unsets itself. */
class ScopedGValue {
 public:
  ScopedGValue () noexcept = default;
  ScopedGValue (const ScopedGValue &) = delete;
  ScopedGValue &operator= (const ScopedGValue &) = delete;
  ~ScopedGValue () {
    if (G_IS_VALUE (&value_)) g_value_unset (&value_);
  }
  GValue *get () noexcept { return &value_; }

 private:
  GValue value_ = G_VALUE_INIT;
};

}  // namespace providers
