/* One connection profile and the vendor name lists. Long because a
 * profile has some forty properties, each with a documented getter and
 * setter that the introspection data is made from. */
#ifndef LIBPROVIDERS_SETTINGS_SERVER_H
#define LIBPROVIDERS_SETTINGS_SERVER_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>

G_BEGIN_DECLS

/* Server ----------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER (torvanix_providers_contracts_server_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsServer, torvanix_providers_contracts_server,
                          TORVANIX_PROVIDERS_CONTRACTS, SERVER, GObject)

/**
 * TorvanixProvidersContractsServer:
 *
 * A connection profile: a plain bag of 39 properties saying where a
 * database is, as whom to log in and through which tunnel and TLS
 * settings. The application makes one, or loads saved ones with
 * #TorvanixProvidersContractsServerSetting, and hands it to
 * torvanix_providers_contracts_iprovider_open(), which reads what its
 * engine needs during the call and keeps no reference to it. Which engine
 * reads which property is said on each property; the tunnel properties
 * ("ssh-" and "http-") and a few others are the application's alone.
 *
 * A profile has no lock: it belongs to one thread at a time. The texts its
 * getters return are its own (transfer none), valid until the property is
 * set again or the profile is finalized.
 *
 * Every property is readable and writable, also through g_object_set(),
 * and notifies only when its value changes ("databases" when another array
 * is set). A text property declares %NULL as its default although a new
 * profile starts with a text (mostly ""), so the settings file writes each
 * text that is not %NULL, and each number and boolean that differs from
 * its start value; a member missing from the file leaves the start value.
 */

/**
 * TorvanixProvidersContractsServerClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsServer; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsServerClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_server_new:
 *
 * Makes a profile holding the start values, with an empty identifier and
 * "UNKNOWN" for its provider.
 *
 * Returns: (transfer full): a new profile
 */
PROVIDERS_API TorvanixProvidersContractsServer *torvanix_providers_contracts_server_new (void);
/**
 * torvanix_providers_contracts_server_construct:
 * @object_type: Server or a subclass of it
 *
 * Makes a profile of @object_type holding the start values, for a
 * subclass's constructor. A wrong @object_type logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   @object_type
 */
PROVIDERS_API TorvanixProvidersContractsServer *torvanix_providers_contracts_server_construct (GType object_type);
/**
 * torvanix_providers_contracts_server_new_with_provider:
 * @_provider: the name of the engine that serves the profile, copied
 *
 * Makes a profile for @_provider with a fresh random identifier in upper
 * case (see #TorvanixProvidersContractsServer:uuid). A %NULL @_provider
 * logs a CRITICAL naming
 * torvanix_providers_contracts_server_construct_with_provider().
 *
 * Returns: (transfer full) (nullable): a new profile, or %NULL for a %NULL
 *   @_provider
 */
PROVIDERS_API TorvanixProvidersContractsServer *torvanix_providers_contracts_server_new_with_provider (const gchar *_provider);
/**
 * torvanix_providers_contracts_server_construct_with_provider:
 * @object_type: Server or a subclass of it
 * @_provider: the name of the engine that serves the profile, copied
 *
 * Makes a profile of @object_type for @_provider with a fresh random
 * identifier in upper case, for a subclass's constructor. A %NULL
 * @_provider or a wrong @object_type logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   argument
 */
PROVIDERS_API TorvanixProvidersContractsServer *torvanix_providers_contracts_server_construct_with_provider (GType object_type, const gchar *_provider);
/**
 * torvanix_providers_contracts_server_clone:
 * @self: a profile
 * @new_uuid: whether the copy gets a fresh identifier instead of @self's
 *
 * Copies @self into a new profile of the same class: every property that
 * is readable and writable and not construct-only, a subclass's own
 * included, and "databases" name by name, as many as @self holds. The copy
 * shares nothing with @self. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 *
 * Returns: (transfer full) (nullable): the copy, or %NULL for a wrong @self
 */
