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
 * TorvanixProvidersContractsColumnModel:
 *
 * One column of a result: its name, its display title, the data type of its
 * values and its size. A provider makes one per column of each result it
 * reads (#TorvanixProvidersContractsTableModel:columns); an application may
 * make its own for a table it fills. Its getters return strings the column
 * keeps (transfer none). A column belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsColumnModel:name:
 *
 * The column's name as the server labels it (an alias when the statement
 * gives one). %NULL by default; notifies when it changes.
 */

/**
 * TorvanixProvidersContractsColumnModel:title:
 *
 * A display title an application may give the column; the library never
 * sets it. %NULL by default; notifies when it changes.
 */

/**
 * TorvanixProvidersContractsColumnModel:data-type:
 *
 * The data type of the column's values, which names the value class of its
 * cells. %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN by default;
 * notifies when it changes.
 */

/**
 * TorvanixProvidersContractsColumnModel:data-size:
 *
 * The column's size as the server declares it (its display width, in
 * characters or bytes); 0 when unknown, which is the default. Notifies
 * when it changes.
 */

/**
 * TorvanixProvidersContractsColumnModelClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsColumnModel; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsColumnModelClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_column_model_new:
 *
 * Makes a column with no name, of the unknown data type and size 0.
 *
 * Returns: (transfer full): a column with an empty name and the unknown type
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_new (void);
/**
 * torvanix_providers_contracts_column_model_construct:
 * @object_type: ColumnModel or a subclass
 *
 * Makes a column of @object_type, for a subclass's constructor. A type that
 * is not ColumnModel or a subclass logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   @object_type
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_construct (GType object_type);
/**
 * torvanix_providers_contracts_column_model_new_with_type:
 * @type: the column's data type
 *
 * Makes an unnamed column of @type.
 *
 * Returns: (transfer full): a column with an empty name and @type
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_new_with_type (TorvanixProvidersContractsDataType type);
/**
 * torvanix_providers_contracts_column_model_construct_with_type:
 * @object_type: ColumnModel or a subclass
 * @type: the column's data type
 *
 * Makes an unnamed column of @object_type and @type, for a subclass's
 * constructor. A wrong @object_type logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   @object_type
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_construct_with_type (GType object_type, TorvanixProvidersContractsDataType type);
/**
 * torvanix_providers_contracts_column_model_new_full:
 * @column_name: the column's name; copied
 * @type: the column's data type
 *
 * Makes a named column of @type. A %NULL @column_name logs a CRITICAL
 * naming this function.
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
 * Makes a named column of @object_type, for a subclass's constructor. A
 * %NULL @column_name or a wrong @object_type logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   argument
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_construct_full (GType object_type, const gchar *column_name, TorvanixProvidersContractsDataType type);
/**
 * torvanix_providers_contracts_column_model_new_full_size:
 * @column_name: the column's name; copied
 * @type: the column's data type
 * @size: the column's size
 *
 * Makes a named column of @type and @size. A %NULL @column_name logs a
 * CRITICAL naming this function.
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
 * Makes a named column of @object_type, @type and @size, for a subclass's
 * constructor. A %NULL @column_name or a wrong @object_type logs a CRITICAL
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   argument
 */
PROVIDERS_API TorvanixProvidersContractsColumnModel *torvanix_providers_contracts_column_model_construct_full_size (GType object_type, const gchar *column_name, TorvanixProvidersContractsDataType type, gulong size);

/**
 * torvanix_providers_contracts_column_model_get_name:
 * @self: a column
 *
 * Gets #TorvanixProvidersContractsColumnModel:name.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer none) (nullable): the name
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_column_model_get_name (TorvanixProvidersContractsColumnModel *self);
/**
 * torvanix_providers_contracts_column_model_set_name:
 * @self: a column
 * @value: (nullable): the new name; copied
 *
 * Sets #TorvanixProvidersContractsColumnModel:name, notifying it when it
 * changes.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_column_model_set_name (TorvanixProvidersContractsColumnModel *self, const gchar *value);
/**
 * torvanix_providers_contracts_column_model_get_title:
 * @self: a column
 *
 * Gets #TorvanixProvidersContractsColumnModel:title.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer none) (nullable): the display title; %NULL until set
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_column_model_get_title (TorvanixProvidersContractsColumnModel *self);
/**
 * torvanix_providers_contracts_column_model_set_title:
 * @self: a column
 * @value: (nullable): the new title; copied
 *
 * Sets #TorvanixProvidersContractsColumnModel:title, notifying it when it
 * changes.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_column_model_set_title (TorvanixProvidersContractsColumnModel *self, const gchar *value);
/**
 * torvanix_providers_contracts_column_model_get_data_type:
 * @self: a column
 *
 * Gets #TorvanixProvidersContractsColumnModel:data-type.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN.
 *
 * Returns: the data type of the column's values
 */
PROVIDERS_API TorvanixProvidersContractsDataType torvanix_providers_contracts_column_model_get_data_type (TorvanixProvidersContractsColumnModel *self);
/**
 * torvanix_providers_contracts_column_model_set_data_type:
 * @self: a column
 * @value: the new data type
 *
 * Sets #TorvanixProvidersContractsColumnModel:data-type, notifying it when
 * it changes.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_column_model_set_data_type (TorvanixProvidersContractsColumnModel *self, TorvanixProvidersContractsDataType value);
/**
 * torvanix_providers_contracts_column_model_get_data_size:
 * @self: a column
 *
 * Gets #TorvanixProvidersContractsColumnModel:data-size.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers 0.
 *
 * Returns: the column's declared size, 0 when unknown
 */
PROVIDERS_API gulong torvanix_providers_contracts_column_model_get_data_size (TorvanixProvidersContractsColumnModel *self);
/**
 * torvanix_providers_contracts_column_model_set_data_size:
 * @self: a column
 * @value: the new size
 *
 * Sets #TorvanixProvidersContractsColumnModel:data-size, notifying it when
 * it changes.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_column_model_set_data_size (TorvanixProvidersContractsColumnModel *self, gulong value);

G_END_DECLS

#endif /* LIBPROVIDERS_MODELS_COLUMN_MODEL_H */
