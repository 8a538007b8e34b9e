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
 * TorvanixProvidersContractsValueStringClass:
 *
 * UTF-8 text, held as a private copy. "itsvalue" is a read-write string
 * whose setter notifies on every call; a new instance holds "".
 *
 * The text is zero-terminated, so it cannot hold U+0000: a server's text
 * cell containing a zero byte ends there. Bytes that may contain zero
 * bytes are binary values (#TorvanixProvidersContractsValueBinary).
 */
struct _TorvanixProvidersContractsValueStringClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_string_new:
 * @text: the text, copied
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @text is %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueString *torvanix_providers_contracts_value_string_new (const gchar *text);
/**
 * torvanix_providers_contracts_value_string_construct:
 * @object_type: ValueString or a subclass of it
 * @text: the text, copied
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueString *torvanix_providers_contracts_value_string_construct (GType object_type, const gchar *text);
/**
 * torvanix_providers_contracts_value_string_get_itsvalue:
 * @self: a text value
 *
 * Returns: (transfer none) (nullable): the stored text, valid until it changes
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_value_string_get_itsvalue (TorvanixProvidersContractsValueString *self);
/**
 * torvanix_providers_contracts_value_string_set_itsvalue:
 * @self: a text value
 * @value: (nullable): the new text, copied
 */
PROVIDERS_API void torvanix_providers_contracts_value_string_set_itsvalue (TorvanixProvidersContractsValueString *self, const gchar *value);
/**
 * torvanix_providers_contracts_value_string_load:
 * @self: a text value
 * @filename: a local path
 * @callback: (scope async) (nullable): called once on the thread-default
 *   main context current at this call
 * @user_data: (closure): data for @callback
 *
 * Replaces the text by the file's lines, each ended by a line feed. A
 * missing file leaves the text as it is; a failure leaves it unchanged.
 * Emits no change notification.
 */
PROVIDERS_API void torvanix_providers_contracts_value_string_load (TorvanixProvidersContractsValueString *self, const gchar *filename,
                                                                   GAsyncReadyCallback callback, gpointer user_data);
/**
 * torvanix_providers_contracts_value_string_load_finish:
 * @self: a text value
 * @result: the result handed to the callback
 * @error: the I/O error, as GIO reported it
 */
PROVIDERS_API void torvanix_providers_contracts_value_string_load_finish (TorvanixProvidersContractsValueString *self, GAsyncResult *result,
                                                                          GError **error);
/**
 * torvanix_providers_contracts_value_string_save:
 * @self: a text value
 * @filename: a local path, created or replaced
 * @callback: (scope async) (nullable): called once on the thread-default
 *   main context current at this call
 * @user_data: (closure): data for @callback
 *
 * Writes exactly the bytes of the text, with no conversion.
 */
PROVIDERS_API void torvanix_providers_contracts_value_string_save (TorvanixProvidersContractsValueString *self, const gchar *filename,
                                                                   GAsyncReadyCallback callback, gpointer user_data);
/**
 * torvanix_providers_contracts_value_string_save_finish:
 * @self: a text value
 * @result: the result handed to the callback
 * @error: the I/O error, as GIO reported it
 */
PROVIDERS_API void torvanix_providers_contracts_value_string_save_finish (TorvanixProvidersContractsValueString *self, GAsyncResult *result,
                                                                          GError **error);

/* ValueXml, ValueJson: text stored unchanged, not validated -------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_XML (torvanix_providers_contracts_value_xml_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueXml, torvanix_providers_contracts_value_xml,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_XML, TorvanixProvidersContractsValueString)

struct _TorvanixProvidersContractsValueXmlClass {
  TorvanixProvidersContractsValueStringClass parent_class;
};

/**
 * torvanix_providers_contracts_value_xml_new:
 * @text: the text, copied
 *
 * Returns: (transfer full) (nullable): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueXml *torvanix_providers_contracts_value_xml_new (const gchar *text);
/**
 * torvanix_providers_contracts_value_xml_construct:
 * @object_type: ValueXml or a subclass of it
 * @text: the text, copied
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueXml *torvanix_providers_contracts_value_xml_construct (GType object_type, const gchar *text);

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_JSON (torvanix_providers_contracts_value_json_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueJson, torvanix_providers_contracts_value_json,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_JSON, TorvanixProvidersContractsValueString)

struct _TorvanixProvidersContractsValueJsonClass {
  TorvanixProvidersContractsValueStringClass parent_class;
};

/**
 * torvanix_providers_contracts_value_json_new:
 * @text: the text, copied
 *
 * Returns: (transfer full) (nullable): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueJson *torvanix_providers_contracts_value_json_new (const gchar *text);
/**
 * torvanix_providers_contracts_value_json_construct:
 * @object_type: ValueJson or a subclass of it
 * @text: the text, copied
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueJson *torvanix_providers_contracts_value_json_construct (GType object_type, const gchar *text);

/* ValueUuid --------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UUID (torvanix_providers_contracts_value_uuid_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueUuid, torvanix_providers_contracts_value_uuid,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_UUID, TorvanixProvidersContractsValueString)

struct _TorvanixProvidersContractsValueUuidClass {
  TorvanixProvidersContractsValueStringClass parent_class;
};

/**
 * torvanix_providers_contracts_value_uuid_new:
 *
 * Returns: (transfer full): a value holding a new random (version 4) UUID
 *   in lower case
 */
PROVIDERS_API TorvanixProvidersContractsValueUuid *torvanix_providers_contracts_value_uuid_new (void);
/**
 * torvanix_providers_contracts_value_uuid_construct:
 * @object_type: ValueUuid or a subclass of it
 *
 * Returns: (transfer full) (nullable): a new instance holding a new random UUID
 */
PROVIDERS_API TorvanixProvidersContractsValueUuid *torvanix_providers_contracts_value_uuid_construct (GType object_type);
/**
 * torvanix_providers_contracts_value_uuid_new_uuid:
 * @uuid: the text, copied and not validated
 *
 * Returns: (transfer full) (nullable): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueUuid *torvanix_providers_contracts_value_uuid_new_uuid (const gchar *uuid);
/**
 * torvanix_providers_contracts_value_uuid_construct_uuid:
 * @object_type: ValueUuid or a subclass of it
 * @uuid: the text, copied and not validated
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueUuid *torvanix_providers_contracts_value_uuid_construct_uuid (GType object_type, const gchar *uuid);

/* ValueUtf16 -------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UTF16 (torvanix_providers_contracts_value_utf16_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueUtf16, torvanix_providers_contracts_value_utf16,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_UTF16, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueUtf16Class:
 *
 * Text as a zero-terminated buffer of UTF-16 code units in machine order.
 * The constructors and the setter take ownership of the buffer they are
 * given; a write of the "itsvalue" property stores a copy.
 */
struct _TorvanixProvidersContractsValueUtf16Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_utf16_new:
 * @text: (transfer full): a zero-terminated UTF-16 buffer from the GLib allocator
 *
 * Returns: (transfer full) (nullable): a new value owning @text
 */
PROVIDERS_API TorvanixProvidersContractsValueUtf16 *torvanix_providers_contracts_value_utf16_new (gunichar2 *text);
/**
 * torvanix_providers_contracts_value_utf16_construct:
 * @object_type: ValueUtf16 or a subclass of it
 * @text: (transfer full): a zero-terminated UTF-16 buffer from the GLib allocator
 *
 * Returns: (transfer full) (nullable): a new instance owning @text
 */
PROVIDERS_API TorvanixProvidersContractsValueUtf16 *torvanix_providers_contracts_value_utf16_construct (GType object_type, gunichar2 *text);
/**
 * torvanix_providers_contracts_value_utf16_new_string:
 * @text: UTF-8 text
 *
 * Returns: (transfer full) (nullable): a new value holding @text converted
 *   to UTF-16; its buffer is %NULL when @text is not valid UTF-8
 */
PROVIDERS_API TorvanixProvidersContractsValueUtf16 *torvanix_providers_contracts_value_utf16_new_string (const gchar *text);
/**
 * torvanix_providers_contracts_value_utf16_construct_string:
 * @object_type: ValueUtf16 or a subclass of it
 * @text: UTF-8 text
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueUtf16 *torvanix_providers_contracts_value_utf16_construct_string (GType object_type, const gchar *text);
/**
 * torvanix_providers_contracts_value_utf16_get_itsvalue:
 * @self: a UTF-16 value
 *
 * Returns: (transfer none) (nullable): the stored buffer
 */
PROVIDERS_API gunichar2 *torvanix_providers_contracts_value_utf16_get_itsvalue (TorvanixProvidersContractsValueUtf16 *self);
/**
 * torvanix_providers_contracts_value_utf16_set_itsvalue:
 * @self: a UTF-16 value
 * @value: (transfer full) (nullable): the new buffer; setting the buffer
 *   already held only notifies
 */
PROVIDERS_API void torvanix_providers_contracts_value_utf16_set_itsvalue (TorvanixProvidersContractsValueUtf16 *self, gunichar2 *value);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_TEXT_H */
