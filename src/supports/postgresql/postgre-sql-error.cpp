/* Errors of the "PostgreSQL" domain: server errors by their SQLSTATE,
 * packed base-36, and the client library's failures. */
#include "libproviders/postgresql/postgre-sql-error.h"

#include <string>

#include "common/check.h"
#include "supports/postgresql/postgre-sql-provider-private.h"

namespace {

constexpr int kSqlStateLength = 5;

int
base36_digit (char c)
{
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'A' && c <= 'Z')
    return c - 'A' + 10;
  return -1;
}

/* libpq's messages end in a line break, sometimes two. */
std::string
trimmed (const char *message)
{
  std::string text (message != nullptr ? message : "");
  while (!text.empty () && g_ascii_isspace (text.back ()))
    text.pop_back ();
  return text;
}

}  // namespace

G_DEFINE_QUARK (PostgreSQL, torvanix_providers_supports_postgre_sql_error)

extern "C" gint
torvanix_providers_supports_postgre_sql_error_code (const gchar *sqlstate)
{
  providers_return_val_if_fail (sqlstate != NULL, -1);
  gint code = 0;
  for (int i = 0; i < kSqlStateLength; ++i) {
    int digit = base36_digit (sqlstate[i]);
    if (digit < 0)
      return -1;
    code = code * 36 + digit;
  }
  return sqlstate[kSqlStateLength] == '\0' ? code : -1;
}

extern "C" gchar *
torvanix_providers_supports_postgre_sql_error_sqlstate (gint code)
{
  constexpr gint kLargest = 36 * 36 * 36 * 36 * 36 - 1;
  if (code < 0 || code > kLargest)
    return nullptr;
  gchar *text = static_cast<gchar *> (g_malloc (kSqlStateLength + 1));
  text[kSqlStateLength] = '\0';
  for (int i = kSqlStateLength - 1; i >= 0; --i, code /= 36)
    text[i] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[code % 36];
  return text;
}

namespace providers::postgresql {

void
set_own_error (GError **error, const char *message)
{
  g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR,
                       TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_PROVIDER, message);
}

void
set_client_error (GError **error, PGconn *connection, const char *fallback)
{
  std::string message = trimmed (connection != nullptr ? PQerrorMessage (connection) : nullptr);
  g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR,
                       TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_CLIENT,
                       message.empty () ? fallback : message.c_str ());
}

void
set_result_error (GError **error, const PGresult *result, PGconn *connection)
{
  const char *sqlstate = result != nullptr ? PQresultErrorField (result, PG_DIAG_SQLSTATE) : nullptr;
  const char *primary = result != nullptr ? PQresultErrorField (result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
  gint code = sqlstate != nullptr ? torvanix_providers_supports_postgre_sql_error_code (sqlstate) : -1;
  /* libpq makes results of its own for a broken connection: they carry a
   * message but no SQLSTATE. */
  if (code < 0 || primary == nullptr) {
    std::string message = trimmed (result != nullptr ? PQresultErrorMessage (result) : nullptr);
    if (message.empty ()) {
      set_client_error (error, connection, "The server's answer could not be read.");
      return;
    }
    g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR,
                         TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_CLIENT, message.c_str ());
    return;
  }
  g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR, code, primary);
}

}  // namespace providers::postgresql
