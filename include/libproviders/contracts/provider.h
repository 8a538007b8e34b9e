/* The provider interface and database objects. */
#ifndef LIBPROVIDERS_CONTRACTS_PROVIDER_H
#define LIBPROVIDERS_CONTRACTS_PROVIDER_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/contracts/data-reader.h>
#include <libproviders/contracts/result.h>
#include <libproviders/models/table-model.h>
#include <libproviders/settings/server.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_CONTRACTS_PROVIDER_H */
