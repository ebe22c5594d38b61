#include "text/path_text.h"

#include "text/ascii_text.h"
#include "text/sjis.h"

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

size_t DrivePrefixLength(const char* path) {
  bool single = path[0] != '\0' && !IsPathLeadByte(static_cast<unsigned char>(path[0]));
  return single && path[1] == ':' ? 2 : 0;
}

bool HasDriveLetter(const char* path) { return IsAsciiLetter(path[0]) && path[1] == ':'; }

bool IsDotsAndBlanksOnly(const char* component, size_t length) {
  if (length == 0) return false;
  for (size_t i = 0; i < length; ++i) {
    if (component[i] != '.' && component[i] != ' ') return false;
  }
  return true;
}
