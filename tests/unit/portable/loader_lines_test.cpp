// Cutting and trimming lines of setup.ini, and the file-line safety rule: the cases where
// a byte-wise cut or a loose path check goes wrong.
#include <gtest/gtest.h>

#include <string>

#include "setup_source/directive_line.h"
#include "setup_source/line_end.h"
#include "setup_source/relative_path.h"

TEST(DirectiveLine, KeywordAndValueCuts) {
  struct Case {
    const char* line;
    const char* keyword;
    const char* value;
  } cases[] = {
      {"#TITLE abc  \n", "TITLE", "abc  "},  // no closing quote: trailing blanks belong to it
      {"#TITLE \"abc  \"\n", "TITLE", "abc  "},
      {"#TITLE \"  abc\"\n", "TITLE", "  abc"},  // blanks after the opening quote stay
      {"#TITLE \"ab \"cd\"\n", "TITLE", "ab "},  // ends at the first quote
      {"#TITLE\t \tab\tcd\n", "TITLE", "ab\tcd"},
      {"#PATH\n", "PATH", ""},
      {"#PATH", "PATH", ""},
      {"#PATH\r\n", "PATH", ""},
      {"#TITLE a\rb\n", "TITLE", "a"},
      {"#TITLE\"x\"\n", "TITLE\"x\"", ""},  // a quote does not end the keyword
      {"#\n", "", ""},
      {"##FILE\n", "#FILE", ""},
      {"#INSTALL_LST more words\n", "INSTALL_LST", "more words"},
      {"#DEFDIR c:/Games/\n", "DEFDIR", "c:/Games/"},
      // The second byte of 表 is 0x5C and of ソ 0x5C too: both stay whole.
      {"#PATH ソフト\\表\n", "PATH", "ソフト\\表"},
      // A half-width katakana takes the quote after it; the value runs to the next quote.
      {"#TITLE \"\xb1\" x\" y\n", "TITLE", "\xb1\" x"},
      {"#TITLE \"\xb1\"\n", "TITLE", "\xb1\""},
      // ... but never the line's own LF.
      {"#TITLE \xb1\n", "TITLE", "\xb1"},
      // A lead byte takes a blank: the keyword runs on.
      {"#TITLE\x95 x\n", "TITLE\x95 x", ""},
  };
  for (const Case& c : cases) {
    char keyword[512];
    char value[512];
    CutDirectiveLine(c.line, keyword, sizeof keyword, value, sizeof value);
    EXPECT_STREQ(keyword, c.keyword) << c.line;
    EXPECT_STREQ(value, c.value) << c.line;
  }
}

TEST(DirectiveLine, SmallBuffersCutAtWholeCharacters) {
  char keyword[4];
  char value[4];
  CutDirectiveLine("#TITLE ab表c\n", keyword, sizeof keyword, value, sizeof value);
  EXPECT_STREQ(keyword, "TIT");
  EXPECT_STREQ(value, "ab");  // not "ab" plus half of 表, and no "c" after the cut
}

TEST(TrimLineEnd, RemovesBlanksAndLineEndsOnlyAtTheEnd) {
  struct Case {
    const char* text;
    const char* trimmed;
  } cases[] = {
      {"game.exe \t\r\n", "game.exe"},
      {"  a b  ", "  a b"},
      {"   \n", ""},
      {"", ""},
      {"表\n", "表"},
      {"\xb1 \n", "\xb1"},
      {"a\r\rb\r", "a\r\rb"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    TrimLineEnd(&text[0]);
    EXPECT_STREQ(text.c_str(), c.trimmed) << c.text;
  }
}

TEST(FileLineRule, OnlyRelativePathsInsideTheGameFolder) {
  struct Case {
    const char* line;
    bool inside;
  } cases[] = {
      {"game.exe", true},
      {"data\\script.dat", true},
      {"data/bgm/a.wav", true},
      {"..data\\x", true},
      {"a..b\\c", true},
      {".\\game.exe", true},
      {"ソフト\\表\\x", true},
      {"表..", true},  // 0x95 0x5C 0x2E 0x2E: no separator before the dots
      {"\\Windows\\a.dll", false},
      {"/etc/passwd", false},
      {"c:\\a.dat", false},
      {"C:a.dat", false},
      {"..\\a.dat", false},
      {"data\\..\\..\\a.dat", false},
      {"data/../x", false},
      {"data\\..", false},
      {"data\\... \\x", false},
      {"data\\.. \\x", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsPathInsideGameFolder(c.line), c.inside) << c.line;
  }
}
