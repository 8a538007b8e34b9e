/* The slots of a reader over text cells held whole in the client: one
 * short function each, over the state every engine's text reader keeps. */
#include "supports/common/text-reader-internal.h"

#include "common/check.h"
#include "common/compat-texts.h"

#include <cstring>
#include <utility>

namespace providers::home {

TextReader::TextReader (std::unique_ptr<TextRows> rows_, std::vector<ReaderField> fields_, const ReaderNames &names_)
    : rows (std::move (rows_)), fields (std::move (fields_)), names (names_), local_zone (g_time_zone_new_local ())
{
  columns.reserve (fields.size ());
  for (const ReaderField &field : fields)
    columns.push_back (field.column);
}

bool
TextReader::read ()
{
  if (closed)
    return false;
  has_row = rows->next ();
  if (has_row) {
    ++rows_read;
  } else {
    closed = true;
    ahead.stop ();
  }
  return has_row;
}

void
TextReader::close ()
{
  if (!closed)
    rows->skip_rest ();
  has_row = false;
  closed = true;
  ahead.stop ();
}

Cell
TextReader::cell (guint index)
{
  if (!has_row || index >= field_count ())
    return {};
  return rows->cell (index);
}

bool
TextReader::has_column (const char *function, guint16 ordinal) const
{
  providers_return_val_if_fail_text_in (function, ordinal < field_count (), PROVIDERS_TEXT_READER_ORDINAL, false);
  return true;
}

TorvanixProvidersContractsIValue *
TextReader::value (guint16 ordinal)
{
  if (!has_column (names.get_value, ordinal))
    return nullptr;
  Cell c = cell (ordinal);
  return value_of_cell (columns[ordinal], c.text, c.length, local_zone.get ());
}

/* The whole row at once, at its final size: one pass, no dispatch per cell. */
TorvanixProvidersContractsIValue **
TextReader::values (gint *length, GError **error)
{
  return ahead.row (
      columns, local_zone.get (), has_row, rows_read - 1, [this] (guint i) { return cell (i); },
      rows->rows_after (rows_read), [this] { return rows->rest (); }, length, error);
}

namespace text_slots {

gboolean
bulk (TextReader &, GError **)
{
  return FALSE;
}

gboolean
read (TextReader &r, GError **)
{
  return r.read ();
}

void
close (TextReader &r, GError **)
{
  r.close ();
}

gchar *
get_name (TextReader &r, guint16 ordinal, GError **)
{
  return r.has_column (r.names.get_name, ordinal) ? g_strdup (r.fields[ordinal].name.c_str ()) : nullptr;
}

gchar *
get_dbms_type (TextReader &r, guint16 ordinal, GError **)
{
  return r.has_column (r.names.get_dbms_type, ordinal) ? g_strdup (r.fields[ordinal].dbms_type.c_str ()) : nullptr;
}

DataType
get_data_type (TextReader &r, guint16 ordinal, GError **)
{
  return r.has_column (r.names.get_data_type, ordinal) ? r.columns[ordinal].data_type
                                                        : TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
}

gint32
get_size (TextReader &r, guint16 ordinal, GError **)
{
  return r.has_column (r.names.get_size, ordinal) ? r.rows->size (ordinal) : 0;
}

gboolean
is_null (TextReader &r, guint16 ordinal, GError **)
{
  return r.cell (ordinal).text == nullptr;
}

#define NUMBER_GETTER(name, type, parse, step)                                                       \
  type name (TextReader &r, guint16 ordinal, GError **)                                              \
  {                                                                                                  \
    return static_cast<type> (parse (r.cell (ordinal).text, step));                                  \
  }

PROVIDERS_TEXT_NUMBER_GETTERS (NUMBER_GETTER)

void
get_date (TextReader &r, guint16 ordinal, GDate *result, GError **)
{
  providers_return_if_fail_in (r.names.get_date, result != NULL);
  g_date_clear (result, 1);
  DateFields d;
  if (parse_date (r.cell (ordinal), d))
    g_date_set_dmy (result, static_cast<GDateDay> (d.day), static_cast<GDateMonth> (d.month),
                    static_cast<GDateYear> (d.year));
}

/* A time of day, on 1 January 1970 in UTC; null for a span outside one
 * day, a NULL cell and text that is no time. */
GDateTime *
get_time (TextReader &r, guint16 ordinal, GError **)
{
  TimeFields t;
  if (!parse_time_of_day (r.cell (ordinal), t))
    return nullptr;
  return g_date_time_new_utc (1970, 1, 1, t.hour, t.minute, t.seconds);
}

/* The server's date and time, read as UTC, as the library reads every
 * date-time text that names no zone; null for zero dates, which no
 * date-time can hold, and for text that is no date and time. */
GDateTime *
get_datetime (TextReader &r, guint16 ordinal, GError **)
{
  Cell cell = r.cell (ordinal);
  DateFields d;
  TimeFields t;
  if (parse_datetime (cell, d, t))
    return g_date_time_new_utc (d.year, d.month, d.day, t.hour, t.minute, t.seconds);
  /* Other text (ISO 8601 with a zone) is read by GLib's parser, as UTC
   * where it names no zone. */
  if (cell.text == nullptr)
    return nullptr;
  GUnique<gchar> text (cell_text (cell));
  static GTimeZone *const utc = g_time_zone_new_utc ();
  return g_date_time_new_from_iso8601 (text.get (), utc);
}

gchar *
get_text (TextReader &r, guint16 ordinal, GError **)
{
  return cell_text (r.cell (ordinal));
}

gchar *
get_hex (TextReader &r, guint16 ordinal, GError **)
{
  return cell_hex (r.cell (ordinal));
}

gchar *
get_string16 (TextReader &r, guint16 ordinal, GError **)
{
  Cell cell = r.cell (ordinal);
  /* Never past the cell: an odd last byte is no code unit, so a one-byte
   * cell holds none. */
  glong units = static_cast<glong> (cell.length / sizeof (gunichar2));
  if (units == 0)
    return g_strdup ("");
  std::vector<gunichar2> copy (static_cast<gsize> (units));
  std::memcpy (copy.data (), cell.text, static_cast<gsize> (units) * sizeof (gunichar2));
  return g_utf16_to_utf8 (copy.data (), units, nullptr, nullptr, nullptr);
}

/* The cell's bytes and their own length; the buffer carries one zero byte
 * more, for callers that read it as text. */
guint8 *
get_binary (TextReader &r, guint16 ordinal, gint *length, GError **)
{
  Cell cell = r.cell (ordinal);
  auto *bytes = static_cast<guint8 *> (g_malloc (cell.length + 1));
  if (cell.length)
    std::memcpy (bytes, cell.text, cell.length);
  bytes[cell.length] = 0;
  if (length)
    *length = static_cast<gint> (cell.length);
  return bytes;
}

IValue *
get_value (TextReader &r, guint16 ordinal, GError **)
{
  return r.value (ordinal);
}

IValue **
get_values (TextReader &r, gint *length, GError **error)
{
  return r.values (length, error);
}

gint
get_field_count (TextReader &r)
{
  return static_cast<gint> (r.field_count ());
}

gboolean
get_is_closed (TextReader &r)
{
  return r.closed;
}

}  // namespace text_slots

}  // namespace providers::home
