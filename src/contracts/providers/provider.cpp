/* IProvider: the functions applications call, each dispatching to the
 * implementation's slot; and the DBObject enumeration. */
#include "libproviders/contracts/provider.h"

#include "common/check.h"
#include "common/enum-nick.h"
#include "common/gobject-ref.h"
#include "contracts/internals-private.h"
#include "contracts/models/table-release-internal.h"

G_DEFINE_ENUM_TYPE (TorvanixProvidersContractsDBObject, torvanix_providers_contracts_db_object,
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_UNKNOWN, "unknown"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_AGGREGATE, "aggregate"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_ASSEMBLY, "assembly"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_BACKUP, "backup"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CHECK, "check"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CAST, "cast"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CLASS, "class"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CLASSIFIER, "classifier"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN, "column"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CONTRAINT, "contraint"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_CONVERSION, "conversion"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE, "database"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_DEVICE, "device"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_DOMAIN, "domain"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_ENDPOINT, "endpoint"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT, "event"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_EXCLUDE, "exclude"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_FOREIGN, "foreign"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION, "function"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX, "index"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_JOB, "job"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_LANGUAGE, "language"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_MATERIALIZED, "materialized"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_OPERATOR, "operator"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PACKAGE, "package"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_FUNCTION, "partition-function"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_SCHEME, "partition-scheme"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PRIMARY, "primary"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE, "procedure"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_QUERY, "query"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_REPORT, "report"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE, "role"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_ROUTINE, "routine"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_RULE, "rule"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA, "schema"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE, "sequence"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_SERVER, "server"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_STATISTICS, "statistics"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_SYNONYM, "synonym"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, "table"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE, "tablespace"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER, "trigger"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_TYPE, "type"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_UNIQUE, "unique"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_USER, "user"),
  G_DEFINE_ENUM_VALUE (TORVANIX_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW, "view"))

extern "C" gchar *
torvanix_providers_contracts_db_object_to_string (TorvanixProvidersContractsDBObject self)
{
  return providers::enum_nick (TORVANIX_PROVIDERS_CONTRACTS_TYPE_DB_OBJECT, providers::raw_enum (self));
}

/* Engine libraries find the builders' table on this type. */
G_DEFINE_INTERFACE_WITH_CODE (TorvanixProvidersContractsIProvider, torvanix_providers_contracts_iprovider, G_TYPE_OBJECT,
                              providers::contracts::hand_out_internals (g_define_type_id))

static void
torvanix_providers_contracts_iprovider_default_init (TorvanixProvidersContractsIProviderInterface *iface)
{
  g_object_interface_install_property (
      iface, g_param_spec_boolean ("is-opened", "is-opened", "is-opened", FALSE,
                                   static_cast<GParamFlags> (G_PARAM_READABLE | G_PARAM_STATIC_STRINGS)));
}

namespace {

TorvanixProvidersContractsIProviderInterface *
iface_of (TorvanixProvidersContractsIProvider *self)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER_GET_IFACE (self);
}

}  // namespace

extern "C" void
torvanix_providers_contracts_iprovider_open (TorvanixProvidersContractsIProvider *self,
                                            TorvanixProvidersContractsServer *server,
                                            const gchar *connection_string, GError **error)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IPROVIDER (self));
  if (auto slot = iface_of (self)->open)
    slot (self, server, connection_string, error);
}

extern "C" void
torvanix_providers_contracts_iprovider_close (TorvanixProvidersContractsIProvider *self, GError **error)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IPROVIDER (self));
  if (auto slot = iface_of (self)->close)
    slot (self, error);
}

extern "C" TorvanixProvidersContractsTableModel *
torvanix_providers_contracts_iprovider_execute_model (TorvanixProvidersContractsIProvider *self,
                                                     const gchar *statement, gint reserved, GError **error)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IPROVIDER (self), nullptr);
  auto slot = iface_of (self)->execute_model;
  /* The last dropped result is gone before this one is built. */
  providers::models::finish_release_in_flight ();
  return slot ? slot (self, statement, reserved, error) : nullptr;
}

extern "C" gint64
torvanix_providers_contracts_iprovider_execute_affect (TorvanixProvidersContractsIProvider *self,
                                                      const gchar *statement, gint reserved, GError **error)
{
  providers_return_val_if_fail (self != NULL, 0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IPROVIDER (self), 0);
  auto slot = iface_of (self)->execute_affect;
  return slot ? slot (self, statement, reserved, error) : -1;
}

extern "C" TorvanixProvidersContractsIValue *
torvanix_providers_contracts_iprovider_execute_scalar (TorvanixProvidersContractsIProvider *self,
                                                      const gchar *statement, gint reserved, GError **error)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IPROVIDER (self), nullptr);
  auto slot = iface_of (self)->execute_scalar;
  return slot ? slot (self, statement, reserved, error) : nullptr;
}

extern "C" GObject **
torvanix_providers_contracts_iprovider_execute_statements (TorvanixProvidersContractsIProvider *self,
                                                          const gchar *statements, gint reserved,
                                                          gint *result_length, GError **error)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IPROVIDER (self), nullptr);
  auto slot = iface_of (self)->execute_statements;
  providers::models::finish_release_in_flight ();
  return slot ? slot (self, statements, reserved, result_length, error) : nullptr;
}

extern "C" TorvanixProvidersContractsIDataReader *
torvanix_providers_contracts_iprovider_execute_reader (TorvanixProvidersContractsIProvider *self,
                                                      const gchar *statement, GError **error)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IPROVIDER (self), nullptr);
  auto slot = iface_of (self)->execute_reader;
  providers::models::finish_release_in_flight ();
  return slot ? slot (self, statement, error) : nullptr;
}

extern "C" gboolean
torvanix_providers_contracts_iprovider_transaction (TorvanixProvidersContractsIProvider *self, GError **error)
{
  providers_return_val_if_fail (self != NULL, FALSE);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IPROVIDER (self), FALSE);
  auto slot = iface_of (self)->transaction;
  return slot ? slot (self, error) : FALSE;
}

extern "C" void
torvanix_providers_contracts_iprovider_commit (TorvanixProvidersContractsIProvider *self, GError **error)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IPROVIDER (self));
  if (auto slot = iface_of (self)->commit)
    slot (self, error);
}

extern "C" void
torvanix_providers_contracts_iprovider_rollback (TorvanixProvidersContractsIProvider *self, GError **error)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IPROVIDER (self));
  if (auto slot = iface_of (self)->rollback)
    slot (self, error);
}

extern "C" gboolean
torvanix_providers_contracts_iprovider_get_is_opened (TorvanixProvidersContractsIProvider *self)
{
  providers_return_val_if_fail (self != NULL, FALSE);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_IPROVIDER (self), FALSE);
  auto slot = iface_of (self)->get_is_opened;
  return slot ? slot (self) : FALSE;
}
