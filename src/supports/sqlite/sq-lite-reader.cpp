/* SQLiteReader: a forward-only reader over a statement's rows, read whole
 * before the reader is handed out, so it holds no statement open on the
 * database and outlives its provider's next call, commit or close. */
#include <charconv>
#include <cstring>
#include <memory>

#include "common/gobject-ref.h"
#include "common/private-data.h"
#include "common/reader-number-slots.h"
#include "supports/common/reader-properties-internal.h"
#include "supports/sqlite/sq-lite-provider-private.h"

namespace {

using providers::sqlite::StoredCell;
using providers::sqlite::StoredRows;

/* Built whole by the type's instance init and destroyed whole by its
 * finalize (PROVIDERS_DEFINE_TYPE). */
struct TorvanixProvidersSupportsSQLiteReaderPrivate {
  std::unique_ptr<StoredRows> rows;
  guint64 next_row = 0;               /* the row the next read makes current */
  const StoredCell *current = nullptr; /* the current row's first cell; null before the first and after the last */
  bool closed = false;
};

using ReaderPrivate = TorvanixProvidersSupportsSQLiteReaderPrivate;

struct TorvanixProvidersSupportsSQLiteReader {
  GObject parent_instance;
};

struct TorvanixProvidersSupportsSQLiteReaderClass {
  GObjectClass parent_class;
};

void reader_data_reader_init (TorvanixProvidersContractsIDataReaderInterface *iface);

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersSupportsSQLiteReader, torvanix_providers_supports_sq_lite_reader,
                                 G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IDATA_READER,
                                                        reader_data_reader_init))

