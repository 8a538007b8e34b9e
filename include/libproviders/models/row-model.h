/* One row of values with its edit version. */
#ifndef LIBPROVIDERS_MODELS_ROW_MODEL_H
#define LIBPROVIDERS_MODELS_ROW_MODEL_H

#include <glib-object.h>
#include <gee.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_ROW_MODEL (torvanix_providers_contracts_row_model_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsRowModel, torvanix_providers_contracts_row_model,
                          TORVANIX_PROVIDERS_CONTRACTS, ROW_MODEL, GObject)

/**
 * TorvanixProvidersContractsRowModel:
 *
 * One row of a table: its values, in column order, and its edit version.
 * A row is a #GListModel of its values. A provider makes the rows of each
 * result it reads; torvanix_providers_contracts_table_model_new_row() makes
 * one for an insert. torvanix_providers_contracts_row_model_get_value_at()
 * returns a reference of the caller's own (transfer full), the value list
 * belongs to the row (transfer none). A row belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsRowModel:version:
 *
 * The row's edit state: %TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL
 * (the default) as read, or marked insert, update or delete. Notifies only
 * when it changes.
 */

/**
 * TorvanixProvidersContractsRowModel:values:
 *
 * The row's own #GeeArrayList of #TorvanixProvidersContractsValueObject,
 * empty at first; read-only, and it never notifies.
 */

/**
 * TorvanixProvidersContractsRowModelClass:
 * @parent_class: the parent class
 * @clone: a deep copy of the row: same version, each value cloned
 *
 * The class of #TorvanixProvidersContractsRowModel.
 */
struct _TorvanixProvidersContractsRowModelClass {
  GObjectClass parent_class;

  TorvanixProvidersContractsRowModel *(*clone) (TorvanixProvidersContractsRowModel *self);
};

/**
 * torvanix_providers_contracts_row_model_new:
 *
 * Makes a row with no values, as read.
 *
 * Returns: (transfer full): an empty row, version initial
 */
PROVIDERS_API TorvanixProvidersContractsRowModel *torvanix_providers_contracts_row_model_new (void);
/**
 * torvanix_providers_contracts_row_model_construct:
 * @object_type: RowModel or a subclass
 *
 * Makes an empty row of @object_type, for a subclass's constructor. A wrong
 * @object_type logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new empty instance, or %NULL for a
 *   wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsRowModel *torvanix_providers_contracts_row_model_construct (GType object_type);
/**
 * torvanix_providers_contracts_row_model_get_value_at:
 * @self: a row
 * @position: a position counted from 0
 *
 * Gets the value at @position.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer full) (nullable): the value, or %NULL when @position
 *   is outside the row
 */
PROVIDERS_API TorvanixProvidersContractsValueObject *torvanix_providers_contracts_row_model_get_value_at (TorvanixProvidersContractsRowModel *self, gint position);
/**
 * torvanix_providers_contracts_row_model_set_value_at:
 * @self: a row
 * @position: a position within the row
 * @value: the new value; the row takes its own reference
 *
 * Replaces one value. The version is left alone and nothing is emitted.
 * A %NULL or wrong @self, a %NULL @value or a @position outside the row
 * logs a CRITICAL naming this function and changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_row_model_set_value_at (TorvanixProvidersContractsRowModel *self, gint position, TorvanixProvidersContractsValueObject *value);
/**
 * torvanix_providers_contracts_row_model_clone:
 * @self: a row
 *
 * Copies the row through its class's @clone: the same version, each value
 * cloned.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer full) (nullable): a copy sharing no value with @self
 */
PROVIDERS_API TorvanixProvidersContractsRowModel *torvanix_providers_contracts_row_model_clone (TorvanixProvidersContractsRowModel *self);
/**
 * torvanix_providers_contracts_row_model_get_version:
 * @self: a row
 *
 * Gets #TorvanixProvidersContractsRowModel:version.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL.
 *
 * Returns: the row's edit state
 */
PROVIDERS_API TorvanixProvidersContractsDataVersion torvanix_providers_contracts_row_model_get_version (TorvanixProvidersContractsRowModel *self);
/**
 * torvanix_providers_contracts_row_model_set_version:
 * @self: a row
 * @value: the new version
 *
 * Sets #TorvanixProvidersContractsRowModel:version, notifying it only when
 * it changes; the table holding the row emits nothing.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_row_model_set_version (TorvanixProvidersContractsRowModel *self, TorvanixProvidersContractsDataVersion value);
/**
 * torvanix_providers_contracts_row_model_get_values:
 * @self: a row
 *
 * The row's own list; adding to it is how a row is filled. Changes made
 * through it emit nothing.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer none) (nullable): the values, element type ValueObject
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_row_model_get_values (TorvanixProvidersContractsRowModel *self);

G_END_DECLS

#endif /* LIBPROVIDERS_MODELS_ROW_MODEL_H */
