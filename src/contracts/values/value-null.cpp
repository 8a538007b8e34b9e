/* ValueNull: a database null. */
#include "libproviders/values/value-core.h"

#include "common/check.h"
#include "contracts/values/value-class-private.h"
#include "contracts/values/value-object-private.h"

namespace {

GParamSpec *itsvalue_pspec;

}  // namespace

G_DEFINE_TYPE (TorvanixProvidersContractsValueNull, torvanix_providers_contracts_value_null,
               TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)

namespace {

void
value_null_to_value (TorvanixProvidersContractsValueObject *, GValue *result)
{
  g_value_init (result, G_TYPE_STRING);
  g_value_set_static_string (result, "NULL");
}

gchar *
value_null_to_string (TorvanixProvidersContractsValueObject *)
{
  return g_strdup ("");
}

TorvanixProvidersContractsIValue *
value_null_clone (TorvanixProvidersContractsValueObject *self)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (torvanix_providers_contracts_value_null_construct (G_OBJECT_TYPE (self)));
}

const gchar *
value_null_get_name (TorvanixProvidersContractsValueObject *)
{
  return "NULL";
}

TorvanixProvidersContractsDataType
value_null_get_data_type (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL;
}

gboolean
value_null_get_is_null (TorvanixProvidersContractsValueObject *)
{
  return TRUE;
}

void
value_null_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE) {
    g_value_set_string (value,
                        torvanix_providers_contracts_value_null_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_NULL (object)));
  } else if (!providers::values::get_standard_property (object, prop_id, value)) {
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

}  // namespace

static void
torvanix_providers_contracts_value_null_class_init (TorvanixProvidersContractsValueNullClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  object_class->get_property = value_null_get_property;

  value_class->to_value = value_null_to_value;
  value_class->to_string = value_null_to_string;
  value_class->clone = value_null_clone;
  value_class->get_name = value_null_get_name;
  value_class->get_data_type = value_null_get_data_type;
  value_class->get_is_null = value_null_get_is_null;

  /* "itsvalue" is read-only text; this class installs "is-null" after it
   * rather than inheriting it. */
  itsvalue_pspec = providers::values::install_value_properties (
      object_class, g_param_spec_string ("itsvalue", "itsvalue", "itsvalue", nullptr,
                                         static_cast<GParamFlags> (G_PARAM_READABLE | G_PARAM_STATIC_STRINGS)));
  g_object_class_install_property (object_class, providers::values::PROP_IS_NULL, providers::values::is_null_pspec ());
}

static void
torvanix_providers_contracts_value_null_init (TorvanixProvidersContractsValueNull *)
{
}

extern "C" TorvanixProvidersContractsValueNull *
torvanix_providers_contracts_value_null_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_VALUE_NULL (torvanix_providers_contracts_value_object_construct (object_type));
}

extern "C" TorvanixProvidersContractsValueNull *
torvanix_providers_contracts_value_null_new (void)
{
  return torvanix_providers_contracts_value_null_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL);
}

extern "C" const gchar *
torvanix_providers_contracts_value_null_get_itsvalue (TorvanixProvidersContractsValueNull *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_NULL (self), nullptr);
  return "NULL";
}
