/* providers-query: runs SQL on a MySQL, MariaDB or PostgreSQL server, or on
 * an SQLite database file, through the library's public interface and
 * prints what comes back.
 *
 * One file for the whole program (command line, profile, the three output
 * formats, the statement loop) except the SQL splitter, which has tests of
 * its own: every part is small and used once, and reading it top to bottom
 * is how a newcomer learns the public interface. */
#include <errno.h>
#include <locale.h>
#include <math.h>
#include <stdio.h>
#include <string.h>
#include <termios.h>
#include <unistd.h>

#include <json-glib/json-glib.h>
#include <libproviders/providers.h>
#ifdef PROVIDERS_QUERY_POSTGRESQL
#include <libproviders/postgresql.h>
#endif
#ifdef PROVIDERS_QUERY_SQLITE
#include <libproviders/sqlite.h>
#endif

#include "sql-split.h"

/* Text cells wider than this are cut in tables unless --full is given. */
#define CELL_WIDTH_LIMIT 40
#define PASSWORD_VARIABLE "PROVIDERS_PASSWORD"
/* The "provider" of a profile that the SQLite provider serves. */
#define SQLITE_PROVIDER_NAME "SQLite"

typedef enum { FORMAT_TABLE, FORMAT_CSV, FORMAT_JSON } Format;

typedef struct {
  gboolean help;
  gchar *settings;
  gchar *profile;
  gchar *host;
  gint port;
  gchar *user;
  gchar *database;
  gchar *sqlite;
  gboolean ask_password;
  gchar *execute;
  Format format;
  gboolean full;
  gboolean force;
  gboolean verbose;
  gchar *provider;
} Options;

static gboolean
parse_format (const gchar *option, const gchar *value, gpointer data, GError **error)
{
  Options *options = data;
  (void) option;
  if (g_strcmp0 (value, "table") == 0)
    options->format = FORMAT_TABLE;
  else if (g_strcmp0 (value, "csv") == 0)
    options->format = FORMAT_CSV;
  else if (g_strcmp0 (value, "json") == 0)
    options->format = FORMAT_JSON;
  else {
    g_set_error (error, G_OPTION_ERROR, G_OPTION_ERROR_BAD_VALUE, "--format must be table, csv or json, not \"%s\"",
                 value);
    return FALSE;
  }
  return TRUE;
}

static void
options_clear (Options *options)
{
  g_free (options->settings);
  g_free (options->profile);
  g_free (options->host);
  g_free (options->user);
  g_free (options->database);
  g_free (options->sqlite);
  g_free (options->execute);
  g_free (options->provider);
}

/* The library reports each failure at warning level along with its
 * diagnostics; the error itself is printed here, so those messages show
 * only with --verbose. Criticals always show. */
static GLogWriterOutput
write_log (GLogLevelFlags level, const GLogField *fields, gsize n_fields, gpointer data)
{
  const Options *options = data;
  if (options->verbose || (level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL)))
    return g_log_writer_default (level, fields, n_fields, NULL);
  return G_LOG_WRITER_HANDLED;
}

/* Connection --------------------------------------------------------------- */

/* Reads a line from the terminal with echo off. */
static gchar *
prompt_password (GError **error)
{
  FILE *tty = fopen ("/dev/tty", "r+");
  if (!tty) {
    g_set_error (error, G_IO_ERROR, g_io_error_from_errno (errno), "cannot ask for the password: %s",
                 g_strerror (errno));
    return NULL;
  }
  fputs ("Password: ", tty);
  fflush (tty);
  struct termios before, quiet;
  gboolean restore = tcgetattr (fileno (tty), &before) == 0;
  if (restore) {
    quiet = before;
    quiet.c_lflag &= ~(tcflag_t) ECHO;
    tcsetattr (fileno (tty), TCSAFLUSH, &quiet);
  }
  char line[1024];
  gboolean got = fgets (line, sizeof line, tty) != NULL;
  if (restore)
    tcsetattr (fileno (tty), TCSAFLUSH, &before);
  fputs ("\n", tty);
  fclose (tty);
  if (!got) {
    g_set_error (error, G_IO_ERROR, G_IO_ERROR_FAILED, "no password was entered");
    return NULL;
  }
  line[strcspn (line, "\r\n")] = '\0';
  return g_strdup (line);
}

