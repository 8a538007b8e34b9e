/* Filling a table from a result as its rows arrive (mysql_use_result):
 * the rows are read while the server is still sending them, and the
 * common table fill (supports/common/table-fill-internal.h) builds them. */
#include "supports/mysql/my-sql-model-fill-private.h"

#include <vector>

#include "supports/common/table-fill-internal.h"
#include "supports/mysql/my-sql-type-private.h"

namespace providers::mysql {

TorvanixProvidersContractsTableModel *
fill_model_streaming (MYSQL *connection, MYSQL_RES *result)
{
  const unsigned int fields = mysql_num_fields (result);
  if (fields == 0)
    return torvanix_providers_contracts_table_model_new ();
  MYSQL_FIELD *described = mysql_fetch_fields (result);

  std::vector<providers::home::Column> columns;
  std::vector<const char *> names;
  columns.reserve (fields);
  names.reserve (fields);
  for (unsigned int i = 0; i < fields; ++i) {
    columns.push_back (column_of (described[i]));
    names.push_back (described[i].name ? described[i].name : "");
  }
  providers::home::TableFill fill (std::move (columns));
  while (MYSQL_ROW row = mysql_fetch_row (result)) {
    unsigned long *lengths = mysql_fetch_lengths (result);
    for (unsigned int i = 0; i < fields; ++i)
      fill.add_cell (row[i], lengths[i]);
    fill.end_row ();
  }
  /* The server broke off in the middle: what arrived is not the result. */
  if (mysql_errno (connection) != 0)
    return nullptr;
  return fill.finish (names);
}

}  // namespace providers::mysql
