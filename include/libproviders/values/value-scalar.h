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
 * TorvanixProvidersContractsIIntegerInterface:
 * @to_integer: the value as a signed 64-bit integer
 *
 * Implemented by every integer and boolean value.
 */
struct _TorvanixProvidersContractsIIntegerInterface {
  GTypeInterface parent_iface;

  gint64 (*to_integer) (TorvanixProvidersContractsIInteger *self);
};

PROVIDERS_API gint64 torvanix_providers_contracts_iinteger_to_integer (TorvanixProvidersContractsIInteger *self);

/* IUnsigned -------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_IUNSIGNED (torvanix_providers_contracts_iunsigned_get_type ())
PROVIDERS_API
G_DECLARE_INTERFACE (TorvanixProvidersContractsIUnsigned, torvanix_providers_contracts_iunsigned,
                     TORVANIX_PROVIDERS_CONTRACTS, IUNSIGNED, TorvanixProvidersContractsIInteger)

/**
 * TorvanixProvidersContractsIUnsignedInterface:
 * @to_unsigned: the value as an unsigned 64-bit integer
 *
 * Implemented by the unsigned integer and boolean values; requires
 * #TorvanixProvidersContractsIInteger.
 */
struct _TorvanixProvidersContractsIUnsignedInterface {
  GTypeInterface parent_iface;

  guint64 (*to_unsigned) (TorvanixProvidersContractsIUnsigned *self);
};

PROVIDERS_API guint64 torvanix_providers_contracts_iunsigned_to_unsigned (TorvanixProvidersContractsIUnsigned *self);

/* INumeric --------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_INUMERIC (torvanix_providers_contracts_inumeric_get_type ())
PROVIDERS_API
G_DECLARE_INTERFACE (TorvanixProvidersContractsINumeric, torvanix_providers_contracts_inumeric,
                     TORVANIX_PROVIDERS_CONTRACTS, INUMERIC, GObject)

/**
 * TorvanixProvidersContractsINumericInterface:
 * @to_double: the value as a double
 *
 * Implemented by the floating, money and decimal values.
 */
struct _TorvanixProvidersContractsINumericInterface {
  GTypeInterface parent_iface;

  gdouble (*to_double) (TorvanixProvidersContractsINumeric *self);
};

PROVIDERS_API gdouble torvanix_providers_contracts_inumeric_to_double (TorvanixProvidersContractsINumeric *self);

/* The scalar classes. Each holds one number; "itsvalue" is read-write and
 * its setter notifies on every call, also when the value is unchanged. The
 * 16-bit classes use a 32-bit property and keep its low 16 bits. */

