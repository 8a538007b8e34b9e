/* Logical data types of values and columns, and the edit state of rows. */
#ifndef LIBPROVIDERS_VALUES_DATA_TYPE_H
#define LIBPROVIDERS_VALUES_DATA_TYPE_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>

G_BEGIN_DECLS

/**
 * TorvanixProvidersContractsDataType:
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN: no known type; its cells
 *   are carried as text in a #TorvanixProvidersContractsValueString
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL: the database null, a
 *   #TorvanixProvidersContractsValueNull
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN: a truth value, a
 *   #TorvanixProvidersContractsValueBoolean
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT8: a signed 8-bit integer, a
 *   #TorvanixProvidersContractsValueInt8
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT16: a signed 16-bit integer, a
 *   #TorvanixProvidersContractsValueInt16
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32: a signed 32-bit integer, a
 *   #TorvanixProvidersContractsValueInt32
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64: a signed 64-bit integer, a
 *   #TorvanixProvidersContractsValueInt64
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8: an unsigned 8-bit integer, a
 *   #TorvanixProvidersContractsValueUInt8
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16: an unsigned 16-bit integer,
 *   a #TorvanixProvidersContractsValueUInt16
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32: an unsigned 32-bit integer,
 *   a #TorvanixProvidersContractsValueUInt32
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64: an unsigned 64-bit integer,
 *   a #TorvanixProvidersContractsValueUInt64
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM: one member of an enumeration
 *   column, as text: a #TorvanixProvidersContractsValueEnum
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS: a flags cell, as text: a
 *   #TorvanixProvidersContractsValueFlags
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_SET: several members of a set
 *   column, as text: a #TorvanixProvidersContractsValueSet
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY: an amount of money held as a
 *   double, a #TorvanixProvidersContractsValueMoney
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL: an exact decimal number, a
 *   #TorvanixProvidersContractsValueDecimal
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT: a single-precision number, a
 *   #TorvanixProvidersContractsValueFloat
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE: a double-precision number, a
 *   #TorvanixProvidersContractsValueDouble
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE: a calendar date, a
 *   #TorvanixProvidersContractsValueDate
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME: a time of day, a
 *   #TorvanixProvidersContractsValueTime
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME: a date and a time of day,
 *   a #TorvanixProvidersContractsValueDateTime
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN: a duration, a
 *   #TorvanixProvidersContractsValueTimeSpan
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP: a point in time as a
 *   server stamps it, also a #TorvanixProvidersContractsValueDateTime
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING: UTF-8 text, a
 *   #TorvanixProvidersContractsValueString
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING: text of a wide-character
 *   column, a #TorvanixProvidersContractsValueUtf16
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_XML: an XML document as text, a
 *   #TorvanixProvidersContractsValueXml
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID: a UUID as text, a
 *   #TorvanixProvidersContractsValueUuid
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON: a JSON document as text, a
 *   #TorvanixProvidersContractsValueJson
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY: a planar shape as text, a
 *   #TorvanixProvidersContractsValueGeometry
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY: a shape on the globe as
 *   text, a #TorvanixProvidersContractsValueGeography
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY: a short run of bytes, a
 *   #TorvanixProvidersContractsValueBinary
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB: a large run of bytes, a
 *   #TorvanixProvidersContractsValueBlob
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT: an object the library does
 *   not interpret, a plain #TorvanixProvidersContractsValueObject
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_POINTER: a pointer the library does
 *   not interpret; its cells are carried as text
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT: a cell whose type only the
 *   reader knows; a reader answers the value its getter gives
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY: an array the library does not
 *   take apart; its cells are carried as text
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR: an error number and message,
 *   a #TorvanixProvidersContractsValueError
 *
 * The logical type of a value object or of a result column. A provider
 * describes each column by one (#TorvanixProvidersContractsColumnModel), and
 * every value answers its own through
 * torvanix_providers_contracts_ivalue_get_data_type(). The numbers are stable:
 * they are stored in column models and cross the whole interface.
 *
 * torvanix_providers_contracts_data_type_to_string() names a data type by its
 * nick, the member's name in lower case ("int32", "dbnull");
 * torvanix_providers_contracts_ivalue_factory() builds a value of any of them
 * from text. The functions of this enumeration keep no state and may be called
 * from any thread.
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
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL: the empty set: the row
 *   is as it was read, and nothing has been said about it
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL: the row is known to be
 *   the same as the database's; a mark for the application, which the library
 *   never sets
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE: the row is marked for
 *   deletion (torvanix_providers_contracts_table_model_update_row_version())
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT: the row was added after
 *   the result was read (torvanix_providers_contracts_table_model_new_row())
 * @TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE: a row as read was changed
 *   (torvanix_providers_contracts_table_model_update_row_version())
 *
 * What happened to a row of a result model since it was read: the version a
 * #TorvanixProvidersContractsRowModel carries and the application changes. A
 * new row holds %TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL. The
 * functions of these flags keep no state and may be called from any thread.
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
 * Names a data type by its nick: the member's name after the prefix, in lower
 * case ("int32", "dbnull", "wstring"). Any number is accepted and nothing is
 * logged.
 *
 * Returns: (transfer full) (nullable): the nick, or %NULL for a number that is
 *   not a data type
 */
