// A path's components, as Windows splits them: "\" and "/" between them, whole characters
// by the path rule, so that the second byte 0x5C of 表 is never taken for a separator.
#pragma once
#include <stddef.h>

// Whether the components of path (empty ones too: a doubled or a final separator) meet a rule.
bool AnyComponent(const char* path, bool (*rule)(const char* component, size_t length));

// A non-empty component made of dots and blanks only ("..", ". .", "   "): Windows reads
// it as another name, never as itself.
bool IsDotsAndBlanksOnly(const char* component, size_t length);

// Where a path's drive, directory, name and extension parts end. Callers work on the spans
// directly: a long part is never cut into another one.
struct PathSpans {
  size_t driveEnd;      // 2 after "C:", else 0
  size_t directoryEnd;  // just past the last backslash or slash, else driveEnd
  size_t nameEnd;       // at the last dot after the directory, else the end
  size_t end;
};
void FindPathSpans(const char* path, PathSpans* spans);
