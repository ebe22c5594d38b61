#include "install/folder_normalise.h"

#include <gtest/gtest.h>

#include <string>

#include "install/install_selection.h"
#include "text/bounded_text.h"

TEST(FolderNormalise, NormalisedByWholeCharacters) {
  // clang-format off
  const char* cases[][2] = {
      {"C:\\GAME\\", "C:\\GAME"}, {"C:\\", "C:"}, {"C:\\Program Files\\My.Game", "C:\\Program Files"},
      {"C:\\GAME.V2", "C:"}, {"C:\\\\\\Games\\\\\\\\X", "C:\\Games\\X"},
      {"\\\\server\\share\\GAME", "\\server\\share\\GAME"}, {"D:GAME", "D:GAME"}, {"GAME", "GAME"},
      {"C:/GAME/", "C:/GAME/"}, {"D:\\ゲーム\\表\\", "D:\\ゲーム\\表"}, {"C:\\GAME\r\nX", "C:\\GAME"},
      {"C:\\表\\\\ソ", "C:\\表\\ソ"},  // trail bytes 0x5C never join a run of backslashes
      {"D:\\ｿﾌﾄ\\\\GAME\\", "D:\\ｿﾌﾄ\\GAME"}, {"D:\\ｿ\\", "D:\\ｿ"},  // one byte each
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
