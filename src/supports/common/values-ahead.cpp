/* The build-ahead thread: batches of a stored result's values, built
 * before the reader's caller asks for them. */
#include "supports/common/values-ahead-internal.h"

#include "libproviders/values.h"

#include <pthread.h>

#include <algorithm>

namespace providers::home {

namespace {

using IValue = TorvanixProvidersContractsIValue;

/* Rows handed over at a time, and batches built before the caller takes
 * them: enough to keep the builder busy, few enough to stay small. */
constexpr guint kBatchRows = 256;
constexpr std::size_t kBatchesAhead = 4;

}  // namespace

ValuesAhead::ValuesAhead (const std::vector<Column> &columns, GTimeZone *local_zone, std::unique_ptr<StoredRows> rows,
                          guint64 first_index)
    : columns_ (columns), zone_ (g_time_zone_ref (local_zone)), rows_ (std::move (rows)), building_from_ (first_index)
{
  prepare_value_classes ();
  worker_ = std::jthread ([this, first_index] (std::stop_token stop) { run (stop, first_index); });
  /* Named for debuggers and top (the kernel keeps 15 characters). */
  pthread_setname_np (worker_.native_handle (), "providers-ahead");
}

ValuesAhead::Batch::~Batch ()
{
  for (IValue *value : values)
    if (value != nullptr)
      g_object_unref (value);
}

void
ValuesAhead::run (std::stop_token stop, guint64 index)
{
  const std::size_t fields = columns_.size ();
  std::vector<Cell> cells (fields);
  bool more = rows_->next (cells.data ());
  while (more) {
    Batch batch;
    batch.first_index = index;
    batch.values.reserve (kBatchRows * fields);
    for (; more && batch.rows < kBatchRows; more = rows_->next (cells.data ()), ++batch.rows, ++index) {
      for (std::size_t i = 0; i < fields; ++i)
        batch.values.push_back (value_of_cell (columns_[i], cells[i].text, cells[i].length, zone_.get ()));
    }
    std::unique_lock<std::mutex> lock (mutex_);
    /* A stop wakes the wait; the batch is dropped once the lock is gone. */
    if (!changed_.wait (lock, stop, [this] { return ready_.size () < kBatchesAhead; })) {
      lock.unlock ();
      return;
    }
    building_from_ = batch.first_index + batch.rows;
    ready_.push_back (std::move (batch));
    changed_.notify_all ();
  }
  std::lock_guard<std::mutex> guard (mutex_);
  finished_ = true;
  changed_.notify_all ();
}

ValuesAhead::Taken
ValuesAhead::take (guint64 index, IValue **out)
{
  const std::size_t fields = columns_.size ();
  std::deque<Batch> passed;
  Taken taken = Taken::kBuildHere;
  {
    std::unique_lock<std::mutex> lock (mutex_);
    for (;;) {
      while (!ready_.empty () && ready_.front ().first_index + ready_.front ().rows <= index) {
        passed.push_back (std::move (ready_.front ()));
        ready_.pop_front ();
        changed_.notify_all ();
      }
      if (!ready_.empty () || finished_)
        break;
      /* Waiting pays only for the batch in the making. */
      if (index >= building_from_ + kBatchRows) {
        taken = Taken::kTooFar;
        break;
      }
      changed_.wait (lock);
    }
    if (!ready_.empty () && ready_.front ().first_index <= index) {
      Batch &batch = ready_.front ();
      IValue **row = batch.values.data () + (index - batch.first_index) * fields;
      if (row[0] != nullptr) {
        std::copy (row, row + fields, out);
        std::fill (row, row + fields, nullptr);
        taken = Taken::kYes;
      }
    }
  }
  /* Dropping values costs more than building them: `passed` goes after
   * the lock. */
  return taken;
}

}  // namespace providers::home
