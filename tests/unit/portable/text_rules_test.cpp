// The text helpers where a byte-wise routine goes wrong: characters, bounded text, sizes.
#include <gtest/gtest.h>

#include "text/bounded_text.h"
#include "text/size_text.h"
#include "text/sjis.h"

TEST(CharacterRule, TheLastCharacterIsWhole) {
  // clang-format off
  const std::pair<const char*, size_t> cases[] = {  // a text, the offset of its last character
      {"C:\\GAME\\", 7}, {"\\", 0}, {"\x95\x5c\\", 2}, {"SAMPLE\\表", 7},  // 表 is 0x95 0x5C
      {"\xb1\\", 0},  // a half-width katakana takes the backslash with it
      {"ab\x95", 2}};  // a lead byte before the terminator stands alone
  // clang-format on
  for (const auto& [text, last] : cases) EXPECT_EQ(LastChar(text), text + last) << text;
  EXPECT_EQ(LastChar(""), nullptr);
  const char* path = "C:\\ソフト\\表";
  EXPECT_EQ(FindLastBackslash(path), path + 9);  // C:\ then three two-byte characters
}

TEST(BoundedText, CutsAtWholeCharacterAndSaysSo) {
  char out[6];
  EXPECT_FALSE(CopyText(out, sizeof out, "abcd表"));  // 表 would need bytes 4 and 5
  EXPECT_STREQ(out, "abcd");
  EXPECT_TRUE(CopyTextPart(out, sizeof out, "表xyz", 3));
  EXPECT_STREQ(out, "表x");
  EXPECT_FALSE(AppendTextPart(out, sizeof out, "表表", 4));  // room for one more only
  EXPECT_STREQ(out, "表x表");
  EXPECT_FALSE(FormatText(out, sizeof out, "%s", "0123456789"));
  EXPECT_STREQ(out, "01234");
  char wide[32];
  EXPECT_TRUE(FormatText(wide, sizeof wide, "%c:\\|%d|%u|%02u|%x|%%", 'E', -12, 7u, 5u, 255u));
  EXPECT_STREQ(wide, "E:\\|-12|7|05|ff|%");
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
