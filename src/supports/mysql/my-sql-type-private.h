/* The type mapping for the library's own use, without the interface. */
#pragma once

#include <mysql.h>

#include "libproviders/values/data-type.h"
#include "supports/common/text-cells-internal.h"

namespace providers::mysql {

/* The server's name of a field type code; "" for an unknown code. */
const char *dbms_type_name (guint32 type) noexcept;

/* The data type of a column of that field type code and flags. */
TorvanixProvidersContractsDataType data_type_of (guint32 type, guint32 flags) noexcept;

/* How the common cell layer reads the cells of a column the server
 * describes as `field`. */
providers::home::Column column_of (const MYSQL_FIELD &field) noexcept;

}  // namespace providers::mysql
