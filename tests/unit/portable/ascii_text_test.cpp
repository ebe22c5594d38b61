#include "text/ascii_text.h"

#include <gtest/gtest.h>

// Only A-Z and a-z fold; the bytes beside them and every byte of 0x80 or more stay.
TEST(AsciiText, FoldsLettersOnly) {
  struct Case {
    char c, lower, upper;
    bool letter;
  };
  const Case cases[] = {
      {'A', 'a', 'A', true},           {'Z', 'z', 'Z', true},
      {'a', 'a', 'A', true},           {'z', 'z', 'Z', true},
      {'@', '@', '@', false},          {'[', '[', '[', false},
      {'`', '`', '`', false},          {'{', '{', '{', false},
      {'0', '0', '0', false},          {'\\', '\\', '\\', false},
      {'\x10', '\x10', '\x10', false}, {'\x83', '\x83', '\x83', false},  // lead byte of ア
      {'\xc1', '\xc1', '\xc1', false},                                   // half-width チ
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToAsciiLower(c.c), c.lower) << int(c.c);
    EXPECT_EQ(ToAsciiUpper(c.c), c.upper) << int(c.c);
    EXPECT_EQ(IsAsciiLetter(c.c), c.letter) << int(c.c);
  }
}
