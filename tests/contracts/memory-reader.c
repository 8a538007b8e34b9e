/* A data reader over rows held in memory; see memory-reader.h. */
#include "contracts/memory-reader.h"

#include <gio/gio.h>
#include <stdio.h>
#include <string.h>

struct _MemoryReader {
  GObject parent_instance;
  GArray *columns;     /* MemoryReaderColumn, strings owned */
  GPtrArray *rows;     /* each a GPtrArray of n_columns cells, NULL = null */
  guint64 repeat;      /* rows served in all; 0 = each stored row once */
  guint64 served;      /* rows read so far */
  gint field_count;    /* -2 = the number of columns */
  gboolean closed;
  gboolean has_fail;
  MemoryReaderStep fail_step;
  guint16 fail_ordinal;
  guint getter_calls;
};

enum { PROP_0, PROP_FIELD_COUNT, PROP_IS_CLOSED };

static void memory_reader_iface_init (TorvanixProvidersContractsIDataReaderInterface *iface);

G_DEFINE_TYPE_WITH_CODE (MemoryReader, memory_reader, G_TYPE_OBJECT,
                         G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IDATA_READER, memory_reader_iface_init))

static MemoryReader *
self_of (TorvanixProvidersContractsIDataReader *reader)
{
  return MEMORY_READER (reader);
}

static guint
n_columns (MemoryReader *self)
{
  return self->columns->len;
}

static const MemoryReaderColumn *
column_at (MemoryReader *self, guint16 ordinal)
{
  guint i = ordinal < n_columns (self) ? ordinal : n_columns (self) - 1;
  return &g_array_index (self->columns, MemoryReaderColumn, i);
}

static gboolean
planted (MemoryReader *self, MemoryReaderStep step, guint16 ordinal, GError **error)
{
  if (!self->has_fail || self->fail_step != step || self->fail_ordinal != ordinal) return FALSE;
  g_set_error (error, G_IO_ERROR, G_IO_ERROR_FAILED, "planted failure at column %u", ordinal);
  return TRUE;
}

/* The cell of the current row, or FALSE with an error when there is none. */
static gboolean
cell_at (MemoryReader *self, guint16 ordinal, const gchar **cell, GError **error)
{
  if (self->served == 0 || self->rows->len == 0 || self->closed) {
    g_set_error_literal (error, G_IO_ERROR, G_IO_ERROR_FAILED, "no current row");
    return FALSE;
  }
  GPtrArray *row = g_ptr_array_index (self->rows, (self->served - 1) % self->rows->len);
  *cell = g_ptr_array_index (row, ordinal < n_columns (self) ? ordinal : n_columns (self) - 1);
  return TRUE;
}

/* The cell for a typed getter: counts the call and honours planted faults. */
static const gchar *
getter_cell (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error)
{
  MemoryReader *self = self_of (reader);
  const gchar *cell = NULL;
  self->getter_calls++;
  if (planted (self, MEMORY_READER_FAIL_GETTER, ordinal, error)) return NULL;
  if (!cell_at (self, ordinal, &cell, error)) return NULL;
  return cell ? cell : "";
}

static gboolean
reader_bulk (TorvanixProvidersContractsIDataReader *reader, GError **error)
{
  (void) reader, (void) error;
  return TRUE;
}

static gboolean
reader_read (TorvanixProvidersContractsIDataReader *reader, GError **error)
{
  (void) error;
  MemoryReader *self = self_of (reader);
  guint64 total = self->repeat ? self->repeat : self->rows->len;
  if (self->closed || self->rows->len == 0 || self->served >= total) return FALSE;
  self->served++;
  return TRUE;
}

static void
reader_close (TorvanixProvidersContractsIDataReader *reader, GError **error)
{
  (void) error;
  MemoryReader *self = self_of (reader);
  if (self->closed) return;
  self->closed = TRUE;
  g_object_notify (G_OBJECT (self), "is-closed");
}

static gchar *
reader_get_name (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error)
{
  (void) error;
  return g_strdup (column_at (self_of (reader), ordinal)->name);
}

static gchar *
reader_get_dbms_type (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error)
{
  (void) error;
  return g_strdup (column_at (self_of (reader), ordinal)->dbms_type);
}

static TorvanixProvidersContractsDataType
reader_get_data_type (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error)
{
  MemoryReader *self = self_of (reader);
  if (planted (self, MEMORY_READER_FAIL_DATA_TYPE, ordinal, error)) return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
  return column_at (self, ordinal)->data_type;
}

