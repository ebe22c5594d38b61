#include "path/relative_path.h"

#include <string.h>

#include "path/components.h"
#include "path/drive_prefix.h"
#include "path/path_characters.h"
#include "path/windows_aliases.h"

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

}  // namespace

bool IsPathInsideGameFolder(const char* fileLine) {
  if (IsPathSeparator(fileLine[0]) || HasDriveLetter(fileLine)) return false;
  return !AnyComponent(fileLine, IsParentStep);
}

bool IsUsableFileLine(const char* fileLine) {
  return IsPathInsideGameFolder(fileLine) && !HasUnusableCharacter(fileLine) &&
         !AnyComponent(fileLine, IsDeviceName);
}
