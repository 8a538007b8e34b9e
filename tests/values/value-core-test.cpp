/* The value interface, its base class, and the null and error values. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include "support/gobject-test.h"
#include "support/log-capture.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::own;
using providers::testing::take_string;

namespace {

TorvanixProvidersContractsIValue *as_ivalue (gpointer object) { return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (object); }

struct Expected {
  const char *name;
  int data_type;
  bool is_null;
  const char *text;
};

/* Every route to a value's behaviour (the interface functions, the class
 * functions and the properties) must agree. */
void expect_value (gpointer object, const Expected &e)
{
  auto *value = as_ivalue (object);
  auto *base = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (object);
  EXPECT_STREQ (torvanix_providers_contracts_ivalue_get_name (value), e.name);
  EXPECT_STREQ (torvanix_providers_contracts_value_object_get_name (base), e.name);
  EXPECT_EQ (torvanix_providers_contracts_ivalue_get_data_type (value), e.data_type);
  EXPECT_EQ (torvanix_providers_contracts_value_object_get_data_type (base), e.data_type);
  EXPECT_EQ (!!torvanix_providers_contracts_ivalue_get_is_null (value), e.is_null);
  EXPECT_EQ (!!torvanix_providers_contracts_value_object_get_is_null (base), e.is_null);
  EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (value)), e.text);
  EXPECT_EQ (take_string (torvanix_providers_contracts_value_object_to_string (base)), e.text);

  gchar *name = nullptr;
  gint data_type = -1;
  gboolean is_null = !e.is_null;
  g_object_get (object, "name", &name, "data-type", &data_type, "is-null", &is_null, nullptr);
  EXPECT_EQ (take_string (name), e.name);
  EXPECT_EQ (data_type, e.data_type);
  EXPECT_EQ (!!is_null, e.is_null);

  std::string dump = std::string (G_OBJECT_TYPE_NAME (object)) + " => " + e.text;
  EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_dump (value)), dump);
  EXPECT_EQ (take_string (torvanix_providers_contracts_value_object_dump (base)), dump);
}

TEST (ValueCore, PlainObjectNullAndErrorAnswerTheirOwnBehaviour)
{
  auto plain = own (torvanix_providers_contracts_value_object_new ());
  expect_value (plain.get (), {"UNKNOWN", 0, false, ""});

  auto null_value = own (torvanix_providers_contracts_value_null_new ());
  expect_value (null_value.get (), {"NULL", 1, true, ""});
  EXPECT_STREQ (torvanix_providers_contracts_value_null_get_itsvalue (null_value.get ()), "NULL");

  auto error = own (torvanix_providers_contracts_value_error_new (1064, "You have an error in your SQL syntax"));
  expect_value (error.get (), {"error", 36, false, "1064:You have an error in your SQL syntax"});
  EXPECT_EQ (take_string (torvanix_providers_contracts_value_error_get_itsvalue (error.get ())),
             "1064:You have an error in your SQL syntax");
}

TEST (ValueCore, RegisteredNamesAndHierarchy)
{
  EXPECT_STREQ (g_type_name (torvanix_providers_contracts_ivalue_get_type ()), "TorvanixProvidersContractsIValue");
  EXPECT_STREQ (g_type_name (torvanix_providers_contracts_value_object_get_type ()), "TorvanixProvidersContractsValueObject");
  EXPECT_STREQ (g_type_name (torvanix_providers_contracts_value_null_get_type ()), "TorvanixProvidersContractsValueNull");
  EXPECT_STREQ (g_type_name (torvanix_providers_contracts_value_error_get_type ()), "TorvanixProvidersContractsValueError");
  EXPECT_TRUE (G_TYPE_IS_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IVALUE));
  EXPECT_FALSE (G_TYPE_IS_ABSTRACT (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT));
  EXPECT_TRUE (g_type_is_a (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL, TORVANIX_PROVIDERS_CONTRACTS_TYPE_IVALUE));
  EXPECT_TRUE (g_type_is_a (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ERROR, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT));
}

TEST (ValueCore, GValuesOfEachClass)
{
  GValue v = G_VALUE_INIT;
  auto plain = own (torvanix_providers_contracts_value_object_new ());
  torvanix_providers_contracts_ivalue_to_value (as_ivalue (plain.get ()), &v);
  ASSERT_TRUE (G_VALUE_HOLDS_STRING (&v));
  EXPECT_STREQ (g_value_get_string (&v), "");
  g_value_unset (&v);

  auto null_value = own (torvanix_providers_contracts_value_null_new ());
  torvanix_providers_contracts_value_object_to_value (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (null_value.get ()), &v);
  ASSERT_TRUE (G_VALUE_HOLDS_STRING (&v));
  EXPECT_STREQ (g_value_get_string (&v), "NULL");
  g_value_unset (&v);

  auto error = own (torvanix_providers_contracts_value_error_new (1146, "Table 'x' doesn't exist"));
  torvanix_providers_contracts_ivalue_to_value (as_ivalue (error.get ()), &v);
  ASSERT_TRUE (G_VALUE_HOLDS (&v, G_TYPE_ERROR));
  auto *gerror = static_cast<const GError *> (g_value_get_boxed (&v));
  ASSERT_NE (gerror, nullptr);
  EXPECT_EQ (gerror->domain, g_quark_from_string ("SQL"));
  EXPECT_EQ (gerror->code, 1146);
  EXPECT_STREQ (gerror->message, "Table 'x' doesn't exist");
  g_value_unset (&v);
}

