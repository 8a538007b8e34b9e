#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "common/boundary.h"
#include "support/log-capture.h"

using providers::testing::LogCapture;

namespace {

struct Thrown {
  const char *label;
  void (*raise) ();
  const char *said; /* what the CRITICAL or the error says after the function */
};

const Thrown kThrown[] = {
    {"std::exception", [] { throw std::runtime_error ("the row is gone"); }, "the row is gone"},
    {"length_error", [] { throw std::length_error ("vector"); }, "vector"},
    {"anything else", [] { throw 42; }, "unexpected exception"},
};

TEST (Boundary, AnEscapingExceptionBecomesACriticalNamingTheFunctionAndTheFallback)
{
  for (const Thrown &t : kThrown) {
    SCOPED_TRACE (t.label);
    LogCapture log;
    int answer = PROVIDERS_GUARDED (-7, {
      t.raise ();
      return 1;
    });
    EXPECT_EQ (answer, -7);
    const std::string function = __func__;
    EXPECT_EQ (log.criticals (), std::vector<std::string> {function + ": " + t.said});
  }
}

TEST (Boundary, WithAnErrorOutParameterTheExceptionBecomesTheErrorAndNothingIsLogged)
{
  const GQuark domain = g_quark_from_static_string ("BoundaryTest");
  for (const Thrown &t : kThrown) {
    SCOPED_TRACE (t.label);
    LogCapture log;
    GError *error = nullptr;
    const char *answer = PROVIDERS_GUARDED_ERROR (&error, domain, static_cast<const char *> (nullptr), {
      t.raise ();
      return "never";
    });
    EXPECT_EQ (answer, nullptr);
    ASSERT_NE (error, nullptr);
    EXPECT_TRUE (g_error_matches (error, domain, -1));
    EXPECT_STREQ (error->message, t.said);
    g_error_free (error);
    EXPECT_TRUE (log.records ().empty ());
  }
}

TEST (Boundary, ABodyThatReturnsIsAnsweredUntouched)
{
  GError *error = nullptr;
  EXPECT_EQ (PROVIDERS_GUARDED (0, { return 5; }), 5);
  EXPECT_EQ (PROVIDERS_GUARDED_ERROR (&error, G_FILE_ERROR, 0, { return 6; }), 6);
  EXPECT_EQ (error, nullptr);
  /* A null error out-parameter is allowed, as everywhere in GLib. */
  EXPECT_EQ (PROVIDERS_GUARDED_ERROR (nullptr, G_FILE_ERROR, 3, {
               throw std::runtime_error ("dropped");
               return 4;
             }),
             3);
}

}  // namespace
