/* ServerSetting: the root of the saved connection settings, their lookups,
 * and loading and saving the tree (the file itself is settings-file.cpp). */
#include "libproviders/settings/server-setting.h"

#include "common/check.h"
#include "common/private-data.h"
#include "common/compat-texts.h"
#include "common/gobject-ref.h"
#include "common/property-helpers.h"
#include "contracts/settings/settings-file-private.h"
#include "contracts/settings/settings-json-private.h"

#include <glib/gi18n-lib.h>

#include <utility>

#ifndef PROVIDERS_LOCALEDIR
#define PROVIDERS_LOCALEDIR "/usr/share/locale"
#endif

struct TorvanixProvidersContractsServerSettingPrivate {
  gchar *filename = g_strdup (""); /* owned; "" until the first load */
  GeeArrayList *organizations = providers::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION);
  GeeArrayList *groups = providers::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP);
  GeeArrayList *servers = providers::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER);

  TorvanixProvidersContractsServerSettingPrivate () = default;
  TorvanixProvidersContractsServerSettingPrivate (const TorvanixProvidersContractsServerSettingPrivate &) = delete;
  ~TorvanixProvidersContractsServerSettingPrivate ()
  {
    g_free (filename);
    for (GeeArrayList *list : {organizations, groups, servers})
      if (list) g_object_unref (list);
  }
};

namespace {

using Setting = TorvanixProvidersContractsServerSetting;
using Server = TorvanixProvidersContractsServer;
using Group = TorvanixProvidersContractsServerGroup;
using Organization = TorvanixProvidersContractsOrganization;
using providers::GRef;

enum { PROP_0, PROP_ORGANIZATIONS, PROP_GROUPS, PROP_SERVERS, N_PROPS };
GParamSpec *props[N_PROPS];

enum { SIGNAL_CHANGED, N_SIGNALS };
guint signals[N_SIGNALS];

const providers::settings::ListProperty kLists[] = {
    {"organizations", torvanix_providers_contracts_organization_get_type},
    {"groups", torvanix_providers_contracts_server_group_get_type},
    {"servers", torvanix_providers_contracts_server_get_type},
};

void serializable_init (JsonSerializableIface *iface);

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsServerSetting, torvanix_providers_contracts_server_setting, G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (JSON_TYPE_SERIALIZABLE, serializable_init))

namespace {

TorvanixProvidersContractsServerSettingPrivate *
priv_of (Setting *self)
{
  return static_cast<TorvanixProvidersContractsServerSettingPrivate *> (
      torvanix_providers_contracts_server_setting_get_instance_private (self));
}

/* JSON hooks ----------------------------------------------------------------- */

JsonNode *
setting_serialize_property (JsonSerializable *self, const gchar *property_name, const GValue *value, GParamSpec *pspec)
{
  PROVIDERS_CHECK_SERIALIZE_ARGUMENTS (PROVIDERS_FN_SERVER_SETTING_SERIALIZE, nullptr);
  return providers::settings::serialize_property (self, kLists, property_name, value, pspec);
}

gboolean
setting_deserialize_property (JsonSerializable *self, const gchar *property_name, GValue *value, GParamSpec *pspec,
                              JsonNode *property_node)
{
  PROVIDERS_CHECK_SERIALIZE_ARGUMENTS (PROVIDERS_FN_SERVER_SETTING_DESERIALIZE, FALSE);
  providers_return_val_if_fail_in (PROVIDERS_FN_SERVER_SETTING_DESERIALIZE, property_node != NULL, FALSE);
  return providers::settings::deserialize_property (self, kLists, property_name, value, pspec, property_node);
}

void
serializable_init (JsonSerializableIface *iface)
{
  iface->serialize_property = setting_serialize_property;
  iface->deserialize_property = setting_deserialize_property;
}

/* Lookups ----------------------------------------------------------------------- */

/* The first element of `list` of `type` whose name is `name`. */
template <typename T>
GRef<T>
find_named (GeeArrayList *list, GType type, const gchar *(*name_of) (T *), const gchar *name)
{
  gint size = list ? gee_collection_get_size (GEE_COLLECTION (list)) : 0;
  for (gint i = 0; i < size; ++i) {
    auto element = providers::adopt_ref (static_cast<T *> (gee_list_get (GEE_LIST (list), i)));
    if (element && G_TYPE_CHECK_INSTANCE_TYPE (element.get (), type) && g_strcmp0 (name_of (element.get ()), name) == 0)
      return element;
  }
  return nullptr;
}

/* The group that append and remove address, or null for the top level. An
 * organization that is found but lacks the group does not fall back to the
 * top-level groups. */
GRef<Group>
find_group (Setting *self, const gchar *group_name, const gchar *org_name)
{
  auto *priv = priv_of (self);
  GRef<Organization> organization;
  if (*org_name)
    organization = find_named<Organization> (priv->organizations, TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION,
                                             torvanix_providers_contracts_organization_get_name, org_name);
  if (!*group_name) return nullptr;
  GeeArrayList *groups =
      organization ? torvanix_providers_contracts_organization_get_groups (organization.get ()) : priv->groups;
  return find_named<Group> (groups, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP,
                            torvanix_providers_contracts_server_group_get_name, group_name);
}

/* The list a profile is filed in: the group's, or the top-level one. A list
 * that was set to null is null, or, when `make` asks, replaced by an empty
 * one so that the profile has somewhere to go. */
GeeArrayList *
servers_of (Setting *self, Group *group, bool make)
{
  GeeArrayList *list = group ? torvanix_providers_contracts_server_group_get_servers (group) : priv_of (self)->servers;
  if (list || !make) return list;
  auto fresh = providers::adopt_ref (providers::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER));
  if (group) torvanix_providers_contracts_server_group_set_servers (group, fresh.get ());
  else torvanix_providers_contracts_server_setting_set_servers (self, fresh.get ());
  return fresh.get ();
}

