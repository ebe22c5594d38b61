// The uninstaller's refusal when nothing is recorded. (Its work on a real tree and the
// registry is checked under Wine.)
#include <gtest/gtest.h>
#include <stdio.h>

#include "install/install_selection.h"
#include "install/uninstaller.h"
#include "platform/file_system.h"
#include "platform/stdio_file.h"
#include "text/bounded_text.h"

// On Windows the refusal is a modal box that would wait for a user.
#ifndef _WIN32
TEST(FolderUninstall, NothingRecordedOnlyShowsTheRefusal) {
  ASSERT_TRUE(OsCreateFolder("h2_uninstall_tmp"));
  FILE* file = OsOpenFile("h2_uninstall_tmp\\game.sav", "wb");
  ASSERT_NE(file, nullptr);
  fclose(file);
  CopyText(g_InstallFolder, sizeof g_InstallFolder, "h2_uninstall_tmp");
  g_InstallKind = kInstallNone;
  g_TypeMask = 3;
  testing::internal::CaptureStderr();
  Uninstall();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "[TEST] no setup del?\n");
  uint32_t attributes = 0;
  EXPECT_TRUE(OsGetFileAttributes("h2_uninstall_tmp\\game.sav", &attributes));
  EXPECT_EQ(g_TypeMask, 3u);
  OsDeleteFile("h2_uninstall_tmp\\game.sav");
  OsRemoveFolder("h2_uninstall_tmp");
}
#endif
