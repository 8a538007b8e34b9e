/* The forward-only data reader interface. */
#ifndef LIBPROVIDERS_CONTRACTS_DATA_READER_H
#define LIBPROVIDERS_CONTRACTS_DATA_READER_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_IDATA_READER (torvanix_providers_contracts_idata_reader_get_type ())
PROVIDERS_API
G_DECLARE_INTERFACE (TorvanixProvidersContractsIDataReader, torvanix_providers_contracts_idata_reader,
                     TORVANIX_PROVIDERS_CONTRACTS, IDATA_READER, GObject)

/**
 * TorvanixProvidersContractsIDataReader:
 *
 * A forward-only cursor over one result set, for results too long to hold
 * as a table. torvanix_providers_contracts_iprovider_execute_reader() makes
 * one; it belongs to the caller and to one thread at a time. Columns are
 * addressed by an ordinal counted from 0; what the getters return is the
 * caller's (transfer full).
 */

/**
 * TorvanixProvidersContractsIDataReader:field-count:
 *
 * The number of columns, fixed when the reader is made; read-only, and it
 * never notifies; from %G_MININT32 to %G_MAXINT32, declared 0 by
 * default.
 */

/**
 * TorvanixProvidersContractsIDataReader:is-closed:
 *
 * Whether the reader is closed: by torvanix_providers_contracts_idata_reader_close()
 * or after its last row. %FALSE for a new reader; read-only.
 */

/**
 * TorvanixProvidersContractsIDataReaderInterface:
 * @parent_iface: the parent interface
 * @bulk: fetches what the reader reads ahead in one go
 * @read: moves to the next row
 * @close: closes the reader, skipping the rows not read yet
 * @get_name: answers a column's name
 * @get_dbms_type: names the server's type of a column
 * @get_data_type: answers a column's data type
 * @get_size: answers the size the server declares for a column
 * @is_null: answers whether a cell of the current row is a database null
 * @get_boolean: reads a cell as a boolean
 * @get_int8: reads a cell as a signed 8-bit integer
 * @get_uint8: reads a cell as an unsigned 8-bit integer
 * @get_int16: reads a cell as a signed 16-bit integer
 * @get_uint16: reads a cell as an unsigned 16-bit integer
 * @get_int32: reads a cell as a signed 32-bit integer
 * @get_uint32: reads a cell as an unsigned 32-bit integer
 * @get_int64: reads a cell as a signed 64-bit integer
 * @get_uint64: reads a cell as an unsigned 64-bit integer
 * @get_decimal: reads a cell as the nearest double of a decimal
 * @get_money: reads a cell as an amount of money, as a double
 * @get_float: reads a cell as a float
 * @get_double: reads a cell as a double
 * @get_date: reads a cell as a date
 * @get_time: reads a cell as a time of day
 * @get_datetime: reads a cell as a date and time
 * @get_timespan: reads a cell as a time span
 * @get_string: reads a cell as text
 * @get_string16: reads a cell as text, from UTF-16 the server sent
 * @get_guid: reads a cell as the text of a UUID
 * @get_binary: reads a cell as bytes
 * @get_timestamp: reads a cell as a timestamp
 * @get_enum: reads a cell as an enumeration member's text
 * @get_flag: reads a cell as a flag's text
 * @get_set: reads a cell as a set's text
 * @get_xml: reads a cell as XML text
 * @get_json: reads a cell as JSON text
 * @get_geometry: reads a cell as a geometry's text
 * @get_geography: reads a cell as a geography's text
 * @get_variant: reads a cell as a value of the class the engine chooses
 * @get_object: reads a cell as an engine's own object, serialised
 * @get_value: reads a cell as a typed value
 * @get_values: reads every cell of the current row as typed values
 * @get_field_count: getter of "field-count": the number of columns
 * @get_is_closed: getter of "is-closed": whether the reader is closed
 *
 * A forward-only cursor over one result set. Columns are addressed by an
 * unsigned 16-bit ordinal counted from 0. The slot order is part of the
 * interface.
 *
 * An implementation fills the slots from @bulk to @get_binary and the two
 * property getters, and overrides the properties "field-count" and
 * "is-closed". The interface fills @get_timestamp to @get_values itself:
 * the text getters answer "", @get_variant a database null, @get_object
 * an empty buffer, and @get_value and @get_values build typed values from
 * the other slots.
 */
