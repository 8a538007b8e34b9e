/* Provider contracts: the provider and reader interfaces and results. */
#ifndef LIBPROVIDERS_CONTRACTS_H
#define LIBPROVIDERS_CONTRACTS_H

#include <libproviders/contracts/result.h>
#include <libproviders/contracts/data-reader.h>
#include <libproviders/contracts/provider.h>

#endif /* LIBPROVIDERS_CONTRACTS_H */
