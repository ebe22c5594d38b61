// Creates every missing level of a folder path, parents first. Each level is logged before
// it is made: if the launcher is killed in between, the log names a folder that does not
// exist, which the uninstall passes over, rather than leave a folder no log names.
#include "install/folder_creation.h"

#include <string.h>

#include "install/folder_log.h"
#include "install/path_limits.h"
#include "path/drive_prefix.h"
#include "path/path_characters.h"
#include "platform/file_system.h"

namespace {

// The position of the last backslash before limit (not at position 0), or 0 if none.
size_t SeparatorBefore(const char* path, size_t limit) {
  size_t found = 0;
  for (size_t i = 0; i < limit && path[i] != '\0'; i += PathCharLength(path + i)) {
    if (path[i] == '\\' && i > 0) found = i;
  }
  return found;
}

// The position of the first backslash after from, or the path's length if none.
size_t SeparatorAfter(const char* path, size_t from, size_t length) {
  size_t i = 0;
  while (i <= from && i < length) i += PathCharLength(path + i);
  for (; i < length; i += PathCharLength(path + i)) {
    if (path[i] == '\\') return i;
  }
  return length;
}

enum LevelResult { kLevelThere, kLevelMade, kLevelIsFile, kLevelRefused };

LevelResult MakeLevel(const char* level) {
  uint32_t attributes = 0;
  if (OsGetFileAttributes(level, &attributes)) {
    return (attributes & kAttributeDirectory) != 0 ? kLevelThere : kLevelIsFile;
  }
  LogCreatedFolder(level);
  return OsCreateFolder(level) ? kLevelMade : kLevelRefused;
}

// Removes the levels of path that end from `first` up to, not including, `failed`,
// deepest first. They were made empty a moment ago.
void RemoveMadeLevels(const char* path, size_t first, size_t failed) {
  char level[kPathSize];
  for (size_t end = SeparatorBefore(path, failed); end >= first && end > 0;
       end = SeparatorBefore(path, end)) {
    memcpy(level, path, end);
    level[end] = '\0';
    OsRemoveFolder(level);
  }
}

}  // namespace

int CreateFolderPath(const char* path) {
  size_t length = strlen(path);
  // Windows cannot create a longer path. Refusing it here makes the caller show its
  // "cannot create" message.
  if (length == 0 || length >= kPathSize || !FolderPathFits(path)) return 0;
  char level[kPathSize];
  size_t firstMade = 0;
  // Start below the drive's root: "X:" alone names the drive's current folder, which a
  // command prompt may have left pointing at a folder that is gone.
  size_t root = DrivePrefixLength(path);
  if (!IsPathSeparator(path[root])) root = 0;
  for (size_t end = SeparatorAfter(path, root, length);; end = SeparatorAfter(path, end, length)) {
    memcpy(level, path, end);
    level[end] = '\0';
    LevelResult result = MakeLevel(level);
    if (result == kLevelIsFile && firstMade == 0) return -1;
    if (result == kLevelIsFile || result == kLevelRefused) {
      if (firstMade != 0) RemoveMadeLevels(path, firstMade, end);
      return 0;
    }
    if (result == kLevelMade && firstMade == 0) firstMade = end;
    if (end >= length) break;
  }
  // The levels were logged while the folder that holds the log did not exist yet: write
  // the log now that it does.
  if (firstMade != 0) WriteFolderLog();
  return 1;
}

bool CreateSubFolders(const char* subFolder, size_t existing) {
  size_t length = strlen(subFolder);
  if (length >= kPathSize) return false;
  char level[kPathSize];
  for (size_t end = SeparatorAfter(subFolder, existing, length); end < length;
       end = SeparatorAfter(subFolder, end, length)) {
    memcpy(level, subFolder, end + 1);
    level[end + 1] = '\0';
    LevelResult result = MakeLevel(level);
    if (result == kLevelIsFile || result == kLevelRefused) return false;
  }
  return true;
}