static gint32
reader_get_size (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error)
{
  (void) error;
  return column_at (self_of (reader), ordinal)->size;
}

static gboolean
reader_is_null (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error)
{
  MemoryReader *self = self_of (reader);
  const gchar *cell = NULL;
  if (planted (self, MEMORY_READER_FAIL_IS_NULL, ordinal, error)) return FALSE;
  if (!cell_at (self, ordinal, &cell, error)) return FALSE;
  return cell == NULL;
}

static gboolean
reader_get_boolean (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error)
{
  const gchar *cell = getter_cell (reader, ordinal, error);
  return cell && (strcmp (cell, "1") == 0 || strcmp (cell, "true") == 0);
}

static gint64
signed_cell (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error)
{
  const gchar *cell = getter_cell (reader, ordinal, error);
  return cell ? g_ascii_strtoll (cell, NULL, 10) : 0;
}

static guint64
unsigned_cell (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error)
{
  const gchar *cell = getter_cell (reader, ordinal, error);
  return cell ? g_ascii_strtoull (cell, NULL, 10) : 0;
}

static gdouble
double_cell (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error)
{
  const gchar *cell = getter_cell (reader, ordinal, error);
  return cell ? g_ascii_strtod (cell, NULL) : 0;
}

#define INTEGER_GETTER(name, type, source)                                                               \
  static type reader_##name (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error) \
  {                                                                                                      \
    return (type) source (reader, ordinal, error);                                                       \
  }

INTEGER_GETTER (get_int8, gint8, signed_cell)
INTEGER_GETTER (get_uint8, guint8, unsigned_cell)
INTEGER_GETTER (get_int16, gint16, signed_cell)
INTEGER_GETTER (get_uint16, guint16, unsigned_cell)
INTEGER_GETTER (get_int32, gint32, signed_cell)
INTEGER_GETTER (get_uint32, guint32, unsigned_cell)
INTEGER_GETTER (get_int64, gint64, signed_cell)
INTEGER_GETTER (get_uint64, guint64, unsigned_cell)
INTEGER_GETTER (get_timespan, GTimeSpan, signed_cell)
INTEGER_GETTER (get_decimal, gdouble, double_cell)
INTEGER_GETTER (get_money, gdouble, double_cell)
INTEGER_GETTER (get_float, gfloat, double_cell)
INTEGER_GETTER (get_double, gdouble, double_cell)

/* "YYYY-MM-DD"; anything else leaves the date cleared. */
static void
reader_get_date (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GDate *result, GError **error)
{
  const gchar *cell = getter_cell (reader, ordinal, error);
  int year, month, day;
  if (cell && sscanf (cell, "%d-%d-%d", &year, &month, &day) == 3 && g_date_valid_dmy (day, month, year))
    g_date_set_dmy (result, day, month, year);
}

/* An ISO 8601 date and time, UTC unless it names a zone. */
static GDateTime *
datetime_cell (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error)
{
  const gchar *cell = getter_cell (reader, ordinal, error);
  if (cell == NULL) return NULL;
  GTimeZone *utc = g_time_zone_new_utc ();
  GDateTime *result = g_date_time_new_from_iso8601 (cell, utc);
  g_time_zone_unref (utc);
  return result;
}

INTEGER_GETTER (get_time, GDateTime *, datetime_cell)
INTEGER_GETTER (get_datetime, GDateTime *, datetime_cell)

static gchar *
text_cell (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, GError **error)
{
  return g_strdup (getter_cell (reader, ordinal, error));
}

INTEGER_GETTER (get_string, gchar *, text_cell)
INTEGER_GETTER (get_string16, gchar *, text_cell)
INTEGER_GETTER (get_guid, gchar *, text_cell)

static guint8 *
reader_get_binary (TorvanixProvidersContractsIDataReader *reader, guint16 ordinal, gint *length, GError **error)
{
  const gchar *cell = getter_cell (reader, ordinal, error);
  if (length) *length = cell ? (gint) strlen (cell) : 0;
  return cell ? (guint8 *) g_strdup (cell) : NULL;
}

static gint
reader_get_field_count (TorvanixProvidersContractsIDataReader *reader)
{
  MemoryReader *self = self_of (reader);
  return self->field_count == -2 ? (gint) n_columns (self) : self->field_count;
}

