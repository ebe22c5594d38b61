#include "text/bounded_text.h"

#include <gtest/gtest.h>

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
