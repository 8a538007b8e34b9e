/* PostgreSQLReader: the common text reader over one statement's result,
 * taken whole from the client library, and the getters the server's
 * notations answer their own way. */
#include "libproviders/postgresql/postgre-sql-reader.h"

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/compat-texts.h"
#include "common/private-data.h"
#include "supports/common/reader-properties-internal.h"
#include "supports/common/text-reader-internal.h"
#include "supports/postgresql/postgre-sql-cells-private.h"
#include "supports/postgresql/postgre-sql-provider-private.h"

namespace {

using Reader = TorvanixProvidersContractsIDataReader;
using providers::home::Cell;
using providers::home::TextReader;
using providers::postgresql::ResultColumn;

const providers::home::ReaderNames kNames = {
    "torvanix_providers_supports_postgre_sql_reader_get_name",
    "torvanix_providers_supports_postgre_sql_reader_get_dbms_type",
    "torvanix_providers_supports_postgre_sql_reader_get_data_type",
    "torvanix_providers_supports_postgre_sql_reader_get_size",
    "torvanix_providers_supports_postgre_sql_reader_get_date",
    "torvanix_providers_supports_postgre_sql_reader_get_value",
};

/* The rows of a result from `row` on, for the build-ahead thread: it reads
 * the result beside the reader, which only reads it too. */
class StoredResultRows final : public providers::home::StoredRows {
 public:
  StoredResultRows (const PGresult *result, const std::vector<ResultColumn> &columns, int row)
      : result_ (result), columns_ (columns), row_ (row), rows_ (PQntuples (result)), scratch_ (columns.size ())
  {
  }

  bool next (Cell *cells) override
  {
    if (row_ >= rows_)
      return false;
    for (std::size_t i = 0; i < columns_.size (); ++i)
      cells[i] = providers::postgresql::readable_cell (columns_[i], result_, row_, static_cast<int> (i), scratch_[i]);
    ++row_;
    return true;
  }

 private:
  const PGresult *const result_;
  const std::vector<ResultColumn> columns_;
  int row_;
  const int rows_;
  std::vector<std::string> scratch_; /* decoded bytes, one per column */
};

class ResultRows final : public providers::home::TextRows {
 public:
  ResultRows (providers::postgresql::Result result, std::vector<ResultColumn> columns)
      : result_ (std::move (result)), columns_ (std::move (columns)),
        rows_ (PQntuples (result_.get ())), scratch_ (columns_.size ())
  {
  }

  bool next () override
  {
    if (current_ + 1 >= rows_) {
      current_ = rows_;
      return false;
    }
    ++current_;
    return true;
  }

  Cell cell (guint index) override
  {
    return providers::postgresql::readable_cell (columns_[index], result_.get (), current_, static_cast<int> (index),
                                                 scratch_[index]);
  }

  /* The widest cell, in the bytes a getter answers; measured once. */
  gint32 size (guint index) override
  {
    if (sizes_.empty ()) {
      sizes_.assign (columns_.size (), 0);
      std::string scratch;
      for (int r = 0; r < rows_; ++r)
        for (std::size_t c = 0; c < columns_.size (); ++c) {
          Cell cell = providers::postgresql::readable_cell (columns_[c], result_.get (), r, static_cast<int> (c), scratch);
          sizes_[c] = MAX (sizes_[c], static_cast<gint32> (MIN (cell.length, static_cast<gsize> (G_MAXINT32))));
        }
    }
    return sizes_[index];
  }

  guint64 rows_after (guint64 rows_read) override { return static_cast<guint64> (rows_) - rows_read; }

  std::unique_ptr<providers::home::StoredRows> rest () override
  {
    if (current_ + 1 >= rows_)
      return nullptr;
    return std::make_unique<StoredResultRows> (result_.get (), columns_, current_ + 1);
  }

 private:
  const providers::postgresql::Result result_;
  const std::vector<ResultColumn> columns_;
  const int rows_;
  int current_ = -1; /* the current row; -1 before the first and rows_ after the last */
  std::vector<std::string> scratch_; /* the current row's decoded bytes, one per column */
  std::vector<gint32> sizes_;
};

}  // namespace

struct _TorvanixProvidersSupportsPostgreSQLReader {
  GObject parent_instance;
};

/* Built whole in init and destroyed whole in finalize; the reader's state
 * from its making on. */
struct TorvanixProvidersSupportsPostgreSQLReaderPrivate {
  std::optional<TextReader> reader;
};

namespace {

void reader_iface_init (TorvanixProvidersContractsIDataReaderInterface *iface);

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersSupportsPostgreSQLReader, torvanix_providers_supports_postgre_sql_reader,
                                 G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IDATA_READER, reader_iface_init))

