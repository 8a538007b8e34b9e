/* The connection profile and the vendor name lists. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "support/notify-counter.h"
#include "settings/server-fixtures.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::NotifyCounter;
using providers::testing::own;
using providers::testing::take_string;

namespace {

using Server = TorvanixProvidersContractsServer;
using providers::testing::properties;
using providers::testing::fill_every_property;
using providers::testing::expect_same_properties;
using providers::testing::PropertyRow;

bool is_fresh_identifier (const char *id)
{
  if (id == nullptr || std::strlen (id) != 36) return false;
  for (int i = 0; i < 36; ++i) {
    char c = id[i];
    bool hyphen = i == 8 || i == 13 || i == 18 || i == 23;
    if (hyphen ? c != '-' : !(g_ascii_isdigit (c) || (c >= 'A' && c <= 'F'))) return false;
  }
  return id[14] == '4';
}

TEST (Server, PropertiesInOrderWithDeclaredDefaultsAndStartValues)
{
  EXPECT_STREQ (g_type_name (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER), "TorvanixProvidersContractsServer");
  auto server = own (torvanix_providers_contracts_server_new ());
  guint n = 0;
  GParamSpec **specs = g_object_class_list_properties (G_OBJECT_GET_CLASS (server.get ()), &n);
  ASSERT_EQ (n, properties ().size ());
  for (guint i = 0; i < n; ++i) {
    const PropertyRow &row = properties ()[i];
    GParamSpec *pspec = specs[i];
    SCOPED_TRACE (row.name);
    EXPECT_STREQ (pspec->name, row.name);
    EXPECT_EQ (pspec->param_id, i + 1);
    EXPECT_EQ (G_PARAM_SPEC_VALUE_TYPE (pspec), row.type);
    EXPECT_STREQ (g_param_spec_get_nick (pspec), row.name);
    EXPECT_STREQ (g_param_spec_get_blurb (pspec), row.name);
    EXPECT_EQ (pspec->flags & (G_PARAM_READWRITE | G_PARAM_CONSTRUCT | G_PARAM_CONSTRUCT_ONLY), G_PARAM_READWRITE);

    GValue value = G_VALUE_INIT;
    g_value_init (&value, row.type);
    g_object_get_property (G_OBJECT (server.get ()), row.name, &value);
    const GValue *declared = g_param_spec_get_default_value (pspec);
    if (row.type == G_TYPE_STRING) {
      EXPECT_EQ (g_value_get_string (declared), nullptr);
      EXPECT_STREQ (g_value_get_string (&value), row.start_text);
    } else if (row.type == G_TYPE_INT) {
      EXPECT_EQ (G_PARAM_SPEC_INT (pspec)->minimum, G_MININT);
      EXPECT_EQ (G_PARAM_SPEC_INT (pspec)->maximum, G_MAXINT);
      EXPECT_EQ (g_value_get_int (declared), row.start_number);
      EXPECT_EQ (g_value_get_int (&value), row.start_number);
    } else if (row.type == G_TYPE_BOOLEAN) {
      EXPECT_FALSE (g_value_get_boolean (declared));
      EXPECT_FALSE (g_value_get_boolean (&value));
    } else {
      EXPECT_EQ (g_value_get_boxed (declared), nullptr);
      auto **names = static_cast<gchar **> (g_value_get_boxed (&value));
      ASSERT_NE (names, nullptr);
      EXPECT_EQ (names[0], nullptr);
    }
    g_value_unset (&value);
  }
  g_free (specs);
}

TEST (Server, AccessorsReadAndWriteTheSameFieldsAsProperties)
{
  auto server = own (torvanix_providers_contracts_server_new ());
  fill_every_property (server.get ());
  Server *s = server.get ();
  EXPECT_STREQ (torvanix_providers_contracts_server_get_uuid (s), "uuid-1");
  EXPECT_STREQ (torvanix_providers_contracts_server_get_extensions (s), "extensions-12");
  EXPECT_STREQ (torvanix_providers_contracts_server_get_ssh_key_private_file (s), "ssh-key-private-file-22");
  EXPECT_STREQ (torvanix_providers_contracts_server_get_ssl_password (s), "ssl-password-39");
  EXPECT_EQ (torvanix_providers_contracts_server_get_port (s), -6000);
  EXPECT_EQ (torvanix_providers_contracts_server_get_ssh_port (s), -18000);
  EXPECT_EQ (torvanix_providers_contracts_server_get_http_port (s), -27000);
  EXPECT_TRUE (torvanix_providers_contracts_server_get_ssh_using (s));
  EXPECT_TRUE (torvanix_providers_contracts_server_get_http_auth (s));
  torvanix_providers_contracts_server_set_http_port (s, G_MAXINT);
  torvanix_providers_contracts_server_set_ssl_mode (s, nullptr);
  gint port = 0;
  gchar *mode = nullptr;
  g_object_get (s, "http-port", &port, "ssl-mode", &mode, nullptr);
  EXPECT_EQ (port, G_MAXINT);
  EXPECT_EQ (take_string (mode), "<null>");
}

TEST (Server, SettersNotifyOnlyOnChange)
{
  auto server = own (torvanix_providers_contracts_server_new ());
  Server *s = server.get ();
  NotifyCounter host (s, "host"), port (s, "port"), ssl (s, "ssl-using"), databases (s, "databases");

  struct Step {
    const char *text;  /* for "host" */
    int expected;
  };
  /* Strings compare null-safe: "" and null differ, two nulls do not. */
  for (const Step &step : {Step{"", 0}, Step{"db1", 1}, Step{"db1", 0}, Step{nullptr, 1}, Step{nullptr, 0}, Step{"", 1}}) {
    host.reset ();
    torvanix_providers_contracts_server_set_host (s, step.text);
    EXPECT_EQ (host.count (), step.expected) << (step.text ? step.text : "<null>");
  }
  host.reset ();
  g_object_set (s, "host", "via-property", nullptr);
  g_object_set (s, "host", "via-property", nullptr);
  EXPECT_EQ (host.count (), 1);

  torvanix_providers_contracts_server_set_port (s, 0);
  torvanix_providers_contracts_server_set_port (s, 3306);
  torvanix_providers_contracts_server_set_port (s, 3306);
  torvanix_providers_contracts_server_set_ssl_using (s, FALSE);
  torvanix_providers_contracts_server_set_ssl_using (s, TRUE);
  EXPECT_EQ (port.count (), 1);
  EXPECT_EQ (ssl.count (), 1);

  /* "databases" compares by identity only. */
  gint n = -1;
  gchar **stored = torvanix_providers_contracts_server_get_databases (s, &n);
  torvanix_providers_contracts_server_set_databases (s, stored, n);
  EXPECT_EQ (databases.count (), 0);
  const gchar *names[] = {"a", "b", nullptr};
  torvanix_providers_contracts_server_set_databases (s, const_cast<gchar **> (names), 2);
  torvanix_providers_contracts_server_set_databases (s, const_cast<gchar **> (names), 2);
  EXPECT_EQ (databases.count (), 2);
}

