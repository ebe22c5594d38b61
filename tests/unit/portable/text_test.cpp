// The character rule and bounded text: the cases where a byte-wise routine goes wrong.
#include <gtest/gtest.h>
#include <string.h>

#include "text/bounded_text.h"
#include "text/size_text.h"
#include "text/sjis.h"

TEST(CharacterRule, TrailByteIsNeverABackslash) {
  struct Case {
    const char* text;
    bool endsWithBackslash;
  } cases[] = {
      {"C:\\GAME\\", true},  {"C:\\GAME\\表", false}, {"\x95\x5c", false},
      {"\xb1\\", false},     // half-width katakana takes the backslash as its second byte
      {"\x95\x5c\\", true},  {"", false},             {"\\", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EndsWithBackslash(c.text), c.endsWithBackslash) << c.text;
  }
  const char* path = "C:\\ソフト\\表";
  EXPECT_EQ(FindLastBackslash(path), path + 9);  // C:\ then three two-byte characters
}

TEST(CharacterRule, RemoveTrailingBackslashTakesOneWholeCharacter) {
  char a[] = "E:\\\\";
  EXPECT_TRUE(RemoveTrailingBackslash(a));
  EXPECT_STREQ(a, "E:\\");
  char b[] = "SAMPLE\\表";
  EXPECT_FALSE(RemoveTrailingBackslash(b));
  EXPECT_STREQ(b, "SAMPLE\\表");
}

TEST(CharacterRule, LoneLeadByteBeforeTerminatorStandsAlone) {
  EXPECT_EQ(CharLength("\x95"), 1u);
  EXPECT_EQ(WholeCharLength("ab\x95\x5c", 3), 2u);
  EXPECT_EQ(WholeCharLength("ab\x95\x5c", 4), 4u);
}

TEST(BoundedText, CutsAtWholeCharacterAndSaysSo) {
  char out[6];
  memset(out, 'x', sizeof out);
  EXPECT_FALSE(CopyText(out, sizeof out, "abcd表"));  // 表 would need bytes 4 and 5
  EXPECT_STREQ(out, "abcd");
  EXPECT_TRUE(CopyText(out, sizeof out, "ab表"));
  EXPECT_STREQ(out, "ab表");
  char small[4] = "ab";
  EXPECT_FALSE(AppendText(small, sizeof small, "cd"));
  EXPECT_STREQ(small, "abc");
}

TEST(BoundedText, FormatsEveryConversion) {
  char out[64];
  EXPECT_TRUE(FormatText(out, sizeof out, "%c:\\", 'A' + 4));
  EXPECT_STREQ(out, "E:\\");
  EXPECT_TRUE(FormatText(out, sizeof out, "%d|%u|%02u|%x|%%", -12, 7u, 5u, 255u));
  EXPECT_STREQ(out, "-12|7|05|ff|%");
  char tiny[8];
  EXPECT_FALSE(FormatText(tiny, sizeof tiny, "%s", "0123456789"));
  EXPECT_STREQ(tiny, "0123456");
}

TEST(SizeText, TruncatesToHundredthsOfAMebibyte) {
  struct Case {
    int32_t bytes;
    const char* text;
  } cases[] = {
      {0, "0.00M"},         {1023, "0.00M"},         {104857, "0.09M"},
      {1048575, "0.99M"},   {1048576, "1.00M"},      {1100000, "1.04M"},
      {1500000, "1.42M"},   {5767168, "5.50M"},      {734003200, "700.00M"},
      {2147483647, "2047.99M"}, {-5, "0.00M"},
  };
  for (const Case& c : cases) {
    char out[16];
    FormatSizeText(out, sizeof out, c.bytes);
    EXPECT_STREQ(out, c.text) << c.bytes;
  }
}
