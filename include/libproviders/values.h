/* Typed values: data types, value classes and the value factory. */
#ifndef LIBPROVIDERS_VALUES_H
#define LIBPROVIDERS_VALUES_H

#include <libproviders/values/data-type.h>
#include <libproviders/values/value-core.h>
#include <libproviders/values/value-scalar.h>
#include <libproviders/values/value-text.h>
#include <libproviders/values/value-binary.h>
#include <libproviders/values/value-datetime.h>
#include <libproviders/values/value-enum.h>
#include <libproviders/values/value-geometry.h>
#include <libproviders/values/value-factory.h>

#endif /* LIBPROVIDERS_VALUES_H */
