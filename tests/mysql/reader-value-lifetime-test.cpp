/* Values from the reader, many of them built ahead on another thread, are
 * GObjects like any other to their owner: weak references, toggle
 * references, qdata, handlers, watched closures and notifications behave
 * as GLib promises, on the last unref and on an explicit dispose alike. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/gobject-test.h"
#include "test-server.h"

using providers::testing::make_profile;
using providers::testing::own;
using providers::testing::Owned;
using providers::testing::test_server;

namespace {

/* What the callbacks saw. */
struct Seen {
  int weak = 0;         /* weak reference notifications */
  int destroyed = 0;    /* qdata, handler data and closure invalidations */
  int notified = 0;     /* "notify" emissions */
  std::vector<bool> toggles;  /* is_last_ref of each toggle notification */
  GObject *where = nullptr;
};

void on_weak (gpointer data, GObject *where)
{
  auto *seen = static_cast<Seen *> (data);
  ++seen->weak;
  seen->where = where;
}

void on_destroy (gpointer data)
{
  ++static_cast<Seen *> (data)->destroyed;
}

void on_destroy_closure (gpointer data, GClosure *)
{
  ++static_cast<Seen *> (data)->destroyed;
}

void on_notify (GObject *, GParamSpec *, gpointer data)
{
  ++static_cast<Seen *> (data)->notified;
}

void on_toggle (gpointer data, GObject *, gboolean is_last_ref)
{
  static_cast<Seen *> (data)->toggles.push_back (is_last_ref != FALSE);
}

/* One way of using a value and dropping it; each takes the caller's only
 * reference and checks what its owner sees. */
using Check = std::function<void (GObject *, const std::string &)>;

struct NamedCheck {
  const char *name;
  Check run;
};

const NamedCheck kChecks[] = {
  {"weak reference",
   [] (GObject *value, const std::string &where) {
     Seen seen;
     g_object_weak_ref (value, on_weak, &seen);
     g_object_unref (value);
     EXPECT_EQ (seen.weak, 1) << where;
     EXPECT_EQ (seen.where, value) << where;
   }},
  {"GWeakRef",
   [] (GObject *value, const std::string &where) {
     GWeakRef weak;
     g_weak_ref_init (&weak, value);
     gpointer held = g_weak_ref_get (&weak);
     EXPECT_EQ (held, value) << where;
     g_object_unref (held);
     g_object_unref (value);
     EXPECT_EQ (g_weak_ref_get (&weak), nullptr) << where;
     g_weak_ref_clear (&weak);
   }},
  {"toggle reference",
   [] (GObject *value, const std::string &where) {
     Seen seen;
     g_object_weak_ref (value, on_weak, &seen);
     g_object_add_toggle_ref (value, on_toggle, &seen);
     g_object_unref (value);  // the toggle reference is the last one
     g_object_ref (value);
     g_object_unref (value);
     EXPECT_EQ (seen.toggles, (std::vector<bool>{true, false, true})) << where;
     EXPECT_EQ (seen.weak, 0) << where;
     g_object_remove_toggle_ref (value, on_toggle, &seen);
     EXPECT_EQ (seen.weak, 1) << where;
   }},
  {"qdata",
   [] (GObject *value, const std::string &where) {
     static const GQuark quark = g_quark_from_static_string ("providers-test-lifetime");
     Seen seen;
     g_object_set_qdata_full (value, quark, &seen, on_destroy);
     EXPECT_EQ (g_object_get_qdata (value, quark), &seen) << where;
     g_object_unref (value);
     EXPECT_EQ (seen.destroyed, 1) << where;
   }},
  {"signal handler",
   [] (GObject *value, const std::string &where) {
     Seen seen;
     gulong id = g_signal_connect_data (value, "notify::name", G_CALLBACK (on_notify), &seen, on_destroy_closure,
                                        static_cast<GConnectFlags> (0));
     g_object_notify (value, "name");
     EXPECT_EQ (seen.notified, 1) << where;
     EXPECT_TRUE (g_signal_handler_is_connected (value, id)) << where;
     g_object_unref (value);
     EXPECT_EQ (seen.destroyed, 1) << where;
   }},
  {"watched closure",
   [] (GObject *value, const std::string &where) {
     Seen seen;
     GClosure *closure = g_cclosure_new (G_CALLBACK (on_notify), &seen, nullptr);
     g_closure_ref (closure);
     g_closure_sink (closure);
     g_closure_add_invalidate_notifier (closure, &seen, on_destroy_closure);
     g_object_watch_closure (value, closure);
     g_object_unref (value);
     EXPECT_EQ (seen.destroyed, 1) << where;
     g_closure_unref (closure);
   }},
  {"frozen notifications",
   [] (GObject *value, const std::string &where) {
     Seen seen;
     g_signal_connect (value, "notify", G_CALLBACK (on_notify), &seen);
     g_object_freeze_notify (value);
     g_object_notify (value, "name");
     g_object_notify (value, "name");
     EXPECT_EQ (seen.notified, 0) << where;
     g_object_thaw_notify (value);
     EXPECT_EQ (seen.notified, 1) << where;
     /* Writing its own value back notifies once. */
     GParamSpec *own_value = g_object_class_find_property (G_OBJECT_GET_CLASS (value), "itsvalue");
     if (own_value != nullptr && (own_value->flags & G_PARAM_WRITABLE)) {
       GValue v = G_VALUE_INIT;
       g_value_init (&v, own_value->value_type);
       g_object_get_property (value, "itsvalue", &v);
       g_object_set_property (value, "itsvalue", &v);
       g_value_unset (&v);
       EXPECT_EQ (seen.notified, 2) << where;
     }
     g_object_unref (value);
   }},
  {"explicit dispose",
   [] (GObject *value, const std::string &where) {
     Seen seen;
     g_object_weak_ref (value, on_weak, &seen);
     gulong id = g_signal_connect_data (value, "notify", G_CALLBACK (on_notify), &seen, on_destroy_closure,
                                        static_cast<GConnectFlags> (0));
     g_object_run_dispose (value);
     /* Disposed but alive: its weak references told, its handlers gone. */
     EXPECT_EQ (seen.weak, 1) << where;
     EXPECT_EQ (seen.destroyed, 1) << where;
     EXPECT_FALSE (g_signal_handler_is_connected (value, id)) << where;
     g_object_unref (value);
     EXPECT_EQ (seen.weak, 1) << where;
   }},
};

}  // namespace

