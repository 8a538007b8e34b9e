/* ValueBinary and ValueBlob: raw bytes in an immutable GBytes, printable
 * as text or hexadecimal, written to streams and loaded from and saved to
 * files. */
#include "libproviders/values/value-binary.h"

#include "common/check.h"
#include "common/private-data.h"
#include "common/compat-texts.h"
#include "common/gobject-ref.h"
#include "contracts/values/value-file-io-private.h"
#include "contracts/values/value-class-private.h"
#include "contracts/values/value-object-private.h"

#include <cstring>

struct TorvanixProvidersContractsValueBinaryPrivate {
  GBytes *itsvalue = nullptr; /* one reference, or null */

  TorvanixProvidersContractsValueBinaryPrivate () = default;
  TorvanixProvidersContractsValueBinaryPrivate (const TorvanixProvidersContractsValueBinaryPrivate &) = delete;
  ~TorvanixProvidersContractsValueBinaryPrivate ()
  {
    if (itsvalue) g_bytes_unref (itsvalue);
  }
};

namespace {

GParamSpec *itsvalue_pspec;

}  // namespace

PROVIDERS_DEFINE_TYPE (TorvanixProvidersContractsValueBinary, torvanix_providers_contracts_value_binary, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)

namespace {

TorvanixProvidersContractsValueBinaryPrivate *
priv_of (gpointer self)
{
  return static_cast<TorvanixProvidersContractsValueBinaryPrivate *> (
      torvanix_providers_contracts_value_binary_get_instance_private (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (self)));
}

/* Replaces the buffer by `bytes` (a reference the caller hands over)
 * without notification. */
void
store_bytes (gpointer self, GBytes *bytes)
{
  TorvanixProvidersContractsValueBinaryPrivate *priv = priv_of (self);
  if (priv->itsvalue) g_bytes_unref (priv->itsvalue);
  priv->itsvalue = bytes;
}

/* A new instance of `type` holding a copy of the bytes; the arguments are
 * checked by the caller. */
gpointer
make_binary_value (GType type, const guint8 *data, gsize length)
{
  gpointer self = torvanix_providers_contracts_value_object_construct (type);
  priv_of (self)->itsvalue = g_bytes_new (data, length);
  return self;
}

gchar *
hexadecimal (const guint8 *data, gsize length)
{
  static constexpr char kDigits[] = "0123456789ABCDEF";
  auto *text = static_cast<gchar *> (g_malloc (length * 2 + 1));
  for (gsize i = 0; i < length; ++i) {
    text[2 * i] = kDigits[data[i] >> 4];
    text[2 * i + 1] = kDigits[data[i] & 0xF];
  }
  text[length * 2] = '\0';
  return text;
}

/* The held bytes, or null after a warning naming `function` when there is
 * no buffer. */
const guint8 *
bytes_for_text (gpointer self, gsize *length, const char *function)
{
  GBytes *bytes = priv_of (self)->itsvalue;
  *length = 0;
  if (bytes == nullptr) {
    g_return_if_fail_warning (G_LOG_DOMAIN, function, "itsvalue != NULL");
    return nullptr;
  }
  return static_cast<const guint8 *> (g_bytes_get_data (bytes, length));
}

gchar *
value_binary_to_string (TorvanixProvidersContractsValueObject *self)
{
  gsize length = 0;
  const guint8 *data = bytes_for_text (self, &length, PROVIDERS_FN_VALUE_OBJECT_TO_STRING);
  if (length == 0) return g_strdup ("");
  /* Text ends at the first zero byte; what comes before it prints as is
   * when it is UTF-8, otherwise the whole buffer prints in hexadecimal. */
  const void *zero = std::memchr (data, 0, length);
  gsize text_length = zero ? static_cast<gsize> (static_cast<const guint8 *> (zero) - data) : length;
  const auto *text = reinterpret_cast<const gchar *> (data);
  if (g_utf8_validate_len (text, text_length, nullptr)) return g_strndup (text, text_length);
  return hexadecimal (data, length);
}

void
value_binary_to_value (TorvanixProvidersContractsValueObject *self, GValue *result)
{
  g_value_init (result, G_TYPE_BYTES);
  g_value_set_boxed (result, priv_of (self)->itsvalue);
}

/* Serves ValueBlob too: the copy has the class of the original, and a
 * missing buffer becomes an empty one. */
TorvanixProvidersContractsIValue *
value_binary_clone (TorvanixProvidersContractsValueObject *self)
{
  GBytes *bytes = priv_of (self)->itsvalue;
  gsize length = 0;
  const auto *data = bytes ? static_cast<const guint8 *> (g_bytes_get_data (bytes, &length)) : nullptr;
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (make_binary_value (G_OBJECT_TYPE (self), data, length));
}

const gchar *
value_binary_get_name (TorvanixProvidersContractsValueObject *)
{
  return "binary";
}

TorvanixProvidersContractsDataType
value_binary_get_data_type (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY;
}

void
value_binary_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE)
    g_value_set_boxed (value, priv_of (object)->itsvalue);
  else if (!providers::values::get_standard_property (object, prop_id, value))
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

void
value_binary_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE)
    torvanix_providers_contracts_value_binary_set_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (object),
                                                            static_cast<GBytes *> (g_value_get_boxed (value)));
  else
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

