#include "install/install_folder_judgement.h"

#include "install/path_limits.h"
#include "path/drive_prefix.h"
#include "path/install_folder_text.h"
#include "platform/file_system.h"
#include "platform/system_folders.h"

FolderJudgement JudgeInstallPlace(const char* folder, const char* windowsFolder) {
  if (IsDriveRoot(folder)) return kFolderIsDriveRoot;
  // A text the system cannot read as a path names no folder anyone could check. An empty
  // one is left for the install to say that it cannot be made.
  size_t units;
  if (folder[0] != '\0' && !OsGetFullPathUnits(folder, &units)) return kFolderCannotBeJudged;
  // With no Windows folder, only the name rules are checked.
  if (IsRefusedInstallFolder(folder, "")) return kFolderDropsName;
  if (windowsFolder[0] == '\0') return kFolderCannotBeJudged;
  if (IsRefusedInstallFolder(folder, windowsFolder) ||
      IsRefusedExistingFolder(folder, windowsFolder)) {
    return kFolderInWindows;
  }
  return kFolderAccepted;
}

FolderJudgement JudgeInstallFolder(const char* folder, TypeMask mask, const char* windowsFolder) {
  FolderJudgement judgement = JudgeInstallPlace(folder, windowsFolder);
  if (judgement != kFolderAccepted) return judgement;
  return InstallPathsFit(folder, mask) ? kFolderAccepted : kFolderTooLong;
}
