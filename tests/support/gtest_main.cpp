#include <gtest/gtest.h>

#include "tests/support/test_locale.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (!celforo::testing::ApplyTestLocale()) return 1;
  return RUN_ALL_TESTS();
}
