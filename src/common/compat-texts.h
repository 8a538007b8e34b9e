/* The texts that callers and tests rely on, in one place.
 *
 * Applications match these in logs and test suites pin them, so they are
 * part of the interface even where they look like accidents: a check text
 * that is not the C test beside it, a source-location prefix that is no
 * line of ours, a function name that CRITICALs report for a slot that has
 * no exported function of that name. Change none of them; docs/compatibility.md
 * lists them with the texts that follow from the code (the "<name> != NULL"
 * and "<MODULE>_IS_<TYPE> (self)" checks, the exported functions' names).
 *
 * Macros rather than constants, so that the log prefixes join the format
 * strings they begin. The MySQL provider's own texts are beside it, in
 * supports/mysql/my-sql-texts-private.h.
 */
#pragma once

/* Check texts that differ from the C test they report. */
#define PROVIDERS_TEXT_PROVIDER_GIVEN "_provider != NULL"
#define PROVIDERS_TEXT_NAME_GIVEN "_name != NULL"
#define PROVIDERS_TEXT_ROW_POSITION "0 <= position && position < m_values.size"
#define PROVIDERS_TEXT_TABLE_ROW "0 <= row && row < m_rows.size"
#define PROVIDERS_TEXT_TABLE_COL "0 <= col && col < m_rows[row].values.size"
#define PROVIDERS_TEXT_VERSION_POSITION "position < _tmp2_"
/* A column a reader does not have. */
#define PROVIDERS_TEXT_READER_ORDINAL "ordinal < field_count"
/* A null cell read as a number, reported under the parse step's name. */
#define PROVIDERS_TEXT_NULL_CELL "str != NULL"

/* The parse steps a null cell is reported under, each a reader getter's or
 * a cell's parse. */
#define PROVIDERS_STEP_BOOL_PARSE "bool_parse"
#define PROVIDERS_STEP_LONG_PARSE "long_parse"
#define PROVIDERS_STEP_ULONG_PARSE "ulong_parse"
#define PROVIDERS_STEP_INT64_PARSE "int64_parse"
#define PROVIDERS_STEP_UINT64_PARSE "uint64_parse"
#define PROVIDERS_STEP_FLOAT_PARSE "float_parse"
#define PROVIDERS_STEP_DOUBLE_PARSE "double_parse"

/* Function names that CRITICALs report for hooks and slots. (A value's own
 * check in a class virtual names the public route every call takes: the
 * slot bears that name, see contracts/values/value-family-private.h.) */
#define PROVIDERS_FN_SERVER_GROUP_SERIALIZE "torvanix_providers_contracts_server_group_real_serialize_property"
#define PROVIDERS_FN_SERVER_GROUP_DESERIALIZE "torvanix_providers_contracts_server_group_real_deserialize_property"
#define PROVIDERS_FN_ORGANIZATION_SERIALIZE "torvanix_providers_contracts_organization_real_serialize_property"
#define PROVIDERS_FN_ORGANIZATION_DESERIALIZE "torvanix_providers_contracts_organization_real_deserialize_property"
#define PROVIDERS_FN_SERVER_SETTING_SERIALIZE "torvanix_providers_contracts_server_setting_real_serialize_property"
#define PROVIDERS_FN_SERVER_SETTING_DESERIALIZE "torvanix_providers_contracts_server_setting_real_deserialize_property"
