// The one judgement of an install folder, by its text (what paths open: win32/full_folder_test).
#include "install/install_folder_judgement.h"

#include <gtest/gtest.h>

#include <string>

TEST(InstallFolderJudgement, EachReasonInItsOrder) {
  ResetSetupDescriptionToDefaults();
  g_Setup.fileCount = 1;
  g_Setup.files[0] = {"cg\\deep-in-the-picture.dat", 0x08, 0};
  const std::string deep = "C:\\" + std::string(237, 'a');  // 240 units; the file 267
  const FolderJudgement ok = kFolderAccepted, root = kFolderIsDriveRoot, dot = kFolderDropsName,
                        device = kFolderNamesDevice, windows = kFolderInWindows,
                        unjudged = kFolderCannotBeJudged, tooLong = kFolderTooLong;
  struct Case {
    std::string folder;  // normalised
    FolderJudgement judgement;
    TypeMask mask = 0x1F;
    const char* windows = "C:\\WINDOWS";
  };
  const Case cases[] = {
      // clang-format off
      {"C:\\Games\\GAME", ok}, {"D:", root}, {"e:\\", root}, {"E:/", root}, {"D:\\", root, 0, ""},
      {"C:\\windows", windows}, {"c:\\Windows\\system32\\x", windows}, {"C:\\WINDOWS2", ok},
      {"D:\\WINDOWS", ok}, {"1:\\", ok}, {"C:x", ok}, {"", ok},  // left for the install
      // Windows drops a final dot or blank: the folder made would not be the one typed.
      {"C:\\Games\\..", dot}, {"C:\\ｿ\\..", dot}, {"C:\\Windows\\.", dot}, {"C:\\Games\\ . ", dot},
      {"C:\\Windows.\\Games", dot}, {"C:\\Games \\x", dot, 0x1F, ""}, {"C:\\Games\\.x", ok},
      // Windows reserves device names in every folder, with any extension, in any case.
      {"D:\\prn\\x", device}, {"D:\\Aux.txt", device}, {"D:\\Nul.tar.gz\\x", device},
      {"D:\\com1", device}, {"D:\\lpt1.log", device}, {"D:\\LPT9", device}, {"D:CON", device},
      {"D:\\ゲーム\\con", device}, {"D:\\COM0", ok}, {"D:\\LPT10", ok}, {"D:\\NULL\\x", ok},
      {"D:\\xCON", ok}, {"D:\\COM", ok},
      {"C:\\Games\\GAME", unjudged, 0x1F, ""}, {"C:\\a\x85\x40", unjudged},  // no code page 932
      {deep, ok, 0x07}, {deep, tooLong, 0x0B},  // the deep file is of type 3 only
      // clang-format on
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JudgeInstallFolder(c.folder.c_str(), c.mask, c.windows), c.judgement) << c.folder;
  }
}
