#include "path/components.h"

#include <string.h>

#include "path/drive_prefix.h"
#include "path/path_characters.h"

bool AnyComponent(const char* path, bool (*rule)(const char* component, size_t length)) {
  const char* start = path;
  for (const char* p = path;;) {
    size_t step = PathCharLength(p);
    if (step == 0 || (step == 1 && IsPathSeparator(*p))) {
      if (rule(start, static_cast<size_t>(p - start))) return true;
      if (step == 0) return false;
      start = p + step;
    }
    p += step;
  }
}

bool IsDotsAndBlanksOnly(const char* component, size_t length) {
  if (length == 0) return false;
  for (size_t i = 0; i < length; ++i) {
    if (component[i] != '.' && component[i] != ' ') return false;
  }
  return true;
}

void FindPathSpans(const char* path, PathSpans* spans) {
  size_t end = strlen(path);
  spans->end = end;
  spans->driveEnd = DrivePrefixLength(path);
  spans->directoryEnd = spans->driveEnd;
  for (const char* p = path + spans->driveEnd; *p; p += PathCharLength(p)) {
    if (IsPathSeparator(*p)) spans->directoryEnd = static_cast<size_t>(p - path) + 1;
  }
  spans->nameEnd = end;
  for (const char* p = path + spans->directoryEnd; *p; p += PathCharLength(p)) {
    if (*p == '.') spans->nameEnd = static_cast<size_t>(p - path);
  }
}
