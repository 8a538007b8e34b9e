/* One row of values with its edit version. */
#ifndef LIBPROVIDERS_MODELS_ROW_MODEL_H
#define LIBPROVIDERS_MODELS_ROW_MODEL_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_MODELS_ROW_MODEL_H */
