/* The provider's calls as the tests make them: one call, its answer and
 * its error together. */
#pragma once

#include <libproviders/providers.h>
#include <libproviders/postgresql.h>

#include <string>

#include "pg-test-server.h"

namespace providers::testing {

struct Outcome {
  gint64 answer = 0;
  bool failed = false;
  GQuark domain = 0;
  int code = 0;
  std::string message;
};

inline TorvanixProvidersContractsIProvider *
as_provider (const Owned<TorvanixProvidersSupportsPostgreSQLProvider> &provider)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());
}

/* Takes `error` (may be null) into an outcome. */
inline Outcome outcome_of (gint64 answer, GError *error)
{
  Outcome o;
  o.answer = answer;
  if (error != nullptr) {
    o.failed = true;
    o.domain = error->domain;
    o.code = error->code;
    o.message = error->message;
    g_error_free (error);
  }
  return o;
}

inline Outcome affect (const Owned<TorvanixProvidersSupportsPostgreSQLProvider> &provider, const std::string &text)
{
  GError *error = nullptr;
  gint64 n = torvanix_providers_contracts_iprovider_execute_affect (as_provider (provider), text.c_str (), 0, &error);
  return outcome_of (n, error);
}

inline Outcome open_with (const Owned<TorvanixProvidersSupportsPostgreSQLProvider> &provider,
                          TorvanixProvidersContractsServer *profile)
{
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (as_provider (provider), profile, "", &error);
  return outcome_of (0, error);
}

inline int sqlstate_code (const char *sqlstate)
{
  return torvanix_providers_supports_postgre_sql_error_code (sqlstate);
}

}  // namespace providers::testing
