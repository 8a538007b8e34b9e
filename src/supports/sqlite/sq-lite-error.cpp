/* Errors of the "SQLite" domain: the engine's extended result codes with
 * its own text, and the provider's refusals. */
#include "libproviders/sqlite/sq-lite-error.h"

#include "supports/sqlite/sq-lite-provider-private.h"

G_DEFINE_QUARK (SQLite, torvanix_providers_supports_sq_lite_error)

namespace providers::sqlite {

void
set_own_error (GError **error, const char *message)
{
  g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR,
                       TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER, message);
}

void
set_engine_error (GError **error, sqlite3 *database)
{
  g_set_error_literal (error, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR, sqlite3_extended_errcode (database),
                       sqlite3_errmsg (database));
}

}  // namespace providers::sqlite
