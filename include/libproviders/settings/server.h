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
 * TorvanixProvidersContractsServerClass:
 *
 * A connection profile: a plain bag of 39 properties that a provider reads
 * when it connects. Every setter notifies only when the value changes.
 */
struct _TorvanixProvidersContractsServerClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_server_new:
 *
 * Returns: (transfer full): a profile holding the start values, with an
 *   empty identifier
 */
PROVIDERS_API TorvanixProvidersContractsServer *torvanix_providers_contracts_server_new (void);
/**
 * torvanix_providers_contracts_server_construct:
 * @object_type: Server or a subclass of it
 *
 * Returns: (transfer full) (nullable): a new instance holding the start values
 */
PROVIDERS_API TorvanixProvidersContractsServer *torvanix_providers_contracts_server_construct (GType object_type);
/**
 * torvanix_providers_contracts_server_new_with_provider:
 * @_provider: the provider's name
 *
 * Returns: (transfer full) (nullable): a profile for @_provider with a
 *   fresh upper-case identifier
 */
PROVIDERS_API TorvanixProvidersContractsServer *torvanix_providers_contracts_server_new_with_provider (const gchar *_provider);
/**
 * torvanix_providers_contracts_server_construct_with_provider:
 * @object_type: Server or a subclass of it
 * @_provider: the provider's name
 *
 * Returns: (transfer full) (nullable): a new instance for @_provider with a
 *   fresh upper-case identifier
 */
PROVIDERS_API TorvanixProvidersContractsServer *torvanix_providers_contracts_server_construct_with_provider (GType object_type, const gchar *_provider);
/**
 * torvanix_providers_contracts_server_clone:
 * @self: a profile
 * @new_uuid: whether the copy gets a fresh identifier instead of @self's
 *
 * Copies every writable property, "databases" element by element.
 *
 * Returns: (transfer full) (nullable): a new profile of the same class
 */
PROVIDERS_API TorvanixProvidersContractsServer *torvanix_providers_contracts_server_clone (TorvanixProvidersContractsServer *self, gboolean new_uuid);
/**
 * torvanix_providers_contracts_server_to_string:
 * @self: a profile
 * @with_id: whether to append the identifier
 *
 * Returns: (transfer full) (nullable): a one-line description for logs and lists
 */
PROVIDERS_API gchar *torvanix_providers_contracts_server_to_string (TorvanixProvidersContractsServer *self, gboolean with_id);

/* Property accessors, in property order. */

/**
 * torvanix_providers_contracts_server_get_uuid:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the profile's identifier
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_uuid (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_uuid:
 * @self: a profile
 * @value: (nullable): the profile's identifier, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_uuid (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_provider:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the name of the provider that serves the profile
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_provider (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_provider:
 * @self: a profile
 * @value: (nullable): the name of the provider that serves the profile, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_provider (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_driver:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the driver name
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_driver (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_driver:
 * @self: a profile
 * @value: (nullable): the driver name, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_driver (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_title:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the display name
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_title (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_title:
 * @self: a profile
 * @value: (nullable): the display name, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_title (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_host:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the server host
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_host (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_host:
 * @self: a profile
 * @value: (nullable): the server host, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_host (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_port:
 * @self: a profile
 *
 * Returns: the server port
 */
