/* Errors of the PostgreSQL provider. */
#ifndef LIBPROVIDERS_POSTGRESQL_POSTGRE_SQL_ERROR_H
#define LIBPROVIDERS_POSTGRESQL_POSTGRE_SQL_ERROR_H

#include <glib.h>
#include <libproviders/postgresql/postgre-sql-macros.h>

G_BEGIN_DECLS

/**
 * TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR:
 *
 * The error domain "PostgreSQL". A server's error has its SQLSTATE as
 * its code, the five characters (digits and upper-case letters) read as
 * one base-36 number, the first character the most significant: "00000"
 * is 0, "23505" is 3,505,685 and "ZZZZZ" 60,466,175, so every server
 * code is positive and torvanix_providers_supports_postgre_sql_error_sqlstate()
 * gives the five characters back. The message is the server's primary
 * text. The codes of #TorvanixProvidersSupportsPostgreSQLError,
 * all negative, are the failures that have no SQLSTATE.
 */
#define TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR (torvanix_providers_supports_postgre_sql_error_quark ())

/**
 * TorvanixProvidersSupportsPostgreSQLError:
 * @TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_PROVIDER: the provider
 *   refused the call: the connection is not open, the profile or its
 *   options are wrong, the text holds a COPY to or from the client
 * @TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_CLIENT: the client
 *   library failed: the server could not be reached or refused the login,
 *   the connection was lost, the protocol broke; the message is the client
 *   library's
 * @TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_COMMIT_UNKNOWN: the
 *   connection was lost after COMMIT was sent: the transaction may or may
 *   not have been committed
 *
 * The codes of the "PostgreSQL" domain that carry no SQLSTATE.
 */
typedef enum {
  TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_PROVIDER = -1,
  TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_CLIENT = -2,
  TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_COMMIT_UNKNOWN = -3,
} TorvanixProvidersSupportsPostgreSQLError;

/**
 * torvanix_providers_supports_postgre_sql_error_quark:
 *
 * The quark of #TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR.
 *
 * Returns: the quark of the "PostgreSQL" error domain
 */
PROVIDERS_POSTGRESQL_API GQuark torvanix_providers_supports_postgre_sql_error_quark (void) G_GNUC_CONST;

/**
 * torvanix_providers_supports_postgre_sql_error_code:
 * @sqlstate: five digits or upper-case ASCII letters
 *
 * The error code that a server error of @sqlstate has in the "PostgreSQL"
 * domain, for comparing an error's code with a condition: "23505"
 * (unique_violation) is 3,505,685, "40001" (serialization_failure)
 * 6,718,465. Lower-case letters are not SQLSTATE characters. A %NULL
 * @sqlstate logs a CRITICAL naming this function and answers -1.
 *
 * Returns: the error code of @sqlstate; -1 when @sqlstate is not five
 *   such characters
 */
PROVIDERS_POSTGRESQL_API gint torvanix_providers_supports_postgre_sql_error_code (const gchar *sqlstate);

/**
 * torvanix_providers_supports_postgre_sql_error_sqlstate:
 * @code: an error code of the "PostgreSQL" domain
 *
 * The SQLSTATE of a server error's code, the inverse of
 * torvanix_providers_supports_postgre_sql_error_code(): 3,505,685 gives
 * "23505".
 *
 * Returns: (transfer full) (nullable): the five characters of the
 *   SQLSTATE that @code holds, or %NULL for a code without one (negative,
 *   or beyond "ZZZZZ")
 */
PROVIDERS_POSTGRESQL_API gchar *torvanix_providers_supports_postgre_sql_error_sqlstate (gint code);

G_END_DECLS

#endif /* LIBPROVIDERS_POSTGRESQL_POSTGRE_SQL_ERROR_H */
