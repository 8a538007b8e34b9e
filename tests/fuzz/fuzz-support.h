/* Shared by the fuzz targets: a quiet, strict log policy and input helpers.
 *
 * Every target runs twice over: linked with libFuzzer by scripts/fuzz, and
 * linked with replay-main.cpp in the test run, where it replays its seed
 * corpus under the sanitizers.
 */
#pragma once

#include <glib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace providers::fuzz {

/* Messages a target expects for some inputs. Any other warning or critical
 * is a finding: the library (or GLib on its behalf) complained about input
 * it should have handled, so the run aborts and keeps the input. */
inline std::vector<std::string> &expected_messages ()
{
  static std::vector<std::string> list;
  return list;
}

inline GLogWriterOutput
strict_writer (GLogLevelFlags level, const GLogField *fields, gsize n_fields, gpointer)
{
  if ((level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING)) == 0) return G_LOG_WRITER_HANDLED;
  const char *message = "";
  for (gsize i = 0; i < n_fields; ++i)
    if (std::strcmp (fields[i].key, "MESSAGE") == 0 && fields[i].length < 0)
      message = static_cast<const char *> (fields[i].value);
  for (const auto &expected : expected_messages ())
    if (std::strstr (message, expected.c_str ()) != nullptr) return G_LOG_WRITER_HANDLED;
  std::fprintf (stderr, "unexpected log message: %s\n", message);
  std::abort ();
}

/* Installs the policy once; `expected` are substrings of messages that
 * some inputs legitimately produce. */
inline void
setup (std::initializer_list<const char *> expected = {})
{
  static bool done = false;
  if (done) return;
  done = true;
  expected_messages ().assign (expected.begin (), expected.end ());
  g_log_set_writer_func (strict_writer, nullptr, nullptr);
}

/* The input as a zero-terminated text; an embedded zero ends it early, as
 * it would for any C caller. */
inline std::string
text_of (const uint8_t *data, size_t size)
{
  return std::string (reinterpret_cast<const char *> (data), size);
}

/* Splits the input at the first newline: the head and what follows. */
inline void
split_line (const std::string &input, std::string &head, std::string &tail)
{
  auto at = input.find ('\n');
  head = input.substr (0, at);
  tail = at == std::string::npos ? std::string () : input.substr (at + 1);
}

}  // namespace providers::fuzz
