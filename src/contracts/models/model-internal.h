/* How the library's own providers fill models: whole rows at a time,
 * adopting what they built, with nothing to notify because no view is
 * bound to a model still being filled. */
#pragma once

#include "libproviders/models/row-model.h"
#include "libproviders/models/table-model.h"

namespace providers::models {

/* A row in the INITIAL version holding `count` values, adopting the
 * reference to each. */
TorvanixProvidersContractsRowModel *row_adopting (gpointer *values, guint count);

/* Appends `count` rows to a table, adopting the reference to each,
 * without telling views (the caller has not handed the table out). */
void table_adopt_rows (TorvanixProvidersContractsTableModel *table, TorvanixProvidersContractsRowModel **rows, guint count);

}  // namespace providers::models
