/* Errors of the MySQL provider. */
#ifndef LIBPROVIDERS_MYSQL_MY_SQL_ERROR_H
#define LIBPROVIDERS_MYSQL_MY_SQL_ERROR_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_MYSQL_MY_SQL_ERROR_H */
