/* The cell layer every engine's reader, build-ahead thread and model fill
 * share: a server's text cells parsed in the notation servers send (ISO
 * dates, decimal numbers), and the typed value of a cell of a column
 * described without the engine. */
#pragma once

#include "libproviders/values.h"

namespace providers::home {

/* Every value class implements IValue: no checked cast per cell. */
inline TorvanixProvidersContractsIValue *
as_value (gpointer object)
{
  return static_cast<TorvanixProvidersContractsIValue *> (object);
}

/* One cell: its text (null for SQL NULL, or when there is no current row)
 * and byte length. */
struct Cell {
  const char *text = nullptr;
  gsize length = 0;
};

/* Numbers. A null cell has no number: GLib's usual warning, naming `step`,
 * and 0. */
bool has_text (const char *step, const char *text);
gint64 long_parse (const char *text, const char *step);
guint64 ulong_parse (const char *text, const char *step);
gdouble double_parse (const char *text, const char *step);

struct DateFields {
  int year = 0, month = 0, day = 0;
};

struct TimeFields {
  int hour = 0, minute = 0;
  double seconds = 0; /* with the fraction */
  int decimals = 0;   /* digits of the fraction as written */
};

/* "YYYY-MM-DD"; false for a zero or partial date, which is no date. */
bool parse_date (Cell cell, DateFields &d);
/* "YYYY-MM-DD HH:MM:SS[.ffffff]". */
bool parse_datetime (Cell cell, DateFields &d, TimeFields &t);
/* "[-]H...H:MM:SS[.ffffff]" as a time of day; false for a span outside one
 * day. */
bool parse_time_of_day (Cell cell, TimeFields &t);

/* The cell's text, newly allocated. */
gchar *cell_text (Cell cell);
/* The cell's bytes as upper-case hexadecimal digits. */
gchar *cell_hex (Cell cell);

/* What turning a column's cells into values needs to know of it, told
 * by the engine from its own column description: the data type chosen
 * for it (bytes of any type are BINARY). A leading zero keeps the
 * server's spelling whatever the column says. */
struct Column {
  TorvanixProvidersContractsDataType data_type;
};

/* The value of one cell (`text` null for SQL NULL) of `column`, dates and
 * times in `local_zone`; never null: SQL NULL, and a cell no value of the
 * column's class can hold, give a null value. Touches nothing shared:
 * threads may build values of one result side by side. */
TorvanixProvidersContractsIValue *value_of_cell (const Column &column, const char *text, gsize length,
                                                 GTimeZone *local_zone);

/* Initialises every class value_of_cell may make (and rows), once. GLib
 * would do it on first use, also on another thread; doing it before
 * builder threads start keeps their start the only hand-over. */
void prepare_value_classes ();

}  // namespace providers::home
