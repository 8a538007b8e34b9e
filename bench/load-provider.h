/* The library's side of the load benchmarks: a MySQL provider opened on the
 * benchmark's server. Apart from load-common.h, which the peer programs
 * share without linking the library. */
#pragma once

#include <libproviders/providers.h>

#include "load-common.h"

namespace load {

inline TorvanixProvidersContractsIProvider *open_provider (const Server &s)
{
  auto *profile = torvanix_providers_contracts_server_new_with_provider ("MySQL");
  torvanix_providers_contracts_server_set_host (profile, s.host.c_str ());
  torvanix_providers_contracts_server_set_port (profile, gint (s.port));
  torvanix_providers_contracts_server_set_username (profile, s.user.c_str ());
  torvanix_providers_contracts_server_set_password (profile, s.password.c_str ());
  torvanix_providers_contracts_server_set_initial (profile, s.database.c_str ());
  auto *provider = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (torvanix_providers_supports_my_sql_provider_new ());
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (provider, profile, "", &error);
  if (error != nullptr)
    die ("open", error->message);
  g_object_unref (profile);
  return provider;
}

}  // namespace load
