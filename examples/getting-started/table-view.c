/* A query's table shown in a GTK 4 column view: the table is a GListModel
 * of rows, so the view takes it as it is, one column for each of its
 * columns, each cell a label that shows a value as its class prints it.
 *
 *   table-view DATABASE_FILE SQL [--print]
 *
 * With --print the program prints what the window shows, row by row, once
 * it is drawn, and quits. */
#include <gtk/gtk.h>
#include <libproviders/providers.h>
#include <libproviders/sqlite.h>

#include <stdio.h>
#include <string.h>

static void
setup_cell (G_GNUC_UNUSED GtkSignalListItemFactory *factory, GtkListItem *item, G_GNUC_UNUSED gpointer position)
{
  gtk_list_item_set_child (item, gtk_label_new (NULL));
}

/* Each item of the table is a row; the factory knows which of its values
 * its column shows. */
static void
bind_cell (G_GNUC_UNUSED GtkSignalListItemFactory *factory, GtkListItem *item, gpointer position)
{
  TorvanixProvidersContractsRowModel *row = gtk_list_item_get_item (item);
  TorvanixProvidersContractsValueObject *value =
      torvanix_providers_contracts_row_model_get_value_at (row, GPOINTER_TO_INT (position));
  TorvanixProvidersContractsIValue *cell = TORVANIX_PROVIDERS_CONTRACTS_IVALUE (value);
  gchar *text = torvanix_providers_contracts_ivalue_get_is_null (cell) ? g_strdup ("NULL")
                                                                      : torvanix_providers_contracts_ivalue_to_string (cell);
  gtk_label_set_text (GTK_LABEL (gtk_list_item_get_child (item)), text);
  g_free (text);
  g_object_unref (value);
}

static GtkWidget *
column_view_of (TorvanixProvidersContractsTableModel *table)
{
  /* The selection model and the view each take the reference they are given. */
  GtkWidget *view = gtk_column_view_new (GTK_SELECTION_MODEL (gtk_no_selection_new (g_object_ref (G_LIST_MODEL (table)))));
  GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (table);
  gint count = gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns));
  for (gint c = 0; c < count; ++c) {
    TorvanixProvidersContractsColumnModel *column = gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), c);
    GtkListItemFactory *factory = gtk_signal_list_item_factory_new ();
    g_signal_connect (factory, "setup", G_CALLBACK (setup_cell), GINT_TO_POINTER (c));
    g_signal_connect (factory, "bind", G_CALLBACK (bind_cell), GINT_TO_POINTER (c));
    GtkColumnViewColumn *view_column =
        gtk_column_view_column_new (torvanix_providers_contracts_column_model_get_name (column), factory);
    gtk_column_view_append_column (GTK_COLUMN_VIEW (view), view_column);
    g_object_unref (view_column);
    g_object_unref (column);
  }
  return view;
}

/* The labels under `widget`, in the order they are drawn, a line for each
 * height in `window` they are drawn at: the titles, then each row. */
static void
print_labels (GtkWidget *window, GtkWidget *widget, double *line)
{
  for (GtkWidget *child = gtk_widget_get_first_child (widget); child != NULL;
       child = gtk_widget_get_next_sibling (child)) {
    double x = 0, y = 0;
    if (GTK_IS_LABEL (child) && gtk_widget_translate_coordinates (child, window, 0, 0, &x, &y)) {
      printf ("%s%s", y == *line ? " | " : *line >= 0 ? "\n" : "", gtk_label_get_text (GTK_LABEL (child)));
      *line = y;
    }
    print_labels (window, child, line);
  }
}

static void
print_and_quit (GdkFrameClock *clock, GtkWindow *window)
{
  g_signal_handlers_disconnect_by_func (clock, print_and_quit, window);
  double line = -1;
  print_labels (GTK_WIDGET (window), GTK_WIDGET (window), &line);
  printf ("\n");
  gtk_window_destroy (window);
}

struct Query {
  const char *file;
  const char *sql;
  gboolean print;
  int status;
};

static void
activate (GtkApplication *application, struct Query *query)
{
  TorvanixProvidersContractsServer *profile = torvanix_providers_contracts_server_new_with_provider ("SQLite");
  torvanix_providers_contracts_server_set_filename (profile, query->file);
  TorvanixProvidersContractsIProvider *provider =
      TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (torvanix_providers_supports_sq_lite_provider_new ());
  GError *error = NULL;
  TorvanixProvidersContractsTableModel *table = NULL;
  torvanix_providers_contracts_iprovider_open (provider, profile, "", &error);
  if (error == NULL)
    table = torvanix_providers_contracts_iprovider_execute_model (provider, query->sql, 0, &error);
  /* The table holds its values itself: the provider may go. */
  g_object_unref (provider);
  g_object_unref (profile);
  if (error != NULL) {
    fprintf (stderr, "%s\n", error->message);
    g_error_free (error);
    query->status = 1;
    return;
  }

  GtkWidget *window = gtk_application_window_new (application);
  gtk_window_set_title (GTK_WINDOW (window), query->sql);
  gtk_window_set_default_size (GTK_WINDOW (window), 480, 240);
  GtkWidget *scroller = gtk_scrolled_window_new ();
  gtk_scrolled_window_set_child (GTK_SCROLLED_WINDOW (scroller), column_view_of (table));
  gtk_window_set_child (GTK_WINDOW (window), scroller);
  g_object_unref (table);
  gtk_window_present (GTK_WINDOW (window));
  if (query->print) {
    GdkFrameClock *clock = gtk_widget_get_frame_clock (window);
    g_signal_connect (clock, "after-paint", G_CALLBACK (print_and_quit), window);
  }
}

int
main (int argc, char **argv)
{
  if (argc < 3 || argc > 4 || (argc == 4 && strcmp (argv[3], "--print") != 0)) {
    fprintf (stderr, "usage: %s DATABASE_FILE SQL [--print]\n", argv[0]);
    return 2;
  }
  struct Query query = {argv[1], argv[2], argc == 4, 0};
  GtkApplication *application = gtk_application_new (NULL, G_APPLICATION_NON_UNIQUE);
  g_signal_connect (application, "activate", G_CALLBACK (activate), &query);
  int status = g_application_run (G_APPLICATION (application), 1, argv);
  g_object_unref (application);
  return status != 0 ? status : query.status;
}
