/* Counts "notify::<property>" emissions of one object. */
#pragma once

#include <glib-object.h>

#include <string>

namespace providers::testing {

class NotifyCounter {
 public:
  NotifyCounter (gpointer object, const char *property)
      : object_ (G_OBJECT (object)) {
    std::string signal = std::string ("notify::") + property;
    handler_ = g_signal_connect (object_, signal.c_str (), G_CALLBACK (on_notify), this);
  }
  ~NotifyCounter () { g_signal_handler_disconnect (object_, handler_); }
  NotifyCounter (const NotifyCounter &) = delete;
  NotifyCounter &operator= (const NotifyCounter &) = delete;

  int count () const { return count_; }
  void reset () { count_ = 0; }

 private:
  static void on_notify (GObject *, GParamSpec *, gpointer self) { ++static_cast<NotifyCounter *> (self)->count_; }

  GObject *object_;
  gulong handler_ = 0;
  int count_ = 0;
};

}  // namespace providers::testing
