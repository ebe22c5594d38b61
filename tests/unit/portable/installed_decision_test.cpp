// Whether the buttons show the game as installed: a kind and a folder on record, and every
// file of the recorded types in that folder.
#include <gtest/gtest.h>

#include "install/install_selection.h"
#include "install/installed_state.h"
#include "scratch_folder.h"
#include "text/bounded_text.h"

using InstalledDecision = ScratchFolder;

TEST_F(InstalledDecision, FlagFolderAndEveryRecordedFile) {
  const char* names[] = {"a.bin", "sub\\b.bin", "c.bin"};  // c.bin's type is not recorded
  for (int i = 0; i < 3; ++i) {
    CopyText(g_Setup.files[i].name, sizeof g_Setup.files[i].name, names[i]);
    g_Setup.files[i].mask = i == 2 ? 4 : 3;
  }
  g_Setup.fileCount = 3;
  g_TypeMask = 2;
  ASSERT_TRUE(OsCreateFolder("inst") && OsCreateFolder("inst\\sub"));
  WriteBytes("inst\\a.bin", "");
  const struct {
    uint32_t kind;
    const char* folder;
    bool bPresent, installed;
  } cases[] = {{kInstallMaximum, "inst", true, true},
               {kInstallNone, "inst", true, false},
               {kInstallMinimum, "", true, false},
               {kInstallCustom, "inst", false, false},
               {kInstallMinimum, "inst\\sub", true, false}};
  for (const auto& c : cases) {
    if (c.bPresent) WriteBytes("inst\\sub\\b.bin", "");
    if (!c.bPresent) OsDeleteFile("inst\\sub\\b.bin");
    g_InstallKind = c.kind;
    CopyText(g_InstallFolder, sizeof g_InstallFolder, c.folder);
    EXPECT_EQ(IsGameInstalled(), c.installed) << c.kind << c.folder << c.bPresent;
  }
}
