/* A result column's cells as the common cell layer reads them: the
 * column's data type from its type, and the few notations of the server
 * that differ from the ones the layer knows turned into those. */
#pragma once

#include <libpq-fe.h>

#include <string>
#include <vector>

#include "supports/common/text-cells-internal.h"

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
};

/* The columns `result` describes. */
std::vector<ResultColumn> columns_of (const PGresult *result);

/* The cell at `row`, `column` of `result` as the common layer reads it;
 * SQL NULL is a cell without text. Decoded bytes are kept in `scratch`,
 * which must outlive the answer. */
providers::home::Cell readable_cell (const ResultColumn &column, const PGresult *result, int row, int column_number,
                                     std::string &scratch);

}  // namespace providers::postgresql
