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

const char kLogPath[] = "W:\\inst\\game._md";
std::vector<std::string> g_Shown;  // "source>target" of each step, as the dialog shows it
void Show(const CopyStepPaths& p) { g_Shown.push_back(p.source + (">" + std::string(p.target))); }
bool Go(unsigned long long, unsigned long long) { return true; }

class InstallFolder : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    CopyText(g_Setup.PATH, sizeof g_Setup.PATH, "disc");
    CopyText(g_InstallFolder, sizeof g_InstallFolder, "W:\\inst");
    ASSERT_TRUE(OsCreateFolder("disc") && OsCreateFolder("disc\\表") && OsCreateFolder("W:") &&
                OsCreateFolder("W:\\inst"));
    g_TypeMask = 1;
    g_Shown.clear();
    BeginFolderLog();
  }
  void TearDown() override {
    ReleaseFolderLog();
    ScratchFolder::TearDown();
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
  WriteBytes("W:\\inst\\file", "");
  // No folder is named after the first byte of 表 or ソ alone.
  EXPECT_EQ(CreateFolderPath("W:\\inst\\ゲーム\\表\\ソ\\"), 1);
  EXPECT_EQ(CreateFolderPath("W:\\inst\\file\\sub"), -1);
  EXPECT_EQ(CreateFolderPath(("W:\\inst\\" + std::string(255, 'x')).c_str()), 0);  // not cut
  EXPECT_TRUE(Exists("W:\\inst\\ゲーム\\表\\ソ"));
  // On disk as soon as made, with no write at the end.
  EXPECT_EQ(ReadBytes(kLogPath),
            "W:\\inst\\ゲーム\nW:\\inst\\ゲーム\\表\nW:\\inst\\ゲーム\\表\\ソ\n");
}

// Old log, a log a killed launcher left under the temporary name (replaced), folders there now,
// folders this install makes -> the merged log; the temporary one is gone.
TEST_F(InstallFolder, MergedLogsListParentsFirstOnlyWhatExists) {
  using Folders = std::vector<const char*>;
  const std::tuple<const char*, const char*, Folders, Folders, const char*> cases[] = {
      // A parent made again by this install comes before the child an earlier one made.
      {"W:\\inst\\a\\b\\\n", "", {"a\\b"}, {"W:\\inst\\a"}, "W:\\inst\\a\nW:\\inst\\a\\b\\\n"},
      // Gone folders drop out; the same folder in other letters is named once.
      {"W:\\inst\\gone\r\nW:\\inst\\B\\\n\nW:\\inst\\c\n",
       "W:\\inst\\c\\d\n",
       {"b", "c\\d"},
       {"W:\\inst\\b\\", "W:\\inst\\x"},
       "W:\\inst\\c\nW:\\inst\\b\\\n"},
      {"", "", {"e\\f"}, {"W:\\inst\\e\\f", "W:\\inst\\e"}, "W:\\inst\\e\nW:\\inst\\e\\f\n"}};
  for (const auto& [old, leftover, folders, logged, merged] : cases) {
    ReleaseFolderLog();  // the folders there before
    for (const char* folder : folders) {
      CreateFolderPath((std::string("W:\\inst\\") + folder).c_str());
    }
    WriteBytes(kLogPath, old);
    if (*leftover) WriteBytes("W:\\inst\\game._m~", leftover);
    BeginFolderLog();
    for (const char* folder : logged) LogCreatedFolder(folder);
    EXPECT_EQ(ReadBytes(kLogPath), merged);
    EXPECT_FALSE(Exists("W:\\inst\\game._m~"));
  }
}

// Of an old log of 512 and 2 new folders, the 510 newest old ones stay, the new ones last.
TEST_F(InstallFolder, AFullLogKeepsTheNewestEntries) {
  std::string old;
  for (int i = 1000; i < 1512; ++i) {
    old += "W:\\inst\\o" + std::to_string(i) + "\n";
    ASSERT_TRUE(OsCreateFolder(("W:\\inst\\o" + std::to_string(i)).c_str()));
  }
  WriteBytes(kLogPath, old);
  for (const char* folder : {"W:\\inst\\n1", "W:\\inst\\n2"}) {
    ASSERT_TRUE(OsCreateFolder(folder));
    LogCreatedFolder(folder);
  }
  std::vector<std::string> read = ReadEntries(ReadBytes(kLogPath));
  ASSERT_EQ(read.size(), 512u);
  EXPECT_EQ(read[0] + read[509] + read[510] + read[511],
            "W:\\inst\\o1002W:\\inst\\o1511W:\\inst\\n1W:\\inst\\n2");
}

#ifndef _WIN32  // a size limit is POSIX only; a failed move on Windows takes the same path
// A file size limit stops the write part way, as a full disk would.
TEST_F(InstallFolder, ALogThatCannotBeWrittenStaysWhole) {
  const std::string old = "W:\\inst\\" + std::string(120, 'o');
  ASSERT_TRUE(OsCreateFolder(old.c_str()) && OsCreateFolder("W:\\inst\\n"));
  WriteBytes(kLogPath, old + "\n");
  signal(SIGXFSZ, SIG_IGN);
  rlimit limit = {100, RLIM_INFINITY};
  setrlimit(RLIMIT_FSIZE, &limit);
  LogCreatedFolder("W:\\inst\\n");
  limit.rlim_cur = RLIM_INFINITY;
  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_EQ(ReadBytes(kLogPath), old + "\n");
  EXPECT_FALSE(Exists("W:\\inst\\game._m~"));
}
#endif

