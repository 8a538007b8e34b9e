/* Enum, flags and set values; geometry and geography values. */
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

TorvanixProvidersContractsIValue *as_ivalue (gpointer object) { return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (object); }

std::string text_of (gpointer value) { return take_string (torvanix_providers_contracts_ivalue_to_string (as_ivalue (value))); }

std::string gvalue_text_of (gpointer value)
{
  GValue gvalue = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (as_ivalue (value), &gvalue);
  EXPECT_TRUE (G_VALUE_HOLDS_STRING (&gvalue));
  std::string text = g_value_get_string (&gvalue) ? g_value_get_string (&gvalue) : "<null>";
  g_value_unset (&gvalue);
  return text;
}

std::string itsvalue_of (gpointer value)
{
  gchar *text = nullptr;
  g_object_get (value, "itsvalue", &text, nullptr);
  return take_string (text);
}

/* Reads and writes the text of either family. */
const gchar *held_text (gpointer value)
{
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ENUM (value))
    return torvanix_providers_contracts_value_enum_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_ENUM (value));
  return torvanix_providers_contracts_value_geometry_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_GEOMETRY (value));
}

void set_text (gpointer value, const gchar *text)
{
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ENUM (value))
    torvanix_providers_contracts_value_enum_set_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_ENUM (value), text);
  else
    torvanix_providers_contracts_value_geometry_set_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_GEOMETRY (value), text);
}

struct Kind {
  const char *type_name;
  const char *name;
  int data_type;
  gpointer (*make) (const gchar *text);
};

const Kind kinds[] = {
  {"TorvanixProvidersContractsValueEnum", "enum", 11,
   [] (const gchar *t) -> gpointer { return torvanix_providers_contracts_value_enum_new (t); }},
  {"TorvanixProvidersContractsValueFlags", "flags", 12,
   [] (const gchar *t) -> gpointer { return torvanix_providers_contracts_value_flags_new (t); }},
  {"TorvanixProvidersContractsValueSet", "set", 13,
   [] (const gchar *t) -> gpointer { return torvanix_providers_contracts_value_set_new (t); }},
  {"TorvanixProvidersContractsValueGeometry", "geometry", 28,
   [] (const gchar *t) -> gpointer { return torvanix_providers_contracts_value_geometry_new (t); }},
  {"TorvanixProvidersContractsValueGeography", "geography", 29,
   [] (const gchar *t) -> gpointer { return torvanix_providers_contracts_value_geography_new (t); }},
};

TEST (ValueEnumAndGeometry, EachClassHoldsAPrivateCopyOfItsText)
{
  for (const Kind &k : kinds) {
    gchar *source = g_strdup ("small,medium");
    auto value = own (static_cast<GObject *> (k.make (source)));
    source[0] = 'X';
    g_free (source);
    EXPECT_STREQ (G_OBJECT_TYPE_NAME (value.get ()), k.type_name);
    EXPECT_STREQ (torvanix_providers_contracts_ivalue_get_name (as_ivalue (value.get ())), k.name);
    EXPECT_EQ (torvanix_providers_contracts_ivalue_get_data_type (as_ivalue (value.get ())), k.data_type);
    gint data_type = -1;
    g_object_get (value.get (), "data-type", &data_type, nullptr);
    EXPECT_EQ (data_type, k.data_type);
    EXPECT_FALSE (torvanix_providers_contracts_ivalue_get_is_null (as_ivalue (value.get ())));

    EXPECT_EQ (text_of (value.get ()), "small,medium") << k.name;
    EXPECT_EQ (gvalue_text_of (value.get ()), "small,medium") << k.name;
    EXPECT_EQ (itsvalue_of (value.get ()), "small,medium") << k.name;
    EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_dump (as_ivalue (value.get ()))),
               std::string (k.type_name) + " => small,medium");
  }
}

TEST (ValueEnumAndGeometry, SetterCopiesAcceptsNullAndAlwaysNotifies)
{
  for (const Kind &k : kinds) {
    auto value = own (static_cast<GObject *> (k.make ("a")));
    NotifyCounter notify (value.get (), "itsvalue");
    set_text (value.get (), "a");
    set_text (value.get (), held_text (value.get ())); /* the held text itself */
    EXPECT_STREQ (held_text (value.get ()), "a") << k.name;
    g_object_set (value.get (), "itsvalue", "b", nullptr);
    EXPECT_STREQ (held_text (value.get ()), "b") << k.name;
    set_text (value.get (), nullptr);
    EXPECT_EQ (held_text (value.get ()), nullptr) << k.name;
    EXPECT_EQ (gvalue_text_of (value.get ()), "<null>") << k.name;
    EXPECT_EQ (notify.count (), 4) << k.name;
  }
}

