// Which logged folders the uninstaller may touch: the install folder, its parents and what
// lies inside, matched by whole components the way the file system resolves names.
#include "install/folder_relation.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(FolderRelation, ComponentsCaseAndTwoByteCharacters) {
  const std::tuple<const char*, const char*, FolderRelation> cases[] = {
      {"c:\\game\\", "C:\\GAME", kFolderSame},
      {"C:/GAME//", "C:\\GAME", kFolderSame},
      {"C:\\", "C:\\GAME\\SUB", kFolderParent},
      {"C:\\GAME\\SUB\\data\\", "C:\\GAME\\SUB", kFolderInside},
      {"C:\\GAMES", "C:\\GAME", kFolderUnrelated},
      // 表 ends in byte 0x5C: one character, not 0x95 and a separator.
      {"C:\\表\\x", "C:\\表", kFolderInside},
      {"C:\\表x", "C:\\表", kFolderUnrelated},
      // ア is 0x83 'A', ヂ is 0x83 'a'; full-width letters are not folded either.
      {"C:\\ア", "C:\\ヂ", kFolderUnrelated},
      {"C:\\Ａ", "C:\\ａ", kFolderUnrelated},
      // Names the system would resolve elsewhere relate to nothing.
      {"C:\\GAME\\..\\..\\Windows", "C:\\GAME", kFolderUnrelated},
      {"C:\\GAME\\x/../..", "C:\\GAME", kFolderUnrelated},
      {"C:\\GAME\\. \\x", "C:\\GAME", kFolderUnrelated},
      {"C:", "C:\\GAME", kFolderUnrelated},
      {"", "C:\\GAME", kFolderUnrelated},
      {"\\\\server\\share", "\\server\\share\\GAME", kFolderUnrelated},
      {"\\\\server\\share", "\\\\server\\share\\GAME", kFolderParent},
  };
  for (const auto& [folder, base, expected] : cases) {
    EXPECT_EQ(RelateFolders(folder, base), expected) << folder << " | " << base;
  }
}
