/* ServerVendors: the vendor names an application offers when it builds a
 * profile. The library itself reads none of them. */
#include "libproviders/settings/server.h"

#include "common/check.h"


const gchar *const TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT[1] = {"MySQL"};
const gchar *const TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE[5] = {
    "MariaDB", "MySQL", "Oracle", "PostgreSQL", "SQLServer"};
const gchar *const TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE[8] = {
    "Access", "Excel", "SQLite", "MariaDB", "MySQL", "Oracle", "PostgreSQL", "SQLServer"};
const gchar *const TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL[3] = {"Access", "Excel", "SQLite"};

G_DEFINE_TYPE (TorvanixProvidersContractsServerVendors, torvanix_providers_contracts_server_vendors, G_TYPE_OBJECT)

static void
torvanix_providers_contracts_server_vendors_class_init (TorvanixProvidersContractsServerVendorsClass *)
{
}

static void
torvanix_providers_contracts_server_vendors_init (TorvanixProvidersContractsServerVendors *)
{
}

extern "C" TorvanixProvidersContractsServerVendors *
torvanix_providers_contracts_server_vendors_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_VENDORS, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_SERVER_VENDORS (g_object_new (object_type, nullptr));
}

extern "C" TorvanixProvidersContractsServerVendors *
torvanix_providers_contracts_server_vendors_new (void)
{
  return torvanix_providers_contracts_server_vendors_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_VENDORS);
}
