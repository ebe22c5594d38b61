// One copy step's file system side: the three paths it forms, the one sub-folder level it
// creates and logs, and the read-only bit it clears.
#include <gtest/gtest.h>

#include <string>

#include "install/file_copy.h"
#include "install/folder_log.h"
#include "install/install_selection.h"
#include "platform/file_system.h"
#include "scratch_folder.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {

TEST(FileCopyStep, FormsSubFolderTargetAndSource) {
  struct Case {
    const char* sourceRoot;
    const char* gameFolder;
    const char* installFolder;
    const char* relative;
    const char* subFolder;
    const char* target;
    const char* source;
  } cases[] = {
      {"Q:\\", "GAME", "C:\\GAME", "data\\a.bin", "C:\\GAME\\data\\", "C:\\GAME\\data\\a.bin",
       "Q:\\GAME\\data\\a.bin"},
      {"Q:\\", "", "C:\\GAME", "data\\a.bin", "C:\\GAME\\data\\", "C:\\GAME\\data\\a.bin",
       "Q:\\data\\a.bin"},
      {"Q:\\SETUP", "GAME\\", "C:\\G", "a\\b\\c.dat", "C:\\G\\a\\b\\", "C:\\G\\a\\b\\c.dat",
       "Q:\\SETUP\\GAME\\a\\b\\c.dat"},
      // 表 ends in byte 0x5C: it is a character, not a separator, and is never removed.
      {"Q:\\", "ゲーム\\表", "D:\\表", "表\\x.dat", "D:\\表\\表\\", "D:\\表\\表\\x.dat",
       "Q:\\ゲーム\\表\\表\\x.dat"},
  };
  for (const Case& c : cases) {
    CopyStepPaths paths;
    EXPECT_TRUE(FormCopyStepPaths(c.sourceRoot, c.gameFolder, c.installFolder, c.relative, &paths))
        << c.relative;
    EXPECT_STREQ(paths.subFolder, c.subFolder);
    EXPECT_STREQ(paths.target, c.target);
    EXPECT_STREQ(paths.source, c.source);
  }
}

TEST(FileCopyStep, RefusesPathsThatDoNotFit) {
  std::string longFolder = "C:\\" + std::string(255, 'f');
  CopyStepPaths paths;
  // The sub-folder (at most 259 bytes) overflows before the 1,023-byte target does.
  EXPECT_FALSE(FormCopyStepPaths("Q:\\", "GAME", longFolder.c_str(), "data\\a.bin", &paths));
  std::string huge = "C:\\" + std::string(1100, 'g');
  EXPECT_FALSE(FormCopyStepPaths("Q:\\", "GAME", huge.c_str(), "a.bin", &paths));
  EXPECT_LT(std::string(paths.target).size(), sizeof paths.target);
}

using FileCopyDisk = ScratchFolder;

bool Exists(const char* path, uint32_t* attributes) {
  return OsGetFileAttributes(path, attributes);
}

TEST_F(FileCopyDisk, CreatesAndLogsOnlyTheDeepestMissingLevel) {
  CopyText(g_InstallFolder, sizeof g_InstallFolder, ".");
  CopyText(g_Setup.MD, sizeof g_Setup.MD, "game._md");
  BeginFolderLog();
  PrepareSubFolder(".\\");          // exists: nothing
  PrepareSubFolder("data\\");       // created and logged
  PrepareSubFolder("data\\");       // now exists: not logged twice
  PrepareSubFolder("bgm\\loop\\");  // parent missing: fails silently
  WriteFolderLog();
  ReleaseFolderLog();
  uint32_t attributes;
  EXPECT_TRUE(Exists("data", &attributes));
  EXPECT_FALSE(Exists("bgm", &attributes));
  EXPECT_EQ(ReadBytes(".\\game._md"), "data\\\n");
}

TEST_F(FileCopyDisk, ClearsOnlyTheReadOnlyBit) {
  WriteBytes("a.bin", "x");
  ASSERT_TRUE(OsSetFileAttributes("a.bin", kAttributeReadOnly));
  ClearReadOnly("a.bin");
  uint32_t attributes = 0;
  ASSERT_TRUE(Exists("a.bin", &attributes));
  EXPECT_EQ(attributes & (kAttributeReadOnly | kAttributeDirectory), 0u);
  ClearReadOnly("missing.bin");  // nothing there: no effect, no failure
  EXPECT_FALSE(Exists("missing.bin", &attributes));
}

}  // namespace
