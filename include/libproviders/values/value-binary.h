/* Binary and blob values. */
#ifndef LIBPROVIDERS_VALUES_VALUE_BINARY_H
#define LIBPROVIDERS_VALUES_VALUE_BINARY_H

#include <gio/gio.h>
#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

/* ValueBinary ------------------------------------------------------------ */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BINARY (torvanix_providers_contracts_value_binary_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueBinary, torvanix_providers_contracts_value_binary,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_BINARY, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueBinaryClass:
 *
 * Raw bytes, held as one reference to an immutable #GBytes (or none).
 * "itsvalue" is a read-write boxed #GBytes whose setter notifies on every
 * call. Its text form is the bytes up to the first zero byte when they
 * are UTF-8, else upper-case hexadecimal.
 */
struct _TorvanixProvidersContractsValueBinaryClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_binary_new:
 * @data: (array length=length) (nullable): the bytes, copied; %NULL only
 *   with a @length of 0
 * @length: the number of bytes
 *
 * Returns: (transfer full) (nullable): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueBinary *torvanix_providers_contracts_value_binary_new (const guint8 *data, gint length);
/**
 * torvanix_providers_contracts_value_binary_construct:
 * @object_type: ValueBinary or a subclass of it
 * @data: (array length=length) (nullable): the bytes, copied
 * @length: the number of bytes
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueBinary *torvanix_providers_contracts_value_binary_construct (GType object_type, const guint8 *data,
                                                                                                          gint length);
/**
 * torvanix_providers_contracts_value_binary_get_itsvalue:
 * @self: a binary value
 *
 * Returns: (transfer none) (nullable): the held buffer
 */
PROVIDERS_API GBytes *torvanix_providers_contracts_value_binary_get_itsvalue (TorvanixProvidersContractsValueBinary *self);
/**
 * torvanix_providers_contracts_value_binary_set_itsvalue:
 * @self: a binary value
 * @value: (nullable): the new buffer; a reference is taken
 */
PROVIDERS_API void torvanix_providers_contracts_value_binary_set_itsvalue (TorvanixProvidersContractsValueBinary *self, GBytes *value);
/**
 * torvanix_providers_contracts_value_binary_to_bytes:
 * @self: a binary value
 * @result_length: (out) (optional): the number of bytes
 *
 * Returns: (transfer full) (array length=result_length) (nullable): a copy
 *   of the bytes, or %NULL when there are none
 */
PROVIDERS_API guint8 *torvanix_providers_contracts_value_binary_to_bytes (TorvanixProvidersContractsValueBinary *self, gint *result_length);
/**
 * torvanix_providers_contracts_value_binary_to_hexadecimal:
 * @self: a binary value
 *
 * Returns: (transfer full): two upper-case hexadecimal digits a byte
 */
PROVIDERS_API gchar *torvanix_providers_contracts_value_binary_to_hexadecimal (TorvanixProvidersContractsValueBinary *self);
/**
 * torvanix_providers_contracts_value_binary_write:
 * @self: a binary value
 * @stream: where to write the bytes
 * @error: the stream's error
 *
 * Writes the whole buffer, continuing after short writes.
 *
 * Returns: %TRUE when every byte was written
 */
PROVIDERS_API gboolean torvanix_providers_contracts_value_binary_write (TorvanixProvidersContractsValueBinary *self, GOutputStream *stream,
                                                                        GError **error);
/**
 * torvanix_providers_contracts_value_binary_load:
 * @self: a binary value
 * @filename: a local path
 * @callback: (scope async) (nullable): called once on the thread-default
 *   main context current at this call
 * @user_data: (closure): data for @callback
 *
 * Replaces the bytes by the file's. A missing file leaves them as they
 * are; a failure leaves them unchanged. Emits no change notification.
 */
PROVIDERS_API void torvanix_providers_contracts_value_binary_load (TorvanixProvidersContractsValueBinary *self, const gchar *filename,
                                                                   GAsyncReadyCallback callback, gpointer user_data);
/**
 * torvanix_providers_contracts_value_binary_load_finish:
 * @self: a binary value
 * @result: the result handed to the callback
 * @error: the I/O error, as GIO reported it
 */
PROVIDERS_API void torvanix_providers_contracts_value_binary_load_finish (TorvanixProvidersContractsValueBinary *self, GAsyncResult *result,
                                                                          GError **error);
/**
 * torvanix_providers_contracts_value_binary_save:
 * @self: a binary value
 * @filename: a local path, created or replaced
 * @callback: (scope async) (nullable): called once on the thread-default
 *   main context current at this call
 * @user_data: (closure): data for @callback
 */
PROVIDERS_API void torvanix_providers_contracts_value_binary_save (TorvanixProvidersContractsValueBinary *self, const gchar *filename,
                                                                   GAsyncReadyCallback callback, gpointer user_data);
/**
 * torvanix_providers_contracts_value_binary_save_finish:
 * @self: a binary value
 * @result: the result handed to the callback
 * @error: the I/O error, as GIO reported it
 */
PROVIDERS_API void torvanix_providers_contracts_value_binary_save_finish (TorvanixProvidersContractsValueBinary *self, GAsyncResult *result,
                                                                          GError **error);

/* ValueBlob --------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BLOB (torvanix_providers_contracts_value_blob_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueBlob, torvanix_providers_contracts_value_blob,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_BLOB, TorvanixProvidersContractsValueBinary)

struct _TorvanixProvidersContractsValueBlobClass {
  TorvanixProvidersContractsValueBinaryClass parent_class;
};

/**
 * torvanix_providers_contracts_value_blob_new:
 * @data: (array length=length) (nullable): the bytes, copied
 * @length: the number of bytes
 *
 * Returns: (transfer full) (nullable): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueBlob *torvanix_providers_contracts_value_blob_new (const guint8 *data, gint length);
/**
 * torvanix_providers_contracts_value_blob_construct:
 * @object_type: ValueBlob or a subclass of it
 * @data: (array length=length) (nullable): the bytes, copied
 * @length: the number of bytes
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueBlob *torvanix_providers_contracts_value_blob_construct (GType object_type, const guint8 *data,
                                                                                                      gint length);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_BINARY_H */