/* The profile named by title or identifier in the settings file. */
static TorvanixProvidersContractsServer *
find_profile (const gchar *settings_file, const gchar *wanted, GError **error)
{
  g_autoptr (TorvanixProvidersContractsServerSetting) setting = torvanix_providers_contracts_server_setting_new ();
  if (!torvanix_providers_contracts_server_setting_load (setting, settings_file, error))
    return NULL;
  gint count = 0;
  TorvanixProvidersContractsServer **servers = torvanix_providers_contracts_server_setting_unite_servers (setting, &count);
  TorvanixProvidersContractsServer *found = NULL;
  for (gint i = 0; i < count; i++) {
    TorvanixProvidersContractsServer *server = servers[i];
    if (!found && wanted &&
        (g_strcmp0 (torvanix_providers_contracts_server_get_title (server), wanted) == 0 ||
         g_ascii_strcasecmp (torvanix_providers_contracts_server_get_uuid (server) ?: "", wanted) == 0))
      found = g_object_ref (server);
    else if (!found && !wanted && count == 1)
      found = g_object_ref (server);
    g_object_unref (server);
  }
  g_free (servers);
  if (!found) {
    if (wanted)
      g_set_error (error, G_IO_ERROR, G_IO_ERROR_NOT_FOUND, "no profile titled or identified \"%s\" in %s", wanted,
                   settings_file);
    else
      g_set_error (error, G_IO_ERROR, G_IO_ERROR_NOT_FOUND,
                   "%s holds %d profiles; choose one with --profile", settings_file, count);
  }
  return found;
}

/* The profile to connect with: one from the settings file, or a new one,
 * then whatever the command line says on top. */
static TorvanixProvidersContractsServer *
make_profile (const Options *options, GError **error)
{
  TorvanixProvidersContractsServer *server;
  if (options->sqlite) {
    /* A file holds the database: nothing to log in to. */
    server = torvanix_providers_contracts_server_new_with_provider (SQLITE_PROVIDER_NAME);
    torvanix_providers_contracts_server_set_filename (server, options->sqlite);
    return server;
  }
  if (options->settings) {
    server = find_profile (options->settings, options->profile, error);
    if (!server)
      return NULL;
  } else {
    if (options->profile) {
      g_set_error (error, G_OPTION_ERROR, G_OPTION_ERROR_FAILED, "--profile needs --settings");
      return NULL;
    }
    server = torvanix_providers_contracts_server_new ();
    torvanix_providers_contracts_server_set_host (server, "127.0.0.1");
    torvanix_providers_contracts_server_set_port (server, 3306);
  }
  if (options->host)
    torvanix_providers_contracts_server_set_host (server, options->host);
  if (options->port)
    torvanix_providers_contracts_server_set_port (server, options->port);
  if (options->user)
    torvanix_providers_contracts_server_set_username (server, options->user);
  if (options->database)
    torvanix_providers_contracts_server_set_initial (server, options->database);

  const gchar *from_environment = g_getenv (PASSWORD_VARIABLE);
  if (options->ask_password) {
    g_autofree gchar *password = prompt_password (error);
    if (!password) {
      g_object_unref (server);
      return NULL;
    }
    torvanix_providers_contracts_server_set_password (server, password);
  } else if (from_environment) {
    torvanix_providers_contracts_server_set_password (server, from_environment);
  }
  return server;
}

/* The provider the command line names, else the one the profile names
 * (SQLite's for --sqlite), else MySQL's. A PostgreSQL profile made on the command line takes the
 * PostgreSQL provider's default port. */
static GObject *
choose_provider (const Options *options, TorvanixProvidersContractsServer *server, gboolean *postgresql,
                 GError **error)
{
  const gchar *name = options->provider;
  if (!name && (options->settings || options->sqlite))
    name = torvanix_providers_contracts_server_get_provider (server);
  if (name && g_ascii_strcasecmp (name, SQLITE_PROVIDER_NAME) == 0) {
#ifdef PROVIDERS_QUERY_SQLITE
    return G_OBJECT (torvanix_providers_supports_sq_lite_provider_new ());
#else
    g_set_error (error, G_OPTION_ERROR, G_OPTION_ERROR_FAILED, "this providers-query was built without SQLite");
    return NULL;
#endif
  }
  *postgresql = name && g_ascii_strcasecmp (name, "postgresql") == 0;
  if (*postgresql) {
#ifdef PROVIDERS_QUERY_POSTGRESQL
    if (!options->settings && !options->port)
      torvanix_providers_contracts_server_set_port (server, 0);
    return G_OBJECT (torvanix_providers_supports_postgre_sql_provider_new ());
#else
    g_set_error (error, G_OPTION_ERROR, G_OPTION_ERROR_FAILED, "this providers-query was built without PostgreSQL");
    return NULL;
#endif
  }
  if (options->provider && g_ascii_strcasecmp (name, "mysql") != 0 && g_ascii_strcasecmp (name, "mariadb") != 0) {
    g_set_error (error, G_OPTION_ERROR, G_OPTION_ERROR_FAILED, "unknown provider \"%s\"", name);
    return NULL;
  }
  return G_OBJECT (torvanix_providers_supports_my_sql_provider_new ());
}