PROVIDERS_API gchar *torvanix_providers_contracts_data_type_to_string (TorvanixProvidersContractsDataType self);

/**
 * torvanix_providers_contracts_data_type_get_glib_type:
 * @self: a data type
 *
 * Tells which GType a caller may use to hold a column of this type, such as
 * the column type of a list store. Integers map to the fundamental types (INT8
 * to %G_TYPE_CHAR, INT16 and INT32 to %G_TYPE_INT, UINT8 to %G_TYPE_UCHAR,
 * UINT16 to %G_TYPE_UINT), except that UINT32 maps to %G_TYPE_INT and UINT64
 * to %G_TYPE_INT64, as callers expect; DATE maps to #GDate, DATETIME to
 * #GDateTime, TIME to %G_TYPE_POINTER, TIMESPAN to %G_TYPE_INT64, BINARY and
 * BLOB to #GBytes, DBNULL to #TorvanixProvidersContractsValueNull, OBJECT to
 * #GObject, VARIANT to #GVariant, ARRAY to #GArray, ENUM and SET to
 * %G_TYPE_ENUM, FLAGS to %G_TYPE_FLAGS, and every textual type (TIMESTAMP and
 * ERROR included) to %G_TYPE_STRING. A number that is not a data type answers
 * as UNKNOWN, with %G_TYPE_STRING; nothing is logged.
 *
 * Returns: the GType of a column of this type
 */
PROVIDERS_API GType torvanix_providers_contracts_data_type_get_glib_type (TorvanixProvidersContractsDataType self);

/**
 * torvanix_providers_contracts_data_type_get_data_type:
 * @type: any GType, also an invalid one
 *
 * Classifies a GType. The fundamental types map directly (%G_TYPE_CHAR to
 * INT8, %G_TYPE_UCHAR to UINT8, %G_TYPE_INT and %G_TYPE_LONG to INT32,
 * %G_TYPE_UINT and %G_TYPE_ULONG to UINT32, %G_TYPE_INT64, %G_TYPE_UINT64,
 * %G_TYPE_BOOLEAN, %G_TYPE_FLOAT, %G_TYPE_DOUBLE, %G_TYPE_STRING, and the
 * fundamental %G_TYPE_ENUM and %G_TYPE_FLAGS themselves); any other type is
 * matched by its name, compared in lower case: "gint16", "guint16", "gdate",
 * "gtime", "gdatetime" and "gtimestamp" (DATETIME both), "gtimespan",
 * "gnumeric" (DECIMAL), "guid" and "uuid", "xml", "json", "gobject",
 * "gbinary", "gblob" and "gnull" (DBNULL). It is not the inverse of
 * torvanix_providers_contracts_data_type_get_glib_type(), and a type derived
 * from one of these (a registered enumeration, a subclass of #GObject) does
 * not match. Nothing is logged.
 *
 * Returns: the data type, or %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN
 *   when nothing matches
 */
PROVIDERS_API TorvanixProvidersContractsDataType torvanix_providers_contracts_data_type_get_data_type (GType type);

PROVIDERS_API GType torvanix_providers_contracts_data_version_get_type (void) G_GNUC_CONST;

/**
 * torvanix_providers_contracts_data_version_all:
 *
 * Answers the set of every edit a row can carry.
 *
 * Returns: the union of every flag: identical, delete, insert and update (15)
 */
PROVIDERS_API TorvanixProvidersContractsDataVersion torvanix_providers_contracts_data_version_all (void);

/**
 * torvanix_providers_contracts_data_version_to_string:
 * @self: a set of flags
 *
 * Names a set of flags by its lowest flag, in upper case: "UPDATE" for update,
 * "DELETE" for delete and insert together, "INITIAL" for the empty set. Any
 * number is accepted and nothing is logged.
 *
 * Returns: (transfer full) (nullable): the upper-case nick of the lowest flag
 *   contained, or %NULL when @self holds no known flag (16, say)
 */
PROVIDERS_API gchar *torvanix_providers_contracts_data_version_to_string (TorvanixProvidersContractsDataVersion self);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_DATA_TYPE_H */
