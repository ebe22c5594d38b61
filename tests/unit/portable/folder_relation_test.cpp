#include "path/folder_relation.h"

#include <gtest/gtest.h>

#include <tuple>

// Which logged folders the uninstaller may touch: whole components, as the system resolves.
TEST(FolderRelation, ComponentsCaseAndTwoByteCharacters) {
  const std::tuple<const char*, const char*, FolderRelation> cases[] = {
      // clang-format off
      {"c:\\game\\", "C:\\GAME", kFolderSame}, {"C:/GAME//x", "C:\\GAME", kFolderInside},
      {"C:\\GAMES", "C:\\GAME", kFolderUnrelated},
      {"C:\\表x", "C:\\表", kFolderUnrelated},  // 表 ends in 0x5C, yet is one character
      {"C:\\ア", "C:\\ヂ", kFolderUnrelated},   // 0x83 'A' and 0x83 'a'
      {"C:\\ｿ\\x", "C:\\ｿ", kFolderInside},  // a half-width katakana is one byte
      {"C:\\GAME\\..\\Windows", "C:\\GAME", kFolderUnrelated},  // resolved elsewhere
      {"C:\\GAME\\x\\. .", "C:\\GAME", kFolderUnrelated}, {"", "C:\\GAME", kFolderUnrelated},
      {"C:", "C:\\GAME", kFolderUnrelated},  // the drive's current folder
      {"\\\\server\\share", "\\\\server\\share\\GAME", kFolderParent},
      // clang-format on
  };
  for (const auto& [folder, base, expected] : cases) {
    EXPECT_EQ(RelateFolders(folder, base), expected) << folder << " | " << base;
  }
}
