/* Getting started: a profile, the provider that serves it, and each of the
 * five statement shapes, on an SQLite database file.
 *
 *   getting-started DATABASE_FILE
 *
 * The file is made when it does not exist, and the table "fruit" in it is
 * made anew on each run. */
#include <libproviders/providers.h>
#include <libproviders/sqlite.h>

#include <stdio.h>

/* Prints a failed call's error and frees it; answers whether there was one. */
static gboolean
failed (const char *what, GError *error)
{
  if (error == NULL)
    return FALSE;
  fprintf (stderr, "%s failed: %s (domain %s, code %d)\n", what, error->message,
           g_quark_to_string (error->domain), error->code);
  g_error_free (error);
  return TRUE;
}

/* A value as its class prints it; a database null as NULL. */
static void
print_value (TorvanixProvidersContractsIValue *value)
{
  if (torvanix_providers_contracts_ivalue_get_is_null (value)) {
    printf ("NULL");
    return;
  }
  gchar *text = torvanix_providers_contracts_ivalue_to_string (value);
  printf ("%s", text);
  g_free (text);
}

/* Every row of a table, its column names first. */
static void
print_table (TorvanixProvidersContractsTableModel *table)
{
  GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (table);
  gint column_count = gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns));
  for (gint c = 0; c < column_count; ++c) {
    TorvanixProvidersContractsColumnModel *column = gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), c);
    printf ("%s%s", c ? " | " : "  ", torvanix_providers_contracts_column_model_get_name (column));
    g_object_unref (column);
  }
  printf ("\n");
  /* The table is a GListModel of rows. */
  guint row_count = g_list_model_get_n_items (G_LIST_MODEL (table));
  for (guint r = 0; r < row_count; ++r) {
    for (gint c = 0; c < column_count; ++c) {
      TorvanixProvidersContractsValueObject *value = torvanix_providers_contracts_table_model_get_value_at (table, c, (gint) r);
      printf ("%s", c ? " | " : "  ");
      print_value (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value));
      g_object_unref (value);
    }
    printf ("\n");
  }
}

static gboolean
run (TorvanixProvidersContractsIProvider *provider)
{
  GError *error = NULL;

  /* execute_statements: a text of several statements, one result each. */
  gint count = 0;
  GObject **results = torvanix_providers_contracts_iprovider_execute_statements (
      provider,
      "DROP TABLE IF EXISTS fruit;"
      "CREATE TABLE fruit (id INTEGER PRIMARY KEY, name VARCHAR(40) NOT NULL, price DECIMAL(8, 2));"
      "INSERT INTO fruit VALUES (1, 'apple', 0.45), (2, 'pear', 0.6), (3, 'quince', NULL);"
      "SELECT name FROM fruit WHERE price IS NULL",
      0, &count, &error);
  if (failed ("execute_statements", error))
    return FALSE;
  printf ("execute_statements: %d results\n", count);
  for (gint i = 0; i < count; ++i) {
    if (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (results[i]))
      printf ("  a table of %u rows\n", g_list_model_get_n_items (G_LIST_MODEL (results[i])));
    else if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_UINT64 (results[i]))
      printf ("  %" G_GUINT64_FORMAT " rows changed\n",
              torvanix_providers_contracts_value_uint64_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_UINT64 (results[i])));
    else if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ERROR (results[i])) {
      gchar *message = torvanix_providers_contracts_value_error_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_ERROR (results[i]));
      printf ("  failed: %s\n", message);
      g_free (message);
    }
    g_object_unref (results[i]);
  }
  g_free (results);

  /* execute_affect: the number of rows a statement changed. */
  gint64 changed = torvanix_providers_contracts_iprovider_execute_affect (
      provider, "UPDATE fruit SET price = 0.5 WHERE name = 'pear'", 0, &error);
  if (failed ("execute_affect", error))
    return FALSE;
  printf ("execute_affect: %" G_GINT64_FORMAT " row changed\n", changed);

  /* execute_scalar: the first cell of the result, typed as its column. */
  TorvanixProvidersContractsIValue *scalar = torvanix_providers_contracts_iprovider_execute_scalar (
      provider, "SELECT count(*) FROM fruit", 0, &error);
  if (failed ("execute_scalar", error))
    return FALSE;
  printf ("execute_scalar: ");
  print_value (scalar);
  printf (" rows\n");
  g_object_unref (scalar);

  /* execute_model: the whole result as a table of rows of values. */
  TorvanixProvidersContractsTableModel *table = torvanix_providers_contracts_iprovider_execute_model (
      provider, "SELECT id, name, price FROM fruit ORDER BY id", 0, &error);
  if (failed ("execute_model", error))
    return FALSE;
  printf ("execute_model:\n");
  print_table (table);
  g_object_unref (table);

  /* execute_reader: one row at a time, read with typed getters. */
  TorvanixProvidersContractsIDataReader *reader = torvanix_providers_contracts_iprovider_execute_reader (
      provider, "SELECT name, price FROM fruit ORDER BY name", &error);
  if (failed ("execute_reader", error))
    return FALSE;
  printf ("execute_reader:\n");
  while (torvanix_providers_contracts_idata_reader_read (reader, &error)) {
    gchar *name = torvanix_providers_contracts_idata_reader_get_string (reader, 0, NULL);
    if (torvanix_providers_contracts_idata_reader_is_null (reader, 1, NULL))
      printf ("  %s has no price\n", name);
    else
      printf ("  %s costs %.2f\n", name, torvanix_providers_contracts_idata_reader_get_decimal (reader, 1, NULL));
    g_free (name);
  }
  torvanix_providers_contracts_idata_reader_close (reader, NULL);
  g_object_unref (reader);
  return !failed ("read", error);
}

int
main (int argc, char **argv)
{
  if (argc != 2) {
    fprintf (stderr, "usage: %s DATABASE_FILE\n", argv[0]);
    return 2;
  }

  /* The profile: which provider serves it and where its database is. */
  TorvanixProvidersContractsServer *profile = torvanix_providers_contracts_server_new_with_provider ("SQLite");
  torvanix_providers_contracts_server_set_filename (profile, argv[1]);
  torvanix_providers_contracts_server_set_options (profile, "create=true");

  /* The provider, opened on the profile; every call below runs on it. */
  TorvanixProvidersContractsIProvider *provider =
      TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (torvanix_providers_supports_sq_lite_provider_new ());
  GError *error = NULL;
  torvanix_providers_contracts_iprovider_open (provider, profile, "", &error);
  gboolean ok = !failed ("open", error) && run (provider);

  torvanix_providers_contracts_iprovider_close (provider, NULL);
  g_object_unref (provider);
  g_object_unref (profile);
  return ok ? 0 : 1;
}
