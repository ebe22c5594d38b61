#include "install/path_spans.h"

#include <string.h>

#include "text/path_text.h"
#include "text/sjis.h"

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
