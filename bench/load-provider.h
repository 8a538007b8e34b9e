/* The library's side of the load benchmarks: a provider opened on the
 * benchmark's server or file, and the measured loads through
 * execute_model and execute_reader, whatever the engine. Apart from
 * load-common.h, which the peer programs share without linking the
 * library. */
#pragma once

#include <libproviders/providers.h>

#include <string>

#include "load-common.h"

namespace load {

/* A profile of `provider_name` for the server `s` describes. */
inline TorvanixProvidersContractsServer *server_profile (const char *provider_name, const Server &s)
{
  auto *profile = torvanix_providers_contracts_server_new_with_provider (provider_name);
  torvanix_providers_contracts_server_set_host (profile, s.host.c_str ());
  torvanix_providers_contracts_server_set_port (profile, gint (s.port));
  torvanix_providers_contracts_server_set_username (profile, s.user.c_str ());
  torvanix_providers_contracts_server_set_password (profile, s.password.c_str ());
  torvanix_providers_contracts_server_set_initial (profile, s.database.c_str ());
  return profile;
}

/* Opens `provider` (adopted) on `profile` (released); ends the program on
 * failure. */
inline TorvanixProvidersContractsIProvider *opened (gpointer provider, TorvanixProvidersContractsServer *profile)
{
  auto *base = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider);
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (base, profile, "", &error);
  if (error != nullptr)
    die ("open", error->message);
  g_object_unref (profile);
  return base;
}

inline TorvanixProvidersContractsIProvider *open_provider (const Server &s)
{
  return opened (torvanix_providers_supports_my_sql_provider_new (), server_profile ("MySQL", s));
}

MEASURED inline TorvanixProvidersContractsTableModel *measured_build_model (TorvanixProvidersContractsIProvider *provider,
                                                                            const std::string &sql, long &cells)
{
  GError *error = nullptr;
  auto *model = torvanix_providers_contracts_iprovider_execute_model (provider, sql.c_str (), 0, &error);
  if (model == nullptr)
    die ("execute_model", error ? error->message : "no model");
  gint columns = gee_abstract_collection_get_size (
    GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_table_model_get_columns (model)));
  cells = long (g_list_model_get_n_items (G_LIST_MODEL (model))) * columns;
  return model;
}

MEASURED inline void measured_release_model (TorvanixProvidersContractsTableModel *model)
{
  g_object_unref (model);
}

/* A function of its own so that a profiler tells the values' last unref
 * apart from building and handing them over. */
MEASURED inline void measured_drop_values (TorvanixProvidersContractsIValue **values, gint length)
{
  for (gint i = 0; i < length; ++i)
    g_object_unref (values[i]);
  g_free (values);
}

/* Each row's values are released as the loop goes, as a reader's user
 * would; only the reader itself is left for the release. */
MEASURED inline TorvanixProvidersContractsIDataReader *measured_build_reader (
  TorvanixProvidersContractsIProvider *provider, const std::string &sql, long &cells)
{
  GError *error = nullptr;
  auto *reader = torvanix_providers_contracts_iprovider_execute_reader (provider, sql.c_str (), &error);
  if (reader == nullptr)
    die ("execute_reader", error ? error->message : "no reader");
  while (torvanix_providers_contracts_idata_reader_read (reader, &error)) {
    gint length = 0;
    auto **values = torvanix_providers_contracts_idata_reader_get_values (reader, &length, &error);
    if (values == nullptr)
      die ("get_values", error ? error->message : "no values");
    measured_drop_values (values, length);
    cells += length;
  }
  if (error != nullptr)
    die ("read", error->message);
  return reader;
}

MEASURED inline void measured_release_reader (TorvanixProvidersContractsIDataReader *reader)
{
  g_object_unref (reader);
}

/* One load through execute_model or the reader on a provider that
 * `open` () opens, and releases after. */
template <typename Open>
Sample model_load (Open open, const std::string &sql)
{
  TorvanixProvidersContractsIProvider *provider = open ();
  Sample out = timed ([&] (long &cells) { return measured_build_model (provider, sql, cells); }, measured_release_model);
  g_object_unref (provider);
  return out;
}

template <typename Open>
Sample reader_load (Open open, const std::string &sql)
{
  TorvanixProvidersContractsIProvider *provider = open ();
  Sample out = timed ([&] (long &cells) { return measured_build_reader (provider, sql, cells); },
                      measured_release_reader);
  g_object_unref (provider);
  return out;
}

}  // namespace load
