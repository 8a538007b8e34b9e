/* The ISO 8601 constructors of date-times and dates, and the factory's time
 * of day, over arbitrary text; then printing, converting, copying and
 * formatting what they built. The input's first line is the date text, the
 * rest a format for `format`. */
#include <libproviders/providers.h>

#include "fuzz-support.h"

namespace {

void
exercise (TorvanixProvidersContractsValueDateTime *value, const std::string &format)
{
  if (value == nullptr) std::abort (); /* only a null text gives no value */
  auto *as_value = TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value);
  g_free (torvanix_providers_contracts_ivalue_to_string (as_value));
  g_free (torvanix_providers_contracts_ivalue_dump (as_value));
  /* A date-time always comes out: the parse or the epoch, never null. */
  if (torvanix_providers_contracts_value_date_time_get_itsvalue (value) == nullptr) std::abort ();

  GValue converted = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (as_value, &converted);
  g_value_unset (&converted);

  TorvanixProvidersContractsIValue *copy = torvanix_providers_contracts_ivalue_clone (as_value);
  g_free (torvanix_providers_contracts_ivalue_to_string (copy));
  g_object_unref (copy);

  static const char *const fixed[] = { "%Y-%m-%d %H:%M:%S", "%FT%T%:z", "%s.%f %Z %j %V %u", "%c %x %X %p %E" };
  for (const char *directive : fixed) g_free (torvanix_providers_contracts_value_date_time_format (value, directive));
  /* A format is the caller's own text, and GLib (rightly) refuses one that
   * is not UTF-8 with a critical: keep to valid ones. */
  gchar *valid = g_utf8_make_valid (format.c_str (), -1);
  g_free (torvanix_providers_contracts_value_date_time_format (value, valid));
  g_free (valid);
  g_object_unref (value);
}

}  // namespace

extern "C" int
LLVMFuzzerTestOneInput (const uint8_t *data, size_t size)
{
  providers::fuzz::setup ();
  std::string date, format;
  providers::fuzz::split_line (providers::fuzz::text_of (data, size), date, format);

  exercise (torvanix_providers_contracts_value_date_time_new_iso8601 (date.c_str ()), format);
  exercise (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (torvanix_providers_contracts_value_date_new_iso8601 (date.c_str ())),
            format);
  auto *time = torvanix_providers_contracts_ivalue_factory (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, date.c_str ());
  exercise (TORVANIX_PROVIDERS_CONTRACTS_VALUE_DATE_TIME (time), format);
  return 0;
}
