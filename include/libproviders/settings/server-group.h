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
 * TorvanixProvidersContractsServerGroup:
 *
 * A named list of connection profiles (#TorvanixProvidersContractsServer),
 * as the user files them in the settings file: a
 * #TorvanixProvidersContractsServerSetting holds the groups outside any
 * organization, and each #TorvanixProvidersContractsOrganization its own.
 * The application makes one, or #TorvanixProvidersContractsServerSetting
 * makes them as it loads its file. It belongs to one thread at a time. The
 * name and the list its getters return are its own (transfer none). It
 * implements #JsonSerializable: the settings file writes it as an object of
 * its name and its list, the list always, as an array of profile objects;
 * reading one, an element of the array that is not an object is skipped, a
 * list that is not an array reads as empty, and a member of the wrong JSON
 * type keeps its start value, without a warning.
 */

/**
 * TorvanixProvidersContractsServerGroup:name:
 *
 * The group's name, "" at first; the declared default is %NULL, and the
 * settings file leaves the member out while it is %NULL. Notifies when it
 * is set to another text (%NULL and "" differ).
 */

/**
 * TorvanixProvidersContractsServerGroup:servers:
 *
 * The #GeeArrayList of #TorvanixProvidersContractsServer the group holds, a
 * new empty list at first; it may be set to %NULL, which the settings file
 * writes as an empty array. Notifies when another list is set (the very
 * list held notifies nothing); changes made inside the list notify nothing.
 */

/**
 * TorvanixProvidersContractsServerGroupClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsServerGroup; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsServerGroupClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_server_group_new:
 *
 * Makes a group with an empty name and an empty list.
 *
 * Returns: (transfer full): a new group
 */
PROVIDERS_API TorvanixProvidersContractsServerGroup *torvanix_providers_contracts_server_group_new (void);
/**
 * torvanix_providers_contracts_server_group_construct:
 * @object_type: ServerGroup or a subclass of it
 *
 * Makes a group of @object_type with an empty name and an empty list, for a
 * subclass's constructor. A wrong @object_type logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   @object_type
 */
PROVIDERS_API TorvanixProvidersContractsServerGroup *torvanix_providers_contracts_server_group_construct (GType object_type);
/**
 * torvanix_providers_contracts_server_group_new_with_name:
 * @_name: the group's name, copied
 *
 * Makes a group named @_name with an empty list. A %NULL @_name logs a
 * CRITICAL naming
 * torvanix_providers_contracts_server_group_construct_with_name().
 *
 * Returns: (transfer full) (nullable): a new group, or %NULL for a %NULL
 *   @_name
 */
PROVIDERS_API TorvanixProvidersContractsServerGroup *torvanix_providers_contracts_server_group_new_with_name (const gchar *_name);
/**
 * torvanix_providers_contracts_server_group_construct_with_name:
 * @object_type: ServerGroup or a subclass of it
 * @_name: the group's name, copied
 *
 * Makes a group of @object_type named @_name with an empty list, for a
 * subclass's constructor. A %NULL @_name or a wrong @object_type logs a
 * CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   argument
 */
PROVIDERS_API TorvanixProvidersContractsServerGroup *torvanix_providers_contracts_server_group_construct_with_name (GType object_type, const gchar *_name);
/**
 * torvanix_providers_contracts_server_group_to_string:
 * @self: a group
 *
 * Describes the group on one line: "ServerGroup <name> => <title>,
 * <title>", the profiles' titles in list order. A %NULL name or title
 * prints as nothing, and so does a %NULL list after "=> ". A %NULL or wrong
 * @self logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): the description, or %NULL for a
 *   wrong @self
 */
PROVIDERS_API gchar *torvanix_providers_contracts_server_group_to_string (TorvanixProvidersContractsServerGroup *self);
/**
 * torvanix_providers_contracts_server_group_get_name:
 * @self: a group
 *
 * Gets #TorvanixProvidersContractsServerGroup:name. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the group's own name, valid until it
 *   is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_group_get_name (TorvanixProvidersContractsServerGroup *self);
/**
 * torvanix_providers_contracts_server_group_set_name:
 * @self: a group
 * @value: (nullable): the new name, copied
 *
 * Sets #TorvanixProvidersContractsServerGroup:name, notifying it when
 * @value differs from the name held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_group_set_name (TorvanixProvidersContractsServerGroup *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_group_get_servers:
 * @self: a group
 *
 * Gets #TorvanixProvidersContractsServerGroup:servers, the group's own
 * list: adding and removing through it changes the group and emits nothing.
 * A %NULL or wrong @self logs a CRITICAL naming this function and answers
 * %NULL.
 *
 * Returns: (transfer none) (nullable): the profiles, a list of
 *   TorvanixProvidersContractsServer, or %NULL after %NULL was set
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_server_group_get_servers (TorvanixProvidersContractsServerGroup *self);
/**
 * torvanix_providers_contracts_server_group_set_servers:
 * @self: a group
 * @value: (nullable): the list to hold (a reference is taken, not a copy)
 *
 * Sets #TorvanixProvidersContractsServerGroup:servers to @value itself,
 * notifying it when @value is another list than the one held. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_group_set_servers (TorvanixProvidersContractsServerGroup *self, GeeArrayList *value);

/* Organization ----------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION (torvanix_providers_contracts_organization_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsOrganization, torvanix_providers_contracts_organization,
                          TORVANIX_PROVIDERS_CONTRACTS, ORGANIZATION, GObject)

/**
 * TorvanixProvidersContractsOrganization:
 *
 * A named list of server groups (#TorvanixProvidersContractsServerGroup),
 * the outermost level of the settings file, which
 * #TorvanixProvidersContractsServerSetting holds a list of. The application
 * makes one, or #TorvanixProvidersContractsServerSetting makes them as it
 * loads its file. It belongs to one thread at a time. The name and the list
 * its getters return are its own (transfer none). It implements
 * #JsonSerializable: the settings file writes it as an object of its name
 * and its list, the list always, as an array of group objects; reading one,
 * an element of the array that is not an object is skipped, a list that is
 * not an array reads as empty, and a member of the wrong JSON type keeps
 * its start value, without a warning.
 */

/**
 * TorvanixProvidersContractsOrganization:name:
 *
 * The organization's name, "" at first; the declared default is %NULL, and
 * the settings file leaves the member out while it is %NULL. Notifies when
 * it is set to another text (%NULL and "" differ).
 */

/**
 * TorvanixProvidersContractsOrganization:groups:
 *
 * The #GeeArrayList of #TorvanixProvidersContractsServerGroup the
 * organization holds, a new empty list at first; it may be set to %NULL,
 * which the settings file writes as an empty array. Notifies when another
 * list is set (the very list held notifies nothing); changes made inside
 * the list notify nothing.
 */

/**
 * TorvanixProvidersContractsOrganizationClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsOrganization; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsOrganizationClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_organization_new:
 *
 * Makes an organization with an empty name and an empty list.
 *
 * Returns: (transfer full): a new organization
 */
PROVIDERS_API TorvanixProvidersContractsOrganization *torvanix_providers_contracts_organization_new (void);
/**
 * torvanix_providers_contracts_organization_construct:
 * @object_type: Organization or a subclass of it
 *
 * Makes an organization of @object_type with an empty name and an empty
 * list, for a subclass's constructor. A wrong @object_type logs a CRITICAL
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   @object_type
 */
PROVIDERS_API TorvanixProvidersContractsOrganization *torvanix_providers_contracts_organization_construct (GType object_type);
/**
 * torvanix_providers_contracts_organization_new_with_name:
 * @_name: the organization's name, copied
 *
 * Makes an organization named @_name with an empty list. A %NULL @_name
 * logs a CRITICAL naming
 * torvanix_providers_contracts_organization_construct_with_name().
 *
 * Returns: (transfer full) (nullable): a new organization, or %NULL for a
 *   %NULL @_name
 */
PROVIDERS_API TorvanixProvidersContractsOrganization *torvanix_providers_contracts_organization_new_with_name (const gchar *_name);
/**
 * torvanix_providers_contracts_organization_construct_with_name:
 * @object_type: Organization or a subclass of it
 * @_name: the organization's name, copied
 *
 * Makes an organization of @object_type named @_name with an empty list,
 * for a subclass's constructor. A %NULL @_name or a wrong @object_type logs
 * a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   argument
 */
PROVIDERS_API TorvanixProvidersContractsOrganization *torvanix_providers_contracts_organization_construct_with_name (GType object_type, const gchar *_name);
/**
 * torvanix_providers_contracts_organization_to_string:
 * @self: an organization
 *
 * Describes the organization on one line: "Organization <name> => <group
 * name>, <group name>", the groups' names in list order. A %NULL name or
 * group name prints as nothing, and so does a %NULL list after "=> ". A
 * %NULL or wrong @self logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): the description, or %NULL for a
 *   wrong @self
 */
PROVIDERS_API gchar *torvanix_providers_contracts_organization_to_string (TorvanixProvidersContractsOrganization *self);
/**
 * torvanix_providers_contracts_organization_get_name:
 * @self: an organization
 *
 * Gets #TorvanixProvidersContractsOrganization:name. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the organization's own name, valid
 *   until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_organization_get_name (TorvanixProvidersContractsOrganization *self);
/**
 * torvanix_providers_contracts_organization_set_name:
 * @self: an organization
 * @value: (nullable): the new name, copied
 *
 * Sets #TorvanixProvidersContractsOrganization:name, notifying it when
 * @value differs from the name held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_organization_set_name (TorvanixProvidersContractsOrganization *self, const gchar *value);
/**
 * torvanix_providers_contracts_organization_get_groups:
 * @self: an organization
 *
 * Gets #TorvanixProvidersContractsOrganization:groups, the organization's
 * own list: adding and removing through it changes the organization and
 * emits nothing. A %NULL or wrong @self logs a CRITICAL naming this
 * function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the groups, a list of
 *   TorvanixProvidersContractsServerGroup, or %NULL after %NULL was set
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_organization_get_groups (TorvanixProvidersContractsOrganization *self);
/**
 * torvanix_providers_contracts_organization_set_groups:
 * @self: an organization
 * @value: (nullable): the list to hold (a reference is taken, not a copy)
 *
 * Sets #TorvanixProvidersContractsOrganization:groups to @value itself,
 * notifying it when @value is another list than the one held. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_organization_set_groups (TorvanixProvidersContractsOrganization *self, GeeArrayList *value);

G_END_DECLS

#endif /* LIBPROVIDERS_SETTINGS_SERVER_GROUP_H */
