/* The scalar values and the numeric interfaces. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <functional>
#include <optional>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "support/notify-counter.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::NotifyCounter;
using providers::testing::own;
using providers::testing::take_string;

namespace {

enum Interfaces : unsigned { INTEGER = 1, UNSIGNED = 2, NUMERIC = 4 };

struct ScalarClass {
  GType (*get_type) ();
  const char *type_name;
  const char *name;
  int data_type;
  GType gvalue_type; /* of "itsvalue" and of to_value */
  unsigned interfaces;
};

const ScalarClass kClasses[] = {
  {torvanix_providers_contracts_value_int8_get_type, "TorvanixProvidersContractsValueInt8", "byte", 3, G_TYPE_CHAR, INTEGER},
  {torvanix_providers_contracts_value_int16_get_type, "TorvanixProvidersContractsValueInt16", "int16", 4, G_TYPE_INT, INTEGER},
  {torvanix_providers_contracts_value_int32_get_type, "TorvanixProvidersContractsValueInt32", "int32", 5, G_TYPE_INT, INTEGER},
  {torvanix_providers_contracts_value_int64_get_type, "TorvanixProvidersContractsValueInt64", "int64", 6, G_TYPE_INT64, INTEGER},
  {torvanix_providers_contracts_value_uint8_get_type, "TorvanixProvidersContractsValueUInt8", "uint8", 7, G_TYPE_UCHAR,
   INTEGER | UNSIGNED},
  {torvanix_providers_contracts_value_uint16_get_type, "TorvanixProvidersContractsValueUInt16", "uint16", 8, G_TYPE_UINT,
   INTEGER | UNSIGNED},
  {torvanix_providers_contracts_value_uint32_get_type, "TorvanixProvidersContractsValueUInt32", "uint32", 9, G_TYPE_UINT,
   INTEGER | UNSIGNED},
  {torvanix_providers_contracts_value_uint64_get_type, "TorvanixProvidersContractsValueUInt64", "uint64", 10, G_TYPE_UINT64,
   INTEGER | UNSIGNED},
  {torvanix_providers_contracts_value_boolean_get_type, "TorvanixProvidersContractsValueBoolean", "bool", 2, G_TYPE_BOOLEAN,
   INTEGER | UNSIGNED},
  {torvanix_providers_contracts_value_float_get_type, "TorvanixProvidersContractsValueFloat", "float", 16, G_TYPE_FLOAT, NUMERIC},
  {torvanix_providers_contracts_value_double_get_type, "TorvanixProvidersContractsValueDouble", "double", 17, G_TYPE_DOUBLE,
   NUMERIC},
  {torvanix_providers_contracts_value_money_get_type, "TorvanixProvidersContractsValueMoney", "money", 14, G_TYPE_DOUBLE, NUMERIC},
  {torvanix_providers_contracts_value_decimal_get_type, "TorvanixProvidersContractsValueDecimal", "decimal", 15, G_TYPE_DOUBLE,
   NUMERIC},
};

/* A fresh instance holding zero, made the way every construct does. */
gpointer make_zero (GType type) { return torvanix_providers_contracts_value_object_construct (type); }

/* Writes `n` to "itsvalue" through a GValue of the property's own type. */
void set_through_property (gpointer object, GType gvalue_type, gint64 n)
{
  GValue wide = G_VALUE_INIT;
  g_value_init (&wide, G_TYPE_INT64);
  g_value_set_int64 (&wide, n);
  GValue v = G_VALUE_INIT;
  g_value_init (&v, gvalue_type);
  ASSERT_TRUE (g_value_transform (&wide, &v));
  g_object_set_property (G_OBJECT (object), "itsvalue", &v);
  g_value_unset (&v);
}

std::string text_of (gpointer object)
{
  return take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (object)));
}

