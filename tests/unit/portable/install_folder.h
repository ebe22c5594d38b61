// Scratch install folder W:\inst, log begun, a disc folder beside it; 表 and ソ end in byte 0x5C.
#pragma once
#include <string>
#include <vector>

#include "install/copy_step.h"
#include "install/folder_creation.h"
#include "install/folder_log.h"
#include "install/install_selection.h"
#include "scratch_folder.h"
#include "text/bounded_text.h"

inline const char kLogPath[] = "W:\\inst\\game._md";
inline std::vector<std::string> g_Shown;  // "source>target" of each step, as the dialog shows it
inline void Show(const CopyStepPaths& p) {
  g_Shown.push_back(p.source + (">" + std::string(p.target)));
}
inline bool Go(unsigned long long, unsigned long long) { return true; }
// A folder name the file system refuses: '*' on Windows, here 86 kanji (258 bytes of UTF-8).
inline std::string RefusedName() {
  std::string name = "a*b";
#ifndef _WIN32
  for (name.clear(); name.size() < 2 * 86;) name += "表";
#endif
  return name;
}

class InstallFolder : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    CopyText(g_Setup.PATH, sizeof g_Setup.PATH, "disc");
    CopyText(g_InstallFolder, sizeof g_InstallFolder, "W:\\inst");
    ASSERT_TRUE(OsCreateFolder("disc") && OsCreateFolder("disc\\表"));
#ifdef _WIN32  // W: is the drive drives.sh maps, emptied for each test
    std::filesystem::remove_all(L"W:\\inst");
#else  // W: is a folder of the scratch folder
    ASSERT_TRUE(OsCreateFolder("W:"));
#endif
    ASSERT_TRUE(OsCreateFolder("W:\\inst"));
    g_TypeMask = 1;
    g_Shown.clear();
    BeginFolderLog();
  }
  void TearDown() override {
    ReleaseFolderLog();
    ScratchFolder::TearDown();
  }
  static std::vector<std::string> ReadEntries(const std::string& bytes,
                                              decltype(&ReadFolderLog) read = ReadFolderLog) {
    WriteBytes(kLogPath, bytes);
    FolderLogEntries entries;
    if (!read(kLogPath, &entries)) return {"<no file>"};
    std::vector<std::string> out(entries.slots, entries.slots + entries.count);
    ReleaseFolderLogEntries(&entries);
    return out;
  }
  // Lists the files, of the chosen type unless named skip.bin, and begins the pass.
  void List(std::vector<const char*> names) {
    g_Setup.fileCount = static_cast<int>(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
      CopyText(g_Setup.files[i].name, sizeof g_Setup.files[i].name, names[i]);
      g_Setup.files[i].mask = std::string(names[i]) == "skip.bin" ? 2 : 1;
    }
    BeginCopyPass(&pass_);
  }
  CopyStepResult Step(OsCopyProgress progress = Go) { return CopyNextFile(&pass_, Show, progress); }
  CopyPass pass_;
};
