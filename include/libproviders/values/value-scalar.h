/* Integer, boolean, floating, money and decimal values. */
#ifndef LIBPROVIDERS_VALUES_VALUE_SCALAR_H
#define LIBPROVIDERS_VALUES_VALUE_SCALAR_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

/* IInteger --------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_IINTEGER (torvanix_providers_contracts_iinteger_get_type ())
PROVIDERS_API
G_DECLARE_INTERFACE (TorvanixProvidersContractsIInteger, torvanix_providers_contracts_iinteger,
                     TORVANIX_PROVIDERS_CONTRACTS, IINTEGER, GObject)

/**
 * TorvanixProvidersContractsIInteger:
 *
 * A value that reads as a signed 64-bit integer: every integer class and
 * #TorvanixProvidersContractsValueBoolean implement it, so a caller can read
 * any integer cell without asking for its width. The library makes no
 * implementation of its own beyond those classes; like the values, it belongs
 * to one thread at a time.
 */

/**
 * TorvanixProvidersContractsIIntegerInterface:
 * @parent_iface: the parent interface
 * @to_integer: answers the value as a signed 64-bit integer
 *
 * The slots of #TorvanixProvidersContractsIInteger.
 */
struct _TorvanixProvidersContractsIIntegerInterface {
  GTypeInterface parent_iface;

  gint64 (*to_integer) (TorvanixProvidersContractsIInteger *self);
};

/**
 * torvanix_providers_contracts_iinteger_to_integer:
 * @self: an integer or boolean value
 *
 * Reads the value as a signed 64-bit integer: a signed value as it is, an
 * unsigned one saturated at %G_MAXINT64 (so it never reads negative), a
 * boolean as 1 or 0. A %NULL @self, or one that does not implement the
 * interface, logs a CRITICAL naming this function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gint64 torvanix_providers_contracts_iinteger_to_integer (TorvanixProvidersContractsIInteger *self);

/* IUnsigned -------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_IUNSIGNED (torvanix_providers_contracts_iunsigned_get_type ())
PROVIDERS_API
G_DECLARE_INTERFACE (TorvanixProvidersContractsIUnsigned, torvanix_providers_contracts_iunsigned,
                     TORVANIX_PROVIDERS_CONTRACTS, IUNSIGNED, TorvanixProvidersContractsIInteger)

/**
 * TorvanixProvidersContractsIUnsigned:
 *
 * A value that reads as an unsigned 64-bit integer: the unsigned integer
 * classes and #TorvanixProvidersContractsValueBoolean implement it. It
 * requires #TorvanixProvidersContractsIInteger. Like the values, it belongs to
 * one thread at a time.
 */

/**
 * TorvanixProvidersContractsIUnsignedInterface:
 * @parent_iface: the parent interface
 * @to_unsigned: answers the value as an unsigned 64-bit integer
 *
 * The slots of #TorvanixProvidersContractsIUnsigned.
 */
struct _TorvanixProvidersContractsIUnsignedInterface {
  GTypeInterface parent_iface;

  guint64 (*to_unsigned) (TorvanixProvidersContractsIUnsigned *self);
};

/**
 * torvanix_providers_contracts_iunsigned_to_unsigned:
 * @self: an unsigned integer or boolean value
 *
 * Reads the value as an unsigned 64-bit integer: an unsigned value as it is, a
 * boolean as 1 or 0. A %NULL @self, or one that does not implement the
 * interface, logs a CRITICAL naming this function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API guint64 torvanix_providers_contracts_iunsigned_to_unsigned (TorvanixProvidersContractsIUnsigned *self);

/* INumeric --------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_INUMERIC (torvanix_providers_contracts_inumeric_get_type ())
PROVIDERS_API
G_DECLARE_INTERFACE (TorvanixProvidersContractsINumeric, torvanix_providers_contracts_inumeric,
                     TORVANIX_PROVIDERS_CONTRACTS, INUMERIC, GObject)

/**
 * TorvanixProvidersContractsINumeric:
 *
 * A value that reads as a double: #TorvanixProvidersContractsValueFloat,
 * #TorvanixProvidersContractsValueDouble,
 * #TorvanixProvidersContractsValueMoney and
 * #TorvanixProvidersContractsValueDecimal implement it. Like the values, it
 * belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsINumericInterface:
 * @parent_iface: the parent interface
 * @to_double: answers the value as a double
 *
 * The slots of #TorvanixProvidersContractsINumeric.
 */
struct _TorvanixProvidersContractsINumericInterface {
  GTypeInterface parent_iface;

  gdouble (*to_double) (TorvanixProvidersContractsINumeric *self);
};

