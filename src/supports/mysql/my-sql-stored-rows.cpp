/* A stored result's rows, walked from one row on by the build-ahead
 * thread. The client library keeps them as a list of rows whose cells lie
 * back to back. */
#include "supports/mysql/my-sql-stored-rows-private.h"

#include <vector>

namespace providers::mysql {

namespace {

/* The byte length of each cell of a row the client library stored: a
 * stored row's cells lie back to back, each followed by a zero byte, and
 * one pointer past the last cell marks the end of the row (the same
 * reckoning mysql_fetch_lengths makes for the current row). */
void
stored_lengths (MYSQL_ROW row, std::size_t fields, std::vector<gsize> &lengths)
{
  const char *start = nullptr;
  gsize *previous = nullptr;
  for (std::size_t i = 0; i <= fields; ++i) {
    if (row[i] == nullptr) {
      lengths[i] = 0;
      continue;
    }
    if (start != nullptr)
      *previous = static_cast<gsize> (row[i] - start - 1);
    start = row[i];
    previous = &lengths[i];
  }
}


class StoredMySQLRows final : public providers::home::StoredRows {
 public:
  StoredMySQLRows (MYSQL_ROWS *first, std::size_t fields) : node_ (first), fields_ (fields), lengths_ (fields + 1) {}

  bool next (providers::home::Cell *cells) override
  {
    if (node_ == nullptr)
      return false;
    stored_lengths (node_->data, fields_, lengths_);
    for (std::size_t i = 0; i < fields_; ++i)
      cells[i] = {node_->data[i], lengths_[i]};
    node_ = node_->next;
    return true;
  }

 private:
  MYSQL_ROWS *node_;
  const std::size_t fields_;
  std::vector<gsize> lengths_;
};

}  // namespace

std::unique_ptr<providers::home::StoredRows>
stored_rows_from (MYSQL_ROWS *first, std::size_t fields)
{
  return std::make_unique<StoredMySQLRows> (first, fields);
}

}  // namespace providers::mysql
