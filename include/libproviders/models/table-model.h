/* A table of columns and rows, published as a list model. */
#ifndef LIBPROVIDERS_MODELS_TABLE_MODEL_H
#define LIBPROVIDERS_MODELS_TABLE_MODEL_H

#include <glib-object.h>
#include <gee.h>
#include <libproviders/providers-macros.h>
#include <libproviders/models/column-model.h>
#include <libproviders/models/row-model.h>
#include <libproviders/contracts/result.h>

G_BEGIN_DECLS

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_TABLE_MODEL (torvanix_providers_contracts_table_model_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsTableModel, torvanix_providers_contracts_table_model,
                          TORVANIX_PROVIDERS_CONTRACTS, TABLE_MODEL, GObject)

/**
 * TorvanixProvidersContractsTableModel:
 *
 * A whole result in memory: its columns and its rows. A provider makes one
 * for each result of torvanix_providers_contracts_iprovider_execute_model(),
 * on the calling thread; an application may make and fill its own. Values
 * and rows its operations return are the caller's references (transfer
 * full); the row and column lists belong to the table (transfer none). A
 * table belongs to one thread at a time: one made on a worker thread is
 * handed to another thread whole, and not touched by the worker again.
 * A table is an
 * #TorvanixProvidersContractsIResult and a #GListModel of its rows; the
 * row operations emit #GListModel::items-changed, changes made through the
 * lists returned by the getters emit nothing.
 *
 * Dropping the last reference to a big table (32,768 cells or more) hands
 * the rows and values only it holds, whose release runs none of the
 * application's code, to the library's release thread, one table at a
 * time, and the unref returns after one pass over the rows; the next
 * statement that builds a result finishes that release first. Everything
 * else (a smaller table, one dropped while the thread still has another,
 * and anything with another reference, qdata, a signal handler or a class
 * of the application's) is released before the unref returns, on the
 * thread that dropped it. Rows and values the application still holds
 * stay valid and are released when it drops them.
 */
/**
 * TorvanixProvidersContractsTableModel:rows:
 *
 * The table's own #GeeArrayList of #TorvanixProvidersContractsRowModel,
 * empty at first; read-only, and it never notifies.
 */

/**
 * TorvanixProvidersContractsTableModel:columns:
 *
 * The table's own #GeeArrayList of #TorvanixProvidersContractsColumnModel,
 * empty at first; read-only, and it never notifies.
 */

/**
 * TorvanixProvidersContractsTableModelClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsTableModel; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsTableModelClass {
  GObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_table_model_new:
 *
 * Makes an empty table.
 *
 * Returns: (transfer full): a table with no columns and no rows
 */
PROVIDERS_API TorvanixProvidersContractsTableModel *torvanix_providers_contracts_table_model_new (void);
/**
 * torvanix_providers_contracts_table_model_construct:
 * @object_type: TableModel or a subclass
 *
 * Makes an empty table of @object_type, for a subclass's constructor. A
 * wrong @object_type logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new empty instance, or %NULL for a
 *   wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsTableModel *torvanix_providers_contracts_table_model_construct (GType object_type);
/**
 * torvanix_providers_contracts_table_model_new_with_types:
 * @types: (array length=types_length) (nullable): one data type per column
 * @types_length: the number of types
 *
 * Makes a table with no rows and one unnamed column per data type. %NULL
 * @types with a positive @types_length logs a CRITICAL naming this
 * function and answers %NULL.
 *
 * Returns: (transfer full): a table with one unnamed column per type
 */
PROVIDERS_API TorvanixProvidersContractsTableModel *torvanix_providers_contracts_table_model_new_with_types (TorvanixProvidersContractsDataType *types, gint types_length);
/**
 * torvanix_providers_contracts_table_model_construct_with_types:
 * @object_type: TableModel or a subclass
 * @types: (array length=types_length) (nullable): one data type per column
 * @types_length: the number of types
 *
 * Makes a table of @object_type with one unnamed column per data type, for
 * a subclass's constructor. A wrong @object_type, or %NULL @types with a
 * positive @types_length, logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   argument
 */
PROVIDERS_API TorvanixProvidersContractsTableModel *torvanix_providers_contracts_table_model_construct_with_types (GType object_type, TorvanixProvidersContractsDataType *types, gint types_length);
/**
 * torvanix_providers_contracts_table_model_get_rows:
 * @self: a table
 *
 * Gets the table's own list of rows; changes made through it emit nothing.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer none) (nullable): the row list, element type RowModel
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_table_model_get_rows (TorvanixProvidersContractsTableModel *self);
/**
 * torvanix_providers_contracts_table_model_get_columns:
 * @self: a table
 *
 * Gets the table's own list of columns; changes made through it emit
 * nothing.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer none) (nullable): the column list, element type
 *   ColumnModel
 */
PROVIDERS_API GeeArrayList *torvanix_providers_contracts_table_model_get_columns (TorvanixProvidersContractsTableModel *self);
/**
 * torvanix_providers_contracts_table_model_get_value_at:
 * @self: a table
 * @col: a position within the row
 * @row: a row position
 *
 * Gets the value in column @col of row @row.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer full) (nullable): the value, or %NULL outside the table
 */
