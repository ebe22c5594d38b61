#include "install/refused_folder.h"

#include "install/folder_relation.h"
#include "text/path_text.h"

bool IsDriveRoot(const char* folder) {
  if (!HasDriveLetter(folder)) return false;
  for (const char* p = folder + 2; *p != '\0'; ++p) {
    if (!IsPathSeparator(*p)) return false;
  }
  return true;
}

bool IsRefusedInstallFolder(const char* folder, const char* windowsFolder) {
  if (IsDriveRoot(folder)) return true;
  if (windowsFolder[0] == '\0') return false;
  FolderRelation relation = RelateFolders(folder, windowsFolder);
  return relation == kFolderSame || relation == kFolderInside;
}
