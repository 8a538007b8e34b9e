/* ValueGeometry and ValueGeography: a shape held as text. A geography can
 * also read a latitude and a longitude out of its text. */
#include "libproviders/values/value-geometry.h"

#include "common/gobject-ref.h"
#include "common/property-helpers.h"
#include "contracts/values/value-family-private.h"

namespace {

using providers::GUnique;

struct GeometryTraits : providers::values::TextHeld {
  PROVIDERS_VALUE_NAMES (ValueGeometry, "geometry", GEOMETRY);
  struct Private {
    gchar *itsvalue = g_strdup (""); /* owned; null only when set so */

    Private () = default;
    Private (const Private &) = delete;
    ~Private () { g_free (itsvalue); }
  };

  static void set (Private &p, const gchar *value) { providers::replace_string (&p.itsvalue, value); }
  /* A text set to null still clones to a value of the same class. */
  static void copy (const Private &from, Private &to) { set (to, from.itsvalue); }

  static gchar *torvanix_providers_contracts_value_object_to_string (const Private &p) { return g_strdup (p.itsvalue); }
};

using Geometry = providers::values::ValueClass<GeometryTraits>;

/* Callers have checked that the type is a ValueGeometry. */
gpointer
make (GType object_type, const gchar *text)
{
  gpointer self = Geometry::make (object_type);
  GeometryTraits::set (Geometry::priv (self), text);
  return self;
}

/* Two numbers separated by a comma and optional white space, anywhere in
 * the text: latitude first, then longitude, each with an optional minus
 * sign (southern latitudes, western longitudes). */
GRegex *
coordinate_pair ()
{
  static GRegex *const regex =
      g_regex_new ("(?<left>-?[\\d\\.]+),\\s*(?<right>-?[\\d\\.]+)", G_REGEX_MULTILINE, GRegexMatchFlags (0), nullptr);
  return regex;
}

gdouble
coordinate (TorvanixProvidersContractsValueGeography *self, const char *group)
{
  const gchar *text = Geometry::priv (self).itsvalue;
  if (text == nullptr || *text == '\0') return 0.0;
  /* The matcher refuses invalid UTF-8 outright; a stray byte elsewhere in
   * the text must not hide a pair of plain digits. */
  GUnique<gchar> valid;
  if (!g_utf8_validate (text, -1, nullptr)) {
    valid.reset (g_utf8_make_valid (text, -1));
    text = valid.get ();
  }
  GMatchInfo *raw_match = nullptr;
  bool found = g_regex_match (coordinate_pair (), text, GRegexMatchFlags (0), &raw_match);
  GUnique<GMatchInfo> match (raw_match);
  if (!found) return 0.0;
  GUnique<gchar> number (g_match_info_fetch_named (match.get (), group));
  /* Reads the longest leading number ("1.2.3" is 1.2), with a full stop
   * as the decimal point whatever the locale. */
  return number ? g_ascii_strtod (number.get (), nullptr) : 0.0;
}

}  // namespace

PROVIDERS_DEFINE_VALUE_CLASS (ValueGeometry, value_geometry, VALUE_GEOMETRY, GeometryTraits, nullptr)

PROVIDERS_DEFINE_VALUE_KIND (ValueGeography, value_geography, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOMETRY, "geography",
                             GEOGRAPHY)

/* The constructors of the class and of its kind: a copy of the text. */
#define PROVIDERS_DEFINE_GEOMETRY_CONSTRUCTORS(Name, lower, UPPER)                                                 \
  PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (Name, lower, UPPER, , (const gchar *value), (value),                           \
                                      providers_return_val_if_fail (value != NULL, nullptr), make (object_type, value))

PROVIDERS_DEFINE_GEOMETRY_CONSTRUCTORS (ValueGeometry, value_geometry, VALUE_GEOMETRY)
PROVIDERS_DEFINE_GEOMETRY_CONSTRUCTORS (ValueGeography, value_geography, VALUE_GEOGRAPHY)

extern "C" gdouble
torvanix_providers_contracts_value_geography_latitude (TorvanixProvidersContractsValueGeography *self)
{
  providers_return_val_if_fail (self != NULL, 0.0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_GEOGRAPHY (self), 0.0);
  return coordinate (self, "left");
}

extern "C" gdouble
torvanix_providers_contracts_value_geography_longitude (TorvanixProvidersContractsValueGeography *self)
{
  providers_return_val_if_fail (self != NULL, 0.0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_GEOGRAPHY (self), 0.0);
  return coordinate (self, "right");
}
