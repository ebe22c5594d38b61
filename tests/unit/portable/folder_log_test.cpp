// Creating folder paths and the created-folder log: what is logged and in which order, the
// exact bytes written over an earlier log, and a reader that survives edited files.
#include "install/folder_log.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/resource.h>
#endif

#include "install/folder_creation.h"
#include "install/install_selection.h"
#include "scratch_folder.h"
#include "text/bounded_text.h"

namespace {

const char kLogPath[] = "inst\\game._md";

class FolderLog : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    ASSERT_TRUE(OsCreateFolder("inst"));
    CopyText(g_InstallFolder, sizeof g_InstallFolder, "inst");
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
};

}  // namespace

// The install flows show what 1, 0 and -1 mean; these are the paths no flow reaches.
TEST_F(FolderLog, CreationByWholeCharactersLoggedParentsFirst) {
  WriteBytes("inst\\file", "");
  // 表 and ソ end in byte 0x5C: no folder is named after their first byte alone.
  EXPECT_EQ(CreateFolderPath("inst\\ゲーム\\表\\ソ\\"), 1);
  EXPECT_EQ(CreateFolderPath("inst\\file\\sub"), -1);
  EXPECT_EQ(CreateFolderPath(("inst\\" + std::string(255, 'x')).c_str()), 0);  // refused, not cut
  EXPECT_TRUE(Exists("inst\\ゲーム\\表\\ソ"));
  WriteFolderLog();
  EXPECT_EQ(ReadBytes(kLogPath), "inst\\ゲーム\ninst\\ゲーム\\表\ninst\\ゲーム\\表\\ソ\n");
}

TEST_F(FolderLog, AnEarlierLogKeepsItsEntriesAndGainsOnlyNewOnes) {
  const char old[] = "inst\\a\r\ninst\\B\\\n\ninst\\c\n";
  WriteBytes(kLogPath, old);
  EXPECT_EQ(Written(), old);  // nothing logged: left alone
  LogCreatedFolder("X");
  BeginFolderLog();  // a new begin discards what an earlier one held
  // inst\b\ is the folder the old log names as inst\B\.
  for (const char* folder : {"inst\\b\\", "inst\\d", "inst\\a"}) LogCreatedFolder(folder);
  EXPECT_EQ(Written(), "inst\\a\ninst\\B\\\ninst\\c\ninst\\d\n");
}

TEST_F(FolderLog, ALogThatCannotBeWrittenStaysWhole) {
  WriteBytes(kLogPath, "old\n");
  LogCreatedFolder(std::string(300, 'x').c_str());
#ifdef _WIN32
  // Another program holds the old log open, so it cannot be replaced.
  HANDLE held =
      CreateFileW(L"inst\\game._md", GENERIC_READ, FILE_SHARE_READ, 0, OPEN_EXISTING, 0, 0);
  EXPECT_EQ(Written(), "old\n");
  CloseHandle(held);
#else
  // A file size limit stops the write part way, as a full disk would.
  signal(SIGXFSZ, SIG_IGN);
  rlimit limit = {100, RLIM_INFINITY};
  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_EQ(Written(), "old\n");
  limit.rlim_cur = RLIM_INFINITY;
  setrlimit(RLIMIT_FSIZE, &limit);
#endif
}

TEST_F(FolderLog, AppendThatWouldNotFitTheBlockIsDropped) {
  std::string big(1000, 'a');
  for (int i = 0; i < 300; ++i) LogCreatedFolder(big.c_str());  // 300,300 bytes wanted
  LogCreatedFolder("last");
  std::string bytes = Written();
  EXPECT_EQ(bytes.size(), 261 * 1001u + 5u);  // 261 big entries and "last\n" fit
  EXPECT_EQ(bytes.substr(bytes.size() - 5), "last\n");
}

TEST_F(FolderLog, ReaderLineRules) {
  using V = std::vector<std::string>;
  EXPECT_EQ(ReadEntries("A\nB\\\n"), (V{"A", "B\\"}));
  EXPECT_EQ(ReadEntries("A\r\nB\r\n"), (V{"A", "B"}));
  EXPECT_EQ(ReadEntries("A\n\n\rB\r"), (V{"A", "", "\rB"}));
  EXPECT_EQ(ReadEntries(""), V{});
  EXPECT_EQ(ReadEntries(std::string(600, 'x') + "\n"),
            (V{std::string(511, 'x'), std::string(89, 'x')}));
  // A two-byte character at the cut is not split between two entries.
  EXPECT_EQ(ReadEntries(std::string(510, 'x') + "表\n"), (V{std::string(510, 'x'), "表"}));
  std::string many;
  for (int i = 0; i < 1000; ++i) many += "F" + std::to_string(i) + "\n";
  V entries = ReadEntries(many);
  ASSERT_EQ(entries.size(), 512u);
  EXPECT_EQ(entries.back(), "F511");
  OsDeleteFile(kLogPath);
  FolderLogEntries none;
  EXPECT_FALSE(ReadFolderLog(kLogPath, &none));
}
