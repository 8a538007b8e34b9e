/* Running one SQL text statement by statement through the prepare tail:
 * each statement prepared, stepped to its end and finalized before the
 * next is prepared, so a later statement sees what the earlier ones did
 * and no statement stays open after the call. */
#include <climits>
#include <cstring>

#include "libproviders/sqlite/sq-lite-type.h"
#include "supports/sqlite/sq-lite-provider-private.h"

namespace providers::sqlite {

CellView
cell_of (sqlite3_stmt *statement, int column)
{
  CellView cell;
  cell.storage = sqlite3_column_type (statement, column);
  switch (cell.storage) {
  case SQLITE_INTEGER:
    cell.integer = sqlite3_column_int64 (statement, column);
    break;
  case SQLITE_FLOAT:
    cell.real = sqlite3_column_double (statement, column);
    break;
  case SQLITE_TEXT: {
    /* The text first, then its length: the order that converts nothing. */
    const unsigned char *text = sqlite3_column_text (statement, column);
    int length = sqlite3_column_bytes (statement, column);
    if (text != nullptr)
      cell.bytes = {reinterpret_cast<const char *> (text), static_cast<std::size_t> (length)};
    break;
  }
  case SQLITE_BLOB: {
    const void *data = sqlite3_column_blob (statement, column);
    int length = sqlite3_column_bytes (statement, column);
    if (data != nullptr)
      cell.bytes = {static_cast<const char *> (data), static_cast<std::size_t> (length)};
    break;
  }
  default:
    break;
  }
  return cell;
}

TorvanixProvidersContractsDataType
undeclared_type (int storage)
{
  return storage == SQLITE_INTEGER ? TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64
         : storage == SQLITE_FLOAT ? TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE
         : storage == SQLITE_BLOB  ? TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB
                                   : TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
}

namespace {

std::vector<ResultColumn>
columns_of (sqlite3_stmt *statement, int columns)
{
  std::vector<ResultColumn> described;
  described.reserve (static_cast<std::size_t> (columns));
  for (int i = 0; i < columns; ++i) {
    const char *name = sqlite3_column_name (statement, i);
    const char *declared = sqlite3_column_decltype (statement, i);
    described.push_back ({name != nullptr ? name : "", declared != nullptr ? declared : "",
                          torvanix_providers_supports_sq_lite_type_data_type (declared)});
  }
  return described;
}

/* A column without a declared type takes the class of its first cell that
 * is not null. */
void
settle_undeclared (StoredRows &rows)
{
  const std::size_t width = rows.columns.size ();
  for (std::size_t column = 0; column < width; ++column) {
    ResultColumn &described = rows.columns[column];
    if (described.data_type != TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN)
      continue;
    described.data_type = TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
    for (std::size_t at = column; at < rows.cells.size (); at += width) {
      int storage = rows.cells[at].storage;
      if (storage == SQLITE_NULL)
        continue;
      described.data_type = undeclared_type (storage);
      break;
    }
  }
}

/* What one statement keeps of its rows. */
enum class Keep { kNone, kStored, kTable, kFirstCell };

/* The first cell of the statement's current (first) row. A column
 * declared with no type takes the class of its first cell that is not
 * null: that cell's own, when it is not null; a null cell is a null value
 * whatever its column's class. */
std::unique_ptr<FirstCell>
first_cell_of (sqlite3_stmt *statement)
{
  StoredCell cell (cell_of (statement, 0));
  TorvanixProvidersContractsDataType data_type =
      torvanix_providers_supports_sq_lite_type_data_type (sqlite3_column_decltype (statement, 0));
  if (data_type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN)
    data_type = cell.storage != SQLITE_NULL ? undeclared_type (cell.storage)
                                            : TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
  return std::make_unique<FirstCell> (FirstCell{data_type, std::move (cell)});
}

bool
step_to_end (sqlite3 *database, sqlite3_stmt *statement, Keep keep, StatementResult &result, GError **error)
{
  const int columns = sqlite3_column_count (statement);
  result.answers_columns = columns > 0;
  if ((keep == Keep::kStored || keep == Keep::kTable) && columns > 0) {
    if (keep == Keep::kTable) {
      result.table = std::make_unique<TableRows> (columns_of (statement, columns));
    } else {
      result.rows = std::make_unique<StoredRows> ();
      result.rows->columns = columns_of (statement, columns);
    }
  }
  const bool first_cell = keep == Keep::kFirstCell && columns > 0;
  const sqlite3_int64 changes_before = sqlite3_total_changes64 (database);
  guint64 rows_read = 0;
  int rc;
  while ((rc = sqlite3_step (statement)) == SQLITE_ROW) {
    ++rows_read;
    if (result.rows != nullptr)
      for (int i = 0; i < columns; ++i)
        result.rows->cells.emplace_back (cell_of (statement, i));
    else if (result.table != nullptr)
      result.table->add_row (statement);
    else if (first_cell && rows_read == 1)
      result.first_cell = first_cell_of (statement);
  }
  if (rc != SQLITE_DONE) {
    set_engine_error (error, database);
    return false;
  }
  if (result.rows != nullptr) {
    result.rows->rows = rows_read;
    settle_undeclared (*result.rows);
  }
  /* sqlite3_changes keeps the count of the last INSERT, UPDATE or DELETE
   * through statements that change nothing, such as CREATE TABLE: only a
   * statement that moved the total changed rows. */
  if (columns > 0)
    result.count = static_cast<gint64> (rows_read);
  else
    result.count = sqlite3_total_changes64 (database) != changes_before ? sqlite3_changes64 (database) : 0;
  return true;
}

}  // namespace

bool
run_text (Provider *self, const char *text, KeepRows keep, std::vector<StatementResult> &results, GError **error)
{
  sqlite3 *database = provider_priv (self)->database.get ();
  if (database == nullptr) {
    set_own_error (error, "The database is not open.");
    return false;
  }
  const std::size_t length = std::strlen (text);
  if (length > static_cast<std::size_t> (INT_MAX)) {
    set_own_error (error, "The SQL text is longer than SQLite takes (2 GiB).");
    return false;
  }
  const char *rest = text;
  const char *const end = text + length;
  while (rest < end) {
    sqlite3_stmt *raw = nullptr;
    const char *tail = nullptr;
    int rc = sqlite3_prepare_v2 (database, rest, static_cast<int> (end - rest), &raw, &tail);
    Statement statement (raw);
    if (rc != SQLITE_OK) {
      set_engine_error (error, database);
      return false;
    }
    rest = tail != nullptr ? tail : end;
    /* Blanks and comments alone make no statement. */
    if (statement == nullptr)
      continue;
    Keep kept = Keep::kNone;
    if (keep == KeepRows::kAllTables || (keep == KeepRows::kFirstTable && results.empty ()))
      kept = Keep::kTable;
    else if (keep == KeepRows::kFirst && results.empty ())
      kept = Keep::kStored;
    else if (keep == KeepRows::kFirstCell && results.empty ())
      kept = Keep::kFirstCell;
    StatementResult result;
    if (!step_to_end (database, statement.get (), kept, result, error))
      return false;
    results.push_back (std::move (result));
  }
  return true;
}

}  // namespace providers::sqlite
