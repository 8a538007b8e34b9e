/* Filling a table from a result as its rows arrive.
 *
 * The thread that owns the connection reads rows while the server is still
 * sending them and copies them, a chunk at a time, into buffers of their
 * own (the client library reuses its buffer row by row). Builders on the
 * other cores turn chunks into rows of values meanwhile; the reading
 * thread builds too once the last row is in, and the rows are then put in
 * the table in the order the server sent them. A result of a chunk or two
 * never leaves the calling thread.
 *
 * Column sizes are the widest cell of each column, which is what a result
 * read whole into the client reports. */
#include <gee.h>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "common/gobject-ref.h"
#include "contracts/models/model-internal.h"
#include "libproviders/models.h"
#include "libproviders/values.h"
#include "supports/mysql/my-sql-model-fill.h"
#include "supports/common/text-cells.h"
#include "supports/mysql/my-sql-type-private.h"

namespace providers::mysql {

using providers::adopt_ref;

namespace {

using Row = TorvanixProvidersContractsRowModel;
using Table = TorvanixProvidersContractsTableModel;

/* Enough rows to make handing a chunk to another thread worth its cost,
 * few enough that the first builder starts early. */
constexpr guint kChunkRows = 512;

/* Rows copied out of the client library's buffer. */
struct Chunk {
  std::vector<char> bytes;     /* every cell's bytes, each followed by a zero byte */
  std::vector<gssize> starts;  /* per cell, its offset in `bytes`; -1 for SQL NULL */
  std::vector<gsize> lengths;  /* per cell, its byte length */
  guint rows = 0;
  std::vector<Row *> built;    /* the rows, once built */
};

/* What the reading thread and the builders share while one result fills.
 * Builders are threads of this result alone, started when a second chunk
 * is waiting and joined before the table is handed out. */
class Filling {
 public:
  Filling (std::vector<providers::home::Column> columns, GTimeZone *zone) : columns_ (std::move (columns)), zone_ (zone) {}

  ~Filling ()
  {
    stop_builders ();
    for (auto &chunk : chunks_)
      for (Row *row : chunk->built)
        g_object_unref (row);
    g_time_zone_unref (zone_);
  }

  Filling (const Filling &) = delete;
  Filling &operator= (const Filling &) = delete;

  /* Makes a full chunk available to builders. */
  void publish (std::unique_ptr<Chunk> chunk)
  {
    bool start_builder;
    {
      std::lock_guard<std::mutex> guard (mutex_);
      pending_.push_back (chunk.get ());
      chunks_.push_back (std::move (chunk));
      start_builder = pending_.size () > 1 && builders_.size () < max_builders ();
    }
    changed_.notify_one ();
    if (start_builder) {
      providers::home::prepare_value_classes ();
      try {
        builders_.emplace_back ([this] { build_until_done (); });
      } catch (const std::system_error &) {
        /* No thread to be had: the reading thread builds it all. */
      }
    }
  }

  /* Builds whatever is left, waits for the builders, and hands the rows
   * over in order (adopted by the caller). */
  std::vector<Row *> finish ()
  {
    {
      std::lock_guard<std::mutex> guard (mutex_);
      reading_ = false;
    }
    changed_.notify_all ();
    while (build_one ()) {
    }
    stop_builders ();
    std::vector<Row *> rows;
    for (auto &chunk : chunks_) {
      rows.insert (rows.end (), chunk->built.begin (), chunk->built.end ());
      chunk->built.clear ();
    }
    return rows;
  }

 private:
  /* One fewer than the cores: the reading thread builds too. */
  static std::size_t max_builders ()
  {
    static const std::size_t count = MIN (g_get_num_processors (), 8u) - 1;
    return count;
  }

  /* Builds the oldest chunk no one has taken; false when there is none. */
  bool build_one ()
  {
    Chunk *chunk;
    {
      std::lock_guard<std::mutex> guard (mutex_);
      if (pending_.empty ())
        return false;
      chunk = pending_.front ();
      pending_.pop_front ();
    }
    build (*chunk);
    return true;
  }

  void build_until_done ()
  {
    for (;;) {
      {
        std::unique_lock<std::mutex> lock (mutex_);
        changed_.wait (lock, [this] { return !pending_.empty () || !reading_; });
        if (pending_.empty ())
          return;
      }
      build_one ();
    }
  }

