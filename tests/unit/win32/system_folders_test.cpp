// Drive roots and the Windows folder found by what a path opens, not by its text.
#include "platform/system_folders.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <tuple>

TEST(SystemFolders, ByIdentityThroughAnyName) {
  CreateDirectoryW(L"W:\\plain", nullptr);
  const std::tuple<const char*, bool> cases[] = {
      {"W:\\", true},
      {"W:\\to-i", true},                    // a link to I:'s root
      {"W:\\to-windows", true},              // a link to the Windows folder
      {"W:\\to-windows\\Games\\new", true},  // below it, not made yet
      {"c:/WINDOWS/system32", true},
      {"\\\\?\\C:\\windows", true},
      {"W:\\plain", false},
      {"W:\\plain\\new", false},
      {"W:\\none\\new", false},
  };
  for (const auto& [folder, refused] : cases) {
    EXPECT_EQ(IsRefusedExistingFolder(folder, "C:\\windows"), refused) << folder;
  }
  RemoveDirectoryW(L"W:\\plain");
}

// A folder no check can judge is refused: unreadable, or too long to walk up.
TEST(SystemFolders, UnjudgedFoldersAreRefused) {
  std::string tooLong = "W:\\";
  for (int i = 0; i < 600; ++i) tooLong += "表";
  for (const std::string& folder : {std::string("W:\\\x82"), std::string("W:\\a\x81"), tooLong}) {
    EXPECT_TRUE(IsRefusedExistingFolder(folder.c_str(), "C:\\windows")) << folder.size();
  }
  EXPECT_FALSE(IsRefusedExistingFolder("", "C:\\windows")) << "the install says it cannot be made";
}
