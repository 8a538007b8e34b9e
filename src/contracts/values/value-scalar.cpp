/* The numeric interfaces and the thirteen scalar value classes.
 *
 * The classes differ only in their stored C type, names, data type, text
 * format, GValue type and the interfaces they answer, so one template holds
 * their behaviour and one line per class below stamps out the type and its
 * exported functions.
 */
#include "libproviders/values/value-scalar.h"

#include "common/check.h"
#include "contracts/values/value-class-private.h"
#include "contracts/values/value-internal.h"
#include "contracts/values/value-object-private.h"

#include <algorithm>
#include <type_traits>

/* IInteger, IUnsigned, INumeric ---------------------------------------------- */

G_DEFINE_INTERFACE (TorvanixProvidersContractsIInteger, torvanix_providers_contracts_iinteger, G_TYPE_OBJECT)
G_DEFINE_INTERFACE (TorvanixProvidersContractsIUnsigned, torvanix_providers_contracts_iunsigned,
                    TORVANIX_PROVIDERS_CONTRACTS_TYPE_IINTEGER)
G_DEFINE_INTERFACE (TorvanixProvidersContractsINumeric, torvanix_providers_contracts_inumeric, G_TYPE_OBJECT)

static void
torvanix_providers_contracts_iinteger_default_init (TorvanixProvidersContractsIIntegerInterface *)
{
}

static void
torvanix_providers_contracts_iunsigned_default_init (TorvanixProvidersContractsIUnsignedInterface *)
{
}

static void
torvanix_providers_contracts_inumeric_default_init (TorvanixProvidersContractsINumericInterface *)
{
}

extern "C" gint64
torvanix_providers_contracts_iinteger_to_integer (TorvanixProvidersContractsIInteger *self)
{
  providers_return_val_if_fail (self != NULL, 0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IINTEGER (self), 0);
  auto *iface = TORVANIX_PROVIDERS_CONTRACTS_IINTEGER_GET_IFACE (self);
  return iface->to_integer ? iface->to_integer (self) : 0;
}

extern "C" guint64
torvanix_providers_contracts_iunsigned_to_unsigned (TorvanixProvidersContractsIUnsigned *self)
{
  providers_return_val_if_fail (self != NULL, 0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IUNSIGNED (self), 0);
  auto *iface = TORVANIX_PROVIDERS_CONTRACTS_IUNSIGNED_GET_IFACE (self);
  return iface->to_unsigned ? iface->to_unsigned (self) : 0;
}

extern "C" gdouble
torvanix_providers_contracts_inumeric_to_double (TorvanixProvidersContractsINumeric *self)
{
  providers_return_val_if_fail (self != NULL, 0.0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_INUMERIC (self), 0.0);
  auto *iface = TORVANIX_PROVIDERS_CONTRACTS_INUMERIC_GET_IFACE (self);
  return iface->to_double ? iface->to_double (self) : 0.0;
}

/* The scalar template ------------------------------------------------------------ */

