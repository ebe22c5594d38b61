#include "path/path_characters.h"

#include <string.h>

#include "text/line_characters.h"

size_t PathCharLength(const char* p) { return CharLengthByRule(p, IsPathLeadByte); }

const char* LastPathChar(const char* path) { return LastCharByRule(path, IsPathLeadByte); }

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
