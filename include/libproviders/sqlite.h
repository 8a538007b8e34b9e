/* The SQLite provider, in libproviders-sqlite. */
#ifndef LIBPROVIDERS_SQLITE_H
#define LIBPROVIDERS_SQLITE_H

#include <libproviders/sqlite/sq-lite-macros.h>
#include <libproviders/sqlite/sq-lite-error.h>
#include <libproviders/sqlite/sq-lite-type.h>
#include <libproviders/sqlite/sq-lite-provider.h>

#endif /* LIBPROVIDERS_SQLITE_H */