PROVIDERS_API TorvanixProvidersContractsServer *torvanix_providers_contracts_server_clone (TorvanixProvidersContractsServer *self, gboolean new_uuid);
/**
 * torvanix_providers_contracts_server_to_string:
 * @self: a profile
 * @with_id: whether to append the identifier
 *
 * Describes the profile on one line, for logs and lists:
 * "Server <title> => Provider:<provider>, Driver:<driver>,
 * Initial:<initial>, Host:<host>, port:<port>, User:<username>,
 * SSL:<Yes or No>, Tunnel:<tunnel>", then ", ID:<uuid>" with @with_id.
 * "Driver:" appears only for a driver that is not empty; the tunnel is
 * "SSH" with "ssh-using", else the "http-protocol" in upper case with
 * "http-using", else nothing; a %NULL text prints as nothing. The password
 * is never printed. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer full) (nullable): the description, or %NULL for a
 *   wrong @self
 */
PROVIDERS_API gchar *torvanix_providers_contracts_server_to_string (TorvanixProvidersContractsServer *self, gboolean with_id);

/* Property accessors, in property order. */

/**
 * TorvanixProvidersContractsServer:uuid:
 *
 * The profile's identifier, which an application looks a saved profile up
 * by. A profile from
 * torvanix_providers_contracts_server_new_with_provider() gets a fresh
 * random one of 36 characters in upper case ("8-4-4-4-12" hexadecimal
 * digits); a profile from torvanix_providers_contracts_server_new() starts
 * with "". No provider reads it. A new profile holds ""; the declared
 * default is %NULL. Notifies when it is set to another text (%NULL and ""
 * differ).
 */
/**
 * torvanix_providers_contracts_server_get_uuid:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:uuid. A %NULL or wrong @self logs
 * a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the profile's identifier, the
 *   profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_uuid (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_uuid:
 * @self: a profile
 * @value: (nullable): the profile's identifier, copied
 *
 * Sets #TorvanixProvidersContractsServer:uuid, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_uuid (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:provider:
 *
 * The name of the engine that serves the profile, such as "MySQL",
 * "PostgreSQL" or "SQLite". The application chooses the provider to open
 * the profile with by it; a provider's open() does not read it. A new
 * profile holds "UNKNOWN"; the declared default is %NULL. Notifies when it
 * is set to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_provider:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:provider. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the name of the engine that serves
 *   the profile, the profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_provider (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_provider:
 * @self: a profile
 * @value: (nullable): the name of the engine that serves the profile, copied
 *
 * Sets #TorvanixProvidersContractsServer:provider, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_provider (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:driver:
 *
 * The name of a driver, for an engine reached through one. No provider
 * reads it; torvanix_providers_contracts_server_to_string() prints it when
 * it is not empty. A new profile holds ""; the declared default is %NULL.
 * Notifies when it is set to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_driver:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:driver. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the driver's name, the profile's own
 *   text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_driver (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_driver:
 * @self: a profile
 * @value: (nullable): the driver's name, copied
 *
 * Sets #TorvanixProvidersContractsServer:driver, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_driver (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:title:
 *
 * The profile's display name, which
 * torvanix_providers_contracts_server_to_string() and a group's list print.
 * No provider reads it. A new profile holds ""; the declared default is
 * %NULL. Notifies when it is set to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_title:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:title. A %NULL or wrong @self logs
 * a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the display name, the profile's own
 *   text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_title (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_title:
 * @self: a profile
 * @value: (nullable): the display name, copied
 *
 * Sets #TorvanixProvidersContractsServer:title, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_title (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:host:
 *
 * The host name or address of the database server. An empty host leaves the
 * choice to the engine's client library. A new profile holds ""; the
 * declared default is %NULL. Notifies when it is set to another text (%NULL
 * and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_host:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:host. A %NULL or wrong @self logs
 * a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the server's host, the profile's own
 *   text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_host (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_host:
 * @self: a profile
 * @value: (nullable): the server's host, copied
 *
 * Sets #TorvanixProvidersContractsServer:host, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_host (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:port:
 *
 * The TCP port of the database server; 0 means the engine's default port
 * (PostgreSQL's provider dials 5432; MySQL's leaves it to its client
 * library, normally 3306). The property keeps any #gint, but the providers
 * of engines with a server refuse a port outside 0 to 65535 in open(),
 * before they dial, with the error "The port <n> is outside the range 0 to
 * 65535." of their own domain, code -1. It is 0 in a new profile. Notifies
 * only when it changes.
 */
