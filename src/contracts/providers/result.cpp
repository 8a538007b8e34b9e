/* IResult and the two result objects an application may build itself: a
 * row count and an error description. */
#include "libproviders/contracts/result.h"

#include "common/check.h"
#include "common/private-data.h"
#include "common/property-helpers.h"

G_DEFINE_INTERFACE (TorvanixProvidersContractsIResult, torvanix_providers_contracts_iresult, G_TYPE_OBJECT)

static void
torvanix_providers_contracts_iresult_default_init (TorvanixProvidersContractsIResultInterface *)
{
}

/* ScalarResult ------------------------------------------------------------- */

struct TorvanixProvidersContractsScalarResultPrivate {
  gint rows = 0;
};

namespace {

enum { SCALAR_PROP_0, SCALAR_PROP_ROWS, SCALAR_N_PROPS };
GParamSpec *scalar_props[SCALAR_N_PROPS];

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsScalarResult, torvanix_providers_contracts_scalar_result, G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IRESULT, nullptr))

namespace {

TorvanixProvidersContractsScalarResultPrivate *
priv_of (TorvanixProvidersContractsScalarResult *self)
{
  return static_cast<TorvanixProvidersContractsScalarResultPrivate *> (
      torvanix_providers_contracts_scalar_result_get_instance_private (self));
}

void
scalar_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_SCALAR_RESULT (object);
  if (prop_id == SCALAR_PROP_ROWS)
    g_value_set_int (value, priv_of (self)->rows);
  else
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

void
scalar_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_SCALAR_RESULT (object);
  if (prop_id == SCALAR_PROP_ROWS)
    torvanix_providers_contracts_scalar_result_set_rows (self, g_value_get_int (value));
  else
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

}  // namespace

static void
torvanix_providers_contracts_scalar_result_class_init (TorvanixProvidersContractsScalarResultClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = scalar_get_property;
  object_class->set_property = scalar_set_property;
  scalar_props[SCALAR_PROP_ROWS] =
      g_param_spec_int ("rows", "rows", "rows", G_MININT32, G_MAXINT32, 0,
                        static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY | G_PARAM_CONSTRUCT | G_PARAM_STATIC_STRINGS));
  g_object_class_install_properties (object_class, SCALAR_N_PROPS, scalar_props);
}

extern "C" TorvanixProvidersContractsScalarResult *
torvanix_providers_contracts_scalar_result_construct (GType object_type, gint rows)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SCALAR_RESULT, nullptr);
  return static_cast<TorvanixProvidersContractsScalarResult *> (g_object_new (object_type, "rows", rows, nullptr));
}

extern "C" TorvanixProvidersContractsScalarResult *
torvanix_providers_contracts_scalar_result_new (gint rows)
{
  return torvanix_providers_contracts_scalar_result_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SCALAR_RESULT, rows);
}

extern "C" gint
torvanix_providers_contracts_scalar_result_get_rows (TorvanixProvidersContractsScalarResult *self)
{
  providers_return_val_if_fail (self != NULL, 0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SCALAR_RESULT (self), 0);
  return priv_of (self)->rows;
}

extern "C" void
torvanix_providers_contracts_scalar_result_set_rows (TorvanixProvidersContractsScalarResult *self, gint value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SCALAR_RESULT (self));
  auto *priv = priv_of (self);
  if (priv->rows == value) return;
  priv->rows = value;
  g_object_notify_by_pspec (G_OBJECT (self), scalar_props[SCALAR_PROP_ROWS]);
}

/* InvalidResult ------------------------------------------------------------ */

struct TorvanixProvidersContractsInvalidResultPrivate {
  gchar *code = nullptr;
  gchar *message = nullptr;

  TorvanixProvidersContractsInvalidResultPrivate () = default;
  TorvanixProvidersContractsInvalidResultPrivate (const TorvanixProvidersContractsInvalidResultPrivate &) = delete;
  ~TorvanixProvidersContractsInvalidResultPrivate ()
  {
    g_free (code);
    g_free (message);
  }
};

