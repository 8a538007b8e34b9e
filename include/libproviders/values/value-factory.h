/* Builds a value object of any data type from text. */
#ifndef LIBPROVIDERS_VALUES_VALUE_FACTORY_H
#define LIBPROVIDERS_VALUES_VALUE_FACTORY_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_FACTORY_H */