/* Cells ------------------------------------------------------------------- */

static gboolean
is_integer (TorvanixProvidersContractsDataType type)
{
  switch (type) {
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32:
  case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
    return TRUE;
  default:
    return FALSE;
  }
}

static gboolean
is_floating (TorvanixProvidersContractsDataType type)
{
  return type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT || type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE;
}

/* Right-aligned in tables, unquoted in CSV. */
static gboolean
is_numeric (TorvanixProvidersContractsDataType type)
{
  return is_integer (type) || is_floating (type) || type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL ||
         type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY;
}

/* Bytes as text when they are printable UTF-8, else as 0x and hexadecimal
 * digits: a blob's own text form stops at its first zero byte. */
static gchar *
bytes_text (GBytes *bytes)
{
  gsize size = 0;
  const guchar *data = bytes ? g_bytes_get_data (bytes, &size) : NULL;
  if (size == 0)
    return g_strdup ("");
  gboolean printable = g_utf8_validate ((const gchar *) data, (gssize) size, NULL);
  for (gsize i = 0; printable && i < size; i++)
    printable = data[i] >= 0x20 || data[i] == '\n' || data[i] == '\t';
  if (printable)
    return g_strndup ((const gchar *) data, size);
  GString *hex = g_string_new ("0x");
  for (gsize i = 0; i < size; i++)
    g_string_append_printf (hex, "%02X", data[i]);
  return g_string_free (hex, FALSE);
}

/* The fewest significant digits that read back to the same number: to the
 * same float for a FLOAT cell, to the same double otherwise. Fifteen digits
 * are too few for some doubles (the largest reads back as infinity), and
 * seventeen print digits the number does not have (0.1 as
 * 0.10000000000000001). */
static gchar *
shortest_number_text (gdouble number, gboolean single)
{
  gchar buffer[G_ASCII_DTOSTR_BUF_SIZE];
  for (gint digits = 1; digits <= 17; digits++) {
    gchar format[8];
    g_snprintf (format, sizeof format, "%%.%dg", digits);
    g_ascii_formatd (buffer, sizeof buffer, format, number);
    gdouble back = g_ascii_strtod (buffer, NULL);
    if (single ? (gfloat) back == (gfloat) number : back == number)
      break;
  }
  return g_strdup (buffer);
}

/* A cell as text, or NULL for a database null. Numbers and bytes are
 * written from the held value itself, whole: the values' own text forms
 * round floating point numbers and stop bytes at a zero. */
static gchar *
cell_text (TorvanixProvidersContractsTableModel *table, gint col, gint row)
{
  g_autoptr (TorvanixProvidersContractsValueObject) value =
      torvanix_providers_contracts_table_model_get_value_at (table, col, row);
  if (!value)
    return NULL;
  TorvanixProvidersContractsIValue *cell = TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value);
  /* A database null is a null value; an empty blob or BIT is bytes. */
  if (G_TYPE_CHECK_INSTANCE_TYPE (value, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL))
    return NULL;
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_BINARY (value))
    return bytes_text (torvanix_providers_contracts_value_binary_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_BINARY (value)));
  /* Dates print as the server sent them, also a zero date, which has no
   * GLib date-time to hand out; a DECIMAL prints the server's digits,
   * which its double would round. */
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_DATE_TIME (value) || TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_DECIMAL (value))
    return torvanix_providers_contracts_ivalue_to_string (cell);
  g_auto (GValue) held = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (cell, &held);
  if (G_VALUE_HOLDS_DOUBLE (&held))
    return shortest_number_text (g_value_get_double (&held), FALSE);
  if (G_VALUE_HOLDS_FLOAT (&held))
    return shortest_number_text (g_value_get_float (&held), TRUE);
  return torvanix_providers_contracts_ivalue_to_string (cell);
}

/* Columns a string takes on a terminal. */
static gsize
display_width (const gchar *text)
{
  gsize width = 0;
  for (const gchar *p = text; *p; p = g_utf8_next_char (p)) {
    gunichar c = g_utf8_get_char (p);
    if (g_unichar_iszerowidth (c))
      continue;
    width += g_unichar_iswide (c) ? 2 : 1;
  }
  return width;
}

