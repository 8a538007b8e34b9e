/* Profiles for the settings tests: the property table, a profile with
 * every property changed, and a property-by-property comparison. */
#pragma once

#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace providers::testing {


/* Every property in its installation order, with what a new profile holds:
 * text for strings, a number for ints and booleans; "databases" is null. */
struct PropertyRow {
  const char *name;
  GType type;
  const char *start_text;
  int start_number;
};

inline const std::vector<PropertyRow> &properties ()
{
  static const std::vector<PropertyRow> rows = {
      {"uuid", G_TYPE_STRING, "", 0}, {"provider", G_TYPE_STRING, "UNKNOWN", 0},
      {"driver", G_TYPE_STRING, "", 0}, {"title", G_TYPE_STRING, "", 0},
      {"host", G_TYPE_STRING, "", 0}, {"port", G_TYPE_INT, nullptr, 0},
      {"username", G_TYPE_STRING, "", 0}, {"password", G_TYPE_STRING, "", 0},
      {"initial", G_TYPE_STRING, "", 0}, {"filename", G_TYPE_STRING, "", 0},
      {"location", G_TYPE_STRING, "", 0}, {"extensions", G_TYPE_STRING, "", 0},
      {"databases", G_TYPE_STRV, nullptr, 0}, {"options", G_TYPE_STRING, "", 0},
      {"ssh-using", G_TYPE_BOOLEAN, nullptr, 0}, {"ssh-process", G_TYPE_STRING, "ssh", 0},
      {"ssh-host", G_TYPE_STRING, "", 0}, {"ssh-port", G_TYPE_INT, nullptr, 22},
      {"ssh-auth-type", G_TYPE_STRING, "password", 0}, {"ssh-username", G_TYPE_STRING, "", 0},
      {"ssh-password", G_TYPE_STRING, "", 0}, {"ssh-key-private-file", G_TYPE_STRING, "", 0},
      {"http-using", G_TYPE_BOOLEAN, nullptr, 0}, {"http-process", G_TYPE_STRING, "wstunnel", 0},
      {"http-protocol", G_TYPE_STRING, "http", 0}, {"http-host", G_TYPE_STRING, "", 0},
      {"http-port", G_TYPE_INT, nullptr, 8080}, {"http-auth", G_TYPE_BOOLEAN, nullptr, 0},
      {"http-username", G_TYPE_STRING, "", 0}, {"http-password", G_TYPE_STRING, "", 0},
      {"http-ca-file", G_TYPE_STRING, "", 0}, {"http-cert-file", G_TYPE_STRING, "", 0},
      {"http-key-file", G_TYPE_STRING, "", 0}, {"ssl-using", G_TYPE_BOOLEAN, nullptr, 0},
      {"ssl-ca-file", G_TYPE_STRING, "", 0}, {"ssl-cert-file", G_TYPE_STRING, "", 0},
      {"ssl-key-file", G_TYPE_STRING, "", 0}, {"ssl-mode", G_TYPE_STRING, "require", 0},
      {"ssl-password", G_TYPE_STRING, "", 0},
  };
  return rows;
}

/* Gives every property of `server` a value unlike its start value. */
inline void fill_every_property (TorvanixProvidersContractsServer *server)
{
  int n = 0;
  for (const auto &row : properties ()) {
    ++n;
    if (row.type == G_TYPE_STRING) {
      std::string text = std::string (row.name) + "-" + std::to_string (n);
      g_object_set (server, row.name, text.c_str (), nullptr);
    } else if (row.type == G_TYPE_INT) {
      g_object_set (server, row.name, -1000 * n, nullptr);
    } else if (row.type == G_TYPE_BOOLEAN) {
      g_object_set (server, row.name, TRUE, nullptr);
    } else {
      const gchar *names[] = {"sales", "", "stock", nullptr};
      g_object_set (server, row.name, names, nullptr);
    }
  }
}

/* Compares two profiles property by property, through the property interface. */
inline void expect_same_properties (TorvanixProvidersContractsServer *a, TorvanixProvidersContractsServer *b, bool same_uuid)
{
  for (const auto &row : properties ()) {
    SCOPED_TRACE (row.name);
    GValue va = G_VALUE_INIT, vb = G_VALUE_INIT;
    g_value_init (&va, row.type);
    g_value_init (&vb, row.type);
    g_object_get_property (G_OBJECT (a), row.name, &va);
    g_object_get_property (G_OBJECT (b), row.name, &vb);
    if (row.type == G_TYPE_STRV) {
      auto **sa = static_cast<gchar **> (g_value_get_boxed (&va));
      auto **sb = static_cast<gchar **> (g_value_get_boxed (&vb));
      EXPECT_TRUE (g_strv_equal (sa, sb));
    } else if (std::strcmp (row.name, "uuid") != 0 || same_uuid) {
      EXPECT_EQ (g_param_values_cmp (g_object_class_find_property (G_OBJECT_GET_CLASS (a), row.name), &va, &vb), 0);
    }
    g_value_unset (&va);
    g_value_unset (&vb);
  }
}

}  // namespace providers::testing
