/* Integer, boolean, floating, money and decimal values. */
#ifndef LIBPROVIDERS_VALUES_VALUE_SCALAR_H
#define LIBPROVIDERS_VALUES_VALUE_SCALAR_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_SCALAR_H */
