/* Server column types mapped to data types. */
#ifndef LIBPROVIDERS_MYSQL_MY_SQL_TYPE_H
#define LIBPROVIDERS_MYSQL_MY_SQL_TYPE_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/data-type.h>

G_BEGIN_DECLS

#define TORVANIX_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_TYPE (torvanix_providers_supports_imy_sql_type_get_type ())
PROVIDERS_API
G_DECLARE_INTERFACE (TorvanixProvidersSupportsIMySQLType, torvanix_providers_supports_imy_sql_type,
                     TORVANIX_PROVIDERS_SUPPORTS, IMY_SQL_TYPE, GObject)

/**
 * TorvanixProvidersSupportsIMySQLType:
 *
 * Maps the protocol's column descriptions (a field type code and its flags)
 * to the server's type names and to #TorvanixProvidersContractsDataType.
 * The MySQL reader implements it; its functions read no state of the
 * implementation and may be called from any thread.
 */

/**
 * TorvanixProvidersSupportsIMySQLTypeInterface:
 * @parent_iface: the parent interface
 *
 * Groups the mapping of the protocol's column descriptions; it has no
 * virtual operations.
 */
struct _TorvanixProvidersSupportsIMySQLTypeInterface {
  GTypeInterface parent_iface;
};

/**
 * torvanix_providers_supports_imy_sql_type_map_dbms_type:
 * @self: (nullable): an implementation; not read
 * @type: the protocol's field type code
 * @flags: the field flags; not used
 *
 * Names the server's type for a field type code, as the protocol spells it.
 *
 * Returns: (transfer full): the server's name of the type, such as
 *   "NEWDECIMAL"; "" for a code the protocol does not send for results
 */
PROVIDERS_API gchar *torvanix_providers_supports_imy_sql_type_map_dbms_type (TorvanixProvidersSupportsIMySQLType *self,
                                                                           guint32 type, guint32 flags);
/**
 * torvanix_providers_supports_imy_sql_type_map_data_type:
 * @self: (nullable): an implementation; not read
 * @type: the protocol's field type code
 * @flags: the field flags: the unsigned (0x20) and binary (0x80) bits matter
 *
 * Tells which value class carries a column's cells: the unsigned bit turns
 * an integer type into its unsigned data type, the binary bit turns a BLOB
 * type (text otherwise) into BINARY (TINY_BLOB) or BLOB.
 *
 * Returns: the data type of the column's values;
 *   %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN for a code the protocol
 *   does not send for results
 */
PROVIDERS_API TorvanixProvidersContractsDataType torvanix_providers_supports_imy_sql_type_map_data_type (
    TorvanixProvidersSupportsIMySQLType *self, guint32 type, guint32 flags);

G_END_DECLS

#endif /* LIBPROVIDERS_MYSQL_MY_SQL_TYPE_H */
