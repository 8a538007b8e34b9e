/* TableModel's new_row: the one table operation that needs the value
 * factory, to give each column's cell its type's default. */
#include "libproviders/models/table-model.h"
#include "libproviders/values/value-factory.h"

#include "common/check.h"
#include "contracts/models/list-access-internal.h"
#include "contracts/models/model-internal.h"

extern "C" TorvanixProvidersContractsRowModel *
torvanix_providers_contracts_table_model_new_row (TorvanixProvidersContractsTableModel *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (self), nullptr);
  GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (self);
  const guint count = providers::models::list_size (columns);
  auto *values = g_new (gpointer, count);
  for (guint i = 0; i < count; ++i) {
    auto *column = static_cast<TorvanixProvidersContractsColumnModel *> (providers::models::list_peek_at (columns, i));
    values[i] = torvanix_providers_contracts_ivalue_factory (torvanix_providers_contracts_column_model_get_data_type (column), nullptr);
  }
  auto *row = providers::models::row_adopting_array (values, count);
  torvanix_providers_contracts_row_model_set_version (row, TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT);
  return row;
}
