/* The JSON settings file of saved profiles. */
#ifndef LIBPROVIDERS_SETTINGS_SERVER_SETTING_H
#define LIBPROVIDERS_SETTINGS_SERVER_SETTING_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/settings/server-group.h>

G_BEGIN_DECLS

G_END_DECLS

#endif /* LIBPROVIDERS_SETTINGS_SERVER_SETTING_H */
