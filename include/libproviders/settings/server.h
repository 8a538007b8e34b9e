/* One connection profile and the vendor name lists. */
#ifndef LIBPROVIDERS_SETTINGS_SERVER_H
#define LIBPROVIDERS_SETTINGS_SERVER_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_SETTINGS_SERVER_H */
