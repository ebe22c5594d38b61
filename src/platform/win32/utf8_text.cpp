// Converts code page 932 to UTF-8 through UTF-16, refusing bytes that code page 932 does
// not define.
#include "platform/utf8_text.h"

#include <windows.h>

bool OsCodePage932CharToUtf8(const char* bytes, size_t length, char* out, size_t cap) {
  if (cap == 0) return false;
  out[0] = '\0';
  wchar_t wide[4];
  int units =
      MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(length), wide, 4);
  if (units <= 0) return false;
  int n = WideCharToMultiByte(CP_UTF8, 0, wide, units, out, static_cast<int>(cap) - 1, nullptr,
                              nullptr);
  if (n <= 0) {
    out[0] = '\0';
    return false;
  }
  out[n] = '\0';
  return true;
}
