/* The MySQL/MariaDB provider. */
#ifndef LIBPROVIDERS_MYSQL_H
#define LIBPROVIDERS_MYSQL_H

#include <libproviders/mysql/my-sql-error.h>
#include <libproviders/mysql/my-sql-type.h>
#include <libproviders/mysql/my-sql-provider.h>
#include <libproviders/mysql/my-sql-reader.h>

#endif /* LIBPROVIDERS_MYSQL_H */
