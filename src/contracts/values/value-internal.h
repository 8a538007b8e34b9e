/* Builders the providers use once per cell: they adopt what the caller has
 * already made instead of copying it. Not exported. */
#pragma once

#include "libproviders/values/value-datetime.h"
#include "libproviders/values/value-scalar.h"
#include "libproviders/values/value-text.h"

namespace providers::values {

/* A new value of `type` (a ValueDateTime or a kind of it) holding `value`
 * (adopted; null allowed), without notification. */
TorvanixProvidersContractsValueDateTime *date_time_adopt (GType type, GDateTime *value);

/* A date-time value of `type` read from a server: holds `value` (adopted;
 * not null) and prints `decimals` (0 to 6) fraction digits, as sent. */
TorvanixProvidersContractsValueDateTime *date_time_adopt_cell (GType type, GDateTime *value, gint decimals);

/* A date-time value of `type` without a date-time that prints `text`
 * (adopted, g_malloc'd): a server's date that no GDateTime can hold. */
TorvanixProvidersContractsValueDateTime *date_time_adopt_text (GType type, gchar *text);

/* A ValueDecimal read from a server: `value` for its number, the `length`
 * bytes of `text` (copied; a zero byte ends them) for its print, the
 * server's digits. */
TorvanixProvidersContractsValueDecimal *decimal_with_text (gdouble value, const gchar *text, gsize length);

/* Makes an integer value read from a server print `text` (adopted,
 * g_malloc'd), the server's spelling of its number ("00042", "0000"). */
void integer_keep_text (TorvanixProvidersContractsValueObject *value, gchar *text);

/* A new value of `type` (a ValueString or a kind of it) holding `text`
 * (adopted, allocated with g_malloc; not null), without notification. */
TorvanixProvidersContractsValueString *text_adopt (GType type, gchar *text);

/* A new value of `type` (a ValueString or a kind of it) holding a copy of
 * the first `length` bytes of `text`, up to a zero byte among them,
 * without notification; short texts are kept in the value's own block. */
TorvanixProvidersContractsValueString *text_copy (GType type, const gchar *text, gsize length);

}  // namespace providers::values
