#include "install/path_limits.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "text/bounded_text.h"

// Counted in characters, as Windows counts UTF-16 units: 表 is two bytes and one unit.
TEST(PathLimits, TheFolderItsSubFoldersFilesAndLog) {
  g_Setup.fileCount = 2;
  g_Setup.files[0] = {"data\\bgm\\x.dat", 1, 0};
  g_Setup.files[1] = {"game.exe", 2, 0};
  const std::string x = "W:\\inst\\";
  std::string kanji;
  for (int i = 0; i < 200; ++i) kanji += "表";
  const std::tuple<std::string, const char*, TypeMask, bool> cases[] = {
      {x + std::string(239, 'x'), "game._md", 0, true},  // 247 units; the log 256
      {x + std::string(240, 'x'), "game._md", 0, false},
      {x + kanji, "game._md", 0, true},                       // 208 units in 408 bytes
      {x + std::string(239, 'x'), "hoshimi1._md", 0, false},  // the log 260
      {x + std::string(222, 'x'), "game._md", 1, true},       // data\bgm at 239, x.dat at 245
      {x + std::string(232, 'x'), "game._md", 1, false},      // data\bgm at 249
      {x + std::string(232, 'x'), "game._md", 2, true},       // game.exe at 249
  };
  for (const auto& [folder, md, mask, fits] : cases) {
    CopyText(g_Setup.MD, sizeof g_Setup.MD, md);
    EXPECT_EQ(InstallPathsFit(folder.c_str(), mask), fits) << folder.size() << " bytes, " << md;
  }
}
