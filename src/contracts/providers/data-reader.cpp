/* IDataReader: the exported dispatch functions and the defaults the
 * interface supplies for its later slots. */
#include "libproviders/contracts/data-reader.h"

#include <gio/gio.h>

#include "common/check.h"
#include "common/gobject-ref.h"
#include "common/reader-number-slots.h"
#include "contracts/providers/data-reader-private.h"

G_DEFINE_INTERFACE (TorvanixProvidersContractsIDataReader, torvanix_providers_contracts_idata_reader, G_TYPE_OBJECT)

using Reader = TorvanixProvidersContractsIDataReader;
using IValue = TorvanixProvidersContractsIValue;

#define READER_IFACE(self) TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER_GET_IFACE (self)

/* Each exported operation checks self and calls the implementation's slot;
 * an empty slot answers the zero of its result. */
#define READER_DISPATCH(name, ret, zero, params, args)                        \
  extern "C" ret torvanix_providers_contracts_idata_reader_##name params      \
  {                                                                           \
    providers_return_val_if_fail (self != NULL, zero);                        \
    providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IDATA_READER (self), zero); \
    auto *iface = READER_IFACE (self);                                        \
    return iface->name ? iface->name args : (zero);                           \
  }

#define READER_DISPATCH_VOID(name, params, args)                              \
  extern "C" void torvanix_providers_contracts_idata_reader_##name params     \
  {                                                                           \
    providers_return_if_fail (self != NULL);                                  \
    providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IDATA_READER (self)); \
    auto *iface = READER_IFACE (self);                                        \
    if (iface->name) iface->name args;                                        \
  }

#define READER_GETTER(name, ret, zero)                                        \
  READER_DISPATCH (name, ret, zero, (Reader * self, guint16 ordinal, GError * *error), (self, ordinal, error))

READER_DISPATCH (bulk, gboolean, FALSE, (Reader * self, GError * *error), (self, error))
READER_DISPATCH (read, gboolean, FALSE, (Reader * self, GError * *error), (self, error))
READER_DISPATCH_VOID (close, (Reader * self, GError * *error), (self, error))
READER_GETTER (get_name, gchar *, nullptr)
READER_GETTER (get_dbms_type, gchar *, nullptr)
READER_GETTER (get_data_type, TorvanixProvidersContractsDataType, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN)
READER_GETTER (get_size, gint32, 0)
READER_GETTER (is_null, gboolean, FALSE)
READER_GETTER (get_boolean, gboolean, FALSE)
#define READER_NUMBER_GETTER(name, type, kind) READER_GETTER (name, type, 0)
PROVIDERS_READER_NUMBER_SLOTS (READER_NUMBER_GETTER)
/* The date is the caller's to provide: an implementation writes into it. */
extern "C" void
torvanix_providers_contracts_idata_reader_get_date (Reader *self, guint16 ordinal, GDate *result, GError **error)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IDATA_READER (self));
  providers_return_if_fail (result != NULL);
  auto *iface = READER_IFACE (self);
  if (iface->get_date) iface->get_date (self, ordinal, result, error);
}
READER_GETTER (get_time, GDateTime *, nullptr)
READER_GETTER (get_datetime, GDateTime *, nullptr)
READER_GETTER (get_timespan, GTimeSpan, 0)
READER_GETTER (get_string, gchar *, nullptr)
READER_GETTER (get_string16, gchar *, nullptr)
READER_GETTER (get_guid, gchar *, nullptr)
/* A caller may leave out the length of an array result; implementations
 * always get a place to write it. */
#define READER_DISPATCH_ARRAY(name, ret, params, args)                        \
  extern "C" ret torvanix_providers_contracts_idata_reader_##name params      \
  {                                                                           \
    providers_return_val_if_fail (self != NULL, nullptr);                     \
    providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IDATA_READER (self), nullptr); \
    gint unused_length = 0;                                                   \
    if (result_length1 == nullptr) result_length1 = &unused_length;           \
    *result_length1 = 0;                                                      \
    auto *iface = READER_IFACE (self);                                        \
    return iface->name ? iface->name args : nullptr;                          \
  }

READER_DISPATCH_ARRAY (get_binary, guint8 *, (Reader * self, guint16 ordinal, gint *result_length1, GError **error),
                       (self, ordinal, result_length1, error))
READER_GETTER (get_timestamp, GDateTime *, nullptr)
READER_GETTER (get_enum, gchar *, nullptr)
READER_GETTER (get_flag, gchar *, nullptr)
READER_GETTER (get_set, gchar *, nullptr)
READER_GETTER (get_xml, gchar *, nullptr)
READER_GETTER (get_json, gchar *, nullptr)
READER_GETTER (get_geometry, gchar *, nullptr)
READER_GETTER (get_geography, gchar *, nullptr)
READER_GETTER (get_variant, IValue *, nullptr)
READER_DISPATCH_ARRAY (get_object, guint8 *, (Reader * self, guint16 ordinal, gint *result_length1, GError **error),
                       (self, ordinal, result_length1, error))
