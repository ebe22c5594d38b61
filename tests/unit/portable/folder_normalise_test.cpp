#include "install/folder_normalise.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "install/install_selection.h"
#include "path/install_folder_text.h"
#include "path/path_characters.h"
#include "text/bounded_text.h"

// Tidied by whole characters; a folder that does not fit on the way is refused whole.
TEST(FolderNormalise, NormalisedByWholeCharactersNeverCut) {
  const std::string runs = "C:\\G" + std::string(1500, '\\') + "AME";  // collapses to C:\G\AME
  // clang-format off
  const std::pair<std::string, const char*> cases[] = {
      {"C:\\GAME\\", "C:\\GAME"}, {"C:\\", "C:"}, {"C:\\Program Files\\My.Game", "C:\\Program Files"},
      {"C:\\GAME.V2", "C:"}, {"C:\\\\\\Games\\\\\\\\X", "C:\\Games\\X"},
      {"\\\\server\\share\\GAME", "\\server\\share\\GAME"}, {"D:GAME", "D:GAME"}, {"GAME", "GAME"},
      {"C:/GAME/", "C:/GAME/"}, {"D:\\ゲーム\\表\\", "D:\\ゲーム\\表"}, {"C:\\GAME\r\nX", "C:\\GAME"},
      {"C:\\表\\\\ソ", "C:\\表\\ソ"},  // trail bytes 0x5C never join a run of backslashes
      {"D:\\ｿﾌﾄ\\\\GAME\\", "D:\\ｿﾌﾄ\\GAME"}, {"D:\\ｿ\\", "D:\\ｿ"},  // one byte each
      {"", ""}, {runs, "C:\\G\\AME"}, {"C:\\" + std::string(1500, 'a'), nullptr}};
  // clang-format on
  for (const auto& [typed, tidied] : cases) {
    char out[2 * kPathSize];  // room to spare: a refusal comes from the way there
    EXPECT_EQ(NormaliseFolderText(typed.c_str(), out, sizeof out), tidied != nullptr) << typed;
    if (tidied != nullptr) {
      EXPECT_STREQ(out, tidied) << typed;
    }
  }
  char out[17];
  EXPECT_TRUE(NormaliseFolderText("C:\\Games\\HOSHIMI", out, 17));
  EXPECT_FALSE(NormaliseFolderText("C:\\Games\\HOSHIMI", out, 16));
  std::string folder = "C:";  // a long folder is kept whole, not cut into another
  for (int i = 0; i < 50; ++i) folder += "\\abcdefghi";
  CopyText(g_InstallFolder, sizeof g_InstallFolder, (folder + "\\").c_str());
  EXPECT_TRUE(NormaliseInstallFolder());
  EXPECT_EQ(g_InstallFolder, folder);
}
