/* A client built against an installed copy with nothing but what
 * `pkg-config --cflags --libs libproviders` gives it. It reports which
 * library file it runs on, so the test can tell the prefix from the build
 * tree. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>

#include <libproviders/providers.h>

int
main (void)
{
  Dl_info info;
  if (!dladdr ((void *) torvanix_providers_contracts_value_int32_new, &info)) {
    fprintf (stderr, "dladdr failed\n");
    return 1;
  }
  printf ("library: %s\n", info.dli_fname);

  g_autoptr (TorvanixProvidersContractsValueInt32) number = torvanix_providers_contracts_value_int32_new (-42);
  g_autofree gchar *dump = torvanix_providers_contracts_ivalue_dump (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (number));
  printf ("%s\n", dump);

  g_autoptr (TorvanixProvidersContractsServer) server = torvanix_providers_contracts_server_new ();
  torvanix_providers_contracts_server_set_title (server, "local");
  torvanix_providers_contracts_server_set_host (server, "127.0.0.1");
  printf ("server %s on %s\n", torvanix_providers_contracts_server_get_title (server),
          torvanix_providers_contracts_server_get_host (server));
  g_autofree gchar *type_name = torvanix_providers_contracts_data_type_to_string (TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME);
  printf ("data type %s\n", type_name);
  return 0;
}
