/* Every cell of a database made and read back by an exact client
 * (Python's sqlite3 module, differential-oracle.py) against the
 * provider's value of it: every affinity, storage classes that do not fit
 * their column, limits, NUL bytes, UTF-8 and bytes that are not, big
 * BLOBs. A cell agrees when its value holds the same storage class and
 * the same payload: the same digits, the same double, the same bytes.
 * The one named difference: a TEXT that cannot be a text value (a zero
 * byte, bytes that are not UTF-8) arrives as a binary value of the same
 * bytes. */
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "sqlite-test-calls.h"

namespace providers::testing {
namespace {

struct OracleCell {
  std::string storage;
  std::string payload;
};

std::string
hex_or_digest (const guint8 *data, gsize length)
{
  if (length == 0)
    return "-";
  if (length > 4096)
    return "sha256:" + take_string (g_compute_checksum_for_data (G_CHECKSUM_SHA256, data, length));
  std::string hex;
  for (gsize i = 0; i < length; ++i)
    hex += "0123456789ABCDEF"[data[i] >> 4], hex += "0123456789ABCDEF"[data[i] & 15];
  return hex;
}

/* The provider's value as the oracle would write the cell. */
OracleCell
as_oracle_would (TorvanixProvidersContractsIValue *value, const OracleCell &expected)
{
  if (torvanix_providers_contracts_ivalue_get_is_null (value))
    return {"null", "-"};
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (value)) {
    GBytes *bytes = torvanix_providers_contracts_value_binary_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (value));
    gsize length = 0;
    const auto *data = static_cast<const guint8 *> (bytes != nullptr ? g_bytes_get_data (bytes, &length) : nullptr);
    /* Only a BLOB is a blob value; a TEXT of bytes is a binary one. */
    return {TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BLOB (value) ? "blob" : "text", hex_or_digest (data, length)};
  }
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_DOUBLE (value)) {
    double held = torvanix_providers_contracts_value_double_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DOUBLE (value));
    /* REALs compare as numbers. */
    double oracle = g_ascii_strtod (expected.payload.c_str (), nullptr);
    return {"real", held == oracle ? expected.payload : std::to_string (held)};
  }
  std::string printed = take_string (torvanix_providers_contracts_ivalue_to_string (value));
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_INT64 (value))
    return {"integer", printed};
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BOOLEAN (value))
    return {"integer", printed == "true" ? "1" : printed == "false" ? "0" : printed};
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_DECIMAL (value)) {
    if (expected.storage == "real") {
      double oracle = g_ascii_strtod (expected.payload.c_str (), nullptr);
      return {"real", g_ascii_strtod (printed.c_str (), nullptr) == oracle ? expected.payload : printed};
    }
    return {"integer", printed};
  }
  /* Every other class is a text class: its print is the text. */
  return {"text", hex_or_digest (reinterpret_cast<const guint8 *> (printed.data ()), printed.size ())};
}

TEST (SQLiteDifferential, EveryCellAgreesWithAnExactClient)
{
  ScratchFolder folder;
  const std::string path = folder.file ("differential.db");
  gchar *out = nullptr;
  gchar *err = nullptr;
  gint status = 0;
  const gchar *argv[] = {PROVIDERS_PYTHON3, PROVIDERS_SQLITE_ORACLE, path.c_str (), nullptr};
  ASSERT_TRUE (g_spawn_sync (nullptr, const_cast<gchar **> (argv), nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, &out,
                             &err, &status, nullptr));
  std::string oracle_text = take_string (out);
  ASSERT_TRUE (g_spawn_check_wait_status (status, nullptr)) << take_string (err);
  g_free (err);

  SQLiteProvider provider = opened (path, "");
  auto table = model (provider, "SELECT * FROM cells ORDER BY rowid");
  ASSERT_NE (table, nullptr);

  std::istringstream lines (oracle_text);
  std::string name;
  int row = 0, column = 0, cells = 0, differing = 0;
  OracleCell expected;
  while (lines >> name >> row >> column >> expected.storage >> expected.payload) {
    ++cells;
    auto *value = torvanix_providers_contracts_table_model_get_value_at (table.get (), column, row);
    ASSERT_NE (value, nullptr) << row << ", " << column;
    OracleCell got = as_oracle_would (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value), expected);
    if (got.storage != expected.storage || got.payload != expected.payload) {
      ++differing;
      ADD_FAILURE () << "row " << row << ", column " << column << ": the file holds " << expected.storage << " "
                     << expected.payload.substr (0, 80) << ", the provider answered "
                     << described (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value)).substr (0, 80);
    }
    g_object_unref (value);
  }
  EXPECT_GT (cells, 900);
  EXPECT_EQ (differing, 0) << "of " << cells << " cells";
}

}  // namespace
}  // namespace providers::testing
