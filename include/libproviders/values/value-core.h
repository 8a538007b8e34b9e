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
 * TorvanixProvidersContractsIValue:
 *
 * One cell of a result, or the answer of a scalar statement: what every value
 * class shares. Providers make values for the cells of a table
 * (torvanix_providers_contracts_iprovider_execute_model()), for a reader
 * (torvanix_providers_contracts_idata_reader_get_value()) and for
 * torvanix_providers_contracts_iprovider_execute_scalar();
 * torvanix_providers_contracts_ivalue_factory() makes one of any data type
 * from text, and an application makes one with a value class's own
 * constructor.
 *
 * Every implementation in the library is a
 * #TorvanixProvidersContractsValueObject, whose slots forward to its class
 * virtuals, so the interface and the class answer alike. A value takes no
 * lock: like everything a provider hands out it belongs to one thread at a
 * time. What the functions answer is the caller's (transfer full), except the
 * static name of torvanix_providers_contracts_ivalue_get_name().
 */

/**
 * TorvanixProvidersContractsIValue:name:
 *
 * The short name of the value's type, as
 * torvanix_providers_contracts_ivalue_get_name() answers it ("int32",
 * "string", "NULL"). Read-only; it never changes, so it never notifies.
 */

/**
 * TorvanixProvidersContractsIValue:data-type:
 *
 * The logical type of the value, as
 * torvanix_providers_contracts_ivalue_get_data_type() answers it; the default
 * is %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN. Read-only; it never
 * changes, so it never notifies.
 */

/**
 * TorvanixProvidersContractsIValue:is-null:
 *
 * Whether the value is the database null, as
 * torvanix_providers_contracts_ivalue_get_is_null() answers it; %FALSE by
 * default. Read-only; it never changes, so it never notifies.
 */

/**
 * TorvanixProvidersContractsIValueInterface:
 * @parent_iface: the parent interface
 * @to_value: initialises the given, unset #GValue to the value's own GType and
 *   stores the value in it
 * @to_string: answers the value as new text, or %NULL for none
 * @clone: answers a new value of the same class holding the same value
 * @dump: answers a new one-line description for diagnostics
 * @get_name: answers the static short name of the value's type
 * @get_data_type: answers the logical data type
 * @get_is_null: answers whether the value is the database null
 *
 * The slots of #TorvanixProvidersContractsIValue. The slot order is part of
 * the interface. A slot left %NULL makes its function answer the zero value
 * (%NULL, %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, %FALSE).
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
 * @result: (out caller-allocates): an uninitialised GValue; release it with
 *   g_value_unset()
 *
 * Stores the value in a #GValue of its own GType: a number in the GType of its
 * class (see each class), text as %G_TYPE_STRING, bytes as #GBytes, a
 * date-time as #GDateTime, a date as #GDate, an error as #GError, the database
 * null as the string "NULL". A %NULL or wrong @self, a %NULL @result or a
 * @result already initialised (the CRITICAL `!G_IS_VALUE (result)`) logs a
 * CRITICAL naming this function and leaves @result untouched.
 */
PROVIDERS_API void torvanix_providers_contracts_ivalue_to_value (TorvanixProvidersContractsIValue *self, GValue *result);
/**
 * torvanix_providers_contracts_ivalue_to_string:
 * @self: a value
 *
 * Prints the value as its class prints it: each class says its format. The
 * database null and a plain #TorvanixProvidersContractsValueObject print "". A
 * %NULL or wrong @self logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): the value as text, or %NULL for a wrong
 *   @self or a value without text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_ivalue_to_string (TorvanixProvidersContractsIValue *self);
/**
 * torvanix_providers_contracts_ivalue_clone:
 * @self: a value
 *
 * Copies the value: the copy is a new object of the same class (a subclass's
 * included) that holds an equal value and prints the same text. A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL for a wrong @self
 */
