/* The MySQL/MariaDB provider. */
#ifndef LIBPROVIDERS_MYSQL_MY_SQL_PROVIDER_H
#define LIBPROVIDERS_MYSQL_MY_SQL_PROVIDER_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/contracts/provider.h>
#include <libproviders/mysql/my-sql-error.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_MYSQL_MY_SQL_PROVIDER_H */