/**
 * torvanix_providers_contracts_inumeric_to_double:
 * @self: a floating, money or decimal value
 *
 * Reads the value as a double; a single-precision value widens exactly. A
 * %NULL @self, or one that does not implement the interface, logs a CRITICAL
 * naming this function.
 *
 * Returns: the value, or 0.0 for a wrong @self
 */
PROVIDERS_API gdouble torvanix_providers_contracts_inumeric_to_double (TorvanixProvidersContractsINumeric *self);

/* ValueInt8: a signed 8-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT8 (torvanix_providers_contracts_value_int8_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueInt8, torvanix_providers_contracts_value_int8,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_INT8, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueInt8:
 *
 * A signed 8-bit integer ("byte", data type INT8). Providers make one for each
 * cell of a INT8 column, torvanix_providers_contracts_ivalue_factory() for
 * INT8, and an application with torvanix_providers_contracts_value_int8_new().
 * It prints in decimal, converts to a #GValue of %G_TYPE_CHAR and implements
 * #TorvanixProvidersContractsIInteger. A cell a server spells with leading
 * zeros (a zero-filled column's "00042", a year "0000") prints as the server
 * spelled it, until the value is set. A value takes no lock and belongs to one
 * thread at a time.
 */

/**
 * TorvanixProvidersContractsValueInt8:name:
 *
 * "byte". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueInt8:itsvalue:
 *
 * The number held: a #gchar from -128 to 127; 0 by default. Read-write; a
 * write, through the property or
 * torvanix_providers_contracts_value_int8_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueInt8:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT8. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueInt8Class:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueInt8; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueInt8Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_int8_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueInt8 *torvanix_providers_contracts_value_int8_new (gint8 value);
/**
 * torvanix_providers_contracts_value_int8_construct:
 * @object_type: #TorvanixProvidersContractsValueInt8 or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT8)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueInt8 *torvanix_providers_contracts_value_int8_construct (GType object_type, gint8 value);
/**
 * torvanix_providers_contracts_value_int8_get_itsvalue:
 * @self: a byte value
 *
 * Reads the number held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gint8 torvanix_providers_contracts_value_int8_get_itsvalue (TorvanixProvidersContractsValueInt8 *self);
/**
 * torvanix_providers_contracts_value_int8_set_itsvalue:
 * @self: a byte value
 * @value: the new value
 *
 * Replaces the number held and notifies
 * #TorvanixProvidersContractsValueInt8:itsvalue, also when @value is the
 * number held. The value then prints as the new number, not as a server
 * spelled it. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_int8_set_itsvalue (TorvanixProvidersContractsValueInt8 *self, gint8 value);
/**
 * torvanix_providers_contracts_value_int8_get_int8:
 * @self: a byte value
 *
 * Reads the number held, as
 * torvanix_providers_contracts_value_int8_get_itsvalue() does. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gint8 torvanix_providers_contracts_value_int8_get_int8 (TorvanixProvidersContractsValueInt8 *self);

/* ValueInt16: a signed 16-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT16 (torvanix_providers_contracts_value_int16_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueInt16, torvanix_providers_contracts_value_int16,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_INT16, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueInt16:
 *
 * A signed 16-bit integer ("int16", data type INT16). Providers make one for
 * each cell of a INT16 column, torvanix_providers_contracts_ivalue_factory()
 * for INT16, and an application with
 * torvanix_providers_contracts_value_int16_new(). It prints in decimal,
 * converts to a #GValue of %G_TYPE_INT and implements
 * #TorvanixProvidersContractsIInteger. A cell a server spells with leading
 * zeros (a zero-filled column's "00042", a year "0000") prints as the server
 * spelled it, until the value is set. A value takes no lock and belongs to one
 * thread at a time.
 */