TEST (Server, DatabasesAreCopiedIntoANullTerminatedArray)
{
  auto server = own (torvanix_providers_contracts_server_new ());
  Server *s = server.get ();
  gchar *names[] = {g_strdup ("sales"), nullptr, g_strdup ("stock")};
  torvanix_providers_contracts_server_set_databases (s, names, 3);
  g_free (names[0]);
  g_free (names[2]);
  gint n = -1;
  gchar **stored = torvanix_providers_contracts_server_get_databases (s, &n);
  ASSERT_EQ (n, 3);
  EXPECT_STREQ (stored[0], "sales");
  EXPECT_EQ (stored[1], nullptr);
  EXPECT_STREQ (stored[2], "stock");
  EXPECT_EQ (stored[3], nullptr);

  torvanix_providers_contracts_server_set_databases (s, nullptr, -1);
  EXPECT_EQ (torvanix_providers_contracts_server_get_databases (s, &n), nullptr);
  EXPECT_EQ (n, 0);

  /* Through the property interface the count is the vector's length. */
  const gchar *two[] = {"x", "y", nullptr};
  g_object_set (s, "databases", two, nullptr);
  EXPECT_STREQ (torvanix_providers_contracts_server_get_databases (s, &n)[1], "y");
  EXPECT_EQ (n, 2);
  g_object_set (s, "databases", nullptr, nullptr);
  stored = torvanix_providers_contracts_server_get_databases (s, nullptr);
  ASSERT_NE (stored, nullptr);
  EXPECT_EQ (stored[0], nullptr);

  LogCapture log;
  torvanix_providers_contracts_server_set_databases (s, nullptr, 2);
  EXPECT_EQ (log.criticals (), std::vector<std::string> {
      assertion_text ("torvanix_providers_contracts_server_set_databases", "value != NULL || value_length <= 0")});
  EXPECT_EQ (torvanix_providers_contracts_server_get_databases (s, nullptr), stored);
}

