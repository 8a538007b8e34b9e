/* The value interface and the base of every value class. */
#ifndef LIBPROVIDERS_VALUES_VALUE_CORE_H
#define LIBPROVIDERS_VALUES_VALUE_CORE_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/data-type.h>

G_BEGIN_DECLS

/* IValue ---------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_IVALUE (torvanix_providers_contracts_ivalue_get_type ())
PROVIDERS_API
G_DECLARE_INTERFACE (TorvanixProvidersContractsIValue, torvanix_providers_contracts_ivalue,
                     TORVANIX_PROVIDERS_CONTRACTS, IVALUE, GObject)

/**
 * TorvanixProvidersContractsIValueInterface:
 * @to_value: writes the value into an uninitialised GValue
 * @to_string: the value as new text
 * @clone: a new value of the same class and value
 * @dump: a one-line description for diagnostics
 * @get_name: the static short name of the value's type
 * @get_data_type: the logical data type
 * @get_is_null: whether the value is a database null
 *
 * One cell or scalar. The slot order is part of the interface.
 */
struct _TorvanixProvidersContractsIValueInterface {
  GTypeInterface parent_iface;

  void (*to_value) (TorvanixProvidersContractsIValue *self, GValue *result);
  gchar *(*to_string) (TorvanixProvidersContractsIValue *self);
  TorvanixProvidersContractsIValue *(*clone) (TorvanixProvidersContractsIValue *self);
  gchar *(*dump) (TorvanixProvidersContractsIValue *self);
  const gchar *(*get_name) (TorvanixProvidersContractsIValue *self);
  TorvanixProvidersContractsDataType (*get_data_type) (TorvanixProvidersContractsIValue *self);
  gboolean (*get_is_null) (TorvanixProvidersContractsIValue *self);
};

/**
 * torvanix_providers_contracts_ivalue_to_value:
 * @self: a value
 * @result: (out caller-allocates): an uninitialised GValue; release it
 *   with g_value_unset()
 */
PROVIDERS_API void torvanix_providers_contracts_ivalue_to_value (TorvanixProvidersContractsIValue *self, GValue *result);
/**
 * torvanix_providers_contracts_ivalue_to_string:
 * @self: a value
 *
 * Returns: (transfer full) (nullable): the value as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_ivalue_to_string (TorvanixProvidersContractsIValue *self);
/**
 * torvanix_providers_contracts_ivalue_clone:
 * @self: a value
 *
 * Returns: (transfer full) (nullable): a new value of the same class
 */
PROVIDERS_API TorvanixProvidersContractsIValue *torvanix_providers_contracts_ivalue_clone (TorvanixProvidersContractsIValue *self);
/**
 * torvanix_providers_contracts_ivalue_dump:
 * @self: a value
 *
 * Returns: (transfer full) (nullable): "TypeName => text"
 */
PROVIDERS_API gchar *torvanix_providers_contracts_ivalue_dump (TorvanixProvidersContractsIValue *self);
/**
 * torvanix_providers_contracts_ivalue_get_name:
 * @self: a value
 *
 * Returns: (transfer none) (nullable): the short type name
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_ivalue_get_name (TorvanixProvidersContractsIValue *self);
PROVIDERS_API TorvanixProvidersContractsDataType torvanix_providers_contracts_ivalue_get_data_type (TorvanixProvidersContractsIValue *self);
PROVIDERS_API gboolean torvanix_providers_contracts_ivalue_get_is_null (TorvanixProvidersContractsIValue *self);

/* ValueObject ------------------------------------------------------------ */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT (torvanix_providers_contracts_value_object_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueObject, torvanix_providers_contracts_value_object,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_OBJECT, GObject)

/**
 * TorvanixProvidersContractsValueObjectClass:
 *
 * Every value class overrides these virtuals; the IValue slots of the
 * base class forward to them. Slot order is part of the interface.
 */
struct _TorvanixProvidersContractsValueObjectClass {
  GObjectClass parent_class;

  void (*to_value) (TorvanixProvidersContractsValueObject *self, GValue *result);
  gchar *(*to_string) (TorvanixProvidersContractsValueObject *self);
  TorvanixProvidersContractsIValue *(*clone) (TorvanixProvidersContractsValueObject *self);
  gchar *(*dump) (TorvanixProvidersContractsValueObject *self);
  const gchar *(*get_name) (TorvanixProvidersContractsValueObject *self);
  TorvanixProvidersContractsDataType (*get_data_type) (TorvanixProvidersContractsValueObject *self);
  gboolean (*get_is_null) (TorvanixProvidersContractsValueObject *self);
};

