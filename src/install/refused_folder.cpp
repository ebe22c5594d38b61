#include "install/refused_folder.h"

#include "install/folder_relation.h"
#include "setup_source/relative_path.h"
#include "text/path_text.h"

bool IsDriveRoot(const char* folder) {
  if (!HasDriveLetter(folder)) return false;
  for (const char* p = folder + 2; *p != '\0'; ++p) {
    if (!IsPathSeparator(*p)) return false;
  }
  return true;
}

bool IsRefusedInstallFolder(const char* folder, const char* windowsFolder) {
  // "C:\Games\.." is the drive's root and "C:\Windows\." the Windows folder: a component
  // the system resolves to another name is never compared by its text.
  if (IsDriveRoot(folder) || AnyComponent(folder, IsDotsAndBlanksOnly)) return true;
  if (windowsFolder[0] == '\0') return false;
  FolderRelation relation = RelateFolders(folder, windowsFolder);
  return relation == kFolderSame || relation == kFolderInside;
}