namespace {

enum { INVALID_PROP_0, INVALID_PROP_CODE, INVALID_PROP_MESSAGE, INVALID_N_PROPS };
GParamSpec *invalid_props[INVALID_N_PROPS];

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsInvalidResult, torvanix_providers_contracts_invalid_result, G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IRESULT, nullptr))

namespace {

TorvanixProvidersContractsInvalidResultPrivate *
priv_of (TorvanixProvidersContractsInvalidResult *self)
{
  return static_cast<TorvanixProvidersContractsInvalidResultPrivate *> (
      torvanix_providers_contracts_invalid_result_get_instance_private (self));
}

void
invalid_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  auto *priv = priv_of (TORVANIX_PROVIDERS_CONTRACTS_INVALID_RESULT (object));
  switch (prop_id) {
    case INVALID_PROP_CODE: g_value_set_string (value, priv->code); break;
    case INVALID_PROP_MESSAGE: g_value_set_string (value, priv->message); break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

void
invalid_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_INVALID_RESULT (object);
  switch (prop_id) {
    case INVALID_PROP_CODE: torvanix_providers_contracts_invalid_result_set_code (self, g_value_get_string (value)); break;
    case INVALID_PROP_MESSAGE: torvanix_providers_contracts_invalid_result_set_message (self, g_value_get_string (value)); break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

}  // namespace

static void
torvanix_providers_contracts_invalid_result_class_init (TorvanixProvidersContractsInvalidResultClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = invalid_get_property;
  object_class->set_property = invalid_set_property;
  auto flags = static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY | G_PARAM_CONSTRUCT | G_PARAM_STATIC_STRINGS);
  invalid_props[INVALID_PROP_CODE] = g_param_spec_string ("code", "code", "code", nullptr, flags);
  invalid_props[INVALID_PROP_MESSAGE] = g_param_spec_string ("message", "message", "message", nullptr, flags);
  g_object_class_install_properties (object_class, INVALID_N_PROPS, invalid_props);
}

extern "C" TorvanixProvidersContractsInvalidResult *
torvanix_providers_contracts_invalid_result_construct (GType object_type, const gchar *error_code, const gchar *error_message)
{
  providers_return_val_if_fail (error_code != NULL, nullptr);
  providers_return_val_if_fail (error_message != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_INVALID_RESULT, nullptr);
  return static_cast<TorvanixProvidersContractsInvalidResult *> (
      g_object_new (object_type, "code", error_code, "message", error_message, nullptr));
}

extern "C" TorvanixProvidersContractsInvalidResult *
torvanix_providers_contracts_invalid_result_new (const gchar *error_code, const gchar *error_message)
{
  return torvanix_providers_contracts_invalid_result_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_INVALID_RESULT,
                                                                error_code, error_message);
}

extern "C" const gchar *
torvanix_providers_contracts_invalid_result_get_code (TorvanixProvidersContractsInvalidResult *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_INVALID_RESULT (self), nullptr);
  return priv_of (self)->code;
}

extern "C" void
torvanix_providers_contracts_invalid_result_set_code (TorvanixProvidersContractsInvalidResult *self, const gchar *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_INVALID_RESULT (self));
  if (providers::replace_string (&priv_of (self)->code, value))
    g_object_notify_by_pspec (G_OBJECT (self), invalid_props[INVALID_PROP_CODE]);
}

extern "C" const gchar *
torvanix_providers_contracts_invalid_result_get_message (TorvanixProvidersContractsInvalidResult *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_INVALID_RESULT (self), nullptr);
  return priv_of (self)->message;
}

extern "C" void
torvanix_providers_contracts_invalid_result_set_message (TorvanixProvidersContractsInvalidResult *self, const gchar *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_INVALID_RESULT (self));
  if (providers::replace_string (&priv_of (self)->message, value))
    g_object_notify_by_pspec (G_OBJECT (self), invalid_props[INVALID_PROP_MESSAGE]);
}
