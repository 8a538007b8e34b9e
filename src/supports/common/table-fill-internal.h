/* A result's text cells turned into a table while they arrive.
 *
 * The thread that reads the result copies each row's cells, a chunk at a
 * time, into buffers of its own (a client library may reuse its buffer
 * row by row). Builders on the other cores turn full chunks into rows of
 * values meanwhile; the reading thread builds too once the last row is in,
 * and the rows go into the table in the order they were added. A result
 * of a chunk or two never leaves the reading thread.
 *
 * Column sizes are the widest cell of each column, which is what a result
 * read whole into the client reports. */
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "libproviders/models/table-model.h"
#include "supports/common/text-cells-internal.h"

namespace providers::home {

/* Rows copied out of the client library's buffer. */
struct TextChunk {
  std::vector<char> bytes;    /* every cell's bytes, each followed by a zero byte */
  std::vector<gssize> starts; /* per cell, its offset in `bytes`; -1 for SQL NULL */
  std::vector<gsize> lengths; /* per cell, its byte length */
  guint rows = 0;
  std::vector<TorvanixProvidersContractsRowModel *> built; /* the rows, once built */
};

class TableFill {
 public:
  /* A fill of rows of `columns`, dates and times in the local zone. */
  explicit TableFill (std::vector<Column> columns);
  /* Without finish: the builders are joined and every row is dropped
   * (the result broke off, so what arrived is not the result). */
  ~TableFill ();
  TableFill (const TableFill &) = delete;
  TableFill &operator= (const TableFill &) = delete;

  /* The next cell of the row being added, one per column in order: its
   * `length` bytes (copied), or SQL NULL for a null `text`. */
  void add_cell (const char *text, gsize length)
  {
    const std::size_t column = cells_in_row_++;
    widest_[column] = std::max (widest_[column], length);
    if (text == nullptr) {
      chunk_->starts.push_back (-1);
      chunk_->lengths.push_back (0);
      return;
    }
    chunk_->starts.push_back (static_cast<gssize> (chunk_->bytes.size ()));
    chunk_->lengths.push_back (length);
    chunk_->bytes.insert (chunk_->bytes.end (), text, text + length);
    chunk_->bytes.push_back ('\0');
  }

  /* Ends the row whose cells were added. */
  void end_row ()
  {
    cells_in_row_ = 0;
    if (++chunk_->rows == kChunkRows)
      publish ();
  }

  /* Builds what is left, waits for the builders and answers the table of
   * every row, its columns named `names` (one per column). */
  TorvanixProvidersContractsTableModel *finish (const std::vector<const char *> &names);

 private:
  /* Enough rows to make handing a chunk to another thread worth its cost,
   * few enough that the first builder starts early. */
  static constexpr guint kChunkRows = 512;

  void publish ();

  class Builders;
  const std::unique_ptr<Builders> builders_;
  std::unique_ptr<TextChunk> chunk_;
  std::vector<gsize> widest_;
  std::size_t cells_in_row_ = 0;
};

}  // namespace providers::home
