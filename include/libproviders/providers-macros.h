/* Export and deprecation macros shared by every public header. */
#ifndef LIBPROVIDERS_MACROS_H
#define LIBPROVIDERS_MACROS_H

#include <glib.h>

/* Marks every symbol that belongs to the library's public surface. The
 * library is built with hidden visibility, so anything without it stays
 * private; a linker script admits only the two public prefixes. Written
 * once before G_DECLARE_*, it exports the x_get_type that the macro
 * declares first. */
#define PROVIDERS_API __attribute__ ((visibility ("default"))) extern

#endif /* LIBPROVIDERS_MACROS_H */
