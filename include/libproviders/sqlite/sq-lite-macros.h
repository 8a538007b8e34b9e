/* The export macro of libproviders-sqlite. */
#ifndef LIBPROVIDERS_SQLITE_SQ_LITE_MACROS_H
#define LIBPROVIDERS_SQLITE_SQ_LITE_MACROS_H

#include <glib.h>

/* Marks the symbols of the SQLite library's public surface: it is built
 * with hidden visibility and a linker script of its own. Written once
 * before G_DECLARE_*, it exports the x_get_type that the macro declares
 * first. */
#define PROVIDERS_SQLITE_API __attribute__ ((visibility ("default"))) extern

#endif /* LIBPROVIDERS_SQLITE_SQ_LITE_MACROS_H */