struct _TorvanixProvidersContractsIDataReaderInterface {
  GTypeInterface parent_iface;

  gboolean (*bulk) (TorvanixProvidersContractsIDataReader *self, GError **error);
  gboolean (*read) (TorvanixProvidersContractsIDataReader *self, GError **error);
  void (*close) (TorvanixProvidersContractsIDataReader *self, GError **error);
  gchar *(*get_name) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gchar *(*get_dbms_type) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  TorvanixProvidersContractsDataType (*get_data_type) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gint32 (*get_size) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gboolean (*is_null) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gboolean (*get_boolean) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gint8 (*get_int8) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  guint8 (*get_uint8) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gint16 (*get_int16) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  guint16 (*get_uint16) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gint32 (*get_int32) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  guint32 (*get_uint32) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gint64 (*get_int64) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  guint64 (*get_uint64) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gdouble (*get_decimal) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gdouble (*get_money) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gfloat (*get_float) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gdouble (*get_double) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  void (*get_date) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GDate *result, GError **error);
  GDateTime *(*get_time) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  GDateTime *(*get_datetime) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  GTimeSpan (*get_timespan) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gchar *(*get_string) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gchar *(*get_string16) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gchar *(*get_guid) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  guint8 *(*get_binary) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, gint *result_length1, GError **error);
  GDateTime *(*get_timestamp) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gchar *(*get_enum) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gchar *(*get_flag) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gchar *(*get_set) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gchar *(*get_xml) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gchar *(*get_json) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gchar *(*get_geometry) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  gchar *(*get_geography) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  TorvanixProvidersContractsIValue *(*get_variant) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  guint8 *(*get_object) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, gint *result_length1, GError **error);
  TorvanixProvidersContractsIValue *(*get_value) (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
  TorvanixProvidersContractsIValue **(*get_values) (TorvanixProvidersContractsIDataReader *self, gint *result_length1, GError **error);
  gint (*get_field_count) (TorvanixProvidersContractsIDataReader *self);
  gboolean (*get_is_closed) (TorvanixProvidersContractsIDataReader *self);
};

/* The slots that hand back arrays, annotated like their callers so that
 * bindings can implement them. */
/**
 * TorvanixProvidersContractsIDataReaderInterface::get_binary:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @result_length1: (out): the length of the result
 * @error: return location for an error
 *
 * Reads a cell of the current row as bytes.
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): the bytes
 */
/**
 * TorvanixProvidersContractsIDataReaderInterface::get_object:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @result_length1: (out): the length of the result
 * @error: return location for an error
 *
 * Reads a cell of the current row as an engine's own object, serialised.
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): the bytes
 */
/**
 * TorvanixProvidersContractsIDataReaderInterface::get_values:
 * @self: a reader
 * @result_length1: (out): the length of the result
 * @error: return location for an error
 *
 * Reads every cell of the current row as typed values.
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): the values of the current row, in column order
 */

/**
 * torvanix_providers_contracts_idata_reader_bulk:
 * @self: a reader
 * @error: return location for an error
 *
 * Fetches whatever the implementation reads ahead in one go; the MySQL
 * reader holds its whole result already and answers %FALSE. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %FALSE.
 *
 * Returns: whether the operation succeeded
 */
