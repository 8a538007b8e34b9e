/* The settings file on disk: its format and mode, bad, damaged and large
 * files, parse errors, saving through a link and a save that fails. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <glib/gstdio.h>
#include <gio/gio.h>
#include <json-glib/json-glib.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include "settings/server-fixtures.h"
#include "settings/setting-fixtures.h"
#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "support/notify-counter.h"

namespace {

using namespace providers::testing;

TEST (ServerSetting, FileFormat)
{
  TempDir dir;
  std::string path = dir.file ("settings.json");
  ASSERT_TRUE (g_file_set_contents (path.c_str (), "{}", -1, nullptr));
  auto setting = own (torvanix_providers_contracts_server_setting_new ());
  ASSERT_TRUE (torvanix_providers_contracts_server_setting_load (setting.get (), path.c_str (), nullptr));
  ASSERT_TRUE (torvanix_providers_contracts_server_setting_save (setting.get (), nullptr));
  EXPECT_EQ (read_file (path), "{\n  \"organizations\" : [],\n  \"groups\" : [],\n  \"servers\" : []\n}");

  /* A profile at its start values: every text, no port at its default, no
   * false boolean, and the databases always. */
  auto server = own (torvanix_providers_contracts_server_new ());
  add (servers (setting.get ()), server.get ());
  auto unnamed = group_named ("x");
  torvanix_providers_contracts_server_group_set_name (unnamed.get (), nullptr);
  add (groups (setting.get ()), unnamed.get ());
  ASSERT_TRUE (torvanix_providers_contracts_server_setting_save (setting.get (), nullptr));
  std::string expected = "{\n  \"organizations\" : [],\n  \"groups\" : [\n    {\n      \"servers\" : []\n    }\n  ],\n"
                         "  \"servers\" : [\n    {\n";
  for (const auto &row : providers::testing::properties ()) {
    if (row.type == G_TYPE_STRING)
      expected += std::string ("      \"") + row.name + "\" : \"" + row.start_text + "\",\n";
    else if (row.type == G_TYPE_STRV)
      expected += "      \"databases\" : [],\n";
  }
  expected.erase (expected.size () - 2);  /* the last comma */
  expected += "\n    }\n  ]\n}";
  EXPECT_EQ (read_file (path), expected);

  torvanix_providers_contracts_server_set_port (server.get (), 3306);
  torvanix_providers_contracts_server_set_ssl_using (server.get (), TRUE);
  torvanix_providers_contracts_server_set_http_port (server.get (), 8080);
  ASSERT_TRUE (torvanix_providers_contracts_server_setting_save (setting.get (), nullptr));
  std::string text = read_file (path);
  EXPECT_NE (text.find ("      \"port\" : 3306,\n"), std::string::npos);
  EXPECT_NE (text.find ("      \"ssl-using\" : true,\n"), std::string::npos);
  EXPECT_EQ (text.find ("http-port"), std::string::npos);
}

/* Each bad file gives an error, never a crash, a hang, a CRITICAL or a
 * partial result: the lists stay the very objects they were. */
