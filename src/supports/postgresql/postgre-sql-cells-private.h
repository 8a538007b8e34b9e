/* A result column's cells as the common cell layer reads them: the
 * column's data type from its type, and the few notations of the server
 * that differ from the ones the layer knows turned into those. */
#pragma once

#include <libpq-fe.h>

#include <string>
#include <vector>

#include "supports/common/text-cells-internal.h"
#include "supports/postgresql/postgre-sql-type-private.h"

namespace providers::postgresql {

/* How the server spells a column's cells where the common layer would
 * read them otherwise. */
enum class Notation : guint8 {
  kAsIs,
  kBoolean,  /* "t" or "f" */
  kHexBytes, /* "\x" and two hexadecimal digits a byte (bytea_output hex) */
};

struct ResultColumn {
  providers::home::Column column;
  Notation notation;
  Oid type;
  /* False for a type not built in that `types` had not looked up: its
   * cells are text until it is (TypeCatalog::look_up, once the
   * connection has no result in progress). */
  bool described;
};

/* A column of `type`, as `types` knows it. */
ResultColumn column_of (Oid type, const TypeCatalog &types);
/* The columns `result` describes, with the types `types` knows. */
std::vector<ResultColumn> columns_of (const PGresult *result, const TypeCatalog &types);

/* The types of `columns` not described yet, added to `oids`. */
void undescribed_types (const std::vector<ResultColumn> &columns, std::vector<Oid> &oids);

/* A cell as the server sent it (null text for SQL NULL) as the common
 * layer reads it. Decoded bytes are kept in `scratch`, which must outlive
 * the answer. */
providers::home::Cell readable (const ResultColumn &column, providers::home::Cell sent, std::string &scratch);

/* The same of the cell at `row`, `column` of `result`. Inline, with the
 * columns spelled as the layer reads them passed straight through: it
 * runs once per cell of every result. */
inline providers::home::Cell
readable_cell (const ResultColumn &column, const PGresult *result, int row, int column_number, std::string &scratch)
{
  if (PQgetisnull (result, row, column_number))
    return {};
  providers::home::Cell sent{PQgetvalue (result, row, column_number),
                             static_cast<gsize> (PQgetlength (result, row, column_number))};
  return column.notation == Notation::kAsIs ? sent : readable (column, sent, scratch);
}

/* Cells as the server sent them, copied and kept while the types of their
 * columns are looked up. */
class HeldCells {
 public:
  void add (const char *text, gsize length);
  std::size_t size () const { return lengths_.size (); }
  /* The cell added `index`th. */
  providers::home::Cell at (std::size_t index) const
  {
    return starts_[index] < 0 ? providers::home::Cell{}
                              : providers::home::Cell{bytes_.data () + starts_[index], lengths_[index]};
  }

 private:
  std::string bytes_;
  std::vector<gssize> starts_; /* -1 for SQL NULL */
  std::vector<gsize> lengths_;
};

}  // namespace providers::postgresql
