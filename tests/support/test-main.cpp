/* Entry point of every test executable: installs the log sink first, so no
 * GLib message escapes the tests' checks. */
#include <gtest/gtest.h>

#include <clocale>

#include "support/log-capture.h"

int main (int argc, char **argv)
{
  /* Take the locale from the environment, as applications do, so tests run
   * under LC_ALL=de_DE.UTF-8 really see a decimal comma. */
  std::setlocale (LC_ALL, "");
  providers::testing::install_log_sink ();
  ::testing::InitGoogleTest (&argc, argv);
  return RUN_ALL_TESTS ();
}
