/* ValueNull: a database null. */
#include "libproviders/values/value-core.h"

#include "common/check.h"
#include "contracts/values/value-class-private.h"
#include "contracts/values/value-object-private.h"

G_DEFINE_TYPE (TorvanixProvidersContractsValueNull, torvanix_providers_contracts_value_null,
               TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)

namespace {

void
value_null_to_value (TorvanixProvidersContractsValueObject *, GValue *result)
{
  g_value_init (result, G_TYPE_STRING);
  g_value_set_static_string (result, "NULL");
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

/* "itsvalue" names the null, where to_string answers "". */
gchar *
value_null_itsvalue (TorvanixProvidersContractsValueObject *)
{
  return g_strdup ("NULL");
}

gboolean
value_null_get_is_null (TorvanixProvidersContractsValueObject *)
{
  return TRUE;
}

}  // namespace

static void
torvanix_providers_contracts_value_null_class_init (TorvanixProvidersContractsValueNullClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  object_class->get_property = providers::values::read_only_text_get_property<value_null_itsvalue>;

  /* to_string is ValueObject's: a null prints as "". */
  value_class->to_value = value_null_to_value;
  value_class->clone = value_null_clone;
  value_class->get_name = value_null_get_name;
  value_class->get_data_type = value_null_get_data_type;
  value_class->get_is_null = value_null_get_is_null;

  providers::values::install_read_only_text_properties (object_class);
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