TEST (ServerSetting, BadFilesLeaveTheTreeAlone)
{
  TempDir dir;
  std::string directory = dir.file ("a-directory");
  g_mkdir (directory.c_str (), 0700);
  std::string pipe = dir.file ("a-pipe");
  ASSERT_EQ (mkfifo (pipe.c_str (), 0600), 0);
  std::string unreadable = dir.file ("unreadable.json");
  ASSERT_TRUE (g_file_set_contents (unreadable.c_str (), "{}", -1, nullptr));
  g_chmod (unreadable.c_str (), 0);
  /* Permissions do not stop root; a file whose read fails does. */
  if (geteuid () == 0) unreadable = "/proc/self/mem";
  /* One byte over the bound, refused before a byte is read (sparse). */
  std::string too_large = dir.file ("too-large.json");
  ASSERT_TRUE (g_file_set_contents (too_large.c_str (), "{", -1, nullptr));
  ASSERT_EQ (truncate (too_large.c_str (), TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_MAX_FILE_SIZE + 1), 0);

  struct Case {
    std::string path;
    GQuark domain;
    int code; /* -1: any code of the domain */
  };
  const GQuark setting_error = g_quark_from_static_string ("ServerSetting");
  auto corpus = [] (const char *name) { return std::string (kCorpus) + "/" + name; };
  const Case cases[] = {
      {corpus ("empty.json"), setting_error, -2},
      {corpus ("blank.json"), setting_error, -2},
      {corpus ("array-root.json"), setting_error, -2},
      {corpus ("string-root.json"), setting_error, -2},
      {corpus ("truncated.json"), JSON_PARSER_ERROR, -1},
      {corpus ("invalid-utf8.json"), JSON_PARSER_ERROR, JSON_PARSER_ERROR_INVALID_DATA},
      {corpus ("deep-nesting.json"), JSON_PARSER_ERROR, JSON_PARSER_ERROR_PARSE},
      {corpus ("missing.json"), G_FILE_ERROR, G_FILE_ERROR_NOENT},
      {directory, G_FILE_ERROR, G_FILE_ERROR_ISDIR},
      {pipe, G_FILE_ERROR, G_FILE_ERROR_INVAL},
      {unreadable, G_FILE_ERROR, -1},
      {too_large, setting_error, TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_TOO_LARGE},
  };
  auto setting = sample_tree ();
  GeeArrayList *o = orgs (setting.get ()), *g = groups (setting.get ()), *s = servers (setting.get ());
  NotifyCounter notified (setting.get (), "servers");
  for (const Case &c : cases) {
    SCOPED_TRACE (c.path);
    GError *error = nullptr;
    EXPECT_FALSE (torvanix_providers_contracts_server_setting_load (setting.get (), c.path.c_str (), &error));
    ASSERT_NE (error, nullptr);
    EXPECT_EQ (g_quark_to_string (error->domain), g_quark_to_string (c.domain)) << error->message;
    if (c.code != -1) {
      EXPECT_EQ (error->code, c.code) << error->message;
    }
    if (c.domain == setting_error && c.code == TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_LOAD_FAILED) {
      EXPECT_STREQ (error->message, "Failed to load database setting file.");
    }
    if (c.code == TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_TOO_LARGE) {
      EXPECT_EQ (std::string (error->message), "Settings file “" + c.path + "” is larger than 64 MiB.");
    }
    if (error->domain == JSON_PARSER_ERROR && c.code != JSON_PARSER_ERROR_INVALID_DATA) {
      EXPECT_TRUE (g_str_has_prefix (error->message, c.path.c_str ())) << error->message;
    }
    g_error_free (error);
    EXPECT_EQ (orgs (setting.get ()), o);
    EXPECT_EQ (groups (setting.get ()), g);
    EXPECT_EQ (servers (setting.get ()), s);
    EXPECT_EQ (united (setting.get ()).size (), 5u);
  }
  EXPECT_EQ (notified.count (), 0);
}

/* A parse error names the file, the line and the column and says what is
 * wrong in words of its own: the text at fault may be a password. */
TEST (ServerSetting, ParseErrorsGiveThePlaceNotTheText)
{
  struct Case {
    const char *content;
    int code;
    const char *where; /* after the file name */
  };
  const Case cases[] = {
      {"{\"password\": Hunter2SecretPw}", JSON_PARSER_ERROR_INVALID_BAREWORD,
       ":1:28: Parse error: unquoted word where a value belongs"},
      {"{\n  \"password\": \"Hunter2SecretPw\",\n}", JSON_PARSER_ERROR_TRAILING_COMMA, ":2:32: Parse error: trailing comma"},
      {"{\"password\" \"Hunter2SecretPw\"}", JSON_PARSER_ERROR_MISSING_COLON, ":1:11: Parse error: missing colon"},
      {"[\"Hunter2SecretPw\" 2]", JSON_PARSER_ERROR_MISSING_COMMA, ":1:18: Parse error: missing comma"},
      {"{\"password\": \"Hunter2SecretPw", JSON_PARSER_ERROR_PARSE, ":1:30: Parse error: not valid JSON"},
      {"{\"password\": \"Hunter2SecretPw\xff\"}", JSON_PARSER_ERROR_INVALID_DATA,
       ": Parse error: the file is not UTF-8 text"},
  };
  TempDir dir;
  std::string path = dir.file ("settings.json");
  auto setting = own (torvanix_providers_contracts_server_setting_new ());
  for (const Case &c : cases) {
    SCOPED_TRACE (c.content);
    ASSERT_TRUE (g_file_set_contents (path.c_str (), c.content, -1, nullptr));
    GError *error = nullptr;
    EXPECT_FALSE (torvanix_providers_contracts_server_setting_load (setting.get (), path.c_str (), &error));
    ASSERT_NE (error, nullptr);
    EXPECT_EQ (error->domain, JSON_PARSER_ERROR);
    EXPECT_EQ (error->code, c.code);
    EXPECT_EQ (std::string (error->message), path + c.where);
    g_error_free (error);
  }
}

