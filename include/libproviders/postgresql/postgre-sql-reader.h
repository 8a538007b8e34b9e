/* The reader of the PostgreSQL provider. */
#ifndef LIBPROVIDERS_POSTGRESQL_POSTGRE_SQL_READER_H
#define LIBPROVIDERS_POSTGRESQL_POSTGRE_SQL_READER_H

#include <glib-object.h>
#include <libproviders/contracts/data-reader.h>
#include <libproviders/postgresql/postgre-sql-macros.h>

G_BEGIN_DECLS

#define TORVANIX_PROVIDERS_SUPPORTS_TYPE_POSTGRE_SQL_READER (torvanix_providers_supports_postgre_sql_reader_get_type ())
PROVIDERS_POSTGRESQL_API
G_DECLARE_FINAL_TYPE (TorvanixProvidersSupportsPostgreSQLReader, torvanix_providers_supports_postgre_sql_reader,
                      TORVANIX_PROVIDERS_SUPPORTS, POSTGRE_SQL_READER, GObject)

/**
 * TorvanixProvidersSupportsPostgreSQLReader:
 *
 * The forward-only reader that
 * torvanix_providers_contracts_iprovider_execute_reader() of a
 * #TorvanixProvidersSupportsPostgreSQLProvider answers; it implements
 * #TorvanixProvidersContractsIDataReader, and only the provider makes one.
 *
 * The reader holds the whole result of its statement in client memory,
 * as the client library stores it (about the cells' text and 16 bytes a
 * cell): `execute_reader` takes every row before it answers. So the
 * reader is read to its end after later statements on the same provider,
 * after the provider's `close` and after the provider is gone, and uses no
 * connection and no lock; a server error or a lost connection in the
 * middle of the rows fails `execute_reader` itself, so a reader never
 * answers a short result as complete. A text of several statements answers
 * the reader of the first one, whose rows are kept; the rows of later
 * statements are read and dropped, and a later statement's failure fails
 * the call.
 *
 * Each cell keeps the server's text, as a model's cells do: get_value()
 * and get_values() answer the value the column's data type names
 * (torvanix_providers_supports_postgre_sql_type_data_type()), bytea cells
 * are their bytes and booleans are true or false. `get_dbms_type` answers
 * the server's name of the column's type (its `pg_type.typname`, also for
 * enumerations, composites and domains); `get_size` the widest cell of the
 * column in bytes. `get_boolean` is true for a true boolean ("t") and
 * for "1" and "true"; `get_timespan` answers an interval of days and time
 * in microseconds, and 0 for one with months or years, which have no fixed
 * length; `get_geometry` and `get_xml` answer the cell's text. The reader
 * belongs to one thread at a time and reports no errors.
 */
/**
 * TorvanixProvidersSupportsPostgreSQLReaderClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersSupportsPostgreSQLReader; it adds no
 * virtual functions.
 */

G_END_DECLS

#endif /* LIBPROVIDERS_POSTGRESQL_POSTGRE_SQL_READER_H */
