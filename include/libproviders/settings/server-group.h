/* Profiles gathered into groups, and groups into organizations. */
#ifndef LIBPROVIDERS_SETTINGS_SERVER_GROUP_H
#define LIBPROVIDERS_SETTINGS_SERVER_GROUP_H

#include <gee.h>
#include <glib-object.h>
#include <json-glib/json-glib.h>
#include <libproviders/providers-macros.h>
#include <libproviders/settings/server.h>

G_BEGIN_DECLS

/* ServerGroup ------------------------------------------------------------ */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP (torvanix_providers_contracts_server_group_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsServerGroup, torvanix_providers_contracts_server_group,
                          TORVANIX_PROVIDERS_CONTRACTS, SERVER_GROUP, GObject)

/**
 * TorvanixProvidersContractsServerGroupClass:
 *
 * A named list of profiles. Implements JsonSerializable: its "servers"
 * list is written and read as an array of profile objects.
 */
struct _TorvanixProvidersContractsServerGroupClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_server_group_new:
 *
 * Returns: (transfer full): a group with an empty name and an empty list
 */
PROVIDERS_API TorvanixProvidersContractsServerGroup *torvanix_providers_contracts_server_group_new (void);
/**
 * torvanix_providers_contracts_server_group_construct:
 * @object_type: ServerGroup or a subclass of it
 *
 * Returns: (transfer full) (nullable): a new instance with an empty name and list
 */
PROVIDERS_API TorvanixProvidersContractsServerGroup *torvanix_providers_contracts_server_group_construct (GType object_type);
/**
 * torvanix_providers_contracts_server_group_new_with_name:
 * @_name: the group's name, copied
 *
 * Returns: (transfer full) (nullable): a group with an empty list
 */
PROVIDERS_API TorvanixProvidersContractsServerGroup *torvanix_providers_contracts_server_group_new_with_name (const gchar *_name);
/**
 * torvanix_providers_contracts_server_group_construct_with_name:
 * @object_type: ServerGroup or a subclass of it
 * @_name: the group's name, copied
 *
 * Returns: (transfer full) (nullable): a new instance with an empty list
 */
PROVIDERS_API TorvanixProvidersContractsServerGroup *torvanix_providers_contracts_server_group_construct_with_name (GType object_type, const gchar *_name);
/**
 * torvanix_providers_contracts_server_group_to_string:
 * @self: a group
 *
 * Returns: (transfer full) (nullable): "ServerGroup name => title, title"
 */
PROVIDERS_API gchar *torvanix_providers_contracts_server_group_to_string (TorvanixProvidersContractsServerGroup *self);
/**
 * torvanix_providers_contracts_server_group_get_name:
 * @self: a group
 *
 * Returns: (transfer none) (nullable): the group's name
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_group_get_name (TorvanixProvidersContractsServerGroup *self);
/**
 * torvanix_providers_contracts_server_group_set_name:
 * @self: a group
 * @value: (nullable): the new name, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_group_set_name (TorvanixProvidersContractsServerGroup *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_group_get_servers:
 * @self: a group
 *
 * The list itself: adding and removing through it changes the group.
 *
 * Returns: (transfer none) (nullable): the profiles, a list of
 *   TorvanixProvidersContractsServer
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_server_group_get_servers (TorvanixProvidersContractsServerGroup *self);
/**
 * torvanix_providers_contracts_server_group_set_servers:
 * @self: a group
 * @value: (nullable): the list to hold (a reference is taken, not a copy)
 */
PROVIDERS_API void torvanix_providers_contracts_server_group_set_servers (TorvanixProvidersContractsServerGroup *self, GeeArrayList *value);

/* Organization ----------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION (torvanix_providers_contracts_organization_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsOrganization, torvanix_providers_contracts_organization,
                          TORVANIX_PROVIDERS_CONTRACTS, ORGANIZATION, GObject)

/**
 * TorvanixProvidersContractsOrganizationClass:
 *
 * A named list of server groups. Implements JsonSerializable: its
 * "groups" list is written and read as an array of group objects.
 */
struct _TorvanixProvidersContractsOrganizationClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_organization_new:
 *
 * Returns: (transfer full): an organization with an empty name and list
 */
PROVIDERS_API TorvanixProvidersContractsOrganization *torvanix_providers_contracts_organization_new (void);
/**
 * torvanix_providers_contracts_organization_construct:
 * @object_type: Organization or a subclass of it
 *
 * Returns: (transfer full) (nullable): a new instance with an empty name and list
 */
PROVIDERS_API TorvanixProvidersContractsOrganization *torvanix_providers_contracts_organization_construct (GType object_type);
/**
 * torvanix_providers_contracts_organization_new_with_name:
 * @_name: the organization's name, copied
 *
 * Returns: (transfer full) (nullable): an organization with an empty list
 */
PROVIDERS_API TorvanixProvidersContractsOrganization *torvanix_providers_contracts_organization_new_with_name (const gchar *_name);
/**
 * torvanix_providers_contracts_organization_construct_with_name:
 * @object_type: Organization or a subclass of it
 * @_name: the organization's name, copied
 *
 * Returns: (transfer full) (nullable): a new instance with an empty list
 */
PROVIDERS_API TorvanixProvidersContractsOrganization *torvanix_providers_contracts_organization_construct_with_name (GType object_type, const gchar *_name);
/**
 * torvanix_providers_contracts_organization_to_string:
 * @self: an organization
 *
 * Returns: (transfer full) (nullable): "Organization name => group, group"
 */
PROVIDERS_API gchar *torvanix_providers_contracts_organization_to_string (TorvanixProvidersContractsOrganization *self);
/**
 * torvanix_providers_contracts_organization_get_name:
 * @self: an organization
 *
 * Returns: (transfer none) (nullable): the organization's name
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_organization_get_name (TorvanixProvidersContractsOrganization *self);
/**
 * torvanix_providers_contracts_organization_set_name:
 * @self: an organization
 * @value: (nullable): the new name, copied
 */
PROVIDERS_API void torvanix_providers_contracts_organization_set_name (TorvanixProvidersContractsOrganization *self, const gchar *value);
/**
 * torvanix_providers_contracts_organization_get_groups:
 * @self: an organization
 *
 * The list itself: adding and removing through it changes the organization.
 *
 * Returns: (transfer none) (nullable): the groups, a list of
 *   TorvanixProvidersContractsServerGroup
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_organization_get_groups (TorvanixProvidersContractsOrganization *self);
/**
 * torvanix_providers_contracts_organization_set_groups:
 * @self: an organization
 * @value: (nullable): the list to hold (a reference is taken, not a copy)
 */
PROVIDERS_API void torvanix_providers_contracts_organization_set_groups (TorvanixProvidersContractsOrganization *self, GeeArrayList *value);

G_END_DECLS

#endif /* LIBPROVIDERS_SETTINGS_SERVER_GROUP_H */
