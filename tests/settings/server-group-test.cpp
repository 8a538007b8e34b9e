/* Server groups and organizations: names, lists and their JSON form. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "support/notify-counter.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::NotifyCounter;
using providers::testing::own;
using providers::testing::take_string;

namespace {

using Group = TorvanixProvidersContractsServerGroup;
using Organization = TorvanixProvidersContractsOrganization;

template <typename T>
T *at (GeeArrayList *list, int i)
{
  auto *item = static_cast<T *> (gee_list_get (GEE_LIST (list), i));
  g_object_unref (item);  /* the list still holds it */
  return item;
}

int size_of (GeeArrayList *list) { return gee_collection_get_size (GEE_COLLECTION (list)); }

void add_server (Group *group, const char *title)
{
  auto server = own (torvanix_providers_contracts_server_new ());
  torvanix_providers_contracts_server_set_title (server.get (), title);
  gee_collection_add (GEE_COLLECTION (torvanix_providers_contracts_server_group_get_servers (group)), server.get ());
}

std::string to_json (gpointer object)
{
  JsonNode *node = json_gobject_serialize (G_OBJECT (object));
  gchar *text = json_to_string (node, FALSE);
  json_node_unref (node);
  return take_string (text);
}

template <typename T>
providers::testing::Owned<T> from_json (GType type, const char *json)
{
  GError *error = nullptr;
  GObject *object = json_gobject_from_data (type, json, -1, &error);
  EXPECT_EQ (error, nullptr);
  g_clear_error (&error);
  return own (reinterpret_cast<T *> (object));
}

TEST (ServerGroup, StartValuesAndToString)
{
  auto group = own (torvanix_providers_contracts_server_group_new_with_name ("Prod"));
  GeeArrayList *servers = torvanix_providers_contracts_server_group_get_servers (group.get ());
  ASSERT_NE (servers, nullptr);
  EXPECT_EQ (size_of (servers), 0);
  EXPECT_EQ (gee_traversable_get_element_type (GEE_TRAVERSABLE (servers)), TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER);
  EXPECT_EQ (take_string (torvanix_providers_contracts_server_group_to_string (group.get ())), "ServerGroup Prod => ");
  add_server (group.get (), "a");
  add_server (group.get (), "b");
  EXPECT_EQ (take_string (torvanix_providers_contracts_server_group_to_string (group.get ())), "ServerGroup Prod => a, b");
  EXPECT_STREQ (torvanix_providers_contracts_server_group_get_name (own (torvanix_providers_contracts_server_group_new ()).get ()), "");

  auto organization = own (torvanix_providers_contracts_organization_new_with_name ("Org"));
  GeeArrayList *groups = torvanix_providers_contracts_organization_get_groups (organization.get ());
  EXPECT_EQ (gee_traversable_get_element_type (GEE_TRAVERSABLE (groups)), TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP);
  EXPECT_EQ (take_string (torvanix_providers_contracts_organization_to_string (organization.get ())), "Organization Org => ");
  for (const char *name : {"g1", "g2"}) {
    auto g = own (torvanix_providers_contracts_server_group_new_with_name (name));
    gee_collection_add (GEE_COLLECTION (groups), g.get ());
  }
  EXPECT_EQ (take_string (torvanix_providers_contracts_organization_to_string (organization.get ())), "Organization Org => g1, g2");

  /* A null list or name prints as nothing. */
  torvanix_providers_contracts_organization_set_groups (organization.get (), nullptr);
  torvanix_providers_contracts_organization_set_name (organization.get (), nullptr);
  EXPECT_EQ (take_string (torvanix_providers_contracts_organization_to_string (organization.get ())), "Organization  => ");
}

TEST (ServerGroup, ListsAreHeldByIdentity)
{
  auto group = own (torvanix_providers_contracts_server_group_new ());
  NotifyCounter servers_changed (group.get (), "servers"), name_changed (group.get (), "name");
  GeeArrayList *held = torvanix_providers_contracts_server_group_get_servers (group.get ());
  torvanix_providers_contracts_server_group_set_servers (group.get (), held);
  g_object_set (group.get (), "servers", held, nullptr);
  EXPECT_EQ (servers_changed.count (), 0);

  GeeArrayList *other = gee_array_list_new (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER, g_object_ref, g_object_unref,
                                            nullptr, nullptr, nullptr);
  torvanix_providers_contracts_server_group_set_servers (group.get (), other);
  g_object_unref (other);
  EXPECT_EQ (servers_changed.count (), 1);
  EXPECT_EQ (torvanix_providers_contracts_server_group_get_servers (group.get ()), other);
  torvanix_providers_contracts_server_group_set_servers (group.get (), nullptr);
  EXPECT_EQ (servers_changed.count (), 2);

  g_object_set (group.get (), "name", "", nullptr);
  torvanix_providers_contracts_server_group_set_name (group.get (), "x");
  torvanix_providers_contracts_server_group_set_name (group.get (), "x");
  EXPECT_EQ (name_changed.count (), 1);
}

TEST (ServerGroup, WritesNameAndAlwaysTheList)
{
  auto group = own (torvanix_providers_contracts_server_group_new_with_name ("Prod"));
  EXPECT_EQ (to_json (group.get ()), R"({"name":"Prod","servers":[]})");
  torvanix_providers_contracts_server_group_set_name (group.get (), nullptr);
  EXPECT_EQ (to_json (group.get ()), R"({"servers":[]})");
  auto organization = own (torvanix_providers_contracts_organization_new ());
  torvanix_providers_contracts_organization_set_groups (organization.get (), nullptr);
  EXPECT_EQ (to_json (organization.get ()), R"({"name":"","groups":[]})");
}