TEST (ValueScalar, EachClassRegistersItsNamesTypesAndInterfaces)
{
  for (const ScalarClass &c : kClasses) {
    SCOPED_TRACE (c.type_name);
    GType type = c.get_type ();
    EXPECT_STREQ (g_type_name (type), c.type_name);
    EXPECT_EQ (g_type_parent (type), TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT);
    EXPECT_EQ (g_type_is_a (type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_IINTEGER), (c.interfaces & INTEGER) != 0);
    EXPECT_EQ (g_type_is_a (type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_IUNSIGNED), (c.interfaces & UNSIGNED) != 0);
    EXPECT_EQ (g_type_is_a (type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_INUMERIC), (c.interfaces & NUMERIC) != 0);

    auto value = own (make_zero (type));
    auto *ivalue = TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value.get ());
    EXPECT_STREQ (torvanix_providers_contracts_ivalue_get_name (ivalue), c.name);
    EXPECT_EQ (torvanix_providers_contracts_ivalue_get_data_type (ivalue), c.data_type);
    EXPECT_FALSE (torvanix_providers_contracts_ivalue_get_is_null (ivalue));

    gchar *name = nullptr;
    gint data_type = -1;
    g_object_get (value.get (), "name", &name, "data-type", &data_type, nullptr);
    EXPECT_EQ (take_string (name), c.name);
    EXPECT_EQ (data_type, c.data_type);

    GParamSpec *spec = g_object_class_find_property (G_OBJECT_GET_CLASS (value.get ()), "itsvalue");
    ASSERT_NE (spec, nullptr);
    EXPECT_EQ (G_PARAM_SPEC_VALUE_TYPE (spec), c.gvalue_type);
    EXPECT_EQ (spec->flags & G_PARAM_READWRITE, G_PARAM_READWRITE);
    EXPECT_EQ (spec->owner_type, type);

    GValue v = G_VALUE_INIT;
    torvanix_providers_contracts_ivalue_to_value (ivalue, &v);
    EXPECT_EQ (G_VALUE_TYPE (&v), c.gvalue_type);
    g_value_unset (&v);
  }
}

TEST (ValueScalar, UnsignedValuesAreAlsoIntegers)
{
  guint n = 0;
  GType *prerequisites = g_type_interface_prerequisites (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IUNSIGNED, &n);
  EXPECT_NE (std::find (prerequisites, prerequisites + n, TORVANIX_PROVIDERS_CONTRACTS_TYPE_IINTEGER), prerequisites + n);
  g_free (prerequisites);
  EXPECT_STREQ (g_type_name (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IUNSIGNED), "TorvanixProvidersContractsIUnsigned");
  EXPECT_STREQ (g_type_name (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IINTEGER), "TorvanixProvidersContractsIInteger");
  EXPECT_STREQ (g_type_name (TORVANIX_PROVIDERS_CONTRACTS_TYPE_INUMERIC), "TorvanixProvidersContractsINumeric");
}

TEST (ValueScalar, PropertyRangesFollowTheStoredTypes)
{
  auto range = [] (GType type) {
    auto *klass = static_cast<GObjectClass *> (g_type_class_ref (type));
    GParamSpec *spec = g_object_class_find_property (klass, "itsvalue");
    g_type_class_unref (klass);
    return spec;
  };
  EXPECT_EQ (G_PARAM_SPEC_CHAR (range (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT8))->minimum, -128);
  EXPECT_EQ (G_PARAM_SPEC_CHAR (range (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT8))->maximum, 127);
  EXPECT_EQ (G_PARAM_SPEC_INT (range (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT16))->minimum, G_MININT);
  EXPECT_EQ (G_PARAM_SPEC_UINT (range (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT16))->maximum, G_MAXUINT);
  EXPECT_EQ (G_PARAM_SPEC_INT64 (range (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT64))->minimum, G_MININT64);
  EXPECT_EQ (G_PARAM_SPEC_UINT64 (range (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT64))->maximum, G_MAXUINT64);
  EXPECT_EQ (G_PARAM_SPEC_UCHAR (range (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT8))->maximum, 255);
  EXPECT_EQ (G_PARAM_SPEC_FLOAT (range (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_FLOAT))->minimum, -FLT_MAX);
  EXPECT_EQ (G_PARAM_SPEC_DOUBLE (range (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DECIMAL))->maximum, DBL_MAX);
}

