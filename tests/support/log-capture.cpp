#include "support/log-capture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <mutex>

namespace providers::testing {
namespace {

std::recursive_mutex sink_mutex;
LogCapture *active_capture = nullptr;

bool is_problem (GLogLevelFlags level)
{
  return (level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING)) != 0;
}

const char *level_name (GLogLevelFlags level)
{
  if (level & G_LOG_LEVEL_ERROR) return "ERROR";
  if (level & G_LOG_LEVEL_CRITICAL) return "CRITICAL";
  if (level & G_LOG_LEVEL_WARNING) return "WARNING";
  if (level & G_LOG_LEVEL_MESSAGE) return "MESSAGE";
  if (level & G_LOG_LEVEL_INFO) return "INFO";
  return "DEBUG";
}

/* Returns true when a capture took the message. */
bool dispatch (const char *domain, GLogLevelFlags level, const char *message)
{
  std::lock_guard<std::recursive_mutex> lock (sink_mutex);
  GLogLevelFlags plain = static_cast<GLogLevelFlags> (level & G_LOG_LEVEL_MASK);
  if (active_capture != nullptr) {
    active_capture->record ({domain ? domain : "", plain, message ? message : ""});
    return true;
  }
  if (is_problem (plain)) {
    ADD_FAILURE () << "unexpected " << level_name (plain) << " from " << (domain ? domain : "(no domain)") << ": "
                   << (message ? message : "");
    return true;
  }
  return false;
}

GLogWriterOutput writer (GLogLevelFlags level, const GLogField *fields, gsize n_fields, gpointer user_data)
{
  const char *domain = nullptr;
  const char *message = nullptr;
  for (gsize i = 0; i < n_fields; ++i) {
    if (std::strcmp (fields[i].key, "GLIB_DOMAIN") == 0)
      domain = static_cast<const char *> (fields[i].value);
    else if (std::strcmp (fields[i].key, "MESSAGE") == 0)
      message = static_cast<const char *> (fields[i].value);
  }
  if (dispatch (domain, level, message))
    return G_LOG_WRITER_HANDLED;
  return g_log_writer_default (level, fields, n_fields, user_data);
}

void classic_handler (const gchar *domain, GLogLevelFlags level, const gchar *message, gpointer user_data)
{
  if (!dispatch (domain, level, message))
    g_log_default_handler (domain, level, message, user_data);
}

}  // namespace

LogCapture::LogCapture ()
{
  std::lock_guard<std::recursive_mutex> lock (sink_mutex);
  outer_ = active_capture;
  active_capture = this;
}

LogCapture::~LogCapture ()
{
  std::lock_guard<std::recursive_mutex> lock (sink_mutex);
  active_capture = outer_;
}

std::vector<LogRecord> LogCapture::records () const
{
  std::lock_guard<std::recursive_mutex> lock (sink_mutex);
  return records_;
}

std::vector<std::string> LogCapture::criticals () const
{
  std::vector<std::string> result;
  for (const LogRecord &r : records ())
    if (r.level & G_LOG_LEVEL_CRITICAL) result.push_back (r.message);
  return result;
}

std::vector<std::string> LogCapture::warnings () const
{
  std::vector<std::string> result;
  for (const LogRecord &r : records ())
    if (r.level & G_LOG_LEVEL_WARNING) result.push_back (r.message);
  return result;
}

void LogCapture::clear ()
{
  std::lock_guard<std::recursive_mutex> lock (sink_mutex);
  records_.clear ();
}

void LogCapture::record (LogRecord record)
{
  records_.push_back (std::move (record));
}

std::string assertion_text (const std::string &function, const std::string &test)
{
  return function + ": assertion '" + test + "' failed";
}

void install_log_sink ()
{
  g_log_set_writer_func (writer, nullptr, nullptr);
  g_log_set_default_handler (classic_handler, nullptr);
}

}  // namespace providers::testing
