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
#include "platform/file_system.h"
#include "scratch_folder.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {

const char kLogPath[] = "inst\\game._md";

class FolderLogWrite : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    ASSERT_TRUE(OsCreateFolder("inst"));
    CopyText(g_InstallFolder, sizeof g_InstallFolder, "inst");
    CopyText(g_Setup.MD, sizeof g_Setup.MD, "game._md");
  }
  // The log after this install's folders were written; no temporary file is left beside it.
  static std::string WriteLog(std::initializer_list<const char*> folders) {
    BeginFolderLog();
    for (const char* folder : folders) LogCreatedFolder(folder);
    WriteFolderLog();
    ReleaseFolderLog();
    auto files = std::filesystem::directory_iterator("inst");
    EXPECT_EQ(std::distance(begin(files), end(files)), 1);
    return ReadBytes(kLogPath);
  }
};

}  // namespace

TEST_F(FolderLogWrite, OldEntriesStayAndNewOnesFollowOnce) {
  WriteBytes(kLogPath, "inst\\a\r\ninst\\B\\\n\ninst\\c\n");
  // inst\b\ is the folder the old log names as inst\B\.
  EXPECT_EQ(WriteLog({"inst\\b\\", "inst\\d", "inst\\a"}),
            "inst\\a\ninst\\B\\\ninst\\c\ninst\\d\n");
}

TEST_F(FolderLogWrite, LogThatCannotBeWrittenStaysWhole) {
  WriteBytes(kLogPath, "old\n");
  const std::string folder(300, 'x');
#ifdef _WIN32
  // Another program holds the old log open, so it cannot be replaced.
  HANDLE held = CreateFileW(L"inst\\game._md", GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(WriteLog({folder.c_str()}), "old\n");
  CloseHandle(held);
#else
  // A file size limit stops the write part way, as a full disk would.
  auto handler = signal(SIGXFSZ, SIG_IGN);
  rlimit previous;
  getrlimit(RLIMIT_FSIZE, &previous);
  rlimit small = previous;
  small.rlim_cur = 100;
  setrlimit(RLIMIT_FSIZE, &small);
  std::string log = WriteLog({folder.c_str()});
  setrlimit(RLIMIT_FSIZE, &previous);
  signal(SIGXFSZ, handler);
  EXPECT_EQ(log, "old\n");
#endif
}
