// The accepted install folder becomes the full path Windows would use.
#include <gtest/gtest.h>
#include <windows.h>

#include "install/folder_creation.h"
#include "install/folder_normalise.h"
#include "install/install_selection.h"
#include "text/bounded_text.h"

TEST(FullFolder, DriveRelativeFoldersBecomeFull) {
  // A command prompt leaves W:'s own current folder, which applies as W: is not current.
  wchar_t current[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, current);
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\"));
  ASSERT_TRUE(SetEnvironmentVariableW(L"=W:", L"W:\\Work"));
  const struct {
    const char* typed;
    const char* folder;
  } cases[] = {
      {"W:GAME", "W:\\Work\\GAME"},
      {"GAME", "C:\\GAME"},  // below the launcher's own current folder
      {"\\GAME", "C:\\GAME"},
      {"W:ゲーム\\\\表\\", "W:\\Work\\ゲーム\\表"},
      {"C:\\Games\\HOSHIMI", "C:\\Games\\HOSHIMI"},  // already full: unchanged
      {"C:/Games/", "C:/Games/"},
      {"", ""},  // left for the install to say it cannot be made
      // Kept as typed, for 開始 (Start) to refuse: the root, a dropped dot, a device.
      {"W:", "W:"},
      {"W:\\", "W:"},
      {"W:Games \\x", "W:Games \\x"},
      {"W:CON\\x", "W:CON\\x"},
      {"W:..\\GAME", "W:..\\GAME"},
  };
  for (const auto& c : cases) {
    CopyText(g_InstallFolder, sizeof g_InstallFolder, c.typed);
    EXPECT_TRUE(NormaliseInstallFolder()) << c.typed;
    EXPECT_STREQ(g_InstallFolder, c.folder) << c.typed;
  }
  // W:\Work is gone: "W:" is then no folder to make, so creation starts below the root.
  EXPECT_EQ(CreateFolderPath("W:\\stale"), 1);
  EXPECT_TRUE(RemoveDirectoryW(L"W:\\stale") && !RemoveDirectoryW(L"W:\\Work"));
  SetEnvironmentVariableW(L"=W:", nullptr);
  SetCurrentDirectoryW(current);
}
