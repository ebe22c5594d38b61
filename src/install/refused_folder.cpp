#include "install/refused_folder.h"

#include "install/folder_relation.h"

bool IsDriveRoot(const char* folder) {
  char drive = folder[0];
  bool letter = (drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z');
  if (!letter || folder[1] != ':') return false;
  for (const char* p = folder + 2; *p != '\0'; ++p) {
    if (*p != '\\' && *p != '/') return false;
  }
  return true;
}

bool IsRefusedInstallFolder(const char* folder, const char* windowsFolder) {
  if (IsDriveRoot(folder)) return true;
  if (windowsFolder[0] == '\0') return false;
  FolderRelation relation = RelateFolders(folder, windowsFolder);
  return relation == kFolderSame || relation == kFolderInside;
}