struct Conversion {
  const char *label;
  std::function<gpointer ()> make;
  const char *text;
  std::optional<gint64> integer;
  std::optional<guint64> unsigned_;
  std::optional<double> real;
};

TEST (ValueScalar, TextAndNumericConversions)
{
  const Conversion cases[] = {
    {"int8 -1", [] { return gpointer (torvanix_providers_contracts_value_int8_new (-1)); }, "-1", -1, {}, {}},
    {"int8 min", [] { return gpointer (torvanix_providers_contracts_value_int8_new (-128)); }, "-128", -128, {}, {}},
    {"int16 min", [] { return gpointer (torvanix_providers_contracts_value_int16_new (G_MININT16)); }, "-32768", -32768, {}, {}},
    {"int32 min", [] { return gpointer (torvanix_providers_contracts_value_int32_new (G_MININT32)); }, "-2147483648",
     G_MININT32, {}, {}},
    {"int64 min", [] { return gpointer (torvanix_providers_contracts_value_int64_new (G_MININT64)); },
     "-9223372036854775808", G_MININT64, {}, {}},
    {"uint8 255", [] { return gpointer (torvanix_providers_contracts_value_uint8_new (255)); }, "255", 255, 255u, {}},
    {"uint16 max", [] { return gpointer (torvanix_providers_contracts_value_uint16_new (G_MAXUINT16)); }, "65535", 65535,
     65535u, {}},
    {"uint32 max", [] { return gpointer (torvanix_providers_contracts_value_uint32_new (G_MAXUINT32)); }, "4294967295",
     G_MAXUINT32, G_MAXUINT32, {}},
    {"uint64 max saturates", [] { return gpointer (torvanix_providers_contracts_value_uint64_new (G_MAXUINT64)); },
     "18446744073709551615", G_MAXINT64, G_MAXUINT64, {}},
    {"uint64 at the signed limit",
     [] { return gpointer (torvanix_providers_contracts_value_uint64_new (guint64 (G_MAXINT64))); }, "9223372036854775807",
     G_MAXINT64, guint64 (G_MAXINT64), {}},
    {"uint64 one past the signed limit",
     [] { return gpointer (torvanix_providers_contracts_value_uint64_new (guint64 (G_MAXINT64) + 1)); },
     "9223372036854775808", G_MAXINT64, guint64 (G_MAXINT64) + 1, {}},
    {"true", [] { return gpointer (torvanix_providers_contracts_value_boolean_new (TRUE)); }, "true", 1, 1u, {}},
    {"false", [] { return gpointer (torvanix_providers_contracts_value_boolean_new (FALSE)); }, "false", 0, 0u, {}},
    {"boolean holding 5", [] { return gpointer (torvanix_providers_contracts_value_boolean_new (5)); }, "true", 1, 1u, {}},
    {"float pi", [] { return gpointer (torvanix_providers_contracts_value_float_new (3.14159f)); }, "3.14", {}, {}, 3.14159f},
    {"float 2.5", [] { return gpointer (torvanix_providers_contracts_value_float_new (2.5f)); }, "2.50", {}, {}, 2.5},
    {"double pi", [] { return gpointer (torvanix_providers_contracts_value_double_new (3.14159)); }, "3.14", {}, {}, 3.14159},
    {"double negative", [] { return gpointer (torvanix_providers_contracts_value_double_new (-0.125)); }, "-0.12", {}, {},
     -0.125},
    {"money large", [] { return gpointer (torvanix_providers_contracts_value_money_new (1234567.0)); }, "1.23457E+06", {}, {},
     1234567.0},
    {"money half", [] { return gpointer (torvanix_providers_contracts_value_money_new (0.5)); }, "0.5", {}, {}, 0.5},
    {"decimal hundred", [] { return gpointer (torvanix_providers_contracts_value_decimal_new (100.0)); }, "100", {}, {}, 100.0},
    {"decimal small", [] { return gpointer (torvanix_providers_contracts_value_decimal_new (0.00001234)); }, "1.234E-05", {},
     {}, 0.00001234},
  };
  for (const Conversion &c : cases) {
    SCOPED_TRACE (c.label);
    auto value = own (c.make ());
    EXPECT_EQ (text_of (value.get ()), c.text);
    EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_dump (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value.get ()))),
               std::string (G_OBJECT_TYPE_NAME (value.get ())) + " => " + c.text);
    if (c.integer) {
      EXPECT_EQ (torvanix_providers_contracts_iinteger_to_integer (TORVANIX_PROVIDERS_CONTRACTS_IINTEGER (value.get ())),
                 *c.integer);
    }
    if (c.unsigned_) {
      EXPECT_EQ (torvanix_providers_contracts_iunsigned_to_unsigned (TORVANIX_PROVIDERS_CONTRACTS_IUNSIGNED (value.get ())),
                 *c.unsigned_);
    }
    if (c.real) {
      EXPECT_DOUBLE_EQ (torvanix_providers_contracts_inumeric_to_double (TORVANIX_PROVIDERS_CONTRACTS_INUMERIC (value.get ())),
                        *c.real);
    }
  }
}

