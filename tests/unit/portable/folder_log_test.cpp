// The created-folder log: exact file bytes, and a reader that survives edited files.
#include "install/folder_log.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "install/install_selection.h"
#include "platform/file_system.h"
#include "platform/stdio_file.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {

const char kFolder[] = "h2_folder_log_tmp";
const char kLogPath[] = "h2_folder_log_tmp\\game._md";

std::string ReadBytes(const char* path) {
  std::string bytes;
  FILE* file = OsOpenFile(path, "rb");
  if (file == nullptr) return "<missing>";
  int c;
  while ((c = fgetc(file)) != EOF) bytes.push_back(static_cast<char>(c));
  fclose(file);
  return bytes;
}

void WriteBytes(const char* path, const std::string& bytes) {
  FILE* file = OsOpenFile(path, "wb");
  ASSERT_NE(file, nullptr);
  fwrite(bytes.data(), 1, bytes.size(), file);
  fclose(file);
}

std::vector<std::string> ReadEntries(const std::string& bytes) {
  WriteBytes(kLogPath, bytes);
  FolderLogEntries entries;
  std::vector<std::string> out;
  if (!ReadFolderLog(kLogPath, &entries)) return {"<no file>"};
  for (int i = 0; i < entries.count; ++i) out.push_back(entries.slots[i]);
  ReleaseFolderLogEntries(&entries);
  return out;
}

class FolderLog : public ::testing::Test {
 protected:
  void SetUp() override {
    OsCreateFolder(kFolder);
    OsDeleteFile(kLogPath);
    CopyText(g_InstallFolder, sizeof g_InstallFolder, kFolder);
    CopyText(g_Setup.MD, sizeof g_Setup.MD, "game._md");
  }
  void TearDown() override {
    ReleaseFolderLog();
    OsDeleteFile(kLogPath);
    OsRemoveFolder(kFolder);
  }
};

}  // namespace

TEST_F(FolderLog, WritesEntriesWithLineFeedsOnlyAndNoHeader) {
  BeginFolderLog();
  LogCreatedFolder("C:\\GAME\\SUB");
  LogCreatedFolder("C:\\GAME\\SUB\\data\\");
  LogCreatedFolder("D:\\ゲーム\\表");
  WriteFolderLog();
  EXPECT_EQ(ReadBytes(kLogPath), "C:\\GAME\\SUB\nC:\\GAME\\SUB\\data\\\nD:\\ゲーム\\表\n");
}

TEST_F(FolderLog, NoEntriesOrNotBegunLeavesAnOlderFileAlone) {
  WriteBytes(kLogPath, "old\n");
  LogCreatedFolder("ignored while released");
  WriteFolderLog();
  BeginFolderLog();
  WriteFolderLog();
  EXPECT_EQ(ReadBytes(kLogPath), "old\n");
  BeginFolderLog();  // a new begin discards what an earlier one held
  LogCreatedFolder("X");
  BeginFolderLog();
  LogCreatedFolder("Y");
  WriteFolderLog();
  EXPECT_EQ(ReadBytes(kLogPath), "Y\n");
}

TEST_F(FolderLog, AppendThatWouldNotFitTheBlockIsDropped) {
  BeginFolderLog();
  std::string big(1000, 'a');
  for (int i = 0; i < 300; ++i) LogCreatedFolder(big.c_str());  // 300,300 bytes wanted
  LogCreatedFolder("last");
  WriteFolderLog();
  std::string bytes = ReadBytes(kLogPath);
  EXPECT_EQ(bytes.size(), 261 * 1001u + 5u);  // 261 big entries and "last\n" fit
  EXPECT_EQ(bytes.substr(bytes.size() - 5), "last\n");
}

TEST_F(FolderLog, ReaderLineRules) {
  using V = std::vector<std::string>;
  EXPECT_EQ(ReadEntries("A\nB\\\n"), (V{"A", "B\\"}));
  EXPECT_EQ(ReadEntries("A\r\nB\r\n"), (V{"A", "B"}));
  EXPECT_EQ(ReadEntries("A\n\nB"), (V{"A", "", "B"}));
  EXPECT_EQ(ReadEntries("A\n\n\rB\r"), (V{"A", "", "\rB"}));
  EXPECT_EQ(ReadEntries(""), V{});
  std::string longLine = std::string(600, 'x') + "\n";
  EXPECT_EQ(ReadEntries(longLine), (V{std::string(511, 'x'), std::string(89, 'x')}));
  // A two-byte character at the cut is not split between two entries.
  std::string cut = std::string(510, 'x') + "表\n";
  EXPECT_EQ(ReadEntries(cut), (V{std::string(510, 'x'), "表"}));
}

TEST_F(FolderLog, ReaderStopsAt512EntriesAndReportsAMissingFile) {
  std::string many;
  for (int i = 0; i < 1000; ++i) many += "F" + std::to_string(i) + "\n";
  std::vector<std::string> entries = ReadEntries(many);
  ASSERT_EQ(entries.size(), 512u);
  EXPECT_EQ(entries.back(), "F511");
  OsDeleteFile(kLogPath);
  FolderLogEntries none;
  EXPECT_FALSE(ReadFolderLog(kLogPath, &none));
}
