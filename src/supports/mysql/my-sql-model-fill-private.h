/* A result read row by row (mysql_use_result) as a table. */
#pragma once

#include <mysql.h>

#include "libproviders/models/table-model.h"

namespace providers::mysql {

/* Every row of `result` as a table, or null when the server broke off in
 * the middle; the client's error then tells why. `result` stays the
 * caller's to free. */
TorvanixProvidersContractsTableModel *fill_model_streaming (MYSQL *connection, MYSQL_RES *result);

}  // namespace providers::mysql
