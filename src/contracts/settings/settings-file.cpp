/* The settings file on disk: reading it whole under a size and nesting
 * bound before json-glib parses it, and writing it for its owner only
 * through a temporary file. The file holds every password in plain text,
 * so no error message here quotes its content. */
#include "contracts/settings/settings-file.h"

#include "common/gobject-ref.h"
#include "libproviders/settings/server-setting.h"

#include <glib/gi18n-lib.h>
#include <glib/gstdio.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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
 * of nested brackets would exhaust the stack: count the depth first. */
bool
nesting_within (const GString *data, guint limit)
{
  guint depth = 0;
  bool in_string = false;
  for (gsize i = 0; i < data->len; ++i) {
    char c = data->str[i];
    if (in_string) {
      if (c == '\\') ++i;
      else if (c == '"') in_string = false;
    } else if (c == '"') {
      in_string = true;
    } else if (c == '[' || c == '{') {
      if (++depth > limit) return false;
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return true;
}

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
  if (!nesting_within (data.get (), kMaxNesting)) {
    providers::GUnique<gchar> display (g_filename_display_name (filename));
    g_set_error (error, JSON_PARSER_ERROR, JSON_PARSER_ERROR_PARSE, "%s: Parse error: nested deeper than %u levels",
                 display.get (), kMaxNesting);
    return nullptr;
  }
  auto parser = providers::adopt_ref (json_parser_new ());
  GError *parse_error = nullptr;
  if (!json_parser_load_from_data (parser.get (), data->str, static_cast<gssize> (data->len), &parse_error)) {
    name_parse_error (parse_error, filename);
    g_propagate_error (error, parse_error);
    return nullptr;
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
  else g_set_error_literal (error, G_IO_ERROR, G_IO_ERROR_FAILED, filename);
  return false;
}

}  // namespace providers::settings
