/* The table fill's builders: threads of one fill alone, started while a
 * second chunk of rows waits to be built and joined before the table is
 * handed out. */
#include "supports/common/table-fill-internal.h"

#include <gee.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

#include "common/gobject-ref.h"
#include "contracts/internals-private.h"
#include "libproviders/models.h"

namespace providers::home {

namespace {

using Row = TorvanixProvidersContractsRowModel;
using Table = TorvanixProvidersContractsTableModel;
using Chunk = TextChunk;
using providers::adopt_ref;

}  // namespace

/* What the reading thread and the builders share while one result fills. */
class TableFill::Builders {
 public:
  Builders (std::vector<Column> columns, GTimeZone *zone) : columns_ (std::move (columns)), zone_ (zone) {}

  ~Builders ()
  {
    stop_builders ();
    for (auto &chunk : chunks_)
      for (Row *row : chunk->built)
        g_object_unref (row);
    g_time_zone_unref (zone_);
  }

  Builders (const Builders &) = delete;
  Builders &operator= (const Builders &) = delete;

  TorvanixProvidersContractsDataType data_type (std::size_t column) const { return columns_[column].data_type; }

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
      prepare_value_classes ();
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
    const auto row_adopting = internals ().row_adopting;
    chunk.built.reserve (chunk.rows);
    for (guint r = 0; r < chunk.rows; ++r) {
      const std::size_t first = static_cast<std::size_t> (r) * fields;
      for (std::size_t i = 0; i < fields; ++i) {
        gssize start = chunk.starts[first + i];
        const char *text = start < 0 ? nullptr : chunk.bytes.data () + start;
        values[i] = value_of_cell (columns_[i], text, chunk.lengths[first + i], zone_);
      }
      chunk.built.push_back (row_adopting (values.data (), static_cast<guint> (fields)));
    }
    /* The copied cells are no longer needed: give their memory back now. */
    std::vector<char> ().swap (chunk.bytes);
    std::vector<gssize> ().swap (chunk.starts);
    std::vector<gsize> ().swap (chunk.lengths);
  }

  const std::vector<Column> columns_;
  GTimeZone *const zone_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::unique_ptr<Chunk>> chunks_;
  std::deque<Chunk *> pending_;
  bool reading_ = true;
  std::vector<std::thread> builders_; /* touched by the reading thread only */
};

TableFill::TableFill (std::vector<Column> columns)
    : builders_ (std::make_unique<Builders> (columns, g_time_zone_new_local ())),
      chunk_ (std::make_unique<TextChunk> ()),
      widest_ (columns.size (), 0)
{
  chunk_->starts.reserve (kChunkRows * columns.size ());
  chunk_->lengths.reserve (kChunkRows * columns.size ());
}

TableFill::~TableFill () = default;

void
TableFill::publish ()
{
  const std::size_t fields = widest_.size ();
  /* The next chunk's rows are likely as long as these: room for them up
   * front saves growing the buffer cell by cell. */
  const std::size_t bytes = chunk_->bytes.size ();
  builders_->publish (std::move (chunk_));
  chunk_ = std::make_unique<TextChunk> ();
  chunk_->bytes.reserve (bytes + bytes / 8);
  chunk_->starts.reserve (kChunkRows * fields);
  chunk_->lengths.reserve (kChunkRows * fields);
}

Table *
TableFill::finish (const std::vector<const char *> &names)
{
  if (chunk_->rows > 0)
    builders_->publish (std::move (chunk_));
  std::vector<Row *> rows = builders_->finish ();
  auto model = adopt_ref (torvanix_providers_contracts_table_model_new ());
  GeeArrayList *column_list = torvanix_providers_contracts_table_model_get_columns (model.get ());
  for (std::size_t i = 0; i < widest_.size (); ++i) {
    auto column = adopt_ref (torvanix_providers_contracts_column_model_new_full_size (
        names[i], builders_->data_type (i), static_cast<gulong> (MIN (widest_[i], static_cast<gsize> (G_MAXINT32)))));
    gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (column_list), column.get ());
  }
  internals ().table_adopt_rows (model.get (), rows.data (), static_cast<guint> (rows.size ()));
  return model.release ();
}

}  // namespace providers::home
