#include "path/relative_path.h"

#include <string.h>

#include "path/components.h"
#include "path/drive_prefix.h"
#include "path/path_characters.h"
#include "path/windows_aliases.h"

namespace {

// A component of two or more dots steps up out of the folder, with or without blanks
// (Windows drops the blanks).
bool IsParentStep(const char* component, size_t length) {
  if (!IsDotsAndBlanksOnly(component, length)) return false;
  size_t dots = 0;
  for (size_t i = 0; i < length; ++i) dots += component[i] == '.' ? 1 : 0;
  return dots >= 2;
}

// Control bytes and : * ? " < > are all below 0x40, and no byte below 0x40 can be the
// second byte of a character, so a byte-by-byte search finds them safely. The bar (0x7C)
// can be a second byte, so it is searched for by whole characters.
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
