/* The settings root: round trips, filing profiles, the tree in order, the
 * translated load error and the argument checks. The file on disk has
 * settings-file-test.cpp. */
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

TEST (ServerSetting, SaveThenLoadGivesAnEqualTree)
{
  TempDir dir;
  std::string path = dir.file ("settings.json");
  auto written = sample_tree ();
  GError *error = nullptr;
  /* A failed load still records where to save. */
  EXPECT_FALSE (torvanix_providers_contracts_server_setting_load (written.get (), path.c_str (), &error));
  g_clear_error (&error);
  NotifyCounter changed_lists (written.get (), "servers");
  ASSERT_TRUE (torvanix_providers_contracts_server_setting_save (written.get (), &error)) << error->message;
  EXPECT_EQ (changed_lists.count (), 0);

  struct stat info;
  ASSERT_EQ (g_stat (path.c_str (), &info), 0);
  EXPECT_EQ (info.st_mode & 07777, 0600u);
  EXPECT_EQ (dir.entries (), std::vector<std::string> {"settings.json"});

  auto read = own (torvanix_providers_contracts_server_setting_new ());
  NotifyCounter notified_groups (read.get (), "groups"), notified_servers (read.get (), "servers"),
      notified_orgs (read.get (), "organizations");
  int changed = 0;
  g_signal_connect_swapped (read.get (), "changed", G_CALLBACK (+[] (int *n) { ++*n; }), &changed);
  ASSERT_TRUE (torvanix_providers_contracts_server_setting_load (read.get (), path.c_str (), &error)) << error->message;
  EXPECT_EQ (notified_groups.count () + notified_servers.count () + notified_orgs.count (), 3);
  EXPECT_EQ (changed, 0);

  ASSERT_EQ (size_of (orgs (read.get ())), 1);
  auto *north = at<Organization> (orgs (read.get ()), 0);
  EXPECT_EQ (take_string (torvanix_providers_contracts_organization_to_string (north)), "Organization North => g1, g2");
  EXPECT_EQ (take_string (torvanix_providers_contracts_server_group_to_string (at<Group> (groups_of (north), 0))),
             "ServerGroup g1 => s1, s2");
  std::vector<Server *> before = united (written.get ()), after = united (read.get ());
  ASSERT_EQ (after.size (), 5u);
  for (size_t i = 0; i < before.size (); ++i) {
    SCOPED_TRACE (i);
    EXPECT_NE (before[i], after[i]);
    expect_same_properties (before[i], after[i], true);
  }

  /* Saving again rewrites the same text, still for the owner only. */
  std::string first = read_file (path);
  g_chmod (path.c_str (), 0644);
  ASSERT_TRUE (torvanix_providers_contracts_server_setting_save (read.get (), &error));
  EXPECT_EQ (read_file (path), first);
  EXPECT_EQ (changed, 0);
  ASSERT_EQ (g_stat (path.c_str (), &info), 0);
  EXPECT_EQ (info.st_mode & 07777, 0600u);
}


