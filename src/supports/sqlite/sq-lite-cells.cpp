/* A cell as the file holds it turned into a value: of its column's class
 * when that class holds it exactly, else of the cell's own storage class,
 * so that no cell loses or changes what the file holds. */
#include <charconv>
#include <cstring>

#include "common/gobject-ref.h"
#include "contracts/internals-private.h"
#include "supports/common/text-cells-internal.h"
#include "libproviders/values.h"
#include "supports/sqlite/sq-lite-provider-private.h"

namespace providers::sqlite {

namespace {

using IValue = TorvanixProvidersContractsIValue;

using home::as_value;

/* The fewest digits that read back to the same double. */
std::string
shortest_text (double value)
{
  char digits[32];
  auto [end, ec] = std::to_chars (digits, digits + sizeof digits, value);
  return ec == std::errc () ? std::string (digits, end) : std::string ();
}

const values::ValueClassRow &
row_of (TorvanixProvidersContractsDataType data_type)
{
  return home::internals ().value_class_row (data_type);
}

IValue *
bytes_value (std::string_view bytes, TorvanixProvidersContractsDataType data_type)
{
  return row_of (data_type).bytes_cell (reinterpret_cast<const guint8 *> (bytes.data ()), bytes.size ());
}

IValue *
string_value (std::string_view text)
{
  return row_of (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING).text_cell (text.data (), text.size ());
}

/* Whether the text is written the way the class of a day, a time of day
 * or both reads it. */
bool
reads_as (TorvanixProvidersContractsDataType data_type, std::string_view text)
{
  home::Cell cell{text.data (), text.size ()};
  home::DateFields d;
  home::TimeFields t;
  switch (data_type) {
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE:
    return home::parse_date (cell, d);
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME:
    return home::parse_time_of_day (cell, t);
  default:
    return home::parse_datetime (cell, d, t);
  }
}

/* Whether a day, a time or both that reads_as accepts is spelled the one
 * way its value prints: "YYYY-MM-DD", "HH:MM:SS", "YYYY-MM-DD HH:MM:SS",
 * whole seconds, which the value holds exactly. */
bool
printed_spelling (TorvanixProvidersContractsDataType data_type, std::string_view text)
{
  switch (data_type) {
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE:
    return text.size () == 10;
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME:
    return text.size () == 8;
  default:
    return text.size () == 19 && text[10] == ' ';
  }
}

/* A value of a class read from text (a day, a time, a UUID) that prints
 * the cell's text back unchanged; null when the class would print
 * something else, which would not be what the file holds. */
IValue *
value_reading_back (TorvanixProvidersContractsDataType data_type, std::string_view text)
{
  GRef<IValue> value;
  if (data_type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID) {
    /* A TEXT cell's bytes end in a zero byte. */
    value = adopt_ref (torvanix_providers_contracts_ivalue_factory (data_type, text.data ()));
  } else {
    if (!reads_as (data_type, text))
      return nullptr;
    /* Wall-clock days and times, as the file spells them, in the local zone. */
    static GTimeZone *const local_zone = g_time_zone_new_local ();
    value = adopt_ref (home::value_of_cell (home::Column{data_type}, text.data (), text.size (), local_zone));
    /* The common spellings print back as they are: no need to print them. */
    if (printed_spelling (data_type, text))
      return value.release ();
  }
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
    auto end = std::to_chars (digits, digits + sizeof digits, integer).ptr;
    return row_of (data_type).exact_cell (static_cast<double> (integer), digits, static_cast<gsize> (end - digits));
  }
  return row_of (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64).signed_cell (integer);
}

IValue *
real_value (TorvanixProvidersContractsDataType data_type, double real)
{
  if (data_type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL) {
    std::string digits = shortest_text (real);
    /* NaN and the infinities have no decimal digits. */
    if (!digits.empty () && g_ascii_isdigit (digits.back ()))
      return row_of (data_type).exact_cell (real, digits.data (), digits.size ());
  }
  return row_of (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE).floating_cell (real);
}

IValue *
text_value (TorvanixProvidersContractsDataType data_type, std::string_view text)
{
  /* A zero byte or bytes that are not UTF-8 cannot live in a text value:
   * the bytes do, every one. */
  if (std::memchr (text.data (), '\0', text.size ()) != nullptr ||
      !g_utf8_validate (text.data (), static_cast<gssize> (text.size ()), nullptr))
    return bytes_value (text, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY);
  switch (data_type) {
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID:
    if (IValue *value = value_reading_back (data_type, text))
      return value;
    break;
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON:
    /* A text class: it holds any text as it is. */
    return row_of (data_type).text_cell (text.data (), text.size ());
  default:
    break;
  }
  return string_value (text);
}

}  // namespace

IValue *
value_of_cell (TorvanixProvidersContractsDataType data_type, const CellView &cell)
{
  switch (cell.storage) {
  case SQLITE_INTEGER:
    return integer_value (data_type, cell.integer);
  case SQLITE_FLOAT:
    return real_value (data_type, cell.real);
  case SQLITE_TEXT:
    return text_value (data_type, cell.bytes);
  case SQLITE_BLOB:
    return bytes_value (cell.bytes, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB);
  default:
    return as_value (torvanix_providers_contracts_value_null_new ());
  }
}

}  // namespace providers::sqlite
