#include "setup_source/save_name.h"

#include <string.h>

#include "text/sjis.h"

size_t WindowsNameLength(const char* name) {
  size_t length = strlen(name);
  while (length > 0 && (name[length - 1] == '.' || name[length - 1] == ' ')) --length;
  return length;
}

bool HasSaveExtension(const char* name) {
  size_t length = WindowsNameLength(name);
  // The last dot of the last component, by whole characters.
  const char* dot = nullptr;
  for (const char* p = name; p < name + length; p += CharLength(p)) {
    if (*p == '\\' || *p == '/') {
      dot = nullptr;
    } else if (*p == '.') {
      dot = p;
    }
  }
  if (dot == nullptr || name + length - dot != 4) return false;
  const char* expected = "sav";
  for (int i = 0; i < 3; ++i) {
    char c = dot[1 + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != expected[i]) return false;
  }
  return true;
}
