/* The type mapping for the library's own use, without the interface. */
#pragma once

#include "libproviders/values/data-type.h"

namespace providers::mysql {

/* The server's name of a field type code; "" for an unknown code. */
const char *dbms_type_name (guint32 type) noexcept;

/* The data type of a column of that field type code and flags. */
TorvanixProvidersContractsDataType data_type_of (guint32 type, guint32 flags) noexcept;

}  // namespace providers::mysql
