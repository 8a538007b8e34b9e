/* Logical data types of values and columns, and the edit state of rows. */
#ifndef LIBPROVIDERS_VALUES_DATA_TYPE_H
#define LIBPROVIDERS_VALUES_DATA_TYPE_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>

G_BEGIN_DECLS

/**
 * TorvanixProvidersContractsDataType:
 *
 * The logical type of a value object or a result column. The numbers are
 * stable: they are stored in column models and cross the whole interface.
 */
typedef enum {
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN = 0,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL = 1,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN = 2,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT8 = 3,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT16 = 4,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32 = 5,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64 = 6,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8 = 7,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16 = 8,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32 = 9,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64 = 10,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM = 11,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS = 12,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_SET = 13,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY = 14,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL = 15,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT = 16,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE = 17,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE = 18,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME = 19,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME = 20,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN = 21,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP = 22,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING = 23,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING = 24,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_XML = 25,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID = 26,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON = 27,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY = 28,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY = 29,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY = 30,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB = 31,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT = 32,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_POINTER = 33,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT = 34,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY = 35,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR = 36
} TorvanixProvidersContractsDataType;

/**
 * TorvanixProvidersContractsDataVersion:
 *
 * What happened to a row of a result model since it was read. INITIAL is
 * the empty set.
 */
typedef enum /*< flags >*/ {
  TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL = 0,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL = 1 << 0,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE = 1 << 1,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT = 1 << 2,
  TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE = 1 << 3
} TorvanixProvidersContractsDataVersion;

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_DATA_TYPE (torvanix_providers_contracts_data_type_get_type ())
#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_DATA_VERSION (torvanix_providers_contracts_data_version_get_type ())

PROVIDERS_API GType torvanix_providers_contracts_data_type_get_type (void) G_GNUC_CONST;

/**
 * torvanix_providers_contracts_data_type_to_string:
 * @self: a data type
 *
 * Returns: (transfer full) (nullable): the lower-case nick ("int32"), or
 *   %NULL for a number that is not a data type.
 */
PROVIDERS_API gchar *torvanix_providers_contracts_data_type_to_string (TorvanixProvidersContractsDataType self);

/**
 * torvanix_providers_contracts_data_type_get_glib_type:
 * @self: a data type
 *
 * Returns: the GType a caller may use to hold a column of this type.
 */
PROVIDERS_API GType torvanix_providers_contracts_data_type_get_glib_type (TorvanixProvidersContractsDataType self);

/**
 * torvanix_providers_contracts_data_type_get_data_type:
 * @type: any GType
 *
 * Classifies a GType. Not the inverse of
 * torvanix_providers_contracts_data_type_get_glib_type().
 *
 * Returns: the data type, %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN
 *   when nothing matches.
 */
PROVIDERS_API TorvanixProvidersContractsDataType torvanix_providers_contracts_data_type_get_data_type (GType type);

PROVIDERS_API GType torvanix_providers_contracts_data_version_get_type (void) G_GNUC_CONST;

/**
 * torvanix_providers_contracts_data_version_all:
 *
 * Returns: the union of every flag (15).
 */
PROVIDERS_API TorvanixProvidersContractsDataVersion torvanix_providers_contracts_data_version_all (void);

/**
 * torvanix_providers_contracts_data_version_to_string:
 * @self: a set of flags
 *
 * Returns: (transfer full) (nullable): the upper-case nick of the first
 *   flag contained ("INITIAL" for 0), or %NULL when none is known.
 */
PROVIDERS_API gchar *torvanix_providers_contracts_data_version_to_string (TorvanixProvidersContractsDataVersion self);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_DATA_TYPE_H */
