#include "platform/win32/wide_text.h"

#include <windows.h>

bool ToWide(const char* text, wchar_t* out, size_t cap) {
  if (cap == 0) return false;
  out[0] = L'\0';
  int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, -1, out, static_cast<int>(cap));
  if (n <= 0) {
    out[0] = L'\0';
    return false;
  }
  return true;
}

bool FromWide(const wchar_t* text, char* out, size_t cap) {
  if (cap == 0) return false;
  out[0] = '\0';
  BOOL usedDefault = FALSE;
  int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text, -1, out, static_cast<int>(cap),
                              nullptr, &usedDefault);
  if (n <= 0 || usedDefault) {
    out[0] = '\0';
    return false;
  }
  return true;
}
