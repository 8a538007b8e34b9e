/* The reader interface's get_value: one cell of the current row as the
 * typed value object its column's data type calls for, through the
 * getter and the class that the class table names for it. */
#include "contracts/providers/data-reader-private.h"

#include "contracts/values/value-class-table-internal.h"
#include "libproviders/values.h"

namespace providers::contracts {

TorvanixProvidersContractsIValue *
default_get_value (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  GError *inner = nullptr;
  const gboolean is_null = torvanix_providers_contracts_idata_reader_is_null (self, ordinal, &inner);
  if (inner != nullptr) {
    g_propagate_error (error, inner);
    return nullptr;
  }
  if (is_null) return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (torvanix_providers_contracts_value_null_new ());
  const TorvanixProvidersContractsDataType data_type =
      torvanix_providers_contracts_idata_reader_get_data_type (self, ordinal, &inner);
  if (inner != nullptr) {
    g_propagate_error (error, inner);
    return nullptr;
  }
  return providers::values::value_class_row (data_type).from_reader (self, ordinal, error);
}

}  // namespace providers::contracts
