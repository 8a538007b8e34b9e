/* What the provider refuses before anything reaches the server: SQL text
 * that is not valid UTF-8, through every statement shape, and a port that
 * the socket layer would wrap to another one. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "open-provider-test.h"
#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "test-server.h"

using providers::testing::LogCapture;
using providers::testing::make_profile;
using providers::testing::OpenProviderTest;
using providers::testing::own;
using providers::testing::take_string;
using providers::testing::test_server;

namespace {

using IProvider = TorvanixProvidersContractsIProvider;

/* One statement shape: runs `statement` and answers whether it answered. */
struct Shape {
  const char *name;
  std::function<bool (IProvider *, const char *, GError **)> run;
};

const Shape kShapes[] = {
  {"model",
   [] (IProvider *p, const char *s, GError **e) {
     return own (torvanix_providers_contracts_iprovider_execute_model (p, s, 0, e)) != nullptr;
   }},
  {"affect", [] (IProvider *p, const char *s, GError **e) {
     return torvanix_providers_contracts_iprovider_execute_affect (p, s, 0, e) != -1;
   }},
  {"scalar",
   [] (IProvider *p, const char *s, GError **e) {
     return own (torvanix_providers_contracts_iprovider_execute_scalar (p, s, 0, e)) != nullptr;
   }},
  {"statements",
   [] (IProvider *p, const char *s, GError **e) {
     gint n = 0;
     GObject **items = torvanix_providers_contracts_iprovider_execute_statements (p, s, 0, &n, e);
     for (gint i = 0; i < n; ++i)
       g_object_unref (items[i]);
     g_free (items);
     return items != nullptr;
   }},
  {"reader",
   [] (IProvider *p, const char *s, GError **e) {
     return own (torvanix_providers_contracts_iprovider_execute_reader (p, s, e)) != nullptr;
   }},
};

class EntryChecks : public OpenProviderTest {};

/* The server would echo such bytes back as a text value holding them. */
TEST_F (EntryChecks, SqlTextThatIsNotUtf8IsRefusedByEveryShapeBeforeItIsSent)
{
  const struct {
    const char *text;
    int offset;
  } texts[] = {
    {"SELECT 'a\xff(b'", 9},
    {"SELECT '\xc3(', 1", 8},             /* a sequence cut short */
    {"SELECT 'x\xc0\xafy'", 9},           /* an overlong '/' */
    {"SELECT '\xed\xa0\x80'", 8},         /* a UTF-16 surrogate */
    {"SELECT '\xf4\x90\x80\x80'", 8},     /* beyond U+10FFFF */
    {"SELECT '\xe6\xba\x90', '\xe6\xba'", 15},
  };
  for (const Shape &shape : kShapes) {
    for (const auto &t : texts) {
      SCOPED_TRACE (std::string (shape.name) + " at " + std::to_string (t.offset));
      GError *error = nullptr;
      EXPECT_FALSE (shape.run (p (), t.text, &error));
      ASSERT_NE (error, nullptr);
      EXPECT_EQ (error->domain, g_quark_from_string ("MySQL"));
      EXPECT_EQ (error->code, -1);
      EXPECT_EQ (std::string (error->message),
                 "The SQL text is not valid UTF-8 at byte offset " + std::to_string (t.offset) + ".");
      g_error_free (error);
    }
    /* Nothing went out: the session goes on in step. */
    GError *error = nullptr;
    auto value = own (torvanix_providers_contracts_iprovider_execute_scalar (p (), "SELECT '源氏'", 0, &error));
    ASSERT_NE (value, nullptr) << error->message;
    EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (value.get ())), "源氏");
  }
}

/* The client library keeps the low 16 bits of a port: the server's port
 * + 65536 would open the server itself, 70000 dial 4464. */
TEST (EntryPort, PortsOutsideTheTcpRangeAreRefusedWithoutDialling)
{
  for (gint port : {test_server ().port + 65536, 70000, -1, INT_MIN, INT_MAX}) {
    SCOPED_TRACE (port);
    auto profile = make_profile (test_server ());
    torvanix_providers_contracts_server_set_port (profile.get (), port);
    auto provider = own (torvanix_providers_supports_my_sql_provider_new ());
    auto *p = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());
    GError *error = nullptr;
    {
      LogCapture log;
      torvanix_providers_contracts_iprovider_open (p, profile.get (), "", &error);
      EXPECT_TRUE (log.warnings ().empty ());
    }
    ASSERT_NE (error, nullptr);
    EXPECT_EQ (error->domain, g_quark_from_string ("MySQL"));
    EXPECT_EQ (error->code, -1);
    EXPECT_EQ (std::string (error->message),
               "The port " + std::to_string (port) + " is outside the range 0 to 65535.");
    g_error_free (error);
    EXPECT_FALSE (torvanix_providers_contracts_iprovider_get_is_opened (p));
    /* The profile keeps what it was given. */
    EXPECT_EQ (torvanix_providers_contracts_server_get_port (profile.get ()), port);
  }
}

/* A refused open leaves no connection behind from before: the provider
 * answers for the profile it was last given. */
TEST (EntryPort, ARefusedPortClosesTheConnectionItReplaces)
{
  auto profile = make_profile (test_server ());
  auto provider = own (torvanix_providers_supports_my_sql_provider_new ());
  auto *p = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (p, profile.get (), "", &error);
  ASSERT_EQ (error, nullptr) << error->message;
  torvanix_providers_contracts_server_set_port (profile.get (), 65536);
  torvanix_providers_contracts_iprovider_open (p, profile.get (), "", &error);
  ASSERT_NE (error, nullptr);
  g_clear_error (&error);
  EXPECT_FALSE (torvanix_providers_contracts_iprovider_get_is_opened (p));
}

}  // namespace
