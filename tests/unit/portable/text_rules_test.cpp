// Text by whole code page 932 characters: letters, bounded copies, line ends, sizes.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "setup_source/line_end.h"
#include "text/ascii_text.h"
#include "text/bounded_text.h"
#include "text/line_characters.h"
#include "text/size_text.h"

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

// setup.ini's lines by whole characters, where a byte-wise routine goes wrong; their ends go.
TEST(LineText, TheLastCharacterIsWholeAndBlanksAndLineEndsGo) {
  // clang-format off
  const std::pair<const char*, size_t> cases[] = {  // a text, the offset of its last character
      {"C:\\GAME\\", 7}, {"\\", 0}, {"\x95\x5c\\", 2}, {"SAMPLE\\表", 7},  // 表 is 0x95 0x5C
      {"\xb1\\", 0},  // a half-width katakana takes the backslash with it
      {"ab\x95", 2}};  // a lead byte before the terminator stands alone
  const char* trims[][2] = {{"game.exe \t\r\n", "game.exe"}, {"  a b  ", "  a b"}, {"   \n", ""},
                            {"", ""}, {"表\n", "表"}, {"\xb1 \n", "\xb1"}, {"a\r\rb\r", "a\r\rb"}};
  // clang-format on
  for (const auto& [text, last] : cases) EXPECT_EQ(LastChar(text), text + last) << text;
  EXPECT_EQ(LastChar(""), nullptr);
  for (const auto& c : trims) {
    std::string text = c[0];
    TrimLineEnd(&text[0]);
    EXPECT_STREQ(text.c_str(), c[1]) << c[0];
  }
}

// Each type's total counts whole KiB, a started one as a whole one; the labels truncate MiB.
TEST(SizeText, RoundsUpToWholeKiBAndTruncatesToHundredthsOfAMebibyte) {
  // clang-format off
  const std::pair<int64_t, int64_t> rounds[] = {
      {0, 0}, {1, 1024}, {1023, 1024}, {1024, 1024}, {1025, 2048}, {4096, 4096},
      {2147483647, 2147483648}};
  const std::pair<int32_t, const char*> labels[] = {
      {0, "0.00M"}, {1023, "0.00M"}, {104857, "0.09M"}, {1048575, "0.99M"}, {1048576, "1.00M"},
      {1500000, "1.42M"}, {734003200, "700.00M"}, {2147483647, "2047.99M"}, {-5, "0.00M"}};
  // clang-format on
  for (const auto& [bytes, rounded] : rounds) EXPECT_EQ(RoundUpToWholeKiB(bytes), rounded) << bytes;
  for (const auto& [bytes, label] : labels) {
    char out[16];
    FormatSizeText(out, sizeof out, bytes);
    EXPECT_STREQ(out, label) << bytes;
  }
}
