// Creating folder paths and the created-folder log: results, logging order, exact file
// bytes, and a reader that survives edited files.
#include "install/folder_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/folder_creation.h"
#include "install/install_selection.h"
#include "scratch_folder.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {

const char kLogPath[] = "inst\\game._md";

class FolderLog : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    ASSERT_TRUE(OsCreateFolder("inst"));
    CopyText(g_InstallFolder, sizeof g_InstallFolder, "inst");
    CopyText(g_Setup.MD, sizeof g_Setup.MD, "game._md");
    BeginFolderLog();
  }
  void TearDown() override {
    ReleaseFolderLog();
    ScratchFolder::TearDown();
  }
  static std::string Written() {
    WriteFolderLog();
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
  EXPECT_EQ(Written(), "inst\\ゲーム\ninst\\ゲーム\\表\ninst\\ゲーム\\表\\ソ\n");
}

TEST_F(FolderLog, NothingLoggedLeavesAnOlderFileAlone) {
  WriteBytes(kLogPath, "old\n");
  EXPECT_EQ(Written(), "old\n");
  LogCreatedFolder("X");
  BeginFolderLog();  // a new begin discards what an earlier one held
  LogCreatedFolder("Y");
  EXPECT_EQ(Written(), "old\nY\n");  // the earlier install's entries are kept
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
