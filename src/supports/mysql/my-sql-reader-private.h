/* What the provider's statements need of the reader beyond its interface. */
#pragma once

#include <mysql.h>

#include "libproviders/mysql/my-sql-reader.h"

namespace providers::mysql {

/* A reader that frees `result` when it is finalized: the one that
 * execute_reader hands out. */
TorvanixProvidersSupportsMySQLReader *reader_owning (MYSQL_RES *result);

}  // namespace providers::mysql
