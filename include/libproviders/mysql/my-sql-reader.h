/* The reader over a fetched MySQL result. */
#ifndef LIBPROVIDERS_MYSQL_MY_SQL_READER_H
#define LIBPROVIDERS_MYSQL_MY_SQL_READER_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/contracts/data-reader.h>
#include <libproviders/mysql/my-sql-type.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_MYSQL_MY_SQL_READER_H */
