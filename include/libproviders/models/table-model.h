/* A table of columns and rows, published as a list model. */
#ifndef LIBPROVIDERS_MODELS_TABLE_MODEL_H
#define LIBPROVIDERS_MODELS_TABLE_MODEL_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/models/column-model.h>
#include <libproviders/models/row-model.h>
#include <libproviders/contracts/result.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_MODELS_TABLE_MODEL_H */
