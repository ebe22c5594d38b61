// The uninstaller's refusals and its file and folder work on a real file system (the
// registry steps fail silently here; the Windows tests check them).
#include <gtest/gtest.h>
#include <stdio.h>

#include "install/folder_log.h"
#include "install/folder_preparation.h"
#include "install/install_selection.h"
#include "install/uninstaller.h"
#include "platform/file_system.h"
#include "platform/stdio_file.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"
#include "ui/shared/dialog_outcome.h"

namespace {

bool Exists(const char* path) {
  uint32_t attributes = 0;
  return OsGetFileAttributes(path, &attributes);
}

void Touch(const char* path, const char* text) {
  FILE* file = OsOpenFile(path, "wb");
  ASSERT_NE(file, nullptr) << path;
  fputs(text, file);
  fclose(file);
}

class FolderUninstall : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSetupDescriptionToDefaults();
    // Under Wine the record is real: keep it away from any other program's key.
    CopyText(g_Setup.REG_S, sizeof g_Setup.REG_S, "H2 portable test");
    CopyText(g_Setup.ProductKeyPath, sizeof g_Setup.ProductKeyPath,
             "Software\\H2 portable test\\GAME");
    CopyText(g_Setup.files[0].name, sizeof g_Setup.files[0].name, "game.exe");
    g_Setup.files[0].mask = 1;
    CopyText(g_Setup.files[1].name, sizeof g_Setup.files[1].name, "データ\\表.bin");
    g_Setup.files[1].mask = 2;
    g_Setup.fileCount = 2;
    g_DialogOutcome = DialogOutcome{};
    CopyText(g_InstallFolder, sizeof g_InstallFolder, "h2_uninstall_tmp\\ゲーム");
  }
  void TearDown() override {
    const char* files[] = {"h2_uninstall_tmp\\ゲーム\\game.exe", "h2_uninstall_tmp\\ゲーム\\a.sav",
                           "h2_uninstall_tmp\\ゲーム\\データ\\表.bin",
                           "h2_uninstall_tmp\\ゲーム\\game._md"};
    for (const char* file : files) OsDeleteFile(file);
    OsRemoveFolder("h2_uninstall_tmp\\ゲーム\\データ");
    OsRemoveFolder("h2_uninstall_tmp\\ゲーム");
    OsRemoveFolder("h2_uninstall_tmp");
  }
  void MakeTree() {
    ASSERT_TRUE(OsCreateFolder("h2_uninstall_tmp"));
    BeginFolderLog();
    ASSERT_EQ(CreateFolderPath("h2_uninstall_tmp\\ゲーム\\データ"), 1);
    WriteFolderLog();
    ReleaseFolderLog();
    Touch("h2_uninstall_tmp\\ゲーム\\game.exe", "x");
    Touch("h2_uninstall_tmp\\ゲーム\\a.sav", "x");
    Touch("h2_uninstall_tmp\\ゲーム\\データ\\表.bin", "x");
  }
};

}  // namespace

#ifndef _WIN32  // on Windows the refusal is a modal box that would wait for a user
TEST_F(FolderUninstall, NothingRecordedOnlyShowsTheRefusal) {
  MakeTree();
  g_InstallKind = kInstallNone;
  g_TypeMask = 3;
  testing::internal::CaptureStderr();
  Uninstall();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "[TEST] no setup del?\n");
  EXPECT_TRUE(Exists("h2_uninstall_tmp\\ゲーム\\game.exe"));
  EXPECT_TRUE(Exists("h2_uninstall_tmp\\ゲーム\\game._md"));
  EXPECT_EQ(g_TypeMask, 3u);
}
#endif

TEST_F(FolderUninstall, EmptyInstallFolderDeletesNothingButClearsTheRecord) {
  MakeTree();
  // Relative names would resolve against the current folder: put one there.
  Touch("game.exe", "x");
  g_InstallKind = kInstallMaximum;
  g_TypeMask = 3;
  g_InstallFolder[0] = '\0';
  Uninstall();
  EXPECT_TRUE(Exists("game.exe"));
  EXPECT_TRUE(Exists("h2_uninstall_tmp\\ゲーム\\a.sav"));
  EXPECT_EQ(g_InstallKind, 0u);
  EXPECT_EQ(g_TypeMask, 0u);
  OsDeleteFile("game.exe");
}

TEST_F(FolderUninstall, RemovesFilesSavesAndLoggedFolders) {
  MakeTree();
  g_InstallKind = kInstallMaximum;
  g_TypeMask = 3;
  Uninstall();
  EXPECT_FALSE(Exists("h2_uninstall_tmp\\ゲーム"));
  EXPECT_TRUE(Exists("h2_uninstall_tmp"));  // it was there before the install
}
