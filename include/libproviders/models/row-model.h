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
 * TorvanixProvidersContractsRowModelClass:
 * @clone: a deep copy of the row: same version, each value cloned
 *
 * One row of a table: its values, in column order, and its edit version.
 * A row is a #GListModel of its values.
 */
struct _TorvanixProvidersContractsRowModelClass {
  GObjectClass parent_class;

  TorvanixProvidersContractsRowModel *(*clone) (TorvanixProvidersContractsRowModel *self);
};

/**
 * torvanix_providers_contracts_row_model_new:
 *
 * Returns: (transfer full): an empty row, version initial
 */
PROVIDERS_API TorvanixProvidersContractsRowModel *torvanix_providers_contracts_row_model_new (void);
/**
 * torvanix_providers_contracts_row_model_construct:
 * @object_type: RowModel or a subclass
 *
 * Returns: (transfer full) (nullable): a new empty instance
 */
PROVIDERS_API TorvanixProvidersContractsRowModel *torvanix_providers_contracts_row_model_construct (GType object_type);
/**
 * torvanix_providers_contracts_row_model_get_value_at:
 * @self: a row
 * @position: a position counted from 0
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
 */
PROVIDERS_API void torvanix_providers_contracts_row_model_set_value_at (TorvanixProvidersContractsRowModel *self, gint position, TorvanixProvidersContractsValueObject *value);
/**
 * torvanix_providers_contracts_row_model_clone:
 * @self: a row
 *
 * Returns: (transfer full) (nullable): a copy sharing no value with @self
 */
PROVIDERS_API TorvanixProvidersContractsRowModel *torvanix_providers_contracts_row_model_clone (TorvanixProvidersContractsRowModel *self);
PROVIDERS_API TorvanixProvidersContractsDataVersion torvanix_providers_contracts_row_model_get_version (TorvanixProvidersContractsRowModel *self);
/**
 * torvanix_providers_contracts_row_model_set_version:
 * @self: a row
 * @value: the new version
 *
 * Notifies "version" only when it changes.
 */
PROVIDERS_API void torvanix_providers_contracts_row_model_set_version (TorvanixProvidersContractsRowModel *self, TorvanixProvidersContractsDataVersion value);
/**
 * torvanix_providers_contracts_row_model_get_values:
 * @self: a row
 *
 * The row's own list; adding to it is how a row is filled. Changes made
 * through it emit nothing.
 *
 * Returns: (transfer none) (nullable): the values, element type ValueObject
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_row_model_get_values (TorvanixProvidersContractsRowModel *self);

G_END_DECLS

#endif /* LIBPROVIDERS_MODELS_ROW_MODEL_H */
