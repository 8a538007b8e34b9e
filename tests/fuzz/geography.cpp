/* The geography coordinate reader over arbitrary text: latitude and
 * longitude never fail, never read a sign they cannot see and never take
 * longer than a scan of the text. */
#include <libproviders/providers.h>

#include <cmath>

#include "fuzz-support.h"

namespace {

void
check_coordinates (TorvanixProvidersContractsValueGeography *value)
{
  gdouble latitude = torvanix_providers_contracts_value_geography_latitude (value);
  gdouble longitude = torvanix_providers_contracts_value_geography_longitude (value);
  if (std::isnan (latitude) || std::isnan (longitude)) {
    std::fprintf (stderr, "a coordinate is not a number\n");
    std::abort ();
  }
}

}  // namespace

extern "C" int
LLVMFuzzerTestOneInput (const uint8_t *data, size_t size)
{
  providers::fuzz::setup ();
  std::string text = providers::fuzz::text_of (data, size);
  TorvanixProvidersContractsValueGeography *value = torvanix_providers_contracts_value_geography_new (text.c_str ());
  check_coordinates (value);

  gchar *printed = torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value));
  if (std::strcmp (printed, text.c_str ()) != 0) std::abort (); /* the text is kept as given */
  g_free (printed);

  /* The same text through the setter, then a clone of it. */
  auto *geometry = TORVANIX_PROVIDERS_CONTRACTS_VALUE_GEOMETRY (value);
  torvanix_providers_contracts_value_geometry_set_itsvalue (geometry, text.c_str ());
  check_coordinates (value);
  auto *copy = TORVANIX_PROVIDERS_CONTRACTS_VALUE_GEOGRAPHY (
      torvanix_providers_contracts_ivalue_clone (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value)));
  check_coordinates (copy);
  if (torvanix_providers_contracts_value_geography_latitude (copy) != torvanix_providers_contracts_value_geography_latitude (value))
    std::abort ();
  g_object_unref (copy);
  g_object_unref (value);
  return 0;
}
