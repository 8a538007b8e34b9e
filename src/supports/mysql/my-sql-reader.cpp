/* MySQLReader: a forward-only reader over a result set that the client
 * library fetched whole. Every cell arrives as text (binary columns as
 * their bytes); the common text reader (supports/common/text-reader-internal.h)
 * answers the slots, and this file the rows of a MySQL result and the
 * getters MySQL answers its own way. */
#include "libproviders/mysql/my-sql-reader.h"

#include "common/boundary.h"
#include "common/check.h"
#include "common/compat-texts.h"
#include "common/private-data.h"
#include "supports/common/reader-properties-internal.h"
#include "supports/common/text-reader-internal.h"
#include "supports/mysql/my-sql-reader-private.h"
#include "supports/mysql/my-sql-stored-rows-private.h"
#include "supports/mysql/my-sql-texts-private.h"
#include "supports/mysql/my-sql-type-private.h"

#include <cstring>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

using Reader = TorvanixProvidersContractsIDataReader;
using Self = TorvanixProvidersSupportsMySQLReader;
using providers::home::Cell;
using providers::home::TextReader;

const providers::home::ReaderNames kNames = {
    PROVIDERS_FN_MY_SQL_READER_GET_NAME, PROVIDERS_FN_MY_SQL_READER_GET_DBMS_TYPE, PROVIDERS_FN_MY_SQL_READER_GET_DATA_TYPE,
    PROVIDERS_FN_MY_SQL_READER_GET_SIZE, PROVIDERS_FN_MY_SQL_READER_GET_DATE,      "cell_value",
};

/* A result the client library stored, read row by row. */
class MySQLRows final : public providers::home::TextRows {
 public:
  explicit MySQLRows (MYSQL_RES *result)
      : result (result), fields (mysql_fetch_fields (result)), field_count (mysql_num_fields (result))
  {
  }
  /* Frees the result only for the reader of execute_reader, which owns it. */
  ~MySQLRows () override
  {
    if (owns)
      mysql_free_result (result);
  }

  bool next () override
  {
    row_ = mysql_fetch_row (result);
    lengths_ = row_ ? mysql_fetch_lengths (result) : nullptr;
    return row_ != nullptr;
  }

  void skip_rest () override
  {
    while (mysql_fetch_row (result) != nullptr) {
    }
    row_ = nullptr;
    lengths_ = nullptr;
  }

  Cell cell (guint index) override { return {row_[index], row_[index] ? lengths_[index] : 0}; }

  gint32 size (guint index) override
  {
    return static_cast<gint32> (MIN (fields[index].max_length, static_cast<unsigned long> (G_MAXINT32)));
  }

  /* Only a result fetched whole has its rows in memory. */
  guint64 rows_after (guint64 rows_read) override { return result->data ? mysql_num_rows (result) - rows_read : 0; }

  std::unique_ptr<providers::home::StoredRows> rest () override
  {
    MYSQL_ROWS *next = mysql_row_tell (result);
    return next ? providers::mysql::stored_rows_from (next, field_count) : nullptr;
  }

  MYSQL_RES *const result;
  MYSQL_FIELD *const fields;
  const guint field_count;
  bool owns = false;

 private:
  MYSQL_ROW row_ = nullptr;          /* the current row; null before the first read and after the last */
  unsigned long *lengths_ = nullptr; /* byte lengths of the current row's cells */
};

}  // namespace

/* Built whole in init and destroyed whole in finalize; the reader's state
 * from construction on. */
struct TorvanixProvidersSupportsMySQLReaderPrivate {
  std::optional<TextReader> reader;
  MySQLRows *rows = nullptr; /* the reader's */
};

namespace {

void reader_iface_init (TorvanixProvidersContractsIDataReaderInterface *iface);
void type_iface_init (TorvanixProvidersSupportsIMySQLTypeInterface *) {}
void error_iface_init (TorvanixProvidersSupportsIMySQLErrorInterface *) {}

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersSupportsMySQLReader, torvanix_providers_supports_my_sql_reader, G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IDATA_READER, reader_iface_init)
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_TYPE, type_iface_init)
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_ERROR, error_iface_init))