/**
 * TorvanixProvidersContractsValueInt16:name:
 *
 * "int16". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueInt16:itsvalue:
 *
 * The number held: a #gint; a write keeps its low 16 bits, so 65537 stores 1;
 * 0 by default. Read-write; a write, through the property or
 * torvanix_providers_contracts_value_int16_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueInt16:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT16. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueInt16Class:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueInt16; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueInt16Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_int16_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueInt16 *torvanix_providers_contracts_value_int16_new (gint16 value);
/**
 * torvanix_providers_contracts_value_int16_construct:
 * @object_type: #TorvanixProvidersContractsValueInt16 or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT16)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueInt16 *torvanix_providers_contracts_value_int16_construct (GType object_type, gint16 value);
/**
 * torvanix_providers_contracts_value_int16_get_itsvalue:
 * @self: a int16 value
 *
 * Reads the number held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gint16 torvanix_providers_contracts_value_int16_get_itsvalue (TorvanixProvidersContractsValueInt16 *self);
/**
 * torvanix_providers_contracts_value_int16_set_itsvalue:
 * @self: a int16 value
 * @value: the new value
 *
 * Replaces the number held and notifies
 * #TorvanixProvidersContractsValueInt16:itsvalue, also when @value is the
 * number held. The value then prints as the new number, not as a server
 * spelled it. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_int16_set_itsvalue (TorvanixProvidersContractsValueInt16 *self, gint16 value);
/**
 * torvanix_providers_contracts_value_int16_get_int16:
 * @self: a int16 value
 *
 * Reads the number held, as
 * torvanix_providers_contracts_value_int16_get_itsvalue() does. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gint16 torvanix_providers_contracts_value_int16_get_int16 (TorvanixProvidersContractsValueInt16 *self);

/* ValueInt32: a signed 32-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT32 (torvanix_providers_contracts_value_int32_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueInt32, torvanix_providers_contracts_value_int32,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_INT32, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueInt32:
 *
 * A signed 32-bit integer ("int32", data type INT32). Providers make one for
 * each cell of a INT32 column, torvanix_providers_contracts_ivalue_factory()
 * for INT32, and an application with
 * torvanix_providers_contracts_value_int32_new(). It prints in decimal,
 * converts to a #GValue of %G_TYPE_INT and implements
 * #TorvanixProvidersContractsIInteger. A cell a server spells with leading
 * zeros (a zero-filled column's "00042", a year "0000") prints as the server
 * spelled it, until the value is set. A value takes no lock and belongs to one
 * thread at a time.
 */

/**
 * TorvanixProvidersContractsValueInt32:name:
 *
 * "int32". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueInt32:itsvalue:
 *
 * The number held: a #gint over its whole range; 0 by default. Read-write; a
 * write, through the property or
 * torvanix_providers_contracts_value_int32_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueInt32:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueInt32Class:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueInt32; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueInt32Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_int32_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueInt32 *torvanix_providers_contracts_value_int32_new (gint32 value);
/**
 * torvanix_providers_contracts_value_int32_construct:
 * @object_type: #TorvanixProvidersContractsValueInt32 or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT32)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueInt32 *torvanix_providers_contracts_value_int32_construct (GType object_type, gint32 value);
/**
 * torvanix_providers_contracts_value_int32_get_itsvalue:
 * @self: a int32 value
 *
 * Reads the number held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gint32 torvanix_providers_contracts_value_int32_get_itsvalue (TorvanixProvidersContractsValueInt32 *self);
/**
 * torvanix_providers_contracts_value_int32_set_itsvalue:
 * @self: a int32 value
 * @value: the new value
 *
 * Replaces the number held and notifies
 * #TorvanixProvidersContractsValueInt32:itsvalue, also when @value is the
 * number held. The value then prints as the new number, not as a server
 * spelled it. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_int32_set_itsvalue (TorvanixProvidersContractsValueInt32 *self, gint32 value);
/**
 * torvanix_providers_contracts_value_int32_get_int32:
 * @self: a int32 value
 *
 * Reads the number held, as
 * torvanix_providers_contracts_value_int32_get_itsvalue() does. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gint32 torvanix_providers_contracts_value_int32_get_int32 (TorvanixProvidersContractsValueInt32 *self);

/* ValueInt64: a signed 64-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT64 (torvanix_providers_contracts_value_int64_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueInt64, torvanix_providers_contracts_value_int64,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_INT64, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueInt64:
 *
 * A signed 64-bit integer ("int64", data type INT64). Providers make one for
 * each cell of a INT64 column, torvanix_providers_contracts_ivalue_factory()
 * for INT64, and an application with
 * torvanix_providers_contracts_value_int64_new(). It prints in decimal,
 * converts to a #GValue of %G_TYPE_INT64 and implements
 * #TorvanixProvidersContractsIInteger. A cell a server spells with leading
 * zeros (a zero-filled column's "00042", a year "0000") prints as the server
 * spelled it, until the value is set. A value takes no lock and belongs to one
 * thread at a time.
 */

