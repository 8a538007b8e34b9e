/* Builders the providers use once per cell: they adopt what the caller has
 * already made instead of copying it. Not exported. */
#pragma once

#include "libproviders/values/value-datetime.h"
#include "libproviders/values/value-text.h"

namespace providers::values {

/* A new value of `type` (a ValueDateTime or a kind of it) holding `value`
 * (adopted; null allowed), without notification. */
TorvanixProvidersContractsValueDateTime *date_time_adopt (GType type, GDateTime *value);

/* A new value of `type` (a ValueString or a kind of it) holding `text`
 * (adopted, allocated with g_malloc; not null), without notification. */
TorvanixProvidersContractsValueString *text_adopt (GType type, gchar *text);

/* A new value of `type` (a ValueString or a kind of it) holding a copy of
 * the first `length` bytes of `text`, up to a zero byte among them,
 * without notification; short texts are kept in the value's own block. */
TorvanixProvidersContractsValueString *text_copy (GType type, const gchar *text, gsize length);

}  // namespace providers::values
