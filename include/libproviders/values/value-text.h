/* Plain, XML, JSON, UUID and UTF-16 text values. */
#ifndef LIBPROVIDERS_VALUES_VALUE_TEXT_H
#define LIBPROVIDERS_VALUES_VALUE_TEXT_H

#include <gio/gio.h>
#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

/* ValueString ------------------------------------------------------------ */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING (torvanix_providers_contracts_value_string_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueString, torvanix_providers_contracts_value_string,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_STRING, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueString:
 *
 * UTF-8 text ("string", data type STRING), held as a private copy. Providers
 * make one for each text cell, readers for a STRING column,
 * torvanix_providers_contracts_ivalue_factory() for STRING, and an application
 * with torvanix_providers_contracts_value_string_new(). It prints its text
 * unchanged and converts to %G_TYPE_STRING.
 * #TorvanixProvidersContractsValueXml, #TorvanixProvidersContractsValueJson
 * and #TorvanixProvidersContractsValueUuid are kinds of it that keep its
 * behaviour under their own name and data type.
 *
 * The text is zero-terminated, so it cannot hold U+0000: a server's text cell
 * containing a zero byte ends there. Bytes that may contain zero bytes are
 * binary values (#TorvanixProvidersContractsValueBinary). The text is %NULL
 * only after torvanix_providers_contracts_value_string_set_itsvalue() with
 * %NULL; such a value prints %NULL and still clones.
 *
 * The text can be loaded from and saved to a file asynchronously. A value
 * takes no lock and belongs to one thread at a time;
 * torvanix_providers_contracts_value_string_get_itsvalue() lends the text it
 * holds.
 */

/**
 * TorvanixProvidersContractsValueString:name:
 *
 * "string"; each kind answers its own. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueString:itsvalue:
 *
 * The text held; "" for an instance made with g_object_new(), %NULL only when
 * set so. Read-write; a write, through the property or
 * torvanix_providers_contracts_value_string_set_itsvalue(), copies the text
 * and notifies once on every call, also when the text is unchanged. A load
 * from a file does not notify.
 */

/**
 * TorvanixProvidersContractsValueString:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING; each kind answers its own.
 * Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueStringClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueString; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueStringClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_string_new:
 * @text: the text, copied
 *
 * Makes a text value. A %NULL @text logs the CRITICAL `text != NULL` naming
 * torvanix_providers_contracts_value_string_construct().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @text is
 *   %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueString *torvanix_providers_contracts_value_string_new (const gchar *text);
/**
 * torvanix_providers_contracts_value_string_construct:
 * @object_type: #TorvanixProvidersContractsValueString or a subclass of it
 * @text: the text, copied
 *
 * Makes a text value of @object_type, for a subclass's own constructor. A
 * %NULL @text, or a type that is not this class or a subclass of it, logs a
 * CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueString *torvanix_providers_contracts_value_string_construct (GType object_type, const gchar *text);
/**
 * torvanix_providers_contracts_value_string_get_itsvalue:
 * @self: a text value
 *
 * Lends the text held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer none) (nullable): the text, valid until it changes; %NULL
 *   when set so or for a wrong @self
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_value_string_get_itsvalue (TorvanixProvidersContractsValueString *self);
/**
 * torvanix_providers_contracts_value_string_set_itsvalue:
 * @self: a text value
 * @value: (nullable): the new text, copied; it may be the text held
 *
 * Replaces the text and notifies
 * #TorvanixProvidersContractsValueString:itsvalue, also when the text is
 * unchanged. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_string_set_itsvalue (TorvanixProvidersContractsValueString *self, const gchar *value);
/**
 * torvanix_providers_contracts_value_string_load:
 * @self: a text value
 * @filename: a local path
 * @callback: (scope async) (nullable): called once on the thread-default main
 *   context that is current at this call
 * @user_data: (closure): data for @callback
 *
 * Replaces the text by the contents of the file, read line by line: each line,
 * up to a line feed, is kept followed by one line feed, so the result ends in
 * a line feed whenever the file is not empty, and a carriage return before a
 * line feed stays. The bytes are not checked for UTF-8. A file that does not
 * exist succeeds and leaves the value as it is; a failure leaves it unchanged.
 * A file larger than %G_MAXINT bytes fails with %G_IO_ERROR_NOT_SUPPORTED
 * before it is read. A load emits no change notification. The library starts
 * no thread: GIO's asynchronous file calls do the work. Call
 * torvanix_providers_contracts_value_string_load_finish() from @callback. A
 * %NULL or wrong @self, or a %NULL @filename, logs a CRITICAL naming this
 * function and calls nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_string_load (TorvanixProvidersContractsValueString *self, const gchar *filename,
                                                                   GAsyncReadyCallback callback, gpointer user_data);
/**
 * torvanix_providers_contracts_value_string_load_finish:
 * @self: a text value
 * @result: the result handed to the callback
 * @error: return location for the #G_IO_ERROR error GIO reported, as it
 *   reported it
 *
 * Ends a torvanix_providers_contracts_value_string_load(): sets @error when
 * the file could not be opened or read. A %NULL or wrong @self, or a @result
 * of another object or operation (the CRITICALs
 * `g_task_is_valid (result, self)` and
 * `g_async_result_is_tagged (result, torvanix_providers_contracts_value_string_load)`),
 * logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_value_string_load_finish (TorvanixProvidersContractsValueString *self, GAsyncResult *result,
                                                                          GError **error);
/**
 * torvanix_providers_contracts_value_string_save:
 * @self: a text value
 * @filename: a local path, created or replaced
 * @callback: (scope async) (nullable): called once on the thread-default main
 *   context that is current at this call
 * @user_data: (closure): data for @callback
 *
 * Writes exactly the bytes of the text, with no conversion and nothing added.
 * A text that is %NULL logs the CRITICAL `itsvalue != NULL` naming this
 * function, and the file is then replaced by an empty one. The file is
 * replaced only once every byte is written: after a failed write it keeps its
 * old contents. The library starts no thread: GIO's asynchronous file calls do
 * the work. Call torvanix_providers_contracts_value_string_save_finish() from
 * @callback. A %NULL or wrong @self, or a %NULL @filename, logs a CRITICAL
 * naming this function and calls nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_string_save (TorvanixProvidersContractsValueString *self, const gchar *filename,
                                                                   GAsyncReadyCallback callback, gpointer user_data);
/**
 * torvanix_providers_contracts_value_string_save_finish:
 * @self: a text value
 * @result: the result handed to the callback
 * @error: return location for the #G_IO_ERROR error GIO reported, as it
 *   reported it
 *
 * Ends a torvanix_providers_contracts_value_string_save(): sets @error when
 * the file could not be created, written or put in place. A %NULL or wrong
 * @self, or a @result of another object or operation (the CRITICALs
 * `g_task_is_valid (result, self)` and
 * `g_async_result_is_tagged (result, torvanix_providers_contracts_value_string_save)`),
 * logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_value_string_save_finish (TorvanixProvidersContractsValueString *self, GAsyncResult *result,
                                                                          GError **error);

/* ValueXml, ValueJson ---------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_XML (torvanix_providers_contracts_value_xml_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueXml, torvanix_providers_contracts_value_xml,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_XML, TorvanixProvidersContractsValueString)

/**
 * TorvanixProvidersContractsValueXml:
 *
 * An XML document held as text ("xml", data type XML): a kind of
 * #TorvanixProvidersContractsValueString that stores its text unchanged and
 * does not check it. Readers make one for a XML column;
 * torvanix_providers_contracts_ivalue_factory() keeps the text of every type
 * that has no class of its own in one, such as DECIMAL, ENUM or GEOMETRY. It
 * prints and converts as a text value, and can be loaded and saved as one. A
 * value takes no lock and belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueXml:name:
 *
 * "xml". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueXml:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_XML. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueXmlClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueXml; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueXmlClass {
  TorvanixProvidersContractsValueStringClass parent_class;
};

/**
 * torvanix_providers_contracts_value_xml_new:
 * @text: the text, copied; not checked
 *
 * Makes a xml value. A %NULL @text logs the CRITICAL `text != NULL` naming
 * torvanix_providers_contracts_value_xml_construct().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @text is
 *   %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueXml *torvanix_providers_contracts_value_xml_new (const gchar *text);
/**
 * torvanix_providers_contracts_value_xml_construct:
 * @object_type: #TorvanixProvidersContractsValueXml or a subclass of it
 * @text: the text, copied; not checked
 *
 * Makes a xml value of @object_type, for a subclass's own constructor. A %NULL
 * @text, or a type that is not this class or a subclass of it, logs a CRITICAL
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueXml *torvanix_providers_contracts_value_xml_construct (GType object_type, const gchar *text);

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_JSON (torvanix_providers_contracts_value_json_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueJson, torvanix_providers_contracts_value_json,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_JSON, TorvanixProvidersContractsValueString)

/**
 * TorvanixProvidersContractsValueJson:
 *
 * A JSON document held as text ("json", data type JSON): a kind of
 * #TorvanixProvidersContractsValueString that stores its text unchanged and
 * does not check it. Readers make one for a JSON column; providers make one
 * for each cell of a JSON column, and
 * torvanix_providers_contracts_ivalue_factory() for JSON. It prints and
 * converts as a text value, and can be loaded and saved as one. A value takes
 * no lock and belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueJson:name:
 *
 * "json". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueJson:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueJsonClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueJson; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueJsonClass {
  TorvanixProvidersContractsValueStringClass parent_class;
};

/**
 * torvanix_providers_contracts_value_json_new:
 * @text: the text, copied; not checked
 *
 * Makes a json value. A %NULL @text logs the CRITICAL `text != NULL` naming
 * torvanix_providers_contracts_value_json_construct().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @text is
 *   %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueJson *torvanix_providers_contracts_value_json_new (const gchar *text);
/**
 * torvanix_providers_contracts_value_json_construct:
 * @object_type: #TorvanixProvidersContractsValueJson or a subclass of it
 * @text: the text, copied; not checked
 *
 * Makes a json value of @object_type, for a subclass's own constructor. A
 * %NULL @text, or a type that is not this class or a subclass of it, logs a
 * CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueJson *torvanix_providers_contracts_value_json_construct (GType object_type, const gchar *text);

/* ValueUuid --------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UUID (torvanix_providers_contracts_value_uuid_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueUuid, torvanix_providers_contracts_value_uuid,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_UUID, TorvanixProvidersContractsValueString)

/**
 * TorvanixProvidersContractsValueUuid:
 *
 * A UUID held as text ("uuid", data type UUID): a kind of
 * #TorvanixProvidersContractsValueString.
 * torvanix_providers_contracts_value_uuid_new() makes a new random one
 * (version 4, in lower case, such as "4f1c2b9e-8d3a-4e5f-9a7b-1c2d3e4f5a6b");
 * readers make one for a UUID column, and
 * torvanix_providers_contracts_ivalue_factory() for UUID, holding the text as
 * given: the text is never checked. It prints and converts as a text value. A
 * value takes no lock and belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueUuid:name:
 *
 * "uuid". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueUuid:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueUuidClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueUuid; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueUuidClass {
  TorvanixProvidersContractsValueStringClass parent_class;
};

/**
 * torvanix_providers_contracts_value_uuid_new:
 *
 * Makes a value holding a new random UUID: version 4, from GLib's random
 * source, in lower case.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueUuid *torvanix_providers_contracts_value_uuid_new (void);
/**
 * torvanix_providers_contracts_value_uuid_construct:
 * @object_type: #TorvanixProvidersContractsValueUuid or a subclass of it
 *
 * Makes a value of @object_type holding a new random UUID, for a subclass's
 * own constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UUID)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueUuid *torvanix_providers_contracts_value_uuid_construct (GType object_type);
/**
 * torvanix_providers_contracts_value_uuid_new_uuid:
 * @uuid: the text, copied and not checked
 *
 * Makes a value holding @uuid as it is written. A %NULL @uuid logs the
 * CRITICAL `uuid != NULL` naming
 * torvanix_providers_contracts_value_uuid_construct_uuid().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @uuid is
 *   %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueUuid *torvanix_providers_contracts_value_uuid_new_uuid (const gchar *uuid);
/**
 * torvanix_providers_contracts_value_uuid_construct_uuid:
 * @object_type: #TorvanixProvidersContractsValueUuid or a subclass of it
 * @uuid: the text, copied and not checked
 *
 * Makes a value of @object_type holding @uuid, for a subclass's own
 * constructor. A %NULL @uuid, or a type that is not this class or a subclass
 * of it, logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueUuid *torvanix_providers_contracts_value_uuid_construct_uuid (GType object_type, const gchar *uuid);

/* ValueUtf16 -------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UTF16 (torvanix_providers_contracts_value_utf16_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueUtf16, torvanix_providers_contracts_value_utf16,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_UTF16, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueUtf16:
 *
 * Text as a zero-terminated buffer of UTF-16 code units in machine order
 * ("wstring", data type WSTRING). Readers make one for a WSTRING column
 * (torvanix_providers_contracts_idata_reader_get_value()); an application
 * makes one from a buffer with torvanix_providers_contracts_value_utf16_new()
 * or from UTF-8 with torvanix_providers_contracts_value_utf16_new_string().
 *
 * It prints the buffer converted to UTF-8 and converts to a %G_TYPE_STRING
 * holding that text; a value without a buffer, or whose buffer is not valid
 * UTF-16 (an unpaired surrogate), prints %NULL and converts to a %NULL string.
 * A clone copies the code units as they are.
 *
 * The constructors and torvanix_providers_contracts_value_utf16_set_itsvalue()
 * take ownership of the buffer they are given; a write of the
 * #TorvanixProvidersContractsValueUtf16:itsvalue property stores a copy. A
 * value takes no lock and belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueUtf16:name:
 *
 * "wstring". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueUtf16:itsvalue:
 *
 * The buffer held, as a pointer to zero-terminated UTF-16 code units; %NULL
 * for an instance made with g_object_new() and for text that was not UTF-8.
 * Read-write: a read lends the buffer, a write stores a copy of the buffer
 * given (the buffer already held is kept as it is). Every write notifies once,
 * through the property or
 * torvanix_providers_contracts_value_utf16_set_itsvalue(), also when the
 * buffer is unchanged.
 */

/**
 * TorvanixProvidersContractsValueUtf16:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING. Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueUtf16Class:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueUtf16; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueUtf16Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_utf16_new:
 * @text: (transfer full): a zero-terminated UTF-16 buffer from the GLib
 *   allocator
 *
 * Makes a value that owns @text and frees it with g_free(). A %NULL @text logs
 * the CRITICAL `text != NULL` naming
 * torvanix_providers_contracts_value_utf16_construct().
 *
 * Returns: (transfer full) (nullable): a new value owning @text, or %NULL when
 *   @text is %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueUtf16 *torvanix_providers_contracts_value_utf16_new (gunichar2 *text);
/**
 * torvanix_providers_contracts_value_utf16_construct:
 * @object_type: #TorvanixProvidersContractsValueUtf16 or a subclass of it
 * @text: (transfer full): a zero-terminated UTF-16 buffer from the GLib
 *   allocator
 *
 * Makes a value of @object_type that owns @text, for a subclass's own
 * constructor. A %NULL @text, or a type that is not this class or a subclass
 * of it, logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance owning @text, or %NULL
 *   for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueUtf16 *torvanix_providers_contracts_value_utf16_construct (GType object_type, gunichar2 *text);
/**
 * torvanix_providers_contracts_value_utf16_new_string:
 * @text: UTF-8 text
 *
 * Makes a value holding @text converted to UTF-16. Text that is not valid
 * UTF-8 gives a value without a buffer, silently. A %NULL @text logs the
 * CRITICAL `text != NULL` naming
 * torvanix_providers_contracts_value_utf16_construct_string().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @text is
 *   %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueUtf16 *torvanix_providers_contracts_value_utf16_new_string (const gchar *text);
/**
 * torvanix_providers_contracts_value_utf16_construct_string:
 * @object_type: #TorvanixProvidersContractsValueUtf16 or a subclass of it
 * @text: UTF-8 text
 *
 * Makes a value of @object_type holding @text converted to UTF-16, for a
 * subclass's own constructor; text that is not valid UTF-8 gives no buffer. A
 * %NULL @text, or a type that is not this class or a subclass of it, logs a
 * CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueUtf16 *torvanix_providers_contracts_value_utf16_construct_string (GType object_type, const gchar *text);
/**
 * torvanix_providers_contracts_value_utf16_get_itsvalue:
 * @self: a UTF-16 value
 *
 * Lends the buffer held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer none) (nullable): the buffer, valid until it is replaced;
 *   %NULL when there is none or for a wrong @self
 */
PROVIDERS_API gunichar2 *torvanix_providers_contracts_value_utf16_get_itsvalue (TorvanixProvidersContractsValueUtf16 *self);
/**
 * torvanix_providers_contracts_value_utf16_set_itsvalue:
 * @self: a UTF-16 value
 * @value: (transfer full) (nullable): the new buffer, from the GLib allocator
 *
 * Replaces the buffer, freeing the old one, and notifies
 * #TorvanixProvidersContractsValueUtf16:itsvalue. Setting the buffer already
 * held keeps it and only notifies. A %NULL or wrong @self logs a CRITICAL
 * naming this function and takes nothing: @value stays the caller's.
 */
PROVIDERS_API void torvanix_providers_contracts_value_utf16_set_itsvalue (TorvanixProvidersContractsValueUtf16 *self, gunichar2 *value);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_TEXT_H */
