/* ServerGroup and Organization: a name and a list of children (profiles or
 * groups), written to the settings file as a JSON array of objects. */
#include "libproviders/settings/server-group.h"

#include "common/check.h"
#include "common/gobject-ref.h"
#include "contracts/settings/settings-json.h"

#include <utility>

namespace providers::settings {

/* The private data of both classes. */
struct NamedList {
  gchar *name;        /* owned */
  GeeArrayList *list; /* one reference, may be null */
};

}  // namespace providers::settings

struct TorvanixProvidersContractsServerGroupPrivate : providers::settings::NamedList {};
struct TorvanixProvidersContractsOrganizationPrivate : providers::settings::NamedList {};

namespace {

using providers::settings::NamedList;

enum { PROP_0, PROP_NAME, PROP_LIST, N_PROPS };

GParamSpec *group_props[N_PROPS];
GParamSpec *organization_props[N_PROPS];

void group_serializable_init (JsonSerializableIface *iface);
void organization_serializable_init (JsonSerializableIface *iface);

}  // namespace

G_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsServerGroup, torvanix_providers_contracts_server_group, G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TorvanixProvidersContractsServerGroup)
                         G_IMPLEMENT_INTERFACE (JSON_TYPE_SERIALIZABLE, group_serializable_init))

G_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsOrganization, torvanix_providers_contracts_organization, G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TorvanixProvidersContractsOrganization)
                         G_IMPLEMENT_INTERFACE (JSON_TYPE_SERIALIZABLE, organization_serializable_init))

namespace {

/* Shared behaviour --------------------------------------------------------- */

NamedList *
priv_of (TorvanixProvidersContractsServerGroup *self)
{
  return static_cast<NamedList *> (torvanix_providers_contracts_server_group_get_instance_private (self));
}

NamedList *
priv_of (TorvanixProvidersContractsOrganization *self)
{
  return static_cast<NamedList *> (torvanix_providers_contracts_organization_get_instance_private (self));
}

void
named_list_init (NamedList *priv, GType element_type)
{
  priv->name = g_strdup ("");
  priv->list = providers::settings::new_object_list (element_type);
}

void
named_list_finalize (NamedList *priv)
{
  g_free (priv->name);
  if (priv->list) g_object_unref (priv->list);
}

void
named_list_get_property (NamedList *priv, GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  switch (prop_id) {
    case PROP_NAME: g_value_set_string (value, priv->name); break;
    case PROP_LIST: g_value_set_object (value, priv->list); break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec); break;
  }
}

void
set_name (gpointer self, NamedList *priv, GParamSpec *pspec, const gchar *value)
{
  if (g_strcmp0 (priv->name, value) == 0) return;
  g_free (std::exchange (priv->name, g_strdup (value)));
  g_object_notify_by_pspec (G_OBJECT (self), pspec);
}

void
set_list (gpointer self, NamedList *priv, GParamSpec *pspec, GeeArrayList *value)
{
  if (providers::settings::replace_list (&priv->list, value)) g_object_notify_by_pspec (G_OBJECT (self), pspec);
}

/* "<label> <name> => a, b, c" over the children's names. */
gchar *
named_list_to_string (const char *label, NamedList *priv, const gchar *(*name_of) (GObject *))
{
  GString *names = g_string_new (nullptr);
  gint size = priv->list ? gee_collection_get_size (GEE_COLLECTION (priv->list)) : 0;
  for (gint i = 0; i < size; ++i) {
    auto child = providers::adopt_ref (static_cast<GObject *> (gee_list_get (GEE_LIST (priv->list), i)));
    if (!child) continue;
    const gchar *name = name_of (child.get ());
    g_string_append_printf (names, "%s, ", name ? name : "");
  }
  if (names->len > 0) g_string_truncate (names, names->len - 2);
  gchar *text = g_strdup_printf ("%s %s => %s", label, priv->name ? priv->name : "", names->str);
  g_string_free (names, TRUE);
  return text;
}

const gchar *
server_title (GObject *child)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER (child)
             ? torvanix_providers_contracts_server_get_title (TORVANIX_PROVIDERS_CONTRACTS_SERVER (child))
             : nullptr;
}

const gchar *
group_name (GObject *child)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_GROUP (child)
             ? torvanix_providers_contracts_server_group_get_name (TORVANIX_PROVIDERS_CONTRACTS_SERVER_GROUP (child))
             : nullptr;
}

GParamSpec *
name_pspec ()
{
  return g_param_spec_string ("name", "name", "name", nullptr,
                              static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY | G_PARAM_STATIC_STRINGS));
}

GParamSpec *
list_pspec (const char *name)
{
  return g_param_spec_object (name, name, name, GEE_TYPE_ARRAY_LIST,
                              static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY | G_PARAM_STATIC_STRINGS));
}

