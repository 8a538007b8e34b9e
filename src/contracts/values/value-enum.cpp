/* ValueEnum, ValueFlags and ValueSet: the cell of an enumeration, flags or
 * set column, held as its text. Nothing here takes the text apart. */
#include "libproviders/values/value-enum.h"

#include "common/property-helpers.h"
#include "contracts/values/value-family-private.h"

namespace {

void enum_real_initialize (TorvanixProvidersContractsValueEnum *self, gchar **values, gint count);

struct EnumTraits : providers::values::TextHeld {
  PROVIDERS_VALUE_NAMES (ValueEnum, "enum", ENUM);
  struct Private {
    gchar *itsvalue = nullptr;                                    /* owned, may be null after set_itsvalue */
    GPtrArray *members = g_ptr_array_new_with_free_func (g_free); /* owned texts, filled only by initialize */

    Private () = default;
    Private (const Private &) = delete;
    ~Private ()
    {
      g_free (itsvalue);
      g_ptr_array_unref (members);
    }
  };

  static void set (Private &p, const gchar *value) { providers::replace_string (&p.itsvalue, value); }
  /* A text set to null is still a value of its class, so it clones to
   * another such value rather than to nothing. The member list stays
   * behind: it describes a column, not the cell. */
  static void copy (const Private &from, Private &to) { to.itsvalue = g_strdup (from.itsvalue); }
  static void class_init (Class *klass) { klass->initialize = enum_real_initialize; }

  static gchar *torvanix_providers_contracts_value_object_to_string (const Private &p)
  {
    const gchar *itsvalue = p.itsvalue;
    providers_warn_if_fail (itsvalue != NULL);
    return g_strdup (itsvalue);
  }
};

using Enum = providers::values::ValueClass<EnumTraits>;

void
enum_real_initialize (TorvanixProvidersContractsValueEnum *self, gchar **values, gint count)
{
  if (count < 1 || values == nullptr) return;
  GPtrArray *members = Enum::priv (self).members;
  for (gint i = 0; i < count; ++i) g_ptr_array_add (members, g_strdup (values[i]));
}

/* Callers have checked that the type is a ValueEnum. */
gpointer
make (GType object_type, const gchar *text)
{
  return Enum::make (object_type, g_strdup (text));
}

}  // namespace

PROVIDERS_DEFINE_VALUE_CLASS (ValueEnum, value_enum, VALUE_ENUM, EnumTraits, nullptr)

extern "C" void
torvanix_providers_contracts_value_enum_initialize (TorvanixProvidersContractsValueEnum *self, gchar **values, gint count)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ENUM (self));
  providers_return_if_fail (count < 1 || values != NULL);
  auto *klass = TORVANIX_PROVIDERS_CONTRACTS_VALUE_ENUM_GET_CLASS (self);
  if (klass->initialize) klass->initialize (self, values, count);
}

PROVIDERS_DEFINE_VALUE_KIND (ValueFlags, value_flags, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ENUM, "flags", FLAGS)
PROVIDERS_DEFINE_VALUE_KIND (ValueSet, value_set, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ENUM, "set", SET)

/* The constructors of the class and of its kinds: a copy of the text. */
#define PROVIDERS_DEFINE_ENUM_CONSTRUCTORS(Name, lower, UPPER, text)                                               \
  PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (Name, lower, UPPER, , (const gchar *text), (text),                             \
                                      providers_return_val_if_fail (text != NULL, nullptr), make (object_type, text))

PROVIDERS_DEFINE_ENUM_CONSTRUCTORS (ValueEnum, value_enum, VALUE_ENUM, enum_value)
PROVIDERS_DEFINE_ENUM_CONSTRUCTORS (ValueFlags, value_flags, VALUE_FLAGS, flag_value)
PROVIDERS_DEFINE_ENUM_CONSTRUCTORS (ValueSet, value_set, VALUE_SET, set_value)