PROVIDERS_API gint torvanix_providers_contracts_server_get_port (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_port:
 * @self: a profile
 * @value: the server port; any 32-bit number is kept
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_port (TorvanixProvidersContractsServer *self, gint value);
/**
 * torvanix_providers_contracts_server_get_username:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the login user
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_username (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_username:
 * @self: a profile
 * @value: (nullable): the login user, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_username (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_password:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the login password
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_password (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_password:
 * @self: a profile
 * @value: (nullable): the login password, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_password (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_initial:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the database selected on connect
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_initial (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_initial:
 * @self: a profile
 * @value: (nullable): the database selected on connect, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_initial (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_filename:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the file name of a file-based database
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_filename (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_filename:
 * @self: a profile
 * @value: (nullable): the file name of a file-based database, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_filename (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_location:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the directory of a file-based database
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_location (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_location:
 * @self: a profile
 * @value: (nullable): the directory of a file-based database, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_location (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_extensions:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the file extensions of a file-based database
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_extensions (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_extensions:
 * @self: a profile
 * @value: (nullable): the file extensions of a file-based database, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_extensions (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_databases:
 * @self: a profile
 * @result_length: (out) (optional): where to store the number of names
 *
 * The stored array is also terminated by a null slot.
 *
 * Returns: (transfer none) (nullable) (array length=result_length): the names of databases
 */
PROVIDERS_API gchar **torvanix_providers_contracts_server_get_databases (TorvanixProvidersContractsServer *self, gint *result_length);
/**
 * torvanix_providers_contracts_server_set_databases:
 * @self: a profile
 * @value: (nullable) (array length=value_length): the names, copied
 * @value_length: the number of names; a negative number stores no array
 *
 * Notifies whenever @value is not the stored array itself, even when it
 * holds the same names.
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_databases (TorvanixProvidersContractsServer *self, gchar **value, gint value_length);
/**
 * torvanix_providers_contracts_server_get_options:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): further connection options
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_options (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_options:
 * @self: a profile
 * @value: (nullable): further connection options, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_options (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_ssh_using:
 * @self: a profile
 *
 * Returns: whether to connect through an SSH tunnel
 */
PROVIDERS_API gboolean torvanix_providers_contracts_server_get_ssh_using (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_using:
 * @self: a profile
 * @value: whether to connect through an SSH tunnel
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_using (TorvanixProvidersContractsServer *self, gboolean value);
/**
 * torvanix_providers_contracts_server_get_ssh_process:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the program that provides the SSH tunnel
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssh_process (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_process:
 * @self: a profile
 * @value: (nullable): the program that provides the SSH tunnel, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_process (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_ssh_host:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the SSH host
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssh_host (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_host:
 * @self: a profile
 * @value: (nullable): the SSH host, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_host (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_ssh_port:
 * @self: a profile
 *
 * Returns: the SSH port
 */
PROVIDERS_API gint torvanix_providers_contracts_server_get_ssh_port (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_port:
 * @self: a profile
 * @value: the SSH port; any 32-bit number is kept
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_port (TorvanixProvidersContractsServer *self, gint value);
/**
 * torvanix_providers_contracts_server_get_ssh_auth_type:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the SSH authentication method
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssh_auth_type (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_auth_type:
 * @self: a profile
 * @value: (nullable): the SSH authentication method, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_auth_type (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_ssh_username:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the SSH user
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssh_username (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_username:
 * @self: a profile
 * @value: (nullable): the SSH user, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_username (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_ssh_password:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the SSH password
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssh_password (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_password:
 * @self: a profile
 * @value: (nullable): the SSH password, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_password (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_ssh_key_private_file:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the path of the SSH private key
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssh_key_private_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssh_key_private_file:
 * @self: a profile
 * @value: (nullable): the path of the SSH private key, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssh_key_private_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_http_using:
 * @self: a profile
 *
 * Returns: whether to connect through an HTTP tunnel
 */
PROVIDERS_API gboolean torvanix_providers_contracts_server_get_http_using (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_using:
 * @self: a profile
 * @value: whether to connect through an HTTP tunnel
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_using (TorvanixProvidersContractsServer *self, gboolean value);
/**
 * torvanix_providers_contracts_server_get_http_process:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the program that provides the HTTP tunnel
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_process (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_process:
 * @self: a profile
 * @value: (nullable): the program that provides the HTTP tunnel, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_process (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_http_protocol:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the protocol of the HTTP tunnel
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_protocol (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_protocol:
 * @self: a profile
 * @value: (nullable): the protocol of the HTTP tunnel, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_protocol (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_http_host:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel host
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_host (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_host:
 * @self: a profile
 * @value: (nullable): the HTTP tunnel host, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_host (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_http_port:
 * @self: a profile
 *
 * Returns: the HTTP tunnel port
 */
PROVIDERS_API gint torvanix_providers_contracts_server_get_http_port (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_port:
 * @self: a profile
 * @value: the HTTP tunnel port; any 32-bit number is kept
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_port (TorvanixProvidersContractsServer *self, gint value);
/**
 * torvanix_providers_contracts_server_get_http_auth:
 * @self: a profile
 *
 * Returns: whether the HTTP tunnel requires authentication
 */
PROVIDERS_API gboolean torvanix_providers_contracts_server_get_http_auth (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_auth:
 * @self: a profile
 * @value: whether the HTTP tunnel requires authentication
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_auth (TorvanixProvidersContractsServer *self, gboolean value);
/**
 * torvanix_providers_contracts_server_get_http_username:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel user
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_username (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_username:
 * @self: a profile
 * @value: (nullable): the HTTP tunnel user, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_username (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_http_password:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel password
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_password (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_password:
 * @self: a profile
 * @value: (nullable): the HTTP tunnel password, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_password (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_http_ca_file:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the CA certificate file of the HTTP tunnel
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_ca_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_ca_file:
 * @self: a profile
 * @value: (nullable): the CA certificate file of the HTTP tunnel, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_ca_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_http_cert_file:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the client certificate file of the HTTP tunnel
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_cert_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_cert_file:
 * @self: a profile
 * @value: (nullable): the client certificate file of the HTTP tunnel, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_cert_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_http_key_file:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the client key file of the HTTP tunnel
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_http_key_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_http_key_file:
 * @self: a profile
 * @value: (nullable): the client key file of the HTTP tunnel, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_http_key_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_ssl_using:
 * @self: a profile
 *
 * Returns: whether to use SSL/TLS
 */
PROVIDERS_API gboolean torvanix_providers_contracts_server_get_ssl_using (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssl_using:
 * @self: a profile
 * @value: whether to use SSL/TLS
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssl_using (TorvanixProvidersContractsServer *self, gboolean value);
/**
 * torvanix_providers_contracts_server_get_ssl_ca_file:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the CA certificate file
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssl_ca_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssl_ca_file:
 * @self: a profile
 * @value: (nullable): the CA certificate file, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssl_ca_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_ssl_cert_file:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the client certificate file
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssl_cert_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssl_cert_file:
 * @self: a profile
 * @value: (nullable): the client certificate file, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssl_cert_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_ssl_key_file:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the client key file
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssl_key_file (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssl_key_file:
 * @self: a profile
 * @value: (nullable): the client key file, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssl_key_file (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_ssl_mode:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the SSL mode
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssl_mode (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssl_mode:
 * @self: a profile
 * @value: (nullable): the SSL mode, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssl_mode (TorvanixProvidersContractsServer *self, const gchar *value);
/**
 * torvanix_providers_contracts_server_get_ssl_password:
 * @self: a profile
 *
 * Returns: (transfer none) (nullable): the SSL password
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_server_get_ssl_password (TorvanixProvidersContractsServer *self);
/**
 * torvanix_providers_contracts_server_set_ssl_password:
 * @self: a profile
 * @value: (nullable): the SSL password, copied
 */
PROVIDERS_API void torvanix_providers_contracts_server_set_ssl_password (TorvanixProvidersContractsServer *self, const gchar *value);

/* ServerVendors ---------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_VENDORS (torvanix_providers_contracts_server_vendors_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsServerVendors, torvanix_providers_contracts_server_vendors,
                          TORVANIX_PROVIDERS_CONTRACTS, SERVER_VENDORS, GObject)

/**
 * TorvanixProvidersContractsServerVendorsClass:
 *
 * Holds no state; the vendor names are the four exported arrays below.
 */
struct _TorvanixProvidersContractsServerVendorsClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_server_vendors_new:
 *
 * Returns: (transfer full): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsServerVendors *torvanix_providers_contracts_server_vendors_new (void);
/**
 * torvanix_providers_contracts_server_vendors_construct:
 * @object_type: ServerVendors or a subclass of it
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsServerVendors *torvanix_providers_contracts_server_vendors_construct (GType object_type);

/* The arrays have no terminating null; their lengths are fixed. */
#define TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT_LENGTH 1
#define TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE_LENGTH 5
#define TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE_LENGTH 8
#define TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL_LENGTH 3

/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT:
 *
 * Vendors this library connects to.
 */
PROVIDERS_API const gchar *const TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT[1];
/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE:
 *
 * Vendors of database servers.
 */
PROVIDERS_API const gchar *const TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE[5];
/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE:
 *
 * The local vendors, then the server vendors.
 */
PROVIDERS_API const gchar *const TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE[8];
/**
 * TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL:
 *
 * Vendors of databases kept in files.
 */
PROVIDERS_API const gchar *const TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL[3];

G_END_DECLS

#endif /* LIBPROVIDERS_SETTINGS_SERVER_H */
