/* DataSetModel: a result of several tables, as a list model of them. */
#include "libproviders/models/data-set-model.h"

#include <gio/gio.h>

#include "common/check.h"
#include "common/gobject-ref.h"
#include "common/private-data.h"
#include "contracts/models/list-access-internal.h"
#include "common/property-helpers.h"

struct TorvanixProvidersContractsDataSetModelPrivate {
  providers::GRef<GeeArrayList> tables =
      providers::adopt_ref (providers::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_TABLE_MODEL));
};

namespace {

enum { PROP_0, PROP_TABLES, N_PROPS };
GParamSpec *props[N_PROPS];

void data_set_list_model_init (GListModelInterface *iface);

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsDataSetModel, torvanix_providers_contracts_data_set_model, G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (G_TYPE_LIST_MODEL, data_set_list_model_init))

namespace {

GeeArrayList *
tables_of (gpointer self)
{
  return static_cast<TorvanixProvidersContractsDataSetModelPrivate *> (
             torvanix_providers_contracts_data_set_model_get_instance_private (
                 TORVANIX_PROVIDERS_CONTRACTS_DATA_SET_MODEL (self)))
      ->tables.get ();
}

void
data_set_list_model_init (GListModelInterface *iface)
{
  providers::models::publish_list<torvanix_providers_contracts_table_model_get_type, tables_of> (iface);
}

void
data_set_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  if (prop_id == PROP_TABLES)
    g_value_set_object (value, tables_of (object));
  else
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

}  // namespace

static void
torvanix_providers_contracts_data_set_model_class_init (TorvanixProvidersContractsDataSetModelClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = data_set_get_property;
  props[PROP_TABLES] = providers::list_pspec ("tables");
  g_object_class_install_properties (object_class, N_PROPS, props);
}

extern "C" TorvanixProvidersContractsDataSetModel *
torvanix_providers_contracts_data_set_model_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_DATA_SET_MODEL, nullptr);
  return static_cast<TorvanixProvidersContractsDataSetModel *> (g_object_new (object_type, nullptr));
}

extern "C" TorvanixProvidersContractsDataSetModel *
torvanix_providers_contracts_data_set_model_new (void)
{
  return torvanix_providers_contracts_data_set_model_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_DATA_SET_MODEL);
}

extern "C" GeeArrayList *
torvanix_providers_contracts_data_set_model_get_tables (TorvanixProvidersContractsDataSetModel *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_DATA_SET_MODEL (self), nullptr);
  return tables_of (self);
}
