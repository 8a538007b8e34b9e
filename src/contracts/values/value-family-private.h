/* One value class from its traits: the registered type, its private data,
 * clone, name, data type and the "itsvalue" property, for every family
 * that holds one value of its own (text, UTF-16 text, binary, date and
 * time, time span, enum, geometry).
 *
 * A family's traits name what differs:
 *   PROVIDERS_VALUE_NAMES  the C structs of the public header, the registered
 *                          name, the short name and the data type
 *   Private                the private data, a C++ class the type's instance
 *                          init builds and its finalize destroys
 *   Held                   the C type of "itsvalue" as get_itsvalue answers it
 *   itsvalue_spec ()       the property's description
 *   get (const Private &)  what get_itsvalue and the property answer
 *   set (Private &, Held)  what set_itsvalue and the property store, without
 *                          notification
 *   copy (const Private &, Private &)  what a clone holds
 * and may add the slots named after the public route that reaches them
 * (torvanix_providers_contracts_value_object_to_value and _to_string,
 * given the private data), so that a check in them reports that name; a
 * `set_property (Private &, const GValue *)` where the property stores
 * otherwise than set_itsvalue; and `class_init (Class *)` for slots of the
 * class's own. */
#pragma once

#include "common/check.h"
#include "contracts/values/value-class-private.h"
#include "contracts/values/value-object-private.h"

#include <new>
#include <type_traits>

namespace providers::values {

/* The GValue side of "itsvalue", by the C type it holds. */
template <typename Held>
struct GValueSide;

template <>
struct GValueSide<const gchar *> {
  static const gchar *get (const GValue *v) { return g_value_get_string (v); }
  static void set (GValue *v, const gchar *x) { g_value_set_string (v, x); }
};

template <>
struct GValueSide<gint64> {
  static gint64 get (const GValue *v) { return g_value_get_int64 (v); }
  static void set (GValue *v, gint64 x) { g_value_set_int64 (v, x); }
};

template <>
struct GValueSide<gunichar2 *> {
  static gunichar2 *get (const GValue *v) { return static_cast<gunichar2 *> (g_value_get_pointer (v)); }
  static void set (GValue *v, gunichar2 *x) { g_value_set_pointer (v, x); }
};

/* GBytes, GDateTime: a boxed type, set and read without a copy. */
template <typename Boxed>
struct GValueSide<Boxed *> {
  static Boxed *get (const GValue *v) { return static_cast<Boxed *> (g_value_get_boxed (v)); }
  static void set (GValue *v, Boxed *x) { g_value_set_boxed (v, x); }
};

/* The first line of a family's traits: TorvanixProvidersContracts<Name>
 * registered under its C name, answering `short_name` and DATA_TYPE. */
#define PROVIDERS_VALUE_NAMES(Name, short_name, DATA_TYPE)                                                         \
  using Instance = TorvanixProvidersContracts##Name;                                                               \
  using Class = TorvanixProvidersContracts##Name##Class;                                                           \
  static constexpr const char *type_name = "TorvanixProvidersContracts" #Name;                                     \
  static constexpr const char *name = short_name;                                                                  \
  static constexpr TorvanixProvidersContractsDataType data_type = TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_##DATA_TYPE

/* What the families that hold UTF-8 text in `itsvalue` share: a string
 * property and a string GValue. */
struct TextHeld {
  using Held = const gchar *;
  static GParamSpec *itsvalue_spec () { return text_itsvalue_pspec (); }
  template <typename Private>
  static const gchar *get (const Private &p)
  {
    return p.itsvalue;
  }
  template <typename Private>
  static void torvanix_providers_contracts_value_object_to_value (const Private &p, GValue *result)
  {
    g_value_init (result, G_TYPE_STRING);
    g_value_set_string (result, p.itsvalue);
  }
};

template <typename Traits>
class ValueClass {
 public:
  using Instance = typename Traits::Instance;
  using Private = typename Traits::Private;
  using Held = typename Traits::Held;

