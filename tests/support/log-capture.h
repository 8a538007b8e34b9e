/* Captures GLib log messages so tests can assert their exact text.
 *
 * The test main routes both the classic handlers and the structured writer
 * into one sink. While a LogCapture is alive, every message is recorded in
 * it and nothing is printed. Without one, a CRITICAL or WARNING fails the
 * running test: the library must not log them unasked.
 */
#pragma once

#include <glib.h>

#include <string>
#include <vector>

namespace providers::testing {

struct LogRecord {
  std::string domain;
  GLogLevelFlags level;
  std::string message;
};

class LogCapture {
 public:
  LogCapture ();
  ~LogCapture ();
  LogCapture (const LogCapture &) = delete;
  LogCapture &operator= (const LogCapture &) = delete;

  std::vector<LogRecord> records () const;
  /* Messages at CRITICAL level, in order. */
  std::vector<std::string> criticals () const;
  /* Messages at WARNING level, in order. */
  std::vector<std::string> warnings () const;
  void clear ();

  /* Called by the sink; not for tests. */
  void record (LogRecord record);

 private:
  LogCapture *outer_;
  std::vector<LogRecord> records_;
};

/* The text GLib logs for a failed argument check in `function`. */
std::string assertion_text (const std::string &function, const std::string &test);

/* Installs the log sink; called once by the test main. */
void install_log_sink ();

}  // namespace providers::testing
