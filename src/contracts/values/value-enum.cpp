/* ValueEnum, ValueFlags and ValueSet: the cell of an enumeration, flags or
 * set column, held as its text. Nothing here takes the text apart. */
#include "libproviders/values/value-enum.h"

#include "common/check.h"
#include "common/private-data.h"
#include "common/compat-texts.h"
#include "common/property-helpers.h"
#include "contracts/values/value-object-private.h"
#include "contracts/values/value-class-private.h"

struct TorvanixProvidersContractsValueEnumPrivate {
  gchar *itsvalue = nullptr;                                  /* owned, may be null after set_itsvalue */
  GPtrArray *members = g_ptr_array_new_with_free_func (g_free); /* owned texts, filled only by initialize */

  TorvanixProvidersContractsValueEnumPrivate () = default;
  TorvanixProvidersContractsValueEnumPrivate (const TorvanixProvidersContractsValueEnumPrivate &) = delete;
  ~TorvanixProvidersContractsValueEnumPrivate () { 
    g_free (itsvalue);
    g_ptr_array_unref (members);
   }
};

namespace {

GParamSpec *itsvalue_pspec;

}  // namespace

PROVIDERS_DEFINE_TYPE (TorvanixProvidersContractsValueEnum, torvanix_providers_contracts_value_enum, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)

namespace {

TorvanixProvidersContractsValueEnumPrivate *
priv_of (gpointer self)
{
  return static_cast<TorvanixProvidersContractsValueEnumPrivate *> (
      torvanix_providers_contracts_value_enum_get_instance_private (static_cast<TorvanixProvidersContractsValueEnum *> (self)));
}

/* Callers have checked that the type is a ValueEnum. */
TorvanixProvidersContractsValueEnum *
make (GType object_type, const gchar *text)
{
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_VALUE_ENUM (torvanix_providers_contracts_value_object_construct (object_type));
  priv_of (self)->itsvalue = g_strdup (text);
  return self;
}

void
enum_to_value (TorvanixProvidersContractsValueObject *self, GValue *result)
{
  g_value_init (result, G_TYPE_STRING);
  g_value_set_string (result, priv_of (self)->itsvalue);
}

gchar *
enum_to_string (TorvanixProvidersContractsValueObject *self)
{
  const gchar *text = priv_of (self)->itsvalue;
  if (text == nullptr)
    g_return_if_fail_warning (G_LOG_DOMAIN, PROVIDERS_FN_VALUE_OBJECT_TO_STRING, "itsvalue != NULL");
  return g_strdup (text);
}

/* A text set to null is still a value of its class, so it clones to
 * another such value rather than to nothing. The member list stays
 * behind: it describes a column, not the cell. */
TorvanixProvidersContractsIValue *
enum_clone (TorvanixProvidersContractsValueObject *self)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (make (G_OBJECT_TYPE (self), priv_of (self)->itsvalue));
}

const gchar *
enum_get_name (TorvanixProvidersContractsValueObject *)
{
  return "enum";
}

TorvanixProvidersContractsDataType
enum_get_data_type (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM;
}

void
enum_real_initialize (TorvanixProvidersContractsValueEnum *self, gchar **values, gint count)
{
  if (count < 1 || values == nullptr) return;
  GPtrArray *members = priv_of (self)->members;
  for (gint i = 0; i < count; ++i) g_ptr_array_add (members, g_strdup (values[i]));
}

void
enum_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE) {
    g_value_set_string (value, priv_of (object)->itsvalue);
  } else if (!providers::values::get_standard_property (object, prop_id, value)) {
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

void
enum_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE) {
    torvanix_providers_contracts_value_enum_set_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_ENUM (object),
                                                          g_value_get_string (value));
  } else {
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

}  // namespace

/* ValueEnum ------------------------------------------------------------------- */

static void
torvanix_providers_contracts_value_enum_class_init (TorvanixProvidersContractsValueEnumClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  object_class->get_property = enum_get_property;
  object_class->set_property = enum_set_property;

  value_class->to_value = enum_to_value;
  value_class->to_string = enum_to_string;
  value_class->clone = enum_clone;
  value_class->get_name = enum_get_name;
  value_class->get_data_type = enum_get_data_type;
  klass->initialize = enum_real_initialize;

  itsvalue_pspec = providers::values::install_value_properties (object_class, providers::values::text_itsvalue_pspec ());
}

extern "C" TorvanixProvidersContractsValueEnum *
torvanix_providers_contracts_value_enum_construct (GType object_type, const gchar *enum_value)
{
  providers_return_val_if_fail (enum_value != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ENUM, nullptr);
  return make (object_type, enum_value);
}

extern "C" TorvanixProvidersContractsValueEnum *
torvanix_providers_contracts_value_enum_new (const gchar *enum_value)
{
  return torvanix_providers_contracts_value_enum_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ENUM, enum_value);
}

extern "C" const gchar *
torvanix_providers_contracts_value_enum_get_itsvalue (TorvanixProvidersContractsValueEnum *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ENUM (self), nullptr);
  return priv_of (self)->itsvalue;
}

extern "C" void
torvanix_providers_contracts_value_enum_set_itsvalue (TorvanixProvidersContractsValueEnum *self, const gchar *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ENUM (self));
  providers::replace_string (&priv_of (self)->itsvalue, value);
  g_object_notify_by_pspec (G_OBJECT (self), itsvalue_pspec);
}

extern "C" void
torvanix_providers_contracts_value_enum_initialize (TorvanixProvidersContractsValueEnum *self, gchar **values, gint count)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ENUM (self));
  providers_return_if_fail (count < 1 || values != NULL);
  auto *klass = TORVANIX_PROVIDERS_CONTRACTS_VALUE_ENUM_GET_CLASS (self);
  if (klass->initialize) klass->initialize (self, values, count);
}

/* ValueFlags ------------------------------------------------------------------ */

PROVIDERS_DEFINE_VALUE_KIND (ValueFlags, value_flags, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ENUM, "flags", FLAGS)

extern "C" TorvanixProvidersContractsValueFlags *
torvanix_providers_contracts_value_flags_construct (GType object_type, const gchar *flag_value)
{
  providers_return_val_if_fail (flag_value != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_FLAGS, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_VALUE_FLAGS (make (object_type, flag_value));
}

extern "C" TorvanixProvidersContractsValueFlags *
torvanix_providers_contracts_value_flags_new (const gchar *flag_value)
{
  return torvanix_providers_contracts_value_flags_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_FLAGS, flag_value);
}

/* ValueSet -------------------------------------------------------------------- */

PROVIDERS_DEFINE_VALUE_KIND (ValueSet, value_set, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ENUM, "set", SET)

extern "C" TorvanixProvidersContractsValueSet *
torvanix_providers_contracts_value_set_construct (GType object_type, const gchar *set_value)
{
  providers_return_val_if_fail (set_value != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_SET, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_VALUE_SET (make (object_type, set_value));
}

extern "C" TorvanixProvidersContractsValueSet *
torvanix_providers_contracts_value_set_new (const gchar *set_value)
{
  return torvanix_providers_contracts_value_set_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_SET, set_value);
}
