/* A reader's whole-row get_values over a result the client holds whole:
 * the current row's values from the build-ahead thread when it has built
 * them, else built here. The first call on a long result starts the
 * thread, since a caller taking one row's values will likely take every
 * later row's; a caller that skips rows stops it. */
#pragma once

#include <memory>
#include <system_error>
#include <vector>

#include "common/boundary.h"
#include "contracts/internals-private.h"
#include "supports/common/text-cells-internal.h"
#include "supports/common/values-ahead-internal.h"

namespace providers::home {

class RowValues {
 public:
  /* Building ahead pays from a few thousand rows on; it needs the whole
   * result in memory, and a core to spare. */
  static constexpr guint64 kRowsWorthBuildingAhead = 4096;

  /* The values of the current row as get_values answers them: a new
   * array of one value per column and a null, `length` set to the number
   * of columns; without a current row every value is null. A row wider
   * than the 16-bit ordinals reach is an error, as in the interface's own
   * get_values. `cell_at (i)` answers the current row's cell in column
   * `i`, `index` numbers the current row from 0, `rows_left` counts the
   * stored rows after it (0 when the result is not in memory), and
   * `rest ()` makes those rows, from the next one on, for the thread (null
   * when there are none). */
  template <typename CellAt, typename Rest>
  TorvanixProvidersContractsIValue **row (const std::vector<Column> &columns, GTimeZone *zone, bool has_row,
                                          guint64 index, CellAt &&cell_at, guint64 rows_left, Rest &&rest,
                                          gint *length, GError **error)
  {
    const guint count = static_cast<guint> (columns.size ());
    if (length)
      *length = 0;
    if (count > G_MAXUINT16 + 1u) {
      internals ().set_column_out_of_reach (error, G_MAXUINT16 + 1);
      return nullptr;
    }
    auto **values = g_new (TorvanixProvidersContractsIValue *, count + 1);
    values[count] = nullptr;
    if (length)
      *length = static_cast<gint> (count);
    if (has_row && ahead_) {
      switch (ahead_->take (index, values)) {
        case ValuesAhead::Taken::kYes:
          return values;
        case ValuesAhead::Taken::kTooFar:
          /* A caller that skips rows gains nothing from building ahead. */
          ahead_.reset ();
          break;
        case ValuesAhead::Taken::kBuildHere:
          break;
      }
    }
    if (has_row && !tried_) {
      tried_ = true;
      PROVIDERS_GUARDED (false, {
        try {
          if (rows_left >= kRowsWorthBuildingAhead && g_get_num_processors () >= 2)
            if (std::unique_ptr<StoredRows> later = rest ())
              ahead_ = std::make_unique<ValuesAhead> (columns, zone, std::move (later), index + 1);
        } catch (const std::system_error &) {
          /* No thread to spare: the rows are built here, as for short results. */
        }
        return true;
      });
    }
    for (guint i = 0; i < count; ++i) {
      const Cell cell = cell_at (i);
      values[i] = value_of_cell (columns[i], cell.text, cell.length, zone);
    }
    return values;
  }

  /* Stops and joins the build-ahead thread: the reader is closing, or
   * went past its last row. */
  void stop () noexcept { ahead_.reset (); }

 private:
  bool tried_ = false;
  /* Walks the result's rows until it is destroyed. */
  std::unique_ptr<ValuesAhead> ahead_;
};

}  // namespace providers::home