TEST (ValueEnumAndGeometry, ClonesCopyTheTextEvenWhenItIsNull)
{
  for (const Kind &k : kinds) {
    for (const gchar *text : {"x", "", static_cast<const gchar *> (nullptr)}) {
      auto value = own (static_cast<GObject *> (k.make ("placeholder")));
      set_text (value.get (), text);
      auto copy = own (torvanix_providers_contracts_ivalue_clone (as_ivalue (value.get ())));
      ASSERT_NE (copy.get (), nullptr) << k.name;
      EXPECT_EQ (G_OBJECT_TYPE (copy.get ()), G_OBJECT_TYPE (value.get ()));
      if (text == nullptr) {
        EXPECT_EQ (held_text (copy.get ()), nullptr) << k.name;
      } else {
        EXPECT_STREQ (held_text (copy.get ()), text) << k.name;
        EXPECT_NE (held_text (copy.get ()), held_text (value.get ())) << k.name;
      }
    }
  }
}

TEST (ValueEnum, NullTextPrintsAsNullWithAWarning)
{
  auto value = own (torvanix_providers_contracts_value_set_new ("a"));
  auto geometry = own (torvanix_providers_contracts_value_geometry_new ("POINT(1 2)"));
  set_text (value.get (), nullptr);
  set_text (geometry.get (), nullptr);
  LogCapture log;
  EXPECT_EQ (text_of (value.get ()), "<null>");
  EXPECT_EQ (text_of (geometry.get ()), "<null>");
  EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_dump (as_ivalue (geometry.get ()))),
             "TorvanixProvidersContractsValueGeometry => (null)");
  std::vector<std::string> expected = {
    assertion_text ("torvanix_providers_contracts_value_object_to_string", "itsvalue != NULL"),
  };
  EXPECT_EQ (log.criticals (), expected);
}

TEST (ValueGeometry, GenericObjectConstructorGivesTheEmptyText)
{
  for (GType type : {TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOMETRY, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOGRAPHY}) {
    auto value = own (static_cast<GObject *> (g_object_new (type, nullptr)));
    EXPECT_STREQ (held_text (value.get ()), "");
    EXPECT_EQ (text_of (value.get ()), "");
    EXPECT_EQ (gvalue_text_of (value.get ()), "");
  }
}

/* A subclass written against the class struct: initialize dispatches to it,
 * and chaining up reaches the base implementation. */
struct RecordingEnum {
  TorvanixProvidersContractsValueEnum parent;
};
struct RecordingEnumClass {
  TorvanixProvidersContractsValueEnumClass parent_class;
};
std::vector<gint> recorded_counts;

GType recording_enum_get_type ();
G_DEFINE_TYPE (RecordingEnum, recording_enum, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ENUM)

void recording_initialize (TorvanixProvidersContractsValueEnum *self, gchar **values, gint count)
{
  recorded_counts.push_back (count);
  TORVANIX_PROVIDERS_CONTRACTS_VALUE_ENUM_CLASS (recording_enum_parent_class)->initialize (self, values, count);
}

void recording_enum_class_init (RecordingEnumClass *klass)
{
  TORVANIX_PROVIDERS_CONTRACTS_VALUE_ENUM_CLASS (klass)->initialize = recording_initialize;
}

void recording_enum_init (RecordingEnum *) {}

