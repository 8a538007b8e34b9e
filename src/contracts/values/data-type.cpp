/* DataType and DataVersion: names, and mappings to and from GTypes. */
#include "libproviders/values/data-type.h"

#include "libproviders/values/value-core.h"
#include "common/check.h"
#include "common/enum-nick.h"
#include "common/gobject-ref.h"
#include "contracts/values/value-class-table-internal.h"

using providers::GUnique;

G_DEFINE_ENUM_TYPE (TorvanixProvidersContractsDataType, torvanix_providers_contracts_data_type,
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, "unknown"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL, "dbnull"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "boolean"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, "int8"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, "int16"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "int32"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "int64"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8, "uint8"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16, "uint16"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32, "uint32"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64, "uint64"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM, "enum"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS, "flags"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_SET, "set"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "money"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "decimal"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, "float"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "double"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, "date"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, "time"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, "datetime"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN, "timespan"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP, "timestamp"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "string"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, "wstring"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_XML, "xml"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID, "uuid"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON, "json"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY, "geometry"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY, "geography"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, "binary"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "blob"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT, "object"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_POINTER, "pointer"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT, "variant"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY, "array"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR, "error"))

G_DEFINE_FLAGS_TYPE (TorvanixProvidersContractsDataVersion, torvanix_providers_contracts_data_version,
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL, "initial"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL, "identical"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE, "delete"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT, "insert"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE, "update"))

extern "C" gchar *
torvanix_providers_contracts_data_type_to_string (TorvanixProvidersContractsDataType self)
{
  return providers::enum_nick (TORVANIX_PROVIDERS_CONTRACTS_TYPE_DATA_TYPE, providers::raw_enum (self));
}

extern "C" GType
torvanix_providers_contracts_data_type_get_glib_type (TorvanixProvidersContractsDataType self)
{
  return providers::values::value_class_row (self).glib_type ();
}

namespace {

struct NamedDataType {
  const char *name;
  TorvanixProvidersContractsDataType data_type;
};

/* Checked in this order; the first equal name decides. */
constexpr NamedDataType kNamedTypes[] = {
  {"gint16", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT16},
  {"guint16", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16},
  {"gdate", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE},
  {"gtime", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME},
  {"gdatetime", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
  {"gtimespan", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN},
  {"gtimestamp", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
  {"gnumeric", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL},
  {"guid", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID},
  {"uuid", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UUID},
  {"xml", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_XML},
  {"json", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_JSON},
  {"gobject", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT},
  {"gbinary", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY},
  {"gblob", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB},
  {"gnull", TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL},
};

/* Interned identifiers of kNamedTypes, filled on first use. Every thread
 * that fills one writes the same quark, so a plain atomic store suffices. */
GQuark named_type_quark (std::size_t index)
{
  static GQuark cache[G_N_ELEMENTS (kNamedTypes)];
  GQuark quark = g_atomic_int_get (reinterpret_cast<gint *> (&cache[index]));
  if (quark == 0) {
    quark = g_quark_from_static_string (kNamedTypes[index].name);
    g_atomic_int_set (reinterpret_cast<gint *> (&cache[index]), static_cast<gint> (quark));
  }
  return quark;
}

TorvanixProvidersContractsDataType fundamental_data_type (GType type)
{
  switch (type) {
    case G_TYPE_CHAR: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT8;
    case G_TYPE_UCHAR: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8;
    case G_TYPE_BOOLEAN: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN;
    case G_TYPE_INT:
    case G_TYPE_LONG: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;
    case G_TYPE_UINT:
    case G_TYPE_ULONG: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32;
    case G_TYPE_INT64: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
    case G_TYPE_UINT64: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64;
    case G_TYPE_ENUM: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM;
    case G_TYPE_FLAGS: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS;
    case G_TYPE_FLOAT: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT;
    case G_TYPE_DOUBLE: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE;
    case G_TYPE_STRING: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
    default: return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
  }
}

}  // namespace

extern "C" TorvanixProvidersContractsDataType
torvanix_providers_contracts_data_type_get_data_type (GType type)
{
  TorvanixProvidersContractsDataType found = fundamental_data_type (type);
  if (found != TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN)
    return found;

  const gchar *type_name = g_type_name (type);
  if (type_name == nullptr)
    return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;

  GUnique<gchar> lowered (g_utf8_strdown (type_name, -1));
  GQuark quark = g_quark_from_string (lowered.get ());
  for (std::size_t i = 0; i < G_N_ELEMENTS (kNamedTypes); ++i) {
    if (quark == named_type_quark (i))
      return kNamedTypes[i].data_type;
  }
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
}

extern "C" TorvanixProvidersContractsDataVersion
torvanix_providers_contracts_data_version_all (void)
{
  return static_cast<TorvanixProvidersContractsDataVersion> (
      TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL | TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE |
      TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT | TORVANIX_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
}

extern "C" gchar *
torvanix_providers_contracts_data_version_to_string (TorvanixProvidersContractsDataVersion self)
{
  GUnique<GTypeClass> klass (static_cast<GTypeClass *> (
      g_type_class_ref (TORVANIX_PROVIDERS_CONTRACTS_TYPE_DATA_VERSION)));
  const GFlagsValue *value = g_flags_get_first_value (G_FLAGS_CLASS (klass.get ()), static_cast<guint> (providers::raw_enum (self)));
  /* Bits that name no flag (16, say) have no name: answer null. */
  return value ? g_utf8_strup (value->value_nick, -1) : nullptr;
}
