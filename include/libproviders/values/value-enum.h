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
 * TorvanixProvidersContractsValueEnumClass:
 * @initialize: appends copies of texts to the value's member list
 *
 * The cell of an enumeration column, held as its text ("enum", data type
 * ENUM). Besides the text each value owns a member list that only
 * @initialize fills; clones start with an empty one.
 */
struct _TorvanixProvidersContractsValueEnumClass {
  TorvanixProvidersContractsValueObjectClass parent_class;

  void (*initialize) (TorvanixProvidersContractsValueEnum *self, gchar **values, gint count);
};

/**
 * torvanix_providers_contracts_value_enum_new:
 * @enum_value: the cell's text, copied
 *
 * Returns: (transfer full) (nullable): a new value with an empty member list
 */
PROVIDERS_API TorvanixProvidersContractsValueEnum *torvanix_providers_contracts_value_enum_new (const gchar *enum_value);
/**
 * torvanix_providers_contracts_value_enum_construct:
 * @object_type: ValueEnum or a subclass
 * @enum_value: the cell's text, copied
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueEnum *torvanix_providers_contracts_value_enum_construct (GType object_type, const gchar *enum_value);
/**
 * torvanix_providers_contracts_value_enum_get_itsvalue:
 * @self: an enum, flags or set value
 *
 * Returns: (transfer none) (nullable): the held text
 */
PROVIDERS_API const gchar *torvanix_providers_contracts_value_enum_get_itsvalue (TorvanixProvidersContractsValueEnum *self);
/**
 * torvanix_providers_contracts_value_enum_set_itsvalue:
 * @self: an enum, flags or set value
 * @value: (nullable): the new text, copied
 *
 * Always notifies "itsvalue", also when the text is unchanged.
 */
PROVIDERS_API void torvanix_providers_contracts_value_enum_set_itsvalue (TorvanixProvidersContractsValueEnum *self, const gchar *value);
/**
 * torvanix_providers_contracts_value_enum_initialize:
 * @self: an enum, flags or set value
 * @values: (array length=count) (nullable): texts to append
 * @count: how many of @values to append; below 1 appends nothing
 *
 * Calls the class's @initialize.
 */
PROVIDERS_API void torvanix_providers_contracts_value_enum_initialize (TorvanixProvidersContractsValueEnum *self, gchar **values, gint count);

/* ValueFlags --------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_FLAGS (torvanix_providers_contracts_value_flags_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueFlags, torvanix_providers_contracts_value_flags,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_FLAGS, TorvanixProvidersContractsValueEnum)

/**
 * TorvanixProvidersContractsValueFlagsClass:
 *
 * The cell of a flags column, held as its text ("flags", data type FLAGS).
 */
struct _TorvanixProvidersContractsValueFlagsClass {
  TorvanixProvidersContractsValueEnumClass parent_class;
};

/**
 * torvanix_providers_contracts_value_flags_new:
 * @flag_value: the cell's text, copied
 *
 * Returns: (transfer full) (nullable): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueFlags *torvanix_providers_contracts_value_flags_new (const gchar *flag_value);
/**
 * torvanix_providers_contracts_value_flags_construct:
 * @object_type: ValueFlags or a subclass
 * @flag_value: the cell's text, copied
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueFlags *torvanix_providers_contracts_value_flags_construct (GType object_type, const gchar *flag_value);

/* ValueSet ----------------------------------------------------------------- */

#define TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_SET (torvanix_providers_contracts_value_set_get_type ())
PROVIDERS_API
G_DECLARE_DERIVABLE_TYPE (TorvanixProvidersContractsValueSet, torvanix_providers_contracts_value_set,
                          TORVANIX_PROVIDERS_CONTRACTS, VALUE_SET, TorvanixProvidersContractsValueEnum)

/**
 * TorvanixProvidersContractsValueSetClass:
 *
 * The cell of a set column, held as its text ("set", data type SET).
 */
struct _TorvanixProvidersContractsValueSetClass {
  TorvanixProvidersContractsValueEnumClass parent_class;
};

/**
 * torvanix_providers_contracts_value_set_new:
 * @set_value: the cell's text, copied
 *
 * Returns: (transfer full) (nullable): a new value
 */
PROVIDERS_API TorvanixProvidersContractsValueSet *torvanix_providers_contracts_value_set_new (const gchar *set_value);
/**
 * torvanix_providers_contracts_value_set_construct:
 * @object_type: ValueSet or a subclass
 * @set_value: the cell's text, copied
 *
 * Returns: (transfer full) (nullable): a new instance
 */
PROVIDERS_API TorvanixProvidersContractsValueSet *torvanix_providers_contracts_value_set_construct (GType object_type, const gchar *set_value);

G_END_DECLS

#endif /* LIBPROVIDERS_VALUES_VALUE_ENUM_H */
