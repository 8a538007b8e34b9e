/* TableModel's new_row: the one table operation that needs the value
 * factory, to give each column's cell its type's default. */
#include "libproviders/models/table-model.h"
#include "libproviders/values/value-factory.h"

#include "common/check.h"
#include "contracts/models/list-access.h"

extern "C" TorvanixProvidersContractsRowModel *
torvanix_providers_contracts_table_model_new_row (TorvanixProvidersContractsTableModel *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  auto *row = torvanix_providers_contracts_row_model_new ();
  torvanix_providers_contracts_row_model_set_version (row, TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT);
  GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (self);
  auto *values = GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_row_model_get_values (row));
  for (guint i = 0, n = providers::models::list_size (columns); i < n; ++i) {
    auto *column = static_cast<TorvanixProvidersContractsColumnModel *> (providers::models::list_peek_at (columns, i));
    TorvanixProvidersContractsIValue *value =
        torvanix_providers_contracts_ivalue_factory (torvanix_providers_contracts_column_model_get_data_type (column), nullptr);
    gee_abstract_collection_add (values, value);
    g_object_unref (value);
  }
  return row;
}