TEST (ValueScalar, TypedGettersAndGValuesHoldTheStoredValue)
{
  auto i8 = own (torvanix_providers_contracts_value_int8_new (-7));
  EXPECT_EQ (torvanix_providers_contracts_value_int8_get_int8 (i8.get ()), -7);
  auto u16 = own (torvanix_providers_contracts_value_uint16_new (40000));
  EXPECT_EQ (torvanix_providers_contracts_value_uint16_get_uint16 (u16.get ()), 40000);
  auto i64 = own (torvanix_providers_contracts_value_int64_new (G_MININT64));
  EXPECT_EQ (torvanix_providers_contracts_value_int64_get_int64 (i64.get ()), G_MININT64);
  auto u64 = own (torvanix_providers_contracts_value_uint64_new (G_MAXUINT64));
  EXPECT_EQ (torvanix_providers_contracts_value_uint64_get_uint64 (u64.get ()), G_MAXUINT64);
  auto b = own (torvanix_providers_contracts_value_boolean_new (TRUE));
  EXPECT_TRUE (torvanix_providers_contracts_value_boolean_get_boolean (b.get ()));
  auto f = own (torvanix_providers_contracts_value_float_new (1.5f));
  EXPECT_EQ (torvanix_providers_contracts_value_float_get_itsvalue (f.get ()), 1.5f);

  GValue v = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (i8.get ()), &v);
  EXPECT_EQ (g_value_get_schar (&v), -7);
  g_value_unset (&v);
  torvanix_providers_contracts_ivalue_to_value (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (u16.get ()), &v);
  EXPECT_EQ (g_value_get_uint (&v), 40000u);
  g_value_unset (&v);
  torvanix_providers_contracts_ivalue_to_value (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (u64.get ()), &v);
  EXPECT_EQ (g_value_get_uint64 (&v), G_MAXUINT64);
  g_value_unset (&v);
  torvanix_providers_contracts_ivalue_to_value (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (f.get ()), &v);
  EXPECT_EQ (g_value_get_float (&v), 1.5f);
  g_value_unset (&v);
}

int class_notifications = 0;

void count_notify (GObject *, GParamSpec *) { ++class_notifications; }

void counting_class_init (gpointer klass, gpointer) { G_OBJECT_CLASS (klass)->notify = count_notify; }

/* A subclass whose class handler counts every notification, including those
 * emitted before any handler could have been connected. */
GType counting_subclass (GType parent)
{
  GTypeQuery query;
  g_type_query (parent, &query);
  std::string name = std::string ("Counting") + query.type_name;
  GType existing = g_type_from_name (name.c_str ());
  if (existing) return existing;
  return g_type_register_static_simple (parent, g_intern_string (name.c_str ()), query.class_size, counting_class_init,
                                        query.instance_size, nullptr, static_cast<GTypeFlags> (0));
}