/* A cell made fit for one table line: control characters spelled out,
 * invalid UTF-8 replaced, and wide text cut with an ellipsis. */
static gchar *
table_cell (const gchar *text, gboolean full)
{
  if (!text)
    return g_strdup ("NULL");
  g_autofree gchar *valid = g_utf8_make_valid (text, -1);
  GString *out = g_string_new (NULL);
  for (const gchar *p = valid; *p; p = g_utf8_next_char (p)) {
    gunichar c = g_utf8_get_char (p);
    if (c == '\n')
      g_string_append (out, "\\n");
    else if (c == '\t')
      g_string_append (out, "\\t");
    else if (c == '\r')
      g_string_append (out, "\\r");
    else if (g_unichar_iscntrl (c))
      g_string_append_printf (out, "\\x%02x", c);
    else
      g_string_append_unichar (out, c);
  }
  if (full || display_width (out->str) <= CELL_WIDTH_LIMIT)
    return g_string_free (out, FALSE);
  /* Keep what fits in one column less than the limit, then the ellipsis. */
  gsize width = 0;
  const gchar *p = out->str;
  for (; *p; p = g_utf8_next_char (p)) {
    gunichar c = g_utf8_get_char (p);
    gsize w = g_unichar_iszerowidth (c) ? 0 : g_unichar_iswide (c) ? 2 : 1;
    if (width + w > CELL_WIDTH_LIMIT - 1)
      break;
    width += w;
  }
  g_string_truncate (out, (gsize) (p - out->str));
  g_string_append (out, "…");
  return g_string_free (out, FALSE);
}

/* Output ------------------------------------------------------------------ */

static void
print_rule (FILE *out, const gsize *widths, gint columns)
{
  fputc ('+', out);
  for (gint c = 0; c < columns; c++) {
    for (gsize i = 0; i < widths[c] + 2; i++)
      fputc ('-', out);
    fputc ('+', out);
  }
  fputc ('\n', out);
}

static void
print_padded (FILE *out, const gchar *text, gsize width, gboolean right)
{
  gsize pad = width - display_width (text);
  fputc (' ', out);
  if (right)
    fprintf (out, "%*s%s", (int) pad, "", text);
  else
    fprintf (out, "%s%*s", text, (int) pad, "");
  fputs (" |", out);
}

static gint
row_count (TorvanixProvidersContractsTableModel *table)
{
  return gee_abstract_collection_get_size (
      GEE_ABSTRACT_COLLECTION (torvanix_providers_contracts_table_model_get_rows (table)));
}

typedef struct {
  gchar *name;
  TorvanixProvidersContractsDataType type;
} Column;

/* The table's column names and types, ended by a NULL name. */
static Column *
table_columns (TorvanixProvidersContractsTableModel *table, gint *count)
{
  GeeAbstractList *list = GEE_ABSTRACT_LIST (torvanix_providers_contracts_table_model_get_columns (table));
  *count = gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (list));
  Column *columns = g_new0 (Column, *count + 1);
  for (gint c = 0; c < *count; c++) {
    TorvanixProvidersContractsColumnModel *column = gee_abstract_list_get (list, c);
    columns[c].name = g_strdup (torvanix_providers_contracts_column_model_get_name (column) ?: "");
    columns[c].type = torvanix_providers_contracts_column_model_get_data_type (column);
    g_object_unref (column);
  }
  return columns;
}

static void
columns_free (Column *columns)
{
  for (Column *c = columns; c->name; c++)
    g_free (c->name);
  g_free (columns);
}

G_DEFINE_AUTOPTR_CLEANUP_FUNC (Column, columns_free)

