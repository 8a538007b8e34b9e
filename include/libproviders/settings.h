/* Connection settings: profiles, groups, organizations and the settings file. */
#ifndef LIBPROVIDERS_SETTINGS_H
#define LIBPROVIDERS_SETTINGS_H

#include <libproviders/settings/server.h>
#include <libproviders/settings/server-group.h>
#include <libproviders/settings/server-setting.h>

#endif /* LIBPROVIDERS_SETTINGS_H */