/**
 * TorvanixProvidersContractsValueInt64:name:
 *
 * "int64". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueInt64:itsvalue:
 *
 * The number held: a #gint64 over its whole range; 0 by default. Read-write; a
 * write, through the property or
 * torvanix_providers_contracts_value_int64_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueInt64:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueInt64Class:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueInt64; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueInt64Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_int64_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueInt64 *torvanix_providers_contracts_value_int64_new (gint64 value);
/**
 * torvanix_providers_contracts_value_int64_construct:
 * @object_type: #TorvanixProvidersContractsValueInt64 or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT64)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueInt64 *torvanix_providers_contracts_value_int64_construct (GType object_type, gint64 value);
/**
 * torvanix_providers_contracts_value_int64_get_itsvalue:
 * @self: a int64 value
 *
 * Reads the number held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gint64 torvanix_providers_contracts_value_int64_get_itsvalue (TorvanixProvidersContractsValueInt64 *self);
/**
 * torvanix_providers_contracts_value_int64_set_itsvalue:
 * @self: a int64 value
 * @value: the new value
 *
 * Replaces the number held and notifies
 * #TorvanixProvidersContractsValueInt64:itsvalue, also when @value is the
 * number held. The value then prints as the new number, not as a server
 * spelled it. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_int64_set_itsvalue (TorvanixProvidersContractsValueInt64 *self, gint64 value);
/**
 * torvanix_providers_contracts_value_int64_get_int64:
 * @self: a int64 value
 *
 * Reads the number held, as
 * torvanix_providers_contracts_value_int64_get_itsvalue() does. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gint64 torvanix_providers_contracts_value_int64_get_int64 (TorvanixProvidersContractsValueInt64 *self);

/* ValueUInt8: an unsigned 8-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT8 (torvanix_providers_contracts_value_uint8_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueUInt8, torvanix_providers_contracts_value_uint8,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_UINT8, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueUInt8:
 *
 * An unsigned 8-bit integer ("uint8", data type UINT8). Providers make one for
 * each cell of a UINT8 column, torvanix_providers_contracts_ivalue_factory()
 * for UINT8, and an application with
 * torvanix_providers_contracts_value_uint8_new(). It prints in decimal,
 * converts to a #GValue of %G_TYPE_UCHAR and implements
 * #TorvanixProvidersContractsIInteger and
 * #TorvanixProvidersContractsIUnsigned. A cell a server spells with leading
 * zeros (a zero-filled column's "00042", a year "0000") prints as the server
 * spelled it, until the value is set. A value takes no lock and belongs to one
 * thread at a time.
 */

/**
 * TorvanixProvidersContractsValueUInt8:name:
 *
 * "uint8". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueUInt8:itsvalue:
 *
 * The number held: a #guchar from 0 to 255; 0 by default. Read-write; a write,
 * through the property or
 * torvanix_providers_contracts_value_uint8_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueUInt8:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueUInt8Class:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueUInt8; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueUInt8Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_uint8_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt8 *torvanix_providers_contracts_value_uint8_new (guint8 value);
/**
 * torvanix_providers_contracts_value_uint8_construct:
 * @object_type: #TorvanixProvidersContractsValueUInt8 or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT8)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt8 *torvanix_providers_contracts_value_uint8_construct (GType object_type, guint8 value);
/**
 * torvanix_providers_contracts_value_uint8_get_itsvalue:
 * @self: a uint8 value
 *
 * Reads the number held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API guint8 torvanix_providers_contracts_value_uint8_get_itsvalue (TorvanixProvidersContractsValueUInt8 *self);
/**
 * torvanix_providers_contracts_value_uint8_set_itsvalue:
 * @self: a uint8 value
 * @value: the new value
 *
 * Replaces the number held and notifies
 * #TorvanixProvidersContractsValueUInt8:itsvalue, also when @value is the
 * number held. The value then prints as the new number, not as a server
 * spelled it. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_uint8_set_itsvalue (TorvanixProvidersContractsValueUInt8 *self, guint8 value);
/**
 * torvanix_providers_contracts_value_uint8_get_uint8:
 * @self: a uint8 value
 *
 * Reads the number held, as
 * torvanix_providers_contracts_value_uint8_get_itsvalue() does. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API guint8 torvanix_providers_contracts_value_uint8_get_uint8 (TorvanixProvidersContractsValueUInt8 *self);

/* ValueUInt16: an unsigned 16-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT16 (torvanix_providers_contracts_value_uint16_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueUInt16, torvanix_providers_contracts_value_uint16,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_UINT16, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueUInt16:
 *
 * An unsigned 16-bit integer ("uint16", data type UINT16). Providers make one
 * for each cell of a UINT16 column,
 * torvanix_providers_contracts_ivalue_factory() for UINT16, and an application
 * with torvanix_providers_contracts_value_uint16_new(). It prints in decimal,
 * converts to a #GValue of %G_TYPE_UINT and implements
 * #TorvanixProvidersContractsIInteger and
 * #TorvanixProvidersContractsIUnsigned. A cell a server spells with leading
 * zeros (a zero-filled column's "00042", a year "0000") prints as the server
 * spelled it, until the value is set. A value takes no lock and belongs to one
 * thread at a time.
 */