namespace {

TorvanixProvidersSupportsMySQLReaderPrivate *
priv_of (Self *self)
{
  return static_cast<TorvanixProvidersSupportsMySQLReaderPrivate *> (
      torvanix_providers_supports_my_sql_reader_get_instance_private (self));
}

/* Only this class implements the reader's virtuals: no checked cast. */
TextReader &
reader_of (Reader *self)
{
  return *priv_of (static_cast<Self *> (static_cast<gpointer> (self)))->reader;
}

/* The slots MySQL answers its own way --------------------------------------- */

/* GLib's boolean parse: "true" alone is true. */
gboolean
reader_get_boolean (Reader *base, guint16 ordinal, GError **)
{
  const char *text = reader_of (base).cell (ordinal).text;
  return providers::home::has_text (PROVIDERS_STEP_BOOL_PARSE, text) && std::strcmp (text, "true") == 0;
}

GTimeSpan
reader_get_timespan (Reader *base, guint16 ordinal, GError **)
{
  const char *text = reader_of (base).cell (ordinal).text;
  g_warning (PROVIDERS_LOG_TIMESPAN_CELL "%s", text);
  return providers::home::long_parse (text, PROVIDERS_STEP_INT64_PARSE);
}

/* Spatial values arrive as the server's bytes. */
gchar *
reader_get_geometry (Reader *base, guint16 ordinal, GError **error)
{
  return providers::home::text_slots::get_hex (reader_of (base), ordinal, error);
}

void
reader_iface_init (TorvanixProvidersContractsIDataReaderInterface *iface)
{
  providers::home::install_text_reader<reader_of> (iface);
  iface->get_boolean = reader_get_boolean;
  iface->get_timespan = reader_get_timespan;
  iface->get_geometry = reader_get_geometry;
}

}  // namespace

static void
torvanix_providers_supports_my_sql_reader_class_init (TorvanixProvidersSupportsMySQLReaderClass *klass)
{
  providers::home::reader_properties (G_OBJECT_CLASS (klass));
}

namespace providers::mysql {

TorvanixProvidersSupportsMySQLReader *
reader_owning (MYSQL_RES *result)
{
  auto *reader = torvanix_providers_supports_my_sql_reader_new (result);
  priv_of (reader)->rows->owns = true;
  return reader;
}

}  // namespace providers::mysql

extern "C" TorvanixProvidersSupportsMySQLReader *
torvanix_providers_supports_my_sql_reader_construct (GType object_type, gpointer _result_)
{
  providers_return_val_if_fail (_result_ != NULL, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_SUPPORTS_TYPE_MY_SQL_READER, nullptr);
  return PROVIDERS_GUARDED (static_cast<Self *> (nullptr), {
    auto rows = std::make_unique<MySQLRows> (static_cast<MYSQL_RES *> (_result_));
    std::vector<providers::home::ReaderField> fields;
    fields.reserve (rows->field_count);
    for (guint i = 0; i < rows->field_count; ++i) {
      const MYSQL_FIELD &field = rows->fields[i];
      fields.push_back ({field.name ? field.name : "", providers::mysql::dbms_type_name (field.type),
                         providers::mysql::column_of (field)});
    }
    auto *self = static_cast<Self *> (g_object_new (object_type, nullptr));
    auto *priv = priv_of (self);
    priv->rows = rows.get ();
    priv->reader.emplace (std::move (rows), std::move (fields), kNames);
    return self;
  });
}

extern "C" TorvanixProvidersSupportsMySQLReader *
torvanix_providers_supports_my_sql_reader_new (gpointer _result_)
{
  return torvanix_providers_supports_my_sql_reader_construct (TORVANIX_PROVIDERS_SUPPORTS_TYPE_MY_SQL_READER, _result_);
}

extern "C" guint32
torvanix_providers_supports_my_sql_reader_get_decimals_size (TorvanixProvidersSupportsMySQLReader *self, guint16 ordinal)
{
  providers_return_val_if_fail (self != NULL, 0);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_SUPPORTS_IS_MY_SQL_READER (self), 0);
  auto *priv = priv_of (self);
  if (!priv->reader->has_column ("torvanix_providers_supports_my_sql_reader_get_decimals_size", ordinal))
    return 0;
  return priv->rows->fields[ordinal].decimals;
}
