/* Builds a value object of any data type from text. */
#ifndef LIBPROVIDERS_VALUES_VALUE_FACTORY_H
#define LIBPROVIDERS_VALUES_VALUE_FACTORY_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

/**
 * torvanix_providers_contracts_ivalue_factory:
 * @type: the data type of the value to build; any number is accepted
 * @text: (nullable): the value as text, or %NULL for the type's default
 *
 * Builds the value class that matches @type from @text. Numbers are read
 * with a full stop as the decimal point whatever the locale, up to the
 * first character that does not belong to them; a text without a number
 * gives 0. Integers too large for their type wrap around: the result is
 * the written number modulo 2^8, 2^16 or 2^32, except for the 64-bit
 * types and time spans, which saturate at their limits. Dates and times
 * are ISO 8601. Types without a class of their own give a ValueXml
 * holding the text.
 *
 * Returns: (transfer full): a new value; never %NULL
 */
PROVIDERS_API TorvanixProvidersContractsIValue *torvanix_providers_contracts_ivalue_factory (TorvanixProvidersContractsDataType type, const gchar *text);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_FACTORY_H */
