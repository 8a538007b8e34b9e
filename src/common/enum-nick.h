/* The nick of an enumeration's value, as the enumerations' to_string
 * functions answer it. */
#pragma once

#include <glib-object.h>

#include "common/gobject-ref.h"

namespace providers {

/* A new copy of the nick of `value` in the enumeration `type`; null for a
 * number outside the enumeration, which has no nick. */
inline gchar *
enum_nick (GType type, int value)
{
  GUnique<GTypeClass> klass (static_cast<GTypeClass *> (g_type_class_ref (type)));
  const GEnumValue *found = g_enum_get_value (G_ENUM_CLASS (klass.get ()), value);
  return found ? g_strdup (found->value_nick) : nullptr;
}

}  // namespace providers
