/* How the library's own providers fill models: whole rows at a time,
 * adopting what they built, with nothing to notify because no view is
 * bound to a model still being filled. Also the models' shared access to
 * a row's storage, which is a plain array until someone asks for the row's
 * list object. */
#pragma once

#include "libproviders/models/row-model.h"
#include "libproviders/models/table-model.h"

namespace providers::models {

/* A row in the INITIAL version holding `count` values, adopting the
 * reference to each. */
TorvanixProvidersContractsRowModel *row_adopting (gpointer *values, guint count);

/* The same, adopting the array itself too (g_malloc'ed, exactly `count`
 * long). */
TorvanixProvidersContractsRowModel *row_adopting_array (gpointer *items, guint count);

/* Appends `count` rows to a table, adopting the reference to each,
 * without telling views (the caller has not handed the table out). */
void table_adopt_rows (TorvanixProvidersContractsTableModel *table, TorvanixProvidersContractsRowModel **rows, guint count);

/* Where a row's values are right now: its array, or the storage of its
 * list once it has one (`list` then is not null). Reading never makes the
 * list. `lent`: a caller may have reached the row or one of its values
 * (one was handed out or put in, the list exists, or the row itself was
 * handed out). */
struct RowCells {
  gpointer *items;
  guint count;
  GeeArrayList *list;
  bool lent;
};
RowCells row_cells (TorvanixProvidersContractsRowModel *row);

/* Asks the processor for what row_cells and the type and reference checks
 * of `row` (any object) will read, ahead of reading it: a pass over the
 * rows of a big table otherwise waits on memory for every row. */
void row_prefetch (gpointer row);

/* Notes that a caller reached the row itself (anything else is let be). */
void row_mark_lent (TorvanixProvidersContractsRowModel *row);

/* The value at `position` as a new reference, or null past the end. */
gpointer row_ref_at (TorvanixProvidersContractsRowModel *row, guint position);

/* Replaces the value at a valid `position`, taking a reference to `value`. */
void row_replace_at (TorvanixProvidersContractsRowModel *row, guint position, gpointer value);

}  // namespace providers::models