/**
 * TorvanixProvidersContractsValueUInt16:name:
 *
 * "uint16". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueUInt16:itsvalue:
 *
 * The number held: a #guint; a write keeps its low 16 bits, so 65537 stores 1;
 * 0 by default. Read-write; a write, through the property or
 * torvanix_providers_contracts_value_uint16_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueUInt16:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16. Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueUInt16Class:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueUInt16; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueUInt16Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_uint16_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt16 *torvanix_providers_contracts_value_uint16_new (guint16 value);
/**
 * torvanix_providers_contracts_value_uint16_construct:
 * @object_type: #TorvanixProvidersContractsValueUInt16 or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT16)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt16 *torvanix_providers_contracts_value_uint16_construct (GType object_type, guint16 value);
/**
 * torvanix_providers_contracts_value_uint16_get_itsvalue:
 * @self: a uint16 value
 *
 * Reads the number held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API guint16 torvanix_providers_contracts_value_uint16_get_itsvalue (TorvanixProvidersContractsValueUInt16 *self);
/**
 * torvanix_providers_contracts_value_uint16_set_itsvalue:
 * @self: a uint16 value
 * @value: the new value
 *
 * Replaces the number held and notifies
 * #TorvanixProvidersContractsValueUInt16:itsvalue, also when @value is the
 * number held. The value then prints as the new number, not as a server
 * spelled it. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_uint16_set_itsvalue (TorvanixProvidersContractsValueUInt16 *self, guint16 value);
/**
 * torvanix_providers_contracts_value_uint16_get_uint16:
 * @self: a uint16 value
 *
 * Reads the number held, as
 * torvanix_providers_contracts_value_uint16_get_itsvalue() does. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API guint16 torvanix_providers_contracts_value_uint16_get_uint16 (TorvanixProvidersContractsValueUInt16 *self);

/* ValueUInt32: an unsigned 32-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT32 (torvanix_providers_contracts_value_uint32_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueUInt32, torvanix_providers_contracts_value_uint32,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_UINT32, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueUInt32:
 *
 * An unsigned 32-bit integer ("uint32", data type UINT32). Providers make one
 * for each cell of a UINT32 column,
 * torvanix_providers_contracts_ivalue_factory() for UINT32, and an application
 * with torvanix_providers_contracts_value_uint32_new(). It prints in decimal,
 * converts to a #GValue of %G_TYPE_UINT and implements
 * #TorvanixProvidersContractsIInteger and
 * #TorvanixProvidersContractsIUnsigned. A cell a server spells with leading
 * zeros (a zero-filled column's "00042", a year "0000") prints as the server
 * spelled it, until the value is set. A value takes no lock and belongs to one
 * thread at a time.
 */

/**
 * TorvanixProvidersContractsValueUInt32:name:
 *
 * "uint32". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueUInt32:itsvalue:
 *
 * The number held: a #guint over its whole range; 0 by default. Read-write; a
 * write, through the property or
 * torvanix_providers_contracts_value_uint32_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueUInt32:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32. Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueUInt32Class:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueUInt32; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueUInt32Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_uint32_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt32 *torvanix_providers_contracts_value_uint32_new (guint32 value);
/**
 * torvanix_providers_contracts_value_uint32_construct:
 * @object_type: #TorvanixProvidersContractsValueUInt32 or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT32)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt32 *torvanix_providers_contracts_value_uint32_construct (GType object_type, guint32 value);
/**
 * torvanix_providers_contracts_value_uint32_get_itsvalue:
 * @self: a uint32 value
 *
 * Reads the number held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API guint32 torvanix_providers_contracts_value_uint32_get_itsvalue (TorvanixProvidersContractsValueUInt32 *self);
/**
 * torvanix_providers_contracts_value_uint32_set_itsvalue:
 * @self: a uint32 value
 * @value: the new value
 *
 * Replaces the number held and notifies
 * #TorvanixProvidersContractsValueUInt32:itsvalue, also when @value is the
 * number held. The value then prints as the new number, not as a server
 * spelled it. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_uint32_set_itsvalue (TorvanixProvidersContractsValueUInt32 *self, guint32 value);
/**
 * torvanix_providers_contracts_value_uint32_get_uint32:
 * @self: a uint32 value
 *
 * Reads the number held, as
 * torvanix_providers_contracts_value_uint32_get_itsvalue() does. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API guint32 torvanix_providers_contracts_value_uint32_get_uint32 (TorvanixProvidersContractsValueUInt32 *self);

/* ValueUInt64: an unsigned 64-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT64 (torvanix_providers_contracts_value_uint64_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueUInt64, torvanix_providers_contracts_value_uint64,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_UINT64, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueUInt64:
 *
 * An unsigned 64-bit integer ("uint64", data type UINT64). Providers make one
 * for each cell of a UINT64 column,
 * torvanix_providers_contracts_ivalue_factory() for UINT64, and an application
 * with torvanix_providers_contracts_value_uint64_new(). It prints in decimal,
 * converts to a #GValue of %G_TYPE_UINT64 and implements
 * #TorvanixProvidersContractsIInteger and
 * #TorvanixProvidersContractsIUnsigned. A cell a server spells with leading
 * zeros (a zero-filled column's "00042", a year "0000") prints as the server
 * spelled it, until the value is set. A value takes no lock and belongs to one
 * thread at a time.
 */

