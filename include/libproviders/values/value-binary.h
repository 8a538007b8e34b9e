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
 * TorvanixProvidersContractsValueBinary:
 *
 * Raw bytes ("binary", data type BINARY), held as one reference to an
 * immutable #GBytes. Providers make one for each cell of a binary column,
 * readers for a BINARY column, torvanix_providers_contracts_ivalue_factory()
 * for BINARY (the bytes of the text), and an application with
 * torvanix_providers_contracts_value_binary_new().
 * #TorvanixProvidersContractsValueBlob is the kind of it that large objects
 * get.
 *
 * It prints the bytes up to the first zero byte when they are UTF-8, and
 * otherwise all of them in upper-case hexadecimal ("DEADBEEF"); no bytes print
 * "". It converts to a #GValue holding its #GBytes (%G_TYPE_BYTES). A value
 * without a buffer (after
 * torvanix_providers_contracts_value_binary_set_itsvalue() with %NULL) prints
 * "" after the CRITICAL `itsvalue != NULL` naming
 * torvanix_providers_contracts_value_object_to_string(), and clones to an
 * empty one.
 *
 * The bytes can be written to a stream and loaded from and saved to a file
 * asynchronously. A value holds at most %G_MAXINT bytes, as the byte counts of
 * its functions are #gint. A value takes no lock and belongs to one thread at
 * a time; torvanix_providers_contracts_value_binary_get_itsvalue() lends its
 * #GBytes.
 */

/**
 * TorvanixProvidersContractsValueBinary:name:
 *
 * "binary"; a blob answers "blob". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueBinary:itsvalue:
 *
 * The bytes held, a #GBytes; %NULL for an instance made with g_object_new()
 * and when set so. Read-write; a write, through the property or
 * torvanix_providers_contracts_value_binary_set_itsvalue(), takes a reference
 * to the #GBytes and notifies once on every call, also when the bytes are
 * unchanged. A load from a file does not notify.
 */

/**
 * TorvanixProvidersContractsValueBinary:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY; a blob answers BLOB.
 * Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueBinaryClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueBinary; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueBinaryClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_binary_new:
 * @data: (array length=length) (nullable): the bytes, copied; %NULL only with
 *   a @length of 0
 * @length: the number of bytes, 0 or more
 *
 * Makes a binary value holding a copy of @data. A negative @length, or a %NULL
 * @data with a @length above 0, logs a CRITICAL naming
 * torvanix_providers_contracts_value_binary_construct().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL for a wrong
 *   argument
 */
PROVIDERS_API TorvanixProvidersContractsValueBinary *torvanix_providers_contracts_value_binary_new (const guint8 *data, gint length);
/**
 * torvanix_providers_contracts_value_binary_construct:
 * @object_type: #TorvanixProvidersContractsValueBinary or a subclass of it
 * @data: (array length=length) (nullable): the bytes, copied; %NULL only with
 *   a @length of 0
 * @length: the number of bytes, 0 or more
 *
 * Makes a binary value of @object_type holding a copy of @data, for a
 * subclass's own constructor. A negative @length (the CRITICAL `length >= 0`),
 * a %NULL @data with a @length above 0 (`data != NULL || length == 0`), or a
 * type that is not this class or a subclass of it, logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueBinary *torvanix_providers_contracts_value_binary_construct (GType object_type, const guint8 *data,
                                                                                                          gint length);
/**
 * torvanix_providers_contracts_value_binary_get_itsvalue:
 * @self: a binary value
 *
 * Lends the buffer held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer none) (nullable): the #GBytes, valid until it is replaced
 *   (take a reference to keep it); %NULL when there is none or for a wrong
 *   @self
 */
