/* A reader's "field-count" and "is-closed", through its slots. */
#include "supports/common/reader-properties-internal.h"

#include "libproviders/contracts.h"

namespace providers::home {

namespace {

enum {
  PROP_0,
  PROP_FIELD_COUNT,
  PROP_IS_CLOSED,
};

void
get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  auto *reader = reinterpret_cast<TorvanixProvidersContractsIDataReader *> (object);
  switch (prop_id) {
    case PROP_FIELD_COUNT:
      g_value_set_int (value, torvanix_providers_contracts_idata_reader_get_field_count (reader));
      break;
    case PROP_IS_CLOSED:
      g_value_set_boolean (value, torvanix_providers_contracts_idata_reader_get_is_closed (reader));
      break;
    default:
      G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

}  // namespace

void
reader_properties (GObjectClass *object_class)
{
  object_class->get_property = get_property;
  g_object_class_override_property (object_class, PROP_FIELD_COUNT, "field-count");
  g_object_class_override_property (object_class, PROP_IS_CLOSED, "is-closed");
}

}  // namespace providers::home
