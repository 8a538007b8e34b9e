/* The builders' table as libproviders holds it: handed to engine
 * libraries on the IProvider interface type, and answered directly to the
 * common home compiled into libproviders itself. */
#include "contracts/internals-private.h"

#include "contracts/models/model-internal.h"
#include "contracts/providers/data-reader-private.h"
#include "contracts/values/value-internal.h"

namespace providers::contracts {

namespace {

constexpr Internals kInternals = {
  kInternalsVersion,
  sizeof (Internals),
  PROVIDERS_VERSION,
  providers::values::date_time_adopt,
  providers::values::date_time_adopt_cell,
  providers::values::date_time_adopt_text,
  providers::values::decimal_with_text,
  providers::values::integer_keep_text,
  providers::values::text_adopt,
  providers::values::text_copy,
  providers::values::value_class_row,
  providers::values::prepare_value_classes,
  providers::models::row_adopting,
  providers::models::row_adopting_array,
  providers::models::table_adopt_rows,
  default_get_value,
  set_column_out_of_reach,
};

}  // namespace

void
hand_out_internals (GType iprovider_type)
{
  g_type_set_qdata (iprovider_type, g_quark_from_static_string (kInternalsQuark),
                    const_cast<Internals *> (&kInternals));
}

}  // namespace providers::contracts

namespace providers::home {

const contracts::Internals &
internals () noexcept
{
  return contracts::kInternals;
}

}  // namespace providers::home