const providers::settings::ListProperty kGroupLists[] = {
    {"servers", torvanix_providers_contracts_server_get_type},
};
const providers::settings::ListProperty kOrganizationLists[] = {
    {"groups", torvanix_providers_contracts_server_group_get_type},
};

/* ServerGroup -------------------------------------------------------------- */

JsonNode *
torvanix_providers_contracts_server_group_real_serialize_property (JsonSerializable *self, const gchar *property_name,
                                                                   const GValue *value, GParamSpec *pspec)
{
  PROVIDERS_CHECK_SERIALIZE_ARGUMENTS (nullptr);
  return providers::settings::serialize_property (self, kGroupLists, property_name, value, pspec);
}

gboolean
torvanix_providers_contracts_server_group_real_deserialize_property (JsonSerializable *self, const gchar *property_name,
                                                                     GValue *value, GParamSpec *pspec,
                                                                     JsonNode *property_node)
{
  PROVIDERS_CHECK_SERIALIZE_ARGUMENTS (FALSE);
  providers_return_val_if_fail (property_node != NULL, FALSE);
  return providers::settings::deserialize_property (self, kGroupLists, property_name, value, pspec, property_node);
}

void
group_serializable_init (JsonSerializableIface *iface)
{
  iface->serialize_property = torvanix_providers_contracts_server_group_real_serialize_property;
  iface->deserialize_property = torvanix_providers_contracts_server_group_real_deserialize_property;
}

void
group_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  named_list_get_property (priv_of (TORVANIX_PROVIDERS_CONTRACTS_SERVER_GROUP (object)), object, prop_id, value, pspec);
}

void
group_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_SERVER_GROUP (object);
  switch (prop_id) {
    case PROP_NAME: torvanix_providers_contracts_server_group_set_name (self, g_value_get_string (value)); break;
    case PROP_LIST:
      torvanix_providers_contracts_server_group_set_servers (self, static_cast<GeeArrayList *> (g_value_get_object (value)));
      break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec); break;
  }
}

void
group_finalize (GObject *object)
{
  named_list_finalize (priv_of (TORVANIX_PROVIDERS_CONTRACTS_SERVER_GROUP (object)));
  G_OBJECT_CLASS (torvanix_providers_contracts_server_group_parent_class)->finalize (object);
}

}  // namespace

static void
torvanix_providers_contracts_server_group_class_init (TorvanixProvidersContractsServerGroupClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = group_get_property;
  object_class->set_property = group_set_property;
  object_class->finalize = group_finalize;
  group_props[PROP_NAME] = name_pspec ();
  group_props[PROP_LIST] = list_pspec ("servers");
  g_object_class_install_properties (object_class, N_PROPS, group_props);
}

static void
torvanix_providers_contracts_server_group_init (TorvanixProvidersContractsServerGroup *self)
{
  named_list_init (priv_of (self), TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER);
}

extern "C" TorvanixProvidersContractsServerGroup *
torvanix_providers_contracts_server_group_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_SERVER_GROUP (g_object_new (object_type, nullptr));
}

extern "C" TorvanixProvidersContractsServerGroup *
torvanix_providers_contracts_server_group_new (void)
{
  return torvanix_providers_contracts_server_group_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP);
}

extern "C" TorvanixProvidersContractsServerGroup *
torvanix_providers_contracts_server_group_construct_with_name (GType object_type, const gchar *name)
{
  providers_return_val_if_fail_text (name != NULL, "_name != NULL", nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP, nullptr);
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_SERVER_GROUP (g_object_new (object_type, nullptr));
  torvanix_providers_contracts_server_group_set_name (self, name);
  return self;
}

extern "C" TorvanixProvidersContractsServerGroup *
torvanix_providers_contracts_server_group_new_with_name (const gchar *name)
{
  return torvanix_providers_contracts_server_group_construct_with_name (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP, name);
}

extern "C" gchar *
torvanix_providers_contracts_server_group_to_string (TorvanixProvidersContractsServerGroup *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_GROUP (self), nullptr);
  return named_list_to_string ("ServerGroup", priv_of (self), server_title);
}

extern "C" const gchar *
torvanix_providers_contracts_server_group_get_name (TorvanixProvidersContractsServerGroup *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_GROUP (self), nullptr);
  return priv_of (self)->name;
}

extern "C" void
torvanix_providers_contracts_server_group_set_name (TorvanixProvidersContractsServerGroup *self, const gchar *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_GROUP (self));
  set_name (self, priv_of (self), group_props[PROP_NAME], value);
}

extern "C" GeeArrayList *
torvanix_providers_contracts_server_group_get_servers (TorvanixProvidersContractsServerGroup *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_GROUP (self), nullptr);
  return priv_of (self)->list;
}

extern "C" void
torvanix_providers_contracts_server_group_set_servers (TorvanixProvidersContractsServerGroup *self, GeeArrayList *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_GROUP (self));
  set_list (self, priv_of (self), group_props[PROP_LIST], value);
}