TEST_F(InstallFolder, ReaderLineRules) {
  using V = std::vector<std::string>;
  EXPECT_EQ(ReadEntries("C:\\A\r\n\\\\s\\B\\\n"), (V{"C:\\A", "\\\\s\\B\\"}));
  EXPECT_EQ(ReadEntries("C:\\A\n\nc:/B"), (V{"C:\\A", "", "c:/B"}));
  EXPECT_EQ(ReadEntries(""), V{});
  EXPECT_EQ(ReadEntries("C:\\" + std::string(597, 'x') + "\n"),
            (V{"C:\\" + std::string(508, 'x'), std::string(89, 'x')}));
  // A two-byte character at the cut is not split between two entries.
  EXPECT_EQ(ReadEntries("C:\\" + std::string(507, 'x') + "表\n"),
            (V{"C:\\" + std::string(507, 'x'), "表"}));
  std::string many;
  for (int i = 0; i < 1000; ++i) many += "C:\\F" + std::to_string(i) + "\n";
  EXPECT_EQ(ReadEntries(many).size(), 512u);
  // Not a log: a save, a relative line, a lone carriage return, half or no character of
  // code page 932, a control byte.
  for (const std::string& bytes :
       {std::string("SAVE\0\x01", 6), std::string("C:\\a\nslot1.sav\n"),
        std::string("C:\\a\rC:\\b"), std::string("C:\\\x81"), std::string("C:\\\x81\x20"),
        std::string("C:\\\xFD"), std::string("C:\\a\n\x1A"), std::string("C:a\n"),
        std::string("\\a\n")}) {
    EXPECT_EQ(ReadEntries(bytes), V{"<no file>"}) << bytes;
  }
  OsDeleteFile(kLogPath);
  FolderLogEntries none;
  EXPECT_FALSE(ReadFolderLog(kLogPath, &none));
}

TEST_F(InstallFolder, CopiesIntoALoggedSubFolderAndClearsReadOnly) {
  WriteBytes("disc\\表\\a.bin", "abc");
  ASSERT_TRUE(OsSetFileAttributes("disc\\表\\a.bin", kAttributeReadOnly));
  EXPECT_EQ(List({"表\\a.bin", "skip.bin", "表\\a.bin"}), 2);
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(ReadBytes("W:\\inst\\表\\a.bin"), "abc");
  // The source's read-only bit came along and went; the folder, there now, is logged once.
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(Step(), kCopyStepNoFileLeft);
  EXPECT_EQ(Step(), kCopyStepNoFileLeft);  // over stays over
  WriteFolderLog();
  EXPECT_EQ(ReadBytes(kLogPath), "W:\\inst\\表\\\n");
  // The disc is this test's own folder, not whatever the pass recorded.
  std::string shown = folder_.string() + "\\disc\\表\\a.bin>W:\\inst\\表\\a.bin";
  EXPECT_EQ(g_Shown, std::vector<std::string>(2, shown));
}

TEST_F(InstallFolder, FailuresKeepTheirPathsAndLeaveNothingHalfDone) {
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
  EXPECT_EQ(List({"b.bin"}), 1);  // begun again mid-walk: from the first file
  EXPECT_EQ(Step(), kCopyStepCopied);
}

TEST_F(InstallFolder, APathThatDoesNotFitFailsWithoutTouchingTheFileSystem) {
  std::string install = "W:\\inst\\" + std::string(251, 'x');  // with "\表\" over 259 bytes
  ASSERT_TRUE(OsCreateFolder(install.c_str()));
  CopyText(g_InstallFolder, sizeof g_InstallFolder, install.c_str());
  WriteBytes("disc\\表\\a.bin", "abc");
  List({"表\\a.bin"});
  EXPECT_EQ(Step(), kCopyStepFailed);
  EXPECT_FALSE(Exists((install + "\\表").c_str()));  // the sub-folder cut to fit
  EXPECT_EQ(g_Shown.size(), 1u);
}

TEST_F(InstallFolder, ASaveFileAlreadyThereIsThePlayersAndStays) {
  for (const char* name : {"disc\\game.SAV", "disc\\new.sav", "W:\\inst\\game.SAV"}) {
    WriteBytes(name, name);
  }
  List({"game.SAV", "new.sav"});
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(Step(), kCopyStepCopied);
  EXPECT_EQ(ReadBytes("W:\\inst\\game.SAV") + ReadBytes("W:\\inst\\new.sav"),
            "W:\\inst\\game.SAVdisc\\new.sav");
}

TEST_F(InstallFolder, InstalledWhenFlagFolderAndEveryRecordedFileAreThere) {
  List({"a.bin", "表\\b.bin", "skip.bin"});  // skip.bin's type is not recorded
  ASSERT_TRUE(OsCreateFolder("W:\\inst\\表"));
  WriteBytes("W:\\inst\\a.bin", "");
  // Kind and folder on record, whether 表\b.bin is there; installed.
  const std::tuple<uint32_t, const char*, bool, bool> cases[] = {
      {kInstallMaximum, "W:\\inst", true, true},
      {kInstallNone, "W:\\inst", true, false},
      {kInstallMinimum, "", true, false},
      {kInstallCustom, "W:\\inst", false, false},
      {kInstallMinimum, "W:\\inst\\表", true, false}};
  for (const auto& [kind, folder, bPresent, installed] : cases) {
    if (bPresent) WriteBytes("W:\\inst\\表\\b.bin", "");
    if (!bPresent) OsDeleteFile("W:\\inst\\表\\b.bin");
    g_InstallKind = kind;
    CopyText(g_InstallFolder, sizeof g_InstallFolder, folder);
    EXPECT_EQ(IsGameInstalled(), installed) << kind << folder << bPresent;
  }
}
