/* libproviders: the one header applications include. */
#ifndef LIBPROVIDERS_PROVIDERS_H
#define LIBPROVIDERS_PROVIDERS_H

#include <libproviders/values.h>
#include <libproviders/models.h>
#include <libproviders/contracts.h>
#include <libproviders/settings.h>
#include <libproviders/mysql.h>

#endif /* LIBPROVIDERS_PROVIDERS_H */