static void
print_table (FILE *out, TorvanixProvidersContractsTableModel *table, gboolean full)
{
  gint columns = 0, rows = row_count (table);
  g_autoptr (Column) info = table_columns (table, &columns);
  if (rows == 0) {
    fputs ("Empty set\n\n", out);
    return;
  }
  g_autofree gsize *widths = g_new0 (gsize, columns);
  g_autofree gboolean *right = g_new0 (gboolean, columns);
  gchar ***cells = g_new0 (gchar **, rows + 1);
  cells[0] = g_new0 (gchar *, columns + 1);
  for (gint c = 0; c < columns; c++) {
    cells[0][c] = table_cell (info[c].name, full);
    right[c] = is_numeric (info[c].type);
  }
  for (gint r = 0; r < rows; r++) {
    cells[r + 1] = g_new0 (gchar *, columns + 1);
    for (gint c = 0; c < columns; c++) {
      g_autofree gchar *text = cell_text (table, c, r);
      cells[r + 1][c] = table_cell (text, full);
    }
  }
  for (gint r = 0; r <= rows; r++)
    for (gint c = 0; c < columns; c++)
      widths[c] = MAX (widths[c], display_width (cells[r][c]));

  print_rule (out, widths, columns);
  for (gint r = 0; r <= rows; r++) {
    fputc ('|', out);
    for (gint c = 0; c < columns; c++)
      print_padded (out, cells[r][c], widths[c], r > 0 && right[c]);
    fputc ('\n', out);
    if (r == 0)
      print_rule (out, widths, columns);
  }
  print_rule (out, widths, columns);
  fprintf (out, "%d %s in set\n\n", rows, rows == 1 ? "row" : "rows");
  for (gint r = 0; r <= rows; r++)
    g_strfreev (cells[r]);
  g_free (cells);
}

static void
print_csv_field (FILE *out, const gchar *text)
{
  /* A null is an empty field; an empty text is an empty quoted one. */
  if (!text)
    return;
  fputc ('"', out);
  for (const gchar *p = text; *p; p++) {
    if (*p == '"')
      fputc ('"', out);
    fputc (*p, out);
  }
  fputc ('"', out);
}

static void
print_csv (FILE *out, TorvanixProvidersContractsTableModel *table)
{
  gint columns = 0, rows = row_count (table);
  g_autoptr (Column) info = table_columns (table, &columns);
  for (gint c = 0; c < columns; c++) {
    if (c)
      fputc (',', out);
    print_csv_field (out, info[c].name);
  }
  fputs ("\r\n", out);
  for (gint r = 0; r < rows; r++) {
    for (gint c = 0; c < columns; c++) {
      if (c)
        fputc (',', out);
      g_autofree gchar *text = cell_text (table, c, r);
      gboolean bare = text && is_numeric (info[c].type);
      if (bare)
        fputs (text, out);
      else
        print_csv_field (out, text);
    }
    fputs ("\r\n", out);
  }
}

/* Numbers that json-glib cannot write (an unsigned integer above the
 * signed range; a floating number in its shortest form, which json-glib
 * would write with seventeen digits) stand in
 * the document as empty objects, which nothing else in it is, and are put
 * in place, in order, once it is written. */
static void
add_raw_number (JsonBuilder *builder, GPtrArray *raw, const gchar *number)
{
  g_ptr_array_add (raw, g_strdup (number));
  json_builder_begin_object (builder);
  json_builder_end_object (builder);
}

static gchar *
put_raw_numbers (const gchar *json, GPtrArray *raw)
{
  GString *out = g_string_new (NULL);
  guint next = 0;
  gboolean in_string = FALSE;
  for (const gchar *p = json; *p; p++) {
    if (in_string) {
      g_string_append_c (out, *p);
      if (*p == '\\' && p[1])
        g_string_append_c (out, *++p);
      else if (*p == '"')
        in_string = FALSE;
      continue;
    }
    if (*p == '"')
      in_string = TRUE;
    if (*p == '{' && next < raw->len) {
      const gchar *q = p + 1;
      while (*q == ' ' || *q == '\n')
        q++;
      if (*q == '}') {
        g_string_append (out, g_ptr_array_index (raw, next++));
        p = q;
        continue;
      }
    }
    g_string_append_c (out, *p);
  }
  return g_string_free (out, FALSE);
}

/* One cell as JSON: numbers stay numbers where JSON can hold them. */
static void
add_json_cell (JsonBuilder *builder, GPtrArray *raw, TorvanixProvidersContractsTableModel *table, gint col, gint row,
               TorvanixProvidersContractsDataType type)
{
  g_autofree gchar *text = cell_text (table, col, row);
  if (!text) {
    json_builder_add_null_value (builder);
    return;
  }
  gchar *end = NULL;
  if (is_integer (type)) {
    errno = 0;
    gint64 number = g_ascii_strtoll (text, &end, 10);
    if (errno == 0 && end != text && *end == '\0') {
      json_builder_add_int_value (builder, number);
      return;
    }
    if (type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64 && text[0] != '\0' && strspn (text, "0123456789") == strlen (text)) {
      add_raw_number (builder, raw, text);
      return;
    }
  } else if (is_floating (type)) {
    /* The cell's own shortest text, not json-glib's seventeen digits; a
     * whole number keeps the ".0" that marks it a floating one. */
    gdouble number = g_ascii_strtod (text, &end);
    if (end != text && *end == '\0' && isfinite (number)) {
      g_autofree gchar *marked = strpbrk (text, ".e") ? NULL : g_strconcat (text, ".0", NULL);
      add_raw_number (builder, raw, marked ? marked : text);
      return;
    }
  } else if (type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN) {
    json_builder_add_boolean_value (builder, g_ascii_strcasecmp (text, "true") == 0 || strcmp (text, "1") == 0);
    return;
  }
  /* Decimals keep their digits as text, like everything else. */
  g_autofree gchar *valid = g_utf8_make_valid (text, -1);
  json_builder_add_string_value (builder, valid);
}

