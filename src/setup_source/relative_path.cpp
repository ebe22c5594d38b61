#include "setup_source/relative_path.h"

#include <string.h>

#include "text/sjis.h"

namespace {

bool IsSeparator(const char* p, size_t step) { return step == 1 && (*p == '\\' || *p == '/'); }

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The dots of a component made of dots and blanks only, else 0.
size_t DotCount(const char* component, size_t length) {
  size_t dots = 0;
  for (size_t i = 0; i < length; ++i) {
    if (component[i] == '.') {
      ++dots;
    } else if (component[i] != ' ') {
      return 0;
    }
  }
  return dots;
}

// Two dots or more, with or without blanks (Windows drops those), step out of the folder.
bool IsParentStep(const char* component, size_t length) { return DotCount(component, length) >= 2; }

// Bytes below 0x40 are never the second byte of a character, so they are looked for
// byte by byte; the bar can be one (0x7C) and is looked for by whole characters.
bool HasUnusableCharacter(const char* text) {
  for (const char* p = text; *p; ++p) {
    if (static_cast<unsigned char>(*p) < 0x20 || strchr(":*?\"<>", *p) != nullptr) return true;
  }
  for (const char* p = text; *p; p += CharLength(p)) {
    if (*p == '|') return true;
  }
  return false;
}

// An empty component (a doubled or a final separator) is dropped as well.
bool IsDroppedByWindows(const char* component, size_t length) {
  return length == 0 || component[length - 1] == '.' || component[length - 1] == ' ';
}

}  // namespace

bool IsDotsOnly(const char* component, size_t length) { return DotCount(component, length) >= 1; }

bool IsDeviceName(const char* component, size_t length) {
  size_t base = 0;
  while (base < length && component[base] != '.') ++base;
  while (base > 0 && component[base - 1] == ' ') --base;
  char name[5] = {};
  if (base < 3 || base > 4) return false;
  for (size_t i = 0; i < base; ++i) name[i] = Upper(component[i]);
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
    size_t step = CharLength(p);
    if (step == 0 || IsSeparator(p, step)) {
      if (rule(start, static_cast<size_t>(p - start))) return true;
      if (step == 0) return false;
      start = p + step;
    }
    p += step;
  }
}

bool IsPathInsideGameFolder(const char* fileLine) {
  if (fileLine[0] == '\\' || fileLine[0] == '/') return false;
  if (IsAsciiLetter(fileLine[0]) && fileLine[1] == ':') return false;
  return !AnyComponent(fileLine, IsParentStep);
}

bool IsUsableFileLine(const char* fileLine) {
  return IsPathInsideGameFolder(fileLine) && !HasUnusableCharacter(fileLine) &&
         !AnyComponent(fileLine, IsDeviceName);
}

bool IsWindowsAlias(const char* fileLine) { return AnyComponent(fileLine, IsDroppedByWindows); }
