// Drive roots and the Windows folder found by what a path opens, not by its text.
#include "install/install_folder_judgement.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <tuple>

TEST(InstallFolderJudgement, ByWhatThePathOpens) {
  ResetSetupDescriptionToDefaults();
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
