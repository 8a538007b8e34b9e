/* Helpers shared by the value classes. */
#include "contracts/values/value-class-private.h"

#include "contracts/values/value-object-private.h"

namespace {

void
subclass_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  if (!providers::values::get_standard_property (object, prop_id, value))
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
}

}  // namespace

namespace providers::values {

void
install_name_and_data_type (GObjectClass *object_class)
{
  object_class->get_property = subclass_get_property;
  g_object_class_install_property (object_class, PROP_NAME, name_pspec ());
  g_object_class_install_property (object_class, PROP_DATA_TYPE, data_type_pspec ());
}

GParamSpec *
text_itsvalue_pspec ()
{
  return g_param_spec_string ("itsvalue", "itsvalue", "itsvalue", nullptr, kItsvalueFlags);
}

GParamSpec *
install_value_properties (GObjectClass *object_class, GParamSpec *itsvalue)
{
  g_object_class_install_property (object_class, PROP_NAME, name_pspec ());
  g_object_class_install_property (object_class, PROP_ITSVALUE, itsvalue);
  g_object_class_install_property (object_class, PROP_DATA_TYPE, data_type_pspec ());
  return itsvalue;
}

void
install_read_only_text_properties (GObjectClass *object_class)
{
  install_value_properties (object_class,
                            g_param_spec_string ("itsvalue", "itsvalue", "itsvalue", nullptr,
                                                 static_cast<GParamFlags> (G_PARAM_READABLE | G_PARAM_STATIC_STRINGS)));
  g_object_class_install_property (object_class, PROP_IS_NULL, is_null_pspec ());
}

}  // namespace providers::values
