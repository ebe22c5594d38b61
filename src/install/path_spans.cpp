// Splitting a path into drive, directory, name and extension by whole characters.
#include <string.h>

#include "install/folder_preparation.h"
#include "install/path_spans.h"
#include "text/sjis.h"

void FindPathSpans(const char* path, PathSpans* spans) {
  size_t end = strlen(path);
  spans->end = end;
  spans->driveEnd =
      (end >= 2 && !IsLeadByte(static_cast<unsigned char>(path[0])) && path[1] == ':') ? 2 : 0;
  spans->directoryEnd = spans->driveEnd;
  for (const char* p = path + spans->driveEnd; *p; p += CharLength(p)) {
    if (*p == '\\' || *p == '/') spans->directoryEnd = static_cast<size_t>(p - path) + 1;
  }
  spans->nameEnd = end;
  for (const char* p = path + spans->directoryEnd; *p; p += CharLength(p)) {
    if (*p == '.') spans->nameEnd = static_cast<size_t>(p - path);
  }
}

namespace {

// A part longer than the field is cut at a whole character.
void CopyPart(char* out, size_t cap, const char* from, size_t length) {
  size_t n = WholeCharLength(from, length < cap - 1 ? length : cap - 1);
  memcpy(out, from, n);
  out[n] = '\0';
}

}  // namespace

void SplitPath(const char* path, PathParts* parts) {
  PathSpans spans;
  FindPathSpans(path, &spans);
  CopyPart(parts->drive, sizeof parts->drive, path, spans.driveEnd);
  CopyPart(parts->directory, sizeof parts->directory, path + spans.driveEnd,
           spans.directoryEnd - spans.driveEnd);
  CopyPart(parts->name, sizeof parts->name, path + spans.directoryEnd,
           spans.nameEnd - spans.directoryEnd);
  CopyPart(parts->extension, sizeof parts->extension, path + spans.nameEnd,
           spans.end - spans.nameEnd);
}
