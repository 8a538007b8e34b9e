/* The common home's table fill and build-ahead thread, driven as an engine
 * library drives them: cells in, values out, across chunk and batch
 * boundaries and builder threads. */
#include "contracts/internals-private.h"
#include "supports/common/engine/internals-lookup-internal.h"
#include "supports/common/table-fill-internal.h"
#include "supports/common/text-cells-internal.h"
#include "supports/common/values-ahead-internal.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "libproviders/providers.h"

namespace {

using providers::home::Cell;
using providers::home::Column;
using IValue = TorvanixProvidersContractsIValue;

/* Row `r` of a three-column result: its number, a text that is SQL NULL in
 * every seventh row, and three bytes with a zero among them. */
struct Rows {
  static constexpr guint kCount = 2000;
  std::vector<std::string> numbers, texts;
  Rows ()
  {
    for (guint r = 0; r < kCount; ++r) {
      numbers.push_back (std::to_string (r));
      texts.push_back ("r" + std::to_string (r));
    }
  }
  Cell cell (guint r, guint c) const
  {
    static const char kBytes[] = {'a', '\0', 'b'};
    switch (c) {
      case 0:
        return {numbers[r].c_str (), numbers[r].size ()};
      case 1:
        return r % 7 == 0 ? Cell{} : Cell{texts[r].c_str (), texts[r].size ()};
      default:
        return {kBytes, sizeof kBytes};
    }
  }
};

const std::vector<Column> kColumns = {
  {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
  {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
  {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY},
};

class Home : public ::testing::Test {
 protected:
  void SetUp () override
  {
    ASSERT_TRUE (providers::home::internals_match (g_quark_from_static_string ("engine-under-test"), 1, nullptr));
  }

  /* What the value of row `r`, column `c` prints, or "NULL". */
  void expect_cell (IValue *value, guint r, guint c)
  {
    SCOPED_TRACE (testing::Message () << "row " << r << ", column " << c);
    if (c == 1 && r % 7 == 0) {
      EXPECT_TRUE (torvanix_providers_contracts_ivalue_get_is_null (value));
      return;
    }
    if (c == 2) {
      /* Every byte, the zero among them. */
      GBytes *bytes = torvanix_providers_contracts_value_binary_get_itsvalue (
          TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (value));
      gsize size = 0;
      const auto *data = static_cast<const char *> (g_bytes_get_data (bytes, &size));
      EXPECT_EQ (std::string (data, size), std::string ("a\0b", 3));
      return;
    }
    gchar *text = torvanix_providers_contracts_ivalue_to_string (value);
    EXPECT_EQ (std::string (text), c == 0 ? rows_.numbers[r] : rows_.texts[r]);
    g_free (text);
  }

  const Rows rows_;
};

TEST_F (Home, ATableFillKeepsTheRowsInOrderAcrossChunksAndBuilders)
{
  providers::home::TableFill fill (kColumns);
  for (guint r = 0; r < Rows::kCount; ++r) {
    for (guint c = 0; c < kColumns.size (); ++c)
      fill.add_cell (rows_.cell (r, c).text, rows_.cell (r, c).length);
    fill.end_row ();
  }
  auto *table = fill.finish ({"n", "t", "b"});
  ASSERT_EQ (g_list_model_get_n_items (G_LIST_MODEL (table)), Rows::kCount);
  GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (table);
  const struct {
    const char *name;
    gulong widest;
  } expected[] = {{"n", 4}, {"t", 5}, {"b", 3}};
  for (guint c = 0; c < 3; ++c) {
    auto *column = static_cast<TorvanixProvidersContractsColumnModel *> (gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), c));
    EXPECT_STREQ (torvanix_providers_contracts_column_model_get_name (column), expected[c].name);
    EXPECT_EQ (torvanix_providers_contracts_column_model_get_data_size (column), expected[c].widest);
    EXPECT_EQ (torvanix_providers_contracts_column_model_get_data_type (column), kColumns[c].data_type);
    g_object_unref (column);
  }
  for (guint r : {0u, 1u, 511u, 512u, 513u, 1023u, 1024u, 1999u})
    for (guint c = 0; c < 3; ++c) {
      auto *value = torvanix_providers_contracts_table_model_get_value_at (table, static_cast<gint> (c), static_cast<gint> (r));
      expect_cell (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value), r, c);
      g_object_unref (value);
    }
  g_object_unref (table);
}

