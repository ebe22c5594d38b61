#include "path/save_name.h"

#include <string.h>

#include "path/windows_aliases.h"
#include "text/ascii_text.h"

size_t WindowsNameLength(const char* name) {
  size_t length = strlen(name);
  while (EndsInDotOrBlank(name, length)) --length;
  return length;
}

// Checks byte by byte, not by characters: a dot counts even if the byte before it is a
// lead byte. That way any name that might be a save is treated as one.
bool HasSaveExtension(const char* name) {
  size_t length = WindowsNameLength(name);
  if (length < 4) return false;
  const char* extension = name + length - 4;
  return extension[0] == '.' && ToAsciiLower(extension[1]) == 's' &&
         ToAsciiLower(extension[2]) == 'a' && ToAsciiLower(extension[3]) == 'v';
}
