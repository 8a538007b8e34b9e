#include "sweep-support.h"

#include <mysql.h>

#include <cstring>

#include "support/fake-mysql-result.h"

namespace providers::sweep {

using providers::testing::assertion_text;
using providers::testing::LogCapture;

namespace {

constexpr int kTableRows = 3;
constexpr int kTableColumns = 2;
constexpr int kRowValues = 2;
constexpr int kReaderColumns = 2;

bool
starts_with (const std::string &text, const std::string &prefix)
{
  return text.compare (0, prefix.size (), prefix) == 0;
}

TorvanixProvidersContractsRowModel *
filled_row (int values)
{
  auto *row = torvanix_providers_contracts_row_model_new ();
  GeeArrayList *list = torvanix_providers_contracts_row_model_get_values (row);
  for (int i = 0; i < values; ++i) {
    auto *value = torvanix_providers_contracts_value_int32_new (i);
    gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), value);
    g_object_unref (value);
  }
  return row;
}

gpointer
filled_table ()
{
  TorvanixProvidersContractsDataType types[kTableColumns] = { TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32,
                                                              TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32 };
  auto *table = torvanix_providers_contracts_table_model_new_with_types (types, kTableColumns);
  for (int i = 0; i < kTableRows; ++i) {
    auto *row = filled_row (kTableColumns);
    torvanix_providers_contracts_table_model_append (table, row);
    g_object_unref (row);
  }
  return table;
}

using providers::testing::FakeMySQLResult;

std::unique_ptr<FakeMySQLResult>
two_columns_one_row ()
{
  return std::make_unique<FakeMySQLResult> (
      std::vector<FakeMySQLResult::Column>{ { "id", MYSQL_TYPE_LONG }, { "name", MYSQL_TYPE_VAR_STRING } },
      std::vector<FakeMySQLResult::Row>{ { std::string ("1"), std::string ("one") } });
}

}  // namespace

/* The provider's reader on the first row of a result of its own. */
gpointer
Fixture::reader_on_a_row ()
{
  results_.push_back (two_columns_one_row ());
  auto *reader = torvanix_providers_supports_my_sql_reader_new (results_.back ()->get ());
  torvanix_providers_contracts_idata_reader_read (TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER (reader), nullptr);
  return reader;
}

gpointer
Fixture::make (GType type)
{
  const char *name = g_type_name (type);
  auto is = [&] (GType other) { return type == other; };
  if (is (TORVANIX_PROVIDERS_CONTRACTS_TYPE_TABLE_MODEL) || is (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IRESULT))
    return filled_table ();
  if (is (TORVANIX_PROVIDERS_CONTRACTS_TYPE_ROW_MODEL)) return filled_row (kRowValues);
  if (is (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IDATA_READER) || is (TORVANIX_PROVIDERS_SUPPORTS_TYPE_MY_SQL_READER))
    return reader_on_a_row ();
  if (is (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IVALUE) || is (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IINTEGER)
      || is (TORVANIX_PROVIDERS_CONTRACTS_TYPE_INUMERIC))
    return torvanix_providers_contracts_value_int32_new (7);
  if (is (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IUNSIGNED)) return torvanix_providers_contracts_value_uint32_new (7);
  if (is (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IPROVIDER) || is (TORVANIX_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_TYPE)
      || is (TORVANIX_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_ERROR))
    return torvanix_providers_supports_my_sql_provider_new ();
  if (G_TYPE_IS_INTERFACE (type) || G_TYPE_IS_ABSTRACT (type)) {
    ADD_FAILURE () << "the sweep has no instance of " << name;
    return nullptr;
  }
  return g_object_new (type, nullptr);
}

Fixture::Fixture () = default;

Fixture::~Fixture ()
{
  for (gpointer object : objects_) g_object_unref (object);
  for (gpointer block : blocks_) g_free (block);
  for (GValue *value : values_) {
    if (G_IS_VALUE (value)) g_value_unset (value);
    g_free (value);
  }
  for (GDateTime *date_time : date_times_) g_date_time_unref (date_time);
  for (GDate *date : dates_) g_date_free (date);
  for (GBytes *bytes : bytes_) g_bytes_unref (bytes);
  if (connection_ != nullptr) mysql_close (connection_);
}

gpointer
Fixture::keep (gpointer object)
{
  if (object != nullptr) objects_.push_back (object);
  return object;
}

gpointer
Fixture::object (GType type)
{
  return keep (make (type));
}

int
Fixture::count (const char *function, const char *param)
{
  std::string f (function);
  if (f.find ("_idata_reader_") != std::string::npos || f.find ("_my_sql_reader_") != std::string::npos)
    return kReaderColumns;
  if (f.find ("_row_model_") != std::string::npos) return kRowValues;
  if (f.find ("_table_model_") != std::string::npos)
    return std::strcmp (param, "col") == 0 ? kTableColumns : kTableRows;
  ADD_FAILURE () << "the sweep knows no count for " << function << " (" << param << ")";
  return 0;
}

const gchar *
Fixture::text (const char *, const char *)
{
  return "x";
}

