// Drive roots and the Windows folder found by what a path opens, not by its text.
#include <gtest/gtest.h>
#include <windows.h>

#include <tuple>

#include "platform/system_folders.h"

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