READER_GETTER (get_value, IValue *, nullptr)
READER_DISPATCH_ARRAY (get_values, IValue **, (Reader * self, gint *result_length1, GError **error),
                       (self, result_length1, error))

/* -1 is an implementation's "no field count"; a missing reader has none. */
extern "C" gint
torvanix_providers_contracts_idata_reader_get_field_count (Reader *self)
{
  providers_return_val_if_fail (self != NULL, 0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IDATA_READER (self), 0);
  auto *iface = READER_IFACE (self);
  return iface->get_field_count ? iface->get_field_count (self) : -1;
}
READER_DISPATCH (get_is_closed, gboolean, FALSE, (Reader * self), (self))

/* Defaults ------------------------------------------------------------------ */

namespace {

GDateTime *
default_get_timestamp (Reader *, guint16, GError **)
{
  return g_date_time_new_now_local ();
}

/* Enumerations, sets, documents and spatial values arrive as text; a
 * reader that has none of them answers the empty text. */
gchar *
default_empty_text (Reader *, guint16, GError **)
{
  return g_strdup ("");
}

IValue *
default_get_variant (Reader *, guint16, GError **)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (torvanix_providers_contracts_value_null_new ());
}

guint8 *
default_get_object (Reader *, guint16, gint *result_length1, GError **)
{
  if (result_length1) *result_length1 = 0;
  /* Empty but not null: null is how a getter reports failure. */
  return g_new0 (guint8, 1);
}

IValue **
default_get_values (Reader *self, gint *result_length1, GError **error)
{
  if (result_length1) *result_length1 = 0;
  providers::GUnique<GPtrArray> values (g_ptr_array_new_with_free_func (g_object_unref));
  /* The counter is wider than an ordinal, so a row wider than the ordinals
   * can address ends in an error instead of wrapping round. */
  for (gint64 ordinal = 0; ordinal < torvanix_providers_contracts_idata_reader_get_field_count (self); ++ordinal) {
    if (ordinal > G_MAXUINT16) {
      providers::contracts::set_column_out_of_reach (error, ordinal);
      return nullptr;
    }
    GError *inner = nullptr;
    IValue *value = torvanix_providers_contracts_idata_reader_get_value (self, static_cast<guint16> (ordinal), &inner);
    if (inner != nullptr) {
      if (value != nullptr) g_object_unref (value);
      g_propagate_error (error, inner);
      return nullptr;
    }
    /* A cell the reader could not turn into a value still holds its place,
     * so later values stay under their columns. */
    if (value == nullptr) value = TORVANIX_PROVIDERS_CONTRACTS_IVALUE (torvanix_providers_contracts_value_null_new ());
    g_ptr_array_add (values.get (), value);
  }
  if (result_length1) *result_length1 = static_cast<gint> (values->len);
  g_ptr_array_add (values.get (), nullptr);
  return reinterpret_cast<IValue **> (g_ptr_array_free (values.release (), FALSE));
}

}  // namespace

namespace providers::contracts {

void
set_column_out_of_reach (GError **error, gint64 ordinal)
{
  g_set_error (error, G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED,
               "The row has more than %u columns; column %" G_GINT64_FORMAT " cannot be addressed", G_MAXUINT16 + 1u,
               ordinal);
}

}  // namespace providers::contracts

static void
torvanix_providers_contracts_idata_reader_default_init (TorvanixProvidersContractsIDataReaderInterface *iface)
{
  g_object_interface_install_property (
      iface, g_param_spec_int ("field-count", "field-count", "field-count", G_MININT32, G_MAXINT32, 0,
                               static_cast<GParamFlags> (G_PARAM_READABLE | G_PARAM_STATIC_STRINGS)));
  g_object_interface_install_property (
      iface, g_param_spec_boolean ("is-closed", "is-closed", "is-closed", FALSE,
                                   static_cast<GParamFlags> (G_PARAM_READABLE | G_PARAM_STATIC_STRINGS)));

  iface->get_timestamp = default_get_timestamp;
  iface->get_enum = default_empty_text;
  iface->get_flag = default_empty_text;
  iface->get_set = default_empty_text;
  iface->get_xml = default_empty_text;
  iface->get_json = default_empty_text;
  iface->get_geometry = default_empty_text;
  iface->get_geography = default_empty_text;
  iface->get_variant = default_get_variant;
  iface->get_object = default_get_object;
  iface->get_value = providers::contracts::default_get_value;
  iface->get_values = default_get_values;
}