namespace {

ReaderPrivate &
priv_of (TorvanixProvidersSupportsSQLiteReader *self)
{
  return *torvanix_providers_supports_sq_lite_reader_get_instance_private (self);
}

/* Only this class implements the reader's virtuals: no checked cast. */
ReaderPrivate &
priv_of (TorvanixProvidersContractsIDataReader *self)
{
  return priv_of (reinterpret_cast<TorvanixProvidersSupportsSQLiteReader *> (self));
}

/* The cell at `ordinal` of the current row; null with an error when there
 * is none. */
const StoredCell *
cell_at (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  ReaderPrivate &priv = priv_of (self);
  if (ordinal >= priv.rows->columns.size ()) {
    g_set_error (error, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER,
                 "The result has no column %u.", static_cast<unsigned> (ordinal));
    return nullptr;
  }
  if (priv.current == nullptr) {
    providers::sqlite::set_own_error (error, "The reader has no current row.");
    return nullptr;
  }
  return priv.current + ordinal;
}

const providers::sqlite::ResultColumn *
column_at (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  ReaderPrivate &priv = priv_of (self);
  if (ordinal < priv.rows->columns.size ())
    return &priv.rows->columns[ordinal];
  g_set_error (error, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR, TORVANIX_PROVIDERS_SUPPORTS_SQ_LITE_ERROR_PROVIDER,
               "The result has no column %u.", static_cast<unsigned> (ordinal));
  return nullptr;
}

gint64
integer_of (const StoredCell &cell)
{
  switch (cell.storage) {
  case SQLITE_INTEGER:
    return cell.integer;
  case SQLITE_FLOAT:
    return static_cast<gint64> (cell.real);
  case SQLITE_TEXT:
    return g_ascii_strtoll (cell.bytes.c_str (), nullptr, 10);
  default:
    return 0;
  }
}

double
real_of (const StoredCell &cell)
{
  switch (cell.storage) {
  case SQLITE_INTEGER:
    return static_cast<double> (cell.integer);
  case SQLITE_FLOAT:
    return cell.real;
  case SQLITE_TEXT:
    return g_ascii_strtod (cell.bytes.c_str (), nullptr);
  default:
    return 0;
  }
}

/* The cell as text: a number's digits (a REAL's fewest that read back),
 * a TEXT's or BLOB's bytes up to a zero byte among them. */
gchar *
text_of (const StoredCell &cell)
{
  char digits[32];
  switch (cell.storage) {
  case SQLITE_INTEGER: {
    auto end = std::to_chars (digits, digits + sizeof digits, cell.integer).ptr;
    return g_strndup (digits, static_cast<gsize> (end - digits));
  }
  case SQLITE_FLOAT: {
    auto end = std::to_chars (digits, digits + sizeof digits, cell.real).ptr;
    return g_strndup (digits, static_cast<gsize> (end - digits));
  }
  case SQLITE_TEXT:
  case SQLITE_BLOB:
    return g_strndup (cell.bytes.data (), cell.bytes.size ());
  default:
    return g_strdup ("");
  }
}

GDateTime *
date_time_of (const StoredCell &cell)
{
  if (cell.storage != SQLITE_TEXT)
    return nullptr;
  providers::GUnique<GTimeZone> utc (g_time_zone_new_utc ());
  std::string text = cell.bytes;
  /* SQLite's own spelling puts a blank between the day and the time. */
  if (text.size () > 10 && text[10] == ' ')
    text[10] = 'T';
  return g_date_time_new_from_iso8601 (text.c_str (), utc.get ());
}

gboolean
reader_bulk (TorvanixProvidersContractsIDataReader *, GError **)
{
  return FALSE;
}

gboolean
reader_read (TorvanixProvidersContractsIDataReader *self, GError **)
{
  ReaderPrivate &priv = priv_of (self);
  if (priv.closed || priv.next_row >= priv.rows->rows) {
    priv.current = nullptr;
    return FALSE;
  }
  priv.current = priv.rows->cells.data () + priv.next_row * priv.rows->columns.size ();
  ++priv.next_row;
  return TRUE;
}

void
reader_close (TorvanixProvidersContractsIDataReader *self, GError **)
{
  ReaderPrivate &priv = priv_of (self);
  priv.closed = true;
  priv.current = nullptr;
  priv.next_row = priv.rows->rows;
}

gchar *
reader_get_name (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  const auto *column = column_at (self, ordinal, error);
  return column != nullptr ? g_strdup (column->name.c_str ()) : nullptr;
}

gchar *
reader_get_dbms_type (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  const auto *column = column_at (self, ordinal, error);
  return column != nullptr ? g_strdup (column->declared_type.c_str ()) : nullptr;
}

TorvanixProvidersContractsDataType
reader_get_data_type (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  const auto *column = column_at (self, ordinal, error);
  return column != nullptr ? column->data_type : TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
}

/* The widest TEXT or BLOB of the column, in bytes. */
gint32
reader_get_size (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  if (column_at (self, ordinal, error) == nullptr)
    return 0;
  const StoredRows &rows = *priv_of (self).rows;
  std::size_t widest = 0;
  for (std::size_t at = ordinal; at < rows.cells.size (); at += rows.columns.size ())
    widest = std::max (widest, rows.cells[at].bytes.size ());
  return static_cast<gint32> (std::min<std::size_t> (widest, G_MAXINT32));
}

gboolean
reader_is_null (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  const StoredCell *cell = cell_at (self, ordinal, error);
  return cell != nullptr && cell->storage == SQLITE_NULL;
}

template <typename Number>
Number
integer_getter (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  const StoredCell *cell = cell_at (self, ordinal, error);
  return cell != nullptr ? static_cast<Number> (integer_of (*cell)) : Number (0);
}

template <typename Number>
Number
real_getter (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  const StoredCell *cell = cell_at (self, ordinal, error);
  return cell != nullptr ? static_cast<Number> (real_of (*cell)) : Number (0);
}

gboolean
reader_get_boolean (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  return integer_getter<gint64> (self, ordinal, error) != 0;
}

gchar *
reader_get_string (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  const StoredCell *cell = cell_at (self, ordinal, error);
  return cell != nullptr ? text_of (*cell) : nullptr;
}

guint8 *
reader_get_binary (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, gint *length, GError **error)
{
  const StoredCell *cell = cell_at (self, ordinal, error);
  if (cell == nullptr || cell->bytes.empty ()) {
    if (length != nullptr)
      *length = 0;
    return cell != nullptr ? static_cast<guint8 *> (g_malloc0 (1)) : nullptr;
  }
  if (length != nullptr)
    *length = static_cast<gint> (cell->bytes.size ());
  return static_cast<guint8 *> (g_memdup2 (cell->bytes.data (), cell->bytes.size ()));
}

void
reader_get_date (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GDate *result, GError **error)
{
  g_date_clear (result, 1);
  const StoredCell *cell = cell_at (self, ordinal, error);
  if (cell != nullptr && cell->storage == SQLITE_TEXT)
    g_date_set_parse (result, cell->bytes.c_str ());
}

GDateTime *
reader_get_datetime (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  const StoredCell *cell = cell_at (self, ordinal, error);
  return cell != nullptr ? date_time_of (*cell) : nullptr;
}

GTimeSpan
reader_get_timespan (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  return integer_getter<gint64> (self, ordinal, error);
}

TorvanixProvidersContractsIValue *
reader_get_value (TorvanixProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
  const StoredCell *cell = cell_at (self, ordinal, error);
  if (cell == nullptr)
    return nullptr;
  return providers::sqlite::value_of_cell (priv_of (self).rows->columns[ordinal].data_type, cell->view ());
}

/* The current row's values at once: what the interface's default answers
 * value by value, without its dispatch and checks for every cell. SQLite
 * never makes a row wider than the 16-bit ordinals reach. */
TorvanixProvidersContractsIValue **
reader_get_values (TorvanixProvidersContractsIDataReader *self, gint *length, GError **error)
{
  ReaderPrivate &priv = priv_of (self);
  const std::vector<providers::sqlite::ResultColumn> &columns = priv.rows->columns;
  const std::size_t count = columns.size ();
  if (count > 0 && priv.current == nullptr) {
    providers::sqlite::set_own_error (error, "The reader has no current row.");
    return nullptr;
  }
  auto **values = g_new (TorvanixProvidersContractsIValue *, count + 1);
  for (std::size_t i = 0; i < count; ++i) {
    TorvanixProvidersContractsIValue *value = providers::sqlite::value_of_cell (columns[i].data_type, priv.current[i].view ());
    values[i] = value != nullptr ? value
                                 : TORVANIX_PROVIDERS_CONTRACTS_IVALUE (torvanix_providers_contracts_value_null_new ());
  }
  values[count] = nullptr;
  *length = static_cast<gint> (count);
  return values;
}

gint
reader_get_field_count (TorvanixProvidersContractsIDataReader *self)
{
  return static_cast<gint> (priv_of (self).rows->columns.size ());
}

gboolean
reader_get_is_closed (TorvanixProvidersContractsIDataReader *self)
{
  ReaderPrivate &priv = priv_of (self);
  return priv.closed || (priv.current == nullptr && priv.next_row >= priv.rows->rows);
}

void
reader_data_reader_init (TorvanixProvidersContractsIDataReaderInterface *iface)
{
  iface->bulk = reader_bulk;
  iface->read = reader_read;
  iface->close = reader_close;
  iface->get_name = reader_get_name;
  iface->get_dbms_type = reader_get_dbms_type;
  iface->get_data_type = reader_get_data_type;
  iface->get_size = reader_get_size;
  iface->is_null = reader_is_null;
  iface->get_boolean = reader_get_boolean;
#define SQLITE_NUMBER_SLOT(name, type, kind) iface->name = kind##_getter<type>;
  PROVIDERS_READER_NUMBER_SLOTS (SQLITE_NUMBER_SLOT)
#undef SQLITE_NUMBER_SLOT
  iface->get_date = reader_get_date;
  iface->get_time = reader_get_datetime;
  iface->get_datetime = reader_get_datetime;
  iface->get_timestamp = reader_get_datetime;
  iface->get_timespan = reader_get_timespan;
  iface->get_string = reader_get_string;
  iface->get_guid = reader_get_string;
  iface->get_enum = reader_get_string;
  iface->get_set = reader_get_string;
  iface->get_xml = reader_get_string;
  iface->get_json = reader_get_string;
  iface->get_binary = reader_get_binary;
  iface->get_object = reader_get_binary;
  iface->get_value = reader_get_value;
  iface->get_values = reader_get_values;
  iface->get_field_count = reader_get_field_count;
  iface->get_is_closed = reader_get_is_closed;
}

}  // namespace

static void
torvanix_providers_supports_sq_lite_reader_class_init (TorvanixProvidersSupportsSQLiteReaderClass *klass)
{
  providers::home::reader_properties (G_OBJECT_CLASS (klass));
}

namespace providers::sqlite {

GType
reader_type ()
{
  return torvanix_providers_supports_sq_lite_reader_get_type ();
}

TorvanixProvidersContractsIDataReader *
reader_new (std::unique_ptr<StoredRows> rows)
{
  auto *reader = static_cast<TorvanixProvidersSupportsSQLiteReader *> (g_object_new (torvanix_providers_supports_sq_lite_reader_get_type (), nullptr));
  priv_of (reader).rows = std::move (rows);
  return reinterpret_cast<TorvanixProvidersContractsIDataReader *> (reader);
}

}  // namespace providers::sqlite
