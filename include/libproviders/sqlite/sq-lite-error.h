/* Errors of the SQLite provider. */
#ifndef LIBPROVIDERS_SQLITE_SQ_LITE_ERROR_H
#define LIBPROVIDERS_SQLITE_SQ_LITE_ERROR_H

#include <glib.h>
#include <libproviders/sqlite/sq-lite-macros.h>

G_BEGIN_DECLS

/**
 * TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR:
 *
 * The error domain "SQLite". An error of the engine has SQLite's extended
 * result code as its code (always positive: 5 is SQLITE_BUSY, 26
 * SQLITE_NOTADB, 2067 SQLITE_CONSTRAINT_UNIQUE) and the engine's own text
 * (sqlite3_errmsg()) as its message. The codes of
 * #TorvanixProvidersSupportsSQLiteError, all negative, are the provider's
 * own refusals.
 */
#define TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR (torvanix_providers_supports_sq_lite_error_quark ())

/**
 * TorvanixProvidersSupportsSQLiteError:
 * @TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER: the provider refused
 *   the call before the engine saw it: the provider is not open, the
 *   profile names no file or a file that does not exist, its options are
 *   wrong, the SQL text is not valid UTF-8, the statement returns no rows
 *   where rows were asked for
 *
 * The codes of the "SQLite" domain that are not SQLite's.
 */
typedef enum {
  TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER = -1,
} TorvanixProvidersSupportsSQLiteError;

/**
 * torvanix_providers_supports_sq_lite_error_quark:
 *
 * The quark of #TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR.
 *
 * Returns: the quark of the "SQLite" error domain
 */
PROVIDERS_SQLITE_API GQuark torvanix_providers_supports_sq_lite_error_quark (void) G_GNUC_CONST;

G_END_DECLS

#endif /* LIBPROVIDERS_SQLITE_SQ_LITE_ERROR_H */
