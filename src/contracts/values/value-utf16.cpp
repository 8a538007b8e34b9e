/* ValueUtf16: text held as a zero-terminated buffer of UTF-16 code units,
 * for wide-character columns. */
#include "libproviders/values/value-text.h"

#include "contracts/values/value-family-private.h"

namespace {

gunichar2 *
copy_buffer (const gunichar2 *buffer)
{
  if (buffer == nullptr) return nullptr;
  gsize units = 0;
  while (buffer[units] != 0) ++units;
  return static_cast<gunichar2 *> (g_memdup2 (buffer, (units + 1) * sizeof (gunichar2)));
}

struct Utf16Traits {
  PROVIDERS_VALUE_NAMES (ValueUtf16, "wstring", WSTRING);
  struct Private {
    gunichar2 *itsvalue = nullptr; /* owned, from the GLib allocator; may be null */

    Private () = default;
    Private (const Private &) = delete;
    ~Private () { g_free (itsvalue); }

    /* The buffer's text, or null for no buffer; a value without a buffer is
     * a state callers reach legitimately (text that was not UTF-8), not a
     * fault. Null too when it does not convert (an unpaired surrogate). */
    gchar *text () const { return itsvalue ? g_utf16_to_utf8 (itsvalue, -1, nullptr, nullptr, nullptr) : nullptr; }
  };
  using Held = gunichar2 *;

  static GParamSpec *itsvalue_spec ()
  {
    return g_param_spec_pointer ("itsvalue", "itsvalue", "itsvalue", providers::values::kItsvalueFlags);
  }
  static gunichar2 *get (const Private &p) { return p.itsvalue; }
  /* Takes ownership of `buffer`. Setting the buffer already held must not
   * free it: a caller may pass back what get_itsvalue lent. */
  static void set (Private &p, gunichar2 *buffer)
  {
    if (p.itsvalue != buffer) {
      g_free (p.itsvalue);
      p.itsvalue = buffer;
    }
  }
  /* A pointer property carries no ownership: what g_object_get lent from
   * one value may be set on another (or by a binding), so keep a copy. */
  static void set_property (Private &p, const GValue *value)
  {
    auto *buffer = static_cast<gunichar2 *> (g_value_get_pointer (value));
    set (p, buffer == p.itsvalue ? buffer : copy_buffer (buffer));
  }
  /* Copies the code units as they are, so a buffer that is not valid
   * UTF-16, or no buffer at all, still clones. */
  static void copy (const Private &from, Private &to) { to.itsvalue = copy_buffer (from.itsvalue); }

  static void torvanix_providers_contracts_value_object_to_value (const Private &p, GValue *result)
  {
    g_value_init (result, G_TYPE_STRING);
    g_value_take_string (result, p.text ());
  }
  static gchar *torvanix_providers_contracts_value_object_to_string (const Private &p) { return p.text (); }
};

using Utf16 = providers::values::ValueClass<Utf16Traits>;

}  // namespace

PROVIDERS_DEFINE_VALUE_CLASS (ValueUtf16, value_utf16, VALUE_UTF16, Utf16Traits, nullptr)

PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueUtf16, value_utf16, VALUE_UTF16, , (gunichar2 * text), (text),
                                    providers_return_val_if_fail (text != NULL, nullptr), Utf16::make (object_type, text))
/* Text that is not UTF-8 leaves the buffer null, silently. */
PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueUtf16, value_utf16, VALUE_UTF16, _string, (const gchar *text), (text),
                                    providers_return_val_if_fail (text != NULL, nullptr),
                                    Utf16::make (object_type, g_utf8_to_utf16 (text, -1, nullptr, nullptr, nullptr)))
