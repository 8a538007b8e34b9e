/* A stored result set built in memory, laid out as the client library lays
 * out one that mysql_store_result fetched: rows of cells in one block, each
 * cell followed by a zero byte, and one pointer past the last cell, from
 * which mysql_fetch_lengths derives the lengths. It lets a MySQLReader read
 * any cell bytes without a server. Never pass it to mysql_free_result. */
#pragma once

#include <mysql.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace providers::testing {

class FakeMySQLResult {
 public:
  struct Column {
    std::string name;
    enum enum_field_types type;
    unsigned int flags = 0;
    unsigned int charsetnr = 33; /* utf8; 63 is binary */
    unsigned int decimals = 0;
  };
  /* A cell is its bytes, or nothing for an SQL NULL. */
  using Row = std::vector<std::optional<std::string>>;

  FakeMySQLResult (std::vector<Column> columns, const std::vector<Row> &rows) : columns_ (std::move (columns))
  {
    const size_t n = columns_.size ();
    fields_.resize (n);
    for (size_t c = 0; c < n; ++c) {
      MYSQL_FIELD &f = fields_[c];
      std::memset (&f, 0, sizeof f);
      f.name = const_cast<char *> (columns_[c].name.c_str ());
      f.name_length = static_cast<unsigned int> (columns_[c].name.size ());
      f.type = columns_[c].type;
      f.flags = columns_[c].flags;
      f.charsetnr = columns_[c].charsetnr;
      f.decimals = columns_[c].decimals;
    }
    blocks_.reserve (rows.size ());
    pointers_.resize (rows.size ());
    for (size_t r = 0; r < rows.size (); ++r) {
      std::string block;
      std::vector<size_t> offsets (n + 1, std::string::npos);
      for (size_t c = 0; c < n; ++c) {
        if (c >= rows[r].size () || !rows[r][c]) continue;
        offsets[c] = block.size ();
        block += *rows[r][c];
        block += '\0';
        fields_[c].max_length = std::max<unsigned long> (fields_[c].max_length, rows[r][c]->size ());
      }
      offsets[n] = block.size ();
      /* Exactly the block's size, so a read past the last cell shows. */
      blocks_.emplace_back (new char[block.size () + 1]);
      std::memcpy (blocks_.back ().get (), block.data (), block.size () + 1);
      pointers_[r].resize (n + 1);
      for (size_t c = 0; c <= n; ++c)
        pointers_[r][c] = offsets[c] == std::string::npos ? nullptr : blocks_.back ().get () + offsets[c];
    }
    rows_.resize (rows.size ());
    for (size_t r = 0; r < rows.size (); ++r) {
      std::memset (&rows_[r], 0, sizeof rows_[r]);
      rows_[r].data = pointers_[r].data ();
      rows_[r].next = r + 1 < rows.size () ? &rows_[r + 1] : nullptr;
    }
    lengths_.assign (n + 1, 0);
    std::memset (&data_, 0, sizeof data_);
    data_.data = rows_.empty () ? nullptr : rows_.data ();
    data_.rows = rows.size ();
    data_.fields = static_cast<unsigned int> (n);
    std::memset (&result_, 0, sizeof result_);
    result_.row_count = rows.size ();
    result_.field_count = static_cast<unsigned int> (n);
    result_.fields = fields_.data ();
    result_.data = &data_;
    result_.data_cursor = data_.data;
    result_.lengths = lengths_.data ();
    result_.eof = 1;
  }
  FakeMySQLResult (const FakeMySQLResult &) = delete;
  FakeMySQLResult &operator= (const FakeMySQLResult &) = delete;

  MYSQL_RES *get () { return &result_; }

 private:
  std::vector<Column> columns_;
  std::vector<MYSQL_FIELD> fields_;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::vector<std::vector<char *>> pointers_;
  std::vector<MYSQL_ROWS> rows_;
  std::vector<unsigned long> lengths_;
  MYSQL_DATA data_;
  MYSQL_RES result_;
};

}  // namespace providers::testing
