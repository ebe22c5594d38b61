// One step of the copy pass into the install folder on a real file system.
#include "install/copy_step.h"

#include "install_folder.h"

using CopyStep = InstallFolder;

TEST_F(CopyStep, CopiesIntoALoggedSubFolderAndClearsReadOnly) {
  ASSERT_TRUE(OsCreateFolder("disc\\表ｿ"));  // ｿ is one byte, the backslash a separator
  WriteBytes("disc\\表ｿ\\a.bin", "abc");
  ASSERT_TRUE(OsSetFileAttributes("disc\\表ｿ\\a.bin", kAttributeReadOnly));
  List({"表ｿ\\a.bin", "skip.bin", "表ｿ\\a.bin"});
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(ReadBytes("W:\\inst\\表ｿ\\a.bin"), "abc");
  // The copy itself leaves the bit off: a kill before the step clears it must not leave a
  // file the next install cannot replace.
  uint32_t attributes = 0;
  ASSERT_EQ(OsCopyFileWithProgress("disc\\表ｿ\\a.bin", "W:\\inst\\b.bin", Go), kOsCopyDone);
  EXPECT_TRUE(OsGetFileAttributes("W:\\inst\\b.bin", &attributes));
  EXPECT_EQ(attributes & kAttributeReadOnly, 0u);
  // The folder, there now, is logged once.
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(Step(), kCopyStepNoFileLeft);
  EXPECT_EQ(Step(), kCopyStepNoFileLeft);  // a pass that is over stays over
  WriteFolderLog();
  EXPECT_EQ(ReadBytes(kLogPath), "W:\\inst\\表ｿ\\\n");
  // The disc is this test's own folder, not whatever the pass recorded.
  std::string shown = folder_.string() + "\\disc\\表ｿ\\a.bin>W:\\inst\\表ｿ\\a.bin";
  EXPECT_EQ(g_Shown, std::vector<std::string>(2, shown));
}

TEST_F(CopyStep, FailuresKeepTheirPathsAndLeaveNothingHalfDone) {
  for (const char* name : {"disc\\ro.bin", "disc\\b.bin"}) WriteBytes(name, "new");
  WriteBytes("W:\\inst\\ro.bin", "old");
  ASSERT_TRUE(OsSetFileAttributes("W:\\inst\\ro.bin", kAttributeReadOnly));
  List({"missing.bin", "ro.bin", "deep\\er\\b.bin", "b.bin"});
  EXPECT_EQ(Step(), kCopyStepFailed);
  EXPECT_STREQ(pass_.paths.target, "W:\\inst\\missing.bin");
  EXPECT_EQ(Step(), kCopyStepFailed);  // refused, then made writable
  uint32_t attributes = 0;
  EXPECT_TRUE(OsGetFileAttributes("W:\\inst\\ro.bin", &attributes));
  EXPECT_EQ(ReadBytes("W:\\inst\\ro.bin") + std::to_string(attributes & kAttributeReadOnly),
            "old0");
  EXPECT_EQ(Step(), kCopyStepFailed);  // only one level is created
  EXPECT_EQ(Step([](unsigned long long, unsigned long long) { return false; }), kCopyStepStopped);
  for (const char* gone : {"W:\\inst\\missing.bin", "W:\\inst\\deep", "W:\\inst\\b.bin"}) {
    EXPECT_FALSE(Exists(gone)) << gone;
  }
  List({"b.bin"});  // begun again mid-walk: from the first file
  EXPECT_EQ(Step(), kCopyStepCopied);
}

TEST_F(CopyStep, APathThatDoesNotFitFailsWithoutTouchingTheFileSystem) {
  std::string install = "W:\\inst\\" + std::string(251, 'x');  // with "\表\" over 259 bytes
  ASSERT_TRUE(OsCreateFolder(install.c_str()));
  CopyText(g_InstallFolder, sizeof g_InstallFolder, install.c_str());
  WriteBytes("disc\\表\\a.bin", "abc");
  List({"表\\a.bin"});
  EXPECT_EQ(Step(), kCopyStepFailed);
  EXPECT_FALSE(Exists((install + "\\表").c_str()));  // the sub-folder cut to fit
  EXPECT_EQ(g_Shown.size(), 1u);
}

TEST_F(CopyStep, ASaveFileAlreadyThereIsThePlayersAndStays) {
  for (const char* name : {"disc\\game.SAV", "disc\\new.sav", "W:\\inst\\game.SAV"}) {
    WriteBytes(name, name);
  }
  List({"game.SAV", "new.sav"});
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(ReadBytes("W:\\inst\\game.SAV") + ReadBytes("W:\\inst\\new.sav"),
            "W:\\inst\\game.SAVdisc\\new.sav");
}
