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
    EXPECT_EQ(EndsWithBackslash(path), at >= 0 && path[at + 1] == '\0') << path;
  }
}
