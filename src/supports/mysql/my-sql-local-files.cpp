/* LOAD DATA LOCAL: the name a statement gives its file, read as the server
 * reads it, and the handler that sends that file and no other. */
#include "supports/mysql/my-sql-local-files-private.h"

#include <errmsg.h>
#include <glib.h>
#include <glib/gstdio.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace providers::mysql {

namespace {

bool
is_space (char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

/* White space and comments: / * ... * /, # to the end of the line, and
 * "--" followed by a space or control character to the end of the line.
 * An executable comment (/ *! ... * /) is skipped too, so a statement in
 * one names no file. */
const char *
skip_blank (const char *p)
{
  for (;;) {
    if (is_space (*p)) {
      ++p;
    } else if (p[0] == '/' && p[1] == '*') {
      const char *end = std::strstr (p + 2, "*/");
      if (end == nullptr)
        return p + std::strlen (p);
      p = end + 2;
    } else if (*p == '#' || (p[0] == '-' && p[1] == '-' && static_cast<unsigned char> (p[2]) <= ' ')) {
      while (*p != '\0' && *p != '\n')
        ++p;
    } else {
      return p;
    }
  }
}

bool
is_word_char (char c)
{
  return g_ascii_isalnum (c) || c == '_' || c == '$' || (static_cast<unsigned char> (c) & 0x80) != 0;
}

/* The keyword at p, in any case and ending there, then what is blank. */
bool
keyword (const char *&p, const char *word)
{
  std::size_t n = std::strlen (word);
  if (g_ascii_strncasecmp (p, word, n) != 0 || is_word_char (p[n]))
    return false;
  p = skip_blank (p + n);
  return true;
}

/* One string literal at p, its quote doubled or escaped inside. */
bool
literal (const char *&p, bool backslash_escapes, std::string &out)
{
  char quote = *p;
  if (quote != '\'' && quote != '"')
    return false;
  for (++p; *p != '\0'; ++p) {
    if (*p == quote) {
      if (p[1] != quote) {
        ++p;
        return true;
      }
      out += quote;
      ++p;
    } else if (*p == '\\' && backslash_escapes && p[1] != '\0') {
      switch (*++p) {
        case '0': out += '\0'; break;
        case 'b': out += '\b'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'Z': out += '\032'; break;
        /* Kept as written, for the patterns of LIKE. */
        case '%': out += "\\%"; break;
        case '_': out += "\\_"; break;
        default: out += *p; break;
      }
    } else {
      out += *p;
    }
  }
  return false; /* unterminated: the server refuses the statement */
}

/* A file name as an error shows it: valid UTF-8, at most 200 bytes. */
std::string
shown (const char *name)
{
  std::unique_ptr<gchar, decltype (&g_free)> valid (g_utf8_make_valid (name, -1), g_free);
  const gchar *text = valid.get ();
  std::size_t length = std::strlen (text);
  if (length <= 200)
    return text;
  return std::string (text, static_cast<std::size_t> (g_utf8_find_prev_char (text, text + 201) - text)) + "…";
}

/* One file request: the file being sent, or none. */
struct Transfer {
  LocalFiles *files;
  std::string name;
  std::FILE *file = nullptr;

  void fail (int code, std::string message) { files->failure = LocalFiles::Failure{code, std::move (message)}; }
};

int
transfer_init (void **state, const char *requested, void *userdata) noexcept
try {
  auto *transfer = new Transfer{static_cast<LocalFiles *> (userdata), requested};
  *state = transfer;
  const auto &named = transfer->files->named;
  if (!named)
    transfer->fail (-1, "The server asked for the file \"" + shown (requested)
                            + "\", but only a LOAD DATA or LOAD XML that begins the text may send a file:"
                              " nothing was sent.");
  else if (*named != requested)
    transfer->fail (-1, "The server asked for the file \"" + shown (requested) + "\", but the statement names \""
                            + shown (named->c_str ()) + "\": nothing was sent.");
  else if ((transfer->file = g_fopen (requested, "rb")) == nullptr) {
    std::string reason = g_strerror (errno);
    transfer->fail (CR_FILE_NOT_FOUND, "The file \"" + shown (requested) + "\" cannot be opened: " + reason + ".");
  }
  return 0;
} catch (...) {
  /* Out of memory: the client library's own failure, with nothing sent. */
  *state = nullptr;
  return 1;
}

int
transfer_read (void *state, char *buffer, unsigned int size) noexcept
try {
  auto *transfer = static_cast<Transfer *> (state);
  if (transfer->file == nullptr)
    return 0;
  std::size_t n = std::fread (buffer, 1, size, transfer->file);
  if (n < size && std::ferror (transfer->file)) {
    std::string reason = g_strerror (errno);
    transfer->fail (CR_FILE_READ, "The file \"" + shown (transfer->name.c_str ()) + "\" cannot be read: " + reason + ".");
    return 0;
  }
  return static_cast<int> (n);
} catch (...) {
  return -1;
}

void
transfer_end (void *state) noexcept
{
  auto *transfer = static_cast<Transfer *> (state);
  if (transfer != nullptr && transfer->file != nullptr)
    std::fclose (transfer->file);
  delete transfer;
}

/* Asked only when memory ran out: the handler does not fail otherwise. */
int
transfer_error (void *, char *buffer, unsigned int size) noexcept
{
  g_strlcpy (buffer, "The file could not be sent.", size);
  return CR_UNKNOWN_ERROR;
}

}  // namespace

std::optional<std::string>
local_file_named (const char *text, bool backslash_escapes)
{
  const char *p = skip_blank (text);
  if (!keyword (p, "LOAD") || !(keyword (p, "DATA") || keyword (p, "XML")))
    return std::nullopt;
  if (!keyword (p, "LOW_PRIORITY"))
    keyword (p, "CONCURRENT");
  if (!keyword (p, "LOCAL") || !keyword (p, "INFILE"))
    return std::nullopt;
  /* One literal: the server takes no adjacent ones for a file name. */
  std::string name;
  if (!literal (p, backslash_escapes, name))
    return std::nullopt;
  return name;
}

bool
backslash_escapes (MYSQL *connection)
{
  unsigned int status = 0;
  mariadb_get_infov (connection, MARIADB_CONNECTION_SERVER_STATUS, &status);
  return (status & SERVER_STATUS_NO_BACKSLASH_ESCAPES) == 0;
}

void
guard_local_files (MYSQL *connection, LocalFiles *files)
{
  mysql_set_local_infile_handler (connection, transfer_init, transfer_read, transfer_end, transfer_error, files);
  /* Every request reaches the handler, which decides by the statement. */
  unsigned int always = 1;
  mysql_options (connection, MYSQL_OPT_LOCAL_INFILE, &always);
}

}  // namespace providers::mysql
