/* ColumnModel: the description of one result column. */
#include "libproviders/models/column-model.h"

#include "common/check.h"
#include "common/private-data.h"
#include "common/property-helpers.h"

struct TorvanixProvidersContractsColumnModelPrivate {
  gchar *name = nullptr;
  gchar *title = nullptr;
  int data_type = 0; /* as the caller's number: C may pass one the enumeration lacks */
  gulong data_size = 0;

  TorvanixProvidersContractsColumnModelPrivate () = default;
  TorvanixProvidersContractsColumnModelPrivate (const TorvanixProvidersContractsColumnModelPrivate &) = delete;
  ~TorvanixProvidersContractsColumnModelPrivate ()
  {
    g_free (name);
    g_free (title);
  }
};

namespace {

enum { PROP_0, PROP_NAME, PROP_TITLE, PROP_DATA_TYPE, PROP_DATA_SIZE, N_PROPS };
GParamSpec *props[N_PROPS];

}  // namespace

PROVIDERS_DEFINE_TYPE (TorvanixProvidersContractsColumnModel, torvanix_providers_contracts_column_model, G_TYPE_OBJECT)

namespace {

TorvanixProvidersContractsColumnModelPrivate *
priv_of (TorvanixProvidersContractsColumnModel *self)
{
  return static_cast<TorvanixProvidersContractsColumnModelPrivate *> (
      torvanix_providers_contracts_column_model_get_instance_private (self));
}

void
column_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  auto *priv = priv_of (TORVANIX_PROVIDERS_CONTRACTS_COLUMN_MODEL (object));
  switch (prop_id) {
    case PROP_NAME: g_value_set_string (value, priv->name); break;
    case PROP_TITLE: g_value_set_string (value, priv->title); break;
    case PROP_DATA_TYPE: g_value_set_enum (value, priv->data_type); break;
    case PROP_DATA_SIZE: g_value_set_ulong (value, priv->data_size); break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

void
column_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_COLUMN_MODEL (object);
  switch (prop_id) {
    case PROP_NAME: torvanix_providers_contracts_column_model_set_name (self, g_value_get_string (value)); break;
    case PROP_TITLE: torvanix_providers_contracts_column_model_set_title (self, g_value_get_string (value)); break;
    case PROP_DATA_TYPE:
      torvanix_providers_contracts_column_model_set_data_type (
          self, static_cast<TorvanixProvidersContractsDataType> (g_value_get_enum (value)));
      break;
    case PROP_DATA_SIZE: torvanix_providers_contracts_column_model_set_data_size (self, g_value_get_ulong (value)); break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

}  // namespace

static void
torvanix_providers_contracts_column_model_class_init (TorvanixProvidersContractsColumnModelClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = column_get_property;
  object_class->set_property = column_set_property;

  auto flags = static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY | G_PARAM_CONSTRUCT | G_PARAM_STATIC_STRINGS);
  props[PROP_NAME] = g_param_spec_string ("name", "name", "name", nullptr, flags);
  props[PROP_TITLE] = g_param_spec_string ("title", "title", "title", nullptr, flags);
  props[PROP_DATA_TYPE] = g_param_spec_enum ("data-type", "data-type", "data-type", TORVANIX_PROVIDERS_CONTRACTS_TYPE_DATA_TYPE,
                                             TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, flags);
  props[PROP_DATA_SIZE] = g_param_spec_ulong ("data-size", "data-size", "data-size", 0, G_MAXULONG, 0, flags);
  g_object_class_install_properties (object_class, N_PROPS, props);
}

namespace {

/* The type and size are stored directly: a C caller may pass a type
 * number the enumeration does not list, which the property would refuse. */
TorvanixProvidersContractsColumnModel *
make_column (GType object_type, const gchar *name, int type, gulong size)
{
  auto *self = static_cast<TorvanixProvidersContractsColumnModel *> (g_object_new (object_type, "name", name, nullptr));
  auto *priv = priv_of (self);
  priv->data_type = type;
  priv->data_size = size;
  return self;
}

}  // namespace

extern "C" TorvanixProvidersContractsColumnModel *
torvanix_providers_contracts_column_model_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL, nullptr);
  return make_column (object_type, "", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, 0);
}

extern "C" TorvanixProvidersContractsColumnModel *
torvanix_providers_contracts_column_model_new (void)
{
  return torvanix_providers_contracts_column_model_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL);
}

