/* ValueString and its kinds ValueXml, ValueJson and ValueUuid: UTF-8 text,
 * with asynchronous loading from and saving to a file. */
#include "libproviders/values/value-text.h"

#include "common/check.h"
#include "common/private-data.h"
#include "common/gobject-ref.h"
#include "contracts/values/value-class-private.h"
#include "contracts/values/value-file-io-private.h"
#include "contracts/values/value-internal.h"
#include "contracts/values/value-object-private.h"

#include <cstring>

/* Texts shorter than this live in the value's own block: values are made
 * once per cell, and most cells are short, so a value then costs one
 * allocation instead of two, and its owner's last unref frees one block. */
constexpr gsize kInlineText = 24;

/* What a new instance holds, shared so that making a value allocates only
 * the text it is given. */
constexpr char kEmptyText[] = "";

struct TorvanixProvidersContractsValueStringPrivate {
  gchar *itsvalue = const_cast<gchar *> (kEmptyText); /* owned; may be null, kEmptyText, or inline_text */
  gchar inline_text[kInlineText];

  TorvanixProvidersContractsValueStringPrivate () = default;
  TorvanixProvidersContractsValueStringPrivate (const TorvanixProvidersContractsValueStringPrivate &) = delete;
  ~TorvanixProvidersContractsValueStringPrivate () { free_text (); }

  void free_text () const
  {
    if (itsvalue != kEmptyText && itsvalue != inline_text) g_free (itsvalue);
  }
};

namespace {

GParamSpec *itsvalue_pspec;

}  // namespace

PROVIDERS_DEFINE_TYPE (TorvanixProvidersContractsValueString, torvanix_providers_contracts_value_string, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)

namespace {

TorvanixProvidersContractsValueStringPrivate *
priv_of (gpointer self)
{
  return static_cast<TorvanixProvidersContractsValueStringPrivate *> (
      torvanix_providers_contracts_value_string_get_instance_private (TORVANIX_PROVIDERS_CONTRACTS_VALUE_STRING (self)));
}

/* Replaces the text by `text` (owned) without notification. */
void
store_text (gpointer self, gchar *text)
{
  TorvanixProvidersContractsValueStringPrivate *priv = priv_of (self);
  priv->free_text ();
  priv->itsvalue = text;
}

/* A new instance of `type` holding `text` (owned). */
gpointer
make_text_value (GType type, gchar *text)
{
  gpointer self = torvanix_providers_contracts_value_object_construct (type);
  priv_of (self)->itsvalue = text;
  return self;
}

}  // namespace

TorvanixProvidersContractsValueString *
providers::values::text_adopt (GType type, gchar *text)
{
  gpointer self = torvanix_providers_contracts_value_object_construct (type);
  priv_of (self)->itsvalue = text;
  return static_cast<TorvanixProvidersContractsValueString *> (self);
}

TorvanixProvidersContractsValueString *
providers::values::text_copy (GType type, const gchar *text, gsize length)
{
  gpointer self = torvanix_providers_contracts_value_object_construct (type);
  TorvanixProvidersContractsValueStringPrivate *priv = priv_of (self);
  /* The text ends at a zero byte inside the cell, as a C string does
   * (and as g_strndup copies it). */
  if (length < kInlineText) {
    length = length == 0 ? 0 : strnlen (text, length);
    std::memcpy (priv->inline_text, text, length);
    priv->inline_text[length] = '\0';
    priv->itsvalue = priv->inline_text;
  } else {
    priv->itsvalue = g_strndup (text, length);
  }
  return static_cast<TorvanixProvidersContractsValueString *> (self);
}

namespace {

void
value_string_to_value (TorvanixProvidersContractsValueObject *self, GValue *result)
{
  g_value_init (result, G_TYPE_STRING);
  g_value_set_string (result, priv_of (self)->itsvalue);
}

gchar *
value_string_to_string (TorvanixProvidersContractsValueObject *self)
{
  return g_strdup (priv_of (self)->itsvalue);
}

/* Serves every kind: the copy has the class of the original. A null text
 * is copied as null, so a clone never fails. */
TorvanixProvidersContractsIValue *
value_string_clone (TorvanixProvidersContractsValueObject *self)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (make_text_value (G_OBJECT_TYPE (self), g_strdup (priv_of (self)->itsvalue)));
}

const gchar *
value_string_get_name (TorvanixProvidersContractsValueObject *)
{
  return "string";
}

TorvanixProvidersContractsDataType
value_string_get_data_type (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
}

void
value_string_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE)
    g_value_set_string (value, priv_of (object)->itsvalue);
  else if (!providers::values::get_standard_property (object, prop_id, value))
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

void
value_string_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE)
    torvanix_providers_contracts_value_string_set_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_STRING (object),
                                                            g_value_get_string (value));
  else
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

/* A successful load stores the file's lines without notification. */
void
commit_loaded_text (GObject *self, GByteArray *contents)
{
  g_byte_array_append (contents, reinterpret_cast<const guint8 *> (""), 1);
  store_text (self, reinterpret_cast<gchar *> (g_byte_array_free (contents, FALSE)));
}

}  // namespace