/**
 * torvanix_providers_contracts_value_object_new:
 *
 * Returns: (transfer full): a plain value with no data
 */
PROVIDERS_API TorvanixProvidersContractsValueObject *torvanix_providers_contracts_value_object_new (void);
/**
 * torvanix_providers_contracts_value_object_construct:
 * @object_type: a value class to instantiate
 *
 * Returns: (transfer full) (nullable): a new instance, made with no
 *   construction properties
 */
PROVIDERS_API TorvanixProvidersContractsValueObject *torvanix_providers_contracts_value_object_construct (GType object_type);
/**
 * torvanix_providers_contracts_value_object_to_value:
 * @self: a value
 * @result: (out caller-allocates): an uninitialised GValue
 */
PROVIDERS_API void torvanix_providers_contracts_value_object_to_value (TorvanixProvidersContractsValueObject *self, GValue *result);
/**
 * torvanix_providers_contracts_value_object_to_string:
 * @self: a value
 *
 * Returns: (transfer full) (nullable): the value as text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_value_object_to_string (TorvanixProvidersContractsValueObject *self);
/**
 * torvanix_providers_contracts_value_object_clone:
 * @self: a value
 *
 * Returns: (transfer full) (nullable): a new value of the same class
 */
PROVIDERS_API TorvanixProvidersContractsIValue *torvanix_providers_contracts_value_object_clone (TorvanixProvidersContractsValueObject *self);
/**
 * torvanix_providers_contracts_value_object_dump:
 * @self: a value
 *
 * Returns: (transfer full) (nullable): "TypeName => text"
 */
PROVIDERS_API gchar *torvanix_providers_contracts_value_object_dump (TorvanixProvidersContractsValueObject *self);
/**
 * torvanix_providers_contracts_value_object_get_name:
 * @self: a value
 *
 * Returns: (transfer none) (nullable): the short type name
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_value_object_get_name (TorvanixProvidersContractsValueObject *self);
PROVIDERS_API TorvanixProvidersContractsDataType torvanix_providers_contracts_value_object_get_data_type (TorvanixProvidersContractsValueObject *self);
PROVIDERS_API gboolean torvanix_providers_contracts_value_object_get_is_null (TorvanixProvidersContractsValueObject *self);

/* ValueNull -------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL (torvanix_providers_contracts_value_null_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueNull, torvanix_providers_contracts_value_null,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_NULL, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueNullClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_null_new:
 *
 * Returns: (transfer full): a database null
 */
PROVIDERS_API TorvanixProvidersContractsValueNull *torvanix_providers_contracts_value_null_new (void);
/**
 * torvanix_providers_contracts_value_null_construct:
 * @object_type: a subclass of ValueNull
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueNull *torvanix_providers_contracts_value_null_construct (GType object_type);
/**
 * torvanix_providers_contracts_value_null_get_itsvalue:
 * @self: a null value
 *
 * Returns: (transfer none) (nullable): "NULL"
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_value_null_get_itsvalue (TorvanixProvidersContractsValueNull *self);

/* ValueError ------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ERROR (torvanix_providers_contracts_value_error_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueError, torvanix_providers_contracts_value_error,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_ERROR, TorvanixProvidersContractsValueObject)

struct _TorvanixProvidersContractsValueErrorClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_error_new:
 * @code: the error number
 * @message: the error text, copied
 *
 * Returns: (transfer full) (nullable): a new error value
 */
PROVIDERS_API TorvanixProvidersContractsValueError *torvanix_providers_contracts_value_error_new (gint code, const gchar *message);
/**
 * torvanix_providers_contracts_value_error_construct:
 * @object_type: a subclass of ValueError
 * @code: the error number
 * @message: the error text, copied
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueError *torvanix_providers_contracts_value_error_construct (GType object_type, gint code, const gchar *message);
/**
 * torvanix_providers_contracts_value_error_get_itsvalue:
 * @self: an error value
 *
 * Returns: (transfer full) (nullable): "code:message"
 */
PROVIDERS_API gchar *torvanix_providers_contracts_value_error_get_itsvalue (TorvanixProvidersContractsValueError *self);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_CORE_H */
