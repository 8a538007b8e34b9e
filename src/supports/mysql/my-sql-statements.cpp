/* The provider's statements that answer data: one value, a reader, a
 * table, or one result per statement of a batch. */

#include "common/boundary.h"
#include "common/check.h"
#include "common/gobject-ref.h"
#include "libproviders/models.h"
#include "libproviders/values.h"
#include "supports/common/statement-slot-internal.h"
#include "supports/common/text-cells-internal.h"
#include "supports/mysql/my-sql-model-fill-private.h"
#include "supports/mysql/my-sql-provider-private.h"
#include "supports/mysql/my-sql-reader-private.h"
#include "supports/mysql/my-sql-texts-private.h"
#include "supports/mysql/my-sql-type-private.h"

namespace {

using providers::home::as_value;
using providers::mysql::connection_of;
using providers::mysql::ProviderLock;
using providers::mysql::provider_priv;
using providers::mysql::raise;
using Provider = TorvanixProvidersSupportsMySQLProvider;
using IValue = TorvanixProvidersContractsIValue;
using Table = TorvanixProvidersContractsTableModel;

constexpr const char kNoData[] = "No data return by non-select statement";

/* Frees a result set, stored or read as it arrives. */
struct ResultDeleter {
  void operator() (MYSQL_RES *result) const noexcept { mysql_free_result (result); }
};
using Result = std::unique_ptr<MYSQL_RES, ResultDeleter>;

Provider *
provider_of (TorvanixProvidersContractsIProvider *base)
{
  return TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_PROVIDER (base);
}

/* A statement whose result could not be fetched: the client's error when
 * it holds one. The field count is no witness: the client resets it when
 * the connection drops. */
bool
fetch_failed (Provider *self, GError **error)
{
  return mysql_errno (connection_of (self)) != 0 && raise (self, -1, error);
}

/* A text whose first statement has no rows: that is the call's failure,
 * and the rest of the text is still taken here, so that a later
 * statement's failure is not left for the next, unrelated call. */
void
no_data (Provider *self, GError **error)
{
  providers::mysql::set_own_error (error, kNoData);
  providers::mysql::drain_results (self, nullptr);
}

/* An answer that stands only once the rest of the text's results were
 * drained without a failure. */
template <typename T>
T *
unless_rest_failed (Provider *self, T *answer, GError **error)
{
  if (providers::mysql::drain_results (self, error))
    return answer;
  g_object_unref (answer);
  return nullptr;
}

/* The first cell of a result taken with mysql_use_result, as a reader
 * answers it, or null when the result has no row; the rows after it are
 * read and dropped as they arrive. */
IValue *
first_cell (MYSQL_RES *result)
{
  MYSQL_ROW row = mysql_fetch_row (result);
  if (row == nullptr)
    return nullptr;
  const unsigned long *lengths = mysql_fetch_lengths (result);
  providers::GUnique<GTimeZone> local_zone (g_time_zone_new_local ());
  IValue *cell = providers::home::value_of_cell (providers::mysql::column_of (mysql_fetch_fields (result)[0]),
                                                  row[0], row[0] ? lengths[0] : 0, local_zone.get ());
  providers::mysql::skip_rows (result);
  return cell;
}

IValue *
execute_scalar (Provider *self, const gchar *statement, GError **error)
{
  ProviderLock lock (self);
  if (!providers::mysql::send_statement (self, statement, error))
    return nullptr;
  MYSQL *connection = connection_of (self);
  /* The first row as it arrives: the rest of a long result is never held. */
  Result result (mysql_use_result (connection));
  IValue *answer = nullptr;
  guint64 count = mysql_affected_rows (connection);
  if (result && mysql_num_fields (result.get ()) > 0) {
    answer = first_cell (result.get ());
    /* No row: the count of a query is the number of its rows. */
    count = 0;
    result.reset ();
    /* A result the server broke off is no answer, its first cell neither. */
    if (mysql_errno (connection) != 0) {
      if (answer != nullptr)
        g_object_unref (answer);
      providers::mysql::raise_failed (self, "The result could not be read.", error);
      return nullptr;
    }
  } else if (fetch_failed (self, error)) {
    return nullptr;
  }
  if (answer == nullptr)
    answer = as_value (torvanix_providers_contracts_value_uint64_new (count));
  result.reset ();
  return unless_rest_failed (self, answer, error);
}

TorvanixProvidersContractsIDataReader *
execute_reader (Provider *self, const gchar *statement, GError **error)
{
  ProviderLock lock (self);
  if (!providers::mysql::send_statement (self, statement, error))
    return nullptr;
  Result result (mysql_store_result (connection_of (self)));
  if (result && mysql_num_fields (result.get ()) > 0) {
    /* The reader frees the result set when it is finalized. */
    auto *reader = TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER (providers::mysql::reader_owning (result.release ()));
    return unless_rest_failed (self, reader, error);
  }
  if (!fetch_failed (self, error))
    no_data (self, error);
  return nullptr;
}

Table *
execute_model (Provider *self, const gchar *statement, GError **error)
{
  ProviderLock lock (self);
  if (!providers::mysql::send_statement (self, statement, error))
    return nullptr;
  MYSQL *connection = connection_of (self);
  Result result (mysql_use_result (connection));
  if (!result) {
    if (!fetch_failed (self, error))
      no_data (self, error);
    return nullptr;
  }
  Table *model = providers::mysql::fill_model_streaming (connection, result.get ());
  result.reset ();
  if (model == nullptr) {
    providers::mysql::raise_failed (self, "The result could not be read.", error);
    return nullptr;
  }
  return unless_rest_failed (self, model, error);
}

GObject **
execute_statements (Provider *self, const gchar *statements, gint *result_length, GError **error)
{
  ProviderLock lock (self);
  if (!providers::mysql::send_statement (self, statements, error))
    return nullptr;
  MYSQL *connection = connection_of (self);
  providers::GUnique<GPtrArray> items (g_ptr_array_new_with_free_func (g_object_unref));
  auto add_error = [&] {
    providers::mysql::note_error (self);
    /* UTF-8 as a GError's text is: the client may quote bytes that are not. */
    providers::GUnique<gchar> text (g_utf8_make_valid (mysql_error (connection), -1));
    g_ptr_array_add (items.get (), torvanix_providers_contracts_value_error_new (
                                       static_cast<gint> (mysql_errno (connection)), text.get ()));
  };
  for (;;) {
    Result result (mysql_use_result (connection));
    GObject *item = nullptr;
    if (result)
      item = G_OBJECT (providers::mysql::fill_model_streaming (connection, result.get ()));
    result.reset ();
    if (item == nullptr && mysql_errno (connection) != 0) {
      /* Nothing follows a result that could not be read: the server ends
       * the batch at an error, and a lost connection has nothing more. */
      add_error ();
      break;
    }
    GError *refused = nullptr;
    if (item == nullptr && providers::mysql::local_file_failed (self, &refused)) {
      /* The server loaded an empty file and went on with the batch. */
      item = G_OBJECT (torvanix_providers_contracts_value_error_new (refused->code, refused->message));
      g_error_free (refused);
    }
    if (item == nullptr)
      item = G_OBJECT (torvanix_providers_contracts_value_uint64_new (mysql_affected_rows (connection)));
    g_ptr_array_add (items.get (), item);
    int next = providers::mysql::next_result (self);
    if (next > 0) {
      /* A later statement failed: say so after the results before it,
       * or the caller cannot tell a failed batch from a shorter one. */
      add_error ();
    }
    if (next != 0)
      break;
  }
  if (result_length)
    *result_length = static_cast<gint> (items->len);
  g_ptr_array_add (items.get (), nullptr);
  return reinterpret_cast<GObject **> (g_ptr_array_free (items.release (), FALSE));
}

/* What the common statement slots run for this engine; their checks
 * report the names callers know. */
struct Statements {
  static Provider *cast (TorvanixProvidersContractsIProvider *base) { return provider_of (base); }
  static GQuark domain () { return TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR; }
  static constexpr providers::home::StatementSlotNames kNames{
      PROVIDERS_FN_MY_SQL_PROVIDER_EXECUTE_SCALAR, PROVIDERS_FN_MY_SQL_PROVIDER_EXECUTE_READER,
      PROVIDERS_FN_MY_SQL_PROVIDER_EXECUTE_MODEL, PROVIDERS_FN_MY_SQL_PROVIDER_EXECUTE_STATEMENTS, nullptr};
  static constexpr auto scalar = execute_scalar;
  static constexpr auto reader = execute_reader;
  static constexpr auto model = execute_model;
  static constexpr auto statements = execute_statements;
};

}  // namespace

namespace providers::mysql {

void
install_statements (TorvanixProvidersContractsIProviderInterface *iface)
{
  providers::home::install_statement_slots<Statements> (iface);
}

}  // namespace providers::mysql
