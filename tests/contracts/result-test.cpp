/* The result interface and the scalar and invalid results. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "support/notify-counter.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::NotifyCounter;
using providers::testing::own;

namespace {

TEST (Results, BothClassesAreResults)
{
  EXPECT_STREQ (g_type_name (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IRESULT), "TorvanixProvidersContractsIResult");
  EXPECT_STREQ (g_type_name (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SCALAR_RESULT), "TorvanixProvidersContractsScalarResult");
  EXPECT_STREQ (g_type_name (TORVANIX_PROVIDERS_CONTRACTS_TYPE_INVALID_RESULT), "TorvanixProvidersContractsInvalidResult");
  for (GType type : {TORVANIX_PROVIDERS_CONTRACTS_TYPE_SCALAR_RESULT, TORVANIX_PROVIDERS_CONTRACTS_TYPE_INVALID_RESULT})
    EXPECT_TRUE (g_type_is_a (type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_IRESULT)) << g_type_name (type);
}

TEST (Results, ScalarRowsNotifyOnlyOnChange)
{
  auto result = own (torvanix_providers_contracts_scalar_result_new (3));
  EXPECT_EQ (torvanix_providers_contracts_scalar_result_get_rows (result.get ()), 3);
  NotifyCounter counter (result.get (), "rows");
  torvanix_providers_contracts_scalar_result_set_rows (result.get (), 3);
  EXPECT_EQ (counter.count (), 0);
  torvanix_providers_contracts_scalar_result_set_rows (result.get (), G_MININT32);
  g_object_set (result.get (), "rows", G_MININT32, nullptr);
  EXPECT_EQ (counter.count (), 1);
  EXPECT_EQ (torvanix_providers_contracts_scalar_result_get_rows (result.get ()), G_MININT32);
}

TEST (Results, InvalidResultHoldsCopiesAndNotifiesOnlyOnChange)
{
  std::string code = "42S02", message = "no such table";
  auto result = own (torvanix_providers_contracts_invalid_result_new (code.c_str (), message.c_str ()));
  code[0] = message[0] = '?';
  EXPECT_STREQ (torvanix_providers_contracts_invalid_result_get_code (result.get ()), "42S02");
  EXPECT_STREQ (torvanix_providers_contracts_invalid_result_get_message (result.get ()), "no such table");

  NotifyCounter code_counter (result.get (), "code");
  NotifyCounter message_counter (result.get (), "message");
  torvanix_providers_contracts_invalid_result_set_code (result.get (), "42S02");
  torvanix_providers_contracts_invalid_result_set_message (result.get (), "no such table");
  EXPECT_EQ (code_counter.count () + message_counter.count (), 0);
  torvanix_providers_contracts_invalid_result_set_code (result.get (), nullptr);
  torvanix_providers_contracts_invalid_result_set_code (result.get (), nullptr);
  EXPECT_EQ (code_counter.count (), 1);
  EXPECT_EQ (torvanix_providers_contracts_invalid_result_get_code (result.get ()), nullptr);
  g_object_set (result.get (), "message", "other", nullptr);
  EXPECT_EQ (message_counter.count (), 1);
  EXPECT_STREQ (torvanix_providers_contracts_invalid_result_get_message (result.get ()), "other");
}

TEST (Results, NullArgumentsAreRefused)
{
  LogCapture log;
  EXPECT_EQ (torvanix_providers_contracts_invalid_result_new (nullptr, "m"), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_invalid_result_new ("c", nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_scalar_result_get_rows (nullptr), 0);
  torvanix_providers_contracts_invalid_result_set_message (nullptr, "m");
  const std::string construct = "torvanix_providers_contracts_invalid_result_construct";
  EXPECT_EQ (log.criticals (),
             (std::vector<std::string>{
                 assertion_text (construct, "error_code != NULL"),
                 assertion_text (construct, "error_message != NULL"),
                 assertion_text ("torvanix_providers_contracts_scalar_result_get_rows", "self != NULL"),
                 assertion_text ("torvanix_providers_contracts_invalid_result_set_message", "self != NULL"),
             }));
}

}  // namespace
