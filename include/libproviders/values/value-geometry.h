/* Geometry and geography values. */
#ifndef LIBPROVIDERS_VALUES_VALUE_GEOMETRY_H
#define LIBPROVIDERS_VALUES_VALUE_GEOMETRY_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

/* ValueGeometry ------------------------------------------------------------ */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOMETRY (torvanix_providers_contracts_value_geometry_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueGeometry, torvanix_providers_contracts_value_geometry,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_GEOMETRY, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueGeometryClass:
 *
 * A planar shape held as text ("geometry", data type GEOMETRY). An
 * instance starts with the empty text.
 */
struct _TorvanixProvidersContractsValueGeometryClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_geometry_new:
 * @value: the shape's text, copied
 *
 * Returns: (transfer full) (nullable): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueGeometry *torvanix_providers_contracts_value_geometry_new (const gchar *value);
/**
 * torvanix_providers_contracts_value_geometry_construct:
 * @object_type: ValueGeometry or a subclass
 * @value: the shape's text, copied
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueGeometry *torvanix_providers_contracts_value_geometry_construct (GType object_type, const gchar *value);
/**
 * torvanix_providers_contracts_value_geometry_get_itsvalue:
 * @self: a geometry or geography value
 *
 * Returns: (transfer none) (nullable): the held text
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_value_geometry_get_itsvalue (TorvanixProvidersContractsValueGeometry *self);
/**
 * torvanix_providers_contracts_value_geometry_set_itsvalue:
 * @self: a geometry or geography value
 * @value: (nullable): the new text, copied
 *
 * Always notifies "itsvalue", also when the text is unchanged.
 */
PROVIDERS_API void torvanix_providers_contracts_value_geometry_set_itsvalue (TorvanixProvidersContractsValueGeometry *self, const gchar *value);

/* ValueGeography ----------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOGRAPHY (torvanix_providers_contracts_value_geography_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueGeography, torvanix_providers_contracts_value_geography,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_GEOGRAPHY, TorvanixProvidersContractsValueGeometry)

/**
 * TorvanixProvidersContractsValueGeographyClass:
 *
 * A shape on the globe held as text ("geography", data type GEOGRAPHY),
 * from which a latitude and a longitude can be read.
 */
struct _TorvanixProvidersContractsValueGeographyClass {
  TorvanixProvidersContractsValueGeometryClass parent_class;
};

/**
 * torvanix_providers_contracts_value_geography_new:
 * @value: the shape's text, copied
 *
 * Returns: (transfer full) (nullable): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueGeography *torvanix_providers_contracts_value_geography_new (const gchar *value);
/**
 * torvanix_providers_contracts_value_geography_construct:
 * @object_type: ValueGeography or a subclass
 * @value: the shape's text, copied
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueGeography *torvanix_providers_contracts_value_geography_construct (GType object_type, const gchar *value);
/**
 * torvanix_providers_contracts_value_geography_latitude:
 * @self: a geography value
 *
 * The first number of the first "number, number" pair anywhere in the
 * text (digits and dots, with an optional leading minus sign), read with
 * a full stop as the decimal point whatever the locale.
 *
 * Returns: the latitude, or 0.0 when the text holds no such pair
 */
PROVIDERS_API gdouble torvanix_providers_contracts_value_geography_latitude (TorvanixProvidersContractsValueGeography *self);
/**
 * torvanix_providers_contracts_value_geography_longitude:
 * @self: a geography value
 *
 * The second number of the pair torvanix_providers_contracts_value_geography_latitude() reads.
 *
 * Returns: the longitude, or 0.0 when the text holds no such pair
 */
PROVIDERS_API gdouble torvanix_providers_contracts_value_geography_longitude (TorvanixProvidersContractsValueGeography *self);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_GEOMETRY_H */
