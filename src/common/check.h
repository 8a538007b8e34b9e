/* Argument checks of the public functions.
 *
 * GLib's g_return_val_if_fail names the function by G_STRFUNC, which in C++
 * is the whole signature; callers and tests expect the plain name, so these
 * use __func__ (the bare name of an extern "C" function). The failed test is
 * logged as written, so write it as the message should read: "self != NULL".
 */
#pragma once

#include <glib.h>

/* For checks whose logged text differs from the C expression, such as
 * positions: providers_return_val_if_fail_text (row >= 0 && row < n,
 * PROVIDERS_TEXT_TABLE_ROW, NULL). The `_in` forms report `function`
 * instead of the enclosing function's name: for slots and hooks whose
 * CRITICALs name a function that callers know (common/compat-texts.h). */
#define providers_return_val_if_fail_text_in(function, expr, text, val)      \
  G_STMT_START {                                                              \
    if (G_LIKELY (expr)) {                                                    \
    } else {                                                                  \
      g_return_if_fail_warning (G_LOG_DOMAIN, function, text);                \
      return (val);                                                           \
    }                                                                         \
  } G_STMT_END

#define providers_return_if_fail_text_in(function, expr, text)               \
  G_STMT_START {                                                              \
    if (G_LIKELY (expr)) {                                                    \
    } else {                                                                  \
      g_return_if_fail_warning (G_LOG_DOMAIN, function, text);                \
      return;                                                                 \
    }                                                                         \
  } G_STMT_END

/* Each form stringifies its own argument, before any macro in it expands. */
#define providers_return_if_fail_in(function, expr) providers_return_if_fail_text_in (function, expr, #expr)
#define providers_return_val_if_fail_in(function, expr, val) \
  providers_return_val_if_fail_text_in (function, expr, #expr, val)
#define providers_return_if_fail(expr) providers_return_if_fail_text_in (__func__, expr, #expr)
#define providers_return_val_if_fail(expr, val) providers_return_val_if_fail_text_in (__func__, expr, #expr, val)
#define providers_return_val_if_fail_text(expr, text, val) \
  providers_return_val_if_fail_text_in (__func__, expr, text, val)
#define providers_return_if_fail_text(expr, text) providers_return_if_fail_text_in (__func__, expr, text)

/* Logs a failed check as the forms above do, under the enclosing
 * function's name, and goes on: for a state a caller should not reach whose
 * answer is still defined (a value without the text it prints). */
#define providers_warn_if_fail(expr)                                          \
  G_STMT_START {                                                              \
    if (G_LIKELY (expr)) {                                                    \
    } else {                                                                  \
      g_return_if_fail_warning (G_LOG_DOMAIN, __func__, #expr);               \
    }                                                                         \
  } G_STMT_END

/* A `construct` function writes the private data of its own class into the
 * new instance, so the type it is given must be that class or a subclass. */
#define providers_return_val_if_fail_subtype(object_type, parent_type, val)   \
  providers_return_val_if_fail_text (g_type_is_a ((object_type), (parent_type)), \
                                     "g_type_is_a (object_type, " #parent_type ")", val)

#ifdef __cplusplus
#include <cstring>

namespace providers {

/* The number a C caller passed for an enumeration. C may pass any int,
 * while in C++ loading an enum outside its declared range is undefined, so
 * read the bits without an enum-typed load. */
template <typename Enum>
inline int raw_enum (const Enum &value) noexcept
{
  static_assert (sizeof (Enum) == sizeof (int));
  int raw;
  std::memcpy (&raw, &value, sizeof raw);
  return raw;
}

}  // namespace providers
#endif
