/* The settings file on disk: reading it whole under a size bound and
 * parsing it under a nesting bound, and writing it for its owner only
 * through a temporary file. The file holds every password in plain text,
 * so no error message here quotes its content. */
#include "contracts/settings/settings-file-private.h"

#include "common/gobject-ref.h"
#include "libproviders/settings/server-setting.h"

#include <glib/gi18n-lib.h>
#include <glib/gstdio.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

namespace {

using providers::GRef;

/* Far beyond the eight levels of a real settings file, and well inside the
 * stack that json-glib's recursive parser needs per level. */
constexpr guint kMaxNesting = 512;

/* About 40,000 ordinary profiles, loaded in a few seconds; json-glib's tree
 * takes some three times the file's size. A larger file is refused unread
 * rather than block the caller and fill its memory. */
constexpr gsize kMaxFileSize = TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_MAX_FILE_SIZE;

/* Symbolic links followed before save gives up, as the kernel's own limit. */
constexpr int kMaxLinks = 40;

/* Reading the file ----------------------------------------------------------- */

void
set_file_error (GError **error, int saved_errno, const char *format, const gchar *filename)
{
  providers::GUnique<gchar> display (g_filename_display_name (filename));
  providers::GUnique<gchar> what (g_strdup_printf (format, display.get ()));
  g_set_error (error, G_FILE_ERROR, g_file_error_from_errno (saved_errno), "%s: %s", what.get (), g_strerror (saved_errno));
}

struct FdCloser {
  int fd;
  ~FdCloser () { if (fd >= 0) close (fd); }
};

void
set_too_large_error (GError **error, const gchar *filename)
{
  providers::GUnique<gchar> display (g_filename_display_name (filename));
  g_set_error (error, TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR, TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_TOO_LARGE,
               _("Settings file “%s” is larger than %u MiB."), display.get (),
               static_cast<guint> (kMaxFileSize >> 20));
}

/* Reads a regular file whole. Opening does not block, and anything but a
 * regular file (a directory, a pipe without writer, a device) is refused
 * rather than read, so a misplaced path cannot hang the caller; so is a
 * file above the size bound, also one that grows past it while read. */
GString *
read_regular_file (const gchar *filename, GError **error)
{
  FdCloser file {g_open (filename, O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0)};
  if (file.fd < 0) {
    set_file_error (error, errno, "Failed to open file “%s”", filename);
    return nullptr;
  }
  struct stat info;
  if (fstat (file.fd, &info) != 0) {
    set_file_error (error, errno, "Failed to get attributes of file “%s”", filename);
    return nullptr;
  }
  if (S_ISDIR (info.st_mode)) {
    set_file_error (error, EISDIR, "Failed to read from file “%s”", filename);
    return nullptr;
  }
  if (!S_ISREG (info.st_mode)) {
    providers::GUnique<gchar> display (g_filename_display_name (filename));
    g_set_error (error, G_FILE_ERROR, G_FILE_ERROR_INVAL, "Failed to read from file “%s”: not a regular file",
                 display.get ());
    return nullptr;
  }
  if (static_cast<guint64> (info.st_size) > kMaxFileSize) {
    set_too_large_error (error, filename);
    return nullptr;
  }
  /* The size is a hint only: the file may change while it is read. */
  providers::GUnique<GString> contents (g_string_sized_new (static_cast<gsize> (info.st_size) + 1));
  char chunk[16384];
  for (;;) {
    ssize_t got = read (file.fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      set_file_error (error, errno, "Failed to read from file “%s”", filename);
      return nullptr;
    }
    if (got == 0) break;
    if (contents->len + static_cast<gsize> (got) > kMaxFileSize) {
      set_too_large_error (error, filename);
      return nullptr;
    }
    g_string_append_len (contents.get (), chunk, got);
  }
  return contents.release ();
}

/* json-glib parses recursively and has no depth limit of its own, so a file
 * of nested brackets would exhaust the stack. Its own array-start and
 * object-start signals say how deep it is, whatever comments or quoted
 * texts hide the brackets from any other scan. Past the bound the watch
 * blanks the text: json-glib reads it in place, so the next token it scans
 * is the end of the input, and the parse fails at once, a level or two
 * deeper at most. */
class DepthWatch {
 public:
  DepthWatch (JsonParser *parser, GString *text, guint limit) : parser_ (parser), text_ (text), limit_ (limit)
  {
    g_signal_connect_swapped (parser, "array-start", G_CALLBACK (enter), this);
    g_signal_connect_swapped (parser, "object-start", G_CALLBACK (enter), this);
    g_signal_connect_swapped (parser, "array-end", G_CALLBACK (leave), this);
    g_signal_connect_swapped (parser, "object-end", G_CALLBACK (leave), this);
  }
  ~DepthWatch () { g_signal_handlers_disconnect_by_data (parser_, this); }
  DepthWatch (const DepthWatch &) = delete;
  DepthWatch &operator= (const DepthWatch &) = delete;

