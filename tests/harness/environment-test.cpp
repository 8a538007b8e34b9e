#include <glib.h>
#include <gtest/gtest.h>

#include <string>

namespace {

TEST (Harness, EveryTestSeesTheWholeCommonEnvironment)
{
  EXPECT_STREQ (g_getenv ("G_SLICE"), "always-malloc");
  EXPECT_STREQ (g_getenv ("G_DEBUG"), "gc-friendly");
  ASSERT_NE (g_getenv ("LSAN_OPTIONS"), nullptr);
  EXPECT_NE (std::string (g_getenv ("LSAN_OPTIONS")).find ("lsan.supp"), std::string::npos);
}

TEST (Harness, AVariantSeesEachOfItsVariables)
{
  const char *variant = g_getenv ("PROVIDERS_HARNESS_VARIANT");
  if (variant == nullptr) {
    EXPECT_EQ (g_getenv ("TZ"), nullptr);
    return;
  }
  EXPECT_STREQ (variant, "two");
  EXPECT_STREQ (g_getenv ("TZ"), "Asia/Tokyo");
}

}  // namespace