/* Every row's values go through one of the checks, in turn, so that each
 * check meets every column's class on rows the reader built ahead as well
 * as on the first rows it built itself. */
TEST (ReaderValueLifetime, ValuesBehaveAsAnyGObjectToTheirOwner)
{
  auto provider = own (torvanix_providers_supports_my_sql_provider_new ());
  auto *p = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (p, make_profile (test_server ()).get (), "", &error);
  ASSERT_EQ (error, nullptr) << error->message;
  const char *statement =
      "SELECT seq, CONCAT('row ', seq), seq * 1.5, seq * 0.25e0, NOW(), DATE '2020-01-01' + INTERVAL seq DAY,"
      " IF(seq % 3 = 0, NULL, seq), X'00FF', 'x' FROM seq_1_to_3000";
  auto *reader = torvanix_providers_contracts_iprovider_execute_reader (p, statement, &error);
  ASSERT_NE (reader, nullptr) << error->message;
  const std::size_t checks = G_N_ELEMENTS (kChecks);
  std::size_t row = 0;
  while (torvanix_providers_contracts_idata_reader_read (reader, &error)) {
    gint length = 0;
    auto **values = torvanix_providers_contracts_idata_reader_get_values (reader, &length, &error);
    ASSERT_NE (values, nullptr);
    ASSERT_EQ (length, 9);
    const NamedCheck &check = kChecks[row % checks];
    for (gint i = 0; i < length; ++i) {
      GObject *value = G_OBJECT (values[i]);
      ASSERT_EQ (value->ref_count, 1u) << "row " << row << " column " << i;
      check.run (value, std::string (check.name) + ", row " + std::to_string (row) + ", column " +
                            std::to_string (i) + " (" + G_OBJECT_TYPE_NAME (value) + ")");
    }
    g_free (values);
    ++row;
  }
  EXPECT_EQ (error, nullptr);
  EXPECT_EQ (row, 3000u);
  g_object_unref (reader);
}
