// setup.ini's lines by whole characters, where a byte-wise routine goes wrong.
#include "text/line_characters.h"

#include <gtest/gtest.h>

#include <utility>

TEST(LineCharacters, TheLastCharacterIsWhole) {
  // clang-format off
  const std::pair<const char*, size_t> cases[] = {  // a text, the offset of its last character
      {"C:\\GAME\\", 7}, {"\\", 0}, {"\x95\x5c\\", 2}, {"SAMPLE\\表", 7},  // 表 is 0x95 0x5C
      {"\xb1\\", 0},  // a half-width katakana takes the backslash with it
      {"ab\x95", 2}};  // a lead byte before the terminator stands alone
  // clang-format on
  for (const auto& [text, last] : cases) EXPECT_EQ(LastChar(text), text + last) << text;
  EXPECT_EQ(LastChar(""), nullptr);
}
