/* The forward-only data reader interface. */
#ifndef LIBPROVIDERS_CONTRACTS_DATA_READER_H
#define LIBPROVIDERS_CONTRACTS_DATA_READER_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_CONTRACTS_DATA_READER_H */