/**
 * TorvanixProvidersContractsValueUInt64:name:
 *
 * "uint64". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueUInt64:itsvalue:
 *
 * The number held: a #guint64 over its whole range; 0 by default. Read-write;
 * a write, through the property or
 * torvanix_providers_contracts_value_uint64_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueUInt64:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64. Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueUInt64Class:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueUInt64; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueUInt64Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_uint64_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt64 *torvanix_providers_contracts_value_uint64_new (guint64 value);
/**
 * torvanix_providers_contracts_value_uint64_construct:
 * @object_type: #TorvanixProvidersContractsValueUInt64 or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT64)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt64 *torvanix_providers_contracts_value_uint64_construct (GType object_type, guint64 value);
/**
 * torvanix_providers_contracts_value_uint64_get_itsvalue:
 * @self: a uint64 value
 *
 * Reads the number held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API guint64 torvanix_providers_contracts_value_uint64_get_itsvalue (TorvanixProvidersContractsValueUInt64 *self);
/**
 * torvanix_providers_contracts_value_uint64_set_itsvalue:
 * @self: a uint64 value
 * @value: the new value
 *
 * Replaces the number held and notifies
 * #TorvanixProvidersContractsValueUInt64:itsvalue, also when @value is the
 * number held. The value then prints as the new number, not as a server
 * spelled it. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_uint64_set_itsvalue (TorvanixProvidersContractsValueUInt64 *self, guint64 value);
/**
 * torvanix_providers_contracts_value_uint64_get_uint64:
 * @self: a uint64 value
 *
 * Reads the number held, as
 * torvanix_providers_contracts_value_uint64_get_itsvalue() does. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API guint64 torvanix_providers_contracts_value_uint64_get_uint64 (TorvanixProvidersContractsValueUInt64 *self);

/* ValueBoolean: a truth value */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BOOLEAN (torvanix_providers_contracts_value_boolean_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueBoolean, torvanix_providers_contracts_value_boolean,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_BOOLEAN, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueBoolean:
 *
 * A truth value ("bool", data type BOOLEAN). Readers make one for a BOOLEAN
 * column (torvanix_providers_contracts_idata_reader_get_value()),
 * torvanix_providers_contracts_ivalue_factory() for BOOLEAN (%TRUE only for
 * the text "true"), and an application with
 * torvanix_providers_contracts_value_boolean_new(). It prints as "true" or
 * "false", converts to a #GValue of %G_TYPE_BOOLEAN and implements
 * #TorvanixProvidersContractsIInteger and #TorvanixProvidersContractsIUnsigned
 * (reading 1 or 0). A value takes no lock and belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueBoolean:name:
 *
 * "bool". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueBoolean:itsvalue:
 *
 * The truth value held, a #gboolean; %FALSE by default. Read-write; a write,
 * through the property or
 * torvanix_providers_contracts_value_boolean_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueBoolean:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN. Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueBooleanClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueBoolean; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueBooleanClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_boolean_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueBoolean *torvanix_providers_contracts_value_boolean_new (gboolean value);
/**
 * torvanix_providers_contracts_value_boolean_construct:
 * @object_type: #TorvanixProvidersContractsValueBoolean or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BOOLEAN)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueBoolean *torvanix_providers_contracts_value_boolean_construct (GType object_type, gboolean value);
/**
 * torvanix_providers_contracts_value_boolean_get_itsvalue:
 * @self: a bool value
 *
 * Reads the truth value held. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 *
 * Returns: the value, or %FALSE for a wrong @self
 */
PROVIDERS_API gboolean torvanix_providers_contracts_value_boolean_get_itsvalue (TorvanixProvidersContractsValueBoolean *self);
/**
 * torvanix_providers_contracts_value_boolean_set_itsvalue:
 * @self: a bool value
 * @value: the new value
 *
 * Replaces the truth value held and notifies
 * #TorvanixProvidersContractsValueBoolean:itsvalue, also when @value is the
 * truth value held. A %NULL or wrong @self logs a CRITICAL naming this
 * function and changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_boolean_set_itsvalue (TorvanixProvidersContractsValueBoolean *self, gboolean value);
/**
 * torvanix_providers_contracts_value_boolean_get_boolean:
 * @self: a bool value
 *
 * Reads the truth value held, as
 * torvanix_providers_contracts_value_boolean_get_itsvalue() does. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 *
 * Returns: the value, or %FALSE for a wrong @self
 */
PROVIDERS_API gboolean torvanix_providers_contracts_value_boolean_get_boolean (TorvanixProvidersContractsValueBoolean *self);

/* ValueFloat: a single-precision number */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_FLOAT (torvanix_providers_contracts_value_float_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueFloat, torvanix_providers_contracts_value_float,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_FLOAT, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueFloat:
 *
 * A single-precision number ("float", data type FLOAT). Providers make one for
 * each cell of a FLOAT column, torvanix_providers_contracts_ivalue_factory()
 * for FLOAT, and an application with
 * torvanix_providers_contracts_value_float_new(). It prints with two decimals
 * ("%.2f": 1.5 prints "1.50"), converts to a #GValue of %G_TYPE_FLOAT and
 * implements #TorvanixProvidersContractsINumeric. A value takes no lock and
 * belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueFloat:name:
 *
 * "float". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueFloat:itsvalue:
 *
 * The number held: a #gfloat from -%G_MAXFLOAT to %G_MAXFLOAT; 0 by default.
 * Read-write; a write, through the property or
 * torvanix_providers_contracts_value_float_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueFloat:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueFloatClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueFloat; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueFloatClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_float_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueFloat *torvanix_providers_contracts_value_float_new (gfloat value);
/**
 * torvanix_providers_contracts_value_float_construct:
 * @object_type: #TorvanixProvidersContractsValueFloat or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_FLOAT)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueFloat *torvanix_providers_contracts_value_float_construct (GType object_type, gfloat value);
/**
 * torvanix_providers_contracts_value_float_get_itsvalue:
 * @self: a float value
 *
 * Reads the number held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gfloat torvanix_providers_contracts_value_float_get_itsvalue (TorvanixProvidersContractsValueFloat *self);
/**
 * torvanix_providers_contracts_value_float_set_itsvalue:
 * @self: a float value
 * @value: the new value
 *
 * Replaces the number held and notifies
 * #TorvanixProvidersContractsValueFloat:itsvalue, also when @value is the
 * number held. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_float_set_itsvalue (TorvanixProvidersContractsValueFloat *self, gfloat value);

/* ValueDouble: a double-precision number */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DOUBLE (torvanix_providers_contracts_value_double_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueDouble, torvanix_providers_contracts_value_double,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_DOUBLE, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueDouble:
 *
 * A double-precision number ("double", data type DOUBLE). Providers make one
 * for each cell of a DOUBLE column,
 * torvanix_providers_contracts_ivalue_factory() for DOUBLE, and an application
 * with torvanix_providers_contracts_value_double_new(). It prints with two
 * decimals ("%.2f": 1.5 prints "1.50"), converts to a #GValue of
 * %G_TYPE_DOUBLE and implements #TorvanixProvidersContractsINumeric. A value
 * takes no lock and belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueDouble:name:
 *
 * "double". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueDouble:itsvalue:
 *
 * The number held: a #gdouble from -%G_MAXDOUBLE to %G_MAXDOUBLE; 0 by
 * default. Read-write; a write, through the property or
 * torvanix_providers_contracts_value_double_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueDouble:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE. Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueDoubleClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueDouble; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueDoubleClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_double_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueDouble *torvanix_providers_contracts_value_double_new (gdouble value);
/**
 * torvanix_providers_contracts_value_double_construct:
 * @object_type: #TorvanixProvidersContractsValueDouble or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DOUBLE)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueDouble *torvanix_providers_contracts_value_double_construct (GType object_type, gdouble value);
/**
 * torvanix_providers_contracts_value_double_get_itsvalue:
 * @self: a double value
 *
 * Reads the number held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gdouble torvanix_providers_contracts_value_double_get_itsvalue (TorvanixProvidersContractsValueDouble *self);
/**
 * torvanix_providers_contracts_value_double_set_itsvalue:
 * @self: a double value
 * @value: the new value
 *
 * Replaces the number held and notifies
 * #TorvanixProvidersContractsValueDouble:itsvalue, also when @value is the
 * number held. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_double_set_itsvalue (TorvanixProvidersContractsValueDouble *self, gdouble value);

/* ValueMoney: an amount of money, held as a double */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_MONEY (torvanix_providers_contracts_value_money_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueMoney, torvanix_providers_contracts_value_money,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_MONEY, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueMoney:
 *
 * An amount of money, held as a double ("money", data type MONEY). Readers
 * make one for a MONEY column
 * (torvanix_providers_contracts_idata_reader_get_value()),
 * torvanix_providers_contracts_ivalue_factory() for MONEY, and an application
 * with torvanix_providers_contracts_value_money_new(). It prints as "%G" does
 * (1234.5 prints "1234.5", 1e7 prints "1E+07"), converts to a #GValue of
 * %G_TYPE_DOUBLE and implements #TorvanixProvidersContractsINumeric. It is
 * double precision because single precision loses cents beyond about seven
 * digits. A value takes no lock and belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueMoney:name:
 *
 * "money". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueMoney:itsvalue:
 *
 * The number held: a #gdouble from -%G_MAXDOUBLE to %G_MAXDOUBLE; 0 by
 * default. Read-write; a write, through the property or
 * torvanix_providers_contracts_value_money_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueMoney:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueMoneyClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueMoney; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueMoneyClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_money_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueMoney *torvanix_providers_contracts_value_money_new (gdouble value);
/**
 * torvanix_providers_contracts_value_money_construct:
 * @object_type: #TorvanixProvidersContractsValueMoney or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_MONEY)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueMoney *torvanix_providers_contracts_value_money_construct (GType object_type, gdouble value);
/**
 * torvanix_providers_contracts_value_money_get_itsvalue:
 * @self: a money value
 *
 * Reads the number held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gdouble torvanix_providers_contracts_value_money_get_itsvalue (TorvanixProvidersContractsValueMoney *self);
/**
 * torvanix_providers_contracts_value_money_set_itsvalue:
 * @self: a money value
 * @value: the new value
 *
 * Replaces the number held and notifies
 * #TorvanixProvidersContractsValueMoney:itsvalue, also when @value is the
 * number held. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_money_set_itsvalue (TorvanixProvidersContractsValueMoney *self, gdouble value);

/* ValueDecimal: a decimal number, held as a double */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DECIMAL (torvanix_providers_contracts_value_decimal_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueDecimal, torvanix_providers_contracts_value_decimal,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_DECIMAL, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueDecimal:
 *
 * An exact decimal number, held as a double ("decimal", data type DECIMAL).
 * Providers make one for each cell of a DECIMAL column, and an application
 * with torvanix_providers_contracts_value_decimal_new();
 * torvanix_providers_contracts_ivalue_factory() keeps the text of a DECIMAL in
 * a #TorvanixProvidersContractsValueXml instead. It prints as "%G" does
 * (1234.5 prints "1234.5"), converts to a #GValue of %G_TYPE_DOUBLE and
 * implements #TorvanixProvidersContractsINumeric. A cell read from a server
 * prints the server's own digits exactly ("1234.50"), until the value is set;
 * the double holds the nearest number. A value takes no lock and belongs to
 * one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueDecimal:name:
 *
 * "decimal". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueDecimal:itsvalue:
 *
 * The number held: a #gdouble from -%G_MAXDOUBLE to %G_MAXDOUBLE; 0 by
 * default. Read-write; a write, through the property or
 * torvanix_providers_contracts_value_decimal_set_itsvalue(), notifies once on
 * every call, also when the value is unchanged.
 */

/**
 * TorvanixProvidersContractsValueDecimal:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL. Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueDecimalClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueDecimal; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueDecimalClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_decimal_new:
 * @value: the value to hold
 *
 * Makes a value holding @value.
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueDecimal *torvanix_providers_contracts_value_decimal_new (gdouble value);
/**
 * torvanix_providers_contracts_value_decimal_construct:
 * @object_type: #TorvanixProvidersContractsValueDecimal or a subclass of it
 * @value: the value to hold
 *
 * Makes a value of @object_type holding @value, for a subclass's own
 * constructor. A type that is not this class or a subclass of it logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DECIMAL)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueDecimal *torvanix_providers_contracts_value_decimal_construct (GType object_type, gdouble value);
/**
 * torvanix_providers_contracts_value_decimal_get_itsvalue:
 * @self: a decimal value
 *
 * Reads the number held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: the value, or 0 for a wrong @self
 */
PROVIDERS_API gdouble torvanix_providers_contracts_value_decimal_get_itsvalue (TorvanixProvidersContractsValueDecimal *self);
/**
 * torvanix_providers_contracts_value_decimal_set_itsvalue:
 * @self: a decimal value
 * @value: the new value
 *
 * Replaces the number held and notifies
 * #TorvanixProvidersContractsValueDecimal:itsvalue, also when @value is the
 * number held. The value then prints as the new number, not as a server
 * spelled it. A %NULL or wrong @self logs a CRITICAL naming this function and
 * changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_decimal_set_itsvalue (TorvanixProvidersContractsValueDecimal *self, gdouble value);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_SCALAR_H */
