// Writing the created-folder log over one from an earlier install: its entries stay, the
// new ones follow once, and a log that cannot be written or replaced is left whole.
#include <gtest/gtest.h>

#include <filesystem>
#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/resource.h>
#endif

#include "install/folder_log.h"
#include "install/install_selection.h"
#include "scratch_folder.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {

// The log after this install's folders were written here; no temporary file is left.
std::string WriteLog(std::initializer_list<const char*> folders) {
  CopyText(g_InstallFolder, sizeof g_InstallFolder, ".");
  CopyText(g_Setup.MD, sizeof g_Setup.MD, "game._md");
  BeginFolderLog();
  for (const char* folder : folders) LogCreatedFolder(folder);
  WriteFolderLog();
  ReleaseFolderLog();
  auto files = std::filesystem::directory_iterator(".");
  EXPECT_EQ(std::distance(begin(files), end(files)), 1);
  return ReadBytes("game._md");
}

}  // namespace

using FolderLogWrite = ScratchFolder;

TEST_F(FolderLogWrite, OldEntriesStayAndNewOnesFollowOnce) {
  WriteBytes("game._md", "inst\\a\r\ninst\\B\\\n\ninst\\c\n");
  // inst\b\ is the folder the old log names as inst\B\.
  EXPECT_EQ(WriteLog({"inst\\b\\", "inst\\d", "inst\\a"}),
            "inst\\a\ninst\\B\\\ninst\\c\ninst\\d\n");
}

TEST_F(FolderLogWrite, LogThatCannotBeWrittenStaysWhole) {
  WriteBytes("game._md", "old\n");
#ifdef _WIN32
  // Another program holds the old log open, so it cannot be replaced.
  HANDLE held = CreateFileW(L"game._md", GENERIC_READ, FILE_SHARE_READ, 0, OPEN_EXISTING, 0, 0);
  EXPECT_EQ(WriteLog({std::string(300, 'x').c_str()}), "old\n");
  CloseHandle(held);
#else
  // A file size limit stops the write part way, as a full disk would.
  signal(SIGXFSZ, SIG_IGN);
  rlimit limit = {100, RLIM_INFINITY};
  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_EQ(WriteLog({std::string(300, 'x').c_str()}), "old\n");
  limit.rlim_cur = RLIM_INFINITY;
  setrlimit(RLIMIT_FSIZE, &limit);
#endif
}
