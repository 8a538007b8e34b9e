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
 * TorvanixProvidersContractsIDataReaderInterface:
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
 * Returns: (transfer full) (array length=result_length1) (nullable): the bytes
 */
/**
 * TorvanixProvidersContractsIDataReaderInterface::get_object:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @result_length1: (out): the length of the result
 * @error: return location for an error
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): the bytes
 */
/**
 * TorvanixProvidersContractsIDataReaderInterface::get_values:
 * @self: a reader
 * @result_length1: (out): the length of the result
 * @error: return location for an error
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): the values of the current row, in column order
 */

/**
 * torvanix_providers_contracts_idata_reader_bulk:
 * @self: a reader
 * @error: return location for an error
 *
 * Returns: whether the operation succeeded
 */
PROVIDERS_API gboolean torvanix_providers_contracts_idata_reader_bulk (TorvanixProvidersContractsIDataReader *self, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_read:
 * @self: a reader
 * @error: return location for an error
 *
 * Returns: %TRUE when a row was fetched, %FALSE at the end or on an error
 */
PROVIDERS_API gboolean torvanix_providers_contracts_idata_reader_read (TorvanixProvidersContractsIDataReader *self, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_close:
 * @self: a reader
 * @error: return location for an error
 */
PROVIDERS_API void torvanix_providers_contracts_idata_reader_close (TorvanixProvidersContractsIDataReader *self, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_name:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
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
 * Returns: (transfer full) (nullable): the server's name of the column type
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_dbms_type (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_data_type:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API TorvanixProvidersContractsDataType torvanix_providers_contracts_idata_reader_get_data_type (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_size:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API gint32 torvanix_providers_contracts_idata_reader_get_size (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_is_null:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API gboolean torvanix_providers_contracts_idata_reader_is_null (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_boolean:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API gboolean torvanix_providers_contracts_idata_reader_get_boolean (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_int8:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API gint8 torvanix_providers_contracts_idata_reader_get_int8 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_uint8:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API guint8 torvanix_providers_contracts_idata_reader_get_uint8 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_int16:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API gint16 torvanix_providers_contracts_idata_reader_get_int16 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_uint16:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API guint16 torvanix_providers_contracts_idata_reader_get_uint16 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_int32:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API gint32 torvanix_providers_contracts_idata_reader_get_int32 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_uint32:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API guint32 torvanix_providers_contracts_idata_reader_get_uint32 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_int64:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API gint64 torvanix_providers_contracts_idata_reader_get_int64 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_uint64:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API guint64 torvanix_providers_contracts_idata_reader_get_uint64 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_decimal:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API gdouble torvanix_providers_contracts_idata_reader_get_decimal (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_money:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API gdouble torvanix_providers_contracts_idata_reader_get_money (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_float:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API gfloat torvanix_providers_contracts_idata_reader_get_float (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_double:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API gdouble torvanix_providers_contracts_idata_reader_get_double (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_date:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @result: (out caller-allocates): a date to fill
 * @error: return location for an error
 */
PROVIDERS_API void torvanix_providers_contracts_idata_reader_get_date (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GDate *result, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_time:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
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
 * Returns: (transfer full) (nullable): the cell
 */
PROVIDERS_API GDateTime *torvanix_providers_contracts_idata_reader_get_datetime (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_timespan:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
 */
PROVIDERS_API GTimeSpan torvanix_providers_contracts_idata_reader_get_timespan (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_string:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
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
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_string16 (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_guid:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
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
 * Returns: (transfer full) (array length=result_length1) (nullable): the bytes
 */
PROVIDERS_API guint8 *torvanix_providers_contracts_idata_reader_get_binary (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, gint *result_length1, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_timestamp:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
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
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_enum (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_flag:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
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
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_set (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_xml:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
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
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_json (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_geometry:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
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
 * Returns: (transfer full) (nullable): the cell as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_idata_reader_get_geography (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_variant:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
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
 * Returns: (transfer full) (array length=result_length1) (nullable): the bytes; by default an empty buffer
 */
PROVIDERS_API guint8 *torvanix_providers_contracts_idata_reader_get_object (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, gint *result_length1, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_value:
 * @self: a reader
 * @ordinal: a column ordinal, counted from 0
 * @error: return location for an error
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
 * Returns: (transfer full) (array length=result_length1) (nullable): the values of the current row, in column order, %NULL-terminated
 */
PROVIDERS_API TorvanixProvidersContractsIValue **torvanix_providers_contracts_idata_reader_get_values (TorvanixProvidersContractsIDataReader *self, gint *result_length1, GError **error);
/**
 * torvanix_providers_contracts_idata_reader_get_field_count:
 * @self: a reader
 *
 * Returns: the number of columns; -1 when the reader does not say
 */
PROVIDERS_API gint torvanix_providers_contracts_idata_reader_get_field_count (TorvanixProvidersContractsIDataReader *self);
/**
 * torvanix_providers_contracts_idata_reader_get_is_closed:
 * @self: a reader
 */
PROVIDERS_API gboolean torvanix_providers_contracts_idata_reader_get_is_closed (TorvanixProvidersContractsIDataReader *self);

G_END_DECLS

#endif /* LIBPROVIDERS_CONTRACTS_DATA_READER_H */
