/* The server's type codes (OIDs) mapped to data types. */
#ifndef LIBPROVIDERS_POSTGRESQL_POSTGRE_SQL_TYPE_H
#define LIBPROVIDERS_POSTGRESQL_POSTGRE_SQL_TYPE_H

#include <glib.h>
#include <libproviders/postgresql/postgre-sql-macros.h>
#include <libproviders/values/data-type.h>

G_BEGIN_DECLS

/**
 * torvanix_providers_supports_postgre_sql_type_name:
 * @oid: the type's OID, as a result column describes it
 *
 * Names the server's type of @oid, for the types every server has built
 * in.
 *
 * Returns: (transfer full): the server's name of a built-in type (its
 *   `pg_type.typname`, such as "int4", "timestamptz" or "_text" for an
 *   array of text); "" for a type the server's catalog made later (an
 *   enumeration, a composite, a domain, an extension's type)
 */
PROVIDERS_POSTGRESQL_API gchar *torvanix_providers_supports_postgre_sql_type_name (guint32 oid);

/**
 * torvanix_providers_supports_postgre_sql_type_data_type:
 * @oid: the type's OID
 *
 * Every array of a built-in type is ARRAY. A type whose every value a value class holds
 * exactly has that class's data type (int4 is INT32, numeric DECIMAL,
 * timestamptz TIMESTAMP, bytea BINARY); every other type, built-in or not,
 * is STRING, and its cells keep the server's text (money as the server's
 * `lc_monetary` spells it, interval, the network and geometric types,
 * ranges, bit strings).
 *
 * Returns: the data type of the type's values
 */
PROVIDERS_POSTGRESQL_API TorvanixProvidersContractsDataType torvanix_providers_supports_postgre_sql_type_data_type (
    guint32 oid);

G_END_DECLS

#endif /* LIBPROVIDERS_POSTGRESQL_POSTGRE_SQL_TYPE_H */
