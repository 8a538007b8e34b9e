/* What the SQLite provider's connection, statement, transaction and reader
 * code share. */
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/gobject-ref.h"
#include "libproviders/sqlite/sq-lite-provider.h"
#include "supports/common/provider-lock-internal.h"

namespace providers::sqlite {

/* _v2: a statement left unfinalized keeps the handle alive until it is,
 * instead of failing the close. */
using Database = providers::UniqueWith<sqlite3, sqlite3_close_v2>;
using Statement = providers::UniqueWith<sqlite3_stmt, sqlite3_finalize>;

}  // namespace providers::sqlite

/* Built whole by the type's instance init and destroyed whole by its
 * finalize (PROVIDERS_DEFINE_TYPE): members go in
 * reverse order, so the database is closed before its lock goes. */
struct TorvanixProvidersSupportsSQLiteProviderPrivate {
  providers::home::ProviderMutex lock;    /* held by every operation on the database */
  providers::sqlite::Database database;   /* null before the first open and after close */
};

namespace providers::sqlite {

using Provider = TorvanixProvidersSupportsSQLiteProvider;
using Private = TorvanixProvidersSupportsSQLiteProviderPrivate;

Private *provider_priv (Provider *self);

/* Holds the provider's lock for one operation. */
using ProviderLock = providers::home::ProviderLockOf<Provider, provider_priv>;

/* The provider's own refusals: TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER. */
void set_own_error (GError **error, const char *message);
/* The engine's last failure on `database`: its extended result code and
 * its text. */
void set_engine_error (GError **error, sqlite3 *database);

/* One cell as the file holds it: its storage class (SQLITE_INTEGER,
 * SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL) and what it
 * holds; `bytes` is a TEXT's or BLOB's every byte, a TEXT's followed by a
 * zero byte, and lives as long as what it was read from. */
struct CellView {
  int storage = SQLITE_NULL;
  gint64 integer = 0;
  double real = 0;
  std::string_view bytes;
};

/* The cell of `column` in the statement's current row, valid until the
 * next step. */
CellView cell_of (sqlite3_stmt *statement, int column);

/* A cell kept past its row. */
struct StoredCell {
  int storage = SQLITE_NULL;
  gint64 integer = 0;
  double real = 0;
  std::string bytes;

  StoredCell () = default;
  explicit StoredCell (const CellView &cell)
      : storage (cell.storage), integer (cell.integer), real (cell.real), bytes (cell.bytes)
  {
  }
  CellView view () const { return {storage, integer, real, bytes}; }
};

struct ResultColumn {
  std::string name;
  std::string declared_type; /* "" for an expression */
  TorvanixProvidersContractsDataType data_type;
};

/* The data type of a column declared with no type, from the storage class
 * of its first cell that is not null. */
TorvanixProvidersContractsDataType undeclared_type (int storage);

/* A statement's rows, read whole: `cells` row after row. */
struct StoredRows {
  std::vector<ResultColumn> columns;
  std::vector<StoredCell> cells;
  guint64 rows = 0;
};

/* A statement's rows built into a table's rows as they are stepped, with
 * nothing kept of the cells themselves. */
class TableRows {
 public:
  explicit TableRows (std::vector<ResultColumn> columns);
  /* Without finish: the rows built are dropped. */
  ~TableRows ();
  TableRows (const TableRows &) = delete;
  TableRows &operator= (const TableRows &) = delete;

  /* The statement's current row. */
  void add_row (sqlite3_stmt *statement);
  /* The table of every row added; once. */
  TorvanixProvidersContractsTableModel *finish ();

 private:
  std::vector<ResultColumn> columns_;
  std::vector<gsize> widest_;  /* per column, its longest TEXT or BLOB */
  std::vector<TorvanixProvidersContractsRowModel *> built_;
};

/* The first cell of a statement's rows, kept alone, with the data type
 * its column has as a result read whole settles it. */
struct FirstCell {
  TorvanixProvidersContractsDataType data_type;
  StoredCell cell;
};

/* What one statement of a text answered. */
struct StatementResult {
  bool answers_columns = false; /* a query, or a statement with RETURNING */
  /* The rows the statement changed; a query's rows read. */
  gint64 count = 0;
  /* The rows, when they were asked to be kept: read whole, or as a table. */
  std::unique_ptr<StoredRows> rows;
  std::unique_ptr<TableRows> table;
  /* The first cell alone, when only that was asked to be kept and there
   * was a row. */
  std::unique_ptr<FirstCell> first_cell;
};

enum class KeepRows {
  kNone,        /* count them only */
  kFirst,       /* keep the first statement's, read whole */
  kFirstCell,   /* keep the first statement's first cell, count the rest */
  kFirstTable,  /* build the first statement's into a table */
  kAllTables,   /* build every statement's into a table */
};

/* Runs `text` (which the entry checks let through) on the provider's
 * database statement by statement and
 * answers a result per statement, empty statements left out. Answers false
 * with the error of the first statement that failed; `results` then holds
 * those before it, which have taken effect. */
bool run_text (Provider *self, const char *text, KeepRows keep, std::vector<StatementResult> &results,
               GError **error);

/* The value of one cell of a column of `data_type`: a value of the
 * column's class when it holds the cell exactly, else one of the cell's
 * own storage class. Never null. */
TorvanixProvidersContractsIValue *value_of_cell (TorvanixProvidersContractsDataType data_type, const CellView &cell);

/* A reader over `rows`, which it adopts. */
TorvanixProvidersContractsIDataReader *reader_new (std::unique_ptr<StoredRows> rows);
/* The reader's class type. */
GType reader_type ();

/* BEGIN IMMEDIATE, unless the engine is already inside a transaction. */
gboolean begin_transaction (Provider *self, GError **error);
void commit_transaction (Provider *self, GError **error);
void rollback_transaction (Provider *self, GError **error);
/* Fills the slots of the five statement shapes. */
void install_statements (TorvanixProvidersContractsIProviderInterface *iface);

}  // namespace providers::sqlite