PROVIDERS_API TorvanixProvidersContractsIValue *torvanix_providers_contracts_ivalue_clone (TorvanixProvidersContractsIValue *self);
/**
 * torvanix_providers_contracts_ivalue_dump:
 * @self: a value
 *
 * Describes the value in one line for diagnostics: its registered type name, "
 * => " and its text, such as "TorvanixProvidersContractsValueInt32 => 42"; a
 * value without text ends in "(null)". A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 *
 * Returns: (transfer full) (nullable): the description, or %NULL for a wrong
 *   @self
 */
PROVIDERS_API gchar *torvanix_providers_contracts_ivalue_dump (TorvanixProvidersContractsIValue *self);
/**
 * torvanix_providers_contracts_ivalue_get_name:
 * @self: a value
 *
 * Names the value's type in short, as each class says ("int32", "bool",
 * "datetime", "NULL"; "UNKNOWN" for a plain value object). A %NULL or wrong
 * @self logs a CRITICAL naming this function.
 *
 * Returns: (transfer none) (nullable): the static short type name, or %NULL
 *   for a wrong @self
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_ivalue_get_name (TorvanixProvidersContractsIValue *self);
/**
 * torvanix_providers_contracts_ivalue_get_data_type:
 * @self: a value
 *
 * Tells the logical type of the value; a class that refines another answers
 * its own (a #TorvanixProvidersContractsValueDate answers DATE). A %NULL or
 * wrong @self logs a CRITICAL naming this function.
 *
 * Returns: the data type, or %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN
 *   for a wrong @self
 */
PROVIDERS_API TorvanixProvidersContractsDataType torvanix_providers_contracts_ivalue_get_data_type (TorvanixProvidersContractsIValue *self);
/**
 * torvanix_providers_contracts_ivalue_get_is_null:
 * @self: a value
 *
 * Tells whether the value is the database null: %TRUE only for a
 * #TorvanixProvidersContractsValueNull. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 *
 * Returns: %TRUE for the database null; %FALSE otherwise and for a wrong @self
 */
PROVIDERS_API gboolean torvanix_providers_contracts_ivalue_get_is_null (TorvanixProvidersContractsIValue *self);

/* ValueObject ------------------------------------------------------------ */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT (torvanix_providers_contracts_value_object_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueObject, torvanix_providers_contracts_value_object,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_OBJECT, GObject)

/**
 * TorvanixProvidersContractsValueObject:
 *
 * The base class of every value class, and itself a value without data: it
 * prints "", converts to the string "" and is named "UNKNOWN". Providers hand
 * a plain value object for a cell they do not interpret (OBJECT, VARIANT), and
 * torvanix_providers_contracts_ivalue_factory() answers one for OBJECT.
 *
 * It implements #TorvanixProvidersContractsIValue by forwarding each slot to
 * the class virtual of the same name, so a subclass overrides the class only.
 * Constructors set no construction properties. A value takes no lock and
 * belongs to one thread at a time; what its functions answer is the caller's
 * (transfer full), except the static name.
 */

/**
 * TorvanixProvidersContractsValueObject:name:
 *
 * The short name of the value's type
 * (torvanix_providers_contracts_value_object_get_name()). Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueObject:data-type:
 *
 * The logical type of the value
 * (torvanix_providers_contracts_value_object_get_data_type());
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN for a plain value object.
 * Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueObject:is-null:
 *
 * Whether the value is the database null
 * (torvanix_providers_contracts_value_object_get_is_null()); %FALSE except for
 * #TorvanixProvidersContractsValueNull. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueObjectClass:
 * @parent_class: the parent class
 * @to_value: initialises the given, unset #GValue and stores the value in it;
 *   the base class stores the string ""
 * @to_string: answers the value as new text; the base class answers ""
 * @clone: answers a new value of the same class; the base class answers a new
 *   plain value object
 * @dump: answers "TypeName => text" for diagnostics
 * @get_name: answers the static short name; the base class answers "UNKNOWN"
 * @get_data_type: answers the logical data type; the base class answers
 *   %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN
 * @get_is_null: answers whether the value is the database null; the base class
 *   answers %FALSE
 *
 * The class of #TorvanixProvidersContractsValueObject. Every value class
 * overrides these virtuals; the #TorvanixProvidersContractsIValue slots of the
 * base class forward to them. The slot order is part of the interface.
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
 * Makes a plain value with no data, which prints "".
 *
 * Returns: (transfer full): a new value object
 */
