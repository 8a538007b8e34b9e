/* The provider interface's dispatch and the database object kinds. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <cstring>

#include "support/gobject-test.h"
#include "support/log-capture.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::own;
using providers::testing::take_string;

namespace {

/* A provider that fills only execute_affect and get_is_opened, to tell the
 * dispatch's own answers from the implementation's. */
struct PartialProvider {
  GObject parent;
};
struct PartialProviderClass {
  GObjectClass parent_class;
};

gint64 partial_execute_affect (TorvanixProvidersContractsIProvider *, const gchar *statement, gint reserved, GError **)
{
  return static_cast<gint64> (std::strlen (statement)) * 100 + reserved;
}

gboolean partial_get_is_opened (TorvanixProvidersContractsIProvider *) { return TRUE; }

void partial_provider_iface_init (TorvanixProvidersContractsIProviderInterface *iface)
{
  iface->execute_affect = partial_execute_affect;
  iface->get_is_opened = partial_get_is_opened;
}

GType partial_provider_get_type ();
G_DEFINE_TYPE_WITH_CODE (PartialProvider, partial_provider, G_TYPE_OBJECT,
                         G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IPROVIDER,
                                                partial_provider_iface_init))

void partial_provider_get_property (GObject *object, guint, GValue *value, GParamSpec *)
{
  g_value_set_boolean (value, torvanix_providers_contracts_iprovider_get_is_opened (
                                  TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (object)));
}

void partial_provider_class_init (PartialProviderClass *klass)
{
  G_OBJECT_CLASS (klass)->get_property = partial_provider_get_property;
  g_object_class_override_property (G_OBJECT_CLASS (klass), 1, "is-opened");
}

void partial_provider_init (PartialProvider *) {}

TEST (ProviderInterface, EmptySlotsAnswerTheirFailureValues)
{
  auto object = own (static_cast<GObject *> (g_object_new (partial_provider_get_type (), nullptr)));
  auto *provider = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (object.get ());
  GError *error = nullptr;

  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (provider, "abc", 7, &error), 307);
  EXPECT_TRUE (torvanix_providers_contracts_iprovider_get_is_opened (provider));
  gboolean opened = FALSE;
  g_object_get (object.get (), "is-opened", &opened, nullptr);
  EXPECT_TRUE (opened);

  torvanix_providers_contracts_iprovider_open (provider, nullptr, "", &error);
  torvanix_providers_contracts_iprovider_close (provider, &error);
  torvanix_providers_contracts_iprovider_commit (provider, &error);
  torvanix_providers_contracts_iprovider_rollback (provider, &error);
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_model (provider, "x", 0, &error), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_scalar (provider, "x", 0, &error), nullptr);
  gint length = 5;
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_statements (provider, "x", 0, &length, &error), nullptr);
  EXPECT_EQ (length, 5);
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_reader (provider, "x", &error), nullptr);
  EXPECT_FALSE (torvanix_providers_contracts_iprovider_transaction (provider, &error));
  EXPECT_EQ (error, nullptr);
}

TEST (ProviderInterface, InterfaceWithoutAnySlotAndNullSelf)
{
  EXPECT_STREQ (g_type_name (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IPROVIDER), "TorvanixProvidersContractsIProvider");
  /* Interface properties live in GObject's pool, made with its class. */
  g_type_class_unref (g_type_class_ref (G_TYPE_OBJECT));
  gpointer iface = g_type_default_interface_ref (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IPROVIDER);
  GParamSpec *pspec = g_object_interface_find_property (iface, "is-opened");
  ASSERT_NE (pspec, nullptr);
  EXPECT_EQ (pspec->flags & (G_PARAM_READABLE | G_PARAM_WRITABLE), G_PARAM_READABLE);
  EXPECT_FALSE (G_PARAM_SPEC_BOOLEAN (pspec)->default_value);
  g_type_default_interface_unref (iface);

  LogCapture log;
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (nullptr, "x", 0, nullptr), 0);
  EXPECT_FALSE (torvanix_providers_contracts_iprovider_get_is_opened (nullptr));
  torvanix_providers_contracts_iprovider_close (nullptr, nullptr);
  std::vector<std::string> expected = {
    assertion_text ("torvanix_providers_contracts_iprovider_execute_affect", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_iprovider_get_is_opened", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_iprovider_close", "self != NULL"),
  };
  EXPECT_EQ (log.criticals (), expected);
}

TEST (DBObject, NicksAndRange)
{
  struct Case {
    int value;
    const char *nick;
  } cases[] = {
    {0, "unknown"}, {9, "contraint"}, {25, "partition-function"}, {26, "partition-scheme"},
    {39, "table"}, {45, "view"}, {46, "<null>"}, {-1, "<null>"},
  };
  for (const Case &c : cases) {
    auto value = static_cast<TorvanixProvidersContractsDBObject> (c.value);
    EXPECT_EQ (take_string (torvanix_providers_contracts_db_object_to_string (value)), c.nick) << c.value;
  }
  GEnumClass *klass = G_ENUM_CLASS (g_type_class_ref (TORVANIX_PROVIDERS_CONTRACTS_TYPE_DB_OBJECT));
  EXPECT_EQ (klass->n_values, 46u);
  EXPECT_STREQ (g_enum_get_value (klass, 25)->value_name, "TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_FUNCTION");
  EXPECT_STREQ (G_ENUM_CLASS_TYPE_NAME (klass), "TorvanixProvidersContractsDBObject");
  g_type_class_unref (klass);
}

}  // namespace
