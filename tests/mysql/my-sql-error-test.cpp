/* Client-library failures as errors, and the options each one logs. */
#include <libproviders/providers.h>
#include <mysql.h>

#include <gtest/gtest.h>

#include <cstring>

#include "support/gobject-test.h"
#include "support/log-capture.h"

using providers::testing::assertion_text;
using providers::testing::LogCapture;
using providers::testing::own;

namespace {

/* The smallest implementation of the mix-in. */
struct ErrorHolder {
  GObject parent;
};
struct ErrorHolderClass {
  GObjectClass parent_class;
};
void error_holder_iface_init (TorvanixProvidersSupportsIMySQLErrorInterface *) {}
GType error_holder_get_type ();
G_DEFINE_TYPE_WITH_CODE (ErrorHolder, error_holder, G_TYPE_OBJECT,
                         G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_ERROR, error_holder_iface_init))
void error_holder_class_init (ErrorHolderClass *) {}
void error_holder_init (ErrorHolder *) {}

struct Handle {
  MYSQL *mysql = mysql_init (nullptr);
  ~Handle () { mysql_close (mysql); }
};

TorvanixProvidersSupportsIMySQLError *as_mixin (gpointer object)
{
  return TORVANIX_PROVIDERS_SUPPORTS_IMY_SQL_ERROR (object);
}

TEST (MySQLError, OnlyAFailedCallWithAnErrorNumberRaises)
{
  auto holder = own (g_object_new (error_holder_get_type (), nullptr));
  Handle handle;
  GError *error = nullptr;

  /* A fresh handle has no error number: nothing, whatever the result. */
  torvanix_providers_supports_imy_sql_error_raise_error (as_mixin (holder.get ()), handle.mysql, -1, &error);
  EXPECT_EQ (error, nullptr);

  /* Port 1 on the loopback: nothing listens, the connect is refused. */
  ASSERT_EQ (mysql_real_connect (handle.mysql, "127.0.0.1", "nobody", "", nullptr, 1, nullptr, 0), nullptr);
  ASSERT_NE (mysql_errno (handle.mysql), 0u);

  torvanix_providers_supports_imy_sql_error_raise_error (as_mixin (holder.get ()), handle.mysql, 0, &error);
  EXPECT_EQ (error, nullptr);

  LogCapture log;
  torvanix_providers_supports_imy_sql_error_raise_error (as_mixin (holder.get ()), handle.mysql, 7, &error);
  ASSERT_NE (error, nullptr);
  EXPECT_TRUE (g_error_matches (error, g_quark_from_string ("MySQL"), static_cast<gint> (mysql_errno (handle.mysql))));
  EXPECT_TRUE (g_error_matches (error, TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR, 2002) ||
               g_error_matches (error, TORVANIX_PROVIDERS_SUPPORTS_MY_SQL_ERROR, 2003));
  EXPECT_STREQ (error->message, mysql_error (handle.mysql));
  g_error_free (error);
  ASSERT_EQ (log.warnings ().size (), 1u);
  EXPECT_TRUE (g_str_has_prefix (log.warnings ()[0].c_str (), "error:76: Connection options:\n"));
}

/* The client's text quotes what the profile gave it, in whatever bytes:
 * the error carries it as valid UTF-8, the bad bytes as U+FFFD. */
TEST (MySQLError, TheMessageIsUtf8WhateverTheClientQuotes)
{
  auto holder = own (g_object_new (error_holder_get_type (), nullptr));
  Handle handle;
  /* A socket that does not exist, named in bytes that are not UTF-8: the
   * connect fails at once, with no name to look up. */
  ASSERT_EQ (mysql_real_connect (handle.mysql, "localhost", "nobody", "", nullptr, 0, "/nonexistent/\xff\xfe.sock", 0),
             nullptr);
  const char *client_text = mysql_error (handle.mysql);
  ASSERT_NE (std::strstr (client_text, "\xff\xfe"), nullptr) << client_text;

  LogCapture log;
  GError *error = nullptr;
  torvanix_providers_supports_imy_sql_error_raise_error (as_mixin (holder.get ()), handle.mysql, -1, &error);
  ASSERT_NE (error, nullptr);
  EXPECT_TRUE (g_utf8_validate (error->message, -1, nullptr)) << error->message;
  EXPECT_EQ (error->message, providers::testing::take_string (g_utf8_make_valid (client_text, -1)));
  g_error_free (error);
}

TEST (MySQLError, DumpLogsTwelveLinesOfOptions)
{
  auto holder = own (g_object_new (error_holder_get_type (), nullptr));
  Handle handle;
  unsigned long packet = 1UL << 30;
  unsigned int timeout = 3600;
  my_bool reconnect = 1;
  mysql_options (handle.mysql, MYSQL_SET_CHARSET_NAME, "utf8mb4");
  mysql_options (handle.mysql, MYSQL_OPT_MAX_ALLOWED_PACKET, &packet);
  mysql_options (handle.mysql, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
  mysql_options (handle.mysql, MYSQL_OPT_RECONNECT, &reconnect);

  LogCapture log;
  torvanix_providers_supports_imy_sql_error_dump (as_mixin (holder.get ()), handle.mysql);
  ASSERT_EQ (log.warnings ().size (), 1u);
  gchar **lines = g_strsplit (log.warnings ()[0].c_str (), "\n", -1);
  ASSERT_EQ (g_strv_length (lines), 14u); /* heading, twelve lines, "" after the last newline */
  EXPECT_STREQ (lines[0], "error:76: Connection options:");
  EXPECT_STREQ (lines[1], "Default options file: (null)");
  EXPECT_STREQ (lines[3], "Charset name: utf8mb4");
  EXPECT_STREQ (lines[7], "Auto reconnect: 1");
  EXPECT_STREQ (lines[8], "Max packet size: 1073741824");
  EXPECT_STREQ (lines[10], "Connect timeout: 3600");
  EXPECT_TRUE (g_str_has_prefix (lines[12], "Write timeout: "));
  EXPECT_STREQ (lines[13], "");
  g_strfreev (lines);
}

TEST (MySQLError, NullArgumentsAreRefused)
{
  auto holder = own (g_object_new (error_holder_get_type (), nullptr));
  LogCapture log;
  GError *error = nullptr;
  torvanix_providers_supports_imy_sql_error_raise_error (as_mixin (holder.get ()), nullptr, -1, &error);
  torvanix_providers_supports_imy_sql_error_dump (as_mixin (holder.get ()), nullptr);
  EXPECT_EQ (error, nullptr);
  std::vector<std::string> expected = {
    assertion_text ("torvanix_providers_supports_imy_sql_error_raise_error", "connection != NULL"),
    assertion_text ("torvanix_providers_supports_imy_sql_error_dump", "connection != NULL"),
  };
  EXPECT_EQ (log.criticals (), expected);
}

}  // namespace
