/* Pieces shared by the value classes beyond the standard properties of
 * value-object-private.h. */
#pragma once

#include "libproviders/values/value-core.h"

#include "contracts/values/value-object-private.h"

namespace providers::values {

/* For a class that refines another value class and adds no value of its
 * own (ValueDate, ValueFlags, ValueGeography...): installs its own
 * read-only "name" and "data-type", answered by its virtuals; "itsvalue"
 * and "is-null" stay those of its ancestors. */
void install_name_and_data_type (GObjectClass *object_class);

/* Flags of a writable "itsvalue". Its setter notifies on every call, so a
 * write through the property must not be notified a second time. */
inline constexpr GParamFlags kItsvalueFlags =
    static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_STATIC_STRINGS | G_PARAM_EXPLICIT_NOTIFY);

/* "itsvalue" of a class that holds its value as text: a read-write string
 * whose setter notifies on every call. */
GParamSpec *text_itsvalue_pspec ();

/* For a class that introduces a value: installs "name", `itsvalue` and
 * "data-type", in that order, and returns `itsvalue`, which the class keeps
 * to notify and to tell its own property apart in get_property and
 * set_property (get_standard_property answers the other two). */
GParamSpec *install_value_properties (GObjectClass *object_class, GParamSpec *itsvalue);

/* The properties of a class whose "itsvalue" is read-only text it
 * prints (ValueNull, ValueError): "name", that "itsvalue", "data-type" and
 * its own "is-null", rather than the inherited one. */
void install_read_only_text_properties (GObjectClass *object_class);

/* get_property of such a class: "itsvalue" is `text` (), a new string;
 * the other properties are the standard ones. */
template <gchar *(*text) (TorvanixProvidersContractsValueObject *)>
void
read_only_text_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  if (prop_id == PROP_ITSVALUE)
    g_value_take_string (value, text (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (object)));
  else if (!get_standard_property (object, prop_id, value))
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

}  // namespace providers::values

/* Registers TorvanixProvidersContracts<Name>, a kind of the value class
 * `parent_type` that keeps its parent's value and behaviour and answers
 * its own short name and data type (ValueFlags, ValueBlob, ValueXml...).
 * The trailing code runs in its class init with `value_class` set, for the
 * slots the kind answers otherwise (how ValueDate prints). */
#define PROVIDERS_DEFINE_VALUE_KIND_WITH_CODE(Name, lower, parent_type, short_name, DATA_TYPE, ...)               \
  G_DEFINE_TYPE (TorvanixProvidersContracts##Name, torvanix_providers_contracts_##lower, parent_type)              \
  static void torvanix_providers_contracts_##lower##_class_init (TorvanixProvidersContracts##Name##Class *klass)   \
  {                                                                                                              \
    auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);                                 \
    value_class->get_name = [] (TorvanixProvidersContractsValueObject *) -> const gchar * { return short_name; }; \
    value_class->get_data_type = [] (TorvanixProvidersContractsValueObject *) {                                  \
      return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_##DATA_TYPE;                                                 \
    };                                                                                                           \
    __VA_ARGS__                                                                                                  \
    providers::values::install_name_and_data_type (G_OBJECT_CLASS (klass));                                      \
  }                                                                                                              \
  static void torvanix_providers_contracts_##lower##_init (TorvanixProvidersContracts##Name *) {}

#define PROVIDERS_DEFINE_VALUE_KIND(Name, lower, parent_type, short_name, DATA_TYPE) \
  PROVIDERS_DEFINE_VALUE_KIND_WITH_CODE (Name, lower, parent_type, short_name, DATA_TYPE, )
