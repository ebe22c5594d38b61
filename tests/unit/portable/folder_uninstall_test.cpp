// Without a recorded install the uninstaller only refuses: it must never delete by guess.
#include <gtest/gtest.h>

#include "install/install_selection.h"
#include "install/uninstaller.h"
#include "platform/file_system.h"
#include "scratch_folder.h"
#include "text/bounded_text.h"

// On Windows the refusal is a modal box that would wait for a user.
#ifndef _WIN32
using FolderUninstall = ScratchFolder;

TEST_F(FolderUninstall, NothingRecordedOnlyShowsTheRefusal) {
  WriteBytes("game.sav", "x");
  CopyText(g_InstallFolder, sizeof g_InstallFolder, ".");
  g_InstallKind = kInstallNone;
  g_TypeMask = 3;
  testing::internal::CaptureStderr();
  Uninstall(false);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "[TEST] no setup del?\n");
  EXPECT_EQ(ReadBytes("game.sav"), "x");
  EXPECT_EQ(g_TypeMask, 3u);
}
#endif
