/* Result models: columns, rows, tables and data sets. */
#ifndef LIBPROVIDERS_MODELS_H
#define LIBPROVIDERS_MODELS_H

#include <libproviders/models/column-model.h>
#include <libproviders/models/row-model.h>
#include <libproviders/models/table-model.h>
#include <libproviders/models/data-set-model.h>

#endif /* LIBPROVIDERS_MODELS_H */
