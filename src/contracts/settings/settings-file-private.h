/* Reading and writing the settings file; ServerSetting holds the tree. */
#pragma once

#include <json-glib/json-glib.h>

#include "common/gobject-ref.h"

namespace providers::settings {

/* Parses `filename` as json_parser_load_from_file would, but refuses what
 * is not a regular file, a file above the size bound and one nested too
 * deep, names the file (never its content) in every message, and replaces
 * text that is not UTF-8 in the tree by U+FFFD with a warning. Null with an
 * error on failure. */
GRef<JsonParser> parse_file (const gchar *filename, GError **error);

/* Writes the serialization of `object` to `filename` (the target of a
 * symbolic link there, the link kept), readable by its owner only and
 * through a temporary file, so that a failure leaves the previous file
 * whole. False with an error on failure. */
bool save_file (const gchar *filename, GObject *object, GError **error);

}  // namespace providers::settings
