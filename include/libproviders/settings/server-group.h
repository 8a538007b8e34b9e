/* Profiles gathered into groups, and groups into organizations. */
#ifndef LIBPROVIDERS_SETTINGS_SERVER_GROUP_H
#define LIBPROVIDERS_SETTINGS_SERVER_GROUP_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/settings/server.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_SETTINGS_SERVER_GROUP_H */
