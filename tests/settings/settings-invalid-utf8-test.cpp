/* Text a settings file spells as something other than UTF-8 (json-glib
 * reads a lone surrogate escape into such bytes) loads as U+FFFD with a
 * warning that names the member, and the tree still saves. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/setting-fixtures.h"
#include "support/log-capture.h"

namespace {

using namespace providers::testing;

const std::string kReplacement = "\xEF\xBF\xBD";

int
replacements_in (const std::string &text)
{
  int count = 0;
  for (size_t at = text.find (kReplacement); at != std::string::npos; at = text.find (kReplacement, at + 1)) ++count;
  return count;
}

/* Every text property of every profile of the tree, and the names of its
 * groups and organizations. */
std::vector<std::string>
texts_of (Setting *setting)
{
  std::vector<std::string> texts;
  for (Server *server : united (setting)) {
    guint n = 0;
    GParamSpec **specs = g_object_class_list_properties (G_OBJECT_GET_CLASS (server), &n);
    for (guint i = 0; i < n; ++i) {
      GValue value = G_VALUE_INIT;
      g_value_init (&value, specs[i]->value_type);
      g_object_get_property (G_OBJECT (server), specs[i]->name, &value);
      if (G_VALUE_HOLDS_STRING (&value) && g_value_get_string (&value)) texts.emplace_back (g_value_get_string (&value));
      if (G_VALUE_HOLDS (&value, G_TYPE_STRV))
        for (gchar **name = static_cast<gchar **> (g_value_get_boxed (&value)); name && *name; ++name)
          texts.emplace_back (*name);
      g_value_unset (&value);
    }
    g_free (specs);
  }
  for (int i = 0; i < size_of (groups (setting)); ++i)
    texts.emplace_back (torvanix_providers_contracts_server_group_get_name (at<Group> (groups (setting), i)));
  for (int i = 0; i < size_of (orgs (setting)); ++i) {
    Organization *org = at<Organization> (orgs (setting), i);
    texts.emplace_back (torvanix_providers_contracts_organization_get_name (org));
    GeeArrayList *org_groups = torvanix_providers_contracts_organization_get_groups (org);
    for (int j = 0; j < size_of (org_groups); ++j)
      texts.emplace_back (torvanix_providers_contracts_server_group_get_name (at<Group> (org_groups, j)));
  }
  return texts;
}

TEST (SettingsInvalidUtf8, LoneSurrogatesLoadAsReplacementsThatSave)
{
  struct Case {
    const char *file;
    const char *member; /* as the warning names it */
    const char *before; /* what the text holds before the replacement */
    const char *kept;   /* a text of the file left as it was, if any */
  };
  const Case cases[] = {
      {R"({"servers": [{"host": "\ud800x"}]})", "servers[0].host", "", nullptr},
      {R"({"servers": [{"title": "a\ud83d\ude00b", "password": "pw\udbff!!"}]})", "servers[0].password", "pw",
       "a\xF0\x9F\x98\x80" "b"},
      {R"({"servers": [{"databases": ["shop", "st\ud83d!ck"]}]})", "servers[0].databases[1]", "st", "shop"},
      {R"({"groups": [{"name": "\ud800 Dev", "servers": []}]})", "groups[0].name", "", nullptr},
      {R"({"organizations": [{"name": "North", "groups": [{"name": "g",
            "servers": [{"ssh-password": "\udbc0zz"}]}]}]})",
       "organizations[0].groups[0].servers[0].ssh-password", "", "North"},
  };
  TempDir dir;
  std::string path = dir.file ("settings.json");
  for (const Case &c : cases) {
    SCOPED_TRACE (c.file);
    ASSERT_TRUE (g_file_set_contents (path.c_str (), c.file, -1, nullptr));
    auto setting = own (torvanix_providers_contracts_server_setting_new ());
    {
      LogCapture log;
      GError *error = nullptr;
      ASSERT_TRUE (torvanix_providers_contracts_server_setting_load (setting.get (), path.c_str (), &error))
          << error->message;
      EXPECT_EQ (log.warnings (), std::vector<std::string> {"Settings file \u201c" + path + "\u201d: the text of " +
                                                            c.member +
                                                            " is not valid UTF-8; each bad sequence is replaced by U+FFFD"});
    }
    int replaced = 0;
    const std::vector<std::string> texts = texts_of (setting.get ());
    for (const std::string &text : texts) {
      EXPECT_TRUE (g_utf8_validate (text.data (), static_cast<gssize> (text.size ()), nullptr)) << text;
      if (text.find (kReplacement) == std::string::npos) continue;
      /* One replacement for the one escape. */
      EXPECT_EQ (replacements_in (text), 1) << text;
      EXPECT_EQ (text.rfind (std::string (c.before) + kReplacement, 0), 0u) << text;
      ++replaced;
    }
    EXPECT_EQ (replaced, 1);
    if (c.kept) {
      EXPECT_NE (std::find (texts.begin (), texts.end (), c.kept), texts.end ()) << c.kept;
    }

    /* What loaded saves, and comes back the same without a warning. */
    GError *error = nullptr;
    ASSERT_TRUE (torvanix_providers_contracts_server_setting_save (setting.get (), &error)) << error->message;
    auto again = own (torvanix_providers_contracts_server_setting_new ());
    ASSERT_TRUE (torvanix_providers_contracts_server_setting_load (again.get (), path.c_str (), nullptr));
    EXPECT_EQ (texts_of (again.get ()), texts);
  }
}

/* A member whose name is not UTF-8 sets no property, but the warning that
 * names it must be UTF-8 itself. */
TEST (SettingsInvalidUtf8, TheWarningIsUtf8WhenTheMemberNameIsNot)
{
  TempDir dir;
  std::string path = dir.file ("settings.json");
  ASSERT_TRUE (g_file_set_contents (path.c_str (), R"({"servers": [{"n\ud800ote": "\ud800text"}]})", -1, nullptr));
  auto setting = own (torvanix_providers_contracts_server_setting_new ());
  LogCapture log;
  ASSERT_TRUE (torvanix_providers_contracts_server_setting_load (setting.get (), path.c_str (), nullptr));
  const std::vector<std::string> warnings = log.warnings ();
  ASSERT_EQ (warnings.size (), 1u);
  const std::string &warning = warnings[0];
  EXPECT_TRUE (g_utf8_validate (warning.data (), static_cast<gssize> (warning.size ()), nullptr)) << warning;
  EXPECT_EQ (warning.rfind ("Settings file \u201c" + path + "\u201d: the text of servers[0].n" + kReplacement, 0), 0u)
      << warning;
}

}  // namespace
