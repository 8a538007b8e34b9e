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
 * TorvanixProvidersContractsValueGeometry:
 *
 * A planar shape held as text ("geometry", data type GEOMETRY). Providers make
 * one for each cell of a GEOMETRY column, holding the bytes the server sent
 * (its own binary form) as upper-case hexadecimal digits; readers make one
 * through torvanix_providers_contracts_idata_reader_get_geometry(), and an
 * application with torvanix_providers_contracts_value_geometry_new(), holding
 * any text, such as "POINT(1 2)";
 * torvanix_providers_contracts_ivalue_factory() keeps the text of a GEOMETRY
 * in a #TorvanixProvidersContractsValueXml instead. Nothing here takes the
 * text apart or checks it. #TorvanixProvidersContractsValueGeography is a kind
 * of it.
 *
 * It prints its text and converts to %G_TYPE_STRING; a text set to %NULL
 * prints %NULL. A value takes no lock and belongs to one thread at a time;
 * torvanix_providers_contracts_value_geometry_get_itsvalue() lends its text.
 */

/**
 * TorvanixProvidersContractsValueGeometry:name:
 *
 * "geometry"; a geography answers "geography". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueGeometry:itsvalue:
 *
 * The text held; "" for an instance made with g_object_new(), %NULL only when
 * set so. Read-write; a write, through the property or
 * torvanix_providers_contracts_value_geometry_set_itsvalue(), copies the text
 * and notifies once on every call, also when the text is unchanged.
 */

/**
 * TorvanixProvidersContractsValueGeometry:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY; a geography answers
 * GEOGRAPHY. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueGeometryClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueGeometry; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueGeometryClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_geometry_new:
 * @value: the shape's text, copied
 *
 * Makes a geometry value holding @value. A %NULL @value logs the CRITICAL
 * `value != NULL` naming
 * torvanix_providers_contracts_value_geometry_construct().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @value is
 *   %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueGeometry *torvanix_providers_contracts_value_geometry_new (const gchar *value);
/**
 * torvanix_providers_contracts_value_geometry_construct:
 * @object_type: #TorvanixProvidersContractsValueGeometry or a subclass of it
 * @value: the shape's text, copied
 *
 * Makes a geometry value of @object_type, for a subclass's own constructor. A
 * %NULL @value, or a type that is not this class or a subclass of it, logs a
 * CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueGeometry *torvanix_providers_contracts_value_geometry_construct (GType object_type, const gchar *value);
/**
 * torvanix_providers_contracts_value_geometry_get_itsvalue:
 * @self: a geometry or geography value
 *
 * Lends the text held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer none) (nullable): the text, valid until it changes; %NULL
 *   when set so or for a wrong @self
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_value_geometry_get_itsvalue (TorvanixProvidersContractsValueGeometry *self);
/**
 * torvanix_providers_contracts_value_geometry_set_itsvalue:
 * @self: a geometry or geography value
 * @value: (nullable): the new text, copied; it may be the text held
 *
 * Replaces the text and notifies
 * #TorvanixProvidersContractsValueGeometry:itsvalue, also when the text is
 * unchanged. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_geometry_set_itsvalue (TorvanixProvidersContractsValueGeometry *self, const gchar *value);

/* ValueGeography ----------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOGRAPHY (torvanix_providers_contracts_value_geography_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueGeography, torvanix_providers_contracts_value_geography,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_GEOGRAPHY, TorvanixProvidersContractsValueGeometry)

/**
 * TorvanixProvidersContractsValueGeography:
 *
 * A shape on the globe held as text ("geography", data type GEOGRAPHY): a kind
 * of #TorvanixProvidersContractsValueGeometry from whose text a latitude and a
 * longitude can be read, the first "number, number" pair it holds
 * ("POINT(52.52, 13.40)" gives 52.52 and 13.40). Readers make one through
 * torvanix_providers_contracts_idata_reader_get_geography(), and an
 * application with torvanix_providers_contracts_value_geography_new();
 * torvanix_providers_contracts_ivalue_factory() keeps the text of a GEOGRAPHY
 * in a #TorvanixProvidersContractsValueXml instead. A value takes no lock and
 * belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueGeography:name:
 *
 * "geography". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueGeography:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY. Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueGeographyClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueGeography; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueGeographyClass {
  TorvanixProvidersContractsValueGeometryClass parent_class;
};

/**
 * torvanix_providers_contracts_value_geography_new:
 * @value: the shape's text, copied
 *
 * Makes a geography value holding @value. A %NULL @value logs the CRITICAL
 * `value != NULL` naming
 * torvanix_providers_contracts_value_geography_construct().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @value is
 *   %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueGeography *torvanix_providers_contracts_value_geography_new (const gchar *value);
/**
 * torvanix_providers_contracts_value_geography_construct:
 * @object_type: #TorvanixProvidersContractsValueGeography or a subclass of it
 * @value: the shape's text, copied
 *
 * Makes a geography value of @object_type, for a subclass's own constructor. A
 * %NULL @value, or a type that is not this class or a subclass of it, logs a
 * CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueGeography *torvanix_providers_contracts_value_geography_construct (GType object_type, const gchar *value);
/**
 * torvanix_providers_contracts_value_geography_latitude:
 * @self: a geography value
 *
 * Reads the latitude: the first number of the first "number, number" pair
 * anywhere in the text (digits and full stops, with an optional leading minus
 * sign, then a comma and optional white space), read with a full stop as the
 * decimal point whatever the locale; of "1.2.3" only "1.2" counts. Bytes that
 * are not UTF-8 elsewhere in the text do not hide a pair. A %NULL or wrong
 * @self logs a CRITICAL naming this function.
 *
 * Returns: the latitude; 0.0 when the text is empty, %NULL or holds no such
 *   pair, and for a wrong @self
 */
PROVIDERS_API gdouble torvanix_providers_contracts_value_geography_latitude (TorvanixProvidersContractsValueGeography *self);
/**
 * torvanix_providers_contracts_value_geography_longitude:
 * @self: a geography value
 *
 * Reads the longitude: the second number of the pair
 * torvanix_providers_contracts_value_geography_latitude() reads. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 *
 * Returns: the longitude; 0.0 when the text holds no such pair, and for a
 *   wrong @self
 */
PROVIDERS_API gdouble torvanix_providers_contracts_value_geography_longitude (TorvanixProvidersContractsValueGeography *self);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_GEOMETRY_H */
