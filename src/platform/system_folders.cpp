#include "platform/system_folders.h"

#include <stdint.h>

#include "path/drive_prefix.h"
#include "path/path_characters.h"
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

}  // namespace

bool IsRefusedExistingFolder(const char* folder, const char* windowsFolder) {
  // A folder the system cannot read as a path cannot be judged, so it is refused. An empty
  // text names no folder; the install reports that it cannot be created.
  size_t units;
  if (folder[0] != '\0' && !OsGetFullPathUnits(folder, &units)) return true;
  OsFileIdentity identity;
  if (OsGetFileIdentity(folder, &identity) && IsSomeDriveRoot(identity)) return true;
  OsFileIdentity windows;
  if (windowsFolder[0] == '\0' || !OsGetFileIdentity(windowsFolder, &windows)) return false;
  char path[kPathSize];
  if (!CopyText(path, sizeof path, folder)) return true;  // too long to walk up: unjudged
  do {
    if (OsGetFileIdentity(path, &identity) && SameFile(identity, windows)) return true;
  } while (CutToParent(path));
  return false;
}
