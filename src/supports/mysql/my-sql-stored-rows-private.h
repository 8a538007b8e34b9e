/* The rows of a result the client library stored whole, as the common
 * build-ahead thread walks them. */
#pragma once

#include <mysql.h>

#include <memory>

#include "supports/common/values-ahead-internal.h"

namespace providers::mysql {

/* The rows from `first` on, each of `fields` cells. */
std::unique_ptr<providers::home::StoredRows> stored_rows_from (MYSQL_ROWS *first, std::size_t fields);

}  // namespace providers::mysql