PROVIDERS_API TorvanixProvidersContractsValueObject *torvanix_providers_contracts_value_object_new (void);
/**
 * torvanix_providers_contracts_value_object_construct:
 * @object_type: #TorvanixProvidersContractsValueObject or a subclass of it
 *
 * Makes an instance of @object_type with no construction properties, for a
 * subclass's own constructor. A type that is not a value class logs the
 * CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueObject *torvanix_providers_contracts_value_object_construct (GType object_type);
/**
 * torvanix_providers_contracts_value_object_to_value:
 * @self: a value
 * @result: (out caller-allocates): an uninitialised GValue; release it with
 *   g_value_unset()
 *
 * Calls the class's @to_value, which initialises @result to the value's own
 * GType and stores the value in it (see
 * torvanix_providers_contracts_ivalue_to_value()). A %NULL or wrong @self, a
 * %NULL @result or a @result already initialised (the CRITICAL
 * `!G_IS_VALUE (result)`) logs a CRITICAL naming this function and leaves
 * @result untouched.
 */
PROVIDERS_API void torvanix_providers_contracts_value_object_to_value (TorvanixProvidersContractsValueObject *self, GValue *result);
/**
 * torvanix_providers_contracts_value_object_to_string:
 * @self: a value
 *
 * Calls the class's @to_string: the value printed as its class prints it. A
 * %NULL or wrong @self logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): the value as text, or %NULL for a wrong
 *   @self or a value without text
 */
PROVIDERS_API gchar *torvanix_providers_contracts_value_object_to_string (TorvanixProvidersContractsValueObject *self);
/**
 * torvanix_providers_contracts_value_object_clone:
 * @self: a value
 *
 * Calls the class's @clone: a new object of the same class holding an equal
 * value. A %NULL or wrong @self logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL for a wrong @self
 */
PROVIDERS_API TorvanixProvidersContractsIValue *torvanix_providers_contracts_value_object_clone (TorvanixProvidersContractsValueObject *self);
/**
 * torvanix_providers_contracts_value_object_dump:
 * @self: a value
 *
 * Calls the class's @dump: the registered type name, " => " and the value's
 * text, "(null)" for a value without text. A %NULL or wrong @self logs a
 * CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): the description, or %NULL for a wrong
 *   @self
 */
PROVIDERS_API gchar *torvanix_providers_contracts_value_object_dump (TorvanixProvidersContractsValueObject *self);
/**
 * torvanix_providers_contracts_value_object_get_name:
 * @self: a value
 *
 * Calls the class's @get_name. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 *
 * Returns: (transfer none) (nullable): the static short type name, or %NULL
 *   for a wrong @self
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_value_object_get_name (TorvanixProvidersContractsValueObject *self);
/**
 * torvanix_providers_contracts_value_object_get_data_type:
 * @self: a value
 *
 * Calls the class's @get_data_type. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 *
 * Returns: the data type, or %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN
 *   for a wrong @self
 */
PROVIDERS_API TorvanixProvidersContractsDataType torvanix_providers_contracts_value_object_get_data_type (TorvanixProvidersContractsValueObject *self);
/**
 * torvanix_providers_contracts_value_object_get_is_null:
 * @self: a value
 *
 * Calls the class's @get_is_null. A %NULL or wrong @self logs a CRITICAL
 * naming this function.
 *
 * Returns: %TRUE for the database null; %FALSE otherwise and for a wrong @self
 */
PROVIDERS_API gboolean torvanix_providers_contracts_value_object_get_is_null (TorvanixProvidersContractsValueObject *self);

/* ValueNull -------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL (torvanix_providers_contracts_value_null_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueNull, torvanix_providers_contracts_value_null,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_NULL, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueNull:
 *
 * The database null ("NULL", data type DBNULL): the value of every SQL NULL
 * cell a provider reads, whatever its column's type, and of
 * torvanix_providers_contracts_ivalue_factory() for DBNULL. It prints "",
 * converts to the string "NULL" and is the only class whose
 * torvanix_providers_contracts_ivalue_get_is_null() answers %TRUE. It holds
 * nothing, so it may be read from any thread.
 */

