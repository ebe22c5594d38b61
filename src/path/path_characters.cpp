#include "path/path_characters.h"

#include <string.h>

size_t PathCharLength(const char* p) {
  if (p[0] == '\0') return 0;
  if (IsPathLeadByte(static_cast<unsigned char>(p[0])) && p[1] != '\0') return 2;
  return 1;
}

const char* LastPathChar(const char* path) {
  const char* last = nullptr;
  for (const char* p = path; *p; p += PathCharLength(p)) last = p;
  return last;
}

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

const char* FindLastBackslash(const char* path) {
  const char* last = nullptr;
  for (const char* p = path; *p; p += PathCharLength(p)) {
    if (*p == '\\') last = p;
  }
  return last;
}

bool EndsWithBackslash(const char* path) {
  const char* last = LastPathChar(path);
  return last != nullptr && *last == '\\';
}

bool RemoveTrailingBackslash(char* path) {
  if (!EndsWithBackslash(path)) return false;
  path[strlen(path) - 1] = '\0';
  return true;
}
