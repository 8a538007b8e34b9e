/* The PostgreSQL provider, in libproviders-postgresql. */
#ifndef LIBPROVIDERS_POSTGRESQL_H
#define LIBPROVIDERS_POSTGRESQL_H

#include <libproviders/postgresql/postgre-sql-macros.h>
#include <libproviders/postgresql/postgre-sql-error.h>
#include <libproviders/postgresql/postgre-sql-type.h>
#include <libproviders/postgresql/postgre-sql-provider.h>
#include <libproviders/postgresql/postgre-sql-reader.h>

#endif /* LIBPROVIDERS_POSTGRESQL_H */
