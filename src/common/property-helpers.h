/* Helpers shared by the property setters and the owned collections of the
 * models, results, settings and values. */
#pragma once

#include <gee.h>
#include <glib-object.h>

namespace providers {

/* Stores a copy of `value` (null allowed, and it may be the very text
 * held) in `*slot` unless the two texts are equal (two nulls are equal);
 * returns whether anything changed, so the setter knows to notify. */
inline bool
replace_string (gchar **slot, const gchar *value)
{
  if (g_strcmp0 (*slot, value) == 0) return false;
  gchar *copy = g_strdup (value);
  g_free (*slot);
  *slot = copy;
  return true;
}

/* A property holding one of the owned collections; read-only unless
 * `flags` say more. */
inline GParamSpec *
list_pspec (const char *name, GParamFlags flags = G_PARAM_READABLE)
{
  return g_param_spec_object (name, name, name, GEE_TYPE_ARRAY_LIST,
                              static_cast<GParamFlags> (flags | G_PARAM_STATIC_STRINGS));
}

/* A list holding one reference per element, with no equality function:
 * searches compare elements by identity. */
inline GeeArrayList *
new_object_list (GType element_type)
{
  return gee_array_list_new (element_type, reinterpret_cast<GBoxedCopyFunc> (g_object_ref), g_object_unref, nullptr,
                             nullptr, nullptr);
}

}  // namespace providers