TEST (ValueScalar, SettersNotifyOnEveryCallAndConstructorsNever)
{
  class_notifications = 0;
  auto made = own (torvanix_providers_contracts_value_int32_construct (
      counting_subclass (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT32), 3));
  for (const ScalarClass &c : kClasses) {
    auto value = own (make_zero (counting_subclass (c.get_type ())));
    auto copy = own (torvanix_providers_contracts_ivalue_clone (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value.get ())));
    EXPECT_EQ (G_OBJECT_TYPE (copy.get ()), G_OBJECT_TYPE (value.get ()));
  }
  EXPECT_EQ (class_notifications, 0);

  NotifyCounter notes (made.get (), "itsvalue");
  torvanix_providers_contracts_value_int32_set_itsvalue (made.get (), 3);
  torvanix_providers_contracts_value_int32_set_itsvalue (made.get (), 3);
  torvanix_providers_contracts_value_int32_set_itsvalue (made.get (), 4);
  EXPECT_EQ (notes.count (), 3);
  EXPECT_EQ (class_notifications, 3);

  for (const ScalarClass &c : kClasses) {
    SCOPED_TRACE (c.type_name);
    auto value = own (make_zero (c.get_type ()));
    NotifyCounter counter (value.get (), "itsvalue");
    set_through_property (value.get (), c.gvalue_type, 0);
    set_through_property (value.get (), c.gvalue_type, 1);
    EXPECT_EQ (counter.count (), 2);
  }
}

TEST (ValueScalar, PropertyRoundTripsAndSixteenBitTruncation)
{
  for (const ScalarClass &c : kClasses) {
    SCOPED_TRACE (c.type_name);
    auto value = own (make_zero (c.get_type ()));
    set_through_property (value.get (), c.gvalue_type, 1);
    GValue v = G_VALUE_INIT;
    g_value_init (&v, c.gvalue_type);
    g_object_get_property (G_OBJECT (value.get ()), "itsvalue", &v);
    GValue wide = G_VALUE_INIT;
    g_value_init (&wide, G_TYPE_INT64);
    ASSERT_TRUE (g_value_transform (&v, &wide));
    EXPECT_EQ (g_value_get_int64 (&wide), 1);
    g_value_unset (&v);
  }

  auto i16 = own (torvanix_providers_contracts_value_int16_new (0));
  g_object_set (i16.get (), "itsvalue", 65537, nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_int16_get_itsvalue (i16.get ()), 1);
  g_object_set (i16.get (), "itsvalue", 0x18000, nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_int16_get_itsvalue (i16.get ()), G_MININT16);
  gint read_back = 0;
  g_object_get (i16.get (), "itsvalue", &read_back, nullptr);
  EXPECT_EQ (read_back, G_MININT16);

  auto u16 = own (torvanix_providers_contracts_value_uint16_new (0));
  g_object_set (u16.get (), "itsvalue", 65537u, nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_uint16_get_itsvalue (u16.get ()), 1);
  EXPECT_EQ (text_of (u16.get ()), "1");
}

TEST (ValueScalar, ClonesAreIndependentCopiesOfTheSameClass)
{
  for (const ScalarClass &c : kClasses) {
    SCOPED_TRACE (c.type_name);
    auto original = own (make_zero (c.get_type ()));
    set_through_property (original.get (), c.gvalue_type, 1);
    auto copy = own (torvanix_providers_contracts_ivalue_clone (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (original.get ())));
    ASSERT_NE (copy.get (), nullptr);
    EXPECT_NE (static_cast<gpointer> (copy.get ()), original.get ());
    EXPECT_EQ (G_OBJECT_TYPE (copy.get ()), G_OBJECT_TYPE (original.get ()));
    EXPECT_EQ (torvanix_providers_contracts_ivalue_get_data_type (copy.get ()), c.data_type);
    std::string before = text_of (original.get ());
    EXPECT_EQ (text_of (copy.get ()), before);

    set_through_property (copy.get (), c.gvalue_type, 0);
    EXPECT_NE (text_of (copy.get ()), before);
    EXPECT_EQ (text_of (original.get ()), before);
  }
}

