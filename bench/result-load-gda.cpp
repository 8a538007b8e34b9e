/* One load of a whole result through one of libgda 5's providers, for the
 * load benchmarks to compare (built only for the benchmark, never linked
 * into the library).
 *
 *   result-load-gda ENGINE TARGET SQL    prints one sample line (load-common.h)
 *
 * ENGINE is MySQL, PostgreSQL or SQLite (libgda's provider names); TARGET
 * the server.env of a private server, or SQLite's database file.
 *
 * The work is what a typical libgda user writes:
 * gda_connection_execute_select_command gives a random-access data model
 * (every row fetched into it), then gda_data_model_get_value_at reads
 * every cell, typed by the provider. The release is the model's last
 * unref. */
#include "load-common.h"

#include <libgda/libgda.h>

namespace {

using load::die;

std::string encoded (const std::string &v)
{
  gchar *e = gda_rfc1738_encode (v.c_str ());
  std::string out = e;
  g_free (e);
  return out;
}

GdaConnection *open_connection (const std::string &engine, const char *target)
{
  std::string cnc, auth;
  if (engine == "SQLite") {
    /* The provider names a file by its folder and its name without the
     * ".db" it appends. */
    gchar *dir = g_path_get_dirname (target), *base = g_path_get_basename (target);
    std::string name = base;
    if (g_str_has_suffix (base, ".db"))
      name.resize (name.size () - 3);
    cnc = "DB_DIR=" + encoded (dir) + ";DB_NAME=" + encoded (name);
    g_free (dir);
    g_free (base);
  } else {
    load::Server s = load::read_env (target);
    cnc = "HOST=" + encoded (s.host) + ";PORT=" + std::to_string (s.port) + ";DB_NAME=" + encoded (s.database);
    auth = "USERNAME=" + encoded (s.user) + ";PASSWORD=" + encoded (s.password);
  }
  GError *error = nullptr;
  GdaConnection *connection = gda_connection_open_from_string (
    engine.c_str (), cnc.c_str (), auth.empty () ? nullptr : auth.c_str (), GDA_CONNECTION_OPTIONS_NONE, &error);
  if (connection == nullptr)
    die ("gda connect", error ? error->message : "no connection");
  return connection;
}

MEASURED GdaDataModel *measured_build_gda (GdaConnection *connection, const std::string &sql, long &cells)
{
  GError *error = nullptr;
  /* The parser only splits statements and hands each on as written: its
   * full parse renders some SQL back wrongly (CAST(x AS CHAR)). */
  GdaSqlParser *parser = gda_sql_parser_new ();
  g_object_set (parser, "mode", GDA_SQL_PARSER_MODE_DELIMIT, nullptr);
  GdaStatement *statement = gda_sql_parser_parse_string (parser, sql.c_str (), nullptr, &error);
  g_object_unref (parser);
  if (statement == nullptr)
    die ("gda parse", error ? error->message : "no statement");
  GdaDataModel *model = gda_connection_statement_execute_select (connection, statement, nullptr, &error);
  g_object_unref (statement);
  if (model == nullptr)
    die ("gda select", error ? error->message : "no model");
  gint rows = gda_data_model_get_n_rows (model);
  gint columns = gda_data_model_get_n_columns (model);
  gulong types = 0;
  for (gint r = 0; r < rows; ++r)
    for (gint c = 0; c < columns; ++c) {
      const GValue *value = gda_data_model_get_value_at (model, c, r, &error);
      if (value == nullptr)
        die ("gda_data_model_get_value_at", error ? error->message : "no value");
      types += G_VALUE_TYPE (value);
      ++cells;
    }
  if (types == 0)
    die ("gda", "no cells");
  return model;
}

MEASURED void measured_release_gda (GdaDataModel *model)
{
  g_object_unref (model);
}

}  // namespace

int main (int argc, char **argv)
{
  if (argc != 4) {
    std::fprintf (stderr, "usage: %s ENGINE TARGET SQL\n", argv[0]);
    return 2;
  }
  std::string sql = argv[3];
  gda_init ();
  GdaConnection *connection = open_connection (argv[1], argv[2]);
  load::Sample x = load::timed ([&] (long &cells) { return measured_build_gda (connection, sql, cells); },
                                measured_release_gda);
  gda_connection_close (connection);
  g_object_unref (connection);
  load::print_sample (stdout, x);
  return 0;
}