PROVIDERS_API gboolean torvanix_providers_contracts_idata_reader_bulk (TorvanixProvidersContractsIDataReader *self, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_read:
 * @self: a reader
 * @error: return location for an error
 *
 * Moves to the next row; the first call moves to the first row. The reader
 * closes itself after the last row. A %NULL or wrong @self logs a CRITICAL
 * naming this function and answers %FALSE.
 *
 * Returns: %TRUE when a row was fetched, %FALSE at the end or on an error
 */
PROVIDERS_API gboolean torvanix_providers_contracts_idata_reader_read (TorvanixProvidersContractsIDataReader *self, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_close:
 * @self: a reader
 * @error: return location for an error
 *
 * Closes the reader, skipping the rows not read yet; reading a closed reader
 * finds no row. A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_idata_reader_close (TorvanixProvidersContractsIDataReader *self, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_name:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Names the column at @ordinal as the server labels it. An @ordinal past the
 * last column logs the CRITICAL `ordinal < field_count` naming the
 * implementation's own function and answers %NULL. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the column name
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_name (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_dbms_type:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Names the server's type of the column at @ordinal, such as "NEWDECIMAL".
 * An @ordinal past the last column logs the CRITICAL `ordinal < field_count`
 * naming the implementation's own function and answers %NULL. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the server's name of the column type
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_dbms_type (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_data_type:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Tells which value class carries the cells of the column at @ordinal. An
 * @ordinal past the last column logs the CRITICAL `ordinal < field_count`
 * naming the implementation's own function. A %NULL or wrong @self logs a
 * CRITICAL naming this function and answers
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN.
 *
 * Returns: the column's data type;
 *   %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsDataType torvanix_providers_contracts_idata_reader_get_data_type (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_size:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Tells the size the server declares for the column at @ordinal (its display
 * width). An @ordinal past the last column logs the CRITICAL `ordinal <
 * field_count` naming the implementation's own function. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the declared size; 0 for a wrong argument
 */
PROVIDERS_API gint32 torvanix_providers_contracts_idata_reader_get_size (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_is_null:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Tells whether the cell at @ordinal of the current row is a database null;
 * with no current row, or past the last column, it is. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %FALSE.
 *
 * Returns: whether the cell is a database null
 */
PROVIDERS_API gboolean torvanix_providers_contracts_idata_reader_is_null (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_boolean:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a boolean: %TRUE only for
 * the text "true". A database null logs the CRITICAL `bool_parse: assertion
 * 'str != NULL'` and answers %FALSE. A %NULL or wrong @self logs a CRITICAL
 * naming this function and answers %FALSE.
 *
 * Returns: the cell as a boolean
 */
PROVIDERS_API gboolean torvanix_providers_contracts_idata_reader_get_boolean (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_int8:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a signed 8-bit integer,
 * from the text the server sent. A database null logs the CRITICAL
 * `long_parse: assertion 'str != NULL'` and answers 0; use
 * torvanix_providers_contracts_idata_reader_is_null() first. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API gint8 torvanix_providers_contracts_idata_reader_get_int8 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_uint8:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as an unsigned 8-bit
 * integer, from the text the server sent. A database null logs the CRITICAL
 * `ulong_parse: assertion 'str != NULL'` and answers 0; use
 * torvanix_providers_contracts_idata_reader_is_null() first. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API guint8 torvanix_providers_contracts_idata_reader_get_uint8 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_int16:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a signed 16-bit integer,
 * from the text the server sent. A database null logs the CRITICAL
 * `long_parse: assertion 'str != NULL'` and answers 0; use
 * torvanix_providers_contracts_idata_reader_is_null() first. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API gint16 torvanix_providers_contracts_idata_reader_get_int16 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_uint16:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as an unsigned 16-bit
 * integer, from the text the server sent. A database null logs the CRITICAL
 * `ulong_parse: assertion 'str != NULL'` and answers 0; use
 * torvanix_providers_contracts_idata_reader_is_null() first. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API guint16 torvanix_providers_contracts_idata_reader_get_uint16 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_int32:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a signed 32-bit integer,
 * from the text the server sent. A database null logs the CRITICAL
 * `long_parse: assertion 'str != NULL'` and answers 0; use
 * torvanix_providers_contracts_idata_reader_is_null() first. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API gint32 torvanix_providers_contracts_idata_reader_get_int32 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_uint32:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as an unsigned 32-bit
 * integer, from the text the server sent. A database null logs the CRITICAL
 * `ulong_parse: assertion 'str != NULL'` and answers 0; use
 * torvanix_providers_contracts_idata_reader_is_null() first. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API guint32 torvanix_providers_contracts_idata_reader_get_uint32 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_int64:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a signed 64-bit integer,
 * from the text the server sent. A database null logs the CRITICAL
 * `int64_parse: assertion 'str != NULL'` and answers 0; use
 * torvanix_providers_contracts_idata_reader_is_null() first. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API gint64 torvanix_providers_contracts_idata_reader_get_int64 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_uint64:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as an unsigned 64-bit
 * integer, from the text the server sent. A database null logs the CRITICAL
 * `uint64_parse: assertion 'str != NULL'` and answers 0; use
 * torvanix_providers_contracts_idata_reader_is_null() first. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API guint64 torvanix_providers_contracts_idata_reader_get_uint64 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_decimal:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as the nearest double of a
 * DECIMAL, from the text the server sent. A database null logs the CRITICAL
 * `double_parse: assertion 'str != NULL'` and answers 0; use
 * torvanix_providers_contracts_idata_reader_is_null() first. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API gdouble torvanix_providers_contracts_idata_reader_get_decimal (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_money:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as the nearest double of an
 * amount of money, from the text the server sent. A database null logs the
 * CRITICAL `double_parse: assertion 'str != NULL'` and answers 0; use
 * torvanix_providers_contracts_idata_reader_is_null() first. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API gdouble torvanix_providers_contracts_idata_reader_get_money (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_float:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a float, from the text
 * the server sent. A database null logs the CRITICAL `float_parse: assertion
 * 'str != NULL'` and answers 0; use
 * torvanix_providers_contracts_idata_reader_is_null() first. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API gfloat torvanix_providers_contracts_idata_reader_get_float (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_double:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a double, from the text
 * the server sent. A database null logs the CRITICAL `double_parse:
 * assertion 'str != NULL'` and answers 0; use
 * torvanix_providers_contracts_idata_reader_is_null() first. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API gdouble torvanix_providers_contracts_idata_reader_get_double (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_date:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @result: (out caller-allocates): a date to fill
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a calendar date into
 * @result, which is cleared first and stays cleared for a database null, a
 * zero date or text that is not a date. A %NULL @result logs a CRITICAL. A
 * %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_idata_reader_get_date (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GDate *result, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_time:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a time of day, on 1
 * January 1970 in UTC; a span outside one day answers %NULL too. A database
 * null, or no current row, answers %NULL. A %NULL or wrong @self logs a
 * CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell
 */
PROVIDERS_API GDateTime *torvanix_providers_contracts_idata_reader_get_time (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_datetime:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a date and time in the
 * local time zone; a zero date answers %NULL too. A database null, or no
 * current row, answers %NULL. A %NULL or wrong @self logs a CRITICAL naming
 * this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell
 */
PROVIDERS_API GDateTime *torvanix_providers_contracts_idata_reader_get_datetime (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_timespan:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a number of microseconds,
 * logging a warning with the cell's text, as no engine sends a span in that
 * form. A database null logs the CRITICAL `int64_parse: assertion 'str !=
 * NULL'` and answers 0. A %NULL or wrong @self logs a CRITICAL naming this
 * function and answers 0.
 *
 * Returns: the cell's number
 */
PROVIDERS_API GTimeSpan torvanix_providers_contracts_idata_reader_get_timespan (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_string:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as text, as the server sent
 * it. A database null, or no current row, answers %NULL. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_string (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_string16:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as text, from UTF-16 the
 * server sent. A database null, or no current row, answers %NULL. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_string16 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_guid:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as the text of a UUID. A
 * database null, or no current row, answers %NULL. A %NULL or wrong @self
 * logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_guid (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_binary:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @result_length1: (out) (optional): the length of the result
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as bytes, zero bytes and
 * all. A database null, or no current row, answers %NULL and a length of 0.
 * A %NULL or wrong @self logs a CRITICAL naming this function and answers
 * %NULL.
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): the bytes
 */
PROVIDERS_API guint8 *torvanix_providers_contracts_idata_reader_get_binary (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, gint *result_length1, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_timestamp:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a timestamp. The
 * interface's own implementation answers the current local time; an engine's
 * reader overrides it where its server has a timestamp type. A %NULL or
 * wrong @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell; by default the current local time
 */
PROVIDERS_API GDateTime *torvanix_providers_contracts_idata_reader_get_timestamp (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_enum:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as the text of an ENUM
 * member; the interface's own implementation answers "". A database null, or
 * no current row, answers %NULL. A %NULL or wrong @self logs a CRITICAL
 * naming this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_enum (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_flag:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as the text of a set of
 * flags; the interface's own implementation answers "". A database null, or
 * no current row, answers %NULL. A %NULL or wrong @self logs a CRITICAL
 * naming this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_flag (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_set:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as the text of a SET; the
 * interface's own implementation answers "". A database null, or no current
 * row, answers %NULL. A %NULL or wrong @self logs a CRITICAL naming this
 * function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_set (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_xml:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as XML text; the interface's
 * own implementation answers "". A database null, or no current row, answers
 * %NULL. A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_xml (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_json:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as JSON text; the
 * interface's own implementation answers "". A database null, or no current
 * row, answers %NULL. A %NULL or wrong @self logs a CRITICAL naming this
 * function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_json (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_geometry:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as the text of a geometry;
 * the interface's own implementation answers "". A database null, or no
 * current row, answers %NULL. A %NULL or wrong @self logs a CRITICAL naming
 * this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_geometry (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_geography:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as the text of a geography;
 * the interface's own implementation answers "". A database null, or no
 * current row, answers %NULL. A %NULL or wrong @self logs a CRITICAL naming
 * this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_geography (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_variant:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a value of whatever class
 * the engine chooses; the interface's own implementation answers a database
 * null. A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell; by default a database null
 */
PROVIDERS_API TorvanixProvidersContractsIValue *torvanix_providers_contracts_idata_reader_get_variant (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_object:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @result_length1: (out) (optional): the length of the result
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as an engine's own object,
 * serialised; the interface's own implementation answers an empty buffer. A
 * %NULL or wrong @self logs a CRITICAL naming this function and answers
 * %NULL.
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): the bytes; by default an empty buffer
 */
PROVIDERS_API guint8 *torvanix_providers_contracts_idata_reader_get_object (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, gint *result_length1, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_value:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 *
 * Reads the cell at @ordinal of the current row as a typed value of the
 * class its column's data type names, built from the other getters. A %NULL
 * or wrong @self logs a CRITICAL naming this function and answers %NULL.
 *
 * Returns: (transfer full) (nullable): the cell as a typed value; a database null is a #TorvanixProvidersContractsValueNull
 */
PROVIDERS_API TorvanixProvidersContractsIValue *torvanix_providers_contracts_idata_reader_get_value (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_values:
 * @self: a reader
 * @result_length1: (out) (optional): the length of the result
 * @error: return location for an error
 *
 * Reads every cell of the current row as typed values, in column order, as
 * torvanix_providers_contracts_idata_reader_get_value() does for one. A
 * %NULL or wrong @self logs a CRITICAL naming this function and answers
 * %NULL.
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): the values of the current row, in column order, %NULL-terminated
 */
PROVIDERS_API TorvanixProvidersContractsIValue **torvanix_providers_contracts_idata_reader_get_values (TorvanixProvidersContractsIDataReader *self, gint *result_length1, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_field_count:
 * @self: a reader
 *
 * Gets #TorvanixProvidersContractsIDataReader:field-count. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers 0.
 *
 * Returns: the number of columns; -1 when the reader does not say
 */
PROVIDERS_API gint torvanix_providers_contracts_idata_reader_get_field_count (TorvanixProvidersContractsIDataReader *self);
/**
 * torvanix_providers_contracts_idata_reader_get_is_closed:
 * @self: a reader
 *
 * Gets #TorvanixProvidersContractsIDataReader:is-closed. A %NULL or wrong
 * @self logs a CRITICAL naming this function and answers %FALSE.
 *
 * Returns: whether the reader is closed
 */
PROVIDERS_API gboolean torvanix_providers_contracts_idata_reader_get_is_closed (TorvanixProvidersContractsIDataReader *self);

G_END_DECLS

#endif /* LIBPROVIDERS_CONTRACTS_DATA_READER_H */
