// The one judgement of an install folder that the install dialog and setup-check share.
#include "install/install_folder_judgement.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "text/bounded_text.h"

TEST(InstallFolderJudgement, EachReasonInItsOrder) {
  ResetSetupDescriptionToDefaults();
  g_Setup.fileCount = 1;
  g_Setup.files[0] = {"cg\\deep-in-the-picture.dat", 0x08, 0};
  const std::string deep = "C:\\" + std::string(237, 'a');  // 240 units; the file 267
  // Folder (normalised), type mask, the Windows folder, the judgement.
  const std::tuple<std::string, TypeMask, const char*, FolderJudgement> cases[] = {
      {"C:\\Games\\GAME", 0x1F, "C:\\Windows", kFolderAccepted},
      {"D:", 0x1F, "C:\\Windows", kFolderIsDriveRoot},
      {"D:\\", 0x1F, "", kFolderIsDriveRoot},
      {"C:\\Games.\\GAME", 0x1F, "C:\\Windows", kFolderDropsName},
      {"C:\\Games \\GAME", 0x1F, "", kFolderDropsName},
      {"c:\\WINDOWS\\Games", 0x1F, "C:\\Windows", kFolderInWindows},
      {"C:\\Games\\GAME", 0x1F, "", kFolderCannotBeJudged},
      {"C:\\a\x85\x40", 0x1F, "C:\\Windows", kFolderCannotBeJudged},  // no code page 932
      {"", 0x1F, "C:\\Windows", kFolderAccepted},    // the install says it cannot be made
      {deep, 0x07, "C:\\Windows", kFolderAccepted},  // the deep file is of type 3 only
      {deep, 0x0B, "C:\\Windows", kFolderTooLong},
      {"C:\\" + std::string(250, 'a'), 0, "C:\\Windows", kFolderTooLong},
  };
  for (const auto& [folder, mask, windows, judgement] : cases) {
    EXPECT_EQ(JudgeInstallFolder(folder.c_str(), mask, windows), judgement) << folder;
  }
}
