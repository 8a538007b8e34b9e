/* Lists and JSON objects of the settings file. */
#include "contracts/settings/settings-json-private.h"

#include "common/gobject-ref.h"
#include "common/property-helpers.h"

#include <utility>

namespace providers::settings {

namespace {

/* Whether json-glib can apply `node` to the property without failing; an
 * integer must also lie in the property's range, where json-glib would
 * silently wrap it. Object properties are the lists, which the classes'
 * own deserializers accept in any form. */
bool
member_fits (GParamSpec *pspec, JsonNode *node)
{
  GType type = G_PARAM_SPEC_VALUE_TYPE (pspec);
  if (G_TYPE_FUNDAMENTAL (type) == G_TYPE_OBJECT) return true;
  switch (JSON_NODE_TYPE (node)) {
    case JSON_NODE_NULL:
      return G_TYPE_FUNDAMENTAL (type) == G_TYPE_STRING;
    case JSON_NODE_ARRAY:
      return type == G_TYPE_STRV;
    case JSON_NODE_OBJECT:
      return false;
    case JSON_NODE_VALUE: {
      GType held = json_node_get_value_type (node);
      if (type == G_TYPE_STRING || type == G_TYPE_BOOLEAN) return held == type;
      if (G_IS_PARAM_SPEC_INT (pspec) && held == G_TYPE_INT64) {
        gint64 number = json_node_get_int (node);
        return number >= G_PARAM_SPEC_INT (pspec)->minimum && number <= G_PARAM_SPEC_INT (pspec)->maximum;
      }
      return false;
    }
  }
  return false;
}

}  // namespace

JsonNode *
serialize_object_list (GeeArrayList *list)
{
  JsonArray *array = json_array_new ();
  gint size = list ? gee_collection_get_size (GEE_COLLECTION (list)) : 0;
  for (gint i = 0; i < size; ++i) {
    auto element = adopt_ref (static_cast<GObject *> (gee_list_get (GEE_LIST (list), i)));
    /* A null slot has nothing to write; reading would skip it anyway. */
    if (element) json_array_add_element (array, json_gobject_serialize (element.get ()));
  }
  JsonNode *node = json_node_init_array (json_node_alloc (), array);
  json_array_unref (array);
  return node;
}

GeeArrayList *
deserialize_object_list (GType element_type, JsonNode *node)
{
  GeeArrayList *list = new_object_list (element_type);
  if (!JSON_NODE_HOLDS_ARRAY (node)) return list;
  JsonArray *array = json_node_get_array (node);
  guint length = json_array_get_length (array);
  for (guint i = 0; i < length; ++i) {
    auto element = adopt_ref (deserialize_object (element_type, json_array_get_element (array, i)));
    if (element) gee_collection_add (GEE_COLLECTION (list), element.get ());
  }
  return list;
}

GObject *
deserialize_object (GType type, JsonNode *node)
{
  if (node == nullptr || !JSON_NODE_HOLDS_OBJECT (node)) return nullptr;
  GUnique<GTypeClass> klass (static_cast<GTypeClass *> (g_type_class_ref (type)));
  JsonObject *object = json_node_get_object (node);

  /* The usual file fits as it is; only a damaged one is copied. */
  JsonObject *fitting = nullptr;
  JsonObjectIter iter;
  const gchar *name;
  JsonNode *member;
  json_object_iter_init (&iter, object);
  while (json_object_iter_next (&iter, &name, &member)) {
    GParamSpec *pspec = g_object_class_find_property (G_OBJECT_CLASS (klass.get ()), name);
    if (pspec == nullptr || !(pspec->flags & G_PARAM_WRITABLE) || member_fits (pspec, member)) continue;
    fitting = json_object_new ();
    break;
  }
  if (fitting == nullptr) return json_gobject_deserialize (type, node);

  json_object_iter_init (&iter, object);
  while (json_object_iter_next (&iter, &name, &member)) {
    GParamSpec *pspec = g_object_class_find_property (G_OBJECT_CLASS (klass.get ()), name);
    if (pspec && member_fits (pspec, member)) json_object_set_member (fitting, name, json_node_copy (member));
  }
  JsonNode *fitting_node = json_node_init_object (json_node_alloc (), fitting);
  json_object_unref (fitting);
  GObject *result = json_gobject_deserialize (type, fitting_node);
  json_node_unref (fitting_node);
  return result;
}

bool
replace_list (GeeArrayList **field, GeeArrayList *value)
{
  if (*field == value) return false;
  if (value) g_object_ref (value);
  if (GeeArrayList *old = std::exchange (*field, value)) g_object_unref (old);
  return true;
}

namespace {

const ListProperty *
find_list (std::span<const ListProperty> lists, const gchar *property_name)
{
  for (const ListProperty &list : lists)
    if (g_strcmp0 (list.name, property_name) == 0) return &list;
  return nullptr;
}

}  // namespace

JsonNode *
serialize_property (JsonSerializable *self, std::span<const ListProperty> lists, const gchar *property_name,
                    const GValue *value, GParamSpec *pspec)
{
  if (find_list (lists, property_name)) {
    gpointer list = G_VALUE_HOLDS_OBJECT (value) ? g_value_get_object (value) : nullptr;
    return serialize_object_list (GEE_IS_ARRAY_LIST (list) ? GEE_ARRAY_LIST (list) : nullptr);
  }
  return json_serializable_default_serialize_property (self, property_name, value, pspec);
}

gboolean
deserialize_property (JsonSerializable *self, std::span<const ListProperty> lists, const gchar *property_name,
                      GValue *value, GParamSpec *pspec, JsonNode *property_node)
{
  if (const ListProperty *list = find_list (lists, property_name)) {
    g_value_take_object (value, deserialize_object_list (list->element_type (), property_node));
    return TRUE;
  }
  if (json_serializable_default_deserialize_property (self, property_name, value, pspec, property_node)) return TRUE;
  /* A member of the wrong JSON type is not applied: answer the current
   * value, so json-glib neither changes it nor logs a warning. */
  g_object_get_property (G_OBJECT (self), pspec->name, value);
  return TRUE;
}

}  // namespace providers::settings
