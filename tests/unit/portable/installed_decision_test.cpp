// Whether the buttons show the game as installed, from the record's values and the files
// found in the recorded folder.
#include <gtest/gtest.h>

#include "install/install_selection.h"
#include "install/installed_state.h"
#include "platform/file_system.h"
#include "scratch_folder.h"
#include "text/bounded_text.h"

using InstalledDecision = ScratchFolder;

TEST_F(InstalledDecision, FlagFolderAndEveryRecordedFile) {
  ResetSetupDescriptionToDefaults();
  const char* names[] = {"a.bin", "sub\\b.bin", "c.bin"};
  for (int i = 0; i < 3; ++i) {
    CopyText(g_Setup.files[i].name, sizeof g_Setup.files[i].name, names[i]);
    g_Setup.files[i].mask = i == 2 ? 4 : 3;  // c.bin is of a type not on record
  }
  g_Setup.fileCount = 3;
  ASSERT_TRUE(OsCreateFolder("inst") && OsCreateFolder("inst\\sub"));
  WriteBytes("inst\\a.bin", "");
  struct Case {
    uint32_t kind;
    const char* folder;
    bool bPresent;
    bool installed;
  } cases[] = {
      {kInstallMaximum, "inst", true, true},       {kInstallNone, "inst", true, false},
      {kInstallMinimum, "", true, false},          {kInstallCustom, "inst", false, false},
      {kInstallMinimum, "inst\\sub", true, false},  // the files are not where recorded
  };
  for (const Case& c : cases) {
    if (c.bPresent) WriteBytes("inst\\sub\\b.bin", "");
    if (!c.bPresent) OsDeleteFile("inst\\sub\\b.bin");
    g_InstallKind = c.kind;
    g_TypeMask = 2;
    CopyText(g_InstallFolder, sizeof g_InstallFolder, c.folder);
    EXPECT_EQ(IsGameInstalled(), c.installed) << c.kind << c.folder << c.bPresent;
  }
}