static void
add_json_table (JsonBuilder *builder, GPtrArray *raw, TorvanixProvidersContractsTableModel *table)
{
  gint columns = 0, rows = row_count (table);
  g_autoptr (Column) info = table_columns (table, &columns);
  json_builder_begin_object (builder);
  json_builder_set_member_name (builder, "columns");
  json_builder_begin_array (builder);
  for (gint c = 0; c < columns; c++) {
    g_autofree gchar *type = torvanix_providers_contracts_data_type_to_string (info[c].type);
    json_builder_begin_object (builder);
    json_builder_set_member_name (builder, "name");
    json_builder_add_string_value (builder, info[c].name);
    json_builder_set_member_name (builder, "type");
    json_builder_add_string_value (builder, type ?: "unknown");
    json_builder_end_object (builder);
  }
  json_builder_end_array (builder);
  json_builder_set_member_name (builder, "rows");
  json_builder_begin_array (builder);
  for (gint r = 0; r < rows; r++) {
    json_builder_begin_array (builder);
    for (gint c = 0; c < columns; c++)
      add_json_cell (builder, raw, table, c, r, info[c].type);
    json_builder_end_array (builder);
  }
  json_builder_end_array (builder);
  json_builder_end_object (builder);
}

/* Running ------------------------------------------------------------------ */

typedef struct {
  const Options *options;
  TorvanixProvidersContractsIProvider *provider;
  gboolean postgresql; /* errors are named by their SQLSTATE */
  JsonBuilder *json;
  GPtrArray *raw_numbers; /* see add_raw_number */
  gboolean failed;
} Session;

/* A PostgreSQL error by its SQLSTATE, as its server names it; any other
 * by its number. */
static void
print_error (gboolean postgresql, gint code, const gchar *message)
{
#ifdef PROVIDERS_QUERY_POSTGRESQL
  g_autofree gchar *sqlstate = postgresql ? torvanix_providers_supports_postgre_sql_error_sqlstate (code) : NULL;
  if (sqlstate) {
    fprintf (stderr, "ERROR %s: %s\n", sqlstate, message);
    return;
  }
#else
  (void) postgresql;
#endif
  fprintf (stderr, "ERROR %d: %s\n", code, message);
}

static void
report_error (Session *session, gint code, const gchar *message)
{
  session->failed = TRUE;
  fflush (stdout);
  print_error (session->postgresql, code, message);
  if (session->json) {
    json_builder_begin_object (session->json);
    json_builder_set_member_name (session->json, "error");
    json_builder_begin_object (session->json);
    json_builder_set_member_name (session->json, "code");
    json_builder_add_int_value (session->json, code);
    json_builder_set_member_name (session->json, "message");
    json_builder_add_string_value (session->json, message);
    json_builder_end_object (session->json);
    json_builder_end_object (session->json);
  }
}

static void
report_result (Session *session, GObject *result)
{
  const Options *options = session->options;
  if (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (result)) {
    TorvanixProvidersContractsTableModel *table = TORVANIX_PROVIDERS_CONTRACTS_TABLE_MODEL (result);
    if (session->json)
      add_json_table (session->json, session->raw_numbers, table);
    else if (options->format == FORMAT_CSV)
      print_csv (stdout, table);
    else
      print_table (stdout, table, options->full);
  } else if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ERROR (result)) {
    GValue value = G_VALUE_INIT;
    torvanix_providers_contracts_ivalue_to_value (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (result), &value);
    const GError *error = G_VALUE_HOLDS (&value, G_TYPE_ERROR) ? g_value_get_boxed (&value) : NULL;
    report_error (session, error ? error->code : -1, error ? error->message : "unknown error");
    g_value_unset (&value);
  } else if (TORVANIX_PROVIDERS_CONTRACTS_IS_IVALUE (result)) {
    g_autofree gchar *count = torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (result));
    if (session->json) {
      json_builder_begin_object (session->json);
      json_builder_set_member_name (session->json, "affected_rows");
      json_builder_add_int_value (session->json, g_ascii_strtoll (count, NULL, 10));
      json_builder_end_object (session->json);
    } else if (options->format == FORMAT_TABLE) {
      printf ("Query OK, %s %s affected\n\n", count, g_strcmp0 (count, "1") == 0 ? "row" : "rows");
    }
  }
}

