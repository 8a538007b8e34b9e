/* The provider's statements that answer data: one value, a reader, a
 * table, or one result per statement of a batch. */
#include <gee.h>

#include <vector>

#include "common/boundary.h"
#include "common/check.h"
#include "common/gobject-ref.h"
#include "contracts/models/model-internal.h"
#include "libproviders/models.h"
#include "libproviders/values.h"
#include "supports/mysql/my-sql-provider-private.h"
#include "supports/mysql/my-sql-reader-private.h"

namespace {

using providers::adopt_ref;
using providers::GRef;
using providers::mysql::ProviderLock;
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

/* Every value class implements IValue, and every list here is a
 * GeeArrayList: no checked casts once per cell. */
IValue *
as_value (gpointer object)
{
  return static_cast<IValue *> (object);
}

void
add (GeeArrayList *list, gpointer item)
{
  gee_abstract_collection_add (static_cast<GeeAbstractCollection *> (static_cast<gpointer> (list)), item);
}

/* A result set as a table: its columns, then every row's typed values. */
Table *
fill_model (MYSQL_RES *result)
{
  auto model = adopt_ref (torvanix_providers_contracts_table_model_new ());
  if (mysql_num_fields (result) == 0)
    return model.release ();
  auto reader = adopt_ref (torvanix_providers_supports_my_sql_reader_new (result));
  auto *base = TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER (reader.get ());
  gint fields = torvanix_providers_contracts_idata_reader_get_field_count (base);

  GeeArrayList *columns = torvanix_providers_contracts_table_model_get_columns (model.get ());
  for (gint i = 0; i < fields; ++i) {
    auto ordinal = static_cast<guint16> (i);
    providers::GUnique<gchar> name (torvanix_providers_contracts_idata_reader_get_name (base, ordinal, nullptr));
    auto column = adopt_ref (torvanix_providers_contracts_column_model_new_full_size (
        name.get (), torvanix_providers_contracts_idata_reader_get_data_type (base, ordinal, nullptr),
        static_cast<gulong> (torvanix_providers_contracts_idata_reader_get_size (base, ordinal, nullptr))));
    add (columns, column.get ());
  }

  std::vector<gpointer> cells (static_cast<std::size_t> (fields));
  while (torvanix_providers_contracts_idata_reader_read (base, nullptr)) {
    for (gint i = 0; i < fields; ++i)
      cells[i] = providers::mysql::cell_value (reader.get (), static_cast<guint16> (i));
    auto *row = providers::models::row_adopting (cells.data (), static_cast<guint> (fields));
    providers::models::table_adopt_rows (model.get (), &row, 1);
  }
  torvanix_providers_contracts_idata_reader_close (base, nullptr);
  return model.release ();
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
  Result result (mysql_store_result (connection_of (self)));
  if (result)
    return PROVIDERS_GUARDED (static_cast<Table *> (nullptr), { return fill_model (result.get ()); });
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
    Result result (mysql_store_result (connection));
    GObject *item;
    if (result) {
      item = G_OBJECT (fill_model (result.get ()));
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
