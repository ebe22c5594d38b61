#include "text/size_text.h"

#include <gtest/gtest.h>

// Each type's total counts whole KiB, a started one as a whole one.
TEST(SizeText, RoundsUpToWholeKiB) {
  // clang-format off
  const std::pair<int64_t, int64_t> cases[] = {
      {0, 0}, {1, 1024}, {1023, 1024}, {1024, 1024}, {1025, 2048}, {4096, 4096},
      {2147483647, 2147483648}};
  // clang-format on
  for (const auto& [bytes, rounded] : cases) EXPECT_EQ(RoundUpToWholeKiB(bytes), rounded) << bytes;
}

TEST(SizeText, TruncatesToHundredthsOfAMebibyte) {
  // clang-format off
  const std::pair<int32_t, const char*> cases[] = {
      {0, "0.00M"}, {1023, "0.00M"}, {104857, "0.09M"}, {1048575, "0.99M"}, {1048576, "1.00M"},
      {1500000, "1.42M"}, {734003200, "700.00M"}, {2147483647, "2047.99M"}, {-5, "0.00M"}};
  // clang-format on
  for (const auto& c : cases) {
    char out[16];
    FormatSizeText(out, sizeof out, c.first);
    EXPECT_STREQ(out, c.second) << c.first;
  }
}
