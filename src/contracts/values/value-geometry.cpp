/* ValueGeometry and ValueGeography: a shape held as text. A geography can
 * also read a latitude and a longitude out of its text. */
#include "libproviders/values/value-geometry.h"

#include "common/check.h"
#include "common/private-data.h"
#include "common/gobject-ref.h"
#include "common/property-helpers.h"
#include "contracts/values/value-object-private.h"
#include "contracts/values/value-class-private.h"

struct TorvanixProvidersContractsValueGeometryPrivate {
  gchar *itsvalue = g_strdup (""); /* owned; null only when set so */

  TorvanixProvidersContractsValueGeometryPrivate () = default;
  TorvanixProvidersContractsValueGeometryPrivate (const TorvanixProvidersContractsValueGeometryPrivate &) = delete;
  ~TorvanixProvidersContractsValueGeometryPrivate () { g_free (itsvalue); }
};

namespace {

GParamSpec *itsvalue_pspec;

}  // namespace

PROVIDERS_DEFINE_TYPE (TorvanixProvidersContractsValueGeometry, torvanix_providers_contracts_value_geometry, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)

namespace {

using providers::GUnique;

TorvanixProvidersContractsValueGeometryPrivate *
priv_of (gpointer self)
{
  return static_cast<TorvanixProvidersContractsValueGeometryPrivate *> (
      torvanix_providers_contracts_value_geometry_get_instance_private (
          static_cast<TorvanixProvidersContractsValueGeometry *> (self)));
}

/* Callers have checked that the type is a ValueGeometry. */
TorvanixProvidersContractsValueGeometry *
make (GType object_type, const gchar *text)
{
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_VALUE_GEOMETRY (torvanix_providers_contracts_value_object_construct (object_type));
  providers::replace_string (&priv_of (self)->itsvalue, text);
  return self;
}

void
geometry_to_value (TorvanixProvidersContractsValueObject *self, GValue *result)
{
  g_value_init (result, G_TYPE_STRING);
  g_value_set_string (result, priv_of (self)->itsvalue);
}

gchar *
geometry_to_string (TorvanixProvidersContractsValueObject *self)
{
  return g_strdup (priv_of (self)->itsvalue);
}

/* A text set to null still clones to a value of the same class. */
TorvanixProvidersContractsIValue *
geometry_clone (TorvanixProvidersContractsValueObject *self)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (make (G_OBJECT_TYPE (self), priv_of (self)->itsvalue));
}

const gchar *
geometry_get_name (TorvanixProvidersContractsValueObject *)
{
  return "geometry";
}

TorvanixProvidersContractsDataType
geometry_get_data_type (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY;
}

void
geometry_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE) {
    g_value_set_string (value, priv_of (object)->itsvalue);
  } else if (!providers::values::get_standard_property (object, prop_id, value)) {
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

void
geometry_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE) {
    torvanix_providers_contracts_value_geometry_set_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_GEOMETRY (object),
                                                              g_value_get_string (value));
  } else {
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
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
  const gchar *text = priv_of (self)->itsvalue;
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

/* ValueGeometry --------------------------------------------------------------- */

static void
torvanix_providers_contracts_value_geometry_class_init (TorvanixProvidersContractsValueGeometryClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  object_class->get_property = geometry_get_property;
  object_class->set_property = geometry_set_property;

  value_class->to_value = geometry_to_value;
  value_class->to_string = geometry_to_string;
  value_class->clone = geometry_clone;
  value_class->get_name = geometry_get_name;
  value_class->get_data_type = geometry_get_data_type;

  itsvalue_pspec = providers::values::install_value_properties (object_class, providers::values::text_itsvalue_pspec ());
}

extern "C" TorvanixProvidersContractsValueGeometry *
torvanix_providers_contracts_value_geometry_construct (GType object_type, const gchar *value)
{
  providers_return_val_if_fail (value != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOMETRY, nullptr);
  return make (object_type, value);
}

extern "C" TorvanixProvidersContractsValueGeometry *
torvanix_providers_contracts_value_geometry_new (const gchar *value)
{
  return torvanix_providers_contracts_value_geometry_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOMETRY, value);
}

extern "C" const gchar *
torvanix_providers_contracts_value_geometry_get_itsvalue (TorvanixProvidersContractsValueGeometry *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_GEOMETRY (self), nullptr);
  return priv_of (self)->itsvalue;
}

extern "C" void
torvanix_providers_contracts_value_geometry_set_itsvalue (TorvanixProvidersContractsValueGeometry *self, const gchar *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_GEOMETRY (self));
  providers::replace_string (&priv_of (self)->itsvalue, value);
  g_object_notify_by_pspec (G_OBJECT (self), itsvalue_pspec);
}

/* ValueGeography -------------------------------------------------------------- */

PROVIDERS_DEFINE_VALUE_KIND (ValueGeography, value_geography, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOMETRY, "geography",
                             GEOGRAPHY)

extern "C" TorvanixProvidersContractsValueGeography *
torvanix_providers_contracts_value_geography_construct (GType object_type, const gchar *value)
{
  providers_return_val_if_fail (value != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOGRAPHY, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_VALUE_GEOGRAPHY (make (object_type, value));
}

extern "C" TorvanixProvidersContractsValueGeography *
torvanix_providers_contracts_value_geography_new (const gchar *value)
{
  return torvanix_providers_contracts_value_geography_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOGRAPHY, value);
}

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
