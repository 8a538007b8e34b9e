/* IValue and ValueObject: the contract of every cell, and its base class. */
#include "libproviders/values/value-core.h"

#include "common/check.h"
#include "contracts/values/value-object-private.h"


/* IValue ------------------------------------------------------------------ */

G_DEFINE_INTERFACE (TorvanixProvidersContractsIValue, torvanix_providers_contracts_ivalue, G_TYPE_OBJECT)

static void
torvanix_providers_contracts_ivalue_default_init (TorvanixProvidersContractsIValueInterface *iface)
{
  g_object_interface_install_property (iface, providers::values::name_pspec ());
  g_object_interface_install_property (iface, providers::values::data_type_pspec ());
  g_object_interface_install_property (iface, providers::values::is_null_pspec ());
}

extern "C" void
torvanix_providers_contracts_ivalue_to_value (TorvanixProvidersContractsIValue *self, GValue *result)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IVALUE (self));
  /* The overrides initialise `result` and then hand it what they made;
   * with nowhere to put it, or a GValue already in use, that would leak. */
  providers_return_if_fail (result != NULL);
  providers_return_if_fail (!G_IS_VALUE (result));
  auto *iface = TORVANIX_PROVIDERS_CONTRACTS_IVALUE_GET_IFACE (self);
  if (iface->to_value) iface->to_value (self, result);
}

extern "C" gchar *
torvanix_providers_contracts_ivalue_to_string (TorvanixProvidersContractsIValue *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IVALUE (self), nullptr);
  auto *iface = TORVANIX_PROVIDERS_CONTRACTS_IVALUE_GET_IFACE (self);
  return iface->to_string ? iface->to_string (self) : nullptr;
}

extern "C" TorvanixProvidersContractsIValue *
torvanix_providers_contracts_ivalue_clone (TorvanixProvidersContractsIValue *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IVALUE (self), nullptr);
  auto *iface = TORVANIX_PROVIDERS_CONTRACTS_IVALUE_GET_IFACE (self);
  return iface->clone ? iface->clone (self) : nullptr;
}

extern "C" gchar *
torvanix_providers_contracts_ivalue_dump (TorvanixProvidersContractsIValue *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IVALUE (self), nullptr);
  auto *iface = TORVANIX_PROVIDERS_CONTRACTS_IVALUE_GET_IFACE (self);
  return iface->dump ? iface->dump (self) : nullptr;
}

extern "C" const gchar *
torvanix_providers_contracts_ivalue_get_name (TorvanixProvidersContractsIValue *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IVALUE (self), nullptr);
  auto *iface = TORVANIX_PROVIDERS_CONTRACTS_IVALUE_GET_IFACE (self);
  return iface->get_name ? iface->get_name (self) : nullptr;
}

extern "C" TorvanixProvidersContractsDataType
torvanix_providers_contracts_ivalue_get_data_type (TorvanixProvidersContractsIValue *self)
{
  providers_return_val_if_fail (self != NULL, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IVALUE (self), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  auto *iface = TORVANIX_PROVIDERS_CONTRACTS_IVALUE_GET_IFACE (self);
  return iface->get_data_type ? iface->get_data_type (self) : TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
}

extern "C" gboolean
torvanix_providers_contracts_ivalue_get_is_null (TorvanixProvidersContractsIValue *self)
{
  providers_return_val_if_fail (self != NULL, FALSE);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IVALUE (self), FALSE);
  auto *iface = TORVANIX_PROVIDERS_CONTRACTS_IVALUE_GET_IFACE (self);
  return iface->get_is_null ? iface->get_is_null (self) : FALSE;
}

/* Property descriptions shared by the value classes -------------------- */

namespace providers::values {

GParamSpec *
name_pspec ()
{
  return g_param_spec_string ("name", "name", "name", nullptr,
                              static_cast<GParamFlags> (G_PARAM_READABLE | G_PARAM_STATIC_STRINGS));
}

GParamSpec *
data_type_pspec ()
{
  return g_param_spec_enum ("data-type", "data-type", "data-type", TORVANIX_PROVIDERS_CONTRACTS_TYPE_DATA_TYPE,
                            TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN,
                            static_cast<GParamFlags> (G_PARAM_READABLE | G_PARAM_STATIC_STRINGS));
}

GParamSpec *
is_null_pspec ()
{
  return g_param_spec_boolean ("is-null", "is-null", "is-null", FALSE,
                               static_cast<GParamFlags> (G_PARAM_READABLE | G_PARAM_STATIC_STRINGS));
}

bool
get_standard_property (GObject *object, guint prop_id, GValue *value)
{
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (object);
  switch (prop_id) {
    case PROP_NAME: g_value_set_string (value, torvanix_providers_contracts_value_object_get_name (self)); return true;
    case PROP_DATA_TYPE: g_value_set_enum (value, torvanix_providers_contracts_value_object_get_data_type (self)); return true;
    case PROP_IS_NULL: g_value_set_boolean (value, torvanix_providers_contracts_value_object_get_is_null (self)); return true;
    default: return false;
  }
}

}  // namespace providers::values

