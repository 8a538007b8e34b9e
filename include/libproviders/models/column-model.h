/* Column descriptions. */
#ifndef LIBPROVIDERS_MODELS_COLUMN_MODEL_H
#define LIBPROVIDERS_MODELS_COLUMN_MODEL_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/data-type.h>

G_BEGIN_DECLS

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL (torvanix_providers_contracts_column_model_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsColumnModel, torvanix_providers_contracts_column_model,
                          TORVANIX_PROVIDERS_CONTRACTS, COLUMN_MODEL, GObject)

/**
 * TorvanixProvidersContractsColumnModelClass:
 *
 * One column of a result: "name", "title", "data-type" and "data-size".
 */
struct _TorvanixProvidersContractsColumnModelClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_column_model_new:
 *
 * Returns: (transfer full): a column with an empty name and the unknown type
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_new (void);
/**
 * torvanix_providers_contracts_column_model_construct:
 * @object_type: ColumnModel or a subclass
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_construct (GType object_type);
/**
 * torvanix_providers_contracts_column_model_new_with_type:
 * @type: the column's data type
 *
 * Returns: (transfer full): a column with an empty name and @type
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_new_with_type (TorvanixProvidersContractsDataType type);
/**
 * torvanix_providers_contracts_column_model_construct_with_type:
 * @object_type: ColumnModel or a subclass
 * @type: the column's data type
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_construct_with_type (GType object_type, TorvanixProvidersContractsDataType type);
/**
 * torvanix_providers_contracts_column_model_new_full:
 * @column_name: the column's name; copied
 * @type: the column's data type
 *
 * Returns: (transfer full) (nullable): a new column, %NULL when
 *   @column_name is %NULL
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_new_full (const gchar *column_name, TorvanixProvidersContractsDataType type);
/**
 * torvanix_providers_contracts_column_model_construct_full:
 * @object_type: ColumnModel or a subclass
 * @column_name: the column's name; copied
 * @type: the column's data type
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_construct_full (GType object_type, const gchar *column_name, TorvanixProvidersContractsDataType type);
/**
 * torvanix_providers_contracts_column_model_new_full_size:
 * @column_name: the column's name; copied
 * @type: the column's data type
 * @size: the column's size
 *
 * Returns: (transfer full) (nullable): a new column, %NULL when
 *   @column_name is %NULL
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_new_full_size (const gchar *column_name, TorvanixProvidersContractsDataType type, gulong size);
/**
 * torvanix_providers_contracts_column_model_construct_full_size:
 * @object_type: ColumnModel or a subclass
 * @column_name: the column's name; copied
 * @type: the column's data type
 * @size: the column's size
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_construct_full_size (GType object_type, const gchar *column_name, TorvanixProvidersContractsDataType type, gulong size);

/**
 * torvanix_providers_contracts_column_model_get_name:
 * @self: a column
 *
 * Returns: (transfer none) (nullable): the name
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_column_model_get_name (TorvanixProvidersContractsColumnModel *self);
/**
 * torvanix_providers_contracts_column_model_set_name:
 * @self: a column
 * @value: (nullable): the new name; copied
 */
PROVIDERS_API void torvanix_providers_contracts_column_model_set_name (TorvanixProvidersContractsColumnModel *self, const gchar *value);
/**
 * torvanix_providers_contracts_column_model_get_title:
 * @self: a column
 *
 * Returns: (transfer none) (nullable): the display title; %NULL until set
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_column_model_get_title (TorvanixProvidersContractsColumnModel *self);
/**
 * torvanix_providers_contracts_column_model_set_title:
 * @self: a column
 * @value: (nullable): the new title; copied
 */
PROVIDERS_API void torvanix_providers_contracts_column_model_set_title (TorvanixProvidersContractsColumnModel *self, const gchar *value);
PROVIDERS_API TorvanixProvidersContractsDataType torvanix_providers_contracts_column_model_get_data_type (TorvanixProvidersContractsColumnModel *self);
PROVIDERS_API void torvanix_providers_contracts_column_model_set_data_type (TorvanixProvidersContractsColumnModel *self, TorvanixProvidersContractsDataType value);
PROVIDERS_API gulong torvanix_providers_contracts_column_model_get_data_size (TorvanixProvidersContractsColumnModel *self);
PROVIDERS_API void torvanix_providers_contracts_column_model_set_data_size (TorvanixProvidersContractsColumnModel *self, gulong value);

G_END_DECLS

#endif /* LIBPROVIDERS_MODELS_COLUMN_MODEL_H */