  void stop_builders ()
  {
    {
      std::lock_guard<std::mutex> guard (mutex_);
      reading_ = false;
    }
    changed_.notify_all ();
    for (std::thread &builder : builders_)
      builder.join ();
    builders_.clear ();
  }

  void build (Chunk &chunk)
  {
    const std::size_t fields = columns_.size ();
    std::vector<gpointer> values (fields);
    chunk.built.reserve (chunk.rows);
    for (guint r = 0; r < chunk.rows; ++r) {
      const std::size_t first = static_cast<std::size_t> (r) * fields;
      for (std::size_t i = 0; i < fields; ++i) {
        gssize start = chunk.starts[first + i];
        const char *text = start < 0 ? nullptr : chunk.bytes.data () + start;
        values[i] = providers::home::value_of_cell (columns_[i], text, chunk.lengths[first + i], zone_);
      }
      chunk.built.push_back (providers::models::row_adopting (values.data (), static_cast<guint> (fields)));
    }
    /* The copied cells are no longer needed: give their memory back now. */
    std::vector<char> ().swap (chunk.bytes);
    std::vector<gssize> ().swap (chunk.starts);
    std::vector<gsize> ().swap (chunk.lengths);
  }

  const std::vector<providers::home::Column> columns_;
  GTimeZone *const zone_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::unique_ptr<Chunk>> chunks_;
  std::deque<Chunk *> pending_;
  bool reading_ = true;
  std::vector<std::thread> builders_; /* touched by the reading thread only */
};

std::unique_ptr<Chunk>
new_chunk (std::size_t fields)
{
  auto chunk = std::make_unique<Chunk> ();
  chunk->starts.reserve (kChunkRows * fields);
  chunk->lengths.reserve (kChunkRows * fields);
  return chunk;
}

}  // namespace

Table *
fill_model_streaming (MYSQL *connection, MYSQL_RES *result)
{
  auto model = adopt_ref (torvanix_providers_contracts_table_model_new ());
  const unsigned int fields = mysql_num_fields (result);
  if (fields == 0)
    return model.release ();
  MYSQL_FIELD *described = mysql_fetch_fields (result);

  std::vector<providers::home::Column> columns;
  columns.reserve (fields);
  for (unsigned int i = 0; i < fields; ++i)
    columns.push_back (column_of (described[i]));
  Filling filling (columns, g_time_zone_new_local ());

  std::vector<unsigned long> widest (fields, 0);
  auto chunk = new_chunk (fields);
  while (MYSQL_ROW row = mysql_fetch_row (result)) {
    unsigned long *lengths = mysql_fetch_lengths (result);
    for (unsigned int i = 0; i < fields; ++i) {
      widest[i] = std::max (widest[i], lengths[i]);
      if (row[i] == nullptr) {
        chunk->starts.push_back (-1);
        chunk->lengths.push_back (0);
        continue;
      }
      chunk->starts.push_back (static_cast<gssize> (chunk->bytes.size ()));
      chunk->lengths.push_back (lengths[i]);
      chunk->bytes.insert (chunk->bytes.end (), row[i], row[i] + lengths[i]);
      chunk->bytes.push_back ('\0');
    }
    if (++chunk->rows == kChunkRows) {
      filling.publish (std::move (chunk));
      chunk = new_chunk (fields);
    }
  }
  if (chunk->rows > 0)
    filling.publish (std::move (chunk));
  std::vector<Row *> rows = filling.finish ();

  /* The server broke off in the middle: what arrived is not the result. */
  if (mysql_errno (connection) != 0) {
    for (Row *row : rows)
      g_object_unref (row);
    return nullptr;
  }

  GeeArrayList *column_list = torvanix_providers_contracts_table_model_get_columns (model.get ());
  for (unsigned int i = 0; i < fields; ++i) {
    auto column = adopt_ref (torvanix_providers_contracts_column_model_new_full_size (
        described[i].name ? described[i].name : "", columns[i].data_type,
        static_cast<gulong> (MIN (widest[i], static_cast<unsigned long> (G_MAXINT32)))));
    gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (column_list), column.get ());
  }
  providers::models::table_adopt_rows (model.get (), rows.data (), static_cast<guint> (rows.size ()));
  return model.release ();
}

}  // namespace providers::mysql
