/* What the reader interface's dispatch shares with its own get_value. */
#pragma once

#include "libproviders/contracts/data-reader.h"

namespace providers::contracts {

/* Builds the typed value of one cell of the current row from the reader's
 * is_null, get_data_type and typed getter slots, the getter and the class
 * the class table names for the data type. */
TorvanixProvidersContractsIValue *default_get_value (TorvanixProvidersContractsIDataReader *self, guint16 ordinal,
                                                     GError **error);

/* The error of a row wider than the 16-bit ordinals can address, naming
 * the first column beyond them. */
void set_column_out_of_reach (GError **error, gint64 ordinal);

}  // namespace providers::contracts
