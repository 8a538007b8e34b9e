/* The JSON settings file of saved profiles. */
#ifndef LIBPROVIDERS_SETTINGS_SERVER_SETTING_H
#define LIBPROVIDERS_SETTINGS_SERVER_SETTING_H

#include <gee.h>
#include <glib-object.h>
#include <json-glib/json-glib.h>
#include <libproviders/providers-macros.h>
#include <libproviders/settings/server-group.h>

G_BEGIN_DECLS

/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR:
 *
 * The error domain of the settings file, the quark of "ServerSetting".
 */
#define TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR (g_quark_from_static_string ("ServerSetting"))

/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_MAX_FILE_SIZE:
 *
 * The largest settings file that load() reads, in bytes (64 MiB); a larger
 * one fails with %TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_TOO_LARGE.
 */
#define TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_MAX_FILE_SIZE (64u << 20)

/**
 * TorvanixProvidersContractsServerSettingError:
 * @TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_LOAD_FAILED: the file
 *   holds no settings object (it is empty, or its root is not an object)
 * @TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_TOO_LARGE: the file is
 *   larger than %TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_MAX_FILE_SIZE
 *
 * The library's own codes of the "ServerSetting" domain
 * (%TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR), which load() sets
 * besides the file system's and the JSON parser's errors.
 */
typedef enum {
  TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_TOO_LARGE = -3,
  TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_LOAD_FAILED = -2
} TorvanixProvidersContractsServerSettingError;

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_SETTING (torvanix_providers_contracts_server_setting_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsServerSetting, torvanix_providers_contracts_server_setting,
                          TORVANIX_PROVIDERS_CONTRACTS, SERVER_SETTING, GObject)

/**
 * TorvanixProvidersContractsServerSetting:organizations:
 *
 * The #GeeArrayList of #TorvanixProvidersContractsOrganization, empty at first. Notifies when another list
 * is set, as load() does; changes made inside the list notify nothing.
 */

/**
 * TorvanixProvidersContractsServerSetting:groups:
 *
 * The #GeeArrayList of #TorvanixProvidersContractsServerGroup outside any organization, empty at first. Notifies when another list
 * is set, as load() does; changes made inside the list notify nothing.
 */

/**
 * TorvanixProvidersContractsServerSetting:servers:
 *
 * The #GeeArrayList of #TorvanixProvidersContractsServer outside any group, empty at first. Notifies when another list
 * is set, as load() does; changes made inside the list notify nothing.
 */

/**
 * TorvanixProvidersContractsServerSetting::changed:
 * @self: the settings root
 *
 * Emitted, run last, once per append() and remove(), and for nothing else.
 */

/**
 * TorvanixProvidersContractsServerSetting:
 *
 * The root of the user's saved server profiles, kept in one JSON file:
 * organizations, the groups outside any organization and the profiles
 * outside any group. The application makes it and loads its file; the
 * lists its getters return are its own (transfer none). It belongs to one
 * thread at a time.
 */

/**
 * TorvanixProvidersContractsServerSettingClass:
 * @parent_class: the parent class
 *
 * The root of the saved settings: organizations, the groups outside any
 * organization and the profiles outside any group. Implements
 * JsonSerializable. Emits "changed" (no arguments, run-last) once per
 * append() and remove(), and for nothing else.
 */
struct _TorvanixProvidersContractsServerSettingClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_server_setting_new:
 *
 * Makes an empty settings root; load() gives it a file.
 *
 * Returns: (transfer full): an empty settings root with no file name
 */
PROVIDERS_API TorvanixProvidersContractsServerSetting *torvanix_providers_contracts_server_setting_new (void);
/**
 * torvanix_providers_contracts_server_setting_construct:
 * @object_type: ServerSetting or a subclass of it
 *
 * Makes an empty settings root of @object_type, for a subclass's
 * constructor. A wrong @object_type logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new empty instance, or %NULL for a
 *   wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsServerSetting *torvanix_providers_contracts_server_setting_construct (GType object_type);
/**
 * torvanix_providers_contracts_server_setting_load:
 * @self: a settings root
 * @filename: the settings file; recorded for save() even when reading fails
 * @error: return location for an error: the file system's, the JSON
 *   parser's ("<file>:<line>:<column>: Parse error: <problem>", never
 *   quoting the file's text), or
 *   %TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_TOO_LARGE or
 *   %TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_LOAD_FAILED
 *
 * Replaces the three lists by those read from @filename. On failure the
 * lists are left as they were.
 *
 * A file nested deeper than 512 levels of arrays and objects fails with
 * the parser's error, code %JSON_PARSER_ERROR_PARSE,
 * "<file>: Parse error: nested deeper than 512 levels", however its
 * brackets are written (json-glib also reads comments and single-quoted
 * texts).
 *
 * Every text loaded is valid UTF-8. A text of the file that is not (json-glib
 * reads a lone surrogate escape such as "\ud800" into bytes that are not
 * UTF-8) is loaded with U+FFFD in place of each bad sequence, one for each
 * such escape, and a warning names the member that held it, such as
 * "servers[0].host", never its text; what was loaded can always be saved.
 *
 * Returns: %TRUE when the file was loaded
 */
