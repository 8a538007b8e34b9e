/* A test fixture holding a provider opened on the fixture's server. */
#pragma once

#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include "support/gobject-test.h"
#include "test-server.h"

namespace providers::testing {

class OpenProviderTest : public ::testing::Test {
 protected:
  void SetUp () override
  {
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_open (p (), make_profile (test_server ()).get (), "", &error);
    ASSERT_EQ (error, nullptr) << error->message;
  }

  TorvanixProvidersContractsIProvider *p () { return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider_.get ()); }

 private:
  Owned<TorvanixProvidersSupportsMySQLProvider> provider_ = own (torvanix_providers_supports_my_sql_provider_new ());
};

}  // namespace providers::testing
