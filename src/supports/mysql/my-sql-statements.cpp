/* The provider's statements that answer data: one value, a reader, a
 * table, or one result per statement of a batch. */

#include "common/boundary.h"
#include "common/check.h"
#include "common/gobject-ref.h"
#include "libproviders/models.h"
#include "libproviders/values.h"
#include "supports/mysql/my-sql-cells.h"
#include "supports/mysql/my-sql-model-fill.h"
#include "supports/mysql/my-sql-provider-private.h"
#include "supports/mysql/my-sql-reader-private.h"

namespace {

using providers::adopt_ref;
using providers::mysql::ProviderLock;
using providers::mysql::as_value;
using providers::mysql::provider_priv;
using providers::mysql::raise;
using Provider = TorvanixProvidersSupportsMySQLProvider;
using IValue = TorvanixProvidersContractsIValue;
using Table = TorvanixProvidersContractsTableModel;

constexpr const char kNoData[] = "No data return by non-select statement";

/* Frees a stored result set. */
struct ResultDeleter {
  void operator() (MYSQL_RES *result) const noexcept { mysql_free_result (result); }
};
using Result = std::unique_ptr<MYSQL_RES, ResultDeleter>;

Provider *
provider_of (TorvanixProvidersContractsIProvider *base)
{
  return TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
}

MYSQL *
connection_of (Provider *self)
{
  return provider_priv (self)->connection;
}

/* A statement whose result could not be fetched: the client's error when
 * it holds one. */
bool
fetch_failed (Provider *self, GError **error)
{
  return mysql_field_count (connection_of (self)) != 0 && raise (self, -1, error);
}

IValue *
torvanix_providers_supports_my_sql_provider_real_execute_scalar (TorvanixProvidersContractsIProvider *base,
                                                                 const gchar *statement, gint, GError **error)
{
  providers_return_val_if_fail (statement != NULL, nullptr);
  Provider *self = provider_of (base);
  ProviderLock lock (self);
  if (!providers::mysql::send_statement (self, statement, error))
    return nullptr;
  MYSQL *connection = connection_of (self);
  Result result (mysql_store_result (connection));
  if (result && mysql_num_fields (result.get ()) > 0) {
    auto reader = adopt_ref (torvanix_providers_supports_my_sql_reader_new (result.get ()));
    auto *reader_base = TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER (reader.get ());
    IValue *answer = nullptr;
    if (torvanix_providers_contracts_idata_reader_read (reader_base, nullptr))
      answer = providers::mysql::cell_value (reader.get (), 0);
    torvanix_providers_contracts_idata_reader_close (reader_base, nullptr);
    /* No row: the count of a fetched result, the number of its rows. */
    if (answer == nullptr)
      answer = as_value (torvanix_providers_contracts_value_uint64_new (mysql_affected_rows (connection)));
    return answer;
  }
  if (fetch_failed (self, error))
    return nullptr;
  return as_value (torvanix_providers_contracts_value_uint64_new (mysql_affected_rows (connection)));
}

TorvanixProvidersContractsIDataReader *
torvanix_providers_supports_my_sql_provider_real_execute_reader (TorvanixProvidersContractsIProvider *base,
                                                                 const gchar *statement, GError **error)
{
  providers_return_val_if_fail (statement != NULL, nullptr);
  Provider *self = provider_of (base);
  ProviderLock lock (self);
  if (!providers::mysql::send_statement (self, statement, error))
    return nullptr;
  Result result (mysql_store_result (connection_of (self)));
  if (result && mysql_num_fields (result.get ()) > 0)
    /* The reader frees the result set when it is finalized. */
    return TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER (providers::mysql::reader_owning (result.release ()));
  if (!fetch_failed (self, error))
    providers::mysql::set_own_error (error, kNoData);
  return nullptr;
}

Table *
torvanix_providers_supports_my_sql_provider_real_execute_model (TorvanixProvidersContractsIProvider *base,
                                                                const gchar *statement, gint, GError **error)
{
  providers_return_val_if_fail (statement != NULL, nullptr);
  Provider *self = provider_of (base);
  ProviderLock lock (self);
  if (!providers::mysql::send_statement (self, statement, error))
    return nullptr;
  MYSQL *connection = connection_of (self);
  Result result (mysql_use_result (connection));
  if (result) {
    Table *model = PROVIDERS_GUARDED (static_cast<Table *> (nullptr),
                                      { return providers::mysql::fill_model_streaming (connection, result.get ()); });
    if (model == nullptr)
      raise (self, -1, error);
    return model;
  }
  if (!fetch_failed (self, error))
    providers::mysql::set_own_error (error, kNoData);
  return nullptr;
}

GObject **
torvanix_providers_supports_my_sql_provider_real_execute_statements (TorvanixProvidersContractsIProvider *base,
                                                                     const gchar *statements, gint,
                                                                     gint *result_length, GError **error)
{
  providers_return_val_if_fail (statements != NULL, nullptr);
  Provider *self = provider_of (base);
  ProviderLock lock (self);
  if (!providers::mysql::send_statement (self, statements, error))
    return nullptr;
  MYSQL *connection = connection_of (self);
  providers::GUnique<GPtrArray> items (g_ptr_array_new_with_free_func (g_object_unref));
  for (;;) {
    Result result (mysql_use_result (connection));
    GObject *item = nullptr;
    if (result)
      item = G_OBJECT (PROVIDERS_GUARDED (static_cast<Table *> (nullptr),
                                          { return providers::mysql::fill_model_streaming (connection, result.get ()); }));
    if (item != nullptr) {
    } else if (mysql_field_count (connection) != 0) {
      item = G_OBJECT (torvanix_providers_contracts_value_error_new (static_cast<gint> (mysql_errno (connection)),
                                                                     mysql_error (connection)));
    } else {
      item = G_OBJECT (torvanix_providers_contracts_value_uint64_new (mysql_affected_rows (connection)));
    }
    g_ptr_array_add (items.get (), item);
    int next = mysql_next_result (connection);
    if (next > 0) {
      /* A later statement failed: say so after the results before it,
       * or the caller cannot tell a failed batch from a shorter one. */
      g_ptr_array_add (items.get (), torvanix_providers_contracts_value_error_new (
                                         static_cast<gint> (mysql_errno (connection)), mysql_error (connection)));
    }
    if (next != 0)
      break;
  }
  if (result_length)
    *result_length = static_cast<gint> (items->len);
  g_ptr_array_add (items.get (), nullptr);
  return reinterpret_cast<GObject **> (g_ptr_array_free (items.release (), FALSE));
}

}  // namespace

namespace providers::mysql {

void
install_statements (TorvanixProvidersContractsIProviderInterface *iface)
{
  iface->execute_model = torvanix_providers_supports_my_sql_provider_real_execute_model;
  iface->execute_scalar = torvanix_providers_supports_my_sql_provider_real_execute_scalar;
  iface->execute_statements = torvanix_providers_supports_my_sql_provider_real_execute_statements;
  iface->execute_reader = torvanix_providers_supports_my_sql_provider_real_execute_reader;
}

}  // namespace providers::mysql