/* The argument checks of append and remove, logged under `function`, and
 * then the list the named group files `server` in (servers_of); false
 * when a check failed. */
bool
filing_list (const char *function, Setting *self, Server *server, const gchar *group_name, const gchar *org_name,
             bool make, GeeArrayList **list)
{
  providers_return_val_if_fail_in (function, self != NULL, false);
  providers_return_val_if_fail_in (function, TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self), false);
  providers_return_val_if_fail_in (function, server != NULL, false);
  providers_return_val_if_fail_in (function, group_name != NULL, false);
  providers_return_val_if_fail_in (function, org_name != NULL, false);
  GRef<Group> group = find_group (self, group_name, org_name);
  *list = servers_of (self, group.get (), make);
  return true;
}

/* Appends each profile of `list` to `out`, taking a reference. */
void
collect_servers (GeeArrayList *list, GPtrArray *out)
{
  gint size = list ? gee_collection_get_size (GEE_COLLECTION (list)) : 0;
  for (gint i = 0; i < size; ++i) {
    gpointer server = gee_list_get (GEE_LIST (list), i);
    if (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER (server)) g_ptr_array_add (out, server);
    else if (server) g_object_unref (server);
  }
}

template <typename T>
void
for_each (GeeArrayList *list, GType type, void (*visit) (T *, GPtrArray *), GPtrArray *out)
{
  gint size = list ? gee_collection_get_size (GEE_COLLECTION (list)) : 0;
  for (gint i = 0; i < size; ++i) {
    auto element = providers::adopt_ref (static_cast<T *> (gee_list_get (GEE_LIST (list), i)));
    if (element && G_TYPE_CHECK_INSTANCE_TYPE (element.get (), type)) visit (element.get (), out);
  }
}

void
collect_group (Group *group, GPtrArray *out)
{
  collect_servers (torvanix_providers_contracts_server_group_get_servers (group), out);
}

void
collect_organization (Organization *organization, GPtrArray *out)
{
  for_each<Group> (torvanix_providers_contracts_organization_get_groups (organization),
                   TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP, collect_group, out);
}

/* GObject ------------------------------------------------------------------------ */

void
setting_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  auto *priv = priv_of (TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING (object));
  switch (prop_id) {
    case PROP_ORGANIZATIONS: g_value_set_object (value, priv->organizations); break;
    case PROP_GROUPS: g_value_set_object (value, priv->groups); break;
    case PROP_SERVERS: g_value_set_object (value, priv->servers); break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec); break;
  }
}

void
setting_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING (object);
  auto *list = static_cast<GeeArrayList *> (g_value_get_object (value));
  switch (prop_id) {
    case PROP_ORGANIZATIONS: torvanix_providers_contracts_server_setting_set_organizations (self, list); break;
    case PROP_GROUPS: torvanix_providers_contracts_server_setting_set_groups (self, list); break;
    case PROP_SERVERS: torvanix_providers_contracts_server_setting_set_servers (self, list); break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec); break;
  }
}

void
set_list (Setting *self, GeeArrayList **field, guint prop, GeeArrayList *value)
{
  if (providers::settings::replace_list (field, value)) g_object_notify_by_pspec (G_OBJECT (self), props[prop]);
}

}  // namespace

static void
torvanix_providers_contracts_server_setting_class_init (TorvanixProvidersContractsServerSettingClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = setting_get_property;
  object_class->set_property = setting_set_property;

  constexpr auto flags = static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY);
  props[PROP_ORGANIZATIONS] = providers::list_pspec ("organizations", flags);
  props[PROP_GROUPS] = providers::list_pspec ("groups", flags);
  props[PROP_SERVERS] = providers::list_pspec ("servers", flags);
  g_object_class_install_properties (object_class, N_PROPS, props);

  signals[SIGNAL_CHANGED] = g_signal_new ("changed", G_TYPE_FROM_CLASS (klass), G_SIGNAL_RUN_LAST, 0, nullptr, nullptr,
                                          nullptr, G_TYPE_NONE, 0);

  /* The translated messages; no catalogue needs to be installed. */
  bindtextdomain (GETTEXT_PACKAGE, PROVIDERS_LOCALEDIR);
  bind_textdomain_codeset (GETTEXT_PACKAGE, "UTF-8");
}

