// One copy step's file system side: the three paths it forms, the one sub-folder level it
// creates and logs, and the read-only bit it clears.
#include <gtest/gtest.h>
#include <stdint.h>
#include <stdio.h>

#include <string>

#include "install/file_copy.h"
#include "install/folder_log.h"
#include "install/install_selection.h"
#include "platform/file_system.h"
#include "platform/stdio_file.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {

struct PathCase {
  const char* sourceRoot;
  const char* gameFolder;
  const char* installFolder;
  const char* relative;
  const char* subFolder;
  const char* target;
  const char* source;
};

TEST(FileCopyStep, FormsSubFolderTargetAndSource) {
  const PathCase cases[] = {
      {"Q:\\", "GAME", "C:\\GAME", "data\\a.bin", "C:\\GAME\\data\\", "C:\\GAME\\data\\a.bin",
       "Q:\\GAME\\data\\a.bin"},
      {"Q:\\", "", "C:\\GAME", "data\\a.bin", "C:\\GAME\\data\\", "C:\\GAME\\data\\a.bin",
       "Q:\\data\\a.bin"},
      {"Q:\\SETUP", "GAME", "C:\\G", "game.exe", "C:\\G\\", "C:\\G\\game.exe",
       "Q:\\SETUP\\GAME\\game.exe"},
      {"Q:\\", "GAME\\", "C:\\G", "a\\b\\c.dat", "C:\\G\\a\\b\\", "C:\\G\\a\\b\\c.dat",
       "Q:\\GAME\\a\\b\\c.dat"},
      // 表 ends in byte 0x5C: it is a character, not a separator, and is never removed.
      {"Q:\\", "ゲーム\\表", "D:\\表", "表\\x.dat", "D:\\表\\表\\", "D:\\表\\表\\x.dat",
       "Q:\\ゲーム\\表\\表\\x.dat"},
  };
  for (const PathCase& c : cases) {
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

const char kRoot[] = "h3_copy_step_tmp";

std::string ReadAll(const char* path) {
  FILE* file = OsOpenFile(path, "rb");
  if (file == nullptr) return "<missing>";
  std::string bytes;
  int c;
  while ((c = fgetc(file)) != EOF) bytes.push_back(static_cast<char>(c));
  fclose(file);
  return bytes;
}

bool Exists(const char* path) {
  uint32_t attributes;
  return OsGetFileAttributes(path, &attributes);
}

TEST(FileCopyStep, CreatesAndLogsOnlyTheDeepestMissingLevel) {
  ASSERT_TRUE(OsCreateFolder(kRoot));
  CopyText(g_InstallFolder, sizeof g_InstallFolder, kRoot);
  CopyText(g_Setup.MD, sizeof g_Setup.MD, "game._md");
  BeginFolderLog();
  PrepareSubFolder("h3_copy_step_tmp\\");             // exists: nothing
  PrepareSubFolder("h3_copy_step_tmp\\data\\");       // created and logged
  PrepareSubFolder("h3_copy_step_tmp\\data\\");       // now exists: not logged twice
  PrepareSubFolder("h3_copy_step_tmp\\bgm\\loop\\");  // parent missing: fails silently
  WriteFolderLog();
  ReleaseFolderLog();

  EXPECT_TRUE(Exists("h3_copy_step_tmp\\data"));
  EXPECT_FALSE(Exists("h3_copy_step_tmp\\bgm"));
  EXPECT_EQ(ReadAll("h3_copy_step_tmp\\game._md"), "h3_copy_step_tmp\\data\\\n");

  OsDeleteFile("h3_copy_step_tmp\\game._md");
  OsRemoveFolder("h3_copy_step_tmp\\data");
  OsRemoveFolder(kRoot);
}

TEST(FileCopyStep, ClearsOnlyTheReadOnlyBit) {
  ASSERT_TRUE(OsCreateFolder(kRoot));
  const char file[] = "h3_copy_step_tmp\\a.bin";
  FILE* out = OsOpenFile(file, "wb");
  ASSERT_NE(out, nullptr);
  fputs("x", out);
  fclose(out);
  ASSERT_TRUE(OsSetFileAttributes(file, kAttributeReadOnly));
  uint32_t attributes = 0;
  ASSERT_TRUE(OsGetFileAttributes(file, &attributes));
  ASSERT_NE(attributes & kAttributeReadOnly, 0u);

  ClearReadOnly(file);
  ASSERT_TRUE(OsGetFileAttributes(file, &attributes));
  EXPECT_EQ(attributes & kAttributeReadOnly, 0u);
  EXPECT_EQ(attributes & kAttributeDirectory, 0u);
  ClearReadOnly("h3_copy_step_tmp\\missing.bin");  // nothing there: no effect, no failure
  EXPECT_FALSE(Exists("h3_copy_step_tmp\\missing.bin"));

  OsDeleteFile(file);
  OsRemoveFolder(kRoot);
}

}  // namespace