gpointer
Fixture::pointer (const char *function, const char *param)
{
  if (std::strcmp (param, "_result_") == 0) {
    results_.push_back (two_columns_one_row ());
    return results_.back ()->get ();
  }
  if (std::strcmp (param, "connection") == 0) {
    if (connection_ == nullptr) connection_ = mysql_init (nullptr);
    return connection_;
  }
  ADD_FAILURE () << "the sweep has no valid pointer for " << function << " (" << param << ")";
  return nullptr;
}

const gchar *const *
Fixture::strv ()
{
  static const gchar *const texts[] = { "a", "b", nullptr };
  return texts;
}

gpointer
Fixture::buffer (const char *element_type, bool taken)
{
  gpointer block;
  std::string element (element_type);
  if (element == "gunichar2") {
    block = g_utf8_to_utf16 ("ab", -1, nullptr, nullptr, nullptr);
  } else if (element == "TorvanixProvidersContractsDataType") {
    auto *types = g_new0 (TorvanixProvidersContractsDataType, 2);
    types[0] = TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;
    types[1] = TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
    block = types;
  } else {
    block = g_memdup2 ("ab\0", 3);
  }
  if (!taken) blocks_.push_back (block);
  return block;
}

gpointer
Fixture::out ()
{
  std::memset (out_, 0, sizeof out_);
  return out_;
}

GObject *
Fixture::gobject ()
{
  return G_OBJECT (keep (g_object_new (G_TYPE_OBJECT, nullptr)));
}

GeeArrayList *
Fixture::list ()
{
  return GEE_ARRAY_LIST (keep (gee_array_list_new (G_TYPE_OBJECT, (GBoxedCopyFunc) g_object_ref, g_object_unref, nullptr,
                                                   nullptr, nullptr)));
}

GDateTime *
Fixture::date_time ()
{
  date_times_.push_back (g_date_time_new_utc (2024, 3, 5, 7, 8, 9));
  return date_times_.back ();
}

GDate *
Fixture::date ()
{
  dates_.push_back (g_date_new_dmy (5, G_DATE_MARCH, 2024));
  return dates_.back ();
}

GBytes *
Fixture::bytes ()
{
  bytes_.push_back (g_bytes_new ("ab", 2));
  return bytes_.back ();
}

GOutputStream *
Fixture::output_stream ()
{
  return G_OUTPUT_STREAM (keep (g_memory_output_stream_new_resizable ()));
}

GAsyncResult *
Fixture::async_result ()
{
  return G_ASYNC_RESULT (keep (g_task_new (nullptr, nullptr, nullptr, nullptr)));
}

GValue *
Fixture::gvalue ()
{
  values_.push_back (g_new0 (GValue, 1));
  return values_.back ();
}

GCancellable *
Fixture::cancellable ()
{
  return G_CANCELLABLE (keep (g_cancellable_new ()));
}

void
Fixture::release_object (gpointer object)
{
  if (object != nullptr) g_object_unref (object);
}

void
Fixture::release_vector (gpointer *vector)
{
  if (vector == nullptr) return;
  for (gpointer *item = vector; *item != nullptr; ++item) g_object_unref (*item);
  g_free (vector);
}

namespace {

std::vector<std::string>
only_criticals (const LogCapture &log)
{
  for (const auto &warning : log.warnings ()) ADD_FAILURE () << "unexpected WARNING: " << warning;
  return log.criticals ();
}

}  // namespace

void
expect_refused (const LogCapture &log, const char *function, const char *test)
{
  auto criticals = only_criticals (log);
  ASSERT_EQ (criticals.size (), 1u) << (criticals.empty () ? "no CRITICAL" : criticals.back ());
  EXPECT_EQ (criticals[0], assertion_text (function, test));
}

void
expect_refused_prefix (const LogCapture &log, const char *function, const char *prefix)
{
  auto criticals = only_criticals (log);
  ASSERT_EQ (criticals.size (), 1u) << (criticals.empty () ? "no CRITICAL" : criticals.back ());
  EXPECT_TRUE (starts_with (criticals[0], std::string (function) + ": assertion '" + prefix)) << criticals[0];
}

void
expect_refused_mentioning (const LogCapture &log, const char *function, const char *name)
{
  auto criticals = only_criticals (log);
  ASSERT_EQ (criticals.size (), 1u) << (criticals.empty () ? "no CRITICAL" : criticals.back ());
  EXPECT_TRUE (starts_with (criticals[0], std::string (function) + ": assertion '")) << criticals[0];
  EXPECT_NE (criticals[0].find (name), std::string::npos) << criticals[0];
}

void
expect_at_most_one_assertion (const LogCapture &log)
{
  for (const auto &warning : log.warnings ())
    if (warning.find ("timespan raw value") == std::string::npos) ADD_FAILURE () << "unexpected WARNING: " << warning;
  auto criticals = log.criticals ();
  EXPECT_LE (criticals.size (), 1u);
  for (const auto &critical : criticals) EXPECT_NE (critical.find (": assertion '"), std::string::npos) << critical;
}

void
expect_accepted (const LogCapture &log)
{
  auto criticals = only_criticals (log);
  for (const auto &critical : criticals) ADD_FAILURE () << "unexpected CRITICAL: " << critical;
}

}  // namespace providers::sweep
