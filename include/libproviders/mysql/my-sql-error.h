/* Errors of the MySQL provider. */
#ifndef LIBPROVIDERS_MYSQL_MY_SQL_ERROR_H
#define LIBPROVIDERS_MYSQL_MY_SQL_ERROR_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>

G_BEGIN_DECLS

/**
 * TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR:
 *
 * The error domain "MySQL": codes are the client library's error numbers,
 * or -1 for the provider's own failures.
 */
#define TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR (g_quark_from_static_string ("MySQL"))

#define TORVANIX_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_ERROR (torvanix_providers_supports_imy_sql_error_get_type ())
PROVIDERS_API
G_DECLARE_INTERFACE (TorvanixProvidersSupportsIMySQLError, torvanix_providers_supports_imy_sql_error,
                     TORVANIX_PROVIDERS_SUPPORTS, IMY_SQL_ERROR, GObject)

/**
 * TorvanixProvidersSupportsIMySQLError:
 *
 * Turns the client library's failures into #GError values of the "MySQL"
 * domain (%TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR). The MySQL provider
 * implements it; its functions keep no state and may be called from any
 * thread that may use the client handle.
 */

/**
 * TorvanixProvidersSupportsIMySQLErrorInterface:
 * @parent_iface: the parent interface
 *
 * Groups the turning of client-library failures into errors; it has no
 * virtual operations.
 */
struct _TorvanixProvidersSupportsIMySQLErrorInterface {
  GTypeInterface parent_iface;
};

/**
 * torvanix_providers_supports_imy_sql_error_dump:
 * @self: an implementation
 * @connection: the client handle (a `MYSQL *` of the client library)
 *
 * Logs the handle's connection options, twelve lines, at warning level:
 * the options file and group, the character set, the plugin folder, the
 * authentication plugin, the public key, automatic reconnection, the
 * largest packet, the network buffer and the three timeouts. A %NULL or
 * wrong @self, or a %NULL @connection, logs a CRITICAL naming this
 * function.
 */
PROVIDERS_API void torvanix_providers_supports_imy_sql_error_dump (TorvanixProvidersSupportsIMySQLError *self,
                                                                   gpointer connection);
/**
 * torvanix_providers_supports_imy_sql_error_raise_error:
 * @self: an implementation
 * @connection: the client handle (a `MYSQL *` of the client library)
 * @result: the return value of the client call, or -1 when the call is
 *   known to have failed
 * @error: return location for an error
 *
 * When @result is not 0 and the handle holds an error number, sets @error
 * to that number and text in the "MySQL" domain and logs the connection
 * options; otherwise it leaves @error alone. The text is made valid UTF-8
 * (bytes that are not become U+FFFD). A %NULL or wrong @self, or a %NULL
 * @connection, logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_supports_imy_sql_error_raise_error (TorvanixProvidersSupportsIMySQLError *self,
                                                                          gpointer connection, gint result,
                                                                          GError **error);

G_END_DECLS

#endif /* LIBPROVIDERS_MYSQL_MY_SQL_ERROR_H */