/* Organization ------------------------------------------------------------- */

namespace {

JsonNode *
torvanix_providers_contracts_organization_real_serialize_property (JsonSerializable *self, const gchar *property_name,
                                                                   const GValue *value, GParamSpec *pspec)
{
  PROVIDERS_CHECK_SERIALIZE_ARGUMENTS (nullptr);
  return providers::settings::serialize_property (self, kOrganizationLists, property_name, value, pspec);
}

gboolean
torvanix_providers_contracts_organization_real_deserialize_property (JsonSerializable *self, const gchar *property_name,
                                                                     GValue *value, GParamSpec *pspec,
                                                                     JsonNode *property_node)
{
  PROVIDERS_CHECK_SERIALIZE_ARGUMENTS (FALSE);
  providers_return_val_if_fail (property_node != NULL, FALSE);
  return providers::settings::deserialize_property (self, kOrganizationLists, property_name, value, pspec,
                                                   property_node);
}

void
organization_serializable_init (JsonSerializableIface *iface)
{
  iface->serialize_property = torvanix_providers_contracts_organization_real_serialize_property;
  iface->deserialize_property = torvanix_providers_contracts_organization_real_deserialize_property;
}

void
organization_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  named_list_get_property (priv_of (TORVANIX_PROVIDERS_CONTRACTS_ORGANIZATION (object)), object, prop_id, value, pspec);
}

void
organization_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_ORGANIZATION (object);
  switch (prop_id) {
    case PROP_NAME: torvanix_providers_contracts_organization_set_name (self, g_value_get_string (value)); break;
    case PROP_LIST:
      torvanix_providers_contracts_organization_set_groups (self, static_cast<GeeArrayList *> (g_value_get_object (value)));
      break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec); break;
  }
}

void
organization_finalize (GObject *object)
{
  named_list_finalize (priv_of (TORVANIX_PROVIDERS_CONTRACTS_ORGANIZATION (object)));
  G_OBJECT_CLASS (torvanix_providers_contracts_organization_parent_class)->finalize (object);
}

}  // namespace

static void
torvanix_providers_contracts_organization_class_init (TorvanixProvidersContractsOrganizationClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = organization_get_property;
  object_class->set_property = organization_set_property;
  object_class->finalize = organization_finalize;
  organization_props[PROP_NAME] = name_pspec ();
  organization_props[PROP_LIST] = list_pspec ("groups");
  g_object_class_install_properties (object_class, N_PROPS, organization_props);
}

static void
torvanix_providers_contracts_organization_init (TorvanixProvidersContractsOrganization *self)
{
  named_list_init (priv_of (self), TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP);
}

extern "C" TorvanixProvidersContractsOrganization *
torvanix_providers_contracts_organization_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_ORGANIZATION (g_object_new (object_type, nullptr));
}

extern "C" TorvanixProvidersContractsOrganization *
torvanix_providers_contracts_organization_new (void)
{
  return torvanix_providers_contracts_organization_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION);
}

extern "C" TorvanixProvidersContractsOrganization *
torvanix_providers_contracts_organization_construct_with_name (GType object_type, const gchar *name)
{
  providers_return_val_if_fail_text (name != NULL, "_name != NULL", nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION, nullptr);
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_ORGANIZATION (g_object_new (object_type, nullptr));
  torvanix_providers_contracts_organization_set_name (self, name);
  return self;
}

extern "C" TorvanixProvidersContractsOrganization *
torvanix_providers_contracts_organization_new_with_name (const gchar *name)
{
  return torvanix_providers_contracts_organization_construct_with_name (TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION, name);
}

extern "C" gchar *
torvanix_providers_contracts_organization_to_string (TorvanixProvidersContractsOrganization *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_ORGANIZATION (self), nullptr);
  return named_list_to_string ("Organization", priv_of (self), group_name);
}

extern "C" const gchar *
torvanix_providers_contracts_organization_get_name (TorvanixProvidersContractsOrganization *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_ORGANIZATION (self), nullptr);
  return priv_of (self)->name;
}

extern "C" void
torvanix_providers_contracts_organization_set_name (TorvanixProvidersContractsOrganization *self, const gchar *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_ORGANIZATION (self));
  set_name (self, priv_of (self), organization_props[PROP_NAME], value);
}

extern "C" GeeArrayList *
torvanix_providers_contracts_organization_get_groups (TorvanixProvidersContractsOrganization *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_ORGANIZATION (self), nullptr);
  return priv_of (self)->list;
}

extern "C" void
torvanix_providers_contracts_organization_set_groups (TorvanixProvidersContractsOrganization *self, GeeArrayList *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_ORGANIZATION (self));
  set_list (self, priv_of (self), organization_props[PROP_LIST], value);
}
