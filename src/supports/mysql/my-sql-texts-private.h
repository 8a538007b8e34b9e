/* The MySQL provider's texts that callers and tests rely on: part of the
 * interface as those of common/compat-texts.h are (docs/compatibility.md
 * lists them), and the MySQL provider's alone. */
#pragma once

/* Log messages, with their source-location prefixes. */
#define PROVIDERS_LOG_CONNECTION_CLOSED "provider:67: Connection closed."
#define PROVIDERS_LOG_CONNECTION_OPTIONS "error:76: Connection options:\n"
#define PROVIDERS_LOG_TIMESPAN_CELL "reader:188: timespan raw value: "

/* Function names that CRITICALs report for the provider's and the reader's slots. */
#define PROVIDERS_FN_MY_SQL_PROVIDER_OPEN "torvanix_providers_supports_my_sql_provider_real_open"
#define PROVIDERS_FN_MY_SQL_PROVIDER_EXECUTE_AFFECT "torvanix_providers_supports_my_sql_provider_real_execute_affect"
#define PROVIDERS_FN_MY_SQL_PROVIDER_EXECUTE_MODEL "torvanix_providers_supports_my_sql_provider_real_execute_model"
#define PROVIDERS_FN_MY_SQL_PROVIDER_EXECUTE_SCALAR "torvanix_providers_supports_my_sql_provider_real_execute_scalar"
#define PROVIDERS_FN_MY_SQL_PROVIDER_EXECUTE_READER "torvanix_providers_supports_my_sql_provider_real_execute_reader"
#define PROVIDERS_FN_MY_SQL_PROVIDER_EXECUTE_STATEMENTS "torvanix_providers_supports_my_sql_provider_real_execute_statements"
#define PROVIDERS_FN_MY_SQL_READER_GET_NAME "torvanix_providers_supports_my_sql_reader_real_get_name"
#define PROVIDERS_FN_MY_SQL_READER_GET_DBMS_TYPE "torvanix_providers_supports_my_sql_reader_real_get_dbms_type"
#define PROVIDERS_FN_MY_SQL_READER_GET_DATA_TYPE "torvanix_providers_supports_my_sql_reader_real_get_data_type"
#define PROVIDERS_FN_MY_SQL_READER_GET_SIZE "torvanix_providers_supports_my_sql_reader_real_get_size"
#define PROVIDERS_FN_MY_SQL_READER_GET_DATE "torvanix_providers_supports_my_sql_reader_real_get_date"
