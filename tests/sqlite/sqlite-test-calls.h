/* The SQLite provider's calls as the tests make them, on files in a
 * scratch folder of the test's own. */
#pragma once

#include <libproviders/providers.h>
#include <libproviders/sqlite.h>
#include <sqlite3.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/gobject-test.h"

namespace providers::testing {

using SQLiteProvider = Owned<TorvanixProvidersSupportsSQLiteProvider>;

struct Outcome {
  gint64 answer = 0;
  bool failed = false;
  int code = 0;
  std::string message;
};

inline Outcome outcome_of (gint64 answer, GError *error)
{
  Outcome o;
  o.answer = answer;
  if (error != nullptr) {
    EXPECT_EQ (error->domain, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR);
    o.failed = true;
    o.code = error->code;
    o.message = error->message;
    g_error_free (error);
  }
  return o;
}

inline TorvanixProvidersContractsIProvider *as_provider (const SQLiteProvider &provider)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());
}

/* A folder removed with everything in it when the test ends. */
class ScratchFolder {
 public:
  ScratchFolder () : path_ (take_string (g_dir_make_tmp ("providers-sqlite-XXXXXX", nullptr))) {}
  ~ScratchFolder ()
  {
    std::string command = "rm -rf '" + path_ + "'";
    EXPECT_EQ (std::system (command.c_str ()), 0);
  }
  ScratchFolder (const ScratchFolder &) = delete;
  ScratchFolder &operator= (const ScratchFolder &) = delete;

  const std::string &path () const { return path_; }
  std::string file (const std::string &name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline Owned<TorvanixProvidersContractsServer> profile_of (const std::string &filename, const std::string &options = "",
                                                           const std::string &location = "")
{
  auto profile = own (torvanix_providers_contracts_server_new ());
  torvanix_providers_contracts_server_set_filename (profile.get (), filename.c_str ());
  torvanix_providers_contracts_server_set_options (profile.get (), options.c_str ());
  torvanix_providers_contracts_server_set_location (profile.get (), location.c_str ());
  return profile;
}

inline Outcome open_with (const SQLiteProvider &provider, TorvanixProvidersContractsServer *profile)
{
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (as_provider (provider), profile, "", &error);
  return outcome_of (0, error);
}

inline Outcome open_file (const SQLiteProvider &provider, const std::string &filename, const std::string &options = "")
{
  return open_with (provider, profile_of (filename, options).get ());
}

/* A provider open on `filename`, made when missing; the test fails when it
 * cannot be opened. */
inline SQLiteProvider opened (const std::string &filename, const std::string &options = "create=true")
{
  SQLiteProvider provider = own (torvanix_providers_supports_sq_lite_provider_new ());
  Outcome o = open_file (provider, filename, options);
  EXPECT_FALSE (o.failed) << o.message;
  return provider;
}

inline Outcome affect (const SQLiteProvider &provider, const std::string &text)
{
  GError *error = nullptr;
  gint64 n = torvanix_providers_contracts_iprovider_execute_affect (as_provider (provider), text.c_str (), 0, &error);
  return outcome_of (n, error);
}

/* The class name and print of a value, "ValueInt64 42". */
inline std::string described (TorvanixProvidersContractsIValue *value)
{
  if (value == nullptr)
    return "<null>";
  std::string text = G_OBJECT_TYPE_NAME (value);
  const std::string prefix = "TorvanixProvidersContracts";
  if (text.rfind (prefix, 0) == 0)
    text.erase (0, prefix.size ());
  /* Bytes print as their hexadecimal digits, every one. */
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (value)) {
    GBytes *bytes = torvanix_providers_contracts_value_binary_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (value));
    gsize length = 0;
    const auto *data = static_cast<const guint8 *> (bytes != nullptr ? g_bytes_get_data (bytes, &length) : nullptr);
    text += " ";
    for (gsize i = 0; i < length; ++i)
      text += "0123456789ABCDEF"[data[i] >> 4], text += "0123456789ABCDEF"[data[i] & 15];
    return text;
  }
  return text + " " + take_string (torvanix_providers_contracts_ivalue_to_string (value));
}

inline std::string scalar (const SQLiteProvider &provider, const std::string &text)
{
  GError *error = nullptr;
  auto *value = torvanix_providers_contracts_iprovider_execute_scalar (as_provider (provider), text.c_str (), 0, &error);
  Outcome o = outcome_of (0, error);
  if (o.failed)
    return "error " + std::to_string (o.code) + ": " + o.message;
  std::string answer = described (value);
  g_object_unref (value);
  return answer;
}

/* Every cell of a table, row by row, described. */
inline std::vector<std::vector<std::string>> cells_of (TorvanixProvidersContractsTableModel *table)
{
  std::vector<std::vector<std::string>> cells;
  GeeArrayList *rows = torvanix_providers_contracts_table_model_get_rows (table);
  GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (table);
  const gint width = gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns));
  const gint height = gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (rows));
  for (gint row = 0; row < height; ++row) {
    std::vector<std::string> line;
    for (gint column = 0; column < width; ++column) {
      auto *value = torvanix_providers_contracts_table_model_get_value_at (table, column, row);
      line.push_back (described (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value)));
      if (value != nullptr)
        g_object_unref (value);
    }
    cells.push_back (line);
  }
  return cells;
}

inline Owned<TorvanixProvidersContractsTableModel> model (const SQLiteProvider &provider, const std::string &text,
                                                          Outcome *outcome = nullptr)
{
  GError *error = nullptr;
  auto *table = torvanix_providers_contracts_iprovider_execute_model (as_provider (provider), text.c_str (), 0, &error);
  Outcome o = outcome_of (0, error);
  if (outcome != nullptr)
    *outcome = o;
  else
    EXPECT_FALSE (o.failed) << o.message;
  return own (table);
}

}  // namespace providers::testing