  bool exceeded () const { return exceeded_; }

 private:
  static void enter (DepthWatch *self)
  {
    if (++self->depth_ <= self->limit_ || self->exceeded_) return;
    self->exceeded_ = true;
    std::memset (self->text_->str, 0, self->text_->len);
  }
  static void leave (DepthWatch *self) { --self->depth_; }

  JsonParser *parser_;
  GString *text_;
  guint limit_;
  guint depth_ = 0;
  bool exceeded_ = false;
};

/* What went wrong, by json-glib's error code, in words of our own: the
 * parser's own message quotes the token it stumbled on, which may be a
 * password. */
const char *
parse_problem (gint code)
{
  switch (code) {
    case JSON_PARSER_ERROR_TRAILING_COMMA: return "trailing comma";
    case JSON_PARSER_ERROR_MISSING_COMMA: return "missing comma";
    case JSON_PARSER_ERROR_MISSING_COLON: return "missing colon";
    case JSON_PARSER_ERROR_INVALID_BAREWORD: return "unquoted word where a value belongs";
    case JSON_PARSER_ERROR_EMPTY_MEMBER_NAME: return "empty member name";
    case JSON_PARSER_ERROR_INVALID_DATA: return "the file is not UTF-8 text";
    default: return "not valid JSON";
  }
}

/* Rewrites a parse error as "<file>:<line>:<column>: Parse error: <problem>",
 * keeping its domain and code; the position comes from json-glib's
 * "<data>:<line>:<column>: " prefix, and is left out when there is none. */
void
name_parse_error (GError *parse_error, const gchar *filename)
{
  providers::GUnique<gchar> display (g_filename_display_name (filename));
  unsigned line = 0, column = 0;
  int consumed = 0;
  const bool positioned = sscanf (parse_error->message, "<data>:%u:%u:%n", &line, &column, &consumed) == 2 && consumed > 0;
  gchar *named = positioned ? g_strdup_printf ("%s:%u:%u: Parse error: %s", display.get (), line, column,
                                               parse_problem (parse_error->code))
                            : g_strdup_printf ("%s: Parse error: %s", display.get (), parse_problem (parse_error->code));
  g_free (std::exchange (parse_error->message, named));
}

/* `text` with each sequence that is not UTF-8 replaced by U+FFFD. The bad
 * text of a parsed file is a lone surrogate escape ("\ud800"), which
 * json-glib writes as the three bytes of its code point: those become one
 * replacement, as the escape was one character. */
std::string
replace_invalid (const gchar *text)
{
  std::string valid;
  const gchar *rest = text;
  const gchar *bad = nullptr;
  while (!g_utf8_validate (rest, -1, &bad)) {
    valid.append (rest, bad);
    valid += "\xEF\xBF\xBD"; /* U+FFFD */
    const auto *byte = reinterpret_cast<const guchar *> (bad);
    const bool surrogate = byte[0] == 0xED && (byte[1] & 0xE0) == 0xA0 && (byte[2] & 0xC0) == 0x80;
    rest = bad + (surrogate ? 3 : 1);
  }
  valid += rest;
  return valid;
}

/* Makes every text of the tree valid UTF-8, so that no property holds
 * text that callers cannot read and save refuses, and logs the member
 * that held it (never the text, which may be a password). `path` names
 * `node` as "servers[0].host". */
void
repair_texts (JsonNode *node, std::string &path, const gchar *display)
{
  const size_t mark = path.size ();
  switch (JSON_NODE_TYPE (node)) {
    case JSON_NODE_OBJECT: {
      JsonObjectIter iter;
      const gchar *name;
      JsonNode *member;
      json_object_iter_init (&iter, json_node_get_object (node));
      while (json_object_iter_next (&iter, &name, &member)) {
        if (mark > 0) path += '.';
        path += g_utf8_validate (name, -1, nullptr) ? std::string (name) : replace_invalid (name);
        repair_texts (member, path, display);
        path.resize (mark);
      }
      break;
    }
    case JSON_NODE_ARRAY: {
      JsonArray *array = json_node_get_array (node);
      const guint length = json_array_get_length (array);
      for (guint i = 0; i < length; ++i) {
        path += '[' + std::to_string (i) + ']';
        repair_texts (json_array_get_element (array, i), path, display);
        path.resize (mark);
      }
      break;
    }
    case JSON_NODE_VALUE: {
      if (json_node_get_value_type (node) != G_TYPE_STRING) break;
      const gchar *text = json_node_get_string (node);
      if (g_utf8_validate (text, -1, nullptr)) break;
      json_node_set_string (node, replace_invalid (text).c_str ());
      g_warning ("Settings file “%s”: the text of %s is not valid UTF-8; each bad sequence is replaced by U+FFFD",
                 display, path.c_str ());
      break;
    }
    case JSON_NODE_NULL:
      break;
  }
}

/* Writing the file ----------------------------------------------------------- */

/* The file a save replaces: `filename` with every symbolic link on its last
 * component followed, so that the new content goes to the link's target
 * and the link stays a link. A link to nothing names the file to create. */
providers::GUnique<gchar>
save_target (const gchar *filename, GError **error)
{
  providers::GUnique<gchar> path (g_strdup (filename));
  for (int links = 0;; ++links) {
    GStatBuf info;
    if (g_lstat (path.get (), &info) != 0 || !S_ISLNK (info.st_mode)) return path;
    if (links == kMaxLinks) {
      set_file_error (error, ELOOP, "Failed to create file “%s”", filename);
      return nullptr;
    }
    GError *link_error = nullptr;
    providers::GUnique<gchar> target (g_file_read_link (path.get (), &link_error));
    if (!target) {
      g_propagate_error (error, link_error);
      return nullptr;
    }
    if (!g_path_is_absolute (target.get ())) {
      providers::GUnique<gchar> directory (g_path_get_dirname (path.get ()));
      target.reset (g_build_filename (directory.get (), target.get (), nullptr));
    }
    path = std::move (target);
  }
}

}  // namespace

