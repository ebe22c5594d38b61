#include "install/path_limits.h"

#include <string.h>

#include "path/components.h"
#include "path/path_characters.h"
#include "platform/file_system.h"
#include "setup_source/file_set.h"
#include "text/bounded_text.h"

namespace {

// A path the system cannot expand (empty, or not valid code page 932) passes here. The
// folder creation or the copy then fails on it and shows its own message.
bool FitsUnits(const char* path, size_t limit) {
  size_t units = 0;
  return !OsGetFullPathUnits(path, &units) || units <= limit;
}

}  // namespace

bool FolderPathFits(const char* folder) {
  char trimmed[kPathSize];
  if (!CopyText(trimmed, sizeof trimmed, folder)) return false;
  RemoveTrailingBackslash(trimmed);
  return FitsUnits(trimmed, kMaxFolderPathUnits);
}

bool FilePathFits(const char* path) { return FitsUnits(path, kMaxFilePathUnits); }

bool InstallPathsFit(const char* installFolder, TypeMask mask) {
  char path[kPathSize];
  if (!FolderPathFits(installFolder) || !JoinPath(path, sizeof path, installFolder, g_Setup.MD) ||
      !FilePathFits(path)) {
    return false;
  }
  FileSetWalk walk = {mask, 0};
  char name[kFileNameCapacity + 1];
  while (NextFileInSet(&walk, name, sizeof name)) {
    PathSpans spans;
    FindPathSpans(name, &spans);
    if (!JoinPath(path, sizeof path, installFolder, name) || !FilePathFits(path)) return false;
    path[strlen(path) - spans.end + spans.directoryEnd] = '\0';
    if (!FolderPathFits(path)) return false;
  }
  return true;
}
