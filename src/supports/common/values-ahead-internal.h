/* A reader's values built ahead of it.
 *
 * A caller that takes every row's values (get_values after each read)
 * spends as long building them as dropping them. With the whole result in
 * the client's memory, another core can build the rows ahead of the
 * caller, who then only takes them. The rows it may build ahead are
 * bounded, so a caller that stops reading holds little it did not ask for. */
#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#include "common/gobject-ref.h"
#include "supports/common/text-cells-internal.h"

namespace providers::home {

/* The rows a build-ahead thread walks: a result the client holds whole,
 * read on that thread alone. */
class StoredRows {
 public:
  virtual ~StoredRows () = default;
  /* The cells of the next row, one per column, into `cells`; false past
   * the last row. */
  virtual bool next (Cell *cells) = 0;
};

class ValuesAhead {
 public:
  /* Builds the values of `rows` (the first of them numbered `first_index`)
   * on a thread of its own. */
  ValuesAhead (const std::vector<Column> &columns, GTimeZone *local_zone, std::unique_ptr<StoredRows> rows,
               guint64 first_index);

  ValuesAhead (const ValuesAhead &) = delete;
  ValuesAhead &operator= (const ValuesAhead &) = delete;

  enum class Taken {
    kYes,       /* `out` holds the row's values */
    kBuildHere, /* the caller builds this row (asked twice, or past the end) */
    kTooFar,    /* the caller skipped beyond what is being built: stop building ahead */
  };

  /* Moves the values of row `index` into `out` (one per column). Rows
   * before `index` that no one took are dropped. Waits only for the batch
   * being built now. */
  Taken take (guint64 index, TorvanixProvidersContractsIValue **out);

 private:
  /* Rows x columns values, one reference each; null once taken. */
  struct Batch {
    Batch () = default;
    Batch (Batch &&) noexcept = default; /* leaves the source empty */
    Batch &operator= (Batch &&) = delete; /* would lose the target's values */
    ~Batch ();

    guint64 first_index = 0;
    guint rows = 0;
    std::vector<TorvanixProvidersContractsIValue *> values;
  };

  void run (std::stop_token stop, guint64 first_index);

  /* Destroyed in the reverse order of these lines: the thread is stopped
   * and joined first, then the rows it left are dropped. */
  const std::vector<Column> columns_;
  const providers::GUnique<GTimeZone> zone_;
  const std::unique_ptr<StoredRows> rows_;
  std::mutex mutex_;
  std::condition_variable_any changed_;
  std::deque<Batch> ready_;
  guint64 building_from_; /* the first row of the batch being built */
  bool finished_ = false;
  std::jthread worker_;
};

}  // namespace providers::home