extern "C" TorvanixProvidersContractsColumnModel *
torvanix_providers_contracts_column_model_construct_with_type (GType object_type, TorvanixProvidersContractsDataType type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL, nullptr);
  return make_column (object_type, "", providers::raw_enum (type), 0);
}

extern "C" TorvanixProvidersContractsColumnModel *
torvanix_providers_contracts_column_model_new_with_type (TorvanixProvidersContractsDataType type)
{
  return torvanix_providers_contracts_column_model_construct_with_type (TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL, type);
}

extern "C" TorvanixProvidersContractsColumnModel *
torvanix_providers_contracts_column_model_construct_full (GType object_type, const gchar *column_name,
                                                          TorvanixProvidersContractsDataType type)
{
  providers_return_val_if_fail (column_name != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL, nullptr);
  return make_column (object_type, column_name, providers::raw_enum (type), 0);
}

extern "C" TorvanixProvidersContractsColumnModel *
torvanix_providers_contracts_column_model_new_full (const gchar *column_name, TorvanixProvidersContractsDataType type)
{
  return torvanix_providers_contracts_column_model_construct_full (TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL,
                                                                   column_name, type);
}

extern "C" TorvanixProvidersContractsColumnModel *
torvanix_providers_contracts_column_model_construct_full_size (GType object_type, const gchar *column_name,
                                                               TorvanixProvidersContractsDataType type, gulong size)
{
  providers_return_val_if_fail (column_name != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL, nullptr);
  return make_column (object_type, column_name, providers::raw_enum (type), size);
}

extern "C" TorvanixProvidersContractsColumnModel *
torvanix_providers_contracts_column_model_new_full_size (const gchar *column_name, TorvanixProvidersContractsDataType type,
                                                         gulong size)
{
  return torvanix_providers_contracts_column_model_construct_full_size (TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL,
                                                                        column_name, type, size);
}

extern "C" const gchar *
torvanix_providers_contracts_column_model_get_name (TorvanixProvidersContractsColumnModel *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_COLUMN_MODEL (self), nullptr);
  return priv_of (self)->name;
}

extern "C" void
torvanix_providers_contracts_column_model_set_name (TorvanixProvidersContractsColumnModel *self, const gchar *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_COLUMN_MODEL (self));
  if (providers::replace_string (&priv_of (self)->name, value))
    g_object_notify_by_pspec (G_OBJECT (self), props[PROP_NAME]);
}

extern "C" const gchar *
torvanix_providers_contracts_column_model_get_title (TorvanixProvidersContractsColumnModel *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_COLUMN_MODEL (self), nullptr);
  return priv_of (self)->title;
}

extern "C" void
torvanix_providers_contracts_column_model_set_title (TorvanixProvidersContractsColumnModel *self, const gchar *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_COLUMN_MODEL (self));
  if (providers::replace_string (&priv_of (self)->title, value))
    g_object_notify_by_pspec (G_OBJECT (self), props[PROP_TITLE]);
}

extern "C" TorvanixProvidersContractsDataType
torvanix_providers_contracts_column_model_get_data_type (TorvanixProvidersContractsColumnModel *self)
{
  providers_return_val_if_fail (self != NULL, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_COLUMN_MODEL (self), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  return static_cast<TorvanixProvidersContractsDataType> (priv_of (self)->data_type);
}

extern "C" void
torvanix_providers_contracts_column_model_set_data_type (TorvanixProvidersContractsColumnModel *self,
                                                         TorvanixProvidersContractsDataType value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_COLUMN_MODEL (self));
  auto *priv = priv_of (self);
  int raw = providers::raw_enum (value);
  if (priv->data_type == raw) return;
  priv->data_type = raw;
  g_object_notify_by_pspec (G_OBJECT (self), props[PROP_DATA_TYPE]);
}

extern "C" gulong
torvanix_providers_contracts_column_model_get_data_size (TorvanixProvidersContractsColumnModel *self)
{
  providers_return_val_if_fail (self != NULL, 0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_COLUMN_MODEL (self), 0);
  return priv_of (self)->data_size;
}

extern "C" void
torvanix_providers_contracts_column_model_set_data_size (TorvanixProvidersContractsColumnModel *self, gulong value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_COLUMN_MODEL (self));
  auto *priv = priv_of (self);
  if (priv->data_size == value) return;
  priv->data_size = value;
  g_object_notify_by_pspec (G_OBJECT (self), props[PROP_DATA_SIZE]);
}
