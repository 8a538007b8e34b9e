/* Column descriptions. */
#ifndef LIBPROVIDERS_MODELS_COLUMN_MODEL_H
#define LIBPROVIDERS_MODELS_COLUMN_MODEL_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/data-type.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_MODELS_COLUMN_MODEL_H */
