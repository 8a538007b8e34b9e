/* A cell as the file holds it turned into a value: of its column's class
 * when that class holds it exactly, else of the cell's own storage class,
 * so that no cell loses or changes what the file holds. */
#include <charconv>
#include <cstring>

#include "common/gobject-ref.h"
#include "contracts/internals.h"
#include "libproviders/values.h"
#include "supports/sqlite/sq-lite-provider-private.h"

namespace providers::sqlite {

namespace {

using IValue = TorvanixProvidersContractsIValue;

IValue *
as_value (gpointer object)
{
  return static_cast<IValue *> (object);
}

/* The fewest digits that read back to the same double. */
std::string
shortest_text (double value)
{
  char digits[32];
  auto [end, ec] = std::to_chars (digits, digits + sizeof digits, value);
  return ec == std::errc () ? std::string (digits, end) : std::string ();
}

IValue *
bytes_value (const std::string &bytes, bool blob)
{
  const auto *data = reinterpret_cast<const guint8 *> (bytes.data ());
  const gint length = static_cast<gint> (bytes.size ());
  return blob ? as_value (torvanix_providers_contracts_value_blob_new (data, length))
              : as_value (torvanix_providers_contracts_value_binary_new (data, length));
}

IValue *
string_value (const std::string &text)
{
  return as_value (home::internals ().text_copy (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, text.data (),
                                                 text.size ()));
}

/* A value of a class read from text (a date, a time, a UUID, JSON) that
 * prints the cell's text back unchanged; null when the class would print
 * something else, which would not be what the file holds. The classes of
 * days and times of day read a whole date-time. */
IValue *
value_reading_back (TorvanixProvidersContractsDataType data_type, const std::string &text)
{
  std::string whole = data_type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE   ? text + " 00:00:00"
                      : data_type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME ? "1970-01-01 " + text
                                                                                 : text;
  auto value = adopt_ref (torvanix_providers_contracts_ivalue_factory (data_type, whole.c_str ()));
  GUnique<gchar> printed (torvanix_providers_contracts_ivalue_to_string (value.get ()));
  if (printed == nullptr || text != printed.get ())
    return nullptr;
  return value.release ();
}

IValue *
integer_value (TorvanixProvidersContractsDataType data_type, gint64 integer)
{
  if (data_type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN && (integer == 0 || integer == 1))
    return as_value (torvanix_providers_contracts_value_boolean_new (integer == 1));
  if (data_type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL) {
    /* The digits keep the exact number where the double cannot. */
    char digits[24];
    auto [end, ec] = std::to_chars (digits, digits + sizeof digits, integer);
    (void) ec;
    return as_value (home::internals ().decimal_with_text (static_cast<double> (integer), digits,
                                                           static_cast<gsize> (end - digits)));
  }
  return as_value (torvanix_providers_contracts_value_int64_new (integer));
}

IValue *
real_value (TorvanixProvidersContractsDataType data_type, double real)
{
  if (data_type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL) {
    std::string digits = shortest_text (real);
    /* NaN and the infinities have no decimal digits. */
    if (!digits.empty () && (g_ascii_isdigit (digits.back ())))
      return as_value (home::internals ().decimal_with_text (real, digits.data (), digits.size ()));
  }
  return as_value (torvanix_providers_contracts_value_double_new (real));
}

IValue *
text_value (TorvanixProvidersContractsDataType data_type, const std::string &text)
{
  /* A zero byte or bytes that are not UTF-8 cannot live in a text value:
   * the bytes do, every one. */
  if (std::memchr (text.data (), '\0', text.size ()) != nullptr ||
      !g_utf8_validate (text.data (), static_cast<gssize> (text.size ()), nullptr))
    return bytes_value (text, false);
  switch (data_type) {
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON:
    if (IValue *value = value_reading_back (data_type, text))
      return value;
    break;
  default:
    break;
  }
  return string_value (text);
}

}  // namespace

IValue *
value_of_cell (TorvanixProvidersContractsDataType data_type, const StoredCell &cell)
{
  switch (cell.storage) {
  case SQLITE_INTEGER:
    return integer_value (data_type, cell.integer);
  case SQLITE_FLOAT:
    return real_value (data_type, cell.real);
  case SQLITE_TEXT:
    return text_value (data_type, cell.bytes);
  case SQLITE_BLOB:
    return bytes_value (cell.bytes, true);
  default:
    return as_value (torvanix_providers_contracts_value_null_new ());
  }
}

}  // namespace providers::sqlite
