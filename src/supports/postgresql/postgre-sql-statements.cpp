/* The provider's statements that answer data: one value, a table, one
 * result per statement of a text, or a reader. Rows of a table go into the
 * common table fill as they arrive; a reader's are taken whole. */
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/check.h"
#include "common/gobject-ref.h"
#include "libproviders/models.h"
#include "libproviders/values.h"
#include "supports/common/statement-slot-internal.h"
#include "supports/common/table-fill-internal.h"
#include "supports/postgresql/postgre-sql-cells-private.h"
#include "supports/postgresql/postgre-sql-provider-private.h"

namespace providers::postgresql {

namespace {

using IValue = TorvanixProvidersContractsIValue;
using Table = TorvanixProvidersContractsTableModel;

constexpr char kNoData[] = "No data return by non-select statement";

Provider *
provider_of (TorvanixProvidersContractsIProvider *base)
{
  return TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_PROVIDER (base);
}

IValue *
count_value (gint64 count)
{
  return providers::home::as_value (torvanix_providers_contracts_value_uint64_new (static_cast<guint64> (count)));
}

/* The cell of a column as the server sent it, made a value. */
IValue *
value_of (const ResultColumn &column, providers::home::Cell sent)
{
  std::string scratch;
  providers::home::Cell cell = readable (column, sent, scratch);
  providers::GUnique<GTimeZone> zone (g_time_zone_new_local ());
  return providers::home::value_of_cell (column.column, cell.text, cell.length, zone.get ());
}

providers::home::Cell
sent_cell (const PGresult *row, int column)
{
  if (PQgetisnull (row, 0, column))
    return {};
  return {PQgetvalue (row, 0, column), static_cast<gsize> (PQgetlength (row, 0, column))};
}

/* One statement's rows into a table, as they arrive. While the type of a
 * column is not looked up yet, its rows are held as sent, and the table
 * is filled once the text's results are all in and the type is known. */
class StatementTable {
 public:
  StatementTable (const PGresult *described, const TypeCatalog &types) : columns_ (columns_of (described, types))
  {
    for (int i = 0; i < PQnfields (described); ++i)
      names_.emplace_back (PQfname (described, i));
    std::vector<Oid> undescribed;
    undescribed_types (columns_, undescribed);
    if (undescribed.empty ())
      start_fill ();
  }

  void add_row (const PGresult *row)
  {
    for (std::size_t i = 0; i < columns_.size (); ++i) {
      if (!fill_) {
        providers::home::Cell sent = sent_cell (row, static_cast<int> (i));
        held_.add (sent.text, sent.length);
        continue;
      }
      providers::home::Cell cell = readable_cell (columns_[i], row, 0, static_cast<int> (i), scratch_);
      fill_->add_cell (cell.text, cell.length);
    }
    if (fill_)
      fill_->end_row ();
  }

  /* The rows wait for the types of their columns. */
  bool held () const { return !fill_; }
  void undescribed (std::vector<Oid> &oids) const { undescribed_types (columns_, oids); }

  Table *finish (const TypeCatalog &types)
  {
    if (!fill_) {
      for (ResultColumn &column : columns_)
        column = column_of (column.type, types);
      start_fill ();
      const std::size_t width = columns_.size ();
      for (std::size_t i = 0; i < held_.size (); ++i) {
        providers::home::Cell cell = readable (columns_[i % width], held_.at (i), scratch_);
        fill_->add_cell (cell.text, cell.length);
        if (i % width == width - 1)
          fill_->end_row ();
      }
      held_ = HeldCells ();
    }
    std::vector<const char *> names;
    for (const std::string &name : names_)
      names.push_back (name.c_str ());
    return fill_->finish (names);
  }

 private:
  void start_fill ()
  {
    std::vector<providers::home::Column> common;
    for (const ResultColumn &c : columns_)
      common.push_back (c.column);
    fill_.emplace (std::move (common));
  }

  std::vector<ResultColumn> columns_;
  std::vector<std::string> names_;
  std::string scratch_;
  HeldCells held_;
  std::optional<providers::home::TableFill> fill_;
};

/* The results of a text as tables (statements with rows) and counts
 * (the others): of its first statement only, or of every one. */
class Tables : public TextSink {
 public:
  Tables (bool every_statement, const TypeCatalog &types) : every_statement_ (every_statement), types_ (types) {}

  void row (const PGresult *row) override
  {
    if (!wanted ())
      return;
    if (!table_)
      table_ = std::make_unique<StatementTable> (row, types_);
    table_->add_row (row);
  }

  void end (const PGresult *end) override
  {
    if (wanted ()) {
      if (PQresultStatus (end) == PGRES_TUPLES_OK) {
        if (!table_)
          table_ = std::make_unique<StatementTable> (end, types_);
        if (table_->held ()) {
          held_.push_back ({items_.size (), std::move (table_)});
          items_.emplace_back ();
        } else {
          items_.push_back (providers::adopt_ref (G_OBJECT (table_->finish (types_))));
        }
      } else {
        items_.push_back (providers::adopt_ref (G_OBJECT (count_value (affected_rows (end)))));
        if (statements_ == 0)
          first_had_rows_ = false;
      }
    }
    table_.reset ();
    ++statements_;
  }

  /* Looks up the types the held tables wait for, on the connection the
   * text's results have all come from, and fills those tables. */
  void finish_held (Private *priv)
  {
    if (held_.empty ())
      return;
    std::vector<Oid> oids;
    for (const Held &held : held_)
      held.table->undescribed (oids);
    priv->types.look_up (priv->connection.get (), oids);
    note_transaction_status (priv);
    for (Held &held : held_)
      items_[held.item] = providers::adopt_ref (G_OBJECT (held.table->finish (priv->types)));
    held_.clear ();
  }

