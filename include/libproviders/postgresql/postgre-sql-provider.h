/* The PostgreSQL provider. */
#ifndef LIBPROVIDERS_POSTGRESQL_POSTGRE_SQL_PROVIDER_H
#define LIBPROVIDERS_POSTGRESQL_POSTGRE_SQL_PROVIDER_H

#include <glib-object.h>
#include <libproviders/contracts/provider.h>
#include <libproviders/postgresql/postgre-sql-macros.h>
#include <libproviders/postgresql/postgre-sql-error.h>

G_BEGIN_DECLS

#define TORVANIX_PROVIDERS_SUPPORTS_TYPE_POSTGRE_SQL_PROVIDER (torvanix_providers_supports_postgre_sql_provider_get_type ())
PROVIDERS_POSTGRESQL_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersSupportsPostgreSQLProvider, torvanix_providers_supports_postgre_sql_provider,
                          TORVANIX_PROVIDERS_SUPPORTS, POSTGRE_SQL_PROVIDER, GObject)

/**
 * TorvanixProvidersSupportsPostgreSQLProvider:
 *
 * A provider for PostgreSQL servers, over libpq. Every operation on its
 * connection holds the provider's own recursive lock, so one provider may
 * be called from several threads. It implements
 * #TorvanixProvidersContractsIProvider.
 *
 * `open` reads the profile's host, port (0 is 5432), user, password,
 * initial database and TLS settings: with "ssl-using" the connection is
 * encrypted or fails, and a CA file given means the server's certificate
 * and its host name are verified against it; the profile's "ssl-password"
 * unlocks the key file. The profile's "options" text (the grammar every
 * engine shares: `key=value` pairs separated by `;`, a value in double
 * quotes when it holds a `;`) may give `application_name` and
 * `connect_timeout` (seconds); another key fails `open`.
 *
 * Reaching the server and the login have 10 seconds (or the options'
 * `connect_timeout`). A peer that vanishes without closing the connection
 * is found by TCP keepalive within about two minutes (probes after 60 s of
 * silence, every 10 s, 6 unanswered or data unacknowledged for 120 s end
 * it), and the operation then fails with a "PostgreSQL" error. A lost
 * connection is made again before the next statement only when the
 * session held nothing of the caller's own. Inside a transaction, the
 * transaction is gone, the next operation says so, and every later call
 * fails with "The connection was lost with a transaction open: open the
 * provider again." until the provider is opened again. A session that
 * holds state of its own fails the same way, every call answering "The
 * connection was lost, and with it the session's state (settings,
 * temporary tables, prepared statements, cursors, listened channels or
 * advisory locks): open the provider again.". A session holds state once
 * a statement ends with the command tag PREPARE, LISTEN, CALL or DO, SET
 * (unless the text's SETs are all SET LOCAL, SET TRANSACTION or SET
 * CONSTRAINTS; SET ROLE and SET SESSION AUTHORIZATION are SETs) or DECLARE
 * CURSOR with WITH HOLD in the text; once a setting the server reports
 * (TimeZone, search_path, the session's role...) differs, outside a
 * transaction, from what it was when the session began; and once a text
 * names pg_advisory_lock, pg_try_advisory_lock (and their shared forms),
 * set_config, pg_temp, CREATE [LOCAL|GLOBAL|OR REPLACE] TEMP or INTO
 * [LOCAL|GLOBAL] TEMP, also in a name, a string or a comment. The
 * provider's own settings made at open count for nothing; DISCARD ALL
 * clears the mark, RESET ALL does not. A function of the database's own
 * that a query calls and that takes an advisory lock, makes a temporary
 * table or changes a setting the server does not report is not seen.
 *
 * The session spells cells one way whatever the server's defaults are:
 * client encoding UTF-8, `DateStyle` ISO, `IntervalStyle` postgres,
 * `extra_float_digits` 1, `bytea_output` hex. The server's notices go to
 * GLib's log at debug level.
 *
 * A column's data type comes from its type: a built-in type's as
 * torvanix_providers_supports_postgre_sql_type_data_type() maps it; for
 * any other type the provider asks the session's catalog once per session
 * (after the results of the text that showed it first, in a savepoint of
 * its own inside a transaction). An enumeration is ENUM, an array of any
 * type ARRAY, a domain its base type's; composites, ranges and an
 * extension's types are STRING, their cells the server's text.
 *
 * A text of several statements runs on the server as one implicit
 * transaction, unless it holds its own transaction commands: a failing
 * statement undoes the statements before it. So every operation fails
 * when any statement of its text fails, with that statement's error;
 * `execute_statements` then answers no results at all, as none of the
 * text's work stands, rather than counts of statements rolled back. A
 * `COPY ... FROM STDIN` is ended at once (the server undoes it and the
 * rest of the text) and a `COPY ... TO STDOUT` is read to its end and
 * dropped; either fails the call with the provider's own error.
 * `execute_reader` is not answered yet: it fails with the provider's own
 * error, %TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_PROVIDER, and
 * sends nothing.
 *
 * `commit` fails when the server answers it with ROLLBACK (the
 * transaction had failed before); when the connection is lost while
 * committing, the error (code
 * %TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR_COMMIT_UNKNOWN) says that
 * the outcome is unknown; a commit the server acknowledged is never
 * reported failed.
 */

/**
 * TorvanixProvidersSupportsPostgreSQLProviderClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersSupportsPostgreSQLProvider.
 */
struct _TorvanixProvidersSupportsPostgreSQLProviderClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_supports_postgre_sql_provider_new:
 *
 * Makes a provider; `open` connects it to a server.
 *
 * Returns: (transfer full): a new provider, closed
 */
PROVIDERS_POSTGRESQL_API TorvanixProvidersSupportsPostgreSQLProvider *
torvanix_providers_supports_postgre_sql_provider_new (void);
/**
 * torvanix_providers_supports_postgre_sql_provider_construct:
 * @object_type: the provider class or a subclass of it
 *
 * Makes a provider of @object_type; `open` connects it to a server. A
 * type that is not the provider class or a subclass of it logs a CRITICAL
 * naming this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): a new instance, closed
 */
PROVIDERS_POSTGRESQL_API TorvanixProvidersSupportsPostgreSQLProvider *
torvanix_providers_supports_postgre_sql_provider_construct (GType object_type);

G_END_DECLS

#endif /* LIBPROVIDERS_POSTGRESQL_POSTGRE_SQL_PROVIDER_H */
