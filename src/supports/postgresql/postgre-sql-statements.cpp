/* The provider's statements that answer data: one value, a table, or one
 * result per statement of a text. Rows go into the common table fill as
 * they arrive. */
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

/* One statement's rows into a table, as they arrive. */
class StatementTable {
 public:
  explicit StatementTable (const PGresult *described) : columns_ (columns_of (described))
  {
    std::vector<providers::home::Column> common;
    for (const ResultColumn &c : columns_)
      common.push_back (c.column);
    for (int i = 0; i < PQnfields (described); ++i)
      names_.emplace_back (PQfname (described, i));
    fill_.emplace (std::move (common));
  }

  void add_row (const PGresult *row)
  {
    for (std::size_t i = 0; i < columns_.size (); ++i) {
      providers::home::Cell cell = readable_cell (columns_[i], row, 0, static_cast<int> (i), scratch_);
      fill_->add_cell (cell.text, cell.length);
    }
    fill_->end_row ();
  }

  Table *finish ()
  {
    std::vector<const char *> names;
    for (const std::string &name : names_)
      names.push_back (name.c_str ());
    return fill_->finish (names);
  }

 private:
  std::vector<ResultColumn> columns_;
  std::vector<std::string> names_;
  std::string scratch_;
  std::optional<providers::home::TableFill> fill_;
};

/* The results of a text as tables (statements with rows) and counts
 * (the others): of its first statement only, or of every one. */
class Tables : public TextSink {
 public:
  explicit Tables (bool every_statement) : every_statement_ (every_statement) {}

  void row (const PGresult *row) override
  {
    if (!wanted ())
      return;
    if (!table_)
      table_.emplace (row);
    table_->add_row (row);
  }

  void end (const PGresult *end) override
  {
    if (wanted ()) {
      if (PQresultStatus (end) == PGRES_TUPLES_OK) {
        if (!table_)
          table_.emplace (end);
        items_.push_back (providers::adopt_ref (G_OBJECT (table_->finish ())));
      } else {
        items_.push_back (providers::adopt_ref (G_OBJECT (count_value (affected_rows (end)))));
        if (statements_ == 0)
          first_had_rows_ = false;
      }
    }
    table_.reset ();
    ++statements_;
  }

  /* The first statement answered rows. */
  bool first_had_rows () const { return statements_ > 0 && first_had_rows_; }
  std::vector<providers::GRef<GObject>> &items () { return items_; }

 private:
  bool wanted () const { return every_statement_ || statements_ == 0; }

  const bool every_statement_;
  int statements_ = 0;
  bool first_had_rows_ = true;
  std::optional<StatementTable> table_;
  std::vector<providers::GRef<GObject>> items_;
};

/* The first cell of the first statement's first row, or that statement's
 * count when it has none. */
class FirstCell : public TextSink {
 public:
  void row (const PGresult *row) override
  {
    if (statements_ > 0 || value_ || PQnfields (row) == 0)
      return;
    ResultColumn column = columns_of (row).front ();
    std::string scratch;
    providers::home::Cell cell = readable_cell (column, row, 0, 0, scratch);
    providers::GUnique<GTimeZone> zone (g_time_zone_new_local ());
    value_ = providers::adopt_ref (providers::home::value_of_cell (column.column, cell.text, cell.length, zone.get ()));
  }

  void end (const PGresult *end) override
  {
    if (statements_++ == 0)
      count_ = affected_rows (end);
  }

  IValue *answer () { return value_ ? value_.release () : count_value (count_); }

 private:
  int statements_ = 0;
  gint64 count_ = 0;
  providers::GRef<IValue> value_;
};

Table *
execute_model (Provider *self, const gchar *statement, GError **error)
{
  ProviderLock lock (self);
  Tables tables (false);
  if (!run_text (self, statement, tables, error))
    return nullptr;
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
  FirstCell first;
  if (!run_text (self, statement, first, error))
    return nullptr;
  return first.answer ();
}

/* Every statement's result, or none: a failing statement undoes the text's
 * work before it, so counts of statements that ran before it are not
 * answered as done. */
GObject **
execute_statements (Provider *self, const gchar *statements, gint *result_length, GError **error)
{
  ProviderLock lock (self);
  Tables tables (true);
  if (!run_text (self, statements, tables, error))
    return nullptr;
  GPtrArray *items = g_ptr_array_new ();
  for (auto &item : tables.items ())
    g_ptr_array_add (items, item.release ());
  if (result_length)
    *result_length = static_cast<gint> (items->len);
  g_ptr_array_add (items, nullptr);
  return reinterpret_cast<GObject **> (g_ptr_array_free (items, FALSE));
}

/* The slots' frame: the entry checks, then the work, no exception let out. */
template <typename T, typename Work>
T
guarded (const gchar *statement, GError **error, T refused, Work &&work) noexcept
{
  return providers::home::guarded_statement ("PostgreSQLProvider", statement,
                                             TORVANIX_PROVIDERS_SUPPORTS_POSTGRE_SQL_ERROR, error, refused,
                                             std::forward<Work> (work));
}

IValue *
provider_execute_scalar (TorvanixProvidersContractsIProvider *base, const gchar *statement, gint,
                         GError **error) noexcept
{
  providers_return_val_if_fail (statement != NULL, nullptr);
  return guarded (statement, error, static_cast<IValue *> (nullptr),
                  [&] { return execute_scalar (provider_of (base), statement, error); });
}

Table *
provider_execute_model (TorvanixProvidersContractsIProvider *base, const gchar *statement, gint,
                        GError **error) noexcept
{
  providers_return_val_if_fail (statement != NULL, nullptr);
  return guarded (statement, error, static_cast<Table *> (nullptr),
                  [&] { return execute_model (provider_of (base), statement, error); });
}

GObject **
provider_execute_statements (TorvanixProvidersContractsIProvider *base, const gchar *statements, gint,
                             gint *result_length, GError **error) noexcept
{
  providers_return_val_if_fail (statements != NULL, nullptr);
  return guarded (statements, error, static_cast<GObject **> (nullptr),
                  [&] { return execute_statements (provider_of (base), statements, result_length, error); });
}

/* The reader is not there yet: an empty slot would answer null without an
 * error, which a caller cannot tell from nothing. */
TorvanixProvidersContractsIDataReader *
provider_execute_reader (TorvanixProvidersContractsIProvider *, const gchar *statement, GError **error) noexcept
{
  providers_return_val_if_fail (statement != NULL, nullptr);
  set_own_error (error, "execute_reader is not supported by the PostgreSQL provider yet.");
  return nullptr;
}

}  // namespace

void
install_statements (TorvanixProvidersContractsIProviderInterface *iface)
{
  iface->execute_model = provider_execute_model;
  iface->execute_scalar = provider_execute_scalar;
  iface->execute_statements = provider_execute_statements;
  iface->execute_reader = provider_execute_reader;
}

}  // namespace providers::postgresql
