/* ValueError: an error number and message carried as a value, such as the
 * outcome of a failed statement in a batch. */
#include "libproviders/values/value-core.h"

#include "common/check.h"
#include "common/private-data.h"
#include "contracts/values/value-class-private.h"
#include "contracts/values/value-object-private.h"

struct TorvanixProvidersContractsValueErrorPrivate {
  gint code = 0;
  gchar *message = nullptr; /* owned; never null once constructed */

  TorvanixProvidersContractsValueErrorPrivate () = default;
  TorvanixProvidersContractsValueErrorPrivate (const TorvanixProvidersContractsValueErrorPrivate &) = delete;
  ~TorvanixProvidersContractsValueErrorPrivate () { g_free (message); }
};

PROVIDERS_DEFINE_TYPE (TorvanixProvidersContractsValueError, torvanix_providers_contracts_value_error, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)

namespace {

TorvanixProvidersContractsValueErrorPrivate *
priv_of (TorvanixProvidersContractsValueError *self)
{
  return static_cast<TorvanixProvidersContractsValueErrorPrivate *> (
      torvanix_providers_contracts_value_error_get_instance_private (self));
}

TorvanixProvidersContractsValueErrorPrivate *
priv_of (TorvanixProvidersContractsValueObject *self)
{
  return priv_of (TORVANIX_PROVIDERS_CONTRACTS_VALUE_ERROR (self));
}

GQuark
sql_error_quark ()
{
  return g_quark_from_static_string ("SQL");
}

void
value_error_to_value (TorvanixProvidersContractsValueObject *self, GValue *result)
{
  TorvanixProvidersContractsValueErrorPrivate *priv = priv_of (self);
  g_value_init (result, G_TYPE_ERROR);
  g_value_take_boxed (result, g_error_new_literal (sql_error_quark (), priv->code, priv->message));
}

gchar *
value_error_to_string (TorvanixProvidersContractsValueObject *self)
{
  TorvanixProvidersContractsValueErrorPrivate *priv = priv_of (self);
  return g_strdup_printf ("%d:%s", priv->code, priv->message);
}

TorvanixProvidersContractsIValue *
value_error_clone (TorvanixProvidersContractsValueObject *self)
{
  TorvanixProvidersContractsValueErrorPrivate *priv = priv_of (self);
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (
      torvanix_providers_contracts_value_error_construct (G_OBJECT_TYPE (self), priv->code, priv->message));
}

const gchar *
value_error_get_name (TorvanixProvidersContractsValueObject *)
{
  return "error";
}

TorvanixProvidersContractsDataType
value_error_get_data_type (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR;
}

}  // namespace

static void
torvanix_providers_contracts_value_error_class_init (TorvanixProvidersContractsValueErrorClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  object_class->get_property = providers::values::read_only_text_get_property<value_error_to_string>;

  value_class->to_value = value_error_to_value;
  value_class->to_string = value_error_to_string;
  value_class->clone = value_error_clone;
  value_class->get_name = value_error_get_name;
  value_class->get_data_type = value_error_get_data_type;

  providers::values::install_read_only_text_properties (object_class);
}

extern "C" TorvanixProvidersContractsValueError *
torvanix_providers_contracts_value_error_construct (GType object_type, gint code, const gchar *message)
{
  providers_return_val_if_fail (message != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ERROR, nullptr);
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_VALUE_ERROR (torvanix_providers_contracts_value_object_construct (object_type));
  TorvanixProvidersContractsValueErrorPrivate *priv = priv_of (self);
  priv->code = code;
  priv->message = g_strdup (message);
  return self;
}

extern "C" TorvanixProvidersContractsValueError *
torvanix_providers_contracts_value_error_new (gint code, const gchar *message)
{
  /* The check lives in construct, so the warning names that function, as
   * for every constructor pair of the library. */
  return torvanix_providers_contracts_value_error_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ERROR, code, message);
}

extern "C" gchar *
torvanix_providers_contracts_value_error_get_itsvalue (TorvanixProvidersContractsValueError *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ERROR (self), nullptr);
  return value_error_to_string (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (self));
}