TEST (ValueCore, ClonesAreDistinctObjectsOfTheSameClassAndValue)
{
  auto plain = own (torvanix_providers_contracts_value_object_new ());
  auto null_value = own (torvanix_providers_contracts_value_null_new ());
  auto error = own (torvanix_providers_contracts_value_error_new (-3, "message"));

  for (gpointer original : {static_cast<gpointer> (plain.get ()), static_cast<gpointer> (null_value.get ()),
                            static_cast<gpointer> (error.get ())}) {
    auto copy = own (torvanix_providers_contracts_ivalue_clone (as_ivalue (original)));
    ASSERT_NE (copy.get (), nullptr);
    EXPECT_NE (static_cast<gpointer> (copy.get ()), original);
    EXPECT_EQ (G_OBJECT_TYPE (copy.get ()), G_OBJECT_TYPE (original));
    EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (copy.get ())),
               take_string (torvanix_providers_contracts_ivalue_to_string (as_ivalue (original))));
  }

  /* The copied message outlives the original. */
  auto copy = own (torvanix_providers_contracts_value_object_clone (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (error.get ())));
  error.reset ();
  EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (copy.get ())), "-3:message");
}

TEST (ValueCore, PropertiesAreReadOnly)
{
  for (GType type : {TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL,
                     TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ERROR}) {
    auto *klass = static_cast<GObjectClass *> (g_type_class_ref (type));
    guint n = 0;
    GParamSpec **specs = g_object_class_list_properties (klass, &n);
    for (guint i = 0; i < n; ++i) EXPECT_FALSE (specs[i]->flags & G_PARAM_WRITABLE) << g_type_name (type) << ":" << specs[i]->name;
    EXPECT_EQ (n, type == TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT ? 3u : 4u) << g_type_name (type);
    g_free (specs);
    g_type_class_unref (klass);
  }

  auto error = own (torvanix_providers_contracts_value_error_new (5, "five"));
  gchar *itsvalue = nullptr;
  g_object_get (error.get (), "itsvalue", &itsvalue, nullptr);
  EXPECT_EQ (take_string (itsvalue), "5:five");
  auto null_value = own (torvanix_providers_contracts_value_null_new ());
  g_object_get (null_value.get (), "itsvalue", &itsvalue, nullptr);
  EXPECT_EQ (take_string (itsvalue), "NULL");
}