/* Runs one statement; answers FALSE when the session should stop. */
static gboolean
run_statement (Session *session, const gchar *statement)
{
  GError *error = NULL;
  gint count = 0;
  GObject **results =
      torvanix_providers_contracts_iprovider_execute_statements (session->provider, statement, 0, &count, &error);
  if (!results) {
    report_error (session, error ? error->code : -1, error ? error->message : "the statement failed");
    g_clear_error (&error);
    return session->options->force;
  }
  for (gint i = 0; i < count; i++) {
    report_result (session, results[i]);
    g_object_unref (results[i]);
  }
  g_free (results);
  fflush (stdout);
  return !session->failed || session->options->force;
}

static gchar *
read_input (const gchar *file, GError **error)
{
  if (file && strcmp (file, "-") != 0) {
    gchar *text = NULL;
    return g_file_get_contents (file, &text, NULL, error) ? text : NULL;
  }
  GString *text = g_string_new (NULL);
  char buffer[65536];
  size_t n;
  while ((n = fread (buffer, 1, sizeof buffer, stdin)) > 0)
    g_string_append_len (text, buffer, (gssize) n);
  if (ferror (stdin)) {
    g_set_error (error, G_IO_ERROR, G_IO_ERROR_FAILED, "cannot read standard input");
    g_string_free (text, TRUE);
    return NULL;
  }
  return g_string_free (text, FALSE);
}