/* A successful load replaces the buffer without notification. */
void
commit_loaded_bytes (GObject *self, GByteArray *contents)
{
  store_bytes (self, g_byte_array_free_to_bytes (contents));
}

}  // namespace

static void
torvanix_providers_contracts_value_binary_class_init (TorvanixProvidersContractsValueBinaryClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  object_class->get_property = value_binary_get_property;
  object_class->set_property = value_binary_set_property;
  value_class->to_value = value_binary_to_value;
  value_class->to_string = value_binary_to_string;
  value_class->clone = value_binary_clone;
  value_class->get_name = value_binary_get_name;
  value_class->get_data_type = value_binary_get_data_type;

  itsvalue_pspec = providers::values::install_value_properties (
      object_class, g_param_spec_boxed ("itsvalue", "itsvalue", "itsvalue", G_TYPE_BYTES, providers::values::kItsvalueFlags));
}

extern "C" TorvanixProvidersContractsValueBinary *
torvanix_providers_contracts_value_binary_construct (GType object_type, const guint8 *data, gint length)
{
  providers_return_val_if_fail (length >= 0, nullptr);
  providers_return_val_if_fail (data != NULL || length == 0, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BINARY, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (make_binary_value (object_type, data, static_cast<gsize> (length)));
}

extern "C" TorvanixProvidersContractsValueBinary *
torvanix_providers_contracts_value_binary_new (const guint8 *data, gint length)
{
  return torvanix_providers_contracts_value_binary_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BINARY, data, length);
}

extern "C" GBytes *
torvanix_providers_contracts_value_binary_get_itsvalue (TorvanixProvidersContractsValueBinary *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (self), nullptr);
  return priv_of (self)->itsvalue;
}

extern "C" void
torvanix_providers_contracts_value_binary_set_itsvalue (TorvanixProvidersContractsValueBinary *self, GBytes *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (self));
  /* Reference first: `value` may be the buffer held now. */
  store_bytes (self, value ? g_bytes_ref (value) : nullptr);
  g_object_notify_by_pspec (G_OBJECT (self), itsvalue_pspec);
}

extern "C" guint8 *
torvanix_providers_contracts_value_binary_to_bytes (TorvanixProvidersContractsValueBinary *self, gint *result_length)
{
  if (result_length) *result_length = 0;
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (self), nullptr);
  GBytes *bytes = priv_of (self)->itsvalue;
  gsize length = 0;
  const void *data = bytes ? g_bytes_get_data (bytes, &length) : nullptr;
  if (length == 0) return nullptr;
  /* The count crosses the interface as a gint; a larger buffer cannot be
   * described by it. */
  providers_return_val_if_fail (length <= G_MAXINT, nullptr);
  if (result_length) *result_length = static_cast<gint> (length);
  return static_cast<guint8 *> (g_memdup2 (data, length));
}

extern "C" gchar *
torvanix_providers_contracts_value_binary_to_hexadecimal (TorvanixProvidersContractsValueBinary *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (self), nullptr);
  gsize length = 0;
  const guint8 *data = bytes_for_text (self, &length, __func__);
  return hexadecimal (data, length);
}

extern "C" gboolean
torvanix_providers_contracts_value_binary_write (TorvanixProvidersContractsValueBinary *self, GOutputStream *stream,
                                                 GError **error)
{
  providers_return_val_if_fail (self != NULL, FALSE);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (self), FALSE);
  providers_return_val_if_fail (stream != NULL, FALSE);
  GBytes *bytes = priv_of (self)->itsvalue;
  gsize length = 0;
  const void *data = bytes ? g_bytes_get_data (bytes, &length) : nullptr;
  /* A stream may accept fewer bytes than offered; keep writing the rest,
   * so that the end of the buffer is never silently lost. */
  return g_output_stream_write_all (stream, data, length, nullptr, nullptr, error);
}

namespace {

/* The buffer is immutable, so a reference is as private as a copy. */
GBytes *
bytes_contents (TorvanixProvidersContractsValueBinary *self, const char *)
{
  GBytes *bytes = priv_of (self)->itsvalue;
  return bytes ? g_bytes_ref (bytes) : g_bytes_new (nullptr, 0);
}

}  // namespace

PROVIDERS_DEFINE_FILE_IO (ValueBinary, value_binary, VALUE_BINARY, load_bytes, commit_loaded_bytes, bytes_contents)

/* ValueBlob ------------------------------------------------------------------ */

PROVIDERS_DEFINE_VALUE_KIND (ValueBlob, value_blob, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BINARY, "blob", BLOB)

extern "C" TorvanixProvidersContractsValueBlob *
torvanix_providers_contracts_value_blob_construct (GType object_type, const guint8 *data, gint length)
{
  providers_return_val_if_fail (length >= 0, nullptr);
  providers_return_val_if_fail (data != NULL || length == 0, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BLOB, nullptr);
  return static_cast<TorvanixProvidersContractsValueBlob *> (
      make_binary_value (object_type, data, static_cast<gsize> (length)));
}

extern "C" TorvanixProvidersContractsValueBlob *
torvanix_providers_contracts_value_blob_new (const guint8 *data, gint length)
{
  return torvanix_providers_contracts_value_blob_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BLOB, data, length);
}
