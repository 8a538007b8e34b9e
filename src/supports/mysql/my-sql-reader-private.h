/* What the provider's statements need of the reader beyond its interface. */
#pragma once

#include <mysql.h>

#include "libproviders/mysql/my-sql-reader.h"

namespace providers::mysql {

/* A reader that frees `result` when it is finalized: the one that
 * execute_reader hands out. */
TorvanixProvidersSupportsMySQLReader *reader_owning (MYSQL_RES *result);

/* The typed value of a cell of the current row, as get_value answers it,
 * without the interface's dispatch. */
TorvanixProvidersContractsIValue *cell_value (TorvanixProvidersSupportsMySQLReader *self, guint16 ordinal);

/* What turning a column's cells into values needs to know of it. */
struct Column {
  guint32 type;  /* the server's type number */
  guint32 flags; /* as the server sent them */
  TorvanixProvidersContractsDataType data_type;
};

Column column_of (const MYSQL_FIELD &field);

/* The value of one cell (`text` null for SQL NULL) of `column`, dates and
 * times in `local_zone`. Touches nothing shared: threads may build values
 * of one result side by side. */
TorvanixProvidersContractsIValue *value_of_cell (const Column &column, const char *text, gsize length,
                                                 GTimeZone *local_zone);

/* Initialises every class value_of_cell may make (and rows), once. GLib
 * would do it on first use, also on another thread; doing it before
 * builder threads start keeps their start the only hand-over. */
void prepare_value_classes ();

}  // namespace providers::mysql
