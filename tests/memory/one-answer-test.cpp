/* An answer of one cell or of one count holds none of the rows it does not
 * answer with: execute_scalar and execute_affect on a result of a million
 * rows, first or later in the text, raise the process's peak resident size
 * by far less than those rows take held whole in the client (well over
 * 70 MiB), and answer what they answer on a short result; for every
 * engine. scripts/memory asks for more rows (PROVIDERS_MEMORY_ANSWER_ROWS). */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <string>

#include "engine-context.h"
#include "memory-meter.h"
#include "support/gobject-test.h"

using providers::testing::engine;
using providers::testing::own;
using providers::testing::peak_resident_bytes;
using providers::testing::resident_bytes;
using providers::testing::take_string;

namespace {

/* A few row buffers and allocator slack; a whole result is many times it. */
constexpr size_t kAllowedGrowth = 12 * 1024 * 1024;

enum class Shape { kScalar, kAffect };

struct Case {
  const char *name;
  Shape shape;
  std::string statement;
  std::string answer; /* the scalar's text, or the count */
};

class OneAnswer : public ::testing::Test {
 protected:
  TorvanixProvidersContractsIProvider *p () { return providers::testing::as_iprovider (provider_); }

  std::string answer (const Case &c)
  {
    GError *error = nullptr;
    std::string text;
    if (c.shape == Shape::kAffect) {
      text = std::to_string (torvanix_providers_contracts_iprovider_execute_affect (p (), c.statement.c_str (), 0, &error));
    } else {
      auto value = own (torvanix_providers_contracts_iprovider_execute_scalar (p (), c.statement.c_str (), 0, &error));
      if (value)
        text = take_string (torvanix_providers_contracts_ivalue_to_string (value.get ()));
    }
    EXPECT_EQ (error, nullptr) << c.name << ": " << (error ? error->message : "");
    g_clear_error (&error);
    return text;
  }

  providers::testing::Owned<GObject> provider_ = engine ().open ();
};

TEST_F (OneAnswer, HoldsNoRowItDoesNotAnswerWith)
{
  const long rows = providers::testing::figure_from_environment ("PROVIDERS_MEMORY_ANSWER_ROWS", 1000000);
  ASSERT_TRUE (provider_);
  const std::string many = engine ().long_result (static_cast<int> (rows));
  const Case cases[] = {
    {"scalar", Shape::kScalar, many, "1"},
    {"affect", Shape::kAffect, many, std::to_string (rows)},
    {"scalar, rows later in the text", Shape::kScalar, "SELECT 'first'; " + many, "first"},
    {"affect, rows later in the text", Shape::kAffect, engine ().long_result (1) + " LIMIT 0; " + many, "0"},
  };
  /* One-time growth (the connection's buffers, classes) before measuring. */
  answer ({"warm-up", Shape::kScalar, engine ().long_result (1000), "1"});
  for (const Case &c : cases) {
    if (!providers::testing::reset_peak_resident ())
      GTEST_SKIP () << "the kernel does not let the peak resident size be reset";
    const size_t before = resident_bytes ();
    EXPECT_EQ (answer (c), c.answer) << c.name;
    const size_t peak = peak_resident_bytes ();
    const size_t growth = peak > before ? peak - before : 0;
    std::printf ("memory: %s, %s, %ld rows: peak resident +%zu KiB\n", engine ().name, c.name, rows, growth / 1024);
    EXPECT_LT (growth, kAllowedGrowth) << c.name;
  }
}

}  // namespace
