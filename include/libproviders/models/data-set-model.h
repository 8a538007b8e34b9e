/* A list model of tables. */
#ifndef LIBPROVIDERS_MODELS_DATA_SET_MODEL_H
#define LIBPROVIDERS_MODELS_DATA_SET_MODEL_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/models/table-model.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_MODELS_DATA_SET_MODEL_H */