static void
torvanix_providers_contracts_value_string_class_init (TorvanixProvidersContractsValueStringClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  object_class->get_property = value_string_get_property;
  object_class->set_property = value_string_set_property;
  value_class->to_value = value_string_to_value;
  value_class->to_string = value_string_to_string;
  value_class->clone = value_string_clone;
  value_class->get_name = value_string_get_name;
  value_class->get_data_type = value_string_get_data_type;

  itsvalue_pspec = providers::values::install_value_properties (object_class, providers::values::text_itsvalue_pspec ());
}

extern "C" TorvanixProvidersContractsValueString *
torvanix_providers_contracts_value_string_construct (GType object_type, const gchar *text)
{
  providers_return_val_if_fail (text != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_VALUE_STRING (make_text_value (object_type, g_strdup (text)));
}

extern "C" TorvanixProvidersContractsValueString *
torvanix_providers_contracts_value_string_new (const gchar *text)
{
  return torvanix_providers_contracts_value_string_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, text);
}

extern "C" const gchar *
torvanix_providers_contracts_value_string_get_itsvalue (TorvanixProvidersContractsValueString *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_STRING (self), nullptr);
  return priv_of (self)->itsvalue;
}

extern "C" void
torvanix_providers_contracts_value_string_set_itsvalue (TorvanixProvidersContractsValueString *self, const gchar *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_STRING (self));
  /* Copy before freeing: `value` may be the text held now. */
  store_text (self, g_strdup (value));
  g_object_notify_by_pspec (G_OBJECT (self), itsvalue_pspec);
}

namespace {

/* The text's bytes, with no conversion. A null text is a caller's mistake,
 * but the file is still replaced, by an empty one. */
GBytes *
text_contents (TorvanixProvidersContractsValueString *self, const char *function)
{
  const gchar *text = priv_of (self)->itsvalue;
  if (text == nullptr) g_return_if_fail_warning (G_LOG_DOMAIN, function, "itsvalue != NULL");
  return g_bytes_new (text, text ? std::strlen (text) : 0);
}

}  // namespace

PROVIDERS_DEFINE_FILE_IO (ValueString, value_string, VALUE_STRING, load_lines, commit_loaded_text, text_contents)

/* The kinds ------------------------------------------------------------------- */

/* The constructor pair of a kind that holds the text it is given. */
#define PROVIDERS_DEFINE_TEXT_CONSTRUCTORS(Name, lower, UPPER)                                                  \
  extern "C" TorvanixProvidersContracts##Name *torvanix_providers_contracts_##lower##_construct (GType object_type, \
                                                                                              const gchar *text) \
  {                                                                                                             \
    providers_return_val_if_fail (text != NULL, nullptr);                                                       \
    providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_##UPPER, nullptr);     \
    return static_cast<TorvanixProvidersContracts##Name *> (make_text_value (object_type, g_strdup (text)));    \
  }                                                                                                             \
  extern "C" TorvanixProvidersContracts##Name *torvanix_providers_contracts_##lower##_new (const gchar *text)    \
  {                                                                                                             \
    return torvanix_providers_contracts_##lower##_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_##UPPER, text);  \
  }

PROVIDERS_DEFINE_VALUE_KIND (ValueXml, value_xml, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, "xml", XML)
PROVIDERS_DEFINE_VALUE_KIND (ValueJson, value_json, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, "json", JSON)
PROVIDERS_DEFINE_VALUE_KIND (ValueUuid, value_uuid, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, "uuid", UUID)

PROVIDERS_DEFINE_TEXT_CONSTRUCTORS (ValueXml, value_xml, VALUE_XML)
PROVIDERS_DEFINE_TEXT_CONSTRUCTORS (ValueJson, value_json, VALUE_JSON)

extern "C" TorvanixProvidersContractsValueUuid *
torvanix_providers_contracts_value_uuid_construct_uuid (GType object_type, const gchar *uuid)
{
  providers_return_val_if_fail (uuid != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UUID, nullptr);
  return static_cast<TorvanixProvidersContractsValueUuid *> (make_text_value (object_type, g_strdup (uuid)));
}

extern "C" TorvanixProvidersContractsValueUuid *
torvanix_providers_contracts_value_uuid_new_uuid (const gchar *uuid)
{
  return torvanix_providers_contracts_value_uuid_construct_uuid (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UUID, uuid);
}

extern "C" TorvanixProvidersContractsValueUuid *
torvanix_providers_contracts_value_uuid_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UUID, nullptr);
  /* GLib's random UUIDs are version 4, in lower case. */
  return static_cast<TorvanixProvidersContractsValueUuid *> (make_text_value (object_type, g_uuid_string_random ()));
}

extern "C" TorvanixProvidersContractsValueUuid *
torvanix_providers_contracts_value_uuid_new (void)
{
  return torvanix_providers_contracts_value_uuid_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UUID);
}
