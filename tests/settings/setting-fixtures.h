/* The settings root's tests share these: a private directory, short
 * names for the tree's lists, and a sample tree. */
#pragma once

#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <glib/gstdio.h>

#include <string>
#include <vector>

#include "settings/server-fixtures.h"
#include "support/gobject-test.h"

namespace providers::testing {

using Setting = TorvanixProvidersContractsServerSetting;
using Server = TorvanixProvidersContractsServer;
using Group = TorvanixProvidersContractsServerGroup;
using Organization = TorvanixProvidersContractsOrganization;

inline const char *const kCorpus = SETTINGS_CORPUS_DIR;

/* A private directory, removed with its contents. */
class TempDir {
 public:
  TempDir () : path_ (take_string (g_dir_make_tmp ("settings-XXXXXX", nullptr))) {}
  ~TempDir () { remove_tree (path_); }
  std::string file (const char *name) const { return path_ + "/" + name; }
  const std::string &path () const { return path_; }
  std::vector<std::string> entries () const
  {
    std::vector<std::string> names;
    GDir *dir = g_dir_open (path_.c_str (), 0, nullptr);
    while (const gchar *name = g_dir_read_name (dir)) names.emplace_back (name);
    g_dir_close (dir);
    return names;
  }

 private:
  static void remove_tree (const std::string &path)
  {
    if (g_file_test (path.c_str (), G_FILE_TEST_IS_DIR) && !g_file_test (path.c_str (), G_FILE_TEST_IS_SYMLINK)) {
      g_chmod (path.c_str (), 0700);
      GDir *dir = g_dir_open (path.c_str (), 0, nullptr);
      while (const gchar *name = dir ? g_dir_read_name (dir) : nullptr) remove_tree (path + "/" + name);
      if (dir) g_dir_close (dir);
      g_rmdir (path.c_str ());
    } else {
      g_unlink (path.c_str ());
    }
  }
  std::string path_;
};

inline int size_of (GeeArrayList *list) { return list ? gee_collection_get_size (GEE_COLLECTION (list)) : -1; }

template <typename T>
T *at (GeeArrayList *list, int i)
{
  auto *item = static_cast<T *> (gee_list_get (GEE_LIST (list), i));
  g_object_unref (item);  /* the list still holds it */
  return item;
}

template <typename T>
void add (GeeArrayList *list, T *item) { gee_collection_add (GEE_COLLECTION (list), item); }

inline Owned<Group> group_named (const char *name) { return own (torvanix_providers_contracts_server_group_new_with_name (name)); }

inline Owned<Server> server_titled (const char *title)
{
  auto server = own (torvanix_providers_contracts_server_new_with_provider ("MySQL"));
  torvanix_providers_contracts_server_set_title (server.get (), title);
  return server;
}

inline GeeArrayList *orgs (Setting *s) { return torvanix_providers_contracts_server_setting_get_organizations (s); }
inline GeeArrayList *groups (Setting *s) { return torvanix_providers_contracts_server_setting_get_groups (s); }
inline GeeArrayList *servers (Setting *s) { return torvanix_providers_contracts_server_setting_get_servers (s); }
inline GeeArrayList *servers_of (Group *g) { return torvanix_providers_contracts_server_group_get_servers (g); }
inline GeeArrayList *groups_of (Organization *o) { return torvanix_providers_contracts_organization_get_groups (o); }

inline std::vector<Server *> united (Setting *setting)
{
  gint n = -1;
  Server **all = torvanix_providers_contracts_server_setting_unite_servers (setting, &n);
  std::vector<Server *> result (all, all + n);
  EXPECT_EQ (all[n], nullptr);
  for (Server *s : result) g_object_unref (s);  /* the tree still holds them */
  g_free (all);
  return result;
}

inline std::string read_file (const std::string &path)
{
  gchar *text = nullptr;
  gsize length = 0;
  EXPECT_TRUE (g_file_get_contents (path.c_str (), &text, &length, nullptr));
  std::string result (text ? text : "", length);
  g_free (text);
  return result;
}

/* One organization (two groups), one top-level group, two top-level
 * profiles; every profile's every property differs from its start value. */
inline Owned<Setting> sample_tree ()
{
  auto setting = own (torvanix_providers_contracts_server_setting_new ());
  auto north = own (torvanix_providers_contracts_organization_new_with_name ("North"));
  auto g1 = group_named ("g1");
  auto g2 = group_named ("g2");
  auto dev = group_named ("Dev");
  int n = 0;
  for (GeeArrayList *list : {servers_of (g1.get ()), servers_of (g1.get ()), servers_of (dev.get ()),
                             servers (setting.get ()), servers (setting.get ())}) {
    auto server = own (torvanix_providers_contracts_server_new ());
    fill_every_property (server.get ());
    torvanix_providers_contracts_server_set_title (server.get (), ("s" + std::to_string (++n)).c_str ());
    torvanix_providers_contracts_server_set_port (server.get (), 3300 + n);
    add (list, server.get ());
  }
  add (groups_of (north.get ()), g1.get ());
  add (groups_of (north.get ()), g2.get ());
  add (orgs (setting.get ()), north.get ());
  add (groups (setting.get ()), dev.get ());
  return setting;
}

}  // namespace providers::testing