TEST (ValueEnum, InitializeCallsTheVirtualOfTheValuesClass)
{
  recorded_counts.clear ();
  auto value = own (torvanix_providers_contracts_value_enum_construct (recording_enum_get_type (), "a"));
  ASSERT_NE (value.get (), nullptr);
  gchar *members[] = {g_strdup ("a"), g_strdup ("b"), g_strdup ("c")};
  torvanix_providers_contracts_value_enum_initialize (value.get (), members, 2);
  torvanix_providers_contracts_value_enum_initialize (value.get (), members, 0);
  torvanix_providers_contracts_value_enum_initialize (value.get (), nullptr, -1);
  torvanix_providers_contracts_value_enum_initialize (value.get (), members, 3);
  for (gchar *m : members) g_free (m); /* the value keeps its own copies */
  EXPECT_EQ (recorded_counts, (std::vector<gint>{2, 0, -1, 3}));

  /* The base class's own values take members too; a clone keeps its text. */
  auto plain = own (torvanix_providers_contracts_value_flags_new ("f"));
  gchar *more[] = {g_strdup ("x"), nullptr};
  torvanix_providers_contracts_value_enum_initialize (TORVANIX_PROVIDERS_CONTRACTS_VALUE_ENUM (plain.get ()), more, 2);
  g_free (more[0]);
  auto copy = own (torvanix_providers_contracts_ivalue_clone (as_ivalue (plain.get ())));
  EXPECT_EQ (text_of (copy.get ()), "f");
}

TEST (ValueGeography, LatitudeAndLongitudeAreTheFirstSignedPairInTheText)
{
  struct Case {
    const char *text;
    double latitude, longitude;
  };
  const Case cases[] = {
    {"51.5074, -0.1278", 51.5074, -0.1278},
    {"-33.8688, 151.2093", -33.8688, 151.2093},
    {"-22.9,-43.2", -22.9, -43.2},
    {"10,20", 10, 20},
    {"Sydney Opera House 1.5,\t 2.5 and 3,4", 1.5, 2.5},
    {"first line\nsecond 7.25,8.5", 7.25, 8.5},
    {"1.2.3, 4..5", 1.2, 4},
    {"10;20", 0, 0},
    {"10 ,20", 0, 0},
    {"POINT(1 2)", 0, 0},
    {"", 0, 0},
    {"\xff\xfe 12.5, -7", 12.5, -7},
  };
  for (const Case &c : cases) {
    auto value = own (torvanix_providers_contracts_value_geography_new (c.text));
    EXPECT_EQ (torvanix_providers_contracts_value_geography_latitude (value.get ()), c.latitude) << c.text;
    EXPECT_EQ (torvanix_providers_contracts_value_geography_longitude (value.get ()), c.longitude) << c.text;
  }

  auto unset = own (torvanix_providers_contracts_value_geography_new ("1,2"));
  torvanix_providers_contracts_value_geometry_set_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_GEOMETRY (unset.get ()), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_geography_latitude (unset.get ()), 0.0);
}

TEST (ValueEnumAndGeometry, NullArgumentsWarnNamingTheConstructTwin)
{
  LogCapture log;
  EXPECT_EQ (torvanix_providers_contracts_value_enum_new (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_flags_new (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_set_new (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_geometry_new (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_geography_new (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_flags_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_SET, "a"), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_geography_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOMETRY, "a"),
             nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_enum_get_itsvalue (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_geography_latitude (nullptr), 0.0);
  EXPECT_EQ (torvanix_providers_contracts_value_geography_longitude (nullptr), 0.0);
  torvanix_providers_contracts_value_enum_initialize (nullptr, nullptr, 0);
  auto value = own (torvanix_providers_contracts_value_enum_new ("a"));
  torvanix_providers_contracts_value_enum_initialize (value.get (), nullptr, 1);

  const std::string prefix = "torvanix_providers_contracts_value_";
  std::vector<std::string> expected = {
    assertion_text (prefix + "enum_construct", "enum_value != NULL"),
    assertion_text (prefix + "flags_construct", "flag_value != NULL"),
    assertion_text (prefix + "set_construct", "set_value != NULL"),
    assertion_text (prefix + "geometry_construct", "value != NULL"),
    assertion_text (prefix + "geography_construct", "value != NULL"),
    assertion_text (prefix + "flags_construct", "g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_FLAGS)"),
    assertion_text (prefix + "geography_construct",
                    "g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOGRAPHY)"),
    assertion_text (prefix + "enum_get_itsvalue", "self != NULL"),
    assertion_text (prefix + "geography_latitude", "self != NULL"),
    assertion_text (prefix + "geography_longitude", "self != NULL"),
    assertion_text (prefix + "enum_initialize", "self != NULL"),
    assertion_text (prefix + "enum_initialize", "count < 1 || values != NULL"),
  };
  EXPECT_EQ (log.criticals (), expected);
}

}  // namespace
