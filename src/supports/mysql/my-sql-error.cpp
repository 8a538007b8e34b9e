/* IMySQLError: client-library failures become errors of the "MySQL"
 * domain, and each one logs the options of the handle that failed. */
#include "libproviders/mysql/my-sql-error.h"

#include <mysql.h>

#include "common/check.h"
#include "supports/mysql/my-sql-texts-private.h"
#include "common/gobject-ref.h"

using providers::GUnique;

G_DEFINE_INTERFACE (TorvanixProvidersSupportsIMySQLError, torvanix_providers_supports_imy_sql_error, G_TYPE_OBJECT)

static void
torvanix_providers_supports_imy_sql_error_default_init (TorvanixProvidersSupportsIMySQLErrorInterface *)
{
}

namespace {

const char *
string_option (MYSQL *connection, mysql_option option)
{
  const char *value = nullptr;
  mysql_get_option (connection, option, &value);
  return value;
}

template <typename T>
T
number_option (MYSQL *connection, mysql_option option)
{
  /* The connector writes its own type for each option: unsigned long for
   * the two sizes, unsigned int for timeouts, my_bool for reconnect. */
  T value{};
  mysql_get_option (connection, option, &value);
  return value;
}

}  // namespace

extern "C" void
torvanix_providers_supports_imy_sql_error_dump (TorvanixProvidersSupportsIMySQLError *self, gpointer connection)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_SUPPORTS_IS_IMY_SQL_ERROR (self));
  providers_return_if_fail (connection != NULL);
  auto *mysql = static_cast<MYSQL *> (connection);

  GUnique<gchar> text (g_strdup_printf (
      "Default options file: %s\n"
      "Default options group: %s\n"
      "Charset name: %s\n"
      "Plugin path: %s\n"
      "Default auth: %s\n"
      "Public key: %s\n"
      "Auto reconnect: %d\n"
      "Max packet size: %llu\n"
      "Net buffer size: %llu\n"
      "Connect timeout: %u\n"
      "Read timeout: %u\n"
      "Write timeout: %u\n",
      string_option (mysql, MYSQL_READ_DEFAULT_FILE), string_option (mysql, MYSQL_READ_DEFAULT_GROUP),
      string_option (mysql, MYSQL_SET_CHARSET_NAME), string_option (mysql, MYSQL_PLUGIN_DIR),
      string_option (mysql, MYSQL_DEFAULT_AUTH), string_option (mysql, MYSQL_SERVER_PUBLIC_KEY),
      static_cast<int> (number_option<my_bool> (mysql, MYSQL_OPT_RECONNECT)),
      static_cast<unsigned long long> (number_option<unsigned long> (mysql, MYSQL_OPT_MAX_ALLOWED_PACKET)),
      static_cast<unsigned long long> (number_option<unsigned long> (mysql, MYSQL_OPT_NET_BUFFER_LENGTH)),
      number_option<unsigned int> (mysql, MYSQL_OPT_CONNECT_TIMEOUT),
      number_option<unsigned int> (mysql, MYSQL_OPT_READ_TIMEOUT),
      number_option<unsigned int> (mysql, MYSQL_OPT_WRITE_TIMEOUT)));
  g_warning (PROVIDERS_LOG_CONNECTION_OPTIONS "%s", text.get ());
}

extern "C" void
torvanix_providers_supports_imy_sql_error_raise_error (TorvanixProvidersSupportsIMySQLError *self,
                                                       gpointer connection, gint result, GError **error)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_SUPPORTS_IS_IMY_SQL_ERROR (self));
  providers_return_if_fail (connection != NULL);
  if (result == 0)
    return;
  auto *mysql = static_cast<MYSQL *> (connection);
  unsigned int code = mysql_errno (mysql);
  if (code == 0)
    return;
  /* Copied first: logging the options must not disturb the text. The
   * client quotes what it was given (a host, a user, a socket's path) in
   * whatever bytes, and an error message is UTF-8 for every caller. */
  GUnique<gchar> message (g_utf8_make_valid (mysql_error (mysql), -1));
  torvanix_providers_supports_imy_sql_error_dump (self, connection);
  g_set_error_literal (error, g_quark_from_static_string ("MySQL"), static_cast<gint> (code), message.get ());
}
