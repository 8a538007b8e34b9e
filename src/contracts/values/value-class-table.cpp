/* The DataType table: one row per data type names its GLib type, its value
 * class and how a value of it is built from a text, from a reader's typed
 * getter and from a provider's cell. The builders the rows share are
 * templates over the classes' own constructors. */
#include "contracts/values/value-class-table-internal.h"

#include "common/check.h"
#include "common/gobject-ref.h"
#include "contracts/values/value-factory-private.h"
#include "contracts/values/value-internal.h"
#include "libproviders/values.h"

#include <cstring>
#include <string_view>

namespace providers::values {

namespace {

using Reader = TorvanixProvidersContractsIDataReader;

/* Every value class implements IValue: no checked cast per cell. */
IValue *
as_value (gpointer object)
{
  return static_cast<IValue *> (object);
}

IValue *
null_value ()
{
  return as_value (torvanix_providers_contracts_value_null_new ());
}

template <GType type>
GType
fundamental ()
{
  return type;
}

/* From a text (the value factory) --------------------------------------------- */

const gchar *
or_empty (const gchar *text)
{
  return text ? text : "";
}

/* A number read by `read` from the text ("" for none), narrowed to `Stored`. */
template <auto make, typename Stored, auto read>
gpointer
number_from_text (const gchar *text)
{
  return make (static_cast<Stored> (read (or_empty (text))));
}

gint64
signed_prefixed (const gchar *text)
{
  return g_ascii_strtoll (text, nullptr, 0);
}

guint64
unsigned_prefixed (const gchar *text)
{
  return g_ascii_strtoull (text, nullptr, 0);
}

gdouble
ascii_double (const gchar *text)
{
  return g_ascii_strtod (text, nullptr);
}

template <auto make>
gpointer
copy_from_text (const gchar *text)
{
  return make (or_empty (text));
}

/* The bytes of the text without its terminating zero. */
template <auto make>
gpointer
bytes_from_text (const gchar *text)
{
  if (text == nullptr) return make (nullptr, 0);
  /* A cell longer than the length type can count is cut at its limit. */
  gsize length = MIN (std::strlen (text), static_cast<gsize> (G_MAXINT));
  return make (reinterpret_cast<const guint8 *> (text), static_cast<gint> (length));
}

/* An ISO 8601 text; without one, the class's default (now). */
template <auto parse, auto make_default>
gpointer
iso8601_from_text (const gchar *text)
{
  return text ? static_cast<gpointer> (parse (text)) : static_cast<gpointer> (make_default ());
}

gpointer
null_from_text (const gchar *)
{
  return torvanix_providers_contracts_value_null_new ();
}

gpointer
boolean_from_text (const gchar *text)
{
  return torvanix_providers_contracts_value_boolean_new (g_strcmp0 (text, "true") == 0);
}

gpointer
timespan_from_text (const gchar *text)
{
  return torvanix_providers_contracts_value_time_span_new_interval (0, signed_prefixed (or_empty (text)));
}

gpointer
object_from_text (const gchar *)
{
  return torvanix_providers_contracts_value_object_new ();
}

/* From a reader's typed getter -------------------------------------------------- */

/* The getter's error becomes the caller's; true when there was one. */
bool
failed (GError *inner, GError **error)
{
  if (inner == nullptr) return false;
  g_propagate_error (error, inner);
  return true;
}

template <auto getter, auto make>
IValue *
read_number (Reader *reader, guint16 ordinal, GError **error)
{
  GError *inner = nullptr;
  auto cell = getter (reader, ordinal, &inner);
  return failed (inner, error) ? nullptr : as_value (make (cell));
}

/* A getter that answered no text, date-time or bytes (and no error) has no
 * value to give, so the cell is a database null rather than a constructor's
 * refusal. */
template <auto getter, auto make>
IValue *
read_text (Reader *reader, guint16 ordinal, GError **error)
{
  GError *inner = nullptr;
  GUnique<gchar> text (getter (reader, ordinal, &inner));
  if (failed (inner, error)) return nullptr;
  return text ? as_value (make (text.get ())) : null_value ();
}

template <auto getter, auto make>
IValue *
read_date_time (Reader *reader, guint16 ordinal, GError **error)
{
  GError *inner = nullptr;
  GUnique<GDateTime> held (getter (reader, ordinal, &inner));
  if (failed (inner, error)) return nullptr;
  return held ? as_value (make (held.get ())) : null_value ();
}

template <auto make>
IValue *
read_bytes (Reader *reader, guint16 ordinal, GError **error)
{
  GError *inner = nullptr;
  gint length = 0;
  GUnique<guint8> data (torvanix_providers_contracts_idata_reader_get_binary (reader, ordinal, &length, &inner));
  if (failed (inner, error)) return nullptr;
  /* Never read past a buffer that is missing or shorter than claimed. */
  if (data == nullptr || length < 0) length = 0;
  return as_value (make (data.get (), length));
}

IValue *
read_date (Reader *reader, guint16 ordinal, GError **error)
{
  GError *inner = nullptr;
  GDate date;
  g_date_clear (&date, 1);
  torvanix_providers_contracts_idata_reader_get_date (reader, ordinal, &date, &inner);
  if (failed (inner, error)) return nullptr;
  return g_date_valid (&date) ? as_value (torvanix_providers_contracts_value_date_new_date (&date)) : null_value ();
}

IValue *
read_variant (Reader *reader, guint16 ordinal, GError **error)
{
  GError *inner = nullptr;
  GRef<IValue> variant = adopt_ref (torvanix_providers_contracts_idata_reader_get_variant (reader, ordinal, &inner));
  if (failed (inner, error)) return nullptr;
  return variant ? variant.release () : null_value ();
}

/* From a provider's cell ------------------------------------------------------ */

template <auto make, typename Stored>
IValue *
signed_cell (gint64 value)
{
  return as_value (make (static_cast<Stored> (value)));
}

template <auto make, typename Stored>
IValue *
unsigned_cell (guint64 value)
{
  return as_value (make (static_cast<Stored> (value)));
}

template <auto make, typename Stored>
IValue *
floating_cell (gdouble value)
{
  return as_value (make (static_cast<Stored> (value)));
}

IValue *
decimal_cell (gdouble value, const gchar *digits, gsize length)
{
  return as_value (decimal_with_text (value, digits, length));
}

/* Held in the value's own block where it fits, copied once. */
template <GType (*type) ()>
IValue *
copied_text_cell (const gchar *text, gsize length)
{
  return as_value (text_copy (type (), text, length));
}

/* Through the class's public constructor, for classes that check their text. */
template <auto make>
IValue *
constructed_text_cell (const gchar *text, gsize length)
{
  GUnique<gchar> copy (g_strndup (text, length));
  return as_value (make (copy.get ()));
}

/* A provider sends a boolean as "1" or "0" (or the words "t", "true", "f",
 * "false"); any other text is kept as it came, never read as false. */
IValue *
boolean_cell (const gchar *text, gsize length)
{
  const std::string_view word (text, length);
  if (word == "1" || word == "t" || word == "true")
    return as_value (torvanix_providers_contracts_value_boolean_new (TRUE));
  if (word == "0" || word == "f" || word == "false")
    return as_value (torvanix_providers_contracts_value_boolean_new (FALSE));
  return as_value (text_copy (torvanix_providers_contracts_value_string_get_type (), text, length));
}

template <auto make>
IValue *
bytes_cell (const guint8 *data, gsize length)
{
  return as_value (make (data, static_cast<gint> (length)));
}

/* The rows ------------------------------------------------------------------- */

#define DT(NAME) TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_##NAME
#define CLASS(lower) torvanix_providers_contracts_value_##lower##_get_type
#define NEW(lower) torvanix_providers_contracts_value_##lower##_new
#define GET(getter) torvanix_providers_contracts_idata_reader_get_##getter

constexpr ValueClassRow
row (TorvanixProvidersContractsDataType data_type, GType (*glib_type) (), GType (*value_type) (),
     gpointer (*from_text) (const gchar *), IValue *(*from_reader) (Reader *, guint16, GError **))
{
  return {data_type, glib_type, value_type, from_text, from_reader, CellForm::kText, nullptr, nullptr, nullptr, nullptr,
          copied_text_cell<CLASS (string)>, nullptr};
}

/* The same row with another way from a provider's cell. */
constexpr ValueClassRow
cell (ValueClassRow r, CellForm form)
{
  r.cell_form = form;
  r.text_cell = nullptr;
  return r;
}
constexpr ValueClassRow
cell (ValueClassRow r, IValue *(*signed_builder) (gint64))
{
  r = cell (r, CellForm::kSigned);
  r.signed_cell = signed_builder;
  return r;
}
constexpr ValueClassRow
cell (ValueClassRow r, IValue *(*unsigned_builder) (guint64))
{
  r = cell (r, CellForm::kUnsigned);
  r.unsigned_cell = unsigned_builder;
  return r;
}
constexpr ValueClassRow
cell (ValueClassRow r, IValue *(*floating_builder) (gdouble))
{
  r = cell (r, CellForm::kFloating);
  r.floating_cell = floating_builder;
  return r;
}
constexpr ValueClassRow
cell (ValueClassRow r, IValue *(*exact_builder) (gdouble, const gchar *, gsize))
{
  r = cell (r, CellForm::kExact);
  r.exact_cell = exact_builder;
  return r;
}
constexpr ValueClassRow
cell (ValueClassRow r, CellForm form, IValue *(*text_builder) (const gchar *, gsize))
{
  r = cell (r, form);
  r.text_cell = text_builder;
  return r;
}
constexpr ValueClassRow
cell (ValueClassRow r, IValue *(*bytes_builder) (const guint8 *, gsize))
{
  r = cell (r, CellForm::kBytes);
  r.bytes_cell = bytes_builder;
  return r;
}

/* Types without a class of their own: the factory keeps their text in an
 * XML value, the reader and a provider's cell in a plain text value. */
constexpr ValueClassRow
textual (TorvanixProvidersContractsDataType data_type, GType (*glib_type) (), GType (*value_type) ())
{
  return row (data_type, glib_type, value_type, copy_from_text<NEW (xml)>, read_text<GET (string), NEW (string)>);
}

constexpr GType (*kString) () = fundamental<G_TYPE_STRING>;

/* In the order of the DataType numbers (checked below). */
constexpr ValueClassRow kRows[] = {
  textual (DT (UNKNOWN), kString, CLASS (string)),
  cell (row (DT (DBNULL), CLASS (null), CLASS (null), null_from_text, read_text<GET (string), NEW (string)>), CellForm::kNull),
  cell (row (DT (BOOLEAN), fundamental<G_TYPE_BOOLEAN>, CLASS (boolean), boolean_from_text,
             read_number<GET (boolean), NEW (boolean)>),
        CellForm::kText, boolean_cell),
  cell (row (DT (INT8), fundamental<G_TYPE_CHAR>, CLASS (int8), number_from_text<NEW (int8), gint8, decimal_integer>,
             read_number<GET (int8), NEW (int8)>),
        signed_cell<NEW (int8), gint8>),
  cell (row (DT (INT16), fundamental<G_TYPE_INT>, CLASS (int16), number_from_text<NEW (int16), gint16, decimal_integer>,
             read_number<GET (int16), NEW (int16)>),
        signed_cell<NEW (int16), gint16>),
  cell (row (DT (INT32), fundamental<G_TYPE_INT>, CLASS (int32), number_from_text<NEW (int32), gint32, decimal_integer>,
             read_number<GET (int32), NEW (int32)>),
        signed_cell<NEW (int32), gint32>),
  cell (row (DT (INT64), fundamental<G_TYPE_INT64>, CLASS (int64), number_from_text<NEW (int64), gint64, signed_prefixed>,
             read_number<GET (int64), NEW (int64)>),
        signed_cell<NEW (int64), gint64>),
  cell (row (DT (UINT8), fundamental<G_TYPE_UCHAR>, CLASS (uint8), number_from_text<NEW (uint8), guint8, prefixed_integer>,
             read_number<GET (uint8), NEW (uint8)>),
        unsigned_cell<NEW (uint8), guint8>),
  cell (row (DT (UINT16), fundamental<G_TYPE_UINT>, CLASS (uint16), number_from_text<NEW (uint16), guint16, prefixed_integer>,
             read_number<GET (uint16), NEW (uint16)>),
        unsigned_cell<NEW (uint16), guint16>),
  /* The unsigned 32- and 64-bit types map to the signed GTypes: callers
   * rely on that, even though the values themselves convert unsigned. */
  cell (row (DT (UINT32), fundamental<G_TYPE_INT>, CLASS (uint32), number_from_text<NEW (uint32), guint32, prefixed_integer>,
             read_number<GET (uint32), NEW (uint32)>),
        unsigned_cell<NEW (uint32), guint32>),
  cell (row (DT (UINT64), fundamental<G_TYPE_INT64>, CLASS (uint64), number_from_text<NEW (uint64), guint64, unsigned_prefixed>,
             read_number<GET (uint64), NEW (uint64)>),
        unsigned_cell<NEW (uint64), guint64>),
  cell (row (DT (ENUM), fundamental<G_TYPE_ENUM>, CLASS (enum), copy_from_text<NEW (xml)>, read_text<GET (enum), NEW (enum)>),
        CellForm::kText, constructed_text_cell<NEW (enum)>),
  row (DT (FLAGS), fundamental<G_TYPE_FLAGS>, CLASS (flags), copy_from_text<NEW (xml)>, read_text<GET (flag), NEW (flags)>),
  cell (row (DT (SET), fundamental<G_TYPE_ENUM>, CLASS (set), copy_from_text<NEW (xml)>, read_text<GET (set), NEW (set)>),
        CellForm::kText, constructed_text_cell<NEW (set)>),
  /* Double precision: single precision loses cents beyond about seven
   * digits (1234567.89 would become 1234567.875). */
  row (DT (MONEY), fundamental<G_TYPE_DOUBLE>, CLASS (money), number_from_text<NEW (money), gdouble, ascii_double>,
       read_number<GET (money), NEW (money)>),
  cell (row (DT (DECIMAL), fundamental<G_TYPE_DOUBLE>, CLASS (decimal), copy_from_text<NEW (xml)>,
             read_number<GET (decimal), NEW (decimal)>),
        decimal_cell),
  cell (row (DT (FLOAT), fundamental<G_TYPE_FLOAT>, CLASS (float), number_from_text<NEW (float), gfloat, float_from_text>,
             read_number<GET (float), NEW (float)>),
        floating_cell<NEW (float), gfloat>),
  cell (row (DT (DOUBLE), fundamental<G_TYPE_DOUBLE>, CLASS (double), number_from_text<NEW (double), gdouble, ascii_double>,
             read_number<GET (double), NEW (double)>),
        floating_cell<NEW (double), gdouble>),
  cell (row (DT (DATE), g_date_get_type, CLASS (date),
             iso8601_from_text<torvanix_providers_contracts_value_date_new_iso8601, NEW (date)>, read_date),
        CellForm::kDate),
  cell (row (DT (TIME), fundamental<G_TYPE_POINTER>, CLASS (time), time_from_text,
             read_date_time<GET (time), torvanix_providers_contracts_value_time_new_time>),
        CellForm::kTime),
  cell (row (DT (DATETIME), g_date_time_get_type, CLASS (date_time),
             iso8601_from_text<torvanix_providers_contracts_value_date_time_new_iso8601, NEW (date_time)>,
             read_date_time<GET (datetime), torvanix_providers_contracts_value_date_time_new_datetime>),
        CellForm::kDateTime),
  row (DT (TIMESPAN), fundamental<G_TYPE_INT64>, CLASS (time_span), timespan_from_text,
       read_number<GET (timespan), NEW (time_span)>),
  cell (row (DT (TIMESTAMP), kString, CLASS (date_time),
             iso8601_from_text<torvanix_providers_contracts_value_date_time_new_iso8601, NEW (date_time)>,
             read_date_time<GET (timestamp), torvanix_providers_contracts_value_date_time_new_datetime>),
        CellForm::kDateTime),
  row (DT (STRING), kString, CLASS (string), copy_from_text<NEW (string)>, read_text<GET (string), NEW (string)>),
  row (DT (WSTRING), kString, CLASS (utf16), copy_from_text<NEW (xml)>,
       read_text<GET (string16), torvanix_providers_contracts_value_utf16_new_string>),
  cell (row (DT (XML), kString, CLASS (xml), copy_from_text<NEW (xml)>, read_text<GET (xml), NEW (xml)>),
        CellForm::kText, copied_text_cell<CLASS (xml)>),
  cell (row (DT (UUID), kString, CLASS (uuid), copy_from_text<torvanix_providers_contracts_value_uuid_new_uuid>,
             read_text<GET (guid), torvanix_providers_contracts_value_uuid_new_uuid>),
        CellForm::kText, copied_text_cell<CLASS (uuid)>),
  cell (row (DT (JSON), kString, CLASS (json), copy_from_text<NEW (json)>, read_text<GET (json), NEW (json)>),
        CellForm::kText, copied_text_cell<CLASS (json)>),
  cell (row (DT (GEOMETRY), kString, CLASS (geometry), copy_from_text<NEW (xml)>, read_text<GET (geometry), NEW (geometry)>),
        CellForm::kSpatial, constructed_text_cell<NEW (geometry)>),
  row (DT (GEOGRAPHY), kString, CLASS (geography), copy_from_text<NEW (xml)>, read_text<GET (geography), NEW (geography)>),
  cell (row (DT (BINARY), g_bytes_get_type, CLASS (binary), bytes_from_text<NEW (binary)>, read_bytes<NEW (binary)>),
        bytes_cell<NEW (binary)>),
  cell (row (DT (BLOB), g_bytes_get_type, CLASS (blob), bytes_from_text<NEW (blob)>, read_bytes<NEW (blob)>),
        bytes_cell<NEW (blob)>),
  row (DT (OBJECT), fundamental<G_TYPE_OBJECT>, CLASS (object), object_from_text, read_bytes<NEW (binary)>),
  textual (DT (POINTER), kString, CLASS (string)),
  row (DT (VARIANT), fundamental<G_TYPE_VARIANT>, CLASS (object), copy_from_text<NEW (xml)>, read_variant),
  textual (DT (ARRAY), g_array_get_type, CLASS (string)),
  textual (DT (ERROR), kString, CLASS (error)),
};

#undef GET
#undef NEW
#undef CLASS
#undef DT

constexpr bool
rows_in_order ()
{
  for (std::size_t i = 0; i < G_N_ELEMENTS (kRows); ++i) {
    if (static_cast<std::size_t> (kRows[i].data_type) != i) return false;
  }
  return G_N_ELEMENTS (kRows) == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR + 1;
}
static_assert (rows_in_order (), "one row per DataType, in the order of their numbers");

}  // namespace

const ValueClassRow &
value_class_row (TorvanixProvidersContractsDataType data_type) noexcept
{
  const auto index = static_cast<unsigned> (raw_enum (data_type));
  return kRows[index < G_N_ELEMENTS (kRows) ? index : 0];
}

void
prepare_value_classes ()
{
  static const bool prepared = [] {
    for (const ValueClassRow &r : kRows)
      g_type_class_unref (g_type_class_ref (r.value_type ()));
    return true;
  }();
  (void) prepared;
}

}  // namespace providers::values
