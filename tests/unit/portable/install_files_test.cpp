// The install's files on a real file system: one step of the copy pass (the paths it shows,
// the sub-folder it creates and logs, the failures it reports), and whether every file on
// record is still there. 表 ends in byte 0x5C, which is no separator.
#include "install/copy_step.h"
#include "install/folder_log.h"
#include "install/install_selection.h"
#include "install/installed_state.h"
#include "scratch_folder.h"
#include "text/bounded_text.h"

namespace {

std::vector<std::string> g_Shown;  // "source>target" of each step, as the dialog shows it
void Show(const CopyStepPaths& p) { g_Shown.push_back(p.source + (">" + std::string(p.target))); }
bool Go(unsigned long long, unsigned long long) { return true; }

class InstallFiles : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    CopyText(g_Setup.PATH, sizeof g_Setup.PATH, "disc");
    CopyText(g_InstallFolder, sizeof g_InstallFolder, "inst");
    ASSERT_TRUE(OsCreateFolder("disc") && OsCreateFolder("disc\\表") && OsCreateFolder("inst"));
    g_TypeMask = 1;
    g_Shown.clear();
    BeginFolderLog();
  }
  void TearDown() override {
    ReleaseFolderLog();
    ScratchFolder::TearDown();
  }
  // Lists the files, of the chosen type unless named skip.bin; returns the pass's count.
  int List(std::vector<const char*> names) {
    g_Setup.fileCount = static_cast<int>(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
      CopyText(g_Setup.files[i].name, sizeof g_Setup.files[i].name, names[i]);
      g_Setup.files[i].mask = std::string(names[i]) == "skip.bin" ? 2 : 1;
    }
    return BeginCopyPass(&pass_);
  }
  CopyStepResult Step(OsCopyProgress progress = Go) { return CopyNextFile(&pass_, Show, progress); }
  CopyPass pass_;
};

}  // namespace

TEST_F(InstallFiles, CopiesIntoALoggedSubFolderAndClearsReadOnly) {
  WriteBytes("disc\\表\\a.bin", "abc");
  ASSERT_TRUE(OsSetFileAttributes("disc\\表\\a.bin", kAttributeReadOnly));
  EXPECT_EQ(List({"表\\a.bin", "skip.bin", "表\\a.bin"}), 2);
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(ReadBytes("inst\\表\\a.bin"), "abc");
  // The source's read-only bit came along and went; the folder, there now, is logged once.
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(Step(), kCopyStepNoFileLeft);
  EXPECT_EQ(Step(), kCopyStepNoFileLeft);  // over stays over
  WriteFolderLog();
  EXPECT_EQ(ReadBytes("inst\\game._md"), "inst\\表\\\n");
  std::string shown = std::string(pass_.discFolder) + "\\disc\\表\\a.bin>inst\\表\\a.bin";
  EXPECT_EQ(g_Shown, std::vector<std::string>(2, shown));
}

TEST_F(InstallFiles, FailuresKeepTheirPathsAndLeaveNothingHalfDone) {
  for (const char* name : {"disc\\ro.bin", "disc\\b.bin"}) WriteBytes(name, "new");
  WriteBytes("inst\\ro.bin", "old");
  ASSERT_TRUE(OsSetFileAttributes("inst\\ro.bin", kAttributeReadOnly));
  List({"missing.bin", "ro.bin", "deep\\er\\b.bin", "b.bin"});
  EXPECT_EQ(Step(), kCopyStepFailed);
  EXPECT_STREQ(pass_.paths.target, "inst\\missing.bin");
  EXPECT_EQ(Step(), kCopyStepFailed);  // refused, then made writable
  uint32_t attributes = 0;
  EXPECT_TRUE(OsGetFileAttributes("inst\\ro.bin", &attributes));
  EXPECT_EQ(ReadBytes("inst\\ro.bin") + std::to_string(attributes & kAttributeReadOnly), "old0");
  EXPECT_EQ(Step(), kCopyStepFailed);  // only one level is created
  EXPECT_EQ(Step([](unsigned long long, unsigned long long) { return false; }), kCopyStepStopped);
  for (const char* gone : {"inst\\missing.bin", "inst\\deep", "inst\\b.bin"}) {
    EXPECT_FALSE(Exists(gone)) << gone;
  }
  EXPECT_EQ(List({"b.bin"}), 1);  // begun again mid-walk: from the first file
  EXPECT_EQ(Step(), kCopyStepCopied);
}

TEST_F(InstallFiles, APathThatDoesNotFitFailsWithoutTouchingTheFileSystem) {
  std::string install = "inst\\" + std::string(251, 'x');  // with "\表\" over 259 bytes
  ASSERT_TRUE(OsCreateFolder(install.c_str()));
  CopyText(g_InstallFolder, sizeof g_InstallFolder, install.c_str());
  WriteBytes("disc\\表\\a.bin", "abc");
  List({"表\\a.bin"});
  EXPECT_EQ(Step(), kCopyStepFailed);
  EXPECT_FALSE(Exists((install + "\\表").c_str()));  // the sub-folder cut to fit
  EXPECT_EQ(g_Shown.size(), 1u);
}

TEST_F(InstallFiles, ASaveFileAlreadyThereIsThePlayersAndStays) {
  for (const char* name : {"disc\\game.SAV", "disc\\new.sav", "inst\\game.SAV"}) {
    WriteBytes(name, name);
  }
  List({"game.SAV", "new.sav"});
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(ReadBytes("inst\\game.SAV") + ReadBytes("inst\\new.sav"),
            "inst\\game.SAVdisc\\new.sav");
}

// Installed: a kind and a folder on record, and every file of the recorded types there.
TEST_F(InstallFiles, InstalledWhenFlagFolderAndEveryRecordedFileAreThere) {
  List({"a.bin", "表\\b.bin", "skip.bin"});  // skip.bin's type is not recorded
  ASSERT_TRUE(OsCreateFolder("inst\\表"));
  WriteBytes("inst\\a.bin", "");
  const struct {
    uint32_t kind;
    const char* folder;
    bool bPresent, installed;
  } cases[] = {{kInstallMaximum, "inst", true, true},
               {kInstallNone, "inst", true, false},
               {kInstallMinimum, "", true, false},
               {kInstallCustom, "inst", false, false},
               {kInstallMinimum, "inst\\表", true, false}};
  for (const auto& c : cases) {
    if (c.bPresent) WriteBytes("inst\\表\\b.bin", "");
    if (!c.bPresent) OsDeleteFile("inst\\表\\b.bin");
    g_InstallKind = c.kind;
    CopyText(g_InstallFolder, sizeof g_InstallFolder, c.folder);
    EXPECT_EQ(IsGameInstalled(), c.installed) << c.kind << c.folder << c.bPresent;
  }
}
