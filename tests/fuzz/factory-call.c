/* The value factory called with any int for its data type, as a C caller
 * may: in C an enumeration holds any value of its integer type, while in
 * C++ an out-of-range enumeration value is undefined. */
#include <libproviders/providers.h>

TorvanixProvidersContractsIValue *fuzz_factory_call (int type, const gchar *text);

TorvanixProvidersContractsIValue *
fuzz_factory_call (int type, const gchar *text)
{
  return torvanix_providers_contracts_ivalue_factory ((TorvanixProvidersContractsDataType) type, text);
}
