/* The declared types of SQLite's columns mapped to data types. */
#ifndef LIBPROVIDERS_SQLITE_SQ_LITE_TYPE_H
#define LIBPROVIDERS_SQLITE_SQ_LITE_TYPE_H

#include <glib.h>
#include <libproviders/sqlite/sq-lite-macros.h>
#include <libproviders/values/data-type.h>

G_BEGIN_DECLS

/**
 * torvanix_providers_supports_sq_lite_type_data_type:
 * @declared_type: (nullable): a column's declared type, as CREATE TABLE
 *   spells it ("VARCHAR(20)", "unsigned big int", "DATETIME")
 *
 * A few declared names have a class of their own, whatever their size
 * or precision in parentheses, compared without regard to case: DATE,
 * TIME, DATETIME, TIMESTAMP, BOOLEAN and BOOL, DECIMAL and NUMERIC, JSON,
 * UUID. Every other name follows SQLite's rules of column affinity, in
 * their order: a name containing "INT" is INT64 (INTEGER affinity); one
 * containing "CHAR", "CLOB" or "TEXT" is STRING (TEXT); one containing
 * "BLOB" is BLOB; one containing "REAL", "FLOA" or "DOUB" is DOUBLE
 * (REAL); any other name is DECIMAL (NUMERIC affinity).
 *
 * A column without a declared type (an expression, a column created
 * without one) answers UNKNOWN: its cells may be of any storage class,
 * and a result gives such a column the data type of its first cell that
 * is not null (INTEGER INT64, REAL DOUBLE, TEXT STRING, BLOB BLOB), or
 * STRING when every cell is null.
 *
 * Returns: the data type of the column's values
 */
PROVIDERS_SQLITE_API TorvanixProvidersContractsDataType torvanix_providers_supports_sq_lite_type_data_type (
    const gchar *declared_type);

G_END_DECLS

#endif /* LIBPROVIDERS_SQLITE_SQ_LITE_TYPE_H */
