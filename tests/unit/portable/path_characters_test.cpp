// Paths by code page 932's own characters, as Windows splits them.
#include "path/path_characters.h"

#include <gtest/gtest.h>

#include <utility>

TEST(PathCharacters, PathsSplitAtTheBackslashWindowsSees) {
  for (char c : {'\\', '/'}) EXPECT_TRUE(IsPathSeparator(c)) << c;
  for (char c : {':', '|', '\0', '\x95'}) EXPECT_FALSE(IsPathSeparator(c)) << c;

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

// One backslash between folder and name, found by whole characters; a join that does not
// fit fails whole rather than giving out a cut path.
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
