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
 * TorvanixProvidersSupportsMySQLReader:
 *
 * A forward-only reader over a result set fetched whole into client
 * memory. torvanix_providers_contracts_iprovider_execute_reader() of a
 * #TorvanixProvidersSupportsMySQLProvider makes one, which owns its result
 * and frees it when the reader is finalized. The values its getters return
 * belong to the caller (transfer full); the reader belongs to one thread at
 * a time. It implements #TorvanixProvidersContractsIDataReader,
 * #TorvanixProvidersSupportsIMySQLType and
 * #TorvanixProvidersSupportsIMySQLError, takes no lock and reports no
 * errors.
 */
/**
 * TorvanixProvidersSupportsMySQLReaderClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersSupportsMySQLReader; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersSupportsMySQLReaderClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_supports_my_sql_reader_new:
 * @_result_: a stored result set (a `MYSQL_RES *` of the client library);
 *   borrowed: whoever made it frees it after the reader is done
 *
 * Makes a reader over a result the caller fetched with the client library
 * itself. A %NULL @_result_ logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer full) (nullable): a reader before its first row, or
 *   %NULL for a %NULL @_result_
 */
PROVIDERS_API TorvanixProvidersSupportsMySQLReader *torvanix_providers_supports_my_sql_reader_new (gpointer _result_);
/**
 * torvanix_providers_supports_my_sql_reader_construct:
 * @object_type: the reader class or a subclass of it
 * @_result_: a stored result set (a `MYSQL_RES *`), borrowed
 *
 * Makes a reader of @object_type, for a subclass's own constructor. A %NULL
 * @_result_, or a type that is not the reader class or a subclass of it,
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): a reader before its first row, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersSupportsMySQLReader *torvanix_providers_supports_my_sql_reader_construct (GType object_type,
                                                                                                         gpointer _result_);
/**
 * torvanix_providers_supports_my_sql_reader_get_decimals_size:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 *
 * Tells how many digits after the decimal point the server declares for a
 * column (a DECIMAL's scale, a DATETIME's fractional seconds). An @ordinal
 * past the last column logs the CRITICAL `ordinal < field_count` and
 * answers 0.
 *
 * Returns: the number of decimals the server declares for the column
 */
PROVIDERS_API guint32 torvanix_providers_supports_my_sql_reader_get_decimals_size (TorvanixProvidersSupportsMySQLReader *self,
                                                                                   guint16 ordinal);

G_END_DECLS

#endif /* LIBPROVIDERS_MYSQL_MY_SQL_READER_H */