TEST (ValueScalar, NullSelfAndForeignTypesAreRefused)
{
  LogCapture log;
  EXPECT_EQ (torvanix_providers_contracts_value_int32_get_itsvalue (nullptr), 0);
  torvanix_providers_contracts_value_int32_set_itsvalue (nullptr, 1);
  EXPECT_EQ (torvanix_providers_contracts_value_uint64_get_uint64 (nullptr), 0u);
  EXPECT_EQ (torvanix_providers_contracts_value_double_get_itsvalue (nullptr), 0.0);
  EXPECT_EQ (torvanix_providers_contracts_iinteger_to_integer (nullptr), 0);
  EXPECT_EQ (torvanix_providers_contracts_iunsigned_to_unsigned (nullptr), 0u);
  EXPECT_EQ (torvanix_providers_contracts_inumeric_to_double (nullptr), 0.0);
  EXPECT_EQ (torvanix_providers_contracts_value_int32_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT64, 1), nullptr);

  std::vector<std::string> expected = {
    assertion_text ("torvanix_providers_contracts_value_int32_get_itsvalue", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_value_int32_set_itsvalue", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_value_uint64_get_uint64", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_value_double_get_itsvalue", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_iinteger_to_integer", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_iunsigned_to_unsigned", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_inumeric_to_double", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_value_int32_construct",
                    "g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT32)"),
  };
  EXPECT_EQ (log.criticals (), expected);
}

/* A value of a sibling class is refused by the type check before the
 * instance is read or written: the setter would write past a string value's
 * private data. A subclass instance is accepted where its parent is asked. */
TEST (ValueScalar, InstancesOfAnotherValueClassAreRefused)
{
  auto text = own (torvanix_providers_contracts_value_string_new ("unchanged"));
  auto number = own (torvanix_providers_contracts_value_int64_new (7));
  gpointer as_text = text.get ();
  gpointer as_number = number.get ();
  {
    LogCapture log;
    torvanix_providers_contracts_value_int64_set_itsvalue (static_cast<TorvanixProvidersContractsValueInt64 *> (as_text), 1);
    EXPECT_EQ (torvanix_providers_contracts_value_uint64_get_itsvalue (
                   static_cast<TorvanixProvidersContractsValueUInt64 *> (as_number)), 0u);
    EXPECT_EQ (torvanix_providers_contracts_iinteger_to_integer (static_cast<TorvanixProvidersContractsIInteger *> (as_text)), 0);
    EXPECT_EQ (torvanix_providers_contracts_value_string_get_itsvalue (
                   static_cast<TorvanixProvidersContractsValueString *> (as_number)), nullptr);
    std::vector<std::string> expected = {
      assertion_text ("torvanix_providers_contracts_value_int64_set_itsvalue",
                      "TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_INT64 (self)"),
      assertion_text ("torvanix_providers_contracts_value_uint64_get_itsvalue",
                      "TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_UINT64 (self)"),
      assertion_text ("torvanix_providers_contracts_iinteger_to_integer", "TORVANIX_PROVIDERS_CONTRACTS_IS_IINTEGER (self)"),
      assertion_text ("torvanix_providers_contracts_value_string_get_itsvalue",
                      "TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_STRING (self)"),
    };
    EXPECT_EQ (log.criticals (), expected);
  }
  EXPECT_STREQ (torvanix_providers_contracts_value_string_get_itsvalue (text.get ()), "unchanged");
  EXPECT_EQ (torvanix_providers_contracts_value_int64_get_itsvalue (number.get ()), 7);
  EXPECT_EQ (torvanix_providers_contracts_iinteger_to_integer (
                 TORVANIX_PROVIDERS_CONTRACTS_IINTEGER (as_number)), 7);
  EXPECT_EQ (take_string (torvanix_providers_contracts_value_object_to_string (
                 TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (as_number))), "7");
}

}  // namespace
