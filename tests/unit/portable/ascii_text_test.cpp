#include "text/ascii_text.h"

#include <gtest/gtest.h>

// Only A-Z and a-z fold: not their neighbours, nor a byte of ア (0x83 0x41) or ﾁ (0xC1).
TEST(AsciiText, FoldsLettersOnly) {
  const char input[] = "AZaz@[`{0\\\x10\x83\xc1";
  const char lower[] = "azaz@[`{0\\\x10\x83\xc1";
  const char upper[] = "AZAZ@[`{0\\\x10\x83\xc1";
  const char letter[] = "1111000000000";
  for (size_t i = 0; i + 1 < sizeof input; ++i) {
    EXPECT_EQ(ToAsciiLower(input[i]), lower[i]) << i;
    EXPECT_EQ(ToAsciiUpper(input[i]), upper[i]) << i;
    EXPECT_EQ(IsAsciiLetter(input[i]), letter[i] == '1') << i;
  }
}
