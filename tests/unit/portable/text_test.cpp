// The character rule and bounded text: the cases where a byte-wise routine goes wrong.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "text/bounded_text.h"
#include "text/size_text.h"
#include "text/sjis.h"

TEST(CharacterRule, TheLastCharacterIsWhole) {
  struct Case {
    const char* text;
    size_t last;  // offset of the last character's first byte
    bool halfCharacter;
    const char* withoutBackslash;
  } cases[] = {
      // clang-format off
      {"C:\\GAME\\", 7, false, "C:\\GAME"},     {"E:\\\\", 3, false, "E:\\"},
      {"SAMPLE\\表", 7, false, "SAMPLE\\表"},  // 表 is 0x95 0x5C
      {"\xb1\\", 0, false, "\xb1\\"},  // a half-width katakana takes the backslash with it
      {"\x95\x5c\\", 2, false, "\x95\x5c"},    {"\\", 0, false, ""},
      {"ab\x95", 2, true, "ab\x95"},  // a lead byte before the terminator stands alone
      // clang-format on
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LastChar(c.text), c.text + c.last) << c.text;
    EXPECT_EQ(EndsInHalfCharacter(c.text), c.halfCharacter) << c.text;
    std::string text = c.text;
    EXPECT_EQ(RemoveTrailingBackslash(&text[0]), strcmp(c.withoutBackslash, c.text) != 0);
    EXPECT_STREQ(text.c_str(), c.withoutBackslash);
  }
  EXPECT_EQ(LastChar(""), nullptr);
  const char* path = "C:\\ソフト\\表";
  EXPECT_EQ(FindLastBackslash(path), path + 9);  // C:\ then three two-byte characters
  EXPECT_EQ(WholeCharLength("ab\x95\x5c", 3), 2u);
}

TEST(BoundedText, CutsAtWholeCharacterAndSaysSo) {
  char out[6];
  memset(out, 'x', sizeof out);
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
