#include "install/browsed_folder.h"

#include <gtest/gtest.h>

TEST(BrowsedFolder, BrowsedFolderJoinsPathByOneBackslash) {
  const char* cases[][3] = {
      {"C:\\Games", "HOSHIMI", "C:\\Games\\HOSHIMI"},
      {"D:\\", "HOSHIMI", "D:\\HOSHIMI"},                      // a drive root already ends in one
      {"D:\\ゲーム\\表", "ほしみ", "D:\\ゲーム\\表\\ほしみ"},  // 表's 0x5C is no backslash
      {"D:\\ｿ\\", "ほしみ", "D:\\ｿ\\ほしみ"},  // ｿ's next byte is a backslash of its own
  };
  char joined[1024];
  for (const auto& c : cases) {
    EXPECT_TRUE(JoinBrowsedFolder(joined, sizeof joined, c[0], c[1]));
    EXPECT_STREQ(joined, c[2]);
  }
  EXPECT_FALSE(JoinBrowsedFolder(joined, 12, "C:\\Games", "HOSHIMI"));
}