namespace {

enum class Kind { Signed, Unsigned, Boolean, Floating };

using providers::values::kItsvalueFlags;

/* The GValue side of "itsvalue" and of to_value, by fundamental type. */
template <GType fundamental>
struct GValueOf;

#define PROVIDERS_GVALUE_OF(fundamental, Type, getter, setter, spec_call)     \
  template <>                                                                 \
  struct GValueOf<fundamental> {                                              \
    static Type get (const GValue *v) { return getter (v); }                  \
    static void set (GValue *v, Type x) { setter (v, x); }                    \
    static GParamSpec *spec () { return spec_call; }                          \
  };

#define PROVIDERS_ITSVALUE_SPEC(kind, ...) g_param_spec_##kind ("itsvalue", "itsvalue", "itsvalue", __VA_ARGS__, kItsvalueFlags)

PROVIDERS_GVALUE_OF (G_TYPE_CHAR, gint8, g_value_get_schar, g_value_set_schar,
                     PROVIDERS_ITSVALUE_SPEC (char, G_MININT8, G_MAXINT8, 0))
PROVIDERS_GVALUE_OF (G_TYPE_UCHAR, guint8, g_value_get_uchar, g_value_set_uchar,
                     PROVIDERS_ITSVALUE_SPEC (uchar, 0, G_MAXUINT8, 0))
PROVIDERS_GVALUE_OF (G_TYPE_INT, gint, g_value_get_int, g_value_set_int,
                     PROVIDERS_ITSVALUE_SPEC (int, G_MININT, G_MAXINT, 0))
PROVIDERS_GVALUE_OF (G_TYPE_UINT, guint, g_value_get_uint, g_value_set_uint,
                     PROVIDERS_ITSVALUE_SPEC (uint, 0, G_MAXUINT, 0))
PROVIDERS_GVALUE_OF (G_TYPE_INT64, gint64, g_value_get_int64, g_value_set_int64,
                     PROVIDERS_ITSVALUE_SPEC (int64, G_MININT64, G_MAXINT64, 0))
PROVIDERS_GVALUE_OF (G_TYPE_UINT64, guint64, g_value_get_uint64, g_value_set_uint64,
                     PROVIDERS_ITSVALUE_SPEC (uint64, 0, G_MAXUINT64, 0))
PROVIDERS_GVALUE_OF (G_TYPE_BOOLEAN, gboolean, g_value_get_boolean, g_value_set_boolean,
                     PROVIDERS_ITSVALUE_SPEC (boolean, FALSE))
PROVIDERS_GVALUE_OF (G_TYPE_FLOAT, gfloat, g_value_get_float, g_value_set_float,
                     PROVIDERS_ITSVALUE_SPEC (float, -G_MAXFLOAT, G_MAXFLOAT, 0.0f))
PROVIDERS_GVALUE_OF (G_TYPE_DOUBLE, gdouble, g_value_get_double, g_value_set_double,
                     PROVIDERS_ITSVALUE_SPEC (double, -G_MAXDOUBLE, G_MAXDOUBLE, 0.0))

#undef PROVIDERS_ITSVALUE_SPEC
#undef PROVIDERS_GVALUE_OF

/* One scalar class. Traits names the class's C types (Instance, Class,
 * Stored), its registered type name, short name, data type, kind, printf
 * format and the fundamental GType of its property and GValue. */
template <typename Traits>
class Scalar {
 public:
  using Instance = typename Traits::Instance;
  using Stored = typename Traits::Stored;
  using GValueSide = GValueOf<Traits::gvalue_type>;

  static GType get_type ()
  {
    static gsize type_id = 0;
    if (g_once_init_enter (&type_id)) {
      GType type = g_type_register_static_simple (
          TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT, g_intern_static_string (Traits::type_name),
          sizeof (typename Traits::Class), class_init, sizeof (Instance),
          nullptr, static_cast<GTypeFlags> (0));
      private_offset = g_type_add_instance_private (type, sizeof (Private));
      add_interfaces (type);
      g_once_init_leave (&type_id, type);
    }
    return type_id;
  }

  /* Stores the value straight into the new instance: constructors run once
   * per cell and must not pay for notification. */
  static Instance *construct (GType object_type, Stored value)
  {
    auto *self = reinterpret_cast<Instance *> (torvanix_providers_contracts_value_object_construct (object_type));
    priv (self)->value = value;
    return self;
  }

  /* A value read from a server that prints the `length` bytes of `text`
   * (up to a zero byte among them), the server's own digits of an exact
   * number. */
  static Instance *construct_with_text (GType object_type, Stored value, const gchar *text, gsize length)
  {
    static_assert (Traits::keeps_text);
    Instance *self = construct (object_type, value);
    priv (self)->text = g_strndup (text, length);
    return self;
  }

  /* Makes `value` print `text` (adopted) when it is of this class; false,
   * leaving `text` to the caller, when it is not. */
  static bool keep_text_if_mine (gpointer value, gchar *text)
  {
    if (!G_TYPE_CHECK_INSTANCE_TYPE (value, get_type ())) return false;
    g_free (priv (value)->text);
    priv (value)->text = text;
    return true;
  }

  static Stored get (Instance *self) { return priv (self)->value; }

  /* Notifies on every call, also when the value is unchanged. */
  static void set (Instance *self, Stored value)
  {
    priv (self)->value = value;
    if constexpr (Traits::keeps_text)
      g_clear_pointer (&priv (self)->text, g_free);
    g_object_notify_by_pspec (G_OBJECT (self), itsvalue_pspec);
  }

 private:
  struct NoText {};
  /* The server's spelling of the number where it is not the number's own
   * print (a DECIMAL's digits, a zero-padded "00042", a year "0000");
   * null for values made here. One pointer: an integer's private data
   * stays the same size whether it has one or not. */
  struct Text {
    gchar *text = nullptr;
  };
  struct Private : std::conditional_t<Traits::keeps_text, Text, NoText> {
    Stored value;
  };

  static inline GObjectClass *parent_class = nullptr;

  static inline gint private_offset = 0;
  static inline GParamSpec *itsvalue_pspec = nullptr;

