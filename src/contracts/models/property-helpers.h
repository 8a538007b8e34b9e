/* Helpers shared by the property setters of the models and results. */
#pragma once

#include <glib-object.h>

namespace providers::models {

/* Stores a copy of `value` in `*slot` unless the two texts are equal (two
 * nulls are equal); returns whether anything changed, so the setter knows
 * to notify. */
inline bool
replace_string (gchar **slot, const gchar *value)
{
  if (g_strcmp0 (*slot, value) == 0) return false;
  gchar *copy = g_strdup (value);
  g_free (*slot);
  *slot = copy;
  return true;
}

/* A read-only property holding one of the owned collections. */
inline GParamSpec *
list_pspec (const char *name, GType list_type)
{
  return g_param_spec_object (name, name, name, list_type,
                              static_cast<GParamFlags> (G_PARAM_READABLE | G_PARAM_STATIC_STRINGS));
}

}  // namespace providers::models
