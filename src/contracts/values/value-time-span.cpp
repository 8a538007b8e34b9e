/* ValueTimeSpan: a duration kept as a signed 64-bit number. Its unit is
 * whatever the producer used, so it is neither converted nor printed. */
#include "libproviders/values/value-datetime.h"

#include "contracts/values/value-family-private.h"

namespace {

/* to_string and to_value stay those of the base class: without a known
 * unit there is no faithful text for the span. */
struct TimeSpanTraits {
  PROVIDERS_VALUE_NAMES (ValueTimeSpan, "timespan", TIMESPAN);
  struct Private {
    gint64 itsvalue = 0;
  };
  using Held = gint64;

  static GParamSpec *itsvalue_spec ()
  {
    return g_param_spec_int64 ("itsvalue", "itsvalue", "itsvalue", G_MININT64, G_MAXINT64, 0,
                               providers::values::kItsvalueFlags);
  }
  static gint64 get (const Private &p) { return p.itsvalue; }
  static void set (Private &p, gint64 value) { p.itsvalue = value; }
  static void copy (const Private &from, Private &to) { to.itsvalue = from.itsvalue; }
};

using TimeSpan = providers::values::ValueClass<TimeSpanTraits>;

}  // namespace

PROVIDERS_DEFINE_VALUE_CLASS (ValueTimeSpan, value_time_span, VALUE_TIME_SPAN, TimeSpanTraits, 0)

PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueTimeSpan, value_time_span, VALUE_TIME_SPAN, , (gint64 span), (span), ,
                                    TimeSpan::make (object_type, span))
PROVIDERS_DEFINE_VALUE_CONSTRUCTOR (ValueTimeSpan, value_time_span, VALUE_TIME_SPAN, _interval,
                                    (gint16 interval, gint64 span), (interval, span), (void) interval,
                                    TimeSpan::make (object_type, span))
