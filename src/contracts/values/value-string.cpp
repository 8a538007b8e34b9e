/* ValueString and its kinds ValueXml, ValueJson and ValueUuid: UTF-8 text,
 * with asynchronous loading from and saving to a file. */
#include "libproviders/values/value-text.h"

#include "contracts/values/value-family-private.h"
#include "contracts/values/value-file-io-private.h"
#include "contracts/values/value-internal.h"

#include <cstring>

/* Texts shorter than this live in the value's own block: values are made
 * once per cell, and most cells are short, so a value then costs one
 * allocation instead of two, and its owner's last unref frees one block. */
constexpr gsize kInlineText = 24;

/* What a new instance holds, shared so that making a value allocates only
 * the text it is given. */
constexpr char kEmptyText[] = "";

namespace {

struct StringTraits : providers::values::TextHeld {
  PROVIDERS_VALUE_NAMES (ValueString, "string", STRING);
  struct Private {
    gchar *itsvalue = const_cast<gchar *> (kEmptyText); /* owned; may be null, kEmptyText, or inline_text */
    gchar inline_text[kInlineText];

    Private () = default;
    Private (const Private &) = delete;
    ~Private () { free_text (); }

    void free_text () const
    {
      if (itsvalue != kEmptyText && itsvalue != inline_text) g_free (itsvalue);
    }
    /* Replaces the text by `text` (owned) without notification. */
    void store (gchar *text)
    {
      free_text ();
      itsvalue = text;
    }
  };

  /* Copy before freeing: `value` may be the text held now. */
  static void set (Private &p, const gchar *value) { p.store (g_strdup (value)); }
  /* A null text is copied as null, so a clone never fails. */
  static void copy (const Private &from, Private &to) { to.store (g_strdup (from.itsvalue)); }

  static gchar *torvanix_providers_contracts_value_object_to_string (const Private &p) { return g_strdup (p.itsvalue); }
};

using String = providers::values::ValueClass<StringTraits>;

/* A new instance of `type` holding `text` (owned). */
gpointer
make_text_value (GType type, gchar *text)
{
  return String::make (type, text);
}

/* A successful load stores the file's lines without notification. */
void
commit_loaded_text (GObject *self, GByteArray *contents)
{
  g_byte_array_append (contents, reinterpret_cast<const guint8 *> (""), 1);
  String::priv (self).store (reinterpret_cast<gchar *> (g_byte_array_free (contents, FALSE)));
}

}  // namespace

PROVIDERS_DEFINE_VALUE_CLASS (ValueString, value_string, VALUE_STRING, StringTraits, nullptr)

TorvanixProvidersContractsValueString *
providers::values::text_adopt (GType type, gchar *text)
{
  return static_cast<TorvanixProvidersContractsValueString *> (make_text_value (type, text));
}

TorvanixProvidersContractsValueString *
providers::values::text_copy (GType type, const gchar *text, gsize length)
{
  auto *self = String::make (type);
  StringTraits::Private &priv = String::priv (self);
  /* The text ends at a zero byte inside the cell, as a C string does
   * (and as g_strndup copies it). */
  if (length < kInlineText) {
    length = length == 0 ? 0 : strnlen (text, length);
    std::memcpy (priv.inline_text, text, length);
    priv.inline_text[length] = '\0';
    priv.itsvalue = priv.inline_text;
  } else {
    priv.itsvalue = g_strndup (text, length);
  }
  return self;
}

/* The constructors of the class and of a kind that holds the text it is given. */
#define PROVIDERS_DEFINE_TEXT_CONSTRUCTORS(Name, lower, UPPER)                                                       \
  PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (Name, lower, UPPER, , (const gchar *text), (text),                               \
                                      providers_return_val_if_fail (text != NULL, nullptr),                           \
                                      make_text_value (object_type, g_strdup (text)))

PROVIDERS_DEFINE_TEXT_CONSTRUCTORS (ValueString, value_string, VALUE_STRING)

namespace {

/* The text's bytes, with no conversion. A null text is a caller's mistake,
 * but the file is still replaced, by an empty one. */
GBytes *
text_contents (TorvanixProvidersContractsValueString *self, const char *function)
{
  const gchar *text = String::priv (self).itsvalue;
  if (text == nullptr) g_return_if_fail_warning (G_LOG_DOMAIN, function, "itsvalue != NULL");
  return g_bytes_new (text, text ? std::strlen (text) : 0);
}

}  // namespace

PROVIDERS_DEFINE_FILE_IO (ValueString, value_string, VALUE_STRING, load_lines, commit_loaded_text, text_contents)

/* The kinds ------------------------------------------------------------------- */

PROVIDERS_DEFINE_VALUE_KIND (ValueXml, value_xml, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, "xml", XML)
PROVIDERS_DEFINE_VALUE_KIND (ValueJson, value_json, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, "json", JSON)
PROVIDERS_DEFINE_VALUE_KIND (ValueUuid, value_uuid, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, "uuid", UUID)

PROVIDERS_DEFINE_TEXT_CONSTRUCTORS (ValueXml, value_xml, VALUE_XML)
PROVIDERS_DEFINE_TEXT_CONSTRUCTORS (ValueJson, value_json, VALUE_JSON)

PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueUuid, value_uuid, VALUE_UUID, _uuid, (const gchar *uuid), (uuid),
                                    providers_return_val_if_fail (uuid != NULL, nullptr),
                                    make_text_value (object_type, g_strdup (uuid)))
/* GLib's random UUIDs are version 4, in lower case. */
PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueUuid, value_uuid, VALUE_UUID, , (), (), ,
                                    make_text_value (object_type, g_uuid_string_random ()))
