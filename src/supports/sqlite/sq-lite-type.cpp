/* A column's declared type to a data type: a few names of their own, then
 * SQLite's rules of column affinity. */
#include "libproviders/sqlite/sq-lite-type.h"

#include <string>
#include <string_view>

namespace {

/* The declared name up to its size or precision, upper case, without the
 * blanks around it: "decimal (10, 2)" is "DECIMAL". */
std::string
base_name (const char *declared)
{
  std::string name;
  for (const char *c = declared; *c != '\0' && *c != '('; ++c)
    name.push_back (g_ascii_toupper (*c));
  auto blank = [] (char c) { return g_ascii_isspace (c); };
  while (!name.empty () && blank (name.back ()))
    name.pop_back ();
  std::size_t start = 0;
  while (start < name.size () && blank (name[start]))
    ++start;
  return name.substr (start);
}

struct NamedType {
  std::string_view name;
  TorvanixProvidersContractsDataType data_type;
};

constexpr NamedType kNamedTypes[] = {
  {"DATE", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE},
  {"TIME", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME},
  {"DATETIME", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
  {"TIMESTAMP", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP},
  {"BOOLEAN", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN},
  {"BOOL", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN},
  {"DECIMAL", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL},
  {"NUMERIC", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL},
  {"JSON", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON},
  {"UUID", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID},
};

}  // namespace

extern "C" TorvanixProvidersContractsDataType
torvanix_providers_supports_sq_lite_type_data_type (const gchar *declared_type)
{
  if (declared_type == nullptr)
    return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
  const std::string name = base_name (declared_type);
  if (name.empty ())
    return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
  for (const NamedType &named : kNamedTypes)
    if (name == named.name)
      return named.data_type;
  auto contains = [&name] (std::string_view part) { return name.find (part) != std::string::npos; };
  if (contains ("INT"))
    return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
  if (contains ("CHAR") || contains ("CLOB") || contains ("TEXT"))
    return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
  if (contains ("BLOB"))
    return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB;
  if (contains ("REAL") || contains ("FLOA") || contains ("DOUB"))
    return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE;
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL;
}
