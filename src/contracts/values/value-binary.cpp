/* ValueBinary and ValueBlob: raw bytes in an immutable GBytes, printable
 * as text or hexadecimal, written to streams and loaded from and saved to
 * files. */
#include "libproviders/values/value-binary.h"

#include "contracts/values/value-family-private.h"
#include "contracts/values/value-file-io-private.h"

#include <cstring>

namespace {

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

struct BinaryTraits {
  PROVIDERS_VALUE_NAMES (ValueBinary, "binary", BINARY);
  struct Private {
    GBytes *itsvalue = nullptr; /* one reference, or null */

    Private () = default;
    Private (const Private &) = delete;
    ~Private ()
    {
      if (itsvalue) g_bytes_unref (itsvalue);
    }
    /* Replaces the buffer by `bytes` (a reference the caller hands over)
     * without notification. */
    void store (GBytes *bytes)
    {
      if (itsvalue) g_bytes_unref (itsvalue);
      itsvalue = bytes;
    }
    /* The held bytes; none when there is no buffer. */
    const guint8 *data (gsize *length) const
    {
      *length = 0;
      return itsvalue ? static_cast<const guint8 *> (g_bytes_get_data (itsvalue, length)) : nullptr;
    }
  };
  using Held = GBytes *;

  static GParamSpec *itsvalue_spec ()
  {
    return g_param_spec_boxed ("itsvalue", "itsvalue", "itsvalue", G_TYPE_BYTES, providers::values::kItsvalueFlags);
  }
  static GBytes *get (const Private &p) { return p.itsvalue; }
  /* Reference first: `value` may be the buffer held now. */
  static void set (Private &p, GBytes *value) { p.store (value ? g_bytes_ref (value) : nullptr); }
  /* Serves ValueBlob too; a missing buffer becomes an empty one. */
  static void copy (const Private &from, Private &to)
  {
    gsize length = 0;
    const guint8 *data = from.data (&length);
    to.store (g_bytes_new (data, length));
  }

  static void torvanix_providers_contracts_value_object_to_value (const Private &p, GValue *result)
  {
    g_value_init (result, G_TYPE_BYTES);
    g_value_set_boxed (result, p.itsvalue);
  }

  static gchar *torvanix_providers_contracts_value_object_to_string (const Private &p)
  {
    const GBytes *itsvalue = p.itsvalue;
    providers_warn_if_fail (itsvalue != NULL);
    gsize length = 0;
    const guint8 *data = p.data (&length);
    if (length == 0) return g_strdup ("");
    /* Text ends at the first zero byte; what comes before it prints as is
     * when it is UTF-8, otherwise the whole buffer prints in hexadecimal. */
    const void *zero = std::memchr (data, 0, length);
    gsize text_length = zero ? static_cast<gsize> (static_cast<const guint8 *> (zero) - data) : length;
    const auto *text = reinterpret_cast<const gchar *> (data);
    if (g_utf8_validate_len (text, text_length, nullptr)) return g_strndup (text, text_length);
    return hexadecimal (data, length);
  }
};

using Binary = providers::values::ValueClass<BinaryTraits>;

/* A new instance of `type` holding a copy of the bytes; the arguments are
 * checked by the caller. */
gpointer
make_binary_value (GType type, const guint8 *data, gsize length)
{
  return Binary::make (type, g_bytes_new (data, length));
}

/* A successful load replaces the buffer without notification. */
void
commit_loaded_bytes (GObject *self, GByteArray *contents)
{
  Binary::priv (self).store (g_byte_array_free_to_bytes (contents));
}

}  // namespace

PROVIDERS_DEFINE_VALUE_CLASS (ValueBinary, value_binary, VALUE_BINARY, BinaryTraits, nullptr)

/* The constructors of the class and of a kind: a copy of `length` bytes. */
#define PROVIDERS_DEFINE_BYTES_CONSTRUCTORS(Name, lower, UPPER)                                                    \
  PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (Name, lower, UPPER, , (const guint8 *data, gint length), (data, length),       \
                                      providers_return_val_if_fail (length >= 0, nullptr);                          \
                                      providers_return_val_if_fail (data != NULL || length == 0, nullptr),          \
                                      make_binary_value (object_type, data, static_cast<gsize> (length)))

PROVIDERS_DEFINE_BYTES_CONSTRUCTORS (ValueBinary, value_binary, VALUE_BINARY)

extern "C" guint8 *
torvanix_providers_contracts_value_binary_to_bytes (TorvanixProvidersContractsValueBinary *self, gint *result_length)
{
  if (result_length) *result_length = 0;
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (self), nullptr);
  gsize length = 0;
  const guint8 *data = Binary::priv (self).data (&length);
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
  const GBytes *itsvalue = Binary::priv (self).itsvalue;
  providers_warn_if_fail (itsvalue != NULL);
  gsize length = 0;
  const guint8 *data = Binary::priv (self).data (&length);
  return hexadecimal (data, length);
}

extern "C" gboolean
torvanix_providers_contracts_value_binary_write (TorvanixProvidersContractsValueBinary *self, GOutputStream *stream,
                                                 GError **error)
{
  providers_return_val_if_fail (self != NULL, FALSE);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (self), FALSE);
  providers_return_val_if_fail (stream != NULL, FALSE);
  gsize length = 0;
  const guint8 *data = Binary::priv (self).data (&length);
  /* A stream may accept fewer bytes than offered; keep writing the rest,
   * so that the end of the buffer is never silently lost. */
  return g_output_stream_write_all (stream, data, length, nullptr, nullptr, error);
}

namespace {

/* The buffer is immutable, so a reference is as private as a copy. */
GBytes *
bytes_contents (TorvanixProvidersContractsValueBinary *self, const char *)
{
  GBytes *bytes = Binary::priv (self).itsvalue;
  return bytes ? g_bytes_ref (bytes) : g_bytes_new (nullptr, 0);
}

}  // namespace

PROVIDERS_DEFINE_FILE_IO (ValueBinary, value_binary, VALUE_BINARY, load_bytes, commit_loaded_bytes, bytes_contents)

/* ValueBlob ------------------------------------------------------------------ */

PROVIDERS_DEFINE_VALUE_KIND (ValueBlob, value_blob, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BINARY, "blob", BLOB)

PROVIDERS_DEFINE_BYTES_CONSTRUCTORS (ValueBlob, value_blob, VALUE_BLOB)
