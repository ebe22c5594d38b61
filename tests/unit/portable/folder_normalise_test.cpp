#include "install/folder_normalise.h"

#include <gtest/gtest.h>

#include <string>

#include "install/install_selection.h"
#include "path/install_folder_text.h"
#include "path/path_characters.h"
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
  // The text alone: under Windows the install folder is then made full (see the win32 tests).
  for (const auto& c : cases) {
    char out[kPathSize];
    EXPECT_TRUE(NormaliseFolderText(c[0], out, sizeof out)) << c[0];
    EXPECT_STREQ(out, c[1]) << c[0];
  }
  std::string folder = "C:";  // a long folder is kept whole, not cut into another
  for (int i = 0; i < 50; ++i) folder += "\\abcdefghi";
  CopyText(g_InstallFolder, sizeof g_InstallFolder, (folder + "\\").c_str());
  EXPECT_TRUE(NormaliseInstallFolder());
  EXPECT_EQ(g_InstallFolder, folder);
}

// A folder that does not fit on the way is refused whole, never given out cut.
TEST(FolderNormalise, CutIsRefused) {
  const std::string longFolder = "C:\\" + std::string(1500, 'a');
  const std::string runs = "C:\\G" + std::string(1500, '\\') + "AME";  // collapses to C:\G\AME
  const struct {
    std::string folder;
    size_t cap;
    bool fits;
    const char* result;
  } cases[] = {
      {longFolder, 2048, false, ""},
      {runs, 2048, true, "C:\\G\\AME"},
      {"C:\\Games\\HOSHIMI", 16, false, ""},
      {"C:\\Games\\HOSHIMI", 17, true, "C:\\Games\\HOSHIMI"},
  };
  for (const auto& c : cases) {
    char out[2048] = "";
    EXPECT_EQ(NormaliseFolderText(c.folder.c_str(), out, c.cap), c.fits) << c.folder.size();
    if (c.fits) {
      EXPECT_STREQ(out, c.result);
    }
  }
}