TEST (ValueCore, NullArgumentsWarnWithThePlainFunctionNameAndReturnZero)
{
  LogCapture log;
  EXPECT_EQ (torvanix_providers_contracts_value_error_new (1, nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_error_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ERROR, 1, nullptr),
             nullptr);
  EXPECT_EQ (torvanix_providers_contracts_ivalue_to_string (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_ivalue_clone (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_ivalue_get_data_type (nullptr), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  EXPECT_FALSE (torvanix_providers_contracts_value_object_get_is_null (nullptr));
  EXPECT_EQ (torvanix_providers_contracts_value_null_get_itsvalue (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_error_get_itsvalue (nullptr), nullptr);
  GValue v = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (nullptr, &v);
  EXPECT_FALSE (G_IS_VALUE (&v));

  std::vector<std::string> expected = {
    assertion_text ("torvanix_providers_contracts_value_error_construct", "message != NULL"),
    assertion_text ("torvanix_providers_contracts_value_error_construct", "message != NULL"),
    assertion_text ("torvanix_providers_contracts_ivalue_to_string", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_ivalue_clone", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_ivalue_get_data_type", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_value_object_get_is_null", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_value_null_get_itsvalue", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_value_error_get_itsvalue", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_ivalue_to_value", "self != NULL"),
  };
  EXPECT_EQ (log.criticals (), expected);
}

/* Every override hands what it makes to the GValue, so a missing or busy
 * GValue must be refused before it runs, or that would leak. */
TEST (ValueCore, ToValueRefusesAMissingOrBusyGValue)
{
  std::vector<providers::testing::Owned<TorvanixProvidersContractsIValue>> values;
  for (int type = 0; type <= TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR; ++type)
    values.push_back (own (torvanix_providers_contracts_ivalue_factory (
        static_cast<TorvanixProvidersContractsDataType> (type), "1")));
  values.push_back (own (as_ivalue (torvanix_providers_contracts_value_error_new (1064, "syntax"))));
  values.push_back (own (as_ivalue (torvanix_providers_contracts_value_utf16_new_string ("w"))));
  values.push_back (own (as_ivalue (torvanix_providers_contracts_value_enum_new ("a"))));
  for (const auto &value : values) {
    SCOPED_TRACE (G_OBJECT_TYPE_NAME (value.get ()));
    LogCapture log;
    GValue busy = G_VALUE_INIT;
    g_value_init (&busy, G_TYPE_INT);
    torvanix_providers_contracts_ivalue_to_value (value.get (), nullptr);
    torvanix_providers_contracts_ivalue_to_value (value.get (), &busy);
    auto *base = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (value.get ());
    torvanix_providers_contracts_value_object_to_value (base, nullptr);
    torvanix_providers_contracts_value_object_to_value (base, &busy);
    EXPECT_EQ (G_VALUE_TYPE (&busy), G_TYPE_INT);
    std::vector<std::string> expected = {
      assertion_text ("torvanix_providers_contracts_ivalue_to_value", "result != NULL"),
      assertion_text ("torvanix_providers_contracts_ivalue_to_value", "!G_IS_VALUE (result)"),
      assertion_text ("torvanix_providers_contracts_value_object_to_value", "result != NULL"),
      assertion_text ("torvanix_providers_contracts_value_object_to_value", "!G_IS_VALUE (result)"),
    };
    EXPECT_EQ (log.criticals (), expected);
    g_value_unset (&busy);
  }
}

TEST (ValueCore, ConstructRefusesTypesOutsideItsClass)
{
  LogCapture log;
  EXPECT_EQ (torvanix_providers_contracts_value_null_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ERROR), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_object_construct (G_TYPE_OBJECT), nullptr);
  ASSERT_EQ (log.criticals ().size (), 2u);
  EXPECT_EQ (log.criticals ()[0],
             assertion_text ("torvanix_providers_contracts_value_null_construct",
                             "g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL)"));
}

/* An application's own subclass, written in C as GObject subclasses are:
 * its dispose chains up first and then does its own teardown, relying on
 * GObject's dispose having delivered the weak notifications and dropped
 * the handlers by then, on the last unref as under g_object_run_dispose. */
struct AppText {
  TorvanixProvidersContractsValueString parent;
};
struct AppTextClass {
  TorvanixProvidersContractsValueStringClass parent_class;
};

struct AppTextSeen {
  gulong handler = 0;
  bool weak_notified = false;
  int disposes = 0;
  bool weak_notified_after_chain_up = false;
  bool handler_gone_after_chain_up = false;
};
AppTextSeen app_text_seen;

G_DEFINE_TYPE (AppText, app_text, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING)

void app_text_dispose (GObject *object)
{
  G_OBJECT_CLASS (app_text_parent_class)->dispose (object);
  if (app_text_seen.disposes++ == 0)
    {
      app_text_seen.weak_notified_after_chain_up = app_text_seen.weak_notified;
      app_text_seen.handler_gone_after_chain_up = !g_signal_handler_is_connected (object, app_text_seen.handler);
    }
}

void app_text_class_init (AppTextClass *klass)
{
  G_OBJECT_CLASS (klass)->dispose = app_text_dispose;
}

void app_text_init (AppText *) {}

void app_text_on_notify (GObject *, GParamSpec *, gpointer) {}

void app_text_weak_notify (gpointer, GObject *)
{
  app_text_seen.weak_notified = true;
}

GObject *watched_app_text ()
{
  app_text_seen = AppTextSeen ();
  GObject *object = G_OBJECT (g_object_new (app_text_get_type (), nullptr));
  app_text_seen.handler = g_signal_connect (object, "notify", G_CALLBACK (app_text_on_notify), nullptr);
  g_object_weak_ref (object, app_text_weak_notify, nullptr);
  return object;
}

TEST (ValueCore, SubclassesThatChainUpFindGObjectsDisposeDone)
{
  g_object_unref (watched_app_text ());
  EXPECT_EQ (app_text_seen.disposes, 1);
  EXPECT_TRUE (app_text_seen.weak_notified_after_chain_up);
  EXPECT_TRUE (app_text_seen.handler_gone_after_chain_up);

  GObject *object = watched_app_text ();
  g_object_run_dispose (object);
  EXPECT_TRUE (app_text_seen.weak_notified_after_chain_up);
  EXPECT_TRUE (app_text_seen.handler_gone_after_chain_up);
  g_object_unref (object);
  EXPECT_EQ (app_text_seen.disposes, 2);
}

}  // namespace
