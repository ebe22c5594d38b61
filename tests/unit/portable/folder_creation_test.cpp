// Creating a folder path on a real file system: levels, results and the log.
#include <gtest/gtest.h>
#include <stdio.h>

#include <string>

#include "install/folder_log.h"
#include "install/folder_preparation.h"
#include "install/install_selection.h"
#include "platform/file_system.h"
#include "platform/stdio_file.h"
#include "text/bounded_text.h"

namespace {

const char kRoot[] = "h2_create_tmp";

std::string LoggedFolders() {
  CopyText(g_InstallFolder, sizeof g_InstallFolder, kRoot);
  WriteFolderLog();
  std::string bytes;
  FILE* file = OsOpenFile("h2_create_tmp\\game._md", "rb");
  if (file == nullptr) return "";
  int c;
  while ((c = fgetc(file)) != EOF) bytes.push_back(static_cast<char>(c));
  fclose(file);
  OsDeleteFile("h2_create_tmp\\game._md");
  return bytes;
}

bool IsFolder(const char* path) {
  uint32_t attributes = 0;
  return OsGetFileAttributes(path, &attributes) && (attributes & kAttributeDirectory);
}

class FolderCreation : public ::testing::Test {
 protected:
  void SetUp() override {
    TearDown();
    ASSERT_TRUE(OsCreateFolder(kRoot));
    BeginFolderLog();
  }
  void TearDown() override {
    ReleaseFolderLog();
    const char* leftovers[] = {
        "h2_create_tmp\\ゲーム\\表\\ソ", "h2_create_tmp\\ゲーム\\表", "h2_create_tmp\\ゲーム",
        "h2_create_tmp\\a\\b",           "h2_create_tmp\\a",          kRoot};
    OsDeleteFile("h2_create_tmp\\file");
    OsDeleteFile("h2_create_tmp\\game._md");
    for (const char* folder : leftovers) OsRemoveFolder(folder);
  }
};

}  // namespace

TEST_F(FolderCreation, CreatesAndLogsEveryMissingLevelParentsFirst) {
  EXPECT_EQ(CreateFolderPath("h2_create_tmp\\ゲーム\\表\\ソ"), 1);
  EXPECT_TRUE(IsFolder("h2_create_tmp\\ゲーム\\表\\ソ"));
  // 表 and ソ end in byte 0x5C: no folder is named after their first byte alone.
  EXPECT_EQ(LoggedFolders(),
            "h2_create_tmp\\ゲーム\nh2_create_tmp\\ゲーム\\表\nh2_create_tmp\\ゲーム\\表\\ソ\n");
}

TEST_F(FolderCreation, ExistingPathsAndTrailingBackslash) {
  EXPECT_EQ(CreateFolderPath(kRoot), 1);
  EXPECT_EQ(CreateFolderPath("h2_create_tmp\\a\\"), 1);
  EXPECT_EQ(CreateFolderPath("h2_create_tmp\\a\\b"), 1);
  EXPECT_EQ(LoggedFolders(), "h2_create_tmp\\a\nh2_create_tmp\\a\\b\n");
}

TEST_F(FolderCreation, FileInTheWayMissingRootAndTooLong) {
  FILE* file = OsOpenFile("h2_create_tmp\\file", "wb");
  ASSERT_NE(file, nullptr);
  fclose(file);
  EXPECT_EQ(CreateFolderPath("h2_create_tmp\\file\\sub"), -1);
  EXPECT_EQ(CreateFolderPath("h2_no_such_root\\sub"), 0);
  std::string tooLong = std::string(kRoot) + "\\" + std::string(250, 'x');
  EXPECT_EQ(CreateFolderPath(tooLong.c_str()), 0);
  EXPECT_FALSE(IsFolder("h2_no_such_root"));
  EXPECT_EQ(LoggedFolders(), "");
}
