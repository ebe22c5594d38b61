// One step of the copy pass on a real file system: the paths it shows, the sub-folder it
// creates and logs (表 ends in byte 0x5C, which is no separator), the failures it reports
// with their paths, and the end of the set.
#include "install/copy_step.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/folder_log.h"
#include "install/install_selection.h"
#include "scratch_folder.h"
#include "text/bounded_text.h"

namespace {

std::vector<std::string> g_Shown;  // "source>target" of each step, as the dialog shows it
void Show(const CopyStepPaths& p) { g_Shown.push_back(p.source + (">" + std::string(p.target))); }
bool Go(unsigned long long, unsigned long long) { return true; }
bool Stop(unsigned long long, unsigned long long) { return false; }

class CopyStep : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    CopyText(g_Setup.PATH, sizeof g_Setup.PATH, "disc");
    CopyText(g_Setup.MD, sizeof g_Setup.MD, "game._md");
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
  CopyPass pass_;
};

TEST_F(CopyStep, CopiesIntoALoggedSubFolderAndClearsReadOnly) {
  WriteBytes("disc\\表\\a.bin", "abc");
  ASSERT_TRUE(OsSetFileAttributes("disc\\表\\a.bin", kAttributeReadOnly));
  EXPECT_EQ(List({"表\\a.bin", "skip.bin", "表\\a.bin"}), 2);
  EXPECT_EQ(CopyNextFile(&pass_, Show, Go), kCopyStepCopied);
  EXPECT_EQ(ReadBytes("inst\\表\\a.bin"), "abc");
  // The source's read-only bit came along and went; the folder, there now, is logged once.
  EXPECT_EQ(CopyNextFile(&pass_, Show, Go), kCopyStepCopied);
  EXPECT_EQ(CopyNextFile(&pass_, Show, Go), kCopyStepNoFileLeft);
  WriteFolderLog();
  EXPECT_EQ(ReadBytes("inst\\game._md"), "inst\\表\\\n");
  std::string shown = std::string(pass_.discFolder) + "\\disc\\表\\a.bin>inst\\表\\a.bin";
  EXPECT_EQ(g_Shown, std::vector<std::string>(2, shown));
}

TEST_F(CopyStep, FailuresKeepTheirPathsAndLeaveNothingHalfDone) {
  for (const char* name : {"disc\\ro.bin", "disc\\b.bin"}) WriteBytes(name, "new");
  WriteBytes("inst\\ro.bin", "old");
  ASSERT_TRUE(OsSetFileAttributes("inst\\ro.bin", kAttributeReadOnly));
  List({"missing.bin", "ro.bin", "deep\\er\\b.bin", "b.bin"});
  EXPECT_EQ(CopyNextFile(&pass_, Show, Go), kCopyStepFailed);
  EXPECT_STREQ(pass_.paths.target, "inst\\missing.bin");
  EXPECT_EQ(CopyNextFile(&pass_, Show, Go), kCopyStepFailed);  // refused, then made writable
  uint32_t attributes = 0;
  EXPECT_TRUE(OsGetFileAttributes("inst\\ro.bin", &attributes));
  EXPECT_EQ(ReadBytes("inst\\ro.bin") + std::to_string(attributes & kAttributeReadOnly), "old0");
  EXPECT_EQ(CopyNextFile(&pass_, Show, Go), kCopyStepFailed);  // only one level is created
  EXPECT_EQ(CopyNextFile(&pass_, Show, Stop), kCopyStepStopped);
  for (const char* gone : {"inst\\missing.bin", "inst\\deep", "inst\\b.bin"}) {
    EXPECT_FALSE(Exists(gone)) << gone;
  }
}

TEST_F(CopyStep, APathThatDoesNotFitFailsWithoutTouchingTheFileSystem) {
  std::string install = "inst\\" + std::string(251, 'x');  // with "\表\" over 259 bytes
  ASSERT_TRUE(OsCreateFolder(install.c_str()));
  CopyText(g_InstallFolder, sizeof g_InstallFolder, install.c_str());
  WriteBytes("disc\\表\\a.bin", "abc");
  List({"表\\a.bin"});
  EXPECT_EQ(CopyNextFile(&pass_, Show, Go), kCopyStepFailed);
  EXPECT_FALSE(Exists((install + "\\表").c_str()));  // the sub-folder cut to fit
  EXPECT_EQ(g_Shown.size(), 1u);
}

}  // namespace

TEST_F(CopyStep, ASaveFileAlreadyThereIsThePlayersAndStays) {
  for (const char* name : {"disc\\game.SAV", "disc\\new.sav", "inst\\game.SAV"}) {
    WriteBytes(name, name);
  }
  List({"game.SAV", "new.sav"});
  EXPECT_EQ(CopyNextFile(&pass_, Show, Go), kCopyStepCopied);
  EXPECT_EQ(CopyNextFile(&pass_, Show, Go), kCopyStepCopied);
  EXPECT_EQ(ReadBytes("inst\\game.SAV") + ReadBytes("inst\\new.sav"),
            "inst\\game.SAVdisc\\new.sav");
}
