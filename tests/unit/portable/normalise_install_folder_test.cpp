// Tidying the install folder text and splitting paths, by whole characters.
#include <gtest/gtest.h>
#include <string.h>

#include "install/folder_preparation.h"
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

TEST(SplitPath, PartsByWholeCharacters) {
  struct Case {
    const char* path;
    const char* drive;
    const char* directory;
    const char* name;
    const char* extension;
  } cases[] = {
      {"data\\bgm\\x.wav", "", "data\\bgm\\", "x", ".wav"},
      {"game.exe", "", "", "game", ".exe"},
      {"C:\\a.b\\c", "C:", "\\a.b\\", "c", ""},
      {"表\\ソ.sav", "", "表\\", "ソ", ".sav"},
  };
  for (const Case& c : cases) {
    PathParts parts;
    SplitPath(c.path, &parts);
    EXPECT_STREQ(parts.drive, c.drive) << c.path;
    EXPECT_STREQ(parts.directory, c.directory) << c.path;
    EXPECT_STREQ(parts.name, c.name) << c.path;
    EXPECT_STREQ(parts.extension, c.extension) << c.path;
  }
}

TEST(SplitPath, LongPartIsCutAtAWholeCharacter) {
  char path[400] = "a";
  for (int i = 0; i < 150; ++i) AppendText(path, sizeof path, "表");  // 1 + 300 bytes
  PathParts parts;
  SplitPath(path, &parts);
  EXPECT_EQ(strlen(parts.name), 255u);  // "a" and 127 whole characters
  EXPECT_EQ(memcmp(parts.name + 253, "表", 2), 0);
}