PROVIDERS_API GBytes *torvanix_providers_contracts_value_binary_get_itsvalue (TorvanixProvidersContractsValueBinary *self);
/**
 * torvanix_providers_contracts_value_binary_set_itsvalue:
 * @self: a binary value
 * @value: (nullable): the new buffer; a reference is taken, and it may be the
 *   buffer held
 *
 * Replaces the buffer and notifies
 * #TorvanixProvidersContractsValueBinary:itsvalue, also when it is unchanged.
 * A %NULL or wrong @self logs a CRITICAL naming this function and changes
 * nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_binary_set_itsvalue (TorvanixProvidersContractsValueBinary *self, GBytes *value);
/**
 * torvanix_providers_contracts_value_binary_to_bytes:
 * @self: a binary value
 * @result_length: (out) (optional): the number of bytes; 0 whenever %NULL is
 *   answered
 *
 * Copies the bytes held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer full) (array length=result_length) (nullable): a copy of
 *   the bytes, to free with g_free(); %NULL when there are none (an empty or
 *   missing buffer) or for a wrong @self
 */
PROVIDERS_API guint8 *torvanix_providers_contracts_value_binary_to_bytes (TorvanixProvidersContractsValueBinary *self, gint *result_length);
/**
 * torvanix_providers_contracts_value_binary_to_hexadecimal:
 * @self: a binary value
 *
 * Prints every byte as two upper-case hexadecimal digits, zero bytes included
 * ("00FF10"); no bytes give "". A value without a buffer logs the CRITICAL
 * `itsvalue != NULL` naming this function and answers "". A %NULL or wrong
 * @self logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): the digits, or %NULL for a wrong @self
 */
PROVIDERS_API gchar *torvanix_providers_contracts_value_binary_to_hexadecimal (TorvanixProvidersContractsValueBinary *self);
/**
 * torvanix_providers_contracts_value_binary_write:
 * @self: a binary value
 * @stream: where to write the bytes
 * @error: return location for the stream's error
 *
 * Writes the whole buffer to @stream, blocking, and continuing after short
 * writes; a value without bytes writes nothing and succeeds. A %NULL or wrong
 * @self, or a %NULL @stream, logs a CRITICAL naming this function.
 *
 * Returns: %TRUE when every byte was written; %FALSE with @error set to the
 *   stream's error (of its own domain, such as #G_IO_ERROR), or %FALSE for a
 *   wrong argument
 */
PROVIDERS_API gboolean torvanix_providers_contracts_value_binary_write (TorvanixProvidersContractsValueBinary *self, GOutputStream *stream,
                                                                        GError **error);
