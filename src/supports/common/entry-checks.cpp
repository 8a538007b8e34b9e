/* The checks at every provider's entry: the SQL text and the port. */
#include "supports/common/entry-checks-internal.h"

#include <cstring>

namespace providers::home {

bool
check_sql_text (const char *text, gssize length, GQuark domain, GError **error)
{
  gsize size = length < 0 ? std::strlen (text) : static_cast<gsize> (length);
  const void *nul = length < 0 ? nullptr : std::memchr (text, '\0', size);
  if (nul != nullptr) {
    g_set_error (error, domain, -1, "The SQL text has a NUL character at byte offset %" G_GSIZE_FORMAT ".",
                 static_cast<gsize> (static_cast<const char *> (nul) - text));
    return false;
  }
  const gchar *end = nullptr;
  if (!g_utf8_validate (text, static_cast<gssize> (size), &end)) {
    g_set_error (error, domain, -1, "The SQL text is not valid UTF-8 at byte offset %" G_GSIZE_FORMAT ".",
                 static_cast<gsize> (end - text));
    return false;
  }
  return true;
}

bool
check_port (gint port, GQuark domain, GError **error)
{
  if (port >= 0 && port <= 65535)
    return true;
  g_set_error (error, domain, -1, "The port %d is outside the range 0 to 65535.", port);
  return false;
}

}  // namespace providers::home
