#include <gtest/gtest.h>

#include <tuple>

#include "path/install_folder_text.h"

TEST(InstallFolderText, DriveRootsAndTheWindowsFolder) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      // clang-format off
      {"C:", "C:\\WINDOWS", true}, {"e:\\", "C:\\WINDOWS", true}, {"E:/", "", true},
      {"C:\\windows", "C:\\WINDOWS", true}, {"C:\\WINDOWS\\Games", "C:\\windows", true},
      {"c:\\Windows\\system32\\x", "C:\\WINDOWS", true},
      {"C:\\WINDOWS2", "C:\\WINDOWS", false}, {"C:\\Games", "C:\\WINDOWS", false},
      {"D:\\WINDOWS", "C:\\WINDOWS", false}, {"C:\\Games\\x", "", false},
      {"C:\\", "", true}, {"1:\\", "", false}, {"C:x", "", false},
      {"C:\\表", "C:\\表", true},  // 表 ends in 0x5C, yet is one whole component
      {"C:\\Games\\..", "", true}, {"C:\\ｿ\\..", "", true}, {"C:\\Windows\\.", "C:\\WINDOWS", true},
      {"C:\\Games\\ . ", "", true}, {"C:\\Games\\.x", "", false},
      // Windows drops a final dot or blank: the folder made would not be the one typed.
      {"C:\\Windows.\\Games", "C:\\WINDOWS", true}, {"C:\\Games \\x", "", true},
      {"D:\\Game.", "", true}, {"D:\\a.b\\c", "", false},
      // clang-format on
  };
  for (const auto& [folder, windows, refused] : cases) {
    EXPECT_EQ(IsRefusedInstallFolder(folder, windows), refused) << folder << " | " << windows;
  }
}