/* ValueObject -------------------------------------------------------------- */

namespace {

using providers::values::PROP_DATA_TYPE;
using providers::values::PROP_IS_NULL;
using providers::values::PROP_NAME;

void
value_object_ivalue_init (TorvanixProvidersContractsIValueInterface *iface);

}  // namespace

G_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsValueObject, torvanix_providers_contracts_value_object, G_TYPE_OBJECT,
                         G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IVALUE, value_object_ivalue_init))

#define VALUE_OBJECT_CLASS_OF(self) TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_GET_CLASS (self)

namespace {

/* The IValue slots forward to the class virtuals, so a subclass overrides
 * the class only and every route reaches the same override. */
void
forward_to_value (TorvanixProvidersContractsIValue *self, GValue *result)
{
  torvanix_providers_contracts_value_object_to_value (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (self), result);
}

gchar *
forward_to_string (TorvanixProvidersContractsIValue *self)
{
  return torvanix_providers_contracts_value_object_to_string (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (self));
}

TorvanixProvidersContractsIValue *
forward_clone (TorvanixProvidersContractsIValue *self)
{
  return torvanix_providers_contracts_value_object_clone (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (self));
}

gchar *
forward_dump (TorvanixProvidersContractsIValue *self)
{
  return torvanix_providers_contracts_value_object_dump (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (self));
}

const gchar *
forward_get_name (TorvanixProvidersContractsIValue *self)
{
  return torvanix_providers_contracts_value_object_get_name (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (self));
}

TorvanixProvidersContractsDataType
forward_get_data_type (TorvanixProvidersContractsIValue *self)
{
  return torvanix_providers_contracts_value_object_get_data_type (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (self));
}

gboolean
forward_get_is_null (TorvanixProvidersContractsIValue *self)
{
  return torvanix_providers_contracts_value_object_get_is_null (TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT (self));
}

void
value_object_ivalue_init (TorvanixProvidersContractsIValueInterface *iface)
{
  iface->to_value = forward_to_value;
  iface->to_string = forward_to_string;
  iface->clone = forward_clone;
  iface->dump = forward_dump;
  iface->get_name = forward_get_name;
  iface->get_data_type = forward_get_data_type;
  iface->get_is_null = forward_get_is_null;
}

void
value_object_real_to_value (TorvanixProvidersContractsValueObject *, GValue *result)
{
  g_value_init (result, G_TYPE_STRING);
  g_value_set_static_string (result, "");
}

gchar *
value_object_real_to_string (TorvanixProvidersContractsValueObject *)
{
  return g_strdup ("");
}

TorvanixProvidersContractsIValue *
value_object_real_clone (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (torvanix_providers_contracts_value_object_new ());
}

gchar *
value_object_real_dump (TorvanixProvidersContractsValueObject *self)
{
  gchar *text = torvanix_providers_contracts_value_object_to_string (self);
  /* A value without text (a geometry set to null, a UTF-16 value without
   * a buffer) prints as the C library would print it, without handing
   * printf a null, which is undefined. */
  gchar *result = g_strdup_printf ("%s => %s", G_OBJECT_TYPE_NAME (self), text ? text : "(null)");
  g_free (text);
  return result;
}

const gchar *
value_object_real_get_name (TorvanixProvidersContractsValueObject *)
{
  return "UNKNOWN";
}

TorvanixProvidersContractsDataType
value_object_real_get_data_type (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
}

gboolean
value_object_real_get_is_null (TorvanixProvidersContractsValueObject *)
{
  return FALSE;
}

/* Values are dropped once per cell, so their last unref is the hottest
 * teardown in the library. On that path (the caller's reference is the
 * only one left) GLib's g_object_unref destroys the handlers, closures
 * and weak references itself right after dispose, so GObject's own
 * dispose would only repeat that work. Anywhere else (g_object_run_dispose,
 * or a dispose that kept the object alive) it is the one that does it.
 *
 * The shortcut is taken only where nothing can tell the difference: the
 * class's dispose is this one, so no subclass runs teardown of its own
 * after chaining up, expecting the weak notifications delivered and the
 * handlers gone; and the GLib running is of the line whose g_object_unref
 * was checked to do that cleanup after dispose with the reference still
 * held. That cleanup is not part of GObject's contract, so a newer GLib
 * gets the plain chain-up. */
void value_object_dispose (GObject *object);

bool
value_dispose_may_skip_parent (GObject *object)
{
  static const bool checked_glib = glib_major_version == 2 && glib_minor_version <= 74;
  return checked_glib && G_OBJECT_GET_CLASS (object)->dispose == value_object_dispose
         && g_atomic_int_get (&object->ref_count) == 1;
}

void
value_object_dispose (GObject *object)
{
  if (value_dispose_may_skip_parent (object))
    return;
  G_OBJECT_CLASS (torvanix_providers_contracts_value_object_parent_class)->dispose (object);
}

void
value_object_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  if (!providers::values::get_standard_property (object, prop_id, value))
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

}  // namespace