PROVIDERS_API gboolean torvanix_providers_contracts_server_setting_load (TorvanixProvidersContractsServerSetting *self, const gchar *filename, GError **error);
/**
 * torvanix_providers_contracts_server_setting_save:
 * @self: a settings root
 * @error: return location for the file system's error
 *
 * Writes the tree to the file name the last load() recorded, readable and
 * writable by its owner only. The new content goes to a temporary file
 * beside it first, so a failed save leaves the previous file intact. When
 * the file name is a symbolic link, the link's target is replaced that way
 * and the link stays.
 *
 * Returns: %TRUE when the file was written
 */
PROVIDERS_API gboolean torvanix_providers_contracts_server_setting_save (TorvanixProvidersContractsServerSetting *self, GError **error);
/**
 * torvanix_providers_contracts_server_setting_append:
 * @self: a settings root
 * @server: the profile to file
 * @group_name: the group to file it in, or "" for none
 * @org_name: the organization whose group is meant, or "" for none
 *
 * Adds @server to the end of the first group named @group_name (inside the
 * first organization named @org_name when there is one), or else to the
 * top-level profiles; then emits "changed".
 */
PROVIDERS_API void torvanix_providers_contracts_server_setting_append (TorvanixProvidersContractsServerSetting *self, TorvanixProvidersContractsServer *server, const gchar *group_name, const gchar *org_name);
/**
 * torvanix_providers_contracts_server_setting_remove:
 * @self: a settings root
 * @server: the profile to take out
 * @group_name: the group to take it from, or "" for none
 * @org_name: the organization whose group is meant, or "" for none
 *
 * Looks the list up as append() does and removes the first element that is
 * @server itself from it; then emits "changed", even when nothing was removed.
 */
PROVIDERS_API void torvanix_providers_contracts_server_setting_remove (TorvanixProvidersContractsServerSetting *self, TorvanixProvidersContractsServer *server, const gchar *group_name, const gchar *org_name);
/**
 * torvanix_providers_contracts_server_setting_unite_servers:
 * @self: a settings root
 * @result_length: (out) (optional): where to store the number of profiles
 *
 * Every profile of the tree: those of the organizations' groups, then of
 * the top-level groups, then the top-level profiles, each once per place.
 *
 * Returns: (transfer full) (nullable) (array length=result_length): a new
 *   array, also terminated by %NULL; unref each profile and g_free() it
 */
PROVIDERS_API TorvanixProvidersContractsServer **torvanix_providers_contracts_server_setting_unite_servers (TorvanixProvidersContractsServerSetting *self, gint *result_length);
/**
 * torvanix_providers_contracts_server_setting_get_organizations:
 * @self: a settings root
 *
 * Gets #TorvanixProvidersContractsServerSetting:organizations, the root's own list.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer none) (nullable): the organizations, a list of
 *   TorvanixProvidersContractsOrganization
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_server_setting_get_organizations (TorvanixProvidersContractsServerSetting *self);
/**
 * torvanix_providers_contracts_server_setting_set_organizations:
 * @self: a settings root
 * @value: (nullable): the list to hold (a reference is taken, not a copy)
 *
 * Sets #TorvanixProvidersContractsServerSetting:organizations, notifying it when
 * the list is another one.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_setting_set_organizations (TorvanixProvidersContractsServerSetting *self, GeeArrayList *value);
/**
 * torvanix_providers_contracts_server_setting_get_groups:
 * @self: a settings root
 *
 * Gets #TorvanixProvidersContractsServerSetting:groups, the root's own list.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer none) (nullable): the groups outside any
 *   organization, a list of TorvanixProvidersContractsServerGroup
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_server_setting_get_groups (TorvanixProvidersContractsServerSetting *self);
/**
 * torvanix_providers_contracts_server_setting_set_groups:
 * @self: a settings root
 * @value: (nullable): the list to hold (a reference is taken, not a copy)
 *
 * Sets #TorvanixProvidersContractsServerSetting:groups, notifying it when
 * the list is another one.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_setting_set_groups (TorvanixProvidersContractsServerSetting *self, GeeArrayList *value);
/**
 * torvanix_providers_contracts_server_setting_get_servers:
 * @self: a settings root
 *
 * Gets #TorvanixProvidersContractsServerSetting:servers, the root's own list.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer none) (nullable): the profiles outside any group, a
 *   list of TorvanixProvidersContractsServer
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_server_setting_get_servers (TorvanixProvidersContractsServerSetting *self);
/**
 * torvanix_providers_contracts_server_setting_set_servers:
 * @self: a settings root
 * @value: (nullable): the list to hold (a reference is taken, not a copy)
 *
 * Sets #TorvanixProvidersContractsServerSetting:servers, notifying it when
 * the list is another one.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_setting_set_servers (TorvanixProvidersContractsServerSetting *self, GeeArrayList *value);

G_END_DECLS

#endif /* LIBPROVIDERS_SETTINGS_SERVER_SETTING_H */
