// Texts the launcher forms for the system: the game's command line and the install folder
// proposed after browsing for its parent.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "install/browsed_folder.h"
#include "install/game_command_line.h"

TEST(GameCommandLine, QuotesTheExecutableOnlyWhenItHoldsABlankOrTab) {
  const struct {
    const char *folder, *exe, *disc, *expected;
  } cases[] = {
      {"C:\\GAME", "game.exe", "E:\\", "C:\\GAME\\game.exe E:\\ 1"},
      {"C:\\Program Files\\GAME", "game.exe", "E:\\",
       "\"C:\\Program Files\\GAME\\game.exe\" E:\\ 1"},
      {"C:\\GAME", "my game.exe", "Q:\\", "\"C:\\GAME\\my game.exe\" Q:\\ 1"},
      {"C:\\A\tB", "g.exe", "Q:\\", "\"C:\\A\tB\\g.exe\" Q:\\ 1"},
      // The disc folder goes in as it is, blank or not.
      {"C:\\GAME", "game.exe", "Q:\\MY DISC\\", "C:\\GAME\\game.exe Q:\\MY DISC\\ 1"},
      // Full-width space (0x81 0x40) and 表 (0x95 0x5C) are characters, not separators.
      {"C:\\ゲーム　表", "game.exe", "Q:\\", "C:\\ゲーム　表\\game.exe Q:\\ 1"},
  };
  for (const auto& c : cases) {
    char line[1024];
    EXPECT_TRUE(FormGameCommandLine(line, sizeof line, c.folder, c.exe, c.disc));
    EXPECT_STREQ(line, c.expected);
  }
  std::string folder = "C:\\" + std::string(1015, 'x');
  char line[1024];
  EXPECT_FALSE(FormGameCommandLine(line, sizeof line, folder.c_str(), "game.exe", "Q:\\"));
  EXPECT_LT(strlen(line), sizeof line);
}

TEST(BrowsedFolder, JoinsTheChosenFolderAndPathByOneBackslash) {
  const struct {
    const char *chosen, *path, *expected;
  } cases[] = {
      {"C:\\Games", "HOSHIMI", "C:\\Games\\HOSHIMI"},
      {"D:\\", "HOSHIMI", "D:\\HOSHIMI"},                      // a drive root already ends in one
      {"D:\\ゲーム\\表", "ほしみ", "D:\\ゲーム\\表\\ほしみ"},  // 表's 0x5C is no backslash
      {"C:\\Games", "", "C:\\Games\\"},
  };
  for (const auto& c : cases) {
    char out[1024];
    EXPECT_TRUE(JoinBrowsedFolder(out, sizeof out, c.chosen, c.path));
    EXPECT_STREQ(out, c.expected);
  }
  char small[12];
  EXPECT_FALSE(JoinBrowsedFolder(small, sizeof small, "C:\\Games", "HOSHIMI"));
  EXPECT_STREQ(small, "C:\\Games\\HO");
}
