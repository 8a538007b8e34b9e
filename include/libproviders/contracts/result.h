/* Results: the result interface, scalar and invalid results. */
#ifndef LIBPROVIDERS_CONTRACTS_RESULT_H
#define LIBPROVIDERS_CONTRACTS_RESULT_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_CONTRACTS_RESULT_H */