  static Private *priv (gpointer self) { return static_cast<Private *> (G_STRUCT_MEMBER_P (self, private_offset)); }

  static bool truth (Stored value) { return value != 0; }

  static gint64 to_integer (TorvanixProvidersContractsIInteger *self)
  {
    Stored value = priv (self)->value;
    if constexpr (Traits::kind == Kind::Boolean)
      return truth (value) ? 1 : 0;
    else if constexpr (Traits::kind == Kind::Unsigned)
      /* Saturate rather than wrap: a large unsigned value never reads as
       * a negative integer. */
      return static_cast<gint64> (std::min<guint64> (value, G_MAXINT64));
    else
      return value;
  }

  static guint64 to_unsigned (TorvanixProvidersContractsIUnsigned *self)
  {
    Stored value = priv (self)->value;
    if constexpr (Traits::kind == Kind::Boolean)
      return truth (value) ? 1 : 0;
    else
      return value;
  }

  static gdouble to_double (TorvanixProvidersContractsINumeric *self) { return priv (self)->value; }

  static void init_integer (gpointer iface, gpointer)
  {
    static_cast<TorvanixProvidersContractsIIntegerInterface *> (iface)->to_integer = to_integer;
  }
  static void init_unsigned (gpointer iface, gpointer)
  {
    static_cast<TorvanixProvidersContractsIUnsignedInterface *> (iface)->to_unsigned = to_unsigned;
  }
  static void init_numeric (gpointer iface, gpointer)
  {
    static_cast<TorvanixProvidersContractsINumericInterface *> (iface)->to_double = to_double;
  }

  static void add_interface (GType type, GType iface, GInterfaceInitFunc init)
  {
    const GInterfaceInfo info = {init, nullptr, nullptr};
    g_type_add_interface_static (type, iface, &info);
  }

  static void add_interfaces (GType type)
  {
    if constexpr (Traits::kind == Kind::Floating) {
      add_interface (type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_INUMERIC, init_numeric);
    } else {
      /* IUnsigned requires IInteger, which must come first. */
      add_interface (type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_IINTEGER, init_integer);
      if constexpr (Traits::kind != Kind::Signed)
        add_interface (type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_IUNSIGNED, init_unsigned);
    }
  }

  static gchar *to_string (TorvanixProvidersContractsValueObject *self)
  {
    Stored value = priv (self)->value;
    if constexpr (Traits::keeps_text) {
      if (priv (self)->text)
        return g_strdup (priv (self)->text);
    }
    if constexpr (Traits::kind == Kind::Boolean)
      return g_strdup (truth (value) ? "true" : "false");
    else if constexpr (Traits::kind == Kind::Floating)
      return g_strdup_printf (Traits::format, static_cast<double> (value));
    else if constexpr (sizeof (Stored) == 8 && Traits::kind == Kind::Signed)
      return g_strdup_printf ("%lld", static_cast<long long> (value));
    else if constexpr (sizeof (Stored) == 8)
      return g_strdup_printf ("%llu", static_cast<unsigned long long> (value));
    else if constexpr (Traits::kind == Kind::Signed)
      return g_strdup_printf ("%d", static_cast<int> (value));
    else
      return g_strdup_printf ("%u", static_cast<unsigned> (value));
  }

  static void to_value (TorvanixProvidersContractsValueObject *self, GValue *result)
  {
    g_value_init (result, Traits::gvalue_type);
    GValueSide::set (result, priv (self)->value);
  }

  static TorvanixProvidersContractsIValue *clone (TorvanixProvidersContractsValueObject *self)
  {
    Instance *copy = construct (G_OBJECT_TYPE (self), priv (self)->value);
    if constexpr (Traits::keeps_text)
      priv (copy)->text = g_strdup (priv (self)->text);
    return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (copy);
  }

  static void finalize (GObject *object)
  {
    if constexpr (Traits::keeps_text)
      g_free (priv (object)->text);
    parent_class->finalize (object);
  }

  static const gchar *get_name (TorvanixProvidersContractsValueObject *) { return Traits::name; }

  static TorvanixProvidersContractsDataType get_data_type (TorvanixProvidersContractsValueObject *)
  {
    return Traits::data_type;
  }

  static void get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
  {
    if (prop_id == providers::values::PROP_ITSVALUE)
      GValueSide::set (value, priv (object)->value);
    else if (!providers::values::get_standard_property (object, prop_id, value))
      G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }

  static void set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
  {
    /* The cast keeps the low bits where the property type is wider than the
     * stored one (the 16-bit classes). */
    if (prop_id == providers::values::PROP_ITSVALUE)
      set (reinterpret_cast<Instance *> (object), static_cast<Stored> (GValueSide::get (value)));
    else
      G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }

  static void class_init (gpointer g_class, gpointer)
  {
    g_type_class_adjust_private_offset (g_class, &private_offset);
    GObjectClass *object_class = G_OBJECT_CLASS (g_class);
    if constexpr (Traits::keeps_text) {
      parent_class = G_OBJECT_CLASS (g_type_class_peek_parent (g_class));
      object_class->finalize = finalize;
    }
    auto *klass = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (g_class);
    object_class->get_property = get_property;
    object_class->set_property = set_property;

    klass->to_value = to_value;
    klass->to_string = to_string;
    klass->clone = clone;
    klass->get_name = get_name;
    klass->get_data_type = get_data_type;

    itsvalue_pspec = providers::values::install_value_properties (object_class, GValueSide::spec ());
  }
};

}  // namespace

/* The classes ------------------------------------------------------------------------ */

/* Defines the traits of TorvanixProvidersContracts<Name> and its exported
 * get_type, construct, new, get_itsvalue and set_itsvalue. The argument
 * checks live in the exported functions so the warnings name them. */
#define PROVIDERS_DEFINE_SCALAR(Name, lower, UPPER, StoredType, kind_, short_name, DATA_TYPE, format_, gvalue) \
  namespace {                                                                                       \
  struct Name##Traits {                                                                             \
    using Instance = TorvanixProvidersContracts##Name;                                              \
    using Class = TorvanixProvidersContracts##Name##Class;                                          \
    using Stored = StoredType;                                                                      \
    static constexpr Kind kind = Kind::kind_;                                                       \
    static constexpr const char *type_name = "TorvanixProvidersContracts" #Name;                    \
    static constexpr const char *name = short_name;                                                 \
    static constexpr TorvanixProvidersContractsDataType data_type = TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_##DATA_TYPE; \
    static constexpr const char *format = format_;                                                  \
    static constexpr GType gvalue_type = gvalue;                                                    \
    /* DECIMAL is exact and an integer may be spelled otherwise than printed:        \
     * a cell keeps the server's text to print. */                                                  \
    static constexpr bool keeps_text = kind == Kind::Signed || kind == Kind::Unsigned                \
                                       || data_type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL; \
  };                                                                                                \
  }                                                                                                 \
  extern "C" GType torvanix_providers_contracts_##lower##_get_type (void)                           \
  {                                                                                                 \
    return Scalar<Name##Traits>::get_type ();                                                       \
  }                                                                                                 \
  extern "C" TorvanixProvidersContracts##Name *torvanix_providers_contracts_##lower##_construct (   \
      GType object_type, StoredType value)                                                          \
  {                                                                                                 \
    providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_##UPPER, nullptr); \
    return Scalar<Name##Traits>::construct (object_type, value);                                    \
  }                                                                                                 \
  extern "C" TorvanixProvidersContracts##Name *torvanix_providers_contracts_##lower##_new (StoredType value) \
  {                                                                                                 \
    return torvanix_providers_contracts_##lower##_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_##UPPER, value); \
  }                                                                                                 \
  extern "C" StoredType torvanix_providers_contracts_##lower##_get_itsvalue (TorvanixProvidersContracts##Name *self) \
  {                                                                                                 \
    providers_return_val_if_fail (self != NULL, 0);                                                 \
    providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_##UPPER (self), 0);               \
    return Scalar<Name##Traits>::get (self);                                                        \
  }                                                                                                 \
  extern "C" void torvanix_providers_contracts_##lower##_set_itsvalue (TorvanixProvidersContracts##Name *self, \
                                                                       StoredType value)            \
  {                                                                                                 \
    providers_return_if_fail (self != NULL);                                                        \
    providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_##UPPER (self));                      \
    Scalar<Name##Traits>::set (self, value);                                                        \
  }

/* The typed getter of the integer and boolean classes: get_itsvalue by
 * another name. */
#define PROVIDERS_DEFINE_TYPED_GETTER(Name, lower, UPPER, StoredType, getter)                         \
  extern "C" StoredType torvanix_providers_contracts_##lower##_get_##getter (TorvanixProvidersContracts##Name *self) \
  {                                                                                                 \
    providers_return_val_if_fail (self != NULL, 0);                                                 \
    providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_##UPPER (self), 0);               \
    return Scalar<Name##Traits>::get (self);                                                        \
  }