TEST (Server, FreshIdentifiersAndClones)
{
  auto a = own (torvanix_providers_contracts_server_new_with_provider ("MySQL"));
  auto b = own (torvanix_providers_contracts_server_new_with_provider ("MySQL"));
  EXPECT_STREQ (torvanix_providers_contracts_server_get_provider (a.get ()), "MySQL");
  EXPECT_TRUE (is_fresh_identifier (torvanix_providers_contracts_server_get_uuid (a.get ())));
  EXPECT_STRNE (torvanix_providers_contracts_server_get_uuid (a.get ()), torvanix_providers_contracts_server_get_uuid (b.get ()));
  EXPECT_STREQ (torvanix_providers_contracts_server_get_uuid (own (torvanix_providers_contracts_server_new ()).get ()), "");

  fill_every_property (a.get ());
  torvanix_providers_contracts_server_set_title (a.get (), nullptr);
  auto same = own (torvanix_providers_contracts_server_clone (a.get (), FALSE));
  expect_same_properties (a.get (), same.get (), true);
  gint n = 0;
  EXPECT_NE (torvanix_providers_contracts_server_get_databases (same.get (), &n),
             torvanix_providers_contracts_server_get_databases (a.get (), nullptr));
  EXPECT_EQ (n, 3);

  auto renewed = own (torvanix_providers_contracts_server_clone (a.get (), TRUE));
  expect_same_properties (a.get (), renewed.get (), false);
  EXPECT_TRUE (is_fresh_identifier (torvanix_providers_contracts_server_get_uuid (renewed.get ())));
}

/* The property interface sees an array only up to its first null, and
 * "no array" as an empty one; a clone holds what the setter was given. */
TEST (Server, CloneCopiesTheDatabasesByTheirCount)
{
  auto server = own (torvanix_providers_contracts_server_new ());
  gchar *names[] = {const_cast<gchar *> ("sales"), nullptr, const_cast<gchar *> ("stock")};
  torvanix_providers_contracts_server_set_databases (server.get (), names, 3);
  auto copy = own (torvanix_providers_contracts_server_clone (server.get (), FALSE));
  gint n = -1;
  gchar **copied = torvanix_providers_contracts_server_get_databases (copy.get (), &n);
  ASSERT_EQ (n, 3);
  EXPECT_STREQ (copied[0], "sales");
  EXPECT_EQ (copied[1], nullptr);
  EXPECT_STREQ (copied[2], "stock");
  EXPECT_EQ (copied[3], nullptr);

  torvanix_providers_contracts_server_set_databases (server.get (), nullptr, -1);
  copy = own (torvanix_providers_contracts_server_clone (server.get (), FALSE));
  EXPECT_EQ (torvanix_providers_contracts_server_get_databases (copy.get (), &n), nullptr);
  EXPECT_EQ (n, 0);
}

/* A subclass keeps its class and its own properties through clone. */
struct Tagged {
  TorvanixProvidersContractsServer parent_instance;
  gint tag;
};
struct TaggedClass {
  TorvanixProvidersContractsServerClass parent_class;
};
G_DEFINE_TYPE (Tagged, tagged, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER)
void tagged_set (GObject *o, guint, const GValue *v, GParamSpec *) { reinterpret_cast<Tagged *> (o)->tag = g_value_get_int (v); }
void tagged_get (GObject *o, guint, GValue *v, GParamSpec *) { g_value_set_int (v, reinterpret_cast<Tagged *> (o)->tag); }
void tagged_class_init (TaggedClass *klass)
{
  G_OBJECT_CLASS (klass)->set_property = tagged_set;
  G_OBJECT_CLASS (klass)->get_property = tagged_get;
  g_object_class_install_property (G_OBJECT_CLASS (klass), 1, g_param_spec_int ("tag", "tag", "tag", 0, 100, 0, G_PARAM_READWRITE));
}
void tagged_init (Tagged *) {}

TEST (Server, CloneOfASubclass)
{
  auto tagged = own (torvanix_providers_contracts_server_construct_with_provider (tagged_get_type (), "MySQL"));
  g_object_set (tagged.get (), "tag", 7, "host", "h", nullptr);
  auto copy = own (torvanix_providers_contracts_server_clone (tagged.get (), FALSE));
  ASSERT_EQ (G_OBJECT_TYPE (copy.get ()), tagged_get_type ());
  EXPECT_EQ (reinterpret_cast<Tagged *> (copy.get ())->tag, 7);
  EXPECT_STREQ (torvanix_providers_contracts_server_get_host (copy.get ()), "h");
}

