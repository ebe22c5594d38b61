// Creates every missing level of a folder path, parents first, and logs each one so that
// an uninstall can remove it again.
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

}  // namespace

int CreateFolderPath(const char* path) {
  size_t length = strlen(path);
  // Windows cannot create a longer path. Refusing it here makes the caller show its
  // "cannot create" message.
  if (length > kFolderCapacity || !FolderPathFits(path)) return 0;
  char prefix[kFolderCapacity + 1];
  size_t driveLength = DrivePrefixLength(path);

  size_t p = length;
  uint32_t attributes = 0;
  for (;;) {
    memcpy(prefix, path, p);
    prefix[p] = '\0';
    if (OsGetFileAttributes(prefix, &attributes)) {
      if ((attributes & kAttributeDirectory) == 0) return -1;
      break;
    }
    p = SeparatorBefore(path, p);
    if (p == 0) break;
  }

  if (p < driveLength) p = driveLength;
  for (;;) {
    memcpy(prefix, path, p);
    prefix[p] = '\0';
    if (!OsGetFileAttributes(prefix, &attributes)) {
      if (!OsCreateFolder(prefix)) return 0;
      LogCreatedFolder(prefix);
    }
    if (p >= length) return 1;
    p = SeparatorAfter(path, p, length);
  }
}