static gboolean
reader_get_is_closed (TorvanixProvidersContractsIDataReader *reader)
{
  return self_of (reader)->closed;
}

static void
memory_reader_iface_init (TorvanixProvidersContractsIDataReaderInterface *iface)
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
  iface->get_int8 = reader_get_int8;
  iface->get_uint8 = reader_get_uint8;
  iface->get_int16 = reader_get_int16;
  iface->get_uint16 = reader_get_uint16;
  iface->get_int32 = reader_get_int32;
  iface->get_uint32 = reader_get_uint32;
  iface->get_int64 = reader_get_int64;
  iface->get_uint64 = reader_get_uint64;
  iface->get_decimal = reader_get_decimal;
  iface->get_money = reader_get_money;
  iface->get_float = reader_get_float;
  iface->get_double = reader_get_double;
  iface->get_date = reader_get_date;
  iface->get_time = reader_get_time;
  iface->get_datetime = reader_get_datetime;
  iface->get_timespan = reader_get_timespan;
  iface->get_string = reader_get_string;
  iface->get_string16 = reader_get_string16;
  iface->get_guid = reader_get_guid;
  iface->get_binary = reader_get_binary;
  iface->get_field_count = reader_get_field_count;
  iface->get_is_closed = reader_get_is_closed;
}

static void
memory_reader_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  TorvanixProvidersContractsIDataReader *reader = TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER (object);
  switch (prop_id) {
    case PROP_FIELD_COUNT: g_value_set_int (value, reader_get_field_count (reader)); break;
    case PROP_IS_CLOSED: g_value_set_boolean (value, reader_get_is_closed (reader)); break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec);
  }
}

static void
memory_reader_finalize (GObject *object)
{
  MemoryReader *self = MEMORY_READER (object);
  for (guint i = 0; i < self->columns->len; ++i) {
    MemoryReaderColumn *column = &g_array_index (self->columns, MemoryReaderColumn, i);
    g_free ((gchar *) column->name);
    g_free ((gchar *) column->dbms_type);
  }
  g_array_unref (self->columns);
  g_ptr_array_unref (self->rows);
  G_OBJECT_CLASS (memory_reader_parent_class)->finalize (object);
}

static void
memory_reader_class_init (MemoryReaderClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = memory_reader_get_property;
  object_class->finalize = memory_reader_finalize;
  g_object_class_override_property (object_class, PROP_FIELD_COUNT, "field-count");
  g_object_class_override_property (object_class, PROP_IS_CLOSED, "is-closed");
}

static void
memory_reader_init (MemoryReader *self)
{
  self->columns = g_array_new (FALSE, TRUE, sizeof (MemoryReaderColumn));
  self->rows = g_ptr_array_new_with_free_func ((GDestroyNotify) g_ptr_array_unref);
  self->field_count = -2;
}

MemoryReader *
memory_reader_new (const MemoryReaderColumn *columns, guint n)
{
  MemoryReader *self = g_object_new (MEMORY_TYPE_READER, NULL);
  for (guint i = 0; i < n; ++i) {
    MemoryReaderColumn copy = columns[i];
    copy.name = g_strdup (columns[i].name ? columns[i].name : "");
    copy.dbms_type = g_strdup (columns[i].dbms_type ? columns[i].dbms_type : "");
    g_array_append_val (self->columns, copy);
  }
  return self;
}

void
memory_reader_add_row (MemoryReader *self, const gchar *const *cells)
{
  GPtrArray *row = g_ptr_array_new_full (n_columns (self), g_free);
  for (guint i = 0; i < n_columns (self); ++i) g_ptr_array_add (row, g_strdup (cells[i]));
  g_ptr_array_add (self->rows, row);
}

void
memory_reader_set_repeat (MemoryReader *self, guint64 rows)
{
  self->repeat = rows;
}

void
memory_reader_set_field_count (MemoryReader *self, gint count)
{
  self->field_count = count;
}

void
memory_reader_fail (MemoryReader *self, MemoryReaderStep step, guint16 ordinal)
{
  self->has_fail = TRUE;
  self->fail_step = step;
  self->fail_ordinal = ordinal;
}

guint
memory_reader_getter_calls (MemoryReader *self)
{
  return self->getter_calls;
}

TorvanixProvidersContractsIDataReader *
memory_reader_as_reader (MemoryReader *self)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER (self);
}
