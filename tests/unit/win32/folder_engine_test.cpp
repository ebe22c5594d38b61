// Folder creation and the log file on a real Windows file system (drive W:), with
// Japanese names under either system code page.
#include <gtest/gtest.h>

#include "install/folder_log.h"
#include "install/folder_preparation.h"
#include "install/install_selection.h"
#include "platform/drives.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"
#include "wide_files.h"

namespace {

class FolderEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    WideRemoveTree(L"W:\\h2");
    ResetSetupDescriptionToDefaults();
    BeginFolderLog();
  }
  void TearDown() override {
    ReleaseFolderLog();
    WideRemoveTree(L"W:\\h2");
  }
};

}  // namespace

TEST_F(FolderEngine, CreatesJapaneseLevelsAndWritesTheLogByteForByte) {
  CopyText(g_InstallFolder, sizeof g_InstallFolder, "W:\\\\h2\\ゲーム\\表\\");
  NormaliseInstallFolder();
  ASSERT_STREQ(g_InstallFolder, "W:\\h2\\ゲーム\\表");
  EXPECT_EQ(CreateFolderPath(g_InstallFolder), 1);
  EXPECT_TRUE(WideIsFolder(L"W:\\h2\\ゲーム\\表"));
  // The copy pass logs its sub-folders with a trailing backslash.
  ASSERT_TRUE(CreateDirectoryW(L"W:\\h2\\ゲーム\\表\\ソフト", nullptr));
  LogCreatedFolder("W:\\h2\\ゲーム\\表\\ソフト\\");
  WriteFolderLog();
  EXPECT_EQ(WideRead(L"W:\\h2\\ゲーム\\表\\game._md"),
            "W:\\h2\nW:\\h2\\ゲーム\nW:\\h2\\ゲーム\\表\nW:\\h2\\ゲーム\\表\\ソフト\\\n");

  FolderLogEntries entries;
  ASSERT_TRUE(ReadFolderLog("W:\\h2\\ゲーム\\表\\game._md", &entries));
  ASSERT_EQ(entries.count, 4);
  EXPECT_STREQ(entries.slots[3], "W:\\h2\\ゲーム\\表\\ソフト\\");
  ReleaseFolderLogEntries(&entries);
}

TEST_F(FolderEngine, ResultsForExistingFileAndMissingDrive) {
  EXPECT_EQ(CreateFolderPath("W:\\"), 1);
  ASSERT_EQ(CreateFolderPath("W:\\h2"), 1);
  WideWrite(L"W:\\h2\\表", "x");
  EXPECT_EQ(CreateFolderPath("W:\\h2\\表\\SUB"), -1);
  if ((OsGetLogicalDrives() & (1u << ('X' - 'A'))) == 0) {
    EXPECT_EQ(CreateFolderPath("X:\\GAME"), 0);
  }
  CopyText(g_InstallFolder, sizeof g_InstallFolder, "W:\\h2");
  WriteFolderLog();
  EXPECT_EQ(WideRead(L"W:\\h2\\game._md"), "W:\\h2\n");
}

TEST_F(FolderEngine, LogFileThatCannotBeCreatedIsSilent) {
  LogCreatedFolder("W:\\h2\\x");
  CopyText(g_InstallFolder, sizeof g_InstallFolder, "W:\\h2\\missing");
  WriteFolderLog();
  EXPECT_FALSE(WideExists(L"W:\\h2\\missing\\game._md"));
}
