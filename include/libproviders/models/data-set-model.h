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
 * TorvanixProvidersContractsDataSetModel:
 *
 * A result made of several tables, as a #GListModel of them. An application
 * makes one to gather the tables of several statements; the list
 * torvanix_providers_contracts_data_set_model_get_tables() returns belongs
 * to the data set (transfer none). Changes made through that list emit
 * nothing. A data set belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsDataSetModel:tables:
 *
 * The data set's own #GeeArrayList of #TorvanixProvidersContractsTableModel,
 * empty at first; read-only, and it never notifies, as the list itself
 * stays the same.
 */

/**
 * TorvanixProvidersContractsDataSetModelClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsDataSetModel; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsDataSetModelClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_data_set_model_new:
 *
 * Makes a data set with no tables.
 *
 * Returns: (transfer full): an empty data set
 */
PROVIDERS_API TorvanixProvidersContractsDataSetModel *torvanix_providers_contracts_data_set_model_new (void);
/**
 * torvanix_providers_contracts_data_set_model_construct:
 * @object_type: DataSetModel or a subclass
 *
 * Makes an empty data set of @object_type, for a subclass's constructor. A
 * wrong @object_type logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new empty instance, or %NULL for a
 *   wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsDataSetModel *torvanix_providers_contracts_data_set_model_construct (GType object_type);
/**
 * torvanix_providers_contracts_data_set_model_get_tables:
 * @self: a data set
 *
 * Gets the data set's own list of tables; adding to it is how a data set
 * is filled.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer none) (nullable): the table list, element type
 *   TableModel
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_data_set_model_get_tables (TorvanixProvidersContractsDataSetModel *self);

G_END_DECLS

#endif /* LIBPROVIDERS_MODELS_DATA_SET_MODEL_H */