int
main (int argc, char **argv)
{
  setlocale (LC_ALL, "");
  Options options = {.format = FORMAT_TABLE};
  g_log_set_writer_func (write_log, &options, NULL);
  GOptionEntry connection_entries[] = {
      {"settings", 0, 0, G_OPTION_ARG_FILENAME, &options.settings, "Take the profile from this settings file", "FILE"},
      {"profile", 0, 0, G_OPTION_ARG_STRING, &options.profile,
       "The profile, by title or identifier", "TITLE|UUID"},
      {"host", 'H', 0, G_OPTION_ARG_STRING, &options.host, "Server host (default 127.0.0.1)", "HOST"},
      {"port", 'P', 0, G_OPTION_ARG_INT, &options.port, "Server port (default 3306, 5432 for PostgreSQL)", "PORT"},
      {"provider", 0, 0, G_OPTION_ARG_STRING, &options.provider,
       "mysql, postgresql or sqlite (default: the profile's provider, else mysql)", "NAME"},
      {"sqlite", 0, 0, G_OPTION_ARG_FILENAME, &options.sqlite, "Open this SQLite database file instead of a server",
       "FILE"},
      {"user", 'u', 0, G_OPTION_ARG_STRING, &options.user, "User name", "USER"},
      {"database", 'D', 0, G_OPTION_ARG_STRING, &options.database, "Initial database", "NAME"},
      {"password", 'p', 0, G_OPTION_ARG_NONE, &options.ask_password,
       "Ask for the password (else $" PASSWORD_VARIABLE " is used)", NULL},
      G_OPTION_ENTRY_NULL};
  GOptionEntry main_entries[] = {
      {"help", 'h', 0, G_OPTION_ARG_NONE, &options.help, "Show this help", NULL},
      {"execute", 'e', 0, G_OPTION_ARG_STRING, &options.execute, "Run these statements instead of reading FILE",
       "SQL"},
      {"format", 'f', 0, G_OPTION_ARG_CALLBACK, (gpointer) parse_format,
       "Output format: table (the default), csv or json", "FORMAT"},
      {"full", 0, 0, G_OPTION_ARG_NONE, &options.full, "Print wide text whole instead of cutting it", NULL},
      {"force", 0, 0, G_OPTION_ARG_NONE, &options.force, "Go on after a failed statement", NULL},
      {"verbose", 'v', 0, G_OPTION_ARG_NONE, &options.verbose, "Show the library's diagnostic messages", NULL},
      G_OPTION_ENTRY_NULL};

  g_autoptr (GOptionContext) context = g_option_context_new ("[FILE] - run SQL on a MySQL or MariaDB server");
  g_option_context_set_summary (
      context,
      "Runs the statements of -e, of FILE or of standard input one by one and prints\n"
      "each result: rows as a table, the number of rows a statement changed, or the\n"
      "server's error with its number. Exits with 1 if any statement failed.");
  g_option_context_set_description (
      context,
      "The connection comes from a profile of a settings file (--settings, --profile)\n"
      "or from --host, --port, --user and --database, which also override the\n"
      "profile's. The password is never given on the command line: it comes from\n"
      "the profile, from $" PASSWORD_VARIABLE ", or from the terminal with -p.\n"
      "--sqlite FILE, or a profile whose provider is \"" SQLITE_PROVIDER_NAME "\", opens a\n"
      "database kept in a file instead (its \"filename\", relative to its \"location\").\n\n"
      "In tables NULL reads NULL, text wider than 40 columns is cut with an\n"
      "ellipsis (--full keeps it), and control characters are written as \\n, \\t.\n"
      "CSV writes NULL as an empty field and text in quotes; JSON writes one array\n"
      "with an object per statement.\n\n"
      "Example:\n"
      "  PROVIDERS_PASSWORD=secret providers-query -u app -D shop \\\n"
      "    -e 'SELECT id, name FROM customers; UPDATE stock SET n = n - 1 WHERE id = 7'");
  GOptionGroup *connection = g_option_group_new ("connection", "Connection options:", "Show the connection options",
                                                 &options, NULL);
  g_option_group_add_entries (connection, connection_entries);
  g_option_context_add_group (context, connection);
  GOptionGroup *main_group = g_option_group_new (NULL, NULL, NULL, &options, NULL);
  g_option_group_add_entries (main_group, main_entries);
  g_option_context_set_main_group (context, main_group);

  /* One --help shows every option, the connection ones included. */
  g_option_context_set_help_enabled (context, FALSE);

  GError *error = NULL;
  if (!g_option_context_parse (context, &argc, &argv, &error)) {
    fprintf (stderr, "providers-query: %s\nTry --help.\n", error->message);
    g_error_free (error);
    options_clear (&options);
    return 2;
  }
  if (options.help) {
    g_autofree gchar *help = g_option_context_get_help (context, FALSE, NULL);
    fputs (help, stdout);
    options_clear (&options);
    return 0;
  }
  if (argc > 2 || (argc == 2 && options.execute)) {
    fprintf (stderr, "providers-query: give either -e or one FILE\nTry --help.\n");
    options_clear (&options);
    return 2;
  }

  int status = 0;
  g_autofree gchar *text = options.execute ? g_strdup (options.execute) : read_input (argc == 2 ? argv[1] : NULL, &error);
  g_autoptr (TorvanixProvidersContractsServer) server = text ? make_profile (&options, &error) : NULL;
  if (!server) {
    fprintf (stderr, "providers-query: %s\n", error->message);
    g_error_free (error);
    options_clear (&options);
    return 1;
  }

  gboolean postgresql = FALSE;
  g_autoptr (GObject) chosen = choose_provider (&options, server, &postgresql, &error);
  if (!chosen) {
    fprintf (stderr, "providers-query: %s\nTry --help.\n", error->message);
    g_error_free (error);
    options_clear (&options);
    return 2;
  }
  TorvanixProvidersContractsIProvider *provider = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (chosen);
  torvanix_providers_contracts_iprovider_open (provider, server, "", &error);
  if (error) {
    print_error (postgresql, error->code, error->message);
    g_error_free (error);
    options_clear (&options);
    return 1;
  }

  Session session = {.options = &options, .provider = provider, .postgresql = postgresql};
  if (options.format == FORMAT_JSON) {
    session.json = json_builder_new ();
    session.raw_numbers = g_ptr_array_new_with_free_func (g_free);
    json_builder_begin_array (session.json);
  }
  g_auto (GStrv) statements = providers_sql_split (text);
  for (gchar **s = statements; *s; s++)
    if (!run_statement (&session, *s))
      break;
  if (session.json) {
    json_builder_end_array (session.json);
    g_autoptr (JsonNode) root = json_builder_get_root (session.json);
    g_autofree gchar *generated = json_to_string (root, TRUE);
    g_autofree gchar *json = put_raw_numbers (generated, session.raw_numbers);
    puts (json);
    g_object_unref (session.json);
    g_ptr_array_unref (session.raw_numbers);
  }
  status = session.failed ? 1 : 0;

  torvanix_providers_contracts_iprovider_close (provider, NULL);
  options_clear (&options);
  return status;
}
