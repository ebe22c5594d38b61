// The install folder on a real file system: created folders and their log, one step of the
// copy pass, and whether every file on record is there. 表 and ソ end in byte 0x5C, no separator.
#include "install/copy_step.h"
#include "install/folder_creation.h"
#include "install/folder_log.h"
#include "install/install_selection.h"
#include "install/installed_state.h"
#include "scratch_folder.h"
#include "text/bounded_text.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

namespace {

const char kLogPath[] = "inst\\game._md";
std::vector<std::string> g_Shown;  // "source>target" of each step, as the dialog shows it
void Show(const CopyStepPaths& p) { g_Shown.push_back(p.source + (">" + std::string(p.target))); }
bool Go(unsigned long long, unsigned long long) { return true; }

class InstallFolder : public ScratchFolder {
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
  // The log after writing; the temporary file it went through is never left behind.
  static std::string Written() {
    WriteFolderLog();
    auto items = std::filesystem::directory_iterator("inst");
    EXPECT_EQ(std::distance(begin(items), end(items)), 1);
    return ReadBytes(kLogPath);
  }
  static std::vector<std::string> ReadEntries(const std::string& bytes) {
    WriteBytes(kLogPath, bytes);
    FolderLogEntries entries;
    if (!ReadFolderLog(kLogPath, &entries)) return {"<no file>"};
    std::vector<std::string> out(entries.slots, entries.slots + entries.count);
    ReleaseFolderLogEntries(&entries);
    return out;
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

// The install flows show what 1, 0 and -1 mean; these are the paths no flow reaches.
TEST_F(InstallFolder, CreationByWholeCharactersLoggedParentsFirst) {
  WriteBytes("inst\\file", "");
  // No folder is named after the first byte of 表 or ソ alone.
  EXPECT_EQ(CreateFolderPath("inst\\ゲーム\\表\\ソ\\"), 1);
  EXPECT_EQ(CreateFolderPath("inst\\file\\sub"), -1);
  EXPECT_EQ(CreateFolderPath(("inst\\" + std::string(255, 'x')).c_str()), 0);  // refused, not cut
  EXPECT_TRUE(Exists("inst\\ゲーム\\表\\ソ"));
  WriteFolderLog();
  EXPECT_EQ(ReadBytes(kLogPath), "inst\\ゲーム\ninst\\ゲーム\\表\ninst\\ゲーム\\表\\ソ\n");
}

TEST_F(InstallFolder, AnEarlierLogKeepsItsEntriesAndGainsOnlyNewOnes) {
  const char old[] = "inst\\a\r\ninst\\B\\\n\ninst\\c\n";
  WriteBytes(kLogPath, old);
  EXPECT_EQ(Written(), old);  // nothing logged: left alone
  LogCreatedFolder("X");
  BeginFolderLog();  // a new begin discards what an earlier one held
  // inst\b\ is the folder the old log names as inst\B\.
  for (const char* folder : {"inst\\b\\", "inst\\d", "inst\\a"}) LogCreatedFolder(folder);
  EXPECT_EQ(Written(), "inst\\a\ninst\\B\\\ninst\\c\ninst\\d\n");
}

#ifndef _WIN32  // on Windows, a log held open by another program is the win32 tests' case
// A file size limit stops the write part way, as a full disk would.
TEST_F(InstallFolder, ALogThatCannotBeWrittenStaysWhole) {
  WriteBytes(kLogPath, "old\n");
  LogCreatedFolder(std::string(300, 'x').c_str());
  signal(SIGXFSZ, SIG_IGN);
  rlimit limit = {100, RLIM_INFINITY};
  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_EQ(Written(), "old\n");
  limit.rlim_cur = RLIM_INFINITY;
  setrlimit(RLIMIT_FSIZE, &limit);
}
#endif

TEST_F(InstallFolder, AppendThatWouldNotFitTheBlockIsDropped) {
  std::string big(1000, 'a');
  for (int i = 0; i < 300; ++i) LogCreatedFolder(big.c_str());  // 300,300 bytes wanted
  LogCreatedFolder("last");
  std::string bytes = Written();
  EXPECT_EQ(bytes.size(), 261 * 1001u + 5u);  // 261 big entries and "last\n" fit
  EXPECT_EQ(bytes.substr(bytes.size() - 5), "last\n");
}

TEST_F(InstallFolder, ReaderLineRules) {
  using V = std::vector<std::string>;
  EXPECT_EQ(ReadEntries("A\r\nB\\\n"), (V{"A", "B\\"}));
  EXPECT_EQ(ReadEntries("A\n\n\rB\r"), (V{"A", "", "\rB"}));
  EXPECT_EQ(ReadEntries(""), V{});
  EXPECT_EQ(ReadEntries(std::string(600, 'x') + "\n"),
            (V{std::string(511, 'x'), std::string(89, 'x')}));
  // A two-byte character at the cut is not split between two entries.
  EXPECT_EQ(ReadEntries(std::string(510, 'x') + "表\n"), (V{std::string(510, 'x'), "表"}));
  std::string many;
  for (int i = 0; i < 1000; ++i) many += "F" + std::to_string(i) + "\n";
  EXPECT_EQ(ReadEntries(many).size(), 512u);
  OsDeleteFile(kLogPath);
  FolderLogEntries none;
  EXPECT_FALSE(ReadFolderLog(kLogPath, &none));
}

TEST_F(InstallFolder, CopiesIntoALoggedSubFolderAndClearsReadOnly) {
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
  EXPECT_EQ(ReadBytes(kLogPath), "inst\\表\\\n");
  std::string shown = std::string(pass_.discFolder) + "\\disc\\表\\a.bin>inst\\表\\a.bin";
  EXPECT_EQ(g_Shown, std::vector<std::string>(2, shown));
}

TEST_F(InstallFolder, FailuresKeepTheirPathsAndLeaveNothingHalfDone) {
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

TEST_F(InstallFolder, APathThatDoesNotFitFailsWithoutTouchingTheFileSystem) {
  std::string install = "inst\\" + std::string(251, 'x');  // with "\表\" over 259 bytes
  ASSERT_TRUE(OsCreateFolder(install.c_str()));
  CopyText(g_InstallFolder, sizeof g_InstallFolder, install.c_str());
  WriteBytes("disc\\表\\a.bin", "abc");
  List({"表\\a.bin"});
  EXPECT_EQ(Step(), kCopyStepFailed);
  EXPECT_FALSE(Exists((install + "\\表").c_str()));  // the sub-folder cut to fit
  EXPECT_EQ(g_Shown.size(), 1u);
}

TEST_F(InstallFolder, ASaveFileAlreadyThereIsThePlayersAndStays) {
  for (const char* name : {"disc\\game.SAV", "disc\\new.sav", "inst\\game.SAV"}) {
    WriteBytes(name, name);
  }
  List({"game.SAV", "new.sav"});
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(ReadBytes("inst\\game.SAV") + ReadBytes("inst\\new.sav"),
            "inst\\game.SAVdisc\\new.sav");
}

TEST_F(InstallFolder, InstalledWhenFlagFolderAndEveryRecordedFileAreThere) {
  List({"a.bin", "表\\b.bin", "skip.bin"});  // skip.bin's type is not recorded
  ASSERT_TRUE(OsCreateFolder("inst\\表"));
  WriteBytes("inst\\a.bin", "");
  // Kind and folder on record, whether 表\b.bin is there; installed.
  const std::tuple<uint32_t, const char*, bool, bool> cases[] = {
      {kInstallMaximum, "inst", true, true},
      {kInstallNone, "inst", true, false},
      {kInstallMinimum, "", true, false},
      {kInstallCustom, "inst", false, false},
      {kInstallMinimum, "inst\\表", true, false}};
  for (const auto& [kind, folder, bPresent, installed] : cases) {
    if (bPresent) WriteBytes("inst\\表\\b.bin", "");
    if (!bPresent) OsDeleteFile("inst\\表\\b.bin");
    g_InstallKind = kind;
    CopyText(g_InstallFolder, sizeof g_InstallFolder, folder);
    EXPECT_EQ(IsGameInstalled(), installed) << kind << folder << bPresent;
  }
}