extern "C" TorvanixProvidersContractsServerSetting *
torvanix_providers_contracts_server_setting_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_SETTING, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING (g_object_new (object_type, nullptr));
}

extern "C" TorvanixProvidersContractsServerSetting *
torvanix_providers_contracts_server_setting_new (void)
{
  return torvanix_providers_contracts_server_setting_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_SETTING);
}

extern "C" gboolean
torvanix_providers_contracts_server_setting_load (TorvanixProvidersContractsServerSetting *self, const gchar *filename,
                                                  GError **error)
{
  providers_return_val_if_fail (self != NULL, FALSE);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self), FALSE);
  providers_return_val_if_fail (filename != NULL, FALSE);
  providers_return_val_if_fail (error == NULL || *error == NULL, FALSE);
  auto *priv = priv_of (self);
  /* Recorded first, so save() writes here even after a failed load. */
  providers::replace_string (&priv->filename, filename);

  GRef<JsonParser> parser = providers::settings::parse_file (filename, error);
  if (!parser) return FALSE;
  /* An empty document or a root that is not an object holds no settings;
   * json-glib's deserializer must not see it (it would fail an assertion). */
  JsonNode *root = json_parser_get_root (parser.get ());
  GRef<GObject> loaded;
  if (root && JSON_NODE_HOLDS_OBJECT (root))
    loaded = providers::adopt_ref (
        providers::settings::deserialize_object (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_SETTING, root));
  if (!loaded || !TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (loaded.get ())) {
    g_set_error_literal (error, TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR, TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_LOAD_FAILED,
                         _("Failed to load database setting file."));
    return FALSE;
  }
  auto *from = priv_of (TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING (loaded.get ()));
  torvanix_providers_contracts_server_setting_set_groups (self, from->groups);
  torvanix_providers_contracts_server_setting_set_servers (self, from->servers);
  torvanix_providers_contracts_server_setting_set_organizations (self, from->organizations);
  return TRUE;
}

extern "C" gboolean
torvanix_providers_contracts_server_setting_save (TorvanixProvidersContractsServerSetting *self, GError **error)
{
  providers_return_val_if_fail (self != NULL, FALSE);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self), FALSE);
  providers_return_val_if_fail (error == NULL || *error == NULL, FALSE);
  return providers::settings::save_file (priv_of (self)->filename, G_OBJECT (self), error);
}

extern "C" void
torvanix_providers_contracts_server_setting_append (TorvanixProvidersContractsServerSetting *self,
                                                    TorvanixProvidersContractsServer *server, const gchar *group_name,
                                                    const gchar *org_name)
{
  GeeArrayList *list = nullptr;
  if (!filing_list (__func__, self, server, group_name, org_name, true, &list)) return;
  gee_collection_add (GEE_COLLECTION (list), server);
  g_signal_emit (self, signals[SIGNAL_CHANGED], 0);
}

extern "C" void
torvanix_providers_contracts_server_setting_remove (TorvanixProvidersContractsServerSetting *self,
                                                    TorvanixProvidersContractsServer *server, const gchar *group_name,
                                                    const gchar *org_name)
{
  GeeArrayList *list = nullptr;
  if (!filing_list (__func__, self, server, group_name, org_name, false, &list)) return;
  if (list) gee_collection_remove (GEE_COLLECTION (list), server);
  g_signal_emit (self, signals[SIGNAL_CHANGED], 0);
}

extern "C" TorvanixProvidersContractsServer **
torvanix_providers_contracts_server_setting_unite_servers (TorvanixProvidersContractsServerSetting *self,
                                                           gint *result_length)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self), nullptr);
  auto *priv = priv_of (self);
  GPtrArray *all = g_ptr_array_new ();
  for_each<Organization> (priv->organizations, TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION, collect_organization, all);
  for_each<Group> (priv->groups, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP, collect_group, all);
  collect_servers (priv->servers, all);
  if (result_length) *result_length = static_cast<gint> (all->len);
  g_ptr_array_add (all, nullptr);
  return reinterpret_cast<Server **> (g_ptr_array_free (all, FALSE));
}

/* The getter and setter of one of the three lists. */
#define SETTING_LIST(name, PROP)                                                                                   \
  extern "C" GeeArrayList *torvanix_providers_contracts_server_setting_get_##name (                              \
      TorvanixProvidersContractsServerSetting *self)                                                             \
  {                                                                                                              \
    providers_return_val_if_fail (self != NULL, nullptr);                                                        \
    providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self), nullptr);               \
    return priv_of (self)->name;                                                                                 \
  }                                                                                                              \
  extern "C" void torvanix_providers_contracts_server_setting_set_##name (                                       \
      TorvanixProvidersContractsServerSetting *self, GeeArrayList *value)                                        \
  {                                                                                                              \
    providers_return_if_fail (self != NULL);                                                                     \
    providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self));                            \
    set_list (self, &priv_of (self)->name, PROP, value);                                                         \
  }

SETTING_LIST (organizations, PROP_ORGANIZATIONS)
SETTING_LIST (groups, PROP_GROUPS)
SETTING_LIST (servers, PROP_SERVERS)