  static GType get_type ()
  {
    static gsize type_id = 0;
    if (g_once_init_enter (&type_id)) {
      GType type = g_type_register_static_simple (
          TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT, g_intern_static_string (Traits::type_name),
          sizeof (typename Traits::Class), class_init, sizeof (Instance), instance_init, static_cast<GTypeFlags> (0));
      private_offset = g_type_add_instance_private (type, sizeof (Private));
      g_once_init_leave (&type_id, type);
    }
    return type_id;
  }

  static Private &priv (gpointer self) { return *static_cast<Private *> (G_STRUCT_MEMBER_P (self, private_offset)); }

  /* A new instance of `type`, which the caller has checked is this class
   * or a kind of it; values are made once per cell, without notification. */
  static Instance *make (GType type)
  {
    return reinterpret_cast<Instance *> (torvanix_providers_contracts_value_object_construct (type));
  }

  /* The same, holding `value` (adopted) as its `itsvalue`. */
  template <typename Stored>
  static Instance *make (GType type, Stored value)
  {
    Instance *self = make (type);
    priv (self).itsvalue = value;
    return self;
  }

  static Held get (gpointer self) { return Traits::get (priv (self)); }

  /* Notifies on every call, also when the value is unchanged. */
  static void set (gpointer self, Held value)
  {
    Traits::set (priv (self), value);
    g_object_notify_by_pspec (G_OBJECT (self), itsvalue_pspec);
  }

 private:
  static inline gint private_offset = 0;
  static inline GObjectClass *parent_class = nullptr;
  static inline GParamSpec *itsvalue_pspec = nullptr;

  static constexpr bool kHasToValue = requires (const Private &p, GValue *v) {
    Traits::torvanix_providers_contracts_value_object_to_value (p, v);
  };
  static constexpr bool kHasToString = requires (const Private &p) {
    Traits::torvanix_providers_contracts_value_object_to_string (p);
  };
  static constexpr bool kSetsPropertyItself = requires (Private &p, const GValue *v) { Traits::set_property (p, v); };
  static constexpr bool kHasClassInit = requires (typename Traits::Class *k) { Traits::class_init (k); };

  static void instance_init (GTypeInstance *instance, gpointer) { ::new (&priv (instance)) Private (); }

  static void finalize (GObject *object)
  {
    priv (object).~Private ();
    parent_class->finalize (object);
  }

  static void to_value (TorvanixProvidersContractsValueObject *self, GValue *result)
  {
    Traits::torvanix_providers_contracts_value_object_to_value (priv (self), result);
  }

  static gchar *to_string (TorvanixProvidersContractsValueObject *self)
  {
    return Traits::torvanix_providers_contracts_value_object_to_string (priv (self));
  }

  /* Serves every kind of the class: the copy has the class of the original. */
  static TorvanixProvidersContractsIValue *clone (TorvanixProvidersContractsValueObject *self)
  {
    Instance *copy = make (G_OBJECT_TYPE (self));
    Traits::copy (priv (self), priv (copy));
    return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (copy);
  }

  static const gchar *get_name (TorvanixProvidersContractsValueObject *) { return Traits::name; }

  static TorvanixProvidersContractsDataType get_data_type (TorvanixProvidersContractsValueObject *)
  {
    return Traits::data_type;
  }

  static void get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
  {
    if (prop_id == PROP_ITSVALUE)
      GValueSide<Held>::set (value, get (object));
    else if (!get_standard_property (object, prop_id, value))
      G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }

  static void set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
  {
    if (prop_id != PROP_ITSVALUE) {
      G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
      return;
    }
    if constexpr (kSetsPropertyItself) {
      Traits::set_property (priv (object), value);
      g_object_notify_by_pspec (object, itsvalue_pspec);
    } else {
      set (object, GValueSide<Held>::get (value));
    }
  }

