/* Enum, flags and set values. */
#ifndef LIBPROVIDERS_VALUES_VALUE_ENUM_H
#define LIBPROVIDERS_VALUES_VALUE_ENUM_H

#include <glib-object.h>
#include <libproviders/providers-macros.h>
#include <libproviders/values/value-core.h>

G_BEGIN_DECLS

/* ValueEnum ---------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_ENUM (torvanix_providers_contracts_value_enum_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueEnum, torvanix_providers_contracts_value_enum,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_ENUM, TorvanixProvidersContractsValueObject)

/**
 * TorvanixProvidersContractsValueEnum:
 *
 * The cell of an enumeration column, held as its text ("enum", data type
 * ENUM): the member's name, such as "medium". Providers make one for each cell
 * of an ENUM column, readers through
 * torvanix_providers_contracts_idata_reader_get_enum(), and an application
 * with torvanix_providers_contracts_value_enum_new();
 * torvanix_providers_contracts_ivalue_factory() keeps the text of an ENUM in a
 * #TorvanixProvidersContractsValueXml instead.
 * #TorvanixProvidersContractsValueFlags and
 * #TorvanixProvidersContractsValueSet are kinds of it. Nothing here takes the
 * text apart or checks it against the column's members.
 *
 * It prints its text and converts to %G_TYPE_STRING. A text set to %NULL
 * prints %NULL after the CRITICAL `itsvalue != NULL` naming
 * torvanix_providers_contracts_value_object_to_string(), and still clones.
 *
 * Besides the text each value owns a list of member texts that only
 * torvanix_providers_contracts_value_enum_initialize() fills and no function
 * of the library reads; a clone starts with an empty list. A value takes no
 * lock and belongs to one thread at a time;
 * torvanix_providers_contracts_value_enum_get_itsvalue() lends its text.
 */

/**
 * TorvanixProvidersContractsValueEnum:name:
 *
 * "enum"; each kind answers its own. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueEnum:itsvalue:
 *
 * The text held; %NULL for an instance made with g_object_new() and when set
 * so. Read-write; a write, through the property or
 * torvanix_providers_contracts_value_enum_set_itsvalue(), copies the text and
 * notifies once on every call, also when the text is unchanged.
 */

/**
 * TorvanixProvidersContractsValueEnum:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM; each kind answers its own.
 * Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueEnumClass:
 * @parent_class: the parent class
 * @initialize: appends a copy of each of the first @count texts of @values to
 *   the value's member list; nothing when @count is below 1 or @values is
 *   %NULL
 *
 * The class of #TorvanixProvidersContractsValueEnum.
 */
struct _TorvanixProvidersContractsValueEnumClass {
  TorvanixProvidersContractsValueObjectClass parent_class;

  void (*initialize) (TorvanixProvidersContractsValueEnum *self, gchar **values, gint count);
};

/**
 * torvanix_providers_contracts_value_enum_new:
 * @enum_value: the cell's text, copied
 *
 * Makes an enum value with an empty member list. A %NULL @enum_value logs the
 * CRITICAL `enum_value != NULL` naming
 * torvanix_providers_contracts_value_enum_construct().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @enum_value
 *   is %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueEnum *torvanix_providers_contracts_value_enum_new (const gchar *enum_value);
/**
 * torvanix_providers_contracts_value_enum_construct:
 * @object_type: #TorvanixProvidersContractsValueEnum or a subclass of it
 * @enum_value: the cell's text, copied
 *
 * Makes an enum value of @object_type, for a subclass's own constructor. A
 * %NULL @enum_value, or a type that is not this class or a subclass of it,
 * logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueEnum *torvanix_providers_contracts_value_enum_construct (GType object_type, const gchar *enum_value);
/**
 * torvanix_providers_contracts_value_enum_get_itsvalue:
 * @self: an enum, flags or set value
 *
 * Lends the text held. A %NULL or wrong @self logs a CRITICAL naming this
 * function.
 *
 * Returns: (transfer none) (nullable): the text, valid until it changes; %NULL
 *   when set so or for a wrong @self
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_value_enum_get_itsvalue (TorvanixProvidersContractsValueEnum *self);
/**
 * torvanix_providers_contracts_value_enum_set_itsvalue:
 * @self: an enum, flags or set value
 * @value: (nullable): the new text, copied; it may be the text held
 *
 * Replaces the text and notifies
 * #TorvanixProvidersContractsValueEnum:itsvalue, also when the text is
 * unchanged. The member list stays as it is. A %NULL or wrong @self logs a
 * CRITICAL naming this function and changes nothing.
 */
PROVIDERS_API void torvanix_providers_contracts_value_enum_set_itsvalue (TorvanixProvidersContractsValueEnum *self, const gchar *value);
/**
 * torvanix_providers_contracts_value_enum_initialize:
 * @self: an enum, flags or set value
 * @values: (array length=count) (nullable): texts to append
 * @count: how many of @values to append; below 1 appends nothing
 *
 * Calls the class's @initialize, which appends copies of the texts to the
 * value's member list; the text held is left alone. A %NULL or wrong @self, or
 * a %NULL @values with a @count above 0 (the CRITICAL
 * `count < 1 || values != NULL`), logs a CRITICAL naming this function.
 */