PROVIDERS_API TorvanixProvidersContractsValueObject *torvanix_providers_contracts_table_model_get_value_at (TorvanixProvidersContractsTableModel *self, gint col, gint row);
/**
 * torvanix_providers_contracts_table_model_set_value_at:
 * @self: a table
 * @col: a position within the row
 * @row: a row position
 * @value: the new value; the row takes its own reference
 *
 * Replaces one value. Row versions are left alone and nothing is emitted.
 * A %NULL or wrong @self, a %NULL @value, or a @row or @col outside the
 * table logs a CRITICAL naming this function and changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_table_model_set_value_at (TorvanixProvidersContractsTableModel *self, gint col, gint row, TorvanixProvidersContractsValueObject *value);
/**
 * torvanix_providers_contracts_table_model_new_row:
 * @self: a table
 *
 * Makes a row marked insert holding one default value per column. The
 * table itself is not changed.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer full) (nullable): the new row
 */
PROVIDERS_API TorvanixProvidersContractsRowModel *torvanix_providers_contracts_table_model_new_row (TorvanixProvidersContractsTableModel *self);
/**
 * torvanix_providers_contracts_table_model_append:
 * @self: a table
 * @row: the row to add at the end
 *
 * Adds @row after the last row, taking a reference, and emits
 * #GListModel::items-changed.
 * A %NULL or wrong @self, or a %NULL @row, logs a CRITICAL naming this
 * function and answers 0.
 *
 * Returns: the position of the added row
 */
PROVIDERS_API gint torvanix_providers_contracts_table_model_append (TorvanixProvidersContractsTableModel *self, TorvanixProvidersContractsRowModel *row);
/**
 * torvanix_providers_contracts_table_model_insert:
 * @self: a table
 * @position: the position to insert before; a negative one, or one past
 *   the end, appends
 * @row: the row to add
 *
 * Adds @row at @position, taking a reference, and emits
 * #GListModel::items-changed.
 * A %NULL or wrong @self, or a %NULL @row, logs a CRITICAL naming this
 * function and answers 0.
 *
 * Returns: the position of the added row
 */
PROVIDERS_API gint torvanix_providers_contracts_table_model_insert (TorvanixProvidersContractsTableModel *self, gint position, TorvanixProvidersContractsRowModel *row);
/**
 * torvanix_providers_contracts_table_model_delete:
 * @self: a table
 * @row: the row to remove (compared by identity)
 *
 * Removes the first occurrence of @row and emits
 * #GListModel::items-changed; a row the table does not hold changes
 * nothing.
 * A %NULL or wrong @self, or a %NULL @row, logs a CRITICAL naming this
 * function.
 */
PROVIDERS_API void torvanix_providers_contracts_table_model_delete (TorvanixProvidersContractsTableModel *self, TorvanixProvidersContractsRowModel *row);
/**
 * torvanix_providers_contracts_table_model_delete_at:
 * @self: a table
 * @position: a row position
 *
 * Removes the row at @position and emits #GListModel::items-changed.
 * A %NULL or wrong @self logs a CRITICAL naming this function and
 * answers %NULL.
 *
 * Returns: (transfer full) (nullable): the removed row, or %NULL when
 *   @position is outside the table
 */
PROVIDERS_API TorvanixProvidersContractsRowModel *torvanix_providers_contracts_table_model_delete_at (TorvanixProvidersContractsTableModel *self, gint position);
/**
 * torvanix_providers_contracts_table_model_find:
 * @self: a table
 * @row: the row to look for (compared by identity)
 * @position: (out) (optional): its first position, 0 when absent
 *
 * Looks for @row among the table's rows.
 * A %NULL or wrong @self, or a %NULL @row, logs a CRITICAL naming this
 * function and answers %FALSE.
 *
 * Returns: whether the table holds @row
 */
PROVIDERS_API gboolean torvanix_providers_contracts_table_model_find (TorvanixProvidersContractsTableModel *self, TorvanixProvidersContractsRowModel *row, gint *position);
/**
 * torvanix_providers_contracts_table_model_clear:
 * @self: a table
 * @columns: whether to remove the columns too
 *
 * Removes every row, and the columns when @columns is %TRUE, then emits
 * #GListModel::items-changed for the rows; removing the columns emits
 * nothing of its own.
 * A %NULL or wrong @self logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_table_model_clear (TorvanixProvidersContractsTableModel *self, gboolean columns);
/**
 * torvanix_providers_contracts_table_model_update_row_version:
 * @self: a table
 * @position: a row position
 * @version: the edit to record: delete or update
 *
 * Records an edit of a row. Deleting a row that was inserted since the
 * table was read removes it from the table (emitting items-changed);
 * deleting any other row marks it delete; updating a row as read marks it
 * update. Other combinations change nothing. A %NULL or wrong @self, or a
 * @position outside the table (the CRITICAL `position < _tmp2_`), logs a
 * CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_table_model_update_row_version (TorvanixProvidersContractsTableModel *self, gint position, TorvanixProvidersContractsDataVersion version);

G_END_DECLS

#endif /* LIBPROVIDERS_MODELS_TABLE_MODEL_H */
