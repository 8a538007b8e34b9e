/* A list model of tables. */
#ifndef LIBPROVIDERS_MODELS_DATA_SET_MODEL_H
#define LIBPROVIDERS_MODELS_DATA_SET_MODEL_H

#include <glib-object.h>
#include <gee.h>
#include <libproviders/providers-macros.h>
#include <libproviders/models/table-model.h>

G_BEGIN_DECLS

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_DATA_SET_MODEL (torvanix_providers_contracts_data_set_model_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsDataSetModel, torvanix_providers_contracts_data_set_model,
                          TORVANIX_PROVIDERS_CONTRACTS, DATA_SET_MODEL, GObject)

/**
 * TorvanixProvidersContractsDataSetModelClass:
 *
 * A result made of several tables, as a #GListModel of them. Changes made
 * through the list returned by get_tables emit nothing.
 */
struct _TorvanixProvidersContractsDataSetModelClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_data_set_model_new:
 *
 * Returns: (transfer full): an empty data set
 */
PROVIDERS_API TorvanixProvidersContractsDataSetModel *torvanix_providers_contracts_data_set_model_new (void);
/**
 * torvanix_providers_contracts_data_set_model_construct:
 * @object_type: DataSetModel or a subclass
 *
 * Returns: (transfer full) (nullable): a new empty instance
 */
PROVIDERS_API TorvanixProvidersContractsDataSetModel *torvanix_providers_contracts_data_set_model_construct (GType object_type);
/**
 * torvanix_providers_contracts_data_set_model_get_tables:
 * @self: a data set
 *
 * Returns: (transfer none) (nullable): the table list, element type
 *   TableModel
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_data_set_model_get_tables (TorvanixProvidersContractsDataSetModel *self);

G_END_DECLS

#endif /* LIBPROVIDERS_MODELS_DATA_SET_MODEL_H */
