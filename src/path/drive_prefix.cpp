#include "path/drive_prefix.h"

#include "path/path_characters.h"
#include "text/ascii_text.h"

size_t DrivePrefixLength(const char* path) {
  bool single = path[0] != '\0' && !IsPathLeadByte(static_cast<unsigned char>(path[0]));
  return single && path[1] == ':' ? 2 : 0;
}

bool HasDriveLetter(const char* path) { return IsAsciiLetter(path[0]) && path[1] == ':'; }

bool IsDriveRoot(const char* folder) {
  if (!HasDriveLetter(folder)) return false;
  for (const char* p = folder + 2; *p != '\0'; ++p) {
    if (!IsPathSeparator(*p)) return false;
  }
  return true;
}