/* ValueInt8: a signed 8-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT8 (torvanix_providers_contracts_value_int8_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueInt8, torvanix_providers_contracts_value_int8,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_INT8, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueInt8Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_int8_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueInt8 *torvanix_providers_contracts_value_int8_new (gint8 value);
/**
 * torvanix_providers_contracts_value_int8_construct:
 * @object_type: ValueInt8 or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueInt8 *torvanix_providers_contracts_value_int8_construct (GType object_type, gint8 value);
PROVIDERS_API gint8 torvanix_providers_contracts_value_int8_get_itsvalue (TorvanixProvidersContractsValueInt8 *self);
PROVIDERS_API void torvanix_providers_contracts_value_int8_set_itsvalue (TorvanixProvidersContractsValueInt8 *self, gint8 value);
PROVIDERS_API gint8 torvanix_providers_contracts_value_int8_get_int8 (TorvanixProvidersContractsValueInt8 *self);

/* ValueInt16: a signed 16-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT16 (torvanix_providers_contracts_value_int16_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueInt16, torvanix_providers_contracts_value_int16,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_INT16, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueInt16Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_int16_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueInt16 *torvanix_providers_contracts_value_int16_new (gint16 value);
/**
 * torvanix_providers_contracts_value_int16_construct:
 * @object_type: ValueInt16 or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueInt16 *torvanix_providers_contracts_value_int16_construct (GType object_type, gint16 value);
PROVIDERS_API gint16 torvanix_providers_contracts_value_int16_get_itsvalue (TorvanixProvidersContractsValueInt16 *self);
PROVIDERS_API void torvanix_providers_contracts_value_int16_set_itsvalue (TorvanixProvidersContractsValueInt16 *self, gint16 value);
PROVIDERS_API gint16 torvanix_providers_contracts_value_int16_get_int16 (TorvanixProvidersContractsValueInt16 *self);

/* ValueInt32: a signed 32-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT32 (torvanix_providers_contracts_value_int32_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueInt32, torvanix_providers_contracts_value_int32,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_INT32, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueInt32Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_int32_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueInt32 *torvanix_providers_contracts_value_int32_new (gint32 value);
/**
 * torvanix_providers_contracts_value_int32_construct:
 * @object_type: ValueInt32 or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueInt32 *torvanix_providers_contracts_value_int32_construct (GType object_type, gint32 value);
PROVIDERS_API gint32 torvanix_providers_contracts_value_int32_get_itsvalue (TorvanixProvidersContractsValueInt32 *self);
PROVIDERS_API void torvanix_providers_contracts_value_int32_set_itsvalue (TorvanixProvidersContractsValueInt32 *self, gint32 value);
PROVIDERS_API gint32 torvanix_providers_contracts_value_int32_get_int32 (TorvanixProvidersContractsValueInt32 *self);

/* ValueInt64: a signed 64-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_INT64 (torvanix_providers_contracts_value_int64_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueInt64, torvanix_providers_contracts_value_int64,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_INT64, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueInt64Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_int64_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueInt64 *torvanix_providers_contracts_value_int64_new (gint64 value);
/**
 * torvanix_providers_contracts_value_int64_construct:
 * @object_type: ValueInt64 or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueInt64 *torvanix_providers_contracts_value_int64_construct (GType object_type, gint64 value);
PROVIDERS_API gint64 torvanix_providers_contracts_value_int64_get_itsvalue (TorvanixProvidersContractsValueInt64 *self);
PROVIDERS_API void torvanix_providers_contracts_value_int64_set_itsvalue (TorvanixProvidersContractsValueInt64 *self, gint64 value);
PROVIDERS_API gint64 torvanix_providers_contracts_value_int64_get_int64 (TorvanixProvidersContractsValueInt64 *self);

/* ValueUInt8: an unsigned 8-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT8 (torvanix_providers_contracts_value_uint8_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueUInt8, torvanix_providers_contracts_value_uint8,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_UINT8, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueUInt8Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_uint8_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt8 *torvanix_providers_contracts_value_uint8_new (guint8 value);
/**
 * torvanix_providers_contracts_value_uint8_construct:
 * @object_type: ValueUInt8 or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt8 *torvanix_providers_contracts_value_uint8_construct (GType object_type, guint8 value);
PROVIDERS_API guint8 torvanix_providers_contracts_value_uint8_get_itsvalue (TorvanixProvidersContractsValueUInt8 *self);
PROVIDERS_API void torvanix_providers_contracts_value_uint8_set_itsvalue (TorvanixProvidersContractsValueUInt8 *self, guint8 value);
PROVIDERS_API guint8 torvanix_providers_contracts_value_uint8_get_uint8 (TorvanixProvidersContractsValueUInt8 *self);

/* ValueUInt16: an unsigned 16-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT16 (torvanix_providers_contracts_value_uint16_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueUInt16, torvanix_providers_contracts_value_uint16,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_UINT16, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueUInt16Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_uint16_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt16 *torvanix_providers_contracts_value_uint16_new (guint16 value);
/**
 * torvanix_providers_contracts_value_uint16_construct:
 * @object_type: ValueUInt16 or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt16 *torvanix_providers_contracts_value_uint16_construct (GType object_type, guint16 value);
PROVIDERS_API guint16 torvanix_providers_contracts_value_uint16_get_itsvalue (TorvanixProvidersContractsValueUInt16 *self);
PROVIDERS_API void torvanix_providers_contracts_value_uint16_set_itsvalue (TorvanixProvidersContractsValueUInt16 *self, guint16 value);
PROVIDERS_API guint16 torvanix_providers_contracts_value_uint16_get_uint16 (TorvanixProvidersContractsValueUInt16 *self);

/* ValueUInt32: an unsigned 32-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT32 (torvanix_providers_contracts_value_uint32_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueUInt32, torvanix_providers_contracts_value_uint32,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_UINT32, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueUInt32Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_uint32_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt32 *torvanix_providers_contracts_value_uint32_new (guint32 value);
/**
 * torvanix_providers_contracts_value_uint32_construct:
 * @object_type: ValueUInt32 or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt32 *torvanix_providers_contracts_value_uint32_construct (GType object_type, guint32 value);
PROVIDERS_API guint32 torvanix_providers_contracts_value_uint32_get_itsvalue (TorvanixProvidersContractsValueUInt32 *self);
PROVIDERS_API void torvanix_providers_contracts_value_uint32_set_itsvalue (TorvanixProvidersContractsValueUInt32 *self, guint32 value);
PROVIDERS_API guint32 torvanix_providers_contracts_value_uint32_get_uint32 (TorvanixProvidersContractsValueUInt32 *self);

/* ValueUInt64: an unsigned 64-bit integer */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT64 (torvanix_providers_contracts_value_uint64_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueUInt64, torvanix_providers_contracts_value_uint64,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_UINT64, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueUInt64Class {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_uint64_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt64 *torvanix_providers_contracts_value_uint64_new (guint64 value);
/**
 * torvanix_providers_contracts_value_uint64_construct:
 * @object_type: ValueUInt64 or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueUInt64 *torvanix_providers_contracts_value_uint64_construct (GType object_type, guint64 value);
PROVIDERS_API guint64 torvanix_providers_contracts_value_uint64_get_itsvalue (TorvanixProvidersContractsValueUInt64 *self);
PROVIDERS_API void torvanix_providers_contracts_value_uint64_set_itsvalue (TorvanixProvidersContractsValueUInt64 *self, guint64 value);
PROVIDERS_API guint64 torvanix_providers_contracts_value_uint64_get_uint64 (TorvanixProvidersContractsValueUInt64 *self);

/* ValueBoolean: a truth value */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_BOOLEAN (torvanix_providers_contracts_value_boolean_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueBoolean, torvanix_providers_contracts_value_boolean,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_BOOLEAN, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueBooleanClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_boolean_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueBoolean *torvanix_providers_contracts_value_boolean_new (gboolean value);
/**
 * torvanix_providers_contracts_value_boolean_construct:
 * @object_type: ValueBoolean or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueBoolean *torvanix_providers_contracts_value_boolean_construct (GType object_type, gboolean value);
PROVIDERS_API gboolean torvanix_providers_contracts_value_boolean_get_itsvalue (TorvanixProvidersContractsValueBoolean *self);
PROVIDERS_API void torvanix_providers_contracts_value_boolean_set_itsvalue (TorvanixProvidersContractsValueBoolean *self, gboolean value);
PROVIDERS_API gboolean torvanix_providers_contracts_value_boolean_get_boolean (TorvanixProvidersContractsValueBoolean *self);

/* ValueFloat: a single-precision number */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_FLOAT (torvanix_providers_contracts_value_float_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueFloat, torvanix_providers_contracts_value_float,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_FLOAT, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueFloatClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_float_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueFloat *torvanix_providers_contracts_value_float_new (gfloat value);
/**
 * torvanix_providers_contracts_value_float_construct:
 * @object_type: ValueFloat or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueFloat *torvanix_providers_contracts_value_float_construct (GType object_type, gfloat value);
PROVIDERS_API gfloat torvanix_providers_contracts_value_float_get_itsvalue (TorvanixProvidersContractsValueFloat *self);
PROVIDERS_API void torvanix_providers_contracts_value_float_set_itsvalue (TorvanixProvidersContractsValueFloat *self, gfloat value);

/* ValueDouble: a double-precision number */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DOUBLE (torvanix_providers_contracts_value_double_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueDouble, torvanix_providers_contracts_value_double,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_DOUBLE, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueDoubleClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_double_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueDouble *torvanix_providers_contracts_value_double_new (gdouble value);
/**
 * torvanix_providers_contracts_value_double_construct:
 * @object_type: ValueDouble or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueDouble *torvanix_providers_contracts_value_double_construct (GType object_type, gdouble value);
PROVIDERS_API gdouble torvanix_providers_contracts_value_double_get_itsvalue (TorvanixProvidersContractsValueDouble *self);
PROVIDERS_API void torvanix_providers_contracts_value_double_set_itsvalue (TorvanixProvidersContractsValueDouble *self, gdouble value);

/* ValueMoney: an amount of money, held as a double */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_MONEY (torvanix_providers_contracts_value_money_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueMoney, torvanix_providers_contracts_value_money,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_MONEY, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueMoneyClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_money_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueMoney *torvanix_providers_contracts_value_money_new (gdouble value);
/**
 * torvanix_providers_contracts_value_money_construct:
 * @object_type: ValueMoney or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueMoney *torvanix_providers_contracts_value_money_construct (GType object_type, gdouble value);
PROVIDERS_API gdouble torvanix_providers_contracts_value_money_get_itsvalue (TorvanixProvidersContractsValueMoney *self);
PROVIDERS_API void torvanix_providers_contracts_value_money_set_itsvalue (TorvanixProvidersContractsValueMoney *self, gdouble value);

/* ValueDecimal: a decimal number, held as a double. One read from a server
 * prints the server's digits exactly; one made here prints "%G". */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DECIMAL (torvanix_providers_contracts_value_decimal_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueDecimal, torvanix_providers_contracts_value_decimal,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_DECIMAL, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueDecimalClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_decimal_new:
 * @value: the value to hold
 *
 * Returns: (transfer full): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueDecimal *torvanix_providers_contracts_value_decimal_new (gdouble value);
/**
 * torvanix_providers_contracts_value_decimal_construct:
 * @object_type: ValueDecimal or a subclass of it
 * @value: the value to hold
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueDecimal *torvanix_providers_contracts_value_decimal_construct (GType object_type, gdouble value);
PROVIDERS_API gdouble torvanix_providers_contracts_value_decimal_get_itsvalue (TorvanixProvidersContractsValueDecimal *self);
PROVIDERS_API void torvanix_providers_contracts_value_decimal_set_itsvalue (TorvanixProvidersContractsValueDecimal *self, gdouble value);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_SCALAR_H */
