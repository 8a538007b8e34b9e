/* The table of internal builders that libproviders hands to engine
 * libraries: the fast paths of value-internal.h, the class table of
 * value-class-table-internal.h, model-internal.h and data-reader-private.h,
 * which are hidden in libproviders.so and so cannot
 * be linked against. libproviders attaches the table to the IProvider
 * interface type as qdata under kInternalsQuark; an engine library reads
 * it from there and uses it only when its version and size are the ones
 * the engine library was built with. No symbol is exported for it. */
#pragma once

#include "contracts/values/value-class-table-internal.h"
#include "libproviders/contracts/data-reader.h"
#include "libproviders/models/row-model.h"
#include "libproviders/models/table-model.h"
#include "libproviders/values/value-datetime.h"
#include "libproviders/values/value-scalar.h"
#include "libproviders/values/value-text.h"

namespace providers::contracts {

/* Raised whenever a member is added, removed, reordered or changes its
 * signature: an engine library built against another layout then refuses
 * to run instead of calling through the wrong slot. */
inline constexpr guint32 kInternalsVersion = 1;

/* The quark's name, on TORVANIX_PROVIDERS_CONTRACTS_TYPE_IPROVIDER. */
inline constexpr char kInternalsQuark[] = "torvanix-providers-internals";

/* The first three members keep their place in every version, so that a
 * mismatch can be told. */
struct Internals {
  guint32 version;             /* kInternalsVersion of the libproviders that made it */
  gsize size;                  /* sizeof (Internals) there */
  const char *library_version; /* that libproviders' version, for messages */

  /* contracts/values/value-internal.h */
  TorvanixProvidersContractsValueDateTime *(*date_time_adopt) (GType type, GDateTime *value);
  TorvanixProvidersContractsValueDateTime *(*date_time_adopt_cell) (GType type, GDateTime *value, gint decimals);
  TorvanixProvidersContractsValueDateTime *(*date_time_adopt_text) (GType type, gchar *text);
  TorvanixProvidersContractsValueDecimal *(*decimal_with_text) (gdouble value, const gchar *text, gsize length);
  void (*integer_keep_text) (TorvanixProvidersContractsValueObject *value, gchar *text);
  TorvanixProvidersContractsValueString *(*text_adopt) (GType type, gchar *text);
  TorvanixProvidersContractsValueString *(*text_copy) (GType type, const gchar *text, gsize length);

  /* contracts/values/value-class-table-internal.h */
  const providers::values::ValueClassRow &(*value_class_row) (TorvanixProvidersContractsDataType data_type) noexcept;
  void (*prepare_value_classes) ();

  /* contracts/models/model-internal.h */
  TorvanixProvidersContractsRowModel *(*row_adopting) (gpointer *values, guint count);
  TorvanixProvidersContractsRowModel *(*row_adopting_array) (gpointer *items, guint count);
  void (*table_adopt_rows) (TorvanixProvidersContractsTableModel *table, TorvanixProvidersContractsRowModel **rows,
                            guint count);

  /* contracts/providers/data-reader-private.h */
  TorvanixProvidersContractsIValue *(*default_get_value) (TorvanixProvidersContractsIDataReader *self,
                                                          guint16 ordinal, GError **error);
  void (*set_column_out_of_reach) (GError **error, gint64 ordinal);
};

/* Attaches the table to `iprovider_type`; called once, as the interface
 * type is registered. */
void hand_out_internals (GType iprovider_type);

}  // namespace providers::contracts

namespace providers::home {

/* The one door through which the common home (src/supports/common) calls
 * the builders. In libproviders it answers the table above directly; in an
 * engine library (supports/common/engine/internals-lookup.cpp) the table
 * libproviders handed out, which the engine's open has checked first. */
const contracts::Internals &internals () noexcept;

}  // namespace providers::home
