#include "setup_source/directive_line.h"

#include <gtest/gtest.h>

#include "text/line_characters.h"

TEST(DirectiveLine, KeywordAndValueCuts) {
  // clang-format off
  const char* cases[][3] = {  // line, keyword, value
      {"#TITLE abc  \n", "TITLE", "abc  "},     // no closing quote: trailing blanks belong to it
      {"#TITLE \"abc  \"\n", "TITLE", "abc  "}, {"#TITLE \"  abc\"\n", "TITLE", "  abc"},
      {"#TITLE \"ab \"cd\"\n", "TITLE", "ab "}, {"#TITLE\t \tab\tcd\n", "TITLE", "ab\tcd"},
      {"#PATH", "PATH", ""}, {"#PATH\r\n", "PATH", ""}, {"#\n", "", ""},
      {"#TITLE\"x\"\n", "TITLE\"x\"", ""}, {"#DEFDIR c:/Games/\n", "DEFDIR", "c:/Games/"},
      {"#PATH ソフト\\表\n", "PATH", "ソフト\\表"},  // ソ and 表 end in 0x5C: both stay whole
      // A half-width katakana never takes the line's own LF (its quote: setup-check's test).
      {"#TITLE \xb1\n", "TITLE", "\xb1"},
      {"#TITLE\x95 x\n", "TITLE\x95 x", ""},  // a lead byte takes a blank: the keyword runs on
  };
  // clang-format on
  for (const auto& c : cases) {
    char keyword[kLineSize], value[kLineSize];
    CutDirectiveLine(c[0], keyword, sizeof keyword, value, sizeof value);
    EXPECT_STREQ(keyword, c[1]) << c[0];
    EXPECT_STREQ(value, c[2]) << c[0];
  }
}