/* Saving through a symbolic link replaces the file it points to, as an
 * editor does, and leaves the link (often into a synced folder) in place. */
TEST (ServerSetting, SaveThroughALinkReplacesItsTarget)
{
  TempDir dir;
  g_mkdir (dir.file ("real").c_str (), 0700);
  struct Case {
    const char *name;
    std::vector<std::pair<std::string, std::string>> links; /* link, what it holds */
    std::string target;
  };
  const std::string real = dir.file ("real/settings.json");
  const Case cases[] = {
      {"absolute", {{dir.file ("a.json"), real}}, real},
      {"relative", {{dir.file ("r.json"), "real/settings.json"}}, real},
      {"chain", {{dir.file ("c1.json"), dir.file ("c2.json")}, {dir.file ("c2.json"), "real/settings.json"}}, real},
      {"to nothing yet", {{dir.file ("n.json"), "real/new.json"}}, dir.file ("real/new.json")},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (c.name);
    g_unlink (real.c_str ());
    ASSERT_TRUE (g_file_set_contents (real.c_str (), "{}", -1, nullptr));
    for (const auto &[link, to] : c.links) ASSERT_EQ (symlink (to.c_str (), link.c_str ()), 0);
    const std::string &named = c.links.front ().first;

    auto setting = own (torvanix_providers_contracts_server_setting_new ());
    GError *error = nullptr;
    torvanix_providers_contracts_server_setting_load (setting.get (), named.c_str (), nullptr);
    torvanix_providers_contracts_server_setting_append (setting.get (), server_titled ("linked").get (), "", "");
    ASSERT_TRUE (torvanix_providers_contracts_server_setting_save (setting.get (), &error)) << error->message;

    for (const auto &[link, to] : c.links) {
      EXPECT_TRUE (g_file_test (link.c_str (), G_FILE_TEST_IS_SYMLINK)) << link;
      EXPECT_EQ (take_string (g_file_read_link (link.c_str (), nullptr)), to);
    }
    EXPECT_NE (read_file (c.target).find ("\"linked\""), std::string::npos);
    GStatBuf info;
    ASSERT_EQ (g_stat (c.target.c_str (), &info), 0);
    EXPECT_EQ (info.st_mode & 0777, 0600u);
    auto reloaded = own (torvanix_providers_contracts_server_setting_new ());
    ASSERT_TRUE (torvanix_providers_contracts_server_setting_load (reloaded.get (), named.c_str (), nullptr));
    EXPECT_EQ (united (reloaded.get ()).size (), 1u);
  }

  /* A loop of links is refused, and neither link is replaced. */
  std::string l1 = dir.file ("loop1.json"), l2 = dir.file ("loop2.json");
  ASSERT_EQ (symlink (l2.c_str (), l1.c_str ()), 0);
  ASSERT_EQ (symlink (l1.c_str (), l2.c_str ()), 0);
  auto setting = own (torvanix_providers_contracts_server_setting_new ());
  torvanix_providers_contracts_server_setting_load (setting.get (), l1.c_str (), nullptr);
  GError *error = nullptr;
  EXPECT_FALSE (torvanix_providers_contracts_server_setting_save (setting.get (), &error));
  EXPECT_TRUE (g_error_matches (error, G_FILE_ERROR, G_FILE_ERROR_LOOP)) << (error ? error->message : "");
  g_clear_error (&error);
  EXPECT_TRUE (g_file_test (l1.c_str (), G_FILE_TEST_IS_SYMLINK));
  EXPECT_TRUE (g_file_test (l2.c_str (), G_FILE_TEST_IS_SYMLINK));
}

