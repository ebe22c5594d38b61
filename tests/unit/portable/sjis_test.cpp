// Code page 932 by whole characters, where a byte-wise routine goes wrong.
#include "text/sjis.h"

#include <gtest/gtest.h>

TEST(Sjis, TheLastCharacterIsWhole) {
  // clang-format off
  const std::pair<const char*, size_t> cases[] = {  // a text, the offset of its last character
      {"C:\\GAME\\", 7}, {"\\", 0}, {"\x95\x5c\\", 2}, {"SAMPLE\\表", 7},  // 表 is 0x95 0x5C
      {"\xb1\\", 0},  // a half-width katakana takes the backslash with it
      {"ab\x95", 2}};  // a lead byte before the terminator stands alone
  // clang-format on
  for (const auto& [text, last] : cases) EXPECT_EQ(LastChar(text), text + last) << text;
  EXPECT_EQ(LastChar(""), nullptr);
}

// Paths go by code page 932's own lead bytes, as Windows splits them.
TEST(Sjis, PathsSplitAtTheBackslashWindowsSees) {
  const std::pair<const char*, int> cases[] = {
      // a path, the offset of its last backslash
      {"C:\\ソフト\\表", 9}, {"D:\\ｿﾌﾄ\\GAME", 6}, {"\x80\\", 1},  {"\xa0\\", 1},
      {"\xfd\\x", 1},        {"\x81\\", -1},       {"\xfc\\", -1}, {"ｿ\\\x95", 1}};
  for (const auto& [path, at] : cases) {
    const char* found = FindLastBackslash(path);
    EXPECT_EQ(found == nullptr ? -1 : found - path, at) << path;
    EXPECT_EQ(EndsWithBackslash(path), at >= 0 && path[at + 1] == '\0') << path;
  }
}
