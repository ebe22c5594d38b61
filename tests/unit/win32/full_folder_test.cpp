// The install folder as Windows opens it: made full, and judged by what the path opens.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <tuple>
#include <utility>

#include "install/folder_creation.h"
#include "install/folder_normalise.h"
#include "install/install_folder_judgement.h"
#include "install/install_selection.h"
#include "text/bounded_text.h"
#include "unit/portable/scratch_folder.h"

using FullFolder = ScratchFolder;

TEST_F(FullFolder, DriveRelativeFoldersBecomeFull) {
  // A command prompt leaves W:'s own current folder, which applies as W: is not current.
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\"));
  ASSERT_TRUE(SetEnvironmentVariableW(L"=W:", L"W:\\Work"));
  const std::pair<const char*, const char*> cases[] = {
      {"W:GAME", "W:\\Work\\GAME"},
      {"\\GAME", "C:\\GAME"},  // on the launcher's own current drive
      {"W:ゲーム\\\\表\\", "W:\\Work\\ゲーム\\表"},
      {"C:/Games/", "C:/Games/"},  // already full: unchanged
      {"", ""},                    // left for the install to say it cannot be made
      // Kept as typed, for 開始 (Start) to refuse: the root, a dropped dot, a device.
      {"W:\\", "W:"},
      {"W:Games \\x", "W:Games \\x"},
      {"W:CON\\x", "W:CON\\x"},
  };
  for (const auto& [typed, folder] : cases) {
    CopyText(g_InstallFolder, sizeof g_InstallFolder, typed);
    EXPECT_TRUE(NormaliseInstallFolder()) << typed;
    EXPECT_STREQ(g_InstallFolder, folder) << typed;
  }
  // W:\Work is gone: "W:" is then no folder to make, so creation starts below the root.
  EXPECT_EQ(CreateFolderPath("W:\\stale"), 1);
  EXPECT_TRUE(RemoveDirectoryW(L"W:\\stale") && !RemoveDirectoryW(L"W:\\Work"));
  SetEnvironmentVariableW(L"=W:", nullptr);
}

// Drive roots and the Windows folder found by what a path opens, not by its text.
TEST_F(FullFolder, JudgedByWhatThePathOpens) {
  std::string tooLong = "W:\\";  // too long to walk up its parents
  for (int i = 0; i < 600; ++i) tooLong += "表";
  const std::tuple<std::string, FolderJudgement> cases[] = {
      {"W:\\to-i", kFolderIsDriveRoot},  // a link to I:'s root
      {"W:\\to-windows", kFolderInWindows},
      {"W:\\to-windows\\Games\\new", kFolderInWindows},  // below it, not made yet
      {"\\\\?\\C:\\windows", kFolderInWindows},
      {"W:\\none\\new", kFolderAccepted},
      {tooLong, kFolderCannotBeJudged},
  };
  for (const auto& [folder, judgement] : cases) {
    EXPECT_EQ(JudgeInstallFolder(folder.c_str(), 0, "C:\\windows"), judgement) << folder;
  }
}
