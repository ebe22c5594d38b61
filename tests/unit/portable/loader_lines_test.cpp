// Cutting and trimming lines of setup.ini: the cases where a byte-wise cut goes wrong.
#include <gtest/gtest.h>

#include <string>

#include "setup_source/directive_line.h"
#include "setup_source/line_end.h"

TEST(DirectiveLine, KeywordAndValueCuts) {
  struct Case {
    const char* line;
    const char* keyword;
    const char* value;
  } cases[] = {
      // clang-format off
      {"#TITLE abc  \n", "TITLE", "abc  "},     // no closing quote: trailing blanks belong to it
      {"#TITLE \"abc  \"\n", "TITLE", "abc  "}, {"#TITLE \"  abc\"\n", "TITLE", "  abc"},
      {"#TITLE \"ab \"cd\"\n", "TITLE", "ab "}, {"#TITLE\t \tab\tcd\n", "TITLE", "ab\tcd"},
      {"#PATH", "PATH", ""}, {"#PATH\r\n", "PATH", ""}, {"#\n", "", ""},
      {"#TITLE\"x\"\n", "TITLE\"x\"", ""}, {"#DEFDIR c:/Games/\n", "DEFDIR", "c:/Games/"},
      {"#PATH ソフト\\表\n", "PATH", "ソフト\\表"},  // ソ and 表 end in 0x5C: both stay whole
      // A half-width katakana takes the quote after it, but never the line's own LF.
      {"#TITLE \"\xb1\" x\" y\n", "TITLE", "\xb1\" x"}, {"#TITLE \"\xb1\"\n", "TITLE", "\xb1\""},
      {"#TITLE \xb1\n", "TITLE", "\xb1"},
      {"#TITLE\x95 x\n", "TITLE\x95 x", ""},  // a lead byte takes a blank: the keyword runs on
      // clang-format on
  };
  for (const Case& c : cases) {
    char keyword[512];
    char value[512];
    CutDirectiveLine(c.line, keyword, sizeof keyword, value, sizeof value);
    EXPECT_STREQ(keyword, c.keyword) << c.line;
    EXPECT_STREQ(value, c.value) << c.line;
  }
}

TEST(TrimLineEnd, RemovesBlanksAndLineEndsOnlyAtTheEnd) {
  // clang-format off
  const char* cases[][2] = {{"game.exe \t\r\n", "game.exe"}, {"  a b  ", "  a b"}, {"   \n", ""},
                            {"", ""}, {"表\n", "表"}, {"\xb1 \n", "\xb1"}, {"a\r\rb\r", "a\r\rb"}};
  // clang-format on
  for (const auto& c : cases) {
    std::string text = c[0];
    TrimLineEnd(&text[0]);
    EXPECT_STREQ(text.c_str(), c[1]) << c[0];
  }
}
