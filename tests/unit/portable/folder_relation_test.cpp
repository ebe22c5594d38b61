// Which logged folders the uninstaller may touch: the install folder, its parents and what
// lies inside, matched by whole components the way the file system resolves names.
#include "install/folder_relation.h"

#include <gtest/gtest.h>

TEST(FolderRelation, ComponentsCaseAndTwoByteCharacters) {
  const std::tuple<const char*, const char*, FolderRelation> cases[] = {
      {"c:\\game\\", "C:\\GAME", kFolderSame},
      {"C:/GAME//x", "C:\\GAME", kFolderInside},
      {"C:\\GAMES", "C:\\GAME", kFolderUnrelated},
      {"C:\\表x", "C:\\表", kFolderUnrelated},  // 表 ends in 0x5C, yet is one character
      {"C:\\ア", "C:\\ヂ", kFolderUnrelated},   // 0x83 'A' and 0x83 'a'
      {"C:\\GAME\\..\\Windows", "C:\\GAME", kFolderUnrelated},  // resolved elsewhere
      {"C:\\GAME\\x\\. .", "C:\\GAME", kFolderUnrelated},
      {"C:", "C:\\GAME", kFolderUnrelated},  // the drive's current folder
      {"", "C:\\GAME", kFolderUnrelated},
      {"\\\\server\\share", "\\\\server\\share\\GAME", kFolderParent},
  };
  for (const auto& [folder, base, expected] : cases) {
    EXPECT_EQ(RelateFolders(folder, base), expected) << folder << " | " << base;
  }
}
