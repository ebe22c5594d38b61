#include "path/windows_aliases.h"

#include <string.h>

#include "path/components.h"
#include "text/ascii_text.h"

namespace {

// Windows drops a trailing dot or blank, and also drops an empty component (a doubled
// separator, or one at the end).
bool IsDroppedByWindows(const char* component, size_t length) {
  return length == 0 || EndsInDotOrBlank(component, length);
}

}  // namespace

// Byte by byte: no second byte of code page 932 is a dot or a blank.
bool EndsInDotOrBlank(const char* component, size_t length) {
  return length > 0 && (component[length - 1] == '.' || component[length - 1] == ' ');
}

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

bool IsWindowsAlias(const char* fileLine) { return AnyComponent(fileLine, IsDroppedByWindows); }