TEST (Server, ToString)
{
  struct Case {
    const char *driver;
    gboolean ssl, ssh, http;
    const char *protocol;
    gboolean with_id;
    const char *expected;
  };
  const Case cases[] = {
      {"", FALSE, FALSE, FALSE, "http", FALSE, "Server  => Provider:UNKNOWN, Initial:, Host:, port:0, User:, SSL:No, Tunnel:"},
      {"", FALSE, FALSE, FALSE, "http", TRUE, "Server  => Provider:UNKNOWN, Initial:, Host:, port:0, User:, SSL:No, Tunnel:, ID:"},
      {nullptr, FALSE, FALSE, FALSE, "http", FALSE, "Server  => Provider:UNKNOWN, Initial:, Host:, port:0, User:, SSL:No, Tunnel:"},
      {"odbc", TRUE, FALSE, FALSE, "http", FALSE,
       "Server  => Provider:UNKNOWN, Driver:odbc, Initial:, Host:, port:0, User:, SSL:Yes, Tunnel:"},
      {"", FALSE, TRUE, TRUE, "https", FALSE, "Server  => Provider:UNKNOWN, Initial:, Host:, port:0, User:, SSL:No, Tunnel:SSH"},
      {"", FALSE, FALSE, TRUE, "http", FALSE, "Server  => Provider:UNKNOWN, Initial:, Host:, port:0, User:, SSL:No, Tunnel:HTTP"},
      {"", FALSE, FALSE, TRUE, "wss\u00df", FALSE, "Server  => Provider:UNKNOWN, Initial:, Host:, port:0, User:, SSL:No, Tunnel:WSSSS"},
      /* A null protocol, as a settings file may hold, prints as nothing. */
      {"", FALSE, FALSE, TRUE, nullptr, FALSE, "Server  => Provider:UNKNOWN, Initial:, Host:, port:0, User:, SSL:No, Tunnel:"},
  };
  for (const Case &c : cases) {
    auto server = own (torvanix_providers_contracts_server_new ());
    g_object_set (server.get (), "driver", c.driver, "ssl-using", c.ssl, "ssh-using", c.ssh, "http-using", c.http,
                  "http-protocol", c.protocol, nullptr);
    EXPECT_EQ (take_string (torvanix_providers_contracts_server_to_string (server.get (), c.with_id)), c.expected);
  }

  auto full = own (torvanix_providers_contracts_server_new_with_provider ("MySQL"));
  g_object_set (full.get (), "title", "Prod", "initial", "shop", "host", "db.example", "port", 3306, "username", "root", nullptr);
  std::string expected = std::string ("Server Prod => Provider:MySQL, Initial:shop, Host:db.example, port:3306, User:root, "
                                      "SSL:No, Tunnel:, ID:") + torvanix_providers_contracts_server_get_uuid (full.get ());
  EXPECT_EQ (take_string (torvanix_providers_contracts_server_to_string (full.get (), TRUE)), expected);
}

TEST (Server, NullArgumentsAreRefused)
{
  LogCapture log;
  EXPECT_EQ (torvanix_providers_contracts_server_new_with_provider (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_server_construct_with_provider (G_TYPE_OBJECT, "MySQL"), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_server_get_host (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_server_get_port (nullptr), 0);
  EXPECT_FALSE (torvanix_providers_contracts_server_get_ssl_using (nullptr));
  EXPECT_EQ (torvanix_providers_contracts_server_get_databases (nullptr, nullptr), nullptr);
  torvanix_providers_contracts_server_set_ssh_password (nullptr, "x");
  EXPECT_EQ (torvanix_providers_contracts_server_clone (nullptr, TRUE), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_server_to_string (nullptr, TRUE), nullptr);
  const std::string construct = "torvanix_providers_contracts_server_construct_with_provider";
  EXPECT_EQ (log.criticals (), (std::vector<std::string> {
      assertion_text (construct, "_provider != NULL"),
      assertion_text (construct, "g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER)"),
      assertion_text ("torvanix_providers_contracts_server_get_host", "self != NULL"),
      assertion_text ("torvanix_providers_contracts_server_get_port", "self != NULL"),
      assertion_text ("torvanix_providers_contracts_server_get_ssl_using", "self != NULL"),
      assertion_text ("torvanix_providers_contracts_server_get_databases", "self != NULL"),
      assertion_text ("torvanix_providers_contracts_server_set_ssh_password", "self != NULL"),
      assertion_text ("torvanix_providers_contracts_server_clone", "self != NULL"),
      assertion_text ("torvanix_providers_contracts_server_to_string", "self != NULL"),
  }));
}

TEST (ServerVendors, ArraysAndClass)
{
  auto names = [] (const gchar *const *array, int n) { return std::vector<std::string> (array, array + n); };
  using V = std::vector<std::string>;
  EXPECT_EQ (names (TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT, 1), V ({"MySQL"}));
  EXPECT_EQ (names (TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE, 5),
             V ({"MariaDB", "MySQL", "Oracle", "PostgreSQL", "SQLServer"}));
  EXPECT_EQ (names (TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL, 3), V ({"Access", "Excel", "SQLite"}));
  EXPECT_EQ (names (TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE, 8),
             V ({"Access", "Excel", "SQLite", "MariaDB", "MySQL", "Oracle", "PostgreSQL", "SQLServer"}));
  auto vendors = own (torvanix_providers_contracts_server_vendors_new ());
  EXPECT_STREQ (G_OBJECT_TYPE_NAME (vendors.get ()), "TorvanixProvidersContractsServerVendors");
}

}  // namespace