  /* The first statement answered rows. */
  bool first_had_rows () const { return statements_ > 0 && first_had_rows_; }
  std::vector<providers::GRef<GObject>> &items () { return items_; }

 private:
  bool wanted () const { return every_statement_ || statements_ == 0; }

  struct Held {
    std::size_t item;
    std::unique_ptr<StatementTable> table;
  };

  const bool every_statement_;
  const TypeCatalog &types_;
  int statements_ = 0;
  bool first_had_rows_ = true;
  std::unique_ptr<StatementTable> table_;
  std::vector<Held> held_;
  std::vector<providers::GRef<GObject>> items_;
};

/* The first cell of the first statement's first row, or that statement's
 * count when it has none. */
class FirstCell : public TextSink {
 public:
  explicit FirstCell (const TypeCatalog &types) : types_ (types) {}

  void row (const PGresult *row) override
  {
    if (statements_ > 0 || column_ || PQnfields (row) == 0)
      return;
    column_ = column_of (PQftype (row, 0), types_);
    providers::home::Cell sent = sent_cell (row, 0);
    if (column_->described)
      value_ = providers::adopt_ref (value_of (*column_, sent));
    else
      held_.add (sent.text, sent.length);
  }

  void end (const PGresult *end) override
  {
    if (statements_++ == 0)
      count_ = affected_rows (end);
  }

  IValue *answer (Private *priv)
  {
    if (column_ && !column_->described) {
      priv->types.look_up (priv->connection.get (), {column_->type});
      note_transaction_status (priv);
      value_ = providers::adopt_ref (value_of (column_of (column_->type, priv->types), held_.at (0)));
    }
    return value_ ? value_.release () : count_value (count_);
  }

 private:
  const TypeCatalog &types_;
  int statements_ = 0;
  gint64 count_ = 0;
  std::optional<ResultColumn> column_;
  HeldCells held_;
  providers::GRef<IValue> value_;
};

/* The first statement's result with its rows whole, for a reader; the
 * later statements' results are dropped as they end. */
class FirstResult : public TextSink {
 public:
  bool whole_rows () const override { return true; }
  void row (const PGresult *) override {}
  void end (const PGresult *) override {}
  void end_kept (Result &end) override
  {
    if (statements_++ == 0)
      result = std::move (end);
  }

  Result result;

 private:
  int statements_ = 0;
};

TorvanixProvidersContractsIDataReader *
execute_reader (Provider *self, const gchar *statement, GError **error)
{
  ProviderLock lock (self);
  FirstResult first;
  if (!run_text (self, statement, first, error))
    return nullptr;
  if (!first.result || PQresultStatus (first.result.get ()) != PGRES_TUPLES_OK) {
    set_own_error (error, kNoData);
    return nullptr;
  }
  /* The types not built in are looked up once the text's results are in:
   * the reader describes its columns whole from the start. */
  Private *priv = provider_priv (self);
  std::vector<ResultColumn> columns = columns_of (first.result.get (), priv->types);
  std::vector<Oid> undescribed;
  undescribed_types (columns, undescribed);
  if (!undescribed.empty ()) {
    priv->types.look_up (priv->connection.get (), undescribed);
    columns = columns_of (first.result.get (), priv->types);
  }
  std::vector<std::string> names;
  for (const ResultColumn &column : columns)
    names.push_back (type_name (priv->types, column.type));
  return reader_over (std::move (first.result), std::move (columns), names);
}

Table *
execute_model (Provider *self, const gchar *statement, GError **error)
{
  ProviderLock lock (self);
  Tables tables (false, provider_priv (self)->types);
  if (!run_text (self, statement, tables, error))
    return nullptr;
  tables.finish_held (provider_priv (self));
  if (!tables.first_had_rows ()) {
    set_own_error (error, kNoData);
    return nullptr;
  }
  return TORVANIX_PROVIDERS_CONTRACTS_TABLE_MODEL (tables.items ().front ().release ());
}

IValue *
execute_scalar (Provider *self, const gchar *statement, GError **error)
{
  ProviderLock lock (self);
  FirstCell first (provider_priv (self)->types);
  if (!run_text (self, statement, first, error))
    return nullptr;
  return first.answer (provider_priv (self));
}

/* Every statement's result, or none: a failing statement undoes the text's
 * work before it, so counts of statements that ran before it are not
 * answered as done. */
GObject **
execute_statements (Provider *self, const gchar *statements, gint *result_length, GError **error)
{
  ProviderLock lock (self);
  Tables tables (true, provider_priv (self)->types);
  if (!run_text (self, statements, tables, error))
    return nullptr;
  tables.finish_held (provider_priv (self));
  GPtrArray *items = g_ptr_array_new ();
  for (auto &item : tables.items ())
    g_ptr_array_add (items, item.release ());
  if (result_length)
    *result_length = static_cast<gint> (items->len);
  g_ptr_array_add (items, nullptr);
  return reinterpret_cast<GObject **> (g_ptr_array_free (items, FALSE));
}

/* What the common statement slots run for this engine; a failed
 * allocation names the provider. */
struct Statements {
  static Provider *cast (TorvanixProvidersContractsIProvider *base) { return provider_of (base); }
  static GQuark domain () { return TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR; }
  static constexpr providers::home::StatementSlotNames kNames{.allocation = "PostgreSQLProvider"};
  static constexpr auto scalar = execute_scalar;
  static constexpr auto reader = execute_reader;
  static constexpr auto model = execute_model;
  static constexpr auto statements = execute_statements;
};

}  // namespace

void
install_statements (TorvanixProvidersContractsIProviderInterface *iface)
{
  providers::home::install_statement_slots<Statements> (iface);
}

}  // namespace providers::postgresql