  static void class_init (gpointer g_class, gpointer)
  {
    parent_class = G_OBJECT_CLASS (g_type_class_peek_parent (g_class));
    g_type_class_adjust_private_offset (g_class, &private_offset);
    GObjectClass *object_class = G_OBJECT_CLASS (g_class);
    /* Private data that holds nothing to release needs no finalize. */
    if constexpr (!std::is_trivially_destructible_v<Private>)
      object_class->finalize = finalize;
    object_class->get_property = get_property;
    object_class->set_property = set_property;

    auto *klass = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (g_class);
    if constexpr (kHasToValue)
      klass->to_value = to_value;
    if constexpr (kHasToString)
      klass->to_string = to_string;
    klass->clone = clone;
    klass->get_name = get_name;
    klass->get_data_type = get_data_type;
    if constexpr (kHasClassInit)
      Traits::class_init (static_cast<typename Traits::Class *> (g_class));

    itsvalue_pspec = install_value_properties (object_class, Traits::itsvalue_spec ());
  }
};

}  // namespace providers::values

/* The exported get_type, get_itsvalue and set_itsvalue of the class
 * TorvanixProvidersContracts<Name> made from `Traits`; `fail` is what the
 * getter answers to a wrong argument. The argument checks live in the
 * exported functions so the warnings name them. */
#define PROVIDERS_DEFINE_VALUE_CLASS(Name, lower, UPPER, Traits, fail)                                               \
  extern "C" GType torvanix_providers_contracts_##lower##_get_type (void)                                            \
  {                                                                                                                  \
    return providers::values::ValueClass<Traits>::get_type ();                                                       \
  }                                                                                                                  \
  extern "C" Traits::Held torvanix_providers_contracts_##lower##_get_itsvalue (TorvanixProvidersContracts##Name *self) \
  {                                                                                                                  \
    providers_return_val_if_fail (self != NULL, fail);                                                               \
    providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_##UPPER (self), fail);                             \
    return providers::values::ValueClass<Traits>::get (self);                                                        \
  }                                                                                                                  \
  extern "C" void torvanix_providers_contracts_##lower##_set_itsvalue (TorvanixProvidersContracts##Name *self,        \
                                                                       Traits::Held value)                           \
  {                                                                                                                  \
    providers_return_if_fail (self != NULL);                                                                         \
    providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_##UPPER (self));                                       \
    providers::values::ValueClass<Traits>::set (self, value);                                                        \
  }

/* A parameter list, and the arguments of a call, with the constructor's
 * type in front. */
#define PROVIDERS_CONSTRUCT_PARAMS(...) (GType object_type __VA_OPT__ (, ) __VA_ARGS__)
#define PROVIDERS_CONSTRUCT_ARGS(...) (object_type __VA_OPT__ (, ) __VA_ARGS__)

/* The exported construct<suffix> and new<suffix> of the class
 * TorvanixProvidersContracts<Name>: construct checks the type it is given
 * and answers `made` (an expression of the parameters and `object_type`),
 * new passes the class's own type. `PARAMS` and `ARGS` are the parenthesized
 * parameters and their names, without the type; checks of the parameters
 * go in front of `made` as `check`, a statement (or nothing). */
#define PROVIDERS_DEFINE_VALUE_CONSTRUCTOR(Name, lower, UPPER, suffix, PARAMS, ARGS, check, made)                     \
  extern "C" TorvanixProvidersContracts##Name *torvanix_providers_contracts_##lower##_construct##suffix               \
      PROVIDERS_CONSTRUCT_PARAMS PARAMS                                                                              \
  {                                                                                                                  \
    check;                                                                                                           \
    providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_##UPPER, nullptr);          \
    return reinterpret_cast<TorvanixProvidersContracts##Name *> (made);                                             \
  }                                                                                                                  \
  extern "C" TorvanixProvidersContracts##Name *torvanix_providers_contracts_##lower##_new##suffix PARAMS              \
  {                                                                                                                  \
    GType object_type = TORVANIX_PROVIDERS_CONTRACTS_TYPE_##UPPER;                                                  \
    return torvanix_providers_contracts_##lower##_construct##suffix PROVIDERS_CONSTRUCT_ARGS ARGS;                   \
  }
