/* The reader interface's get_value: one cell of the current row as the
 * typed value object its column's data type calls for. */
#include "contracts/providers/data-reader-private.h"

#include "common/check.h"
#include "common/gobject-ref.h"
#include "libproviders/values.h"

namespace providers::contracts {

namespace {

using Reader = TorvanixProvidersContractsIDataReader;
using IValue = TorvanixProvidersContractsIValue;

template <typename T>
IValue *
as_value (T *object)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (object);
}

IValue *
null_value ()
{
  return as_value (torvanix_providers_contracts_value_null_new ());
}

/* A getter that answered no text (and no error) has no value to give, so
 * the cell is a database null rather than a constructor's refusal. */
template <typename Make>
IValue *
from_text (gchar *text, Make make)
{
  GUnique<gchar> owned (text);
  return owned ? as_value (make (owned.get ())) : null_value ();
}

template <typename Make>
IValue *
from_datetime (GDateTime *datetime, Make make)
{
  GUnique<GDateTime> owned (datetime);
  return owned ? as_value (make (owned.get ())) : null_value ();
}

template <typename Make>
IValue *
from_bytes (guint8 *data, gint length, Make make)
{
  GUnique<guint8> owned (data);
  /* Never read past a buffer that is missing or shorter than claimed. */
  if (owned == nullptr || length < 0) length = 0;
  return as_value (make (owned.get (), length));
}

}  // namespace

IValue *
default_get_value (Reader *self, guint16 ordinal, GError **error)
{
  GError *inner = nullptr;
  const gboolean is_null = torvanix_providers_contracts_idata_reader_is_null (self, ordinal, &inner);
  if (inner != nullptr) {
    g_propagate_error (error, inner);
    return nullptr;
  }
  if (is_null) return null_value ();
  const TorvanixProvidersContractsDataType data_type =
      torvanix_providers_contracts_idata_reader_get_data_type (self, ordinal, &inner);
  if (inner != nullptr) {
    g_propagate_error (error, inner);
    return nullptr;
  }

  GRef<IValue> value;
  switch (raw_enum (data_type)) {
#define SCALAR_CASE(TYPE, getter, klass)                                                                    \
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_##TYPE: {                                                     \
    auto cell = torvanix_providers_contracts_idata_reader_##getter (self, ordinal, &inner);                 \
    if (inner == nullptr) value = adopt_ref (as_value (torvanix_providers_contracts_value_##klass##_new (cell))); \
    break;                                                                                                  \
  }
    SCALAR_CASE (BOOLEAN, get_boolean, boolean)
    SCALAR_CASE (INT8, get_int8, int8)
    SCALAR_CASE (INT16, get_int16, int16)
    SCALAR_CASE (INT32, get_int32, int32)
    SCALAR_CASE (INT64, get_int64, int64)
    SCALAR_CASE (UINT8, get_uint8, uint8)
    SCALAR_CASE (UINT16, get_uint16, uint16)
    SCALAR_CASE (UINT32, get_uint32, uint32)
    SCALAR_CASE (UINT64, get_uint64, uint64)
    SCALAR_CASE (MONEY, get_money, money)
    SCALAR_CASE (DECIMAL, get_decimal, decimal)
    SCALAR_CASE (FLOAT, get_float, float)
    SCALAR_CASE (DOUBLE, get_double, double)
    SCALAR_CASE (TIMESPAN, get_timespan, time_span)
#undef SCALAR_CASE

#define TEXT_CASE(TYPE, getter, constructor)                                                               \
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_##TYPE: {                                                     \
    gchar *text = torvanix_providers_contracts_idata_reader_##getter (self, ordinal, &inner);               \
    if (inner == nullptr) value = adopt_ref (from_text (text, constructor));                                \
    else g_free (text);                                                                                     \
    break;                                                                                                  \
  }
    TEXT_CASE (ENUM, get_enum, torvanix_providers_contracts_value_enum_new)
    TEXT_CASE (FLAGS, get_flag, torvanix_providers_contracts_value_flags_new)
    TEXT_CASE (SET, get_set, torvanix_providers_contracts_value_set_new)
    TEXT_CASE (WSTRING, get_string16, torvanix_providers_contracts_value_utf16_new_string)
    TEXT_CASE (XML, get_xml, torvanix_providers_contracts_value_xml_new)
    TEXT_CASE (UUID, get_guid, torvanix_providers_contracts_value_uuid_new_uuid)
    TEXT_CASE (JSON, get_json, torvanix_providers_contracts_value_json_new)
    TEXT_CASE (GEOMETRY, get_geometry, torvanix_providers_contracts_value_geometry_new)
    TEXT_CASE (GEOGRAPHY, get_geography, torvanix_providers_contracts_value_geography_new)
#undef TEXT_CASE

#define DATETIME_CASE(TYPE, getter, constructor)                                                           \
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_##TYPE: {                                                     \
    GDateTime *datetime = torvanix_providers_contracts_idata_reader_##getter (self, ordinal, &inner);       \
    if (inner == nullptr) value = adopt_ref (from_datetime (datetime, constructor));                        \
    else if (datetime != nullptr) g_date_time_unref (datetime);                                             \
    break;                                                                                                  \
  }
    DATETIME_CASE (TIME, get_time, torvanix_providers_contracts_value_time_new_time)
    DATETIME_CASE (DATETIME, get_datetime, torvanix_providers_contracts_value_date_time_new_datetime)
    DATETIME_CASE (TIMESTAMP, get_timestamp, torvanix_providers_contracts_value_date_time_new_datetime)
#undef DATETIME_CASE

#define BYTES_CASE(TYPE, constructor)                                                                       \
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_##TYPE: {                                                      \
    gint length = 0;                                                                                         \
    guint8 *data = torvanix_providers_contracts_idata_reader_get_binary (self, ordinal, &length, &inner);    \
    if (inner == nullptr) value = adopt_ref (from_bytes (data, length, constructor));                        \
    else g_free (data);                                                                                      \
    break;                                                                                                   \
  }
    BYTES_CASE (BINARY, torvanix_providers_contracts_value_binary_new)
    BYTES_CASE (OBJECT, torvanix_providers_contracts_value_binary_new)
    BYTES_CASE (BLOB, torvanix_providers_contracts_value_blob_new)
#undef BYTES_CASE

    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE: {
      GDate date;
      g_date_clear (&date, 1);
      torvanix_providers_contracts_idata_reader_get_date (self, ordinal, &date, &inner);
      if (inner == nullptr)
        value = adopt_ref (g_date_valid (&date) ? as_value (torvanix_providers_contracts_value_date_new_date (&date))
                                                : null_value ());
      break;
    }
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT: {
      IValue *variant = torvanix_providers_contracts_idata_reader_get_variant (self, ordinal, &inner);
      if (inner == nullptr) value = adopt_ref (variant ? variant : null_value ());
      else if (variant != nullptr) g_object_unref (variant);
      break;
    }
    /* STRING, and every type without a class of its own. */
    default: {
      gchar *text = torvanix_providers_contracts_idata_reader_get_string (self, ordinal, &inner);
      if (inner == nullptr) value = adopt_ref (from_text (text, torvanix_providers_contracts_value_string_new));
      else g_free (text);
      break;
    }
  }

  if (inner != nullptr) {
    g_propagate_error (error, inner);
    return nullptr;
  }
  return value.release ();
}

}  // namespace providers::contracts
