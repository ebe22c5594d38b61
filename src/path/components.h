// Where a path's drive, directory, name and extension parts end, found by whole
// characters, so that a second byte 0x5C is never taken for a separator. Callers work on
// the spans directly: a long part is never cut into another one.
#pragma once
#include <stddef.h>

struct PathSpans {
  size_t driveEnd;      // 2 after "C:", else 0
  size_t directoryEnd;  // just past the last backslash or slash, else driveEnd
  size_t nameEnd;       // at the last dot after the directory, else the end
  size_t end;
};
void FindPathSpans(const char* path, PathSpans* spans);
