/* The entry checks on their own: SQL text with a known length, which is
 * how a NUL can arrive, and the edges of the port range. */
#include "supports/common/entry-checks-internal.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using providers::home::check_port;
using providers::home::check_sql_text;

namespace {

GQuark domain () { return g_quark_from_static_string ("Engine"); }

/* The error's text, or "" when the check passed; the domain and code are
 * the caller's and -1 on every failure. */
template <typename Check>
std::string refusal (Check check)
{
  GError *error = nullptr;
  bool passed = check (&error);
  EXPECT_EQ (passed, error == nullptr);
  if (error == nullptr)
    return "";
  EXPECT_EQ (error->domain, domain ());
  EXPECT_EQ (error->code, -1);
  std::string message = error->message;
  g_error_free (error);
  return message;
}

TEST (SqlText, ANulOrABadByteWithinTheLengthIsRefusedAtItsOffset)
{
  const struct {
    std::string text;
    gssize length;
    const char *refusal;
  } cases[] = {
    {std::string ("DELETE FROM t\0 WHERE id = 2", 27), 27, "The SQL text has a NUL character at byte offset 13."},
    {std::string ("\0", 1), 1, "The SQL text has a NUL character at byte offset 0."},
    /* The first fault counts, whichever it is. */
    {std::string ("SELECT '\xff', '\0'", 13), 13, "The SQL text is not valid UTF-8 at byte offset 8."},
    {std::string ("SELECT 1\0\xff", 10), 8, ""},
    {"SELECT '\xe6\xba\x90'", 11, ""},
    {"SELECT '\xe6\xba\x90'", 10, "The SQL text is not valid UTF-8 at byte offset 8."},
    {"SELECT 'a\xff(b'", -1, "The SQL text is not valid UTF-8 at byte offset 9."},
    {"", 0, ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE (c.refusal);
    EXPECT_EQ (refusal ([&] (GError **e) { return check_sql_text (c.text.data (), c.length, domain (), e); }),
               c.refusal);
  }
}

TEST (Port, OnlyZeroTo65535Pass)
{
  for (gint port : {0, 1, 3306, 65535})
    EXPECT_EQ (refusal ([&] (GError **e) { return check_port (port, domain (), e); }), "") << port;
  for (gint port : {-1, 65536, 70000, INT_MIN, INT_MAX})
    EXPECT_EQ (refusal ([&] (GError **e) { return check_port (port, domain (), e); }),
               "The port " + std::to_string (port) + " is outside the range 0 to 65535.");
}

}  // namespace