static void
torvanix_providers_contracts_value_object_class_init (TorvanixProvidersContractsValueObjectClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = value_object_get_property;
  object_class->dispose = value_object_dispose;

  klass->to_value = value_object_real_to_value;
  klass->to_string = value_object_real_to_string;
  klass->clone = value_object_real_clone;
  klass->dump = value_object_real_dump;
  klass->get_name = value_object_real_get_name;
  klass->get_data_type = value_object_real_get_data_type;
  klass->get_is_null = value_object_real_get_is_null;

  g_object_class_install_property (object_class, PROP_NAME, providers::values::name_pspec ());
  g_object_class_install_property (object_class, PROP_DATA_TYPE, providers::values::data_type_pspec ());
  g_object_class_install_property (object_class, providers::values::PROP_IS_NULL, providers::values::is_null_pspec ());
}

static void
torvanix_providers_contracts_value_object_init (TorvanixProvidersContractsValueObject *)
{
}

extern "C" TorvanixProvidersContractsValueObject *
torvanix_providers_contracts_value_object_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT, nullptr);
  /* No construction properties: value objects are made once per cell, and
   * the property machinery would dominate their cost. */
  return static_cast<TorvanixProvidersContractsValueObject *> (g_object_new (object_type, nullptr));
}

extern "C" TorvanixProvidersContractsValueObject *
torvanix_providers_contracts_value_object_new (void)
{
  return torvanix_providers_contracts_value_object_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT);
}

extern "C" void
torvanix_providers_contracts_value_object_to_value (TorvanixProvidersContractsValueObject *self, GValue *result)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_OBJECT (self));
  providers_return_if_fail (result != NULL);
  providers_return_if_fail (!G_IS_VALUE (result));
  auto *klass = VALUE_OBJECT_CLASS_OF (self);
  if (klass->to_value) klass->to_value (self, result);
}

extern "C" gchar *
torvanix_providers_contracts_value_object_to_string (TorvanixProvidersContractsValueObject *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_OBJECT (self), nullptr);
  auto *klass = VALUE_OBJECT_CLASS_OF (self);
  return klass->to_string ? klass->to_string (self) : nullptr;
}

extern "C" TorvanixProvidersContractsIValue *
torvanix_providers_contracts_value_object_clone (TorvanixProvidersContractsValueObject *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_OBJECT (self), nullptr);
  auto *klass = VALUE_OBJECT_CLASS_OF (self);
  return klass->clone ? klass->clone (self) : nullptr;
}

extern "C" gchar *
torvanix_providers_contracts_value_object_dump (TorvanixProvidersContractsValueObject *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_OBJECT (self), nullptr);
  auto *klass = VALUE_OBJECT_CLASS_OF (self);
  return klass->dump ? klass->dump (self) : nullptr;
}

extern "C" const gchar *
torvanix_providers_contracts_value_object_get_name (TorvanixProvidersContractsValueObject *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_OBJECT (self), nullptr);
  auto *klass = VALUE_OBJECT_CLASS_OF (self);
  return klass->get_name ? klass->get_name (self) : nullptr;
}

extern "C" TorvanixProvidersContractsDataType
torvanix_providers_contracts_value_object_get_data_type (TorvanixProvidersContractsValueObject *self)
{
  providers_return_val_if_fail (self != NULL, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_OBJECT (self), TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
  auto *klass = VALUE_OBJECT_CLASS_OF (self);
  return klass->get_data_type ? klass->get_data_type (self) : TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
}

extern "C" gboolean
torvanix_providers_contracts_value_object_get_is_null (TorvanixProvidersContractsValueObject *self)
{
  providers_return_val_if_fail (self != NULL, FALSE);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_OBJECT (self), FALSE);
  auto *klass = VALUE_OBJECT_CLASS_OF (self);
  return klass->get_is_null ? klass->get_is_null (self) : FALSE;
}
