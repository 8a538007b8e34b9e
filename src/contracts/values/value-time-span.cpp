/* ValueTimeSpan: a duration kept as a signed 64-bit number. Its unit is
 * whatever the producer used, so it is neither converted nor printed. */
#include "libproviders/values/value-datetime.h"

#include "common/check.h"
#include "common/private-data.h"
#include "contracts/values/value-class-private.h"
#include "contracts/values/value-object-private.h"

struct TorvanixProvidersContractsValueTimeSpanPrivate {
  gint64 itsvalue = 0;
};

namespace {

GParamSpec *itsvalue_pspec;

}  // namespace

PROVIDERS_DEFINE_TYPE (TorvanixProvidersContractsValueTimeSpan, torvanix_providers_contracts_value_time_span, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)

namespace {

TorvanixProvidersContractsValueTimeSpanPrivate *
priv_of (gpointer self)
{
  return static_cast<TorvanixProvidersContractsValueTimeSpanPrivate *> (
      torvanix_providers_contracts_value_time_span_get_instance_private (
          static_cast<TorvanixProvidersContractsValueTimeSpan *> (self)));
}

TorvanixProvidersContractsValueTimeSpan *
make (GType object_type, gint64 span)
{
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_VALUE_TIME_SPAN (torvanix_providers_contracts_value_object_construct (object_type));
  priv_of (self)->itsvalue = span;
  return self;
}

TorvanixProvidersContractsIValue *
time_span_clone (TorvanixProvidersContractsValueObject *self)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (make (G_OBJECT_TYPE (self), priv_of (self)->itsvalue));
}

const gchar *
time_span_get_name (TorvanixProvidersContractsValueObject *)
{
  return "timespan";
}

TorvanixProvidersContractsDataType
time_span_get_data_type (TorvanixProvidersContractsValueObject *)
{
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN;
}

void
time_span_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE) {
    g_value_set_int64 (value, priv_of (object)->itsvalue);
  } else if (!providers::values::get_standard_property (object, prop_id, value)) {
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

void
time_span_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  if (prop_id == providers::values::PROP_ITSVALUE) {
    torvanix_providers_contracts_value_time_span_set_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_TIME_SPAN (object),
                                                               g_value_get_int64 (value));
  } else {
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

}  // namespace

static void
torvanix_providers_contracts_value_time_span_class_init (TorvanixProvidersContractsValueTimeSpanClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  auto *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  object_class->get_property = time_span_get_property;
  object_class->set_property = time_span_set_property;

  /* to_string and to_value stay those of the base class: without a known
   * unit there is no faithful text for the span. */
  value_class->clone = time_span_clone;
  value_class->get_name = time_span_get_name;
  value_class->get_data_type = time_span_get_data_type;

  itsvalue_pspec = providers::values::install_value_properties (
      object_class, g_param_spec_int64 ("itsvalue", "itsvalue", "itsvalue", G_MININT64, G_MAXINT64, 0,
                                        providers::values::kItsvalueFlags));
}

extern "C" TorvanixProvidersContractsValueTimeSpan *
torvanix_providers_contracts_value_time_span_construct (GType object_type, gint64 span)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME_SPAN, nullptr);
  return make (object_type, span);
}

extern "C" TorvanixProvidersContractsValueTimeSpan *
torvanix_providers_contracts_value_time_span_new (gint64 span)
{
  return torvanix_providers_contracts_value_time_span_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME_SPAN, span);
}

extern "C" TorvanixProvidersContractsValueTimeSpan *
torvanix_providers_contracts_value_time_span_construct_interval (GType object_type, gint16, gint64 span)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME_SPAN, nullptr);
  return make (object_type, span);
}

extern "C" TorvanixProvidersContractsValueTimeSpan *
torvanix_providers_contracts_value_time_span_new_interval (gint16 interval, gint64 span)
{
  return torvanix_providers_contracts_value_time_span_construct_interval (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME_SPAN,
                                                                          interval, span);
}

extern "C" gint64
torvanix_providers_contracts_value_time_span_get_itsvalue (TorvanixProvidersContractsValueTimeSpan *self)
{
  providers_return_val_if_fail (self != NULL, 0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_TIME_SPAN (self), 0);
  return priv_of (self)->itsvalue;
}

extern "C" void
torvanix_providers_contracts_value_time_span_set_itsvalue (TorvanixProvidersContractsValueTimeSpan *self, gint64 value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_TIME_SPAN (self));
  priv_of (self)->itsvalue = value;
  g_object_notify_by_pspec (G_OBJECT (self), itsvalue_pspec);
}