TEST_F (Home, AFillLeftUnfinishedDropsWhatItBuilt)
{
  /* Three chunks published and one begun: the leak check sees a row left. */
  providers::home::TableFill fill (kColumns);
  for (guint r = 0; r < 1600; ++r) {
    for (guint c = 0; c < kColumns.size (); ++c)
      fill.add_cell (rows_.cell (r, c).text, rows_.cell (r, c).length);
    fill.end_row ();
  }
}

/* The rows from `first` on, as a client holding them whole hands them out. */
class VectorRows final : public providers::home::StoredRows {
 public:
  VectorRows (const Rows &rows, guint first) : rows_ (rows), next_ (first) {}
  bool next (Cell *cells) override
  {
    if (next_ == Rows::kCount)
      return false;
    for (guint c = 0; c < kColumns.size (); ++c)
      cells[c] = rows_.cell (next_, c);
    ++next_;
    return true;
  }

 private:
  const Rows &rows_;
  guint next_;
};

TEST_F (Home, TheBuildAheadThreadHandsOverEveryRowAcrossItsBatches)
{
  GTimeZone *zone = g_time_zone_new_utc ();
  /* From row 3 on, as a reader that read three rows before get_values. */
  providers::home::ValuesAhead ahead (kColumns, zone, std::make_unique<VectorRows> (rows_, 3), 3);
  guint taken = 0;
  for (guint r = 3; r < Rows::kCount; ++r) {
    IValue *values[3] = {};
    if (ahead.take (r, values) != providers::home::ValuesAhead::Taken::kYes)
      continue;
    ++taken;
    for (guint c = 0; c < 3; ++c) {
      expect_cell (values[c], r, c);
      g_object_unref (values[c]);
    }
  }
  /* Every row the thread built was its own row, and it built them all
   * (a caller that keeps up never waits past the batch being built). */
  EXPECT_EQ (taken, Rows::kCount - 3);
  /* A row asked for twice is built by the caller. */
  IValue *again[3] = {};
  EXPECT_EQ (ahead.take (Rows::kCount - 1, again), providers::home::ValuesAhead::Taken::kBuildHere);
  g_time_zone_unref (zone);
}

/* A number the server spells otherwise than its print (a DECIMAL's digits,
 * a zero-padded integer of any width) prints that spelling, and so does a
 * clone, until the application sets the number; the spelling is no qdata,
 * so a dropped table may hand the value to the release thread. */
TEST_F (Home, AServersSpellingOfANumberPrintsUntilTheNumberIsSet)
{
  const std::pair<TorvanixProvidersContractsDataType, const char *> cases[] = {
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, "007"},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "00042"},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16, "0000"},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64, "000000000000000000018446744073709551615"},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "12.50"},
    {TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "12345678901234567890123456789012345.123456789012345678901234567890"},
  };
  auto printed = [] (gpointer value) {
    gchar *text = torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value));
    std::string result = text ? text : "(null)";
    g_free (text);
    return result;
  };
  GTimeZone *zone = g_time_zone_new_utc ();
  for (const auto &[type, spelled] : cases) {
    SCOPED_TRACE (spelled);
    IValue *value = providers::home::value_of_cell ({type}, spelled, strlen (spelled), zone);
    EXPECT_EQ (printed (value), spelled);
    EXPECT_EQ (G_OBJECT (value)->qdata, nullptr);
    IValue *copy = torvanix_providers_contracts_ivalue_clone (value);
    g_object_unref (value);
    EXPECT_EQ (printed (copy), spelled);

    /* Set through the property, whose type differs by class. */
    GValue seven = G_VALUE_INIT, as_property = G_VALUE_INIT;
    g_value_set_int (g_value_init (&seven, G_TYPE_INT), 7);
    g_value_init (&as_property, g_object_class_find_property (G_OBJECT_GET_CLASS (copy), "itsvalue")->value_type);
    ASSERT_TRUE (g_value_transform (&seven, &as_property));
    g_object_set_property (G_OBJECT (copy), "itsvalue", &as_property);
    EXPECT_EQ (printed (copy), "7");
    g_object_unref (copy);
  }
  g_time_zone_unref (zone);
}

}  // namespace
