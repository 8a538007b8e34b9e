/* The five statement shapes of SQLiteProvider over one run of the text:
 * each answers from the first statement (execute_statements from every
 * one), and every statement of the text has run, or failed, before the
 * call returns. */
#include <algorithm>
#include <vector>

#include "common/check.h"
#include "common/gobject-ref.h"
#include "contracts/internals-private.h"
#include "libproviders/models.h"
#include "supports/common/statement-slot-internal.h"
#include "supports/sqlite/sq-lite-provider-private.h"

namespace providers::sqlite {

namespace {

constexpr char kNoRows[] = "The statement returns no rows.";

/* `work` () for SQL text the entry checks let through. */
template <typename T, typename Work>
T
guarded (const char *function, const gchar *text, GError **error, T refused, Work &&work) noexcept
{
  return home::guarded_statement (function, text, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR, error, refused,
                                  std::forward<Work> (work));
}

Provider *
provider_of (TorvanixProvidersContractsIProvider *base)
{
  return TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_PROVIDER (base);
}

TorvanixProvidersContractsIValue *
count_value (gint64 count)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (
      torvanix_providers_contracts_value_uint64_new (static_cast<guint64> (count)));
}

/* The first statement's result, or null with the error of one that
 * failed; a text of no statement answers an empty result. */
bool
run_first (TorvanixProvidersContractsIProvider *base, const gchar *text, KeepRows keep, StatementResult &first,
           GError **error)
{
  Provider *self = provider_of (base);
  ProviderLock lock (self);
  std::vector<StatementResult> results;
  if (!run_text (self, text, keep, results, error))
    return false;
  if (!results.empty ())
    first = std::move (results.front ());
  return true;
}

gint64
provider_execute_affect (TorvanixProvidersContractsIProvider *base, const gchar *statement, gint,
                         GError **error) noexcept
{
  providers_return_val_if_fail (statement != NULL, -1);
  return guarded (__func__, statement, error, gint64 (-1), [&] {
    StatementResult first;
    if (!run_first (base, statement, KeepRows::kNone, first, error))
      return gint64 (-1);
    return first.count;
  });
}

TorvanixProvidersContractsIValue *
provider_execute_scalar (TorvanixProvidersContractsIProvider *base, const gchar *statement, gint,
                         GError **error) noexcept
{
  providers_return_val_if_fail (statement != NULL, nullptr);
  return guarded (__func__, statement, error, static_cast<TorvanixProvidersContractsIValue *> (nullptr), [&] {
        StatementResult first;
        /* The rows are stepped to their end for the count rules, and none
         * is kept but the answer's cell. */
        if (!run_first (base, statement, KeepRows::kFirstCell, first, error))
          return static_cast<TorvanixProvidersContractsIValue *> (nullptr);
        if (first.first_cell != nullptr)
          return value_of_cell (first.first_cell->data_type, first.first_cell->cell.view ());
        return count_value (first.answers_columns ? 0 : first.count);
      });
}

TorvanixProvidersContractsTableModel *
provider_execute_model (TorvanixProvidersContractsIProvider *base, const gchar *statement, gint,
                        GError **error) noexcept
{
  providers_return_val_if_fail (statement != NULL, nullptr);
  return guarded (__func__, statement, error, static_cast<TorvanixProvidersContractsTableModel *> (nullptr), [&] {
        StatementResult first;
        if (!run_first (base, statement, KeepRows::kFirstTable, first, error))
          return static_cast<TorvanixProvidersContractsTableModel *> (nullptr);
        if (first.table == nullptr) {
          set_own_error (error, kNoRows);
          return static_cast<TorvanixProvidersContractsTableModel *> (nullptr);
        }
        return first.table->finish ();
      });
}

TorvanixProvidersContractsIDataReader *
provider_execute_reader (TorvanixProvidersContractsIProvider *base, const gchar *statement, GError **error) noexcept
{
  providers_return_val_if_fail (statement != NULL, nullptr);
  return guarded (__func__, statement, error, static_cast<TorvanixProvidersContractsIDataReader *> (nullptr), [&] {
        StatementResult first;
        if (!run_first (base, statement, KeepRows::kFirst, first, error))
          return static_cast<TorvanixProvidersContractsIDataReader *> (nullptr);
        if (first.rows == nullptr) {
          set_own_error (error, kNoRows);
          return static_cast<TorvanixProvidersContractsIDataReader *> (nullptr);
        }
        return reader_new (std::move (first.rows));
      });
}

GObject **
provider_execute_statements (TorvanixProvidersContractsIProvider *base, const gchar *statements, gint,
                             gint *result_length, GError **error) noexcept
{
  providers_return_val_if_fail (statements != NULL, nullptr);
  if (result_length != nullptr)
    *result_length = 0;
  return guarded (__func__, statements, error, static_cast<GObject **> (nullptr), [&] {
    Provider *self = provider_of (base);
    std::vector<StatementResult> results;
    {
      ProviderLock lock (self);
      if (!run_text (self, statements, KeepRows::kAllTables, results, error))
        return static_cast<GObject **> (nullptr);
    }
    std::vector<GRef<GObject>> items;
    items.reserve (results.size ());
    for (const StatementResult &result : results) {
      gpointer item = result.table != nullptr ? static_cast<gpointer> (result.table->finish ())
                                              : static_cast<gpointer> (count_value (result.count));
      items.push_back (adopt_ref (G_OBJECT (item)));
    }
    auto **array = g_new0 (GObject *, items.size () + 1);
    for (std::size_t i = 0; i < items.size (); ++i)
      array[i] = items[i].release ();
    if (result_length != nullptr)
      *result_length = static_cast<gint> (items.size ());
    return array;
  });
}

}  // namespace

