#include "install/installed_state.h"

#include "install_folder.h"

using InstalledState = InstallFolder;

TEST_F(InstalledState, InstalledWhenFlagFolderAndEveryRecordedFileAreThere) {
  List({"a.bin", "表\\b.bin", "skip.bin"});  // skip.bin's type is not recorded
  ASSERT_TRUE(OsCreateFolder("W:\\inst\\表"));
  WriteBytes("W:\\inst\\a.bin", "");
  // Kind and folder on record, whether 表\b.bin is there; installed.
  const std::tuple<uint32_t, const char*, bool, bool> cases[] = {
      {kInstallMaximum, "W:\\inst", true, true},
      {kInstallNone, "W:\\inst", true, false},
      {kInstallMinimum, "", true, false},
      {kInstallCustom, "W:\\inst", false, false}};
  for (const auto& [kind, folder, bPresent, installed] : cases) {
    if (bPresent) WriteBytes("W:\\inst\\表\\b.bin", "");
    if (!bPresent) OsDeleteFile("W:\\inst\\表\\b.bin");
    g_InstallKind = kind;
    CopyText(g_InstallFolder, sizeof g_InstallFolder, folder);
    EXPECT_EQ(IsGameInstalled(), installed) << kind << folder << bPresent;
  }
}
