/* What the generated bad-argument sweep calls: valid arguments for every
 * parameter but the one under test, and the checks of the outcome. */
#pragma once

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <libproviders/providers.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "support/log-capture.h"

struct st_mysql;

namespace providers::testing {
class FakeMySQLResult;
}

namespace providers::sweep {

/* Makes and owns the valid arguments of one test. Containers hold items,
 * so that position 0 is valid and the count is known; a reader stands on
 * its first row. */
class Fixture {
 public:
  Fixture ();
  ~Fixture ();
  Fixture (const Fixture &) = delete;
  Fixture &operator= (const Fixture &) = delete;

  /* A fresh instance of `type` (a class or an interface), owned here. */
  gpointer object (GType type);
  /* The number of items a position of `function` counts, on the objects
   * that object () makes. */
  int count (const char *function, const char *param);
  const gchar *text (const char *function, const char *param);
  gpointer pointer (const char *function, const char *param);
  const gchar *const *strv ();
  /* A buffer of the element type named; `taken` when the call keeps it. */
  gpointer buffer (const char *element_type, bool taken);
  gpointer out ();

  GObject *gobject ();
  GeeArrayList *list ();
  GDateTime *date_time ();
  GDate *date ();
  GBytes *bytes ();
  GOutputStream *output_stream ();
  GAsyncResult *async_result ();
  GValue *gvalue ();
  GCancellable *cancellable ();

  void release_object (gpointer object);
  void release_vector (gpointer *vector);

 private:
  gpointer keep (gpointer object);
  gpointer make (GType type);
  gpointer reader_on_a_row ();
  std::vector<gpointer> objects_;
  /* Results the readers borrow; outlive them (freed after the body of the
   * destructor has dropped the objects). */
  std::vector<std::unique_ptr<providers::testing::FakeMySQLResult>> results_;
  std::vector<gpointer> blocks_;
  std::vector<GValue *> values_;
  std::vector<GDateTime *> date_times_;
  std::vector<GDate *> dates_;
  std::vector<GBytes *> bytes_;
  st_mysql *connection_ = nullptr;
  alignas (8) unsigned char out_[64] = {};
};

/* An enumeration holding any number a C caller may pass. */
template <typename Enum>
Enum
enum_from_int (int number)
{
  static_assert (sizeof (Enum) == sizeof number);
  Enum value;
  std::memcpy (&value, &number, sizeof value);
  return value;
}

/* Exactly one CRITICAL, "<function>: assertion '<test>' failed". */
void expect_refused (const providers::testing::LogCapture &log, const char *function, const char *test);
/* Exactly one CRITICAL naming `function` whose test starts with `prefix`. */
void expect_refused_prefix (const providers::testing::LogCapture &log, const char *function, const char *prefix);
/* Exactly one CRITICAL naming `function` whose test mentions `name`. */
void expect_refused_mentioning (const providers::testing::LogCapture &log, const char *function, const char *name);
/* No WARNING but a reader's own, at most one CRITICAL, an assertion. */
void expect_at_most_one_assertion (const providers::testing::LogCapture &log);
/* No CRITICAL and no WARNING. */
void expect_accepted (const providers::testing::LogCapture &log);

}  // namespace providers::sweep
