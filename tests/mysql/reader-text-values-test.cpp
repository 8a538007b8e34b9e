/* Text cells of every length around the size a value keeps in its own
 * block: the same text through the reader and the table, and a value that
 * is written afterwards, also with its own text, keeps what it is given. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/gobject-test.h"
#include "support/notify-counter.h"
#include "test-server.h"

using providers::testing::make_profile;
using providers::testing::NotifyCounter;
using providers::testing::own;
using providers::testing::test_server;

namespace {

const char *text_of (gpointer value)
{
  return torvanix_providers_contracts_value_string_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_STRING (value));
}

}  // namespace

TEST (ReaderTextValues, EveryLengthReadsAndWritesWhole)
{
  auto provider = own (torvanix_providers_supports_my_sql_provider_new ());
  auto *p = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (p, make_profile (test_server ()).get (), "", &error);
  ASSERT_EQ (error, nullptr) << error->message;

  /* Lengths 0 to 40, and a cell with a zero byte, which ends its text. */
  const char *statement = "SELECT LEFT(REPEAT('abcdefghijklmnopqrstuvwxyz', 2), seq), CONCAT('ab', CHAR(0 USING utf8mb4), 'cd')"
      " FROM seq_0_to_40";
  auto *reader = torvanix_providers_contracts_iprovider_execute_reader (p, statement, &error);
  ASSERT_NE (reader, nullptr) << error->message;
  auto model = own (torvanix_providers_contracts_iprovider_execute_model (p, statement, 0, &error));
  ASSERT_NE (model, nullptr) << error->message;
  for (int n = 0; n <= 40; ++n) {
    ASSERT_TRUE (torvanix_providers_contracts_idata_reader_read (reader, nullptr));
    const std::string expected = std::string ("abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz", static_cast<std::size_t> (n));
    gint length = 0;
    auto **values = torvanix_providers_contracts_idata_reader_get_values (reader, &length, nullptr);
    ASSERT_EQ (length, 2);
    auto *held = torvanix_providers_contracts_table_model_get_value_at (model.get (), 0, n);
    for (gpointer value : {static_cast<gpointer> (values[0]), static_cast<gpointer> (held)}) {
      ASSERT_TRUE (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_STRING (value)) << n << " " << G_OBJECT_TYPE_NAME (value);
      EXPECT_EQ (text_of (value), expected) << n;
    }
    EXPECT_STREQ (text_of (values[1]), "ab") << n;

    /* Its own text written back, then a longer and a shorter one. */
    auto *value = TORVANIX_PROVIDERS_CONTRACTS_VALUE_STRING (values[0]);
    {
      NotifyCounter notified (value, "itsvalue");
      torvanix_providers_contracts_value_string_set_itsvalue (value, text_of (value));
      EXPECT_EQ (text_of (value), expected) << n;
      const std::string longer = expected + std::string (30, 'z');
      torvanix_providers_contracts_value_string_set_itsvalue (value, longer.c_str ());
      EXPECT_EQ (text_of (value), longer) << n;
      torvanix_providers_contracts_value_string_set_itsvalue (value, "q");
      EXPECT_STREQ (text_of (value), "q") << n;
      EXPECT_EQ (notified.count (), 3) << n;
    }

    auto clone = own (torvanix_providers_contracts_ivalue_clone (values[1]));
    EXPECT_STREQ (text_of (clone.get ()), "ab") << n;
    g_object_unref (held);
    for (gint i = 0; i < length; ++i)
      g_object_unref (values[i]);
    g_free (values);
  }
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_read (reader, nullptr));
  g_object_unref (reader);
}
