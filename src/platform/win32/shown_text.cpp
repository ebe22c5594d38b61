// Code page 932 for display: what the system decodes is kept, each byte it refuses is
// marked, so the launcher shows itself whatever encoding setup.ini was saved in.
#include <windows.h>

#include "platform/win32/wide_text.h"

void ToWideShown(const char* text, wchar_t* out, size_t cap) {
  if (cap == 0) return;
  size_t used = 0;
  while (*text != '\0' && used + 1 < cap) {
    // Two bytes that make one character go together (room for one unit refuses two
    // single-byte ones); else the first byte alone, marked when it is no character.
    int length = text[1] != '\0' ? 2 : 1;
    while (length > 0 &&
           MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, length, &out[used], 1) != 1) {
      --length;
    }
    if (length == 0) {
      out[used] = 0xFFFD;
      length = 1;
    }
    ++used;
    text += length;
  }
  out[used] = L'\0';
}