namespace {

/* Only this class implements the reader's virtuals, and only the provider
 * makes one, with its state: no checked cast. */
TextReader &
reader_of (Reader *self)
{
  return *static_cast<TorvanixProvidersSupportsPostgreSQLReaderPrivate *> (
              torvanix_providers_supports_postgre_sql_reader_get_instance_private (
                  reinterpret_cast<TorvanixProvidersSupportsPostgreSQLReader *> (self)))
              ->reader;
}

/* Booleans read as "1" or "0" (supports/postgresql/postgre-sql-cells-private.h). */
gboolean
reader_get_boolean (Reader *base, guint16 ordinal, GError **)
{
  const char *text = reader_of (base).cell (ordinal).text;
  if (!providers::home::has_text (PROVIDERS_STEP_BOOL_PARSE, text))
    return FALSE;
  return std::strcmp (text, "1") == 0 || std::strcmp (text, "t") == 0 || std::strcmp (text, "true") == 0;
}

/* Reads `[-]digits` into `value`; false when there is no digit. */
bool
signed_number (const char *&p, gint64 &value)
{
  bool negative = *p == '-';
  if (*p == '-' || *p == '+')
    ++p;
  if (!g_ascii_isdigit (*p))
    return false;
  value = 0;
  for (; g_ascii_isdigit (*p); ++p)
    value = value * 10 + (*p - '0');
  if (negative)
    value = -value;
  return true;
}

/* "[-]H:MM:SS[.ffffff]" in microseconds. */
bool
clock_span (const char *&p, gint64 &span)
{
  bool negative = *p == '-';
  gint64 hours = 0, minutes = 0, seconds = 0;
  if (!signed_number (p, hours) || *p++ != ':' || !signed_number (p, minutes) || *p++ != ':'
      || !signed_number (p, seconds))
    return false;
  gint64 micro = 0;
  int digits = 0;
  if (*p == '.')
    for (++p; g_ascii_isdigit (*p); ++p)
      if (digits < 6) {
        micro = micro * 10 + (*p - '0');
        ++digits;
      }
  for (; digits < 6; ++digits)
    micro *= 10;
  span = ((std::llabs (hours) * 60 + minutes) * 60 + seconds) * G_USEC_PER_SEC + micro;
  if (negative)
    span = -span;
  return true;
}

/* An interval as the session spells it ("3 days -04:05:06.5"): its days
 * and time; 0 for one with months or years, which have no fixed length,
 * and for other text. */
GTimeSpan
reader_get_timespan (Reader *base, guint16 ordinal, GError **)
{
  const char *p = reader_of (base).cell (ordinal).text;
  if (!providers::home::has_text (PROVIDERS_STEP_INT64_PARSE, p))
    return 0;
  GTimeSpan span = 0;
  while (*p != '\0') {
    const char *field = p;
    gint64 number = 0;
    gint64 clock = 0;
    if (clock_span (p, clock)) {
      span += clock;
    } else if (p = field; signed_number (p, number) && *p == ' ') {
      ++p;
      if (g_str_has_prefix (p, "day"))
        span += number * G_TIME_SPAN_DAY;
      else
        return 0;
      while (g_ascii_isalpha (*p))
        ++p;
    } else {
      return 0;
    }
    while (*p == ' ')
      ++p;
  }
  return span;
}

gchar *
reader_get_text (Reader *base, guint16 ordinal, GError **error)
{
  return providers::home::text_slots::get_text (reader_of (base), ordinal, error);
}

void
reader_iface_init (TorvanixProvidersContractsIDataReaderInterface *iface)
{
  providers::home::install_text_reader<reader_of> (iface);
  iface->get_boolean = reader_get_boolean;
  iface->get_timespan = reader_get_timespan;
  /* Geometric values and XML arrive as the server's text. */
  iface->get_geometry = reader_get_text;
  iface->get_xml = reader_get_text;
}

}  // namespace

static void
torvanix_providers_supports_postgre_sql_reader_class_init (TorvanixProvidersSupportsPostgreSQLReaderClass *klass)
{
  providers::home::reader_properties (G_OBJECT_CLASS (klass));
}

namespace providers::postgresql {

TorvanixProvidersContractsIDataReader *
reader_over (Result result, std::vector<ResultColumn> columns, const std::vector<std::string> &type_names)
{
  std::vector<providers::home::ReaderField> fields;
  const PGresult *described = result.get ();
  for (int i = 0; i < PQnfields (described); ++i)
    fields.push_back ({PQfname (described, i), type_names[static_cast<std::size_t> (i)], columns[static_cast<std::size_t> (i)].column});
  auto *self = static_cast<TorvanixProvidersSupportsPostgreSQLReader *> (
      g_object_new (TORVANIX_PROVIDERS_SUPPORTS_TYPE_POSTGRE_SQL_READER, nullptr));
  auto *priv = static_cast<TorvanixProvidersSupportsPostgreSQLReaderPrivate *> (
      torvanix_providers_supports_postgre_sql_reader_get_instance_private (self));
  priv->reader.emplace (std::make_unique<ResultRows> (std::move (result), std::move (columns)), std::move (fields), kNames);
  return TORVANIX_PROVIDERS_CONTRACTS_IDATA_READER (self);
}

}  // namespace providers::postgresql
