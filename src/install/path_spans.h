// Where a path's drive, directory, name and extension parts end, found by whole
// characters. SplitPath copies the parts out; the install folder's tidying works on the
// spans directly, so that a long folder is never cut into another one.
#pragma once
#include <stddef.h>

struct PathSpans {
  size_t driveEnd;      // 2 after "C:", else 0
  size_t directoryEnd;  // just past the last backslash or slash, else driveEnd
  size_t nameEnd;       // at the last dot after the directory, else the end
  size_t end;
};
void FindPathSpans(const char* path, PathSpans* spans);
