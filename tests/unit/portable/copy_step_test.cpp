// One step of the copy pass into the install folder on a real file system.
#include "install/copy_step.h"

#include "install/path_limits.h"
#include "install_folder.h"

using CopyStep = InstallFolder;

TEST_F(CopyStep, CopiesIntoALoggedSubFolderAndClearsReadOnly) {
  ASSERT_TRUE(OsCreateFolder("disc\\表ｿ"));  // ｿ is one byte, the backslash a separator
  WriteBytes("disc\\表ｿ\\a.bin", "abc");
  ASSERT_TRUE(OsSetFileAttributes("disc\\表ｿ\\a.bin", kAttributeReadOnly));
  List({"表ｿ\\a.bin", "skip.bin", "表ｿ\\a.bin"});
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_TRUE(InstallPathsFit("W:\\inst", 1));  // another walk meanwhile: the pass goes on
  EXPECT_EQ(ReadBytes("W:\\inst\\表ｿ\\a.bin"), "abc");
  // A kill before the step clears the bit must not leave a file no install can replace.
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
  List({"missing.bin", "ro.bin", "b.bin"});
  EXPECT_EQ(Step(), kCopyStepFailed);
  EXPECT_STREQ(pass_.paths.target, "W:\\inst\\missing.bin");
  WriteBytes("disc\\missing.bin", "put back");  // the disc back in: the same file again
  EXPECT_EQ(CopyFileAgain(&pass_, Show, Go), kCopyStepCopied);
  EXPECT_EQ(ReadBytes("W:\\inst\\missing.bin"), "put back");
  EXPECT_EQ(Step(), kCopyStepFailed);  // refused, then made writable
  uint32_t attributes = 0;
  EXPECT_TRUE(OsGetFileAttributes("W:\\inst\\ro.bin", &attributes));
  EXPECT_EQ(ReadBytes("W:\\inst\\ro.bin") + std::to_string(attributes & kAttributeReadOnly),
            "old0");
  EXPECT_EQ(Step([](unsigned long long, unsigned long long) { return false; }), kCopyStepStopped);
  EXPECT_FALSE(Exists("W:\\inst\\b.bin"));
  // Begun again mid-walk: from the first file. A save already there is the player's and stays.
  for (const char* name : {"disc\\game.SAV", "disc\\new.sav", "W:\\inst\\game.SAV"}) {
    WriteBytes(name, name);
  }
  List({"b.bin", "game.SAV", "new.sav"});
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Step(), kCopyStepCopied) << i;
  EXPECT_EQ(ReadBytes("W:\\inst\\game.SAV") + ReadBytes("W:\\inst\\new.sav"),
            "W:\\inst\\game.SAVdisc\\new.sav");
}

// Missing levels are logged, then made outermost first; a refused level fails alike twice.
TEST_F(CopyStep, EveryMissingLevelIsLoggedThenMadeOutermostFirst) {
  const std::string refused = "x\\" + RefusedName();
  ASSERT_TRUE(OsCreateFolder("disc\\data") && OsCreateFolder("disc\\data\\font") &&
              OsCreateFolder("disc\\画像") && OsCreateFolder("disc\\画像\\表"));
  for (const char* name :
       {"disc\\data\\font\\a.ttf", "disc\\画像\\表\\b.bin", "disc\\data\\c.bin"}) {
    WriteBytes(name, name);
  }
  List({"data\\font\\a.ttf", "画像\\表\\b.bin", "data\\c.bin", (refused + "\\d.bin").c_str()});
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Step(), kCopyStepCopied) << i;
  EXPECT_EQ(ReadBytes("W:\\inst\\data\\font\\a.ttf") + ReadBytes("W:\\inst\\画像\\表\\b.bin") +
                ReadBytes("W:\\inst\\data\\c.bin"),
            "disc\\data\\font\\a.ttfdisc\\画像\\表\\b.bindisc\\data\\c.bin");
  EXPECT_EQ(Step(), kCopyStepFailed);
  EXPECT_EQ(CopyFileAgain(&pass_, Show, Go), kCopyStepFailed);
  EXPECT_STREQ(pass_.paths.target, ("W:\\inst\\" + refused + "\\d.bin").c_str());
  EXPECT_EQ(ReadBytes(kLogPath),
            "W:\\inst\\data\\\nW:\\inst\\data\\font\\\nW:\\inst\\画像\\\n"
            "W:\\inst\\画像\\表\\\nW:\\inst\\x\\\nW:\\inst\\" +
                refused + "\\\n");
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