/**
 * torvanix_providers_contracts_server_get_port:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:port. A %NULL or wrong @self logs
 * a CRITICAL naming this function and answers 0.
 *
 * Returns: the server's port
 */
PROVIDERS_API gint torvanix_providers_contracts_server_get_port (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_port:
 * @self: a profile
 * @value: the server's port; any #gint is kept
 *
 * Sets #TorvanixProvidersContractsServer:port, notifying it when the number
 * changes. A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_port (TorvanixProvidersContractsServer *self, gint value);
/**
 * TorvanixProvidersContractsServer:username:
 *
 * The user to log in as. A new profile holds ""; the declared default is
 * %NULL. Notifies when it is set to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_username:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:username. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the login user, the profile's own
 *   text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_username (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_username:
 * @self: a profile
 * @value: (nullable): the login user, copied
 *
 * Sets #TorvanixProvidersContractsServer:username, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_username (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:password:
 *
 * The password of #TorvanixProvidersContractsServer:username. The settings
 * file holds it in plain text, which is why that file is written readable
 * by its owner only. A new profile holds ""; the declared default is %NULL.
 * Notifies when it is set to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_password:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:password. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the login password, the profile's
 *   own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_password (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_password:
 * @self: a profile
 * @value: (nullable): the login password, copied
 *
 * Sets #TorvanixProvidersContractsServer:password, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_password (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:initial:
 *
 * The database a provider selects when it connects. An empty one selects
 * none on MySQL and connects to libpq's default (the database named as the
 * user) on PostgreSQL. A new profile holds ""; the declared default is
 * %NULL. Notifies when it is set to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_initial:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:initial. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the database selected on connect,
 *   the profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_initial (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_initial:
 * @self: a profile
 * @value: (nullable): the database selected on connect, copied
 *
 * Sets #TorvanixProvidersContractsServer:initial, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_initial (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:filename:
 *
 * The database file of an engine that keeps its database in a file:
 * SQLite's provider opens it, relative to
 * #TorvanixProvidersContractsServer:location when that is set and the name
 * is not absolute. Engines with a server ignore it. A new profile holds "";
 * the declared default is %NULL. Notifies when it is set to another text
 * (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_filename:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:filename. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the database file, the profile's own
 *   text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_filename (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_filename:
 * @self: a profile
 * @value: (nullable): the database file, copied
 *
 * Sets #TorvanixProvidersContractsServer:filename, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_filename (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:location:
 *
 * The directory a relative #TorvanixProvidersContractsServer:filename is
 * taken in; empty, it is taken as given. A new profile holds ""; the
 * declared default is %NULL. Notifies when it is set to another text (%NULL
 * and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_location:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:location. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the directory of a file-based
 *   database, the profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_location (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_location:
 * @self: a profile
 * @value: (nullable): the directory of a file-based database, copied
 *
 * Sets #TorvanixProvidersContractsServer:location, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_location (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:extensions:
 *
 * The file name extensions an application offers when the user picks a
 * database file. No provider reads it. A new profile holds ""; the declared
 * default is %NULL. Notifies when it is set to another text (%NULL and ""
 * differ).
 */
/**
 * torvanix_providers_contracts_server_get_extensions:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:extensions. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the file name extensions offered,
 *   the profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_extensions (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_extensions:
 * @self: a profile
 * @value: (nullable): the file name extensions offered, copied
 *
 * Sets #TorvanixProvidersContractsServer:extensions, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_extensions (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:databases:
 *
 * The names of the databases an application shows for the profile, a
 * %NULL-terminated array of texts; a new profile holds an empty array, the
 * declared default is %NULL. No provider reads it. Set through
 * g_object_set(), the names up to the first %NULL are taken, and %NULL
 * sets an empty array. Notifies whenever an array other than the one held
 * is set, even one holding the same names.
 */
/**
 * torvanix_providers_contracts_server_get_databases:
 * @self: a profile
 * @result_length: (out) (optional): where to store the number of names
 *
 * Gets #TorvanixProvidersContractsServer:databases with its length. The
 * array is also terminated by a %NULL slot after the last name; a name
 * inside it may be %NULL where torvanix_providers_contracts_server_set_databases()
 * was given one, so read it by @result_length. A %NULL or wrong @self logs
 * a CRITICAL naming this function and answers %NULL, leaving
 * @result_length alone.
 *
 * Returns: (transfer none) (nullable) (array length=result_length): the
 *   profile's own array of names, valid until it is set again; %NULL, with
 *   length 0, after a negative length was set
 */
PROVIDERS_API gchar **torvanix_providers_contracts_server_get_databases (TorvanixProvidersContractsServer *self, gint *result_length);
/**
 * torvanix_providers_contracts_server_set_databases:
 * @self: a profile
 * @value: (nullable) (array length=value_length): the names, each copied
 * @value_length: the number of names; a negative number stores no array
 *
 * Sets #TorvanixProvidersContractsServer:databases to a copy of the
 * @value_length names of @value, %NULL ones included, and notifies it.
 * Setting the very array the profile holds changes and notifies nothing.
 * A %NULL or wrong @self, or a %NULL @value with a positive
 * @value_length, logs a CRITICAL naming this function and changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_databases (TorvanixProvidersContractsServer *self, gchar **value, gint value_length);
/**
 * TorvanixProvidersContractsServer:options:
 *
 * Further connection options, read by the providers that take any
 * (PostgreSQL's and SQLite's): `key=value` pairs separated by `;`, keys in
 * any ASCII case, a value in double quotes when it holds a `;`
 * (`application_name = "report; nightly"; connect_timeout = 5`). A key the
 * engine does not know, a key given twice, or a text that breaks that
 * grammar fails open(). Each provider's class names the keys it knows. A
 * new profile holds ""; the declared default is %NULL. Notifies when it is
 * set to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_options:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:options. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): further connection options, the
 *   profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_options (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_options:
 * @self: a profile
 * @value: (nullable): further connection options, copied
 *
 * Sets #TorvanixProvidersContractsServer:options, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_options (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:ssh-using:
 *
 * Whether the application should reach the server through an SSH tunnel.
 * The library opens no tunnel: this and the other "ssh-" properties are
 * kept for the application that starts one. %FALSE by default. Notifies
 * only when it changes.
 */
/**
 * torvanix_providers_contracts_server_get_ssh_using:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssh-using. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %FALSE.
 *
 * Returns: whether to connect through an SSH tunnel
 */
PROVIDERS_API gboolean torvanix_providers_contracts_server_get_ssh_using (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_using:
 * @self: a profile
 * @value: whether to connect through an SSH tunnel
 *
 * Sets #TorvanixProvidersContractsServer:ssh-using, notifying it when the
 * value changes. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_using (TorvanixProvidersContractsServer *self, gboolean value);
/**
 * TorvanixProvidersContractsServer:ssh-process:
 *
 * The program that provides the SSH tunnel. A new profile holds "ssh"; the
 * declared default is %NULL. Notifies when it is set to another text (%NULL
 * and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_ssh_process:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssh-process. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the program that provides the SSH
 *   tunnel, the profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssh_process (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_process:
 * @self: a profile
 * @value: (nullable): the program that provides the SSH tunnel, copied
 *
 * Sets #TorvanixProvidersContractsServer:ssh-process, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_process (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:ssh-host:
 *
 * The host the SSH tunnel goes through. A new profile holds ""; the
 * declared default is %NULL. Notifies when it is set to another text (%NULL
 * and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_ssh_host:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssh-host. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the SSH host, the profile's own
 *   text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssh_host (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_host:
 * @self: a profile
 * @value: (nullable): the SSH host, copied
 *
 * Sets #TorvanixProvidersContractsServer:ssh-host, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_host (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:ssh-port:
 *
 * The port of the SSH host. The property keeps any #gint. It is 22 in a new
 * profile. Notifies only when it changes.
 */
/**
 * torvanix_providers_contracts_server_get_ssh_port:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssh-port. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the SSH port
 */
PROVIDERS_API gint torvanix_providers_contracts_server_get_ssh_port (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_port:
 * @self: a profile
 * @value: the SSH port; any #gint is kept
 *
 * Sets #TorvanixProvidersContractsServer:ssh-port, notifying it when the
 * number changes. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_port (TorvanixProvidersContractsServer *self, gint value);
/**
 * TorvanixProvidersContractsServer:ssh-auth-type:
 *
 * How the SSH tunnel logs in, such as "password". A new profile holds
 * "password"; the declared default is %NULL. Notifies when it is set to
 * another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_ssh_auth_type:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssh-auth-type. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the SSH authentication method, the
 *   profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssh_auth_type (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_auth_type:
 * @self: a profile
 * @value: (nullable): the SSH authentication method, copied
 *
 * Sets #TorvanixProvidersContractsServer:ssh-auth-type, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_auth_type (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:ssh-username:
 *
 * The user the SSH tunnel logs in as. A new profile holds ""; the declared
 * default is %NULL. Notifies when it is set to another text (%NULL and ""
 * differ).
 */
/**
 * torvanix_providers_contracts_server_get_ssh_username:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssh-username. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the SSH user, the profile's own
 *   text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssh_username (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_username:
 * @self: a profile
 * @value: (nullable): the SSH user, copied
 *
 * Sets #TorvanixProvidersContractsServer:ssh-username, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_username (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:ssh-password:
 *
 * The password of #TorvanixProvidersContractsServer:ssh-username. A new
 * profile holds ""; the declared default is %NULL. Notifies when it is set
 * to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_ssh_password:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssh-password. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the SSH password, the profile's own
 *   text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssh_password (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_password:
 * @self: a profile
 * @value: (nullable): the SSH password, copied
 *
 * Sets #TorvanixProvidersContractsServer:ssh-password, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_password (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:ssh-key-private-file:
 *
 * The path of the private key the SSH tunnel logs in with. A new profile
 * holds ""; the declared default is %NULL. Notifies when it is set to
 * another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_ssh_key_private_file:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssh-key-private-file. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the path of the SSH private key, the
 *   profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssh_key_private_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_key_private_file:
 * @self: a profile
 * @value: (nullable): the path of the SSH private key, copied
 *
 * Sets #TorvanixProvidersContractsServer:ssh-key-private-file, notifying it
 * when @value differs from the text held. A %NULL or wrong @self logs a
 * CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_key_private_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:http-using:
 *
 * Whether the application should reach the server through an HTTP tunnel;
 * torvanix_providers_contracts_server_to_string() prints the tunnel's
 * protocol then, unless #TorvanixProvidersContractsServer:ssh-using is set
 * too. The library opens no tunnel: this and the other "http-" properties
 * are kept for the application that starts one. %FALSE by default. Notifies
 * only when it changes.
 */
/**
 * torvanix_providers_contracts_server_get_http_using:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:http-using. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %FALSE.
 *
 * Returns: whether to connect through an HTTP tunnel
 */
PROVIDERS_API gboolean torvanix_providers_contracts_server_get_http_using (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_using:
 * @self: a profile
 * @value: whether to connect through an HTTP tunnel
 *
 * Sets #TorvanixProvidersContractsServer:http-using, notifying it when the
 * value changes. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_using (TorvanixProvidersContractsServer *self, gboolean value);
/**
 * TorvanixProvidersContractsServer:http-process:
 *
 * The program that provides the HTTP tunnel. A new profile holds
 * "wstunnel"; the declared default is %NULL. Notifies when it is set to
 * another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_http_process:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:http-process. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the program that provides the HTTP
 *   tunnel, the profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_process (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_process:
 * @self: a profile
 * @value: (nullable): the program that provides the HTTP tunnel, copied
 *
 * Sets #TorvanixProvidersContractsServer:http-process, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_process (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:http-protocol:
 *
 * The protocol of the HTTP tunnel, such as "http" or "https". A new profile
 * holds "http"; the declared default is %NULL. Notifies when it is set to
 * another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_http_protocol:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:http-protocol. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the protocol of the HTTP tunnel, the
 *   profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_protocol (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_protocol:
 * @self: a profile
 * @value: (nullable): the protocol of the HTTP tunnel, copied
 *
 * Sets #TorvanixProvidersContractsServer:http-protocol, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_protocol (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:http-host:
 *
 * The host of the HTTP tunnel. A new profile holds ""; the declared default
 * is %NULL. Notifies when it is set to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_http_host:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:http-host. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel's host, the
 *   profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_host (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_host:
 * @self: a profile
 * @value: (nullable): the HTTP tunnel's host, copied
 *
 * Sets #TorvanixProvidersContractsServer:http-host, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_host (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:http-port:
 *
 * The port of the HTTP tunnel. The property keeps any #gint. It is 8080 in
 * a new profile. Notifies only when it changes.
 */
/**
 * torvanix_providers_contracts_server_get_http_port:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:http-port. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the HTTP tunnel's port
 */
PROVIDERS_API gint torvanix_providers_contracts_server_get_http_port (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_port:
 * @self: a profile
 * @value: the HTTP tunnel's port; any #gint is kept
 *
 * Sets #TorvanixProvidersContractsServer:http-port, notifying it when the
 * number changes. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_port (TorvanixProvidersContractsServer *self, gint value);
/**
 * TorvanixProvidersContractsServer:http-auth:
 *
 * Whether the HTTP tunnel asks for a user and password. %FALSE by default.
 * Notifies only when it changes.
 */
/**
 * torvanix_providers_contracts_server_get_http_auth:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:http-auth. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %FALSE.
 *
 * Returns: whether the HTTP tunnel requires authentication
 */
PROVIDERS_API gboolean torvanix_providers_contracts_server_get_http_auth (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_auth:
 * @self: a profile
 * @value: whether the HTTP tunnel requires authentication
 *
 * Sets #TorvanixProvidersContractsServer:http-auth, notifying it when the
 * value changes. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_auth (TorvanixProvidersContractsServer *self, gboolean value);
/**
 * TorvanixProvidersContractsServer:http-username:
 *
 * The user the HTTP tunnel logs in as. A new profile holds ""; the declared
 * default is %NULL. Notifies when it is set to another text (%NULL and ""
 * differ).
 */
/**
 * torvanix_providers_contracts_server_get_http_username:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:http-username. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel's user, the
 *   profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_username (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_username:
 * @self: a profile
 * @value: (nullable): the HTTP tunnel's user, copied
 *
 * Sets #TorvanixProvidersContractsServer:http-username, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_username (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:http-password:
 *
 * The password of #TorvanixProvidersContractsServer:http-username. A new
 * profile holds ""; the declared default is %NULL. Notifies when it is set
 * to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_http_password:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:http-password. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel's password, the
 *   profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_password (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_password:
 * @self: a profile
 * @value: (nullable): the HTTP tunnel's password, copied
 *
 * Sets #TorvanixProvidersContractsServer:http-password, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_password (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:http-ca-file:
 *
 * The file of the certificate authority the HTTP tunnel's certificate is
 * checked against. A new profile holds ""; the declared default is %NULL.
 * Notifies when it is set to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_http_ca_file:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:http-ca-file. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the CA certificate file of the HTTP
 *   tunnel, the profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_ca_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_ca_file:
 * @self: a profile
 * @value: (nullable): the CA certificate file of the HTTP tunnel, copied
 *
 * Sets #TorvanixProvidersContractsServer:http-ca-file, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_ca_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:http-cert-file:
 *
 * The client certificate file the HTTP tunnel presents. A new profile holds
 * ""; the declared default is %NULL. Notifies when it is set to another
 * text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_http_cert_file:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:http-cert-file. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the client certificate file of the
 *   HTTP tunnel, the profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_cert_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_cert_file:
 * @self: a profile
 * @value: (nullable): the client certificate file of the HTTP tunnel, copied
 *
 * Sets #TorvanixProvidersContractsServer:http-cert-file, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_cert_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:http-key-file:
 *
 * The key file of #TorvanixProvidersContractsServer:http-cert-file. A new
 * profile holds ""; the declared default is %NULL. Notifies when it is set
 * to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_http_key_file:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:http-key-file. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the client key file of the HTTP
 *   tunnel, the profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_key_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_key_file:
 * @self: a profile
 * @value: (nullable): the client key file of the HTTP tunnel, copied
 *
 * Sets #TorvanixProvidersContractsServer:http-key-file, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_key_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:ssl-using:
 *
 * Whether the connection to the server is encrypted with TLS. When it is
 * set, MySQL's and PostgreSQL's providers fail open() on a server that
 * offers no TLS rather than fall back to plain text. %FALSE by default.
 * Notifies only when it changes.
 */
/**
 * torvanix_providers_contracts_server_get_ssl_using:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssl-using. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %FALSE.
 *
 * Returns: whether to use TLS
 */
PROVIDERS_API gboolean torvanix_providers_contracts_server_get_ssl_using (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssl_using:
 * @self: a profile
 * @value: whether to use TLS
 *
 * Sets #TorvanixProvidersContractsServer:ssl-using, notifying it when the
 * value changes. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssl_using (TorvanixProvidersContractsServer *self, gboolean value);
/**
 * TorvanixProvidersContractsServer:ssl-ca-file:
 *
 * The file of the certificate authority the server's certificate is checked
 * against, read when #TorvanixProvidersContractsServer:ssl-using is set. On
 * PostgreSQL, a CA file given also means the server's host name is
 * verified. A new profile holds ""; the declared default is %NULL. Notifies
 * when it is set to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_ssl_ca_file:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssl-ca-file. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the CA certificate file, the
 *   profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssl_ca_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssl_ca_file:
 * @self: a profile
 * @value: (nullable): the CA certificate file, copied
 *
 * Sets #TorvanixProvidersContractsServer:ssl-ca-file, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssl_ca_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:ssl-cert-file:
 *
 * The client certificate file presented to the server when
 * #TorvanixProvidersContractsServer:ssl-using is set. A new profile holds
 * ""; the declared default is %NULL. Notifies when it is set to another
 * text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_ssl_cert_file:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssl-cert-file. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the client certificate file, the
 *   profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssl_cert_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssl_cert_file:
 * @self: a profile
 * @value: (nullable): the client certificate file, copied
 *
 * Sets #TorvanixProvidersContractsServer:ssl-cert-file, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssl_cert_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:ssl-key-file:
 *
 * The key file of #TorvanixProvidersContractsServer:ssl-cert-file. A new
 * profile holds ""; the declared default is %NULL. Notifies when it is set
 * to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_ssl_key_file:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssl-key-file. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the client key file, the profile's
 *   own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssl_key_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssl_key_file:
 * @self: a profile
 * @value: (nullable): the client key file, copied
 *
 * Sets #TorvanixProvidersContractsServer:ssl-key-file, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssl_key_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:ssl-mode:
 *
 * How strictly the server's certificate is checked when
 * #TorvanixProvidersContractsServer:ssl-using is set. MySQL's provider
 * verifies the certificate for "verify-ca", "verify-full" and
 * "verify-identity" (in any ASCII case, "_" taken for "-") and encrypts
 * without verifying for any other text; PostgreSQL's provider verifies
 * whenever #TorvanixProvidersContractsServer:ssl-ca-file is set, whatever
 * this says. A new profile holds "require"; the declared default is %NULL.
 * Notifies when it is set to another text (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_ssl_mode:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssl-mode. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the TLS mode, the profile's own
 *   text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssl_mode (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssl_mode:
 * @self: a profile
 * @value: (nullable): the TLS mode, copied
 *
 * Sets #TorvanixProvidersContractsServer:ssl-mode, notifying it when @value
 * differs from the text held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssl_mode (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * TorvanixProvidersContractsServer:ssl-password:
 *
 * The passphrase that unlocks
 * #TorvanixProvidersContractsServer:ssl-key-file. A new profile holds "";
 * the declared default is %NULL. Notifies when it is set to another text
 * (%NULL and "" differ).
 */
/**
 * torvanix_providers_contracts_server_get_ssl_password:
 * @self: a profile
 *
 * Gets #TorvanixProvidersContractsServer:ssl-password. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer none) (nullable): the key file's passphrase, the
 *   profile's own text, valid until it is set again
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssl_password (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssl_password:
 * @self: a profile
 * @value: (nullable): the key file's passphrase, copied
 *
 * Sets #TorvanixProvidersContractsServer:ssl-password, notifying it when
 * @value differs from the text held. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssl_password (TorvanixProvidersContractsServer *self, const gchar *value);

/* ServerVendors ---------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_VENDORS (torvanix_providers_contracts_server_vendors_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsServerVendors, torvanix_providers_contracts_server_vendors,
                          TORVANIX_PROVIDERS_CONTRACTS, SERVER_VENDORS, GObject)

/**
 * TorvanixProvidersContractsServerVendors:
 *
 * A class with no state and no properties, beside which the vendor names
 * an application offers when it builds a profile are kept: the four
 * exported arrays TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT,
 * _STRUCTURE, _DATABASE and _LOCAL, of fixed lengths and without a
 * terminating %NULL. The library reads none of them. An instance holds
 * nothing, so any thread may use one.
 */

/**
 * TorvanixProvidersContractsServerVendorsClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsServerVendors; it adds no
 * virtual functions.
 */
struct _TorvanixProvidersContractsServerVendorsClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_server_vendors_new:
 *
 * Makes an instance, which holds nothing.
 *
 * Returns: (transfer full): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsServerVendors *torvanix_providers_contracts_server_vendors_new (void);
/**
 * torvanix_providers_contracts_server_vendors_construct:
 * @object_type: ServerVendors or a subclass of it
 *
 * Makes an instance of @object_type, for a subclass's constructor. A wrong
 * @object_type logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a
 *   wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsServerVendors *torvanix_providers_contracts_server_vendors_construct (GType object_type);

/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT_LENGTH:
 *
 * The number of names in TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT: 1.
 */
#define TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT_LENGTH 1
/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE_LENGTH:
 *
 * The number of names in TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE: 5.
 */
#define TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE_LENGTH 5
/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE_LENGTH:
 *
 * The number of names in TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE: 8.
 */
#define TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE_LENGTH 8
/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL_LENGTH:
 *
 * The number of names in TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL: 3.
 */
#define TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL_LENGTH 3

/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT:
 *
 * The vendor of the first engine this library connects to: "MySQL". Its
 * length is part of the interface, so the engines whose providers came
 * later, in libraries of their own, are not in it.
 */
PROVIDERS_API const gchar *const TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT[1];
/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE:
 *
 * The vendors of database servers: "MariaDB", "MySQL", "Oracle",
 * "PostgreSQL", "SQLServer".
 */
PROVIDERS_API const gchar *const TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE[5];
/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE:
 *
 * The local vendors, then the server vendors: "Access", "Excel", "SQLite",
 * "MariaDB", "MySQL", "Oracle", "PostgreSQL", "SQLServer".
 */
PROVIDERS_API const gchar *const TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE[8];
/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL:
 *
 * The vendors of databases kept in files: "Access", "Excel", "SQLite".
 */
PROVIDERS_API const gchar *const TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL[3];

G_END_DECLS

#endif /* LIBPROVIDERS_SETTINGS_SERVER_H */