/**
 * TorvanixProvidersContractsValueNull:name:
 *
 * "NULL". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueNull:itsvalue:
 *
 * The text "NULL", always. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueNull:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL. Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueNull:is-null:
 *
 * %TRUE, always. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueNullClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueNull; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueNullClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_null_new:
 *
 * Makes a database null.
 *
 * Returns: (transfer full): a new null value
 */
PROVIDERS_API TorvanixProvidersContractsValueNull *torvanix_providers_contracts_value_null_new (void);
/**
 * torvanix_providers_contracts_value_null_construct:
 * @object_type: #TorvanixProvidersContractsValueNull or a subclass of it
 *
 * Makes a null of @object_type, for a subclass's own constructor. A type that
 * is not this class or a subclass of it logs the CRITICAL
 * `g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL)`
 * naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   @object_type
 */
PROVIDERS_API TorvanixProvidersContractsValueNull *torvanix_providers_contracts_value_null_construct (GType object_type);
/**
 * torvanix_providers_contracts_value_null_get_itsvalue:
 * @self: a null value
 *
 * Answers the text of the null. A %NULL or wrong @self logs a CRITICAL naming
 * this function.
 *
 * Returns: (transfer none) (nullable): the static text "NULL", or %NULL for a
 *   wrong @self
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_value_null_get_itsvalue (TorvanixProvidersContractsValueNull *self);

/* ValueError ------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ERROR (torvanix_providers_contracts_value_error_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueError, torvanix_providers_contracts_value_error,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_ERROR, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueError:
 *
 * An error number and message carried as a value ("error", data type ERROR): a
 * provider's torvanix_providers_contracts_iprovider_execute_statements()
 * answers one for each statement of a batch that failed, in that statement's
 * place. It prints "code:message" ("1064:You have an error"), converts to a
 * #GError of the domain "SQL" with the same code and message, and never
 * changes once made, so it may be read from any thread.
 */

/**
 * TorvanixProvidersContractsValueError:name:
 *
 * "error". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueError:itsvalue:
 *
 * The error as "code:message", a new text on each read. Read-only; it never
 * notifies.
 */

/**
 * TorvanixProvidersContractsValueError:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueError:is-null:
 *
 * %FALSE, always. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueErrorClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueError; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueErrorClass {
  TorvanixProvidersContractsValueObjectClass parent_class;
};

/**
 * torvanix_providers_contracts_value_error_new:
 * @code: the error number
 * @message: the error text, copied
 *
 * Makes an error value. A %NULL @message logs the CRITICAL `message != NULL`
 * naming torvanix_providers_contracts_value_error_construct().
 *
 * Returns: (transfer full) (nullable): a new error value, or %NULL for a %NULL
 *   @message
 */
PROVIDERS_API TorvanixProvidersContractsValueError *torvanix_providers_contracts_value_error_new (gint code, const gchar *message);
/**
 * torvanix_providers_contracts_value_error_construct:
 * @object_type: #TorvanixProvidersContractsValueError or a subclass of it
 * @code: the error number
 * @message: the error text, copied
 *
 * Makes an error value of @object_type, for a subclass's own constructor. A
 * %NULL @message, or a type that is not this class or a subclass of it, logs a
 * CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance, or %NULL for a wrong
 *   argument
 */
PROVIDERS_API TorvanixProvidersContractsValueError *torvanix_providers_contracts_value_error_construct (GType object_type, gint code, const gchar *message);
/**
 * torvanix_providers_contracts_value_error_get_itsvalue:
 * @self: an error value
 *
 * Prints the error as its number, a colon and its message, the same text as
 * torvanix_providers_contracts_ivalue_to_string(). A %NULL or wrong @self logs
 * a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): "code:message", or %NULL for a wrong
 *   @self
 */
PROVIDERS_API gchar *torvanix_providers_contracts_value_error_get_itsvalue (TorvanixProvidersContractsValueError *self);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_CORE_H */