TEST (ServerGroup, ReadsTheWholeTreeInOrder)
{
  auto organization = from_json<Organization> (TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION, R"({
    "name": "North", "ignored": 1,
    "groups": [
      {"name": "g1", "servers": [{"title": "a", "port": 3306}, {"title": "b"}]},
      "not an object", 7, null, [],
      {"name": "g2", "servers": {"title": "not in an array"}}
    ]})");
  EXPECT_STREQ (torvanix_providers_contracts_organization_get_name (organization.get ()), "North");
  GeeArrayList *groups = torvanix_providers_contracts_organization_get_groups (organization.get ());
  ASSERT_EQ (size_of (groups), 2);
  Group *g1 = at<Group> (groups, 0);
  EXPECT_EQ (take_string (torvanix_providers_contracts_server_group_to_string (g1)), "ServerGroup g1 => a, b");
  auto *a = at<TorvanixProvidersContractsServer> (torvanix_providers_contracts_server_group_get_servers (g1), 0);
  EXPECT_EQ (torvanix_providers_contracts_server_get_port (a), 3306);
  EXPECT_EQ (torvanix_providers_contracts_server_get_ssh_port (a), 22);
  EXPECT_EQ (take_string (torvanix_providers_contracts_server_group_to_string (at<Group> (groups, 1))), "ServerGroup g2 => ");
}

/* A hand-edited file may give a member the wrong JSON type: it is not
 * applied, the rest of the object is, and nothing is logged. */
TEST (ServerGroup, MembersOfTheWrongTypeAreLeftOut)
{
  auto group = from_json<Group> (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP, R"({
    "name": 5,
    "servers": [{"title": "kept", "host": [], "port": "3306", "ssh-port": 4294967318, "http-port": 1.5,
                 "ssl-using": "yes", "http-auth": true, "databases": "shop", "uuid": null, "options": {}}]})");
  EXPECT_STREQ (torvanix_providers_contracts_server_group_get_name (group.get ()), "");
  auto *server = at<TorvanixProvidersContractsServer> (torvanix_providers_contracts_server_group_get_servers (group.get ()), 0);
  EXPECT_STREQ (torvanix_providers_contracts_server_get_title (server), "kept");
  EXPECT_STREQ (torvanix_providers_contracts_server_get_host (server), "");
  EXPECT_EQ (torvanix_providers_contracts_server_get_port (server), 0);
  EXPECT_EQ (torvanix_providers_contracts_server_get_ssh_port (server), 22);
  EXPECT_EQ (torvanix_providers_contracts_server_get_http_port (server), 8080);
  EXPECT_FALSE (torvanix_providers_contracts_server_get_ssl_using (server));
  EXPECT_TRUE (torvanix_providers_contracts_server_get_http_auth (server));
  gint n = -1;
  EXPECT_NE (torvanix_providers_contracts_server_get_databases (server, &n), nullptr);
  EXPECT_EQ (n, 0);
  EXPECT_EQ (torvanix_providers_contracts_server_get_uuid (server), nullptr);
  EXPECT_STREQ (torvanix_providers_contracts_server_get_options (server), "");
}

TEST (ServerGroup, ArgumentChecks)
{
  LogCapture log;
  EXPECT_EQ (torvanix_providers_contracts_server_group_new_with_name (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_organization_new_with_name (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_server_group_get_servers (nullptr), nullptr);
  torvanix_providers_contracts_organization_set_groups (nullptr, nullptr);
  EXPECT_EQ (torvanix_providers_contracts_organization_to_string (nullptr), nullptr);

  /* The JSON hooks check what json-glib hands them. */
  auto group = own (torvanix_providers_contracts_server_group_new ());
  JsonSerializableIface *iface = JSON_SERIALIZABLE_GET_IFACE (group.get ());
  GValue value = G_VALUE_INIT;
  g_value_init (&value, G_TYPE_STRING);
  GParamSpec *pspec = g_object_class_find_property (G_OBJECT_GET_CLASS (group.get ()), "name");
  EXPECT_EQ (iface->serialize_property (JSON_SERIALIZABLE (group.get ()), "name", nullptr, pspec), nullptr);
  EXPECT_FALSE (iface->deserialize_property (JSON_SERIALIZABLE (group.get ()), "name", &value, pspec, nullptr));
  g_value_unset (&value);

  EXPECT_EQ (log.criticals (), (std::vector<std::string> {
      assertion_text ("torvanix_providers_contracts_server_group_construct_with_name", "_name != NULL"),
      assertion_text ("torvanix_providers_contracts_organization_construct_with_name", "_name != NULL"),
      assertion_text ("torvanix_providers_contracts_server_group_get_servers", "self != NULL"),
      assertion_text ("torvanix_providers_contracts_organization_set_groups", "self != NULL"),
      assertion_text ("torvanix_providers_contracts_organization_to_string", "self != NULL"),
      assertion_text ("torvanix_providers_contracts_server_group_real_serialize_property", "value != NULL"),
      assertion_text ("torvanix_providers_contracts_server_group_real_deserialize_property", "property_node != NULL"),
  }));
}

}  // namespace