/**
 * torvanix_providers_contracts_value_binary_load:
 * @self: a binary value
 * @filename: a local path
 * @callback: (scope async) (nullable): called once on the thread-default main
 *   context that is current at this call
 * @user_data: (closure): data for @callback
 *
 * Replaces the bytes by the contents of the file, as they are, up to the size
 * the file had when it was opened. A file that does not exist succeeds and
 * leaves the value as it is; a failure leaves it unchanged. A file larger than
 * %G_MAXINT bytes fails with %G_IO_ERROR_NOT_SUPPORTED before it is read. A
 * load emits no change notification. The library starts no thread: GIO's
 * asynchronous file calls do the work. Call
 * torvanix_providers_contracts_value_binary_load_finish() from @callback. A
 * %NULL or wrong @self, or a %NULL @filename, logs a CRITICAL naming this
 * function and calls nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_binary_load (TorvanixProvidersContractsValueBinary *self, const gchar *filename,
                                                                   GAsyncReadyCallback callback, gpointer user_data);
/**
 * torvanix_providers_contracts_value_binary_load_finish:
 * @self: a binary value
 * @result: the result handed to the callback
 * @error: return location for the #G_IO_ERROR error GIO reported, as it
 *   reported it
 *
 * Ends a torvanix_providers_contracts_value_binary_load(): sets @error when
 * the file could not be opened or read. A %NULL or wrong @self, or a @result
 * of another object or operation (the CRITICALs
 * `g_task_is_valid (result, self)` and
 * `g_async_result_is_tagged (result, torvanix_providers_contracts_value_binary_load)`),
 * logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_value_binary_load_finish (TorvanixProvidersContractsValueBinary *self, GAsyncResult *result,
                                                                          GError **error);
/**
 * torvanix_providers_contracts_value_binary_save:
 * @self: a binary value
 * @filename: a local path, created or replaced
 * @callback: (scope async) (nullable): called once on the thread-default main
 *   context that is current at this call
 * @user_data: (closure): data for @callback
 *
 * Writes exactly the bytes held; a value without bytes leaves an empty file.
 * The file is replaced only once every byte is written: after a failed write
 * it keeps its old contents. The library starts no thread: GIO's asynchronous
 * file calls do the work. Call
 * torvanix_providers_contracts_value_binary_save_finish() from @callback. A
 * %NULL or wrong @self, or a %NULL @filename, logs a CRITICAL naming this
 * function and calls nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_binary_save (TorvanixProvidersContractsValueBinary *self, const gchar *filename,
                                                                   GAsyncReadyCallback callback, gpointer user_data);
/**
 * torvanix_providers_contracts_value_binary_save_finish:
 * @self: a binary value
 * @result: the result handed to the callback
 * @error: return location for the #G_IO_ERROR error GIO reported, as it
 *   reported it
 *
 * Ends a torvanix_providers_contracts_value_binary_save(): sets @error when
 * the file could not be created, written or put in place. A %NULL or wrong
 * @self, or a @result of another object or operation (the CRITICALs
 * `g_task_is_valid (result, self)` and
 * `g_async_result_is_tagged (result, torvanix_providers_contracts_value_binary_save)`),
 * logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_value_binary_save_finish (TorvanixProvidersContractsValueBinary *self, GAsyncResult *result,
                                                                          GError **error);

/* ValueBlob --------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BLOB (torvanix_providers_contracts_value_blob_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueBlob, torvanix_providers_contracts_value_blob,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_BLOB, TorvanixProvidersContractsValueBinary)

/**
 * TorvanixProvidersContractsValueBlob:
 *
 * A large object ("blob", data type BLOB): a kind of
 * #TorvanixProvidersContractsValueBinary with its behaviour under its own name
 * and data type. Providers make one for each cell of a large-object column,
 * readers for a BLOB column, and torvanix_providers_contracts_ivalue_factory()
 * for BLOB. A value takes no lock and belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueBlob:name:
 *
 * "blob". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueBlob:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueBlobClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueBlob; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueBlobClass {
  TorvanixProvidersContractsValueBinaryClass parent_class;
};

/**
 * torvanix_providers_contracts_value_blob_new:
 * @data: (array length=length) (nullable): the bytes, copied; %NULL only with
 *   a @length of 0
 * @length: the number of bytes, 0 or more
 *
 * Makes a blob holding a copy of @data. A negative @length, or a %NULL @data
 * with a @length above 0, logs a CRITICAL naming
 * torvanix_providers_contracts_value_blob_construct().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL for a wrong
 *   argument
 */
PROVIDERS_API TorvanixProvidersContractsValueBlob *torvanix_providers_contracts_value_blob_new (const guint8 *data, gint length);
/**
 * torvanix_providers_contracts_value_blob_construct:
 * @object_type: #TorvanixProvidersContractsValueBlob or a subclass of it
 * @data: (array length=length) (nullable): the bytes, copied; %NULL only with
 *   a @length of 0
 * @length: the number of bytes, 0 or more
 *
 * Makes a blob of @object_type holding a copy of @data, for a subclass's own
 * constructor. A negative @length, a %NULL @data with a @length above 0, or a
 * type that is not this class or a subclass of it, logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueBlob *torvanix_providers_contracts_value_blob_construct (GType object_type, const guint8 *data,
                                                                                                      gint length);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_BINARY_H */
