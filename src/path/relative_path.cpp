#include "setup_source/relative_path.h"

#include <string.h>

#include "text/ascii_text.h"
#include "text/path_text.h"
#include "text/sjis.h"

namespace {

// Two dots or more, with or without blanks (Windows drops those), step out of the folder.
bool IsParentStep(const char* component, size_t length) {
  if (!IsDotsAndBlanksOnly(component, length)) return false;
  size_t dots = 0;
  for (size_t i = 0; i < length; ++i) dots += component[i] == '.' ? 1 : 0;
  return dots >= 2;
}

// Bytes below 0x40 are never the second byte of a character, so they are looked for
// byte by byte; the bar can be one (0x7C) and is looked for by whole characters.
bool HasUnusableCharacter(const char* text) {
  for (const char* p = text; *p; ++p) {
    if (static_cast<unsigned char>(*p) < 0x20 || strchr(":*?\"<>", *p) != nullptr) return true;
  }
  for (const char* p = text; *p; p += PathCharLength(p)) {
    if (*p == '|') return true;
  }
  return false;
}

// An empty component (a doubled or a final separator) is dropped as well.
bool IsDroppedByWindows(const char* component, size_t length) {
  return length == 0 || component[length - 1] == '.' || component[length - 1] == ' ';
}

}  // namespace

bool IsDeviceName(const char* component, size_t length) {
  size_t base = 0;
  while (base < length && component[base] != '.') ++base;
  while (base > 0 && component[base - 1] == ' ') --base;
  char name[5] = {};
  if (base < 3 || base > 4) return false;
  for (size_t i = 0; i < base; ++i) name[i] = ToAsciiUpper(component[i]);
  if (base == 3) {
    return strcmp(name, "CON") == 0 || strcmp(name, "PRN") == 0 || strcmp(name, "AUX") == 0 ||
           strcmp(name, "NUL") == 0;
  }
  return (strncmp(name, "COM", 3) == 0 || strncmp(name, "LPT", 3) == 0) && name[3] >= '1' &&
         name[3] <= '9';
}

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

bool IsPathInsideGameFolder(const char* fileLine) {
  if (IsPathSeparator(fileLine[0]) || HasDriveLetter(fileLine)) return false;
  return !AnyComponent(fileLine, IsParentStep);
}

bool IsUsableFileLine(const char* fileLine) {
  return IsPathInsideGameFolder(fileLine) && !HasUnusableCharacter(fileLine) &&
         !AnyComponent(fileLine, IsDeviceName);
}

bool IsWindowsAlias(const char* fileLine) { return AnyComponent(fileLine, IsDroppedByWindows); }