TableRows::TableRows (std::vector<ResultColumn> columns)
    : columns_ (std::move (columns)), widest_ (columns_.size (), 0)
{
}

TableRows::~TableRows ()
{
  for (TorvanixProvidersContractsRowModel *row : built_)
    g_object_unref (row);
}

void
TableRows::add_row (sqlite3_stmt *statement)
{
  const std::size_t width = columns_.size ();
  auto **values = g_new (gpointer, width);
  for (std::size_t i = 0; i < width; ++i) {
    const CellView cell = cell_of (statement, static_cast<int> (i));
    widest_[i] = std::max (widest_[i], cell.bytes.size ());
    ResultColumn &column = columns_[i];
    /* A column declared with no type takes the class of its first cell
     * that is not null; its values are the cells' own classes either way. */
    if (column.data_type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN && cell.storage != SQLITE_NULL)
      column.data_type = undeclared_type (cell.storage);
    values[i] = value_of_cell (column.data_type, cell);
  }
  built_.push_back (home::internals ().row_adopting_array (values, static_cast<guint> (width)));
}

TorvanixProvidersContractsTableModel *
TableRows::finish ()
{
  auto table = adopt_ref (torvanix_providers_contracts_table_model_new ());
  GeeArrayList *column_list = torvanix_providers_contracts_table_model_get_columns (table.get ());
  for (std::size_t i = 0; i < columns_.size (); ++i) {
    TorvanixProvidersContractsDataType data_type = columns_[i].data_type;
    if (data_type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN)
      data_type = TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
    auto column = adopt_ref (torvanix_providers_contracts_column_model_new_full_size (columns_[i].name.c_str (),
                                                                                      data_type, widest_[i]));
    gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (column_list), column.get ());
  }
  if (!columns_.empty ())
    home::internals ().table_adopt_rows (table.get (), built_.data (), static_cast<guint> (built_.size ()));
  built_.clear ();
  return table.release ();
}

void
install_statements (TorvanixProvidersContractsIProviderInterface *iface)
{
  iface->execute_model = provider_execute_model;
  iface->execute_affect = provider_execute_affect;
  iface->execute_scalar = provider_execute_scalar;
  iface->execute_statements = provider_execute_statements;
  iface->execute_reader = provider_execute_reader;
}

}  // namespace providers::sqlite