/* Damaged but parseable files load what fits. */
TEST (ServerSetting, DamagedFilesLoadWhatFits)
{
  auto setting = own (torvanix_providers_contracts_server_setting_new ());
  auto load = [&] (const char *name) {
    GError *error = nullptr;
    std::string path = std::string (kCorpus) + "/" + name;
    EXPECT_TRUE (torvanix_providers_contracts_server_setting_load (setting.get (), path.c_str (), &error))
        << (error ? error->message : "");
    g_clear_error (&error);
  };

  load ("wrong-types.json");
  EXPECT_EQ (size_of (orgs (setting.get ())), 0);
  EXPECT_EQ (size_of (groups (setting.get ())), 0);
  ASSERT_EQ (size_of (servers (setting.get ())), 1);
  Server *server = at<Server> (servers (setting.get ()), 0);
  EXPECT_EQ (take_string (torvanix_providers_contracts_server_to_string (server, FALSE)),
             "Server  => Provider:UNKNOWN, Initial:, Host:, port:0, User:, SSL:No, Tunnel:");
  EXPECT_EQ (torvanix_providers_contracts_server_get_ssh_port (server), 22);
  EXPECT_EQ (torvanix_providers_contracts_server_get_http_port (server), 8080);
  EXPECT_STREQ (torvanix_providers_contracts_server_get_ssl_mode (server), "require");
  EXPECT_EQ (torvanix_providers_contracts_server_get_http_protocol (server), nullptr);
  gint n = 0;
  gchar **names = torvanix_providers_contracts_server_get_databases (server, &n);
  ASSERT_EQ (n, 2);
  EXPECT_STREQ (names[0], "shop");
  EXPECT_STREQ (names[1], "stock");

  load ("servers-not-array.json");
  EXPECT_EQ (united (setting.get ()).size (), 0u);
  EXPECT_EQ (size_of (orgs (setting.get ())) + size_of (groups (setting.get ())), 0);

  load ("elements-not-objects.json");
  EXPECT_EQ (size_of (groups (setting.get ())), 0);
  ASSERT_EQ (size_of (orgs (setting.get ())), 1);
  std::vector<std::string> titles;
  for (Server *s : united (setting.get ())) titles.emplace_back (torvanix_providers_contracts_server_get_title (s));
  EXPECT_EQ (titles, (std::vector<std::string> {"s", "t"}));
}

/* A settings file of 50 MB: many ordinary profiles. */
TEST (ServerSetting, LargeFileLoads)
{
  TempDir dir;
  std::string path = dir.file ("large.json");
  const std::string options (13000, 'o');
  const int profiles = 4000;
  GString *text = g_string_sized_new (52u << 20);
  g_string_append (text, "{\"organizations\": [], \"groups\": [], \"servers\": [\n");
  for (int i = 0; i < profiles; ++i) {
    g_string_append_printf (text,
                            "%s{\"uuid\": \"%08d-0000-4000-8000-000000000000\", \"provider\": \"MySQL\", \"title\": \"db%d\","
                            " \"host\": \"10.0.%d.%d\", \"port\": 3306, \"username\": \"app\", \"password\": \"secret\","
                            " \"databases\": [\"shop\", \"stock\"], \"ssl-using\": true, \"options\": \"%s\"}\n",
                            i ? "," : "", i, i, i / 256 % 256, i % 256, options.c_str ());
  }
  g_string_append (text, "]}\n");
  ASSERT_GE (text->len, 50u << 20);
  ASSERT_TRUE (g_file_set_contents (path.c_str (), text->str, static_cast<gssize> (text->len), nullptr));
  g_string_free (text, TRUE);

  auto setting = own (torvanix_providers_contracts_server_setting_new ());
  auto start = std::chrono::steady_clock::now ();
  GError *error = nullptr;
  ASSERT_TRUE (torvanix_providers_contracts_server_setting_load (setting.get (), path.c_str (), &error));
  auto seconds = std::chrono::duration<double> (std::chrono::steady_clock::now () - start).count ();
  RecordProperty ("load_seconds", std::to_string (seconds));
  ASSERT_EQ (size_of (servers (setting.get ())), profiles);
  Server *last = at<Server> (servers (setting.get ()), profiles - 1);
  EXPECT_STREQ (torvanix_providers_contracts_server_get_title (last), "db3999");
  EXPECT_EQ (torvanix_providers_contracts_server_get_port (last), 3306);
  EXPECT_TRUE (torvanix_providers_contracts_server_get_ssl_using (last));
}

