/* Helpers shared by the classes of the settings file: lists of objects held
 * in libgee array lists, and reading objects from JSON without letting a
 * member of the wrong type reach json-glib (which would log a warning for
 * every such member of a hand-edited file). */
#pragma once

#include <gee.h>
#include <json-glib/json-glib.h>

#include <span>

#include "common/check.h"

namespace providers::settings {

/* An array node with the generic serialization of each element, in order;
 * a null list gives an empty array. */
JsonNode *serialize_object_list (GeeArrayList *list);

/* A new list of new objects of `element_type`, one per object element of
 * `node` in order; other elements are skipped, and a node that is not an
 * array gives an empty list. */
GeeArrayList *deserialize_object_list (GType element_type, JsonNode *node);

/* An object of `type` built by json-glib's generic deserialization from an
 * object node, leaving out members whose JSON type does not fit their
 * property; null when `node` is not an object. */
GObject *deserialize_object (GType type, JsonNode *node);

/* Stores `value` in `*field` when it is another list; true when it changed. */
bool replace_list (GeeArrayList **field, GeeArrayList *value);

/* A list property of a serializable class and the type of its elements. */
struct ListProperty {
  const char *name;
  GType (*element_type) ();
};

/* The JsonSerializable hooks of the settings classes: a list property is
 * an array of its elements' generic serializations (always written); any
 * other property keeps json-glib's default (left out when at its default). */
JsonNode *serialize_property (JsonSerializable *self, std::span<const ListProperty> lists, const gchar *property_name,
                              const GValue *value, GParamSpec *pspec);
/* A list property becomes a new list of new elements; any other property
 * is read by json-glib's default, and kept as it is when the member's JSON
 * type does not fit it. */
gboolean deserialize_property (JsonSerializable *self, std::span<const ListProperty> lists, const gchar *property_name,
                               GValue *value, GParamSpec *pspec, JsonNode *property_node);

}  // namespace providers::settings

/* The argument checks of the JsonSerializable hooks, reported under the
 * name `function` (common/compat-texts.h). */
#define PROVIDERS_CHECK_SERIALIZE_ARGUMENTS(function, fallback)                   \
  providers_return_val_if_fail_in (function, property_name != NULL, fallback); \
  providers_return_val_if_fail_in (function, value != NULL, fallback);         \
  providers_return_val_if_fail_in (function, pspec != NULL, fallback)
