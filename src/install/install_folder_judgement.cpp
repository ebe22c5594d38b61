#include "install/install_folder_judgement.h"

#include <stdint.h>

#include "install/path_limits.h"
#include "path/components.h"
#include "path/drive_prefix.h"
#include "path/folder_relation.h"
#include "path/path_characters.h"
#include "path/windows_aliases.h"
#include "platform/drives.h"
#include "platform/file_identity.h"
#include "platform/file_system.h"
#include "text/bounded_text.h"

namespace {

bool IsSomeDriveRoot(const OsFileIdentity& folder) {
  uint32_t drives = OsGetLogicalDrives();
  for (int drive = 0; drive < 26; ++drive) {
    char root[] = "?:\\";
    root[0] = static_cast<char>('A' + drive);
    OsFileIdentity rootIdentity;
    if ((drives >> drive & 1) != 0 && OsGetFileIdentity(root, &rootIdentity) &&
        SameFile(folder, rootIdentity)) {
      return true;
    }
  }
  return false;
}

// Cuts path to its parent ("C:\a\b" to "C:\a", "C:\a" to "C:\"). Returns false if it has
// no parent.
bool CutToParent(char* path) {
  char* last = nullptr;
  for (char* p = path + DrivePrefixLength(path); *p; p += PathCharLength(p)) {
    if (IsPathSeparator(*p) && p[1] != '\0') last = p;
  }
  if (last == nullptr) return false;
  bool atRoot = last == path + DrivePrefixLength(path);
  last[atRoot ? 1 : 0] = '\0';
  return true;
}

// The drive root and the Windows folder again, by what the path opens rather than its text.
// A folder not made yet is inside the Windows folder when one of its existing parents is.
FolderJudgement JudgeByIdentity(const char* folder, const char* windowsFolder) {
  OsFileIdentity identity;
  if (OsGetFileIdentity(folder, &identity) && IsSomeDriveRoot(identity)) {
    return kFolderIsDriveRoot;
  }
  OsFileIdentity windows;
  if (!OsGetFileIdentity(windowsFolder, &windows)) return kFolderAccepted;
  char path[kPathSize];
  if (!CopyText(path, sizeof path, folder)) return kFolderCannotBeJudged;  // cannot walk up
  do {
    if (OsGetFileIdentity(path, &identity) && SameFile(identity, windows)) return kFolderInWindows;
  } while (CutToParent(path));
  return kFolderAccepted;
}

}  // namespace

FolderJudgement JudgeInstallPlace(const char* folder, const char* windowsFolder) {
  if (IsDriveRoot(folder)) return kFolderIsDriveRoot;
  size_t units;
  if (folder[0] != '\0' && !OsGetFullPathUnits(folder, &units)) return kFolderCannotBeJudged;
  // A name ending in a dot or blank is refused without comparing its text, because the
  // system reads it as another name: "C:\Games\.." is the drive's root, and
  // "C:\Windows.\x" is inside the Windows folder.
  if (AnyComponent(folder, EndsInDotOrBlank)) return kFolderDropsName;
  if (AnyComponent(folder + DrivePrefixLength(folder), IsDeviceName)) return kFolderNamesDevice;
  if (windowsFolder[0] == '\0') return kFolderCannotBeJudged;
  FolderRelation relation = RelateFolders(folder, windowsFolder);
  if (relation == kFolderSame || relation == kFolderInside) return kFolderInWindows;
  FolderJudgement byIdentity = JudgeByIdentity(folder, windowsFolder);
  if (byIdentity != kFolderAccepted) return byIdentity;
  return kFolderAccepted;
}

FolderJudgement JudgeInstallFolder(const char* folder, TypeMask mask, const char* windowsFolder) {
  FolderJudgement judgement = JudgeInstallPlace(folder, windowsFolder);
  if (judgement != kFolderAccepted) return judgement;
  return InstallPathsFit(folder, mask) ? kFolderAccepted : kFolderTooLong;
}
