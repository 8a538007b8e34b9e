/* Server column types mapped to data types. */
#ifndef LIBPROVIDERS_MYSQL_MY_SQL_TYPE_H
#define LIBPROVIDERS_MYSQL_MY_SQL_TYPE_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/data-type.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_MYSQL_MY_SQL_TYPE_H */
