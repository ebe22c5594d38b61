// The path rules as Windows reads paths: separators, components, drives, relations, saves.
#include <gtest/gtest.h>
#include <string.h>

#include <tuple>
#include <utility>

#include "path/components.h"
#include "path/drive_prefix.h"
#include "path/folder_relation.h"
#include "path/path_characters.h"
#include "path/save_name.h"

TEST(PathCharacters, PathsSplitAtTheBackslashWindowsSees) {
  const std::pair<const char*, int> cases[] = {
      // a path, the offset of its last backslash
      {"C:\\ソフト\\表", 9}, {"D:\\ｿﾌﾄ\\GAME", 6}, {"\x80\\", 1},  {"\xa0\\", 1},
      {"\xfd\\x", 1},        {"\x81\\", -1},       {"\xfc\\", -1}, {"ｿ\\\x95", 1}};
  for (const auto& [path, at] : cases) {
    const char* found = FindLastBackslash(path);
    EXPECT_EQ(found == nullptr ? -1 : found - path, at) << path;
    EXPECT_EQ(EndsWithSeparator(path), at >= 0 && path[at + 1] == '\0') << path;
  }
}

// Found by whole characters; a join that does not fit fails whole rather than being cut.
TEST(PathCharacters, JoinPathPutsOneBackslashAndNeverCuts) {
  const char* cases[][3] = {
      {"C:\\Games", "HOSHIMI", "C:\\Games\\HOSHIMI"},
      {"D:\\", "HOSHIMI", "D:\\HOSHIMI"},  // a drive root already ends in one
      {"C:/GAME/", "x.dat", "C:/GAME/x.dat"},
      {"D:\\ゲーム\\表", "ほしみ", "D:\\ゲーム\\表\\ほしみ"},  // 表's 0x5C is no backslash
      {"D:\\ｿ\\", "ほしみ", "D:\\ｿ\\ほしみ"},  // ｿ's next byte is a backslash of its own
      {"E:", "", "E:\\"},
  };
  char joined[64];
  for (const auto& c : cases) {
    EXPECT_TRUE(JoinPath(joined, sizeof joined, c[0], c[1])) << c[0];
    EXPECT_STREQ(joined, c[2]);
  }
  EXPECT_TRUE(JoinPath(joined, 17, "C:\\Games", "HOSHIMI"));
  EXPECT_FALSE(JoinPath(joined, 16, "C:\\Games", "HOSHIMI"));
  EXPECT_STREQ(joined, "");
}

// Read by Windows as ".", ".." or with its blanks dropped; a full-width blank (0x81 0x40) stays.
TEST(Components, DotsAndBlanksOnly) {
  const std::pair<const char*, bool> cases[] = {
      {".", true},   {"..", true},  {". .", true},  {"   ", true}, {"", false},
      {".a", false}, {"a.", false}, {". a", false}, {"表", false}, {"\x81\x40", false},
  };
  for (const auto& [component, expected] : cases) {
    EXPECT_EQ(IsDotsAndBlanksOnly(component, strlen(component)), expected) << component;
  }
}

TEST(DrivePrefix, AsWindowsSplitsIt) {
  // A path, its drive prefix as Windows splits it, whether that drive can exist.
  const std::tuple<const char*, size_t, bool> cases[] = {
      {"C:\\GAME", 2, true}, {"c:", 2, true},   {"z:/x", 2, true}, {"1:\\x", 2, false},
      {"@:", 2, false},      {"[:", 2, false},  {"表:", 0, false}, {"\xb1:", 2, false},
      {"C", 0, false},       {":\\", 0, false}, {"", 0, false},    {"\\\\s\\x", 0, false},
      {"CC:", 0, false},
  };
  for (const auto& [path, prefix, letter] : cases) {
    EXPECT_EQ(DrivePrefixLength(path), prefix) << path;
    EXPECT_EQ(HasDriveLetter(path), letter) << path;
  }
}

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

// A save by Windows' reading of the name: its own extension, trailing dots and blanks dropped.
TEST(SaveName, TheExtensionAsWindowsReadsIt) {
  const std::pair<const char*, bool> cases[] = {
      {"SLOT1.Sav", true}, {"slot1.sav.", true},  {"slot1.sav .", true}, {".sav", true},
      {"a\\表.sav", true}, {"diary.save", false}, {"x.sav\\a", false},   {"x.sa v", false},
      {"x.savx.", false},  {"sav", false},        {"x.sav\\", false}};
  for (const auto& [name, save] : cases) EXPECT_EQ(HasSaveExtension(name), save) << name;
}
