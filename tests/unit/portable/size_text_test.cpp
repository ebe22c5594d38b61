#include "text/size_text.h"

#include <gtest/gtest.h>

// Each type's total counts whole KiB, a started one as a whole one.
TEST(SizeText, RoundsUpToWholeKiB) {
  const std::pair<int64_t, int64_t> cases[] = {
      {0, 0},
      {1, 1024},
      {1023, 1024},
      {1024, 1024},
      {1025, 2048},
      {4096, 4096},
      {2147483647, 2147483648},
  };
  for (const auto& [bytes, rounded] : cases) EXPECT_EQ(RoundUpToWholeKiB(bytes), rounded) << bytes;
}