namespace providers::settings {

GRef<JsonParser>
parse_file (const gchar *filename, GError **error)
{
  providers::GUnique<GString> data (read_regular_file (filename, error));
  if (!data) return nullptr;
  auto parser = providers::adopt_ref (json_parser_new ());
  GError *parse_error = nullptr;
  bool parsed = false, too_deep = false;
  {
    DepthWatch watch (parser.get (), data.get (), kMaxNesting);
    parsed = json_parser_load_from_data (parser.get (), data->str, static_cast<gssize> (data->len), &parse_error);
    too_deep = watch.exceeded ();
  }
  if (too_deep) {
    g_clear_error (&parse_error);
    providers::GUnique<gchar> display (g_filename_display_name (filename));
    g_set_error (error, JSON_PARSER_ERROR, JSON_PARSER_ERROR_PARSE, "%s: Parse error: nested deeper than %u levels",
                 display.get (), kMaxNesting);
    return nullptr;
  }
  if (!parsed) {
    name_parse_error (parse_error, filename);
    g_propagate_error (error, parse_error);
    return nullptr;
  }
  if (JsonNode *root = json_parser_get_root (parser.get ())) {
    providers::GUnique<gchar> display (g_filename_display_name (filename));
    std::string path;
    repair_texts (root, path, display.get ());
  }
  return parser;
}

bool
save_file (const gchar *filename, GObject *object, GError **error)
{
  if (*filename == '\0') {
    /* What the file system answers for an empty path, without leaving a
     * temporary file in the working directory on the way. */
    set_file_error (error, ENOENT, "Failed to create file “%s”", filename);
    return false;
  }

  JsonNode *root = json_gobject_serialize (object);
  auto generator = providers::adopt_ref (json_generator_new ());
  json_generator_set_pretty (generator.get (), TRUE);
  json_generator_set_indent (generator.get (), 2);
  json_generator_set_indent_char (generator.get (), ' ');
  json_generator_set_root (generator.get (), root);
  json_node_unref (root);
  gsize length = 0;
  providers::GUnique<gchar> data (json_generator_to_data (generator.get (), &length));
  /* The reader refuses a document that is not UTF-8, so writing one (from a
   * password typed in another encoding, say) would lose every profile at
   * the next load: keep the previous file instead. */
  if (!g_utf8_validate_len (data.get (), length, nullptr)) {
    providers::GUnique<gchar> display (g_filename_display_name (filename));
    g_set_error (error, G_IO_ERROR, G_IO_ERROR_INVALID_DATA,
                 "Failed to save “%s”: a setting holds text that is not valid UTF-8", display.get ());
    return false;
  }

  /* A temporary file beside the target, renamed over it once complete; the
   * passwords inside make it the owner's alone. */
  providers::GUnique<gchar> target = save_target (filename, error);
  if (!target) return false;
  GError *write_error = nullptr;
  if (g_file_set_contents_full (target.get (), data.get (), static_cast<gssize> (length), G_FILE_SET_CONTENTS_CONSISTENT,
                                0600, &write_error))
    return true;
  if (write_error) g_propagate_error (error, write_error);
  else g_set_error_literal (error, G_IO_ERROR, G_IO_ERROR_FAILED,
                            providers::GUnique<gchar> (g_filename_display_name (filename)).get ());
  return false;
}

}  // namespace providers::settings
