// Splits a path into components the way Windows does. Both "\" and "/" separate them.
// The path is read by whole characters, so the second byte of 表 (0x5C, a backslash) is
// never taken for a separator.
#pragma once
#include <stddef.h>

// Returns true if rule holds for any component of path. Empty components count too: a
// doubled separator, or one at the end, makes one.
bool AnyComponent(const char* path, bool (*rule)(const char* component, size_t length));

// Whether a non-empty component is made only of dots and blanks ("..", ". .", "   ").
// Windows never opens such a name as written; it reads it as some other name.
bool IsDotsAndBlanksOnly(const char* component, size_t length);

// Where a path's drive, directory, name and extension parts end. Callers use these
// offsets on the original path instead of copying each part into a buffer, so a long part
// is never cut short.
struct PathSpans {
  size_t driveEnd;      // 2 after "C:", else 0
  size_t directoryEnd;  // just past the last backslash or slash, else driveEnd
  size_t nameEnd;       // at the last dot after the directory, else the end
  size_t end;
};
void FindPathSpans(const char* path, PathSpans* spans);