PROVIDERS_API void torvanix_providers_contracts_value_enum_initialize (TorvanixProvidersContractsValueEnum *self, gchar **values, gint count);

/* ValueFlags --------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_FLAGS (torvanix_providers_contracts_value_flags_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueFlags, torvanix_providers_contracts_value_flags,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_FLAGS, TorvanixProvidersContractsValueEnum)

/**
 * TorvanixProvidersContractsValueFlags:
 *
 * The cell of a flags column, held as its text ("flags", data type FLAGS): the
 * names of the flags set, as the server writes them. A kind of
 * #TorvanixProvidersContractsValueEnum with its behaviour under its own name
 * and data type; nothing takes the text apart. Readers make one through
 * torvanix_providers_contracts_idata_reader_get_flag();
 * torvanix_providers_contracts_ivalue_factory() keeps the text of a FLAGS in a
 * #TorvanixProvidersContractsValueXml instead. A value takes no lock and
 * belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueFlags:name:
 *
 * "flags". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueFlags:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueFlagsClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueFlags; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueFlagsClass {
  TorvanixProvidersContractsValueEnumClass parent_class;
};

/**
 * torvanix_providers_contracts_value_flags_new:
 * @flag_value: the cell's text, copied
 *
 * Makes a flags value with an empty member list. A %NULL @flag_value logs the
 * CRITICAL `flag_value != NULL` naming
 * torvanix_providers_contracts_value_flags_construct().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @flag_value
 *   is %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueFlags *torvanix_providers_contracts_value_flags_new (const gchar *flag_value);
/**
 * torvanix_providers_contracts_value_flags_construct:
 * @object_type: #TorvanixProvidersContractsValueFlags or a subclass of it
 * @flag_value: the cell's text, copied
 *
 * Makes a flags value of @object_type, for a subclass's own constructor. A
 * %NULL @flag_value, or a type that is not this class or a subclass of it,
 * logs a CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueFlags *torvanix_providers_contracts_value_flags_construct (GType object_type, const gchar *flag_value);

/* ValueSet ----------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_SET (torvanix_providers_contracts_value_set_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueSet, torvanix_providers_contracts_value_set,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_SET, TorvanixProvidersContractsValueEnum)

/**
 * TorvanixProvidersContractsValueSet:
 *
 * The cell of a set column, held as its text ("set", data type SET): the
 * members it holds, as the server writes them ("red,green"). A kind of
 * #TorvanixProvidersContractsValueEnum with its behaviour under its own name
 * and data type; nothing takes the text apart. Providers make one for each
 * cell of a SET column, and readers through
 * torvanix_providers_contracts_idata_reader_get_set();
 * torvanix_providers_contracts_ivalue_factory() keeps the text of a SET in a
 * #TorvanixProvidersContractsValueXml instead. A value takes no lock and
 * belongs to one thread at a time.
 */

/**
 * TorvanixProvidersContractsValueSet:name:
 *
 * "set". Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueSet:data-type:
 *
 * %TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_SET. Read-only; it never notifies.
 */

/**
 * TorvanixProvidersContractsValueSetClass:
 * @parent_class: the parent class
 *
 * The class of #TorvanixProvidersContractsValueSet; it adds no virtual
 * functions.
 */
struct _TorvanixProvidersContractsValueSetClass {
  TorvanixProvidersContractsValueEnumClass parent_class;
};

/**
 * torvanix_providers_contracts_value_set_new:
 * @set_value: the cell's text, copied
 *
 * Makes a set value with an empty member list. A %NULL @set_value logs the
 * CRITICAL `set_value != NULL` naming
 * torvanix_providers_contracts_value_set_construct().
 *
 * Returns: (transfer full) (nullable): a new value, or %NULL when @set_value
 *   is %NULL
 */
PROVIDERS_API TorvanixProvidersContractsValueSet *torvanix_providers_contracts_value_set_new (const gchar *set_value);
/**
 * torvanix_providers_contracts_value_set_construct:
 * @object_type: #TorvanixProvidersContractsValueSet or a subclass of it
 * @set_value: the cell's text, copied
 *
 * Makes a set value of @object_type, for a subclass's own constructor. A %NULL
 * @set_value, or a type that is not this class or a subclass of it, logs a
 * CRITICAL naming this function.
 *
 * Returns: (transfer full) (nullable): a new instance of @object_type, or
 *   %NULL for a wrong argument
 */
PROVIDERS_API TorvanixProvidersContractsValueSet *torvanix_providers_contracts_value_set_construct (GType object_type, const gchar *set_value);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_ENUM_H */
