// The Windows side of the launcher's commands: the game's command line, and the copy
// that can be stopped halfway without leaving a partial file.
#include <gtest/gtest.h>
#include <string.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "install/file_copy.h"
#include "platform/win32/gui.h"

namespace {

TEST(GameCommandLine, QuotesTheExecutableOnlyWhenItHoldsABlank) {
  const struct {
    const char* installFolder;
    const char* exe;
    const char* sourceFolder;
    const char* expected;
  } cases[] = {
      {"C:\\GAME", "game.exe", "E:\\", "C:\\GAME\\game.exe E:\\ 1"},
      {"C:\\Program Files\\GAME", "game.exe", "E:\\",
       "\"C:\\Program Files\\GAME\\game.exe\" E:\\ 1"},
      {"C:\\GAME", "my game.exe", "Q:\\", "\"C:\\GAME\\my game.exe\" Q:\\ 1"},
      {"C:\\A\tB", "g.exe", "Q:\\", "\"C:\\A\tB\\g.exe\" Q:\\ 1"},
      // The disc folder goes in as it is, blank or not.
      {"C:\\GAME", "game.exe", "Q:\\MY DISC\\", "C:\\GAME\\game.exe Q:\\MY DISC\\ 1"},
      // Full-width space (0x81 0x40) and 表 (0x95 0x5C) are characters, not separators.
      {"C:\\ゲーム　表", "game.exe", "Q:\\", "C:\\ゲーム　表\\game.exe Q:\\ 1"},
  };
  for (const auto& c : cases) {
    char line[1024];
    EXPECT_TRUE(FormGameCommandLine(line, sizeof line, c.installFolder, c.exe, c.sourceFolder));
    EXPECT_STREQ(line, c.expected);
  }
}

TEST(GameCommandLine, ReportsACutLine) {
  std::string folder = "C:\\" + std::string(1015, 'x');
  char line[1024];
  EXPECT_FALSE(FormGameCommandLine(line, sizeof line, folder.c_str(), "game.exe", "Q:\\"));
  EXPECT_LT(strlen(line), sizeof line);
}

const char kSource[] = "h3_copy_source.bin";
const char kTarget[] = "h3_copy_target.bin";
const wchar_t kWideSource[] = L"h3_copy_source.bin";
const wchar_t kWideTarget[] = L"h3_copy_target.bin";
const size_t kBigFile = 24u << 20;

void WriteFileOfSize(const char* path, size_t size) {
  std::ofstream(path, std::ios::binary) << std::string(size, 'z');
}

bool TargetExists() { return GetFileAttributesW(kWideTarget) != INVALID_FILE_ATTRIBUTES; }

int g_calls;
unsigned long long g_lastCopied;
bool CountCalls(unsigned long long copied, unsigned long long) {
  ++g_calls;
  g_lastCopied = copied;
  return true;
}
bool StopAfterFirstChunk(unsigned long long copied, unsigned long long) { return copied == 0; }

class GuiCopy : public ::testing::Test {
 protected:
  void SetUp() override { WriteFileOfSize(kSource, kBigFile); }
  void TearDown() override {
    DeleteFileW(kWideSource);
    DeleteFileW(kWideTarget);
  }
};

TEST_F(GuiCopy, DoneStoppedOrFailedAndWhatEachLeaves) {
  struct Case {
    const char* source;
    GuiCopyProgress progress;
    GuiCopyResult result;
    bool targetLeft;
  } cases[] = {
      {"h3_no_such_file.bin", CountCalls, kGuiCopyFailed, false},  // a failure, not a stop
      {kSource, StopAfterFirstChunk, kGuiCopyStopped, false},      // no partial target
      {kSource, CountCalls, kGuiCopyDone, true},
  };
  for (const Case& c : cases) {
    DeleteFileW(kWideTarget);
    g_calls = 0;
    EXPECT_EQ(GuiCopyFileWithProgress(c.source, kTarget, c.progress), c.result) << c.result;
    EXPECT_EQ(TargetExists(), c.targetLeft) << c.result;
  }
  EXPECT_GT(g_calls, 1);  // a large file's progress is reported more than once
  EXPECT_EQ(g_lastCopied, kBigFile);
}

// Refused and kept; once a step has cleared its read-only bit the next pass replaces it.
TEST_F(GuiCopy, AReadOnlyTargetIsRefusedUntilItsBitIsCleared) {
  WriteFileOfSize(kTarget, 1 << 20);
  ASSERT_TRUE(SetFileAttributesW(kWideTarget, FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(GuiCopyFileWithProgress(kSource, kTarget, CountCalls), kGuiCopyFailed);
  EXPECT_TRUE(TargetExists());
  ClearReadOnly(kTarget);
  EXPECT_EQ(GetFileAttributesW(kWideTarget) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_EQ(GuiCopyFileWithProgress(kSource, kTarget, CountCalls), kGuiCopyDone);
}

}  // namespace
