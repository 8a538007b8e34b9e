/* Date-time, date, time and time-span values. */
#ifndef LIBPROVIDERS_VALUES_VALUE_DATETIME_H
#define LIBPROVIDERS_VALUES_VALUE_DATETIME_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_DATETIME_H */