PROVIDERS_DEFINE_SCALAR (ValueInt8, value_int8, VALUE_INT8, gint8, Signed, "byte", INT8, nullptr, G_TYPE_CHAR)
PROVIDERS_DEFINE_SCALAR (ValueInt16, value_int16, VALUE_INT16, gint16, Signed, "int16", INT16, nullptr, G_TYPE_INT)
PROVIDERS_DEFINE_SCALAR (ValueInt32, value_int32, VALUE_INT32, gint32, Signed, "int32", INT32, nullptr, G_TYPE_INT)
PROVIDERS_DEFINE_SCALAR (ValueInt64, value_int64, VALUE_INT64, gint64, Signed, "int64", INT64, nullptr, G_TYPE_INT64)
PROVIDERS_DEFINE_SCALAR (ValueUInt8, value_uint8, VALUE_UINT8, guint8, Unsigned, "uint8", UINT8, nullptr, G_TYPE_UCHAR)
PROVIDERS_DEFINE_SCALAR (ValueUInt16, value_uint16, VALUE_UINT16, guint16, Unsigned, "uint16", UINT16, nullptr, G_TYPE_UINT)
PROVIDERS_DEFINE_SCALAR (ValueUInt32, value_uint32, VALUE_UINT32, guint32, Unsigned, "uint32", UINT32, nullptr, G_TYPE_UINT)
PROVIDERS_DEFINE_SCALAR (ValueUInt64, value_uint64, VALUE_UINT64, guint64, Unsigned, "uint64", UINT64, nullptr, G_TYPE_UINT64)
PROVIDERS_DEFINE_SCALAR (ValueBoolean, value_boolean, VALUE_BOOLEAN, gboolean, Boolean, "bool", BOOLEAN, nullptr, G_TYPE_BOOLEAN)
PROVIDERS_DEFINE_SCALAR (ValueFloat, value_float, VALUE_FLOAT, gfloat, Floating, "float", FLOAT, "%.2f", G_TYPE_FLOAT)
PROVIDERS_DEFINE_SCALAR (ValueDouble, value_double, VALUE_DOUBLE, gdouble, Floating, "double", DOUBLE, "%.2f", G_TYPE_DOUBLE)
PROVIDERS_DEFINE_SCALAR (ValueMoney, value_money, VALUE_MONEY, gdouble, Floating, "money", MONEY, "%G", G_TYPE_DOUBLE)
PROVIDERS_DEFINE_SCALAR (ValueDecimal, value_decimal, VALUE_DECIMAL, gdouble, Floating, "decimal", DECIMAL, "%G", G_TYPE_DOUBLE)

PROVIDERS_DEFINE_TYPED_GETTER (ValueInt8, value_int8, VALUE_INT8, gint8, int8)
PROVIDERS_DEFINE_TYPED_GETTER (ValueInt16, value_int16, VALUE_INT16, gint16, int16)
PROVIDERS_DEFINE_TYPED_GETTER (ValueInt32, value_int32, VALUE_INT32, gint32, int32)
PROVIDERS_DEFINE_TYPED_GETTER (ValueInt64, value_int64, VALUE_INT64, gint64, int64)
PROVIDERS_DEFINE_TYPED_GETTER (ValueUInt8, value_uint8, VALUE_UINT8, guint8, uint8)
PROVIDERS_DEFINE_TYPED_GETTER (ValueUInt16, value_uint16, VALUE_UINT16, guint16, uint16)
PROVIDERS_DEFINE_TYPED_GETTER (ValueUInt32, value_uint32, VALUE_UINT32, guint32, uint32)
PROVIDERS_DEFINE_TYPED_GETTER (ValueUInt64, value_uint64, VALUE_UINT64, guint64, uint64)
PROVIDERS_DEFINE_TYPED_GETTER (ValueBoolean, value_boolean, VALUE_BOOLEAN, gboolean, boolean)

TorvanixProvidersContractsValueDecimal *
providers::values::decimal_with_text (gdouble value, const gchar *text, gsize length)
{
  return Scalar<ValueDecimalTraits>::construct_with_text (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_DECIMAL, value, text,
                                                          length);
}

namespace {

template <typename... Traits>
bool
keep_in_its_class (gpointer value, gchar *text)
{
  return (Scalar<Traits>::keep_text_if_mine (value, text) || ...);
}

}  // namespace

void
providers::values::integer_keep_text (TorvanixProvidersContractsValueObject *value, gchar *text)
{
  if (!keep_in_its_class<ValueInt8Traits, ValueInt16Traits, ValueInt32Traits, ValueInt64Traits, ValueUInt8Traits,
                         ValueUInt16Traits, ValueUInt32Traits, ValueUInt64Traits> (value, text))
    g_free (text);
}
