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
 * Builds a value of the class that matches @type from @text, for code that
 * knows no more than a column's data type:
 * torvanix_providers_contracts_table_model_new_row() fills a new row with the
 * defaults it answers for %NULL. It logs nothing and keeps no state, so it may
 * be called from any thread.
 *
 * Numbers are read with a full stop as the decimal point whatever the locale,
 * after leading white space and an optional sign, up to the first character
 * that does not belong to them; a text without a number, and %NULL, give 0.
 * INT8, INT16 and INT32 read decimal digits only; UINT8, UINT16, UINT32,
 * INT64, UINT64 and TIMESPAN also read "0x" for hexadecimal and a leading 0
 * for octal. Integers too large for their type wrap around: the result is the
 * written number modulo 2^8, 2^16 or 2^32 ("300" gives 44 for INT8), except
 * for the 64-bit types and TIMESPAN, which saturate at their limits. FLOAT
 * rounds straight from the text; a number beyond its range gives an infinity.
 * BOOLEAN is %TRUE only for the text "true".
 *
 * DATE, DATETIME and TIMESTAMP read a full ISO 8601 date and time (TIMESTAMP
 * and DATETIME as UTC when the text names no zone, DATE in the local zone);
 * other text, a bare date included, gives the Unix epoch, and %NULL the
 * current time. TIME takes the time of day of a full ISO 8601 date and time,
 * midnight for any other text, and the current time for %NULL. BINARY and BLOB
 * hold the bytes of the text, without its terminating zero. DBNULL gives a
 * #TorvanixProvidersContractsValueNull and OBJECT a plain
 * #TorvanixProvidersContractsValueObject, whatever the text. STRING, JSON and
 * UUID give their own classes holding the text ("" for %NULL); every other
 * type (DECIMAL, ENUM, FLAGS, SET, WSTRING, GEOMETRY, GEOGRAPHY, VARIANT,
 * POINTER, ARRAY, ERROR, UNKNOWN and any number that is not a data type) gives
 * a #TorvanixProvidersContractsValueXml holding the text.
 *
 * Returns: (transfer full): a new value; never %NULL
 */
PROVIDERS_API TorvanixProvidersContractsIValue *torvanix_providers_contracts_ivalue_factory (TorvanixProvidersContractsDataType type, const gchar *text);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_FACTORY_H */
