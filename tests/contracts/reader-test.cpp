/* The data reader interface: dispatch to the implementation's slots, the
 * answers of empty slots, and the defaults the interface fills itself. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contracts/memory-reader.h"
#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "support/notify-counter.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::NotifyCounter;
using providers::testing::own;
using providers::testing::take_string;

/* A reader that implements no slot at all: only the two properties every
 * implementation must override. */
struct BareReader {
  GObject parent_instance;
};
struct BareReaderClass {
  GObjectClass parent_class;
};

static void bare_reader_iface_init (TorvanixProvidersContractsIDataReaderInterface *) {}
G_DEFINE_TYPE_WITH_CODE (BareReader, bare_reader, G_TYPE_OBJECT,
                         G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IDATA_READER, bare_reader_iface_init))

static void bare_reader_get_property (GObject *object, guint prop_id, GValue *, GParamSpec *pspec)
{
  G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}
static void bare_reader_class_init (BareReaderClass *klass)
{
  G_OBJECT_CLASS (klass)->get_property = bare_reader_get_property;
  g_object_class_override_property (G_OBJECT_CLASS (klass), 1, "field-count");
  g_object_class_override_property (G_OBJECT_CLASS (klass), 2, "is-closed");
}
static void bare_reader_init (BareReader *) {}

namespace {

using Reader = TorvanixProvidersContractsIDataReader;

Reader *as_reader (gpointer object) { return TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER (object); }

const MemoryReaderColumn kColumns[] = {
  {"id", "INT", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, 11},
  {"name", "VARCHAR", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, 255},
};

TEST (DataReader, EmptySlotsAnswerZeroAndFieldCountMinusOne)
{
  auto object = own (static_cast<GObject *> (g_object_new (bare_reader_get_type (), nullptr)));
  Reader *r = as_reader (object.get ());
  GError *error = nullptr;
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_bulk (r, &error));
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_read (r, &error));
  torvanix_providers_contracts_idata_reader_close (r, &error);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_name (r, 0, &error), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_data_type (r, 0, &error), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_int64 (r, 0, &error), 0);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_double (r, 0, &error), 0.0);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_datetime (r, 0, &error), nullptr);
  gint length = 5;
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_binary (r, 0, &length, &error), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_field_count (r), -1);
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_get_is_closed (r));
  EXPECT_EQ (error, nullptr);

  /* No field count: the row is empty, not an error. */
  length = 5;
  TorvanixProvidersContractsIValue **values = torvanix_providers_contracts_idata_reader_get_values (r, &length, &error);
  ASSERT_NE (values, nullptr);
  EXPECT_EQ (length, 0);
  EXPECT_EQ (values[0], nullptr);
  g_free (values);
  EXPECT_EQ (error, nullptr);
}

TEST (DataReader, DefaultGettersAnswerEmptyValues)
{
  auto reader = own (memory_reader_new (kColumns, 2));
  Reader *r = memory_reader_as_reader (reader.get ());
  GError *error = nullptr;
  using TextGetter = gchar *(*) (Reader *, guint16, GError **);
  for (TextGetter getter : {torvanix_providers_contracts_idata_reader_get_enum, torvanix_providers_contracts_idata_reader_get_flag,
                            torvanix_providers_contracts_idata_reader_get_set, torvanix_providers_contracts_idata_reader_get_xml,
                            torvanix_providers_contracts_idata_reader_get_json, torvanix_providers_contracts_idata_reader_get_geometry,
                            torvanix_providers_contracts_idata_reader_get_geography})
    EXPECT_EQ (take_string (getter (r, 0, &error)), "");

  auto variant = own (torvanix_providers_contracts_idata_reader_get_variant (r, 0, &error));
  ASSERT_NE (variant.get (), nullptr);
  EXPECT_TRUE (torvanix_providers_contracts_ivalue_get_is_null (variant.get ()));

  gint length = 7;
  guint8 *bytes = torvanix_providers_contracts_idata_reader_get_object (r, 0, &length, &error);
  EXPECT_NE (bytes, nullptr);
  EXPECT_EQ (length, 0);
  g_free (bytes);

  GDateTime *before = g_date_time_new_now_local ();
  GDateTime *stamp = torvanix_providers_contracts_idata_reader_get_timestamp (r, 0, &error);
  ASSERT_NE (stamp, nullptr);
  EXPECT_GE (g_date_time_difference (stamp, before), 0);
  EXPECT_LT (g_date_time_difference (stamp, before), 60 * G_TIME_SPAN_SECOND);
  EXPECT_EQ (g_date_time_get_utc_offset (stamp), g_date_time_get_utc_offset (before));
  g_date_time_unref (stamp);
  g_date_time_unref (before);
  EXPECT_EQ (error, nullptr);
  EXPECT_EQ (memory_reader_getter_calls (reader.get ()), 0u);
}

TEST (DataReader, DispatchReachesTheImplementation)
{
  auto reader = own (memory_reader_new (kColumns, 2));
  const gchar *row[] = {"7", "seven"};
  memory_reader_add_row (reader.get (), row);
  Reader *r = memory_reader_as_reader (reader.get ());
  GError *error = nullptr;

  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_field_count (r), 2);
  EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_name (r, 1, &error)), "name");
  EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_dbms_type (r, 0, &error)), "INT");
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_size (r, 1, &error), 255);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_data_type (r, 1, &error), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_read (r, &error));
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_int32 (r, 0, &error), 7);
  EXPECT_EQ (take_string (torvanix_providers_contracts_idata_reader_get_string (r, 1, &error)), "seven");
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_read (r, &error));

  NotifyCounter closed (reader.get (), "is-closed");
  torvanix_providers_contracts_idata_reader_close (r, &error);
  EXPECT_TRUE (torvanix_providers_contracts_idata_reader_get_is_closed (r));
  gboolean is_closed = FALSE;
  gint field_count = 0;
  g_object_get (reader.get (), "is-closed", &is_closed, "field-count", &field_count, nullptr);
  EXPECT_TRUE (is_closed);
  EXPECT_EQ (field_count, 2);
  EXPECT_EQ (closed.count (), 1);
  EXPECT_EQ (error, nullptr);
}

TEST (DataReader, NullReaderIsRefused)
{
  LogCapture log;
  GError *error = nullptr;
  gint length = 0;
  EXPECT_FALSE (torvanix_providers_contracts_idata_reader_read (nullptr, &error));
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_field_count (nullptr), 0);
  EXPECT_EQ (torvanix_providers_contracts_idata_reader_get_values (nullptr, &length, &error), nullptr);
  torvanix_providers_contracts_idata_reader_get_date (nullptr, 0, nullptr, &error);
  const std::string prefix = "torvanix_providers_contracts_idata_reader_";
  EXPECT_EQ (log.criticals (), (std::vector<std::string>{
                                   assertion_text (prefix + "read", "self != NULL"),
                                   assertion_text (prefix + "get_field_count", "self != NULL"),
                                   assertion_text (prefix + "get_values", "self != NULL"),
                                   assertion_text (prefix + "get_date", "self != NULL"),
                               }));
  EXPECT_EQ (error, nullptr);
}

}  // namespace
