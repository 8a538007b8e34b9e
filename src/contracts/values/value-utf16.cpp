/* ValueUtf16: text held as a zero-terminated buffer of UTF-16 code units,
 * for wide-character columns. */
#include "libproviders/values/value-text.h"

#include "common/check.h"
#include "common/private-data.h"
#include "common/gobject-ref.h"
#include "contracts/values/value-class-private.h"
#include "contracts/values/value-object-private.h"

struct TorvanixProvidersContractsValueUtf16Private {
  gunichar2 *itsvalue = nullptr; /* owned, from the GLib allocator; may be null */

  TorvanixProvidersContractsValueUtf16Private () = default;
  TorvanixProvidersContractsValueUtf16Private (const TorvanixProvidersContractsValueUtf16Private &) = delete;
  ~TorvanixProvidersContractsValueUtf16Private () { g_free (itsvalue); }
};

namespace {

GParamSpec *itsvalue_pspec;

}  // namespace

PROVIDERS_DEFINE_TYPE (TorvanixProvidersContractsValueUtf16, torvanix_providers_contracts_value_utf16, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)

namespace {

TorvanixProvidersContractsValueUtf16Private *
priv_of (gpointer self)
{
  return static_cast<TorvanixProvidersContractsValueUtf16Private *> (
      torvanix_providers_contracts_value_utf16_get_instance_private (TORVANIX_PROVIDERS_CONTRACTS_VALUE_UTF16 (self)));
}

/* The UTF-8 form of a zero-terminated UTF-16 buffer, or null when it does
 * not convert (an unpaired surrogate, say). */
gchar *
string16_to_string (const gunichar2 *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  return g_utf16_to_utf8 (self, -1, nullptr, nullptr, nullptr);
}

/* The buffer's text, or null for no buffer; a value without a buffer is a
 * state callers reach legitimately (text that was not UTF-8), not a fault. */
gchar *
text_of (gpointer self)
{
  const gunichar2 *buffer = priv_of (self)->itsvalue;
  return buffer ? string16_to_string (buffer) : nullptr;
}

gunichar2 *
copy_buffer (const gunichar2 *buffer)
{
  if (buffer == nullptr) return nullptr;
  gsize units = 0;
  while (buffer[units] != 0) ++units;
  return static_cast<gunichar2 *> (g_memdup2 (buffer, (units + 1) * sizeof (gunichar2)));
}

/* Takes ownership of `buffer` and notifies. Setting the buffer already held
 * must not free it: a caller may pass back what get_itsvalue lent. */
void
take_buffer (gpointer self, gunichar2 *buffer)
{
  TorvanixProvidersContractsValueUtf16Private *priv = priv_of (self);
  if (priv->itsvalue != buffer) {
    g_free (priv->itsvalue);
    priv->itsvalue = buffer;
  }
  g_object_notify_by_pspec (G_OBJECT (self), itsvalue_pspec);
}

gpointer
make_utf16_value (GType type, gunichar2 *buffer)
{
  gpointer self = torvanix_providers_contracts_value_object_construct (type);
  priv_of (self)->itsvalue = buffer;
  return self;
}

void
value_utf16_to_value (TorvanixProvidersContractsValueObject *self, GValue *result)
{
  g_value_init (result, G_TYPE_STRING);
  g_value_take_string (result, text_of (self));
}

gchar *
value_utf16_to_string (TorvanixProvidersContractsValueObject *self)
{
  return text_of (self);
}

/* Copies the code units as they are, so a buffer that is not valid UTF-16,
 * or no buffer at all, still clones. */
TorvanixProvidersContractsIValue *
value_utf16_clone (TorvanixProvidersContractsValueObject *self)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (make_utf16_value (G_OBJECT_TYPE (self), copy_buffer (priv_of (self)->itsvalue)));
}

const gchar *
value_utf16_get_name (TorvanixProvidersContractsValueObject *)
{
  return "wstring";
}

TorvanixProvidersContractsDataType
value_utf16_get_data_type (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING;
}

void
value_utf16_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE)
    g_value_set_pointer (value, priv_of (object)->itsvalue);
  else if (!providers::values::get_standard_property (object, prop_id, value))
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

/* A pointer property carries no ownership: what g_object_get lent from one
 * value may be set on another (or by a binding), so keep a copy. */
void
value_utf16_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  if (pspec != itsvalue_pspec) {
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
    return;
  }
  auto *buffer = static_cast<gunichar2 *> (g_value_get_pointer (value));
  take_buffer (object, buffer == priv_of (object)->itsvalue ? buffer : copy_buffer (buffer));
}

}  // namespace

static void
torvanix_providers_contracts_value_utf16_class_init (TorvanixProvidersContractsValueUtf16Class *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  object_class->get_property = value_utf16_get_property;
  object_class->set_property = value_utf16_set_property;
  value_class->to_value = value_utf16_to_value;
  value_class->to_string = value_utf16_to_string;
  value_class->clone = value_utf16_clone;
  value_class->get_name = value_utf16_get_name;
  value_class->get_data_type = value_utf16_get_data_type;

  itsvalue_pspec = providers::values::install_value_properties (
      object_class, g_param_spec_pointer ("itsvalue", "itsvalue", "itsvalue", providers::values::kItsvalueFlags));
}

extern "C" TorvanixProvidersContractsValueUtf16 *
torvanix_providers_contracts_value_utf16_construct (GType object_type, gunichar2 *text)
{
  providers_return_val_if_fail (text != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UTF16, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_VALUE_UTF16 (make_utf16_value (object_type, text));
}

extern "C" TorvanixProvidersContractsValueUtf16 *
torvanix_providers_contracts_value_utf16_new (gunichar2 *text)
{
  return torvanix_providers_contracts_value_utf16_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UTF16, text);
}

extern "C" TorvanixProvidersContractsValueUtf16 *
torvanix_providers_contracts_value_utf16_construct_string (GType object_type, const gchar *text)
{
  providers_return_val_if_fail (text != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UTF16, nullptr);
  /* Text that is not UTF-8 leaves the buffer null, silently. */
  return TORVANIX_PROVIDERS_CONTRACTS_VALUE_UTF16 (
      make_utf16_value (object_type, g_utf8_to_utf16 (text, -1, nullptr, nullptr, nullptr)));
}

extern "C" TorvanixProvidersContractsValueUtf16 *
torvanix_providers_contracts_value_utf16_new_string (const gchar *text)
{
  return torvanix_providers_contracts_value_utf16_construct_string (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UTF16, text);
}

extern "C" gunichar2 *
torvanix_providers_contracts_value_utf16_get_itsvalue (TorvanixProvidersContractsValueUtf16 *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_UTF16 (self), nullptr);
  return priv_of (self)->itsvalue;
}

extern "C" void
torvanix_providers_contracts_value_utf16_set_itsvalue (TorvanixProvidersContractsValueUtf16 *self, gunichar2 *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_UTF16 (self));
  take_buffer (self, value);
}