TEST (ServerSetting, AppendAndRemoveFileByName)
{
  struct Case {
    const char *org;
    const char *group;
    const char *expected; /* where the profile lands */
  };
  const Case cases[] = {
      {"", "", "top"},           {"", "Dev", "Dev"},           {"", "Nope", "top"},
      {"North", "", "top"},      {"North", "Other", "North/Other"}, {"North", "Dev", "top"},
      {"South", "Dev", "Dev"},   {"South", "Nope", "top"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (std::string (c.org) + "/" + c.group);
    auto setting = own (torvanix_providers_contracts_server_setting_new ());
    auto north = own (torvanix_providers_contracts_organization_new_with_name ("North"));
    auto other = group_named ("Other");
    auto dev = group_named ("Dev");
    auto second_dev = group_named ("Dev");
    add (groups_of (north.get ()), other.get ());
    add (orgs (setting.get ()), north.get ());
    add (groups (setting.get ()), dev.get ());
    add (groups (setting.get ()), second_dev.get ());
    int changed = 0;
    g_signal_connect_swapped (setting.get (), "changed", G_CALLBACK (+[] (int *n) { ++*n; }), &changed);

    auto server = server_titled ("s");
    torvanix_providers_contracts_server_setting_append (setting.get (), server.get (), c.group, c.org);
    EXPECT_EQ (changed, 1);
    std::string where = size_of (servers (setting.get ())) == 1      ? "top"
                        : size_of (servers_of (dev.get ())) == 1    ? "Dev"
                        : size_of (servers_of (other.get ())) == 1  ? "North/Other"
                                                                    : "nowhere";
    EXPECT_EQ (where, c.expected);
    EXPECT_EQ (united (setting.get ()).size (), 1u);

    torvanix_providers_contracts_server_setting_remove (setting.get (), server.get (), c.group, c.org);
    EXPECT_EQ (changed, 2);
    EXPECT_EQ (united (setting.get ()).size (), 0u);
  }
}

TEST (ServerSetting, RemoveLooksOnlyInTheNamedList)
{
  auto setting = own (torvanix_providers_contracts_server_setting_new ());
  auto dev = group_named ("Dev");
  add (groups (setting.get ()), dev.get ());
  auto server = server_titled ("s");
  auto twin = own (torvanix_providers_contracts_server_clone (server.get (), FALSE));
  add (servers (setting.get ()), server.get ());
  add (servers (setting.get ()), server.get ());
  int changed = 0;
  g_signal_connect_swapped (setting.get (), "changed", G_CALLBACK (+[] (int *n) { ++*n; }), &changed);

  torvanix_providers_contracts_server_setting_remove (setting.get (), server.get (), "Dev", "");
  torvanix_providers_contracts_server_setting_remove (setting.get (), twin.get (), "", "");
  EXPECT_EQ (size_of (servers (setting.get ())), 2);
  torvanix_providers_contracts_server_setting_remove (setting.get (), server.get (), "", "");
  EXPECT_EQ (size_of (servers (setting.get ())), 1);
  EXPECT_EQ (changed, 3);

  /* A list set to null gets a new one rather than losing the profile. */
  torvanix_providers_contracts_server_setting_set_servers (setting.get (), nullptr);
  torvanix_providers_contracts_server_setting_remove (setting.get (), server.get (), "", "");
  torvanix_providers_contracts_server_setting_append (setting.get (), server.get (), "", "");
  EXPECT_EQ (size_of (servers (setting.get ())), 1);
}

TEST (ServerSetting, UniteServersInTreeOrder)
{
  auto empty = own (torvanix_providers_contracts_server_setting_new ());
  EXPECT_TRUE (united (empty.get ()).empty ());

  auto setting = sample_tree ();
  std::vector<std::string> titles;
  for (Server *s : united (setting.get ())) titles.emplace_back (torvanix_providers_contracts_server_get_title (s));
  EXPECT_EQ (titles, (std::vector<std::string> {"s1", "s2", "s3", "s4", "s5"}));
  std::vector<int> ports;
  for (Server *s : united (setting.get ())) ports.push_back (torvanix_providers_contracts_server_get_port (s));
  EXPECT_EQ (ports, (std::vector<int> {3301, 3302, 3303, 3304, 3305}));

  /* A profile in two places is listed twice; the result holds references. */
  Server *first = at<Server> (servers (setting.get ()), 0);
  add (servers (setting.get ()), first);
  gint n = 0;
  Server **all = torvanix_providers_contracts_server_setting_unite_servers (setting.get (), nullptr);
  Server **counted = torvanix_providers_contracts_server_setting_unite_servers (setting.get (), &n);
  EXPECT_EQ (n, 6);
  EXPECT_EQ (counted[3], counted[5]);
  torvanix_providers_contracts_server_setting_set_servers (setting.get (), nullptr);
  EXPECT_EQ (G_OBJECT (all[3])->ref_count, 4u); /* twice in each array */
  for (Server **p : {all, counted}) {
    for (int i = 0; p[i]; ++i) g_object_unref (p[i]);
    g_free (p);
  }
}

/* Writes a message catalogue with one translation, in the binary format
 * gettext reads, so the test needs no tools and no installed catalogue. */
void write_catalogue (const std::string &path, const char *original, const char *translation)
{
  const std::string header = "Content-Type: text/plain; charset=UTF-8\n";
  const std::vector<std::pair<std::string, std::string>> entries = {{"", header}, {original, translation}};
  const guint32 n = entries.size (), originals = 28, translations = originals + 8 * n, strings = translations + 8 * n;
  std::vector<guint32> words = {0x950412de, 0, n, originals, translations, 0, strings};
  std::string pool;
  std::vector<guint32> original_table, translation_table;
  for (const auto &[key, value] : entries) {
    original_table.insert (original_table.end (), {static_cast<guint32> (key.size ()), strings + static_cast<guint32> (pool.size ())});
    pool += key + '\0';
  }
  for (const auto &[key, value] : entries) {
    translation_table.insert (translation_table.end (),
                              {static_cast<guint32> (value.size ()), strings + static_cast<guint32> (pool.size ())});
    pool += value + '\0';
  }
  words.insert (words.end (), original_table.begin (), original_table.end ());
  words.insert (words.end (), translation_table.begin (), translation_table.end ());
  std::string data (reinterpret_cast<const char *> (words.data ()), words.size () * 4);
  data += pool;
  ASSERT_TRUE (g_file_set_contents (path.c_str (), data.data (), static_cast<gssize> (data.size ()), nullptr));
}

TEST (ServerSetting, LoadErrorIsTranslatedInItsTextDomain)
{
  TempDir dir;
  std::string messages = dir.file ("de/LC_MESSAGES");
  ASSERT_EQ (g_mkdir_with_parents (messages.c_str (), 0700), 0);
  write_catalogue (messages + "/torvanix.mo", "Failed to load database setting file.",
                   "Die Datenbank-Einstellungsdatei konnte nicht geladen werden.");
  /* The library binds its domain when the class is first used; a test
   * binds it to the catalogue above after that. */
  g_type_class_unref (g_type_class_ref (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_SETTING));
  std::string saved_binding = bindtextdomain ("torvanix", nullptr);
  bindtextdomain ("torvanix", dir.path ().c_str ());
  std::string saved_locale = setlocale (LC_ALL, nullptr);
  ASSERT_NE (setlocale (LC_ALL, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale is not installed";

  auto setting = own (torvanix_providers_contracts_server_setting_new ());
  GError *error = nullptr;
  std::string path = std::string (kCorpus) + "/array-root.json";
  EXPECT_FALSE (torvanix_providers_contracts_server_setting_load (setting.get (), path.c_str (), &error));
  setlocale (LC_ALL, saved_locale.c_str ());
  bindtextdomain ("torvanix", saved_binding.c_str ());
  ASSERT_NE (error, nullptr);
  EXPECT_EQ (error->code, -2);
  EXPECT_STREQ (error->message, "Die Datenbank-Einstellungsdatei konnte nicht geladen werden.");
  g_error_free (error);
}

TEST (ServerSetting, ArgumentChecks)
{
  auto setting = own (torvanix_providers_contracts_server_setting_new ());
  auto server = own (torvanix_providers_contracts_server_new ());
  int changed = 0;
  g_signal_connect_swapped (setting.get (), "changed", G_CALLBACK (+[] (int *n) { ++*n; }), &changed);
  LogCapture log;
  Setting *s = setting.get ();
  Server *p = server.get ();
  torvanix_providers_contracts_server_setting_append (nullptr, p, "", "");
  torvanix_providers_contracts_server_setting_append (s, nullptr, "", "");
  torvanix_providers_contracts_server_setting_append (s, p, nullptr, "");
  torvanix_providers_contracts_server_setting_remove (s, p, "", nullptr);
  EXPECT_FALSE (torvanix_providers_contracts_server_setting_load (s, nullptr, nullptr));
  EXPECT_EQ (torvanix_providers_contracts_server_setting_unite_servers (nullptr, nullptr), nullptr);
  EXPECT_EQ (changed, 0);
  EXPECT_EQ (size_of (servers (s)), 0);
  const std::string append = "torvanix_providers_contracts_server_setting_append";
  EXPECT_EQ (log.criticals (), (std::vector<std::string> {
      assertion_text (append, "self != NULL"),
      assertion_text (append, "server != NULL"),
      assertion_text (append, "group_name != NULL"),
      assertion_text ("torvanix_providers_contracts_server_setting_remove", "org_name != NULL"),
      assertion_text ("torvanix_providers_contracts_server_setting_load", "filename != NULL"),
      assertion_text ("torvanix_providers_contracts_server_setting_unite_servers", "self != NULL"),
  }));
}


}  // namespace
