#include "install/game_command_line.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "path/path_characters.h"

TEST(GameCommandLine, QuotesTheExecutableOnlyWhenItHoldsABlankOrTab) {
  const char* cases[][4] = {
      {"C:\\GAME", "game.exe", "E:\\", "C:\\GAME\\game.exe E:\\ 1"},
      {"C:\\Program Files\\G", "g.exe", "E:\\", "\"C:\\Program Files\\G\\g.exe\" E:\\ 1"},
      {"C:\\A\tB", "my game.exe", "Q:\\", "\"C:\\A\tB\\my game.exe\" Q:\\ 1"},
      // The disc folder goes in as it is; a full-width space (0x81 0x40) is no blank.
      {"C:\\ゲーム　表", "game.exe", "Q:\\MY DISC\\", "C:\\ゲーム　表\\game.exe Q:\\MY DISC\\ 1"},
  };
  char line[kPathSize];
  for (const auto& c : cases) {
    EXPECT_TRUE(FormGameCommandLine(line, sizeof line, c[0], c[1], c[2]));
    EXPECT_STREQ(line, c[3]);
  }
  std::string folder = "C:\\" + std::string(1015, 'x');
  EXPECT_FALSE(FormGameCommandLine(line, sizeof line, folder.c_str(), "game.exe", "Q:\\"));
  EXPECT_LT(strlen(line), sizeof line);
}
