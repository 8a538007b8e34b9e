/* The reader over a fetched MySQL result. */
#ifndef LIBPROVIDERS_MYSQL_MY_SQL_READER_H
#define LIBPROVIDERS_MYSQL_MY_SQL_READER_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/contracts/data-reader.h>
#include <libproviders/mysql/my-sql-error.h>
#include <libproviders/mysql/my-sql-type.h>

G_BEGIN_DECLS

#define TORVANIX_PROVIDERS_SUPPORTS_TYPE_MY_SQL_READER (torvanix_providers_supports_my_sql_reader_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersSupportsMySQLReader, torvanix_providers_supports_my_sql_reader,
                          TORVANIX_PROVIDERS_SUPPORTS, MY_SQL_READER, GObject)

/**
 * TorvanixProvidersSupportsMySQLReaderClass:
 *
 * A forward-only reader over a result set fetched whole into client
 * memory. It implements #TorvanixProvidersContractsIDataReader,
 * #TorvanixProvidersSupportsIMySQLType and
 * #TorvanixProvidersSupportsIMySQLError, takes no lock and reports no
 * errors.
 */
struct _TorvanixProvidersSupportsMySQLReaderClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_supports_my_sql_reader_new:
 * @_result_: a stored result set (a `MYSQL_RES *` of the client library);
 *   borrowed: whoever made it frees it after the reader is done
 *
 * Returns: (transfer full) (nullable): a reader before its first row
 */
PROVIDERS_API TorvanixProvidersSupportsMySQLReader *torvanix_providers_supports_my_sql_reader_new (gpointer _result_);
/**
 * torvanix_providers_supports_my_sql_reader_construct:
 * @object_type: the reader class or a subclass of it
 * @_result_: a stored result set (a `MYSQL_RES *`), borrowed
 *
 * Returns: (transfer full) (nullable): a reader before its first row
 */
PROVIDERS_API TorvanixProvidersSupportsMySQLReader *torvanix_providers_supports_my_sql_reader_construct (GType object_type,
                                                                                                         gpointer _result_);
/**
 * torvanix_providers_supports_my_sql_reader_get_decimals_size:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 *
 * Returns: the number of decimals the server declares for the column
 */
PROVIDERS_API guint32 torvanix_providers_supports_my_sql_reader_get_decimals_size (TorvanixProvidersSupportsMySQLReader *self,
                                                                                   guint16 ordinal);

G_END_DECLS

#endif /* LIBPROVIDERS_MYSQL_MY_SQL_READER_H */
