// Tidying the install folder text, by whole characters.
#include <gtest/gtest.h>
#include <string.h>

#include "install/folder_normalise.h"
#include "install/install_selection.h"
#include "text/bounded_text.h"

TEST(NormaliseInstallFolder, TableOfFolders) {
  struct Case {
    const char* input;
    const char* expected;
  } cases[] = {
      {"C:\\GAME\\", "C:\\GAME"},
      {"C:\\", "C:"},
      {"C:\\Program Files\\My.Game", "C:\\Program Files"},
      {"C:\\GAME.V2", "C:"},
      {"C:\\\\\\Games\\\\\\\\X", "C:\\Games\\X"},
      {"\\\\server\\share\\GAME", "\\server\\share\\GAME"},
      {"D:GAME", "D:GAME"},
      {"GAME", "GAME"},
      {"C:/GAME/", "C:/GAME/"},
      {"D:\\ゲーム\\表\\", "D:\\ゲーム\\表"},
      {"C:\\表\\\\ソ", "C:\\表\\ソ"},  // trail bytes 0x5C never join a run of backslashes
      {"C:\\GAME\r\nX", "C:\\GAME"},
      {"", ""},
  };
  for (const Case& c : cases) {
    CopyText(g_InstallFolder, sizeof g_InstallFolder, c.input);
    NormaliseInstallFolder();
    EXPECT_STREQ(g_InstallFolder, c.expected) << c.input;
  }
}

TEST(NormaliseInstallFolder, LongFolderIsKeptWholeNotCutIntoAnother) {
  char folder[600] = "C:\\";
  for (int i = 0; i < 50; ++i) AppendText(folder, sizeof folder, "abcdefghi\\");
  CopyText(g_InstallFolder, sizeof g_InstallFolder, folder);
  NormaliseInstallFolder();
  folder[strlen(folder) - 1] = '\0';
  EXPECT_STREQ(g_InstallFolder, folder);
}
