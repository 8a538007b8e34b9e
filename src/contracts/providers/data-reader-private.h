/* The reader interface's own get_value, kept apart from the dispatch: it
 * is the one piece that knows every value class. */
#pragma once

#include "libproviders/contracts/data-reader.h"

namespace providers::contracts {

/* Builds the typed value of one cell of the current row from the reader's
 * is_null, get_data_type and typed getter slots. */
TorvanixProvidersContractsIValue *default_get_value (TorvanixProvidersContractsIDataReader *self, guint16 ordinal,
                                                     GError **error);

/* The error of a row wider than the 16-bit ordinals can address, naming
 * the first column beyond them. */
void set_column_out_of_reach (GError **error, gint64 ordinal);

}  // namespace providers::contracts
