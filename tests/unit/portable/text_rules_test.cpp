// The launcher's text rules, table by table, mostly where a byte-wise routine goes wrong:
// the character rule, bounded text, size labels, setup.ini lines, folder texts, command line.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "install/browsed_folder.h"
#include "install/folder_normalise.h"
#include "install/folder_relation.h"
#include "install/game_command_line.h"
#include "install/install_selection.h"
#include "setup_source/directive_line.h"
#include "setup_source/line_end.h"
#include "setup_source/save_name.h"
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

TEST(DirectiveLine, KeywordAndValueCutsAndLineEndTrims) {
  // clang-format off
  const char* cases[][3] = {  // line, keyword, value
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
  };
  const char* trims[][2] = {{"game.exe \t\r\n", "game.exe"}, {"  a b  ", "  a b"}, {"   \n", ""},
                            {"", ""}, {"表\n", "表"}, {"\xb1 \n", "\xb1"}, {"a\r\rb\r", "a\r\rb"}};
  // clang-format on
  for (const auto& c : cases) {
    char keyword[512], value[512];
    CutDirectiveLine(c[0], keyword, sizeof keyword, value, sizeof value);
    EXPECT_STREQ(keyword, c[1]) << c[0];
    EXPECT_STREQ(value, c[2]) << c[0];
  }
  for (const auto& c : trims) {
    std::string text = c[0];
    TrimLineEnd(&text[0]);
    EXPECT_STREQ(text.c_str(), c[1]) << c[0];
  }
}

TEST(FolderText, NormalisedByWholeCharacters) {
  // clang-format off
  const char* cases[][2] = {
      {"C:\\GAME\\", "C:\\GAME"}, {"C:\\", "C:"}, {"C:\\Program Files\\My.Game", "C:\\Program Files"},
      {"C:\\GAME.V2", "C:"}, {"C:\\\\\\Games\\\\\\\\X", "C:\\Games\\X"},
      {"\\\\server\\share\\GAME", "\\server\\share\\GAME"}, {"D:GAME", "D:GAME"}, {"GAME", "GAME"},
      {"C:/GAME/", "C:/GAME/"}, {"D:\\ゲーム\\表\\", "D:\\ゲーム\\表"}, {"C:\\GAME\r\nX", "C:\\GAME"},
      {"C:\\表\\\\ソ", "C:\\表\\ソ"},  // trail bytes 0x5C never join a run of backslashes
      {"", ""}};
  // clang-format on
  for (const auto& c : cases) {
    CopyText(g_InstallFolder, sizeof g_InstallFolder, c[0]);
    NormaliseInstallFolder();
    EXPECT_STREQ(g_InstallFolder, c[1]) << c[0];
  }
  std::string folder = "C:";  // a long folder is kept whole, not cut into another
  for (int i = 0; i < 50; ++i) folder += "\\abcdefghi";
  CopyText(g_InstallFolder, sizeof g_InstallFolder, (folder + "\\").c_str());
  NormaliseInstallFolder();
  EXPECT_EQ(g_InstallFolder, folder);
}

TEST(FolderText, BrowsedFolderJoinsPathByOneBackslash) {
  const char* cases[][3] = {
      {"C:\\Games", "HOSHIMI", "C:\\Games\\HOSHIMI"},
      {"D:\\", "HOSHIMI", "D:\\HOSHIMI"},                      // a drive root already ends in one
      {"D:\\ゲーム\\表", "ほしみ", "D:\\ゲーム\\表\\ほしみ"},  // 表's 0x5C is no backslash
  };
  char joined[1024];
  for (const auto& c : cases) {
    EXPECT_TRUE(JoinBrowsedFolder(joined, sizeof joined, c[0], c[1]));
    EXPECT_STREQ(joined, c[2]);
  }
  EXPECT_FALSE(JoinBrowsedFolder(joined, 12, "C:\\Games", "HOSHIMI"));
}

TEST(GameCommandLine, QuotesTheExecutableOnlyWhenItHoldsABlankOrTab) {
  const char* cases[][4] = {
      {"C:\\GAME", "game.exe", "E:\\", "C:\\GAME\\game.exe E:\\ 1"},
      {"C:\\Program Files\\G", "g.exe", "E:\\", "\"C:\\Program Files\\G\\g.exe\" E:\\ 1"},
      {"C:\\A\tB", "my game.exe", "Q:\\", "\"C:\\A\tB\\my game.exe\" Q:\\ 1"},
      // The disc folder goes in as it is; a full-width space (0x81 0x40) is no blank.
      {"C:\\ゲーム　表", "game.exe", "Q:\\MY DISC\\", "C:\\ゲーム　表\\game.exe Q:\\MY DISC\\ 1"},
  };
  char line[1024];
  for (const auto& c : cases) {
    EXPECT_TRUE(FormGameCommandLine(line, sizeof line, c[0], c[1], c[2]));
    EXPECT_STREQ(line, c[3]);
  }
  std::string folder = "C:\\" + std::string(1015, 'x');
  EXPECT_FALSE(FormGameCommandLine(line, sizeof line, folder.c_str(), "game.exe", "Q:\\"));
  EXPECT_LT(strlen(line), sizeof line);
}

// Which logged folders the uninstaller may touch: whole components, as the system resolves.
TEST(FolderRelation, ComponentsCaseAndTwoByteCharacters) {
  const std::tuple<const char*, const char*, FolderRelation> cases[] = {
      // clang-format off
      {"c:\\game\\", "C:\\GAME", kFolderSame}, {"C:/GAME//x", "C:\\GAME", kFolderInside},
      {"C:\\GAMES", "C:\\GAME", kFolderUnrelated},
      {"C:\\表x", "C:\\表", kFolderUnrelated},  // 表 ends in 0x5C, yet is one character
      {"C:\\ア", "C:\\ヂ", kFolderUnrelated},   // 0x83 'A' and 0x83 'a'
      {"C:\\GAME\\..\\Windows", "C:\\GAME", kFolderUnrelated},  // resolved elsewhere
      {"C:\\GAME\\x\\. .", "C:\\GAME", kFolderUnrelated}, {"", "C:\\GAME", kFolderUnrelated},
      {"C:", "C:\\GAME", kFolderUnrelated},  // the drive's current folder
      {"\\\\server\\share", "\\\\server\\share\\GAME", kFolderParent},
      // clang-format on
  };
  for (const auto& [folder, base, expected] : cases) {
    EXPECT_EQ(RelateFolders(folder, base), expected) << folder << " | " << base;
  }
}

// A save by Windows' reading of the name: its own extension, trailing dots and blanks dropped.
TEST(SaveName, TheExtensionAsWindowsReadsIt) {
  const std::pair<const char*, bool> cases[] = {
      {"SLOT1.Sav", true}, {"slot1.sav.", true},  {"slot1.sav .", true}, {".sav", true},
      {"a\\表.sav", true}, {"diary.save", false}, {"x.sav\\a", false},   {"x.sa v", false},
      {"x.savx.", false},  {"sav", false},        {"x.sav\\", false}};
  for (const auto& [name, save] : cases) EXPECT_EQ(HasSaveExtension(name), save) << name;
}
