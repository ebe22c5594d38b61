#include "path/save_name.h"

#include <string.h>

#include "text/ascii_text.h"

size_t WindowsNameLength(const char* name) {
  size_t length = strlen(name);
  while (length > 0 && (name[length - 1] == '.' || name[length - 1] == ' ')) --length;
  return length;
}

// Byte by byte: a dot that a lead byte would take as its second byte still counts, so a
// name that might be a save is kept as one.
bool HasSaveExtension(const char* name) {
  size_t length = WindowsNameLength(name);
  if (length < 4) return false;
  const char* extension = name + length - 4;
  return extension[0] == '.' && ToAsciiLower(extension[1]) == 's' &&
         ToAsciiLower(extension[2]) == 'a' && ToAsciiLower(extension[3]) == 'v';
}
