#include "support/result-cells.h"

#include "support/gobject-test.h"

namespace providers::testing {

namespace {

using Value = TorvanixProvidersContractsIValue;
using Result = ResultCells;

std::string unhex (const std::string &digits)
{
  std::string bytes;
  for (std::size_t i = 0; i + 1 < digits.size (); i += 2)
    bytes += static_cast<char> (std::stoi (digits.substr (i, 2), nullptr, 16));
  return bytes;
}

}  // namespace

std::optional<std::string> rendered (Value *value)
{
  if (G_TYPE_CHECK_INSTANCE_TYPE (value, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL))
    return std::nullopt;
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (value)) {
    GBytes *bytes = torvanix_providers_contracts_value_binary_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (value));
    gsize length = 0;
    const char *data = bytes ? static_cast<const char *> (g_bytes_get_data (bytes, &length)) : nullptr;
    return std::string (data ? data : "", length);
  }
  std::string text = take_string (torvanix_providers_contracts_ivalue_to_string (value));
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_GEOMETRY (value))
    return unhex (text);
  return text;
}

Result cells_of (TorvanixProvidersContractsTableModel *table)
{
  Result result;
  GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (table);
  gint count = gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns));
  for (gint c = 0; c < count; ++c) {
    auto column = own (static_cast<TorvanixProvidersContractsColumnModel *> (gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), c)));
    result.types.push_back (torvanix_providers_contracts_column_model_get_data_type (column.get ()));
  }
  guint rows = g_list_model_get_n_items (G_LIST_MODEL (table));
  for (guint r = 0; r < rows; ++r) {
    auto &row = result.rows.emplace_back ();
    for (gint c = 0; c < count; ++c) {
      auto value = own (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (
          torvanix_providers_contracts_table_model_get_value_at (table, c, static_cast<gint> (r))));
      row.push_back (rendered (value.get ()));
    }
  }
  return result;
}

Result through_model (TorvanixProvidersContractsIProvider *provider, const std::string &statement)
{
  GError *error = nullptr;
  auto table = own (torvanix_providers_contracts_iprovider_execute_model (provider, statement.c_str (), 0, &error));
  if (!table) {
    g_clear_error (&error);
    Result result;
    result.failed = true;
    return result;
  }
  return cells_of (table.get ());
}

Result through_reader (TorvanixProvidersContractsIProvider *provider, const std::string &statement)
{
  Result result;
  GError *error = nullptr;
  auto reader = own (torvanix_providers_contracts_iprovider_execute_reader (provider, statement.c_str (), &error));
  if (!reader) {
    g_clear_error (&error);
    result.failed = true;
    return result;
  }
  while (torvanix_providers_contracts_idata_reader_read (reader.get (), nullptr)) {
    gint count = 0;
    Value **values = torvanix_providers_contracts_idata_reader_get_values (reader.get (), &count, nullptr);
    auto &row = result.rows.emplace_back ();
    for (gint c = 0; c < count; ++c) {
      row.push_back (rendered (values[c]));
      g_object_unref (values[c]);
    }
    g_free (values);
  }
  return result;
}

}  // namespace providers::testing
