/* What the SQLite provider's connection, statement, transaction and reader
 * code share. */
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

#include "libproviders/sqlite/sq-lite-provider.h"
#include "supports/common/provider-lock-internal.h"

namespace providers::sqlite {

struct DatabaseCloser {
  /* _v2: a statement left unfinalized keeps the handle alive until it is,
   * instead of failing the close. */
  void operator() (sqlite3 *database) const noexcept { sqlite3_close_v2 (database); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;

struct StatementFinalizer {
  void operator() (sqlite3_stmt *statement) const noexcept { sqlite3_finalize (statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

}  // namespace providers::sqlite

/* Built whole in init and destroyed whole in finalize: members go in
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
class ProviderLock : public providers::home::ProviderLock {
 public:
  explicit ProviderLock (Provider *self) : providers::home::ProviderLock (provider_priv (self)->lock) {}
};

/* The provider's own refusals: TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER. */
void set_own_error (GError **error, const char *message);
/* The engine's last failure on `database`: its extended result code and
 * its text. */
void set_engine_error (GError **error, sqlite3 *database);

/* One cell as the file holds it: its storage class (SQLITE_INTEGER,
 * SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL) and what it
 * holds; `bytes` holds a TEXT's or BLOB's every byte. */
struct StoredCell {
  int storage = SQLITE_NULL;
  gint64 integer = 0;
  double real = 0;
  std::string bytes;
};

struct ResultColumn {
  std::string name;
  std::string declared_type; /* "" for an expression */
  TorvanixProvidersContractsDataType data_type;
};

/* A statement's rows, read whole: `cells` row after row. */
struct StoredRows {
  std::vector<ResultColumn> columns;
  std::vector<StoredCell> cells;
  guint64 rows = 0;
};

/* What one statement of a text answered. */
struct StatementResult {
  bool answers_columns = false; /* a query, or a statement with RETURNING */
  /* The rows the statement changed; a query's rows read. */
  gint64 count = 0;
  /* The rows, when they were asked to be kept. */
  std::unique_ptr<StoredRows> rows;
};

enum class KeepRows {
  kNone,  /* count them only */
  kFirst, /* keep the first statement's */
  kAll,   /* keep every statement's */
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
TorvanixProvidersContractsIValue *value_of_cell (TorvanixProvidersContractsDataType data_type, const StoredCell &cell);

/* The table of every row of `rows`. */
TorvanixProvidersContractsTableModel *table_of (const StoredRows &rows);

/* A reader over `rows`, which it adopts. */
TorvanixProvidersContractsIDataReader *reader_new (std::unique_ptr<StoredRows> rows);
/* The reader's class type. */
GType reader_type ();

/* Fills the slots of transaction, commit and rollback. */
void install_transactions (TorvanixProvidersContractsIProviderInterface *iface);
/* Fills the slots of the five statement shapes. */
void install_statements (TorvanixProvidersContractsIProviderInterface *iface);

}  // namespace providers::sqlite
