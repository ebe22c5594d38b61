#include "install/refused_folder.h"

#include "install/folder_relation.h"
#include "platform/drives.h"
#include "platform/file_identity.h"
#include "setup_source/relative_path.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"
#include "text/path_text.h"
#include "text/sjis.h"

bool IsDriveRoot(const char* folder) {
  if (!HasDriveLetter(folder)) return false;
  for (const char* p = folder + 2; *p != '\0'; ++p) {
    if (!IsPathSeparator(*p)) return false;
  }
  return true;
}

namespace {

bool EndsInDotOrBlank(const char* component, size_t length) {
  return length > 0 && (component[length - 1] == '.' || component[length - 1] == ' ');
}

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

// Cuts path to its parent ("C:\a\b" to "C:\a", "C:\a" to "C:\"); false when it has none.
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

}  // namespace

bool IsRefusedExistingFolder(const char* folder, const char* windowsFolder) {
  OsFileIdentity identity;
  if (OsGetFileIdentity(folder, &identity) && IsSomeDriveRoot(identity)) return true;
  OsFileIdentity windows;
  if (windowsFolder[0] == '\0' || !OsGetFileIdentity(windowsFolder, &windows)) return false;
  char path[kFolderCapacity + 1];
  if (!CopyText(path, sizeof path, folder)) return false;
  do {
    if (OsGetFileIdentity(path, &identity) && SameFile(identity, windows)) return true;
  } while (CutToParent(path));
  return false;
}

bool IsRefusedInstallFolder(const char* folder, const char* windowsFolder) {
  // "C:\Games\.." is the drive's root and "C:\Windows.\x" is in the Windows folder: a
  // component the system reads as another name is never compared by its text.
  if (IsDriveRoot(folder) || AnyComponent(folder, EndsInDotOrBlank)) return true;
  if (windowsFolder[0] == '\0') return false;
  FolderRelation relation = RelateFolders(folder, windowsFolder);
  return relation == kFolderSame || relation == kFolderInside;
}
