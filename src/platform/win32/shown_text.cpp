// Code page 932 for display: what the system decodes is kept, each byte it refuses is
// marked, so the launcher shows itself whatever encoding setup.ini was saved in.
#include <windows.h>

#include "platform/win32/wide_text.h"

namespace {

const wchar_t kReplacement = 0xFFFD;

// Decodes the character at text into out (one unit); returns the bytes it took, or 0 when
// the byte there is not code page 932 on its own or as the start of a pair.
int DecodeOne(const char* text, wchar_t* out) {
  wchar_t units[2];
  if (text[1] != '\0' && MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, 2, units, 2) == 1) {
    *out = units[0];
    return 2;
  }
  if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, 1, units, 2) == 1) {
    *out = units[0];
    return 1;
  }
  return 0;
}

}  // namespace

void ToWideShown(const char* text, wchar_t* out, size_t cap) {
  if (cap == 0) return;
  if (ToWide(text, out, cap)) return;
  size_t used = 0;
  while (*text != '\0' && used + 1 < cap) {
    int taken = DecodeOne(text, &out[used]);
    if (taken == 0) {
      out[used] = kReplacement;
      taken = 1;
    }
    ++used;
    text += taken;
  }
  out[used] = L'\0';
}
