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
      {"C:\\Program Files\\G", "g.exe", "E:\\", "\"C:\\Program Files\\G\\g.exe\" E:\\ 1"},
      {"C:\\A\tB", "my game.exe", "Q:\\", "\"C:\\A\tB\\my game.exe\" Q:\\ 1"},
      // The disc folder goes in as it is; a full-width space (0x81 0x40) is no blank.
      {"C:\\ゲーム　表", "game.exe", "Q:\\MY DISC\\", "C:\\ゲーム　表\\game.exe Q:\\MY DISC\\ 1"},
  };
  char line[1024];
  for (const auto& c : cases) {
    EXPECT_TRUE(FormGameCommandLine(line, sizeof line, c.folder, c.exe, c.disc));
    EXPECT_STREQ(line, c.expected);
  }
  std::string folder = "C:\\" + std::string(1015, 'x');
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
  };
  char out[12];
  for (const auto& c : cases) {
    char joined[1024];
    EXPECT_TRUE(JoinBrowsedFolder(joined, sizeof joined, c.chosen, c.path));
    EXPECT_STREQ(joined, c.expected);
  }
  EXPECT_FALSE(JoinBrowsedFolder(out, sizeof out, "C:\\Games", "HOSHIMI"));
}