/* A save that fails leaves the previous file as it was, and no temporary
 * file behind. */
TEST (ServerSetting, FailedSaveKeepsThePreviousFile)
{
  TempDir dir;
  std::string path = dir.file ("settings.json");
  auto setting = own (torvanix_providers_contracts_server_setting_new ());
  GError *error = nullptr;

  /* Before any load there is no file name. */
  EXPECT_FALSE (torvanix_providers_contracts_server_setting_save (setting.get (), &error));
  ASSERT_NE (error, nullptr);
  EXPECT_TRUE (g_error_matches (error, G_FILE_ERROR, G_FILE_ERROR_NOENT)) << error->message;
  g_clear_error (&error);

  /* A directory that does not exist. */
  std::string nowhere = dir.file ("missing/settings.json");
  EXPECT_FALSE (torvanix_providers_contracts_server_setting_load (setting.get (), nowhere.c_str (), nullptr));
  EXPECT_FALSE (torvanix_providers_contracts_server_setting_save (setting.get (), &error));
  EXPECT_TRUE (g_error_matches (error, G_FILE_ERROR, G_FILE_ERROR_NOENT)) << (error ? error->message : "");
  g_clear_error (&error);
  EXPECT_TRUE (dir.entries ().empty ());

  /* The disk fills up halfway through the new content. */
  ASSERT_TRUE (g_file_set_contents (path.c_str (), "{}", -1, nullptr));
  ASSERT_TRUE (torvanix_providers_contracts_server_setting_load (setting.get (), path.c_str (), nullptr));
  auto big = sample_tree ();
  torvanix_providers_contracts_server_setting_set_servers (setting.get (), servers (big.get ()));
  for (int i = 0; i < 50; ++i) add (servers (setting.get ()), server_titled ("filler").get ());
  struct rlimit saved;
  getrlimit (RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  auto old_handler = signal (SIGXFSZ, SIG_IGN);
  ASSERT_EQ (setrlimit (RLIMIT_FSIZE, &small), 0);
  gboolean saved_ok = torvanix_providers_contracts_server_setting_save (setting.get (), &error);
  setrlimit (RLIMIT_FSIZE, &saved);
  signal (SIGXFSZ, old_handler);
  EXPECT_FALSE (saved_ok);
  ASSERT_NE (error, nullptr);
  EXPECT_EQ (error->domain, G_FILE_ERROR) << error->message;
  g_clear_error (&error);
  EXPECT_EQ (read_file (path), "{}");
  EXPECT_EQ (dir.entries (), std::vector<std::string> {"settings.json"});

  /* Text that is not UTF-8 would make a file that no load accepts. */
  auto latin1 = server_titled ("caf\xe9");
  torvanix_providers_contracts_server_setting_set_servers (setting.get (), nullptr);
  torvanix_providers_contracts_server_setting_append (setting.get (), latin1.get (), "", "");
  EXPECT_FALSE (torvanix_providers_contracts_server_setting_save (setting.get (), &error));
  EXPECT_TRUE (g_error_matches (error, G_IO_ERROR, G_IO_ERROR_INVALID_DATA)) << (error ? error->message : "");
  g_clear_error (&error);
  EXPECT_EQ (read_file (path), "{}");

  /* The name is taken by a directory. */
  std::string taken = dir.file ("taken");
  g_mkdir (taken.c_str (), 0700);
  EXPECT_FALSE (torvanix_providers_contracts_server_setting_load (setting.get (), taken.c_str (), nullptr));
  EXPECT_FALSE (torvanix_providers_contracts_server_setting_save (setting.get (), &error));
  EXPECT_NE (error, nullptr);
  g_clear_error (&error);
  EXPECT_TRUE (g_file_test (taken.c_str (), G_FILE_TEST_IS_DIR));
  EXPECT_EQ (dir.entries ().size (), 2u);
}


}  // namespace
