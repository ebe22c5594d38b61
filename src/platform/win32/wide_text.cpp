// Converts between code page 932 and UTF-16 for the wide Windows API, in the three ways
// the launcher needs (see wide_text.h).
#include "platform/win32/wide_text.h"

#include <windows.h>

bool ToWideStrict(const char* text, wchar_t* out, size_t cap) {
  if (cap == 0) return false;
  out[0] = L'\0';
  int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, -1, out, static_cast<int>(cap));
  if (n <= 0) {
    out[0] = L'\0';
    return false;
  }
  return true;
}

bool FromWideStrict(const wchar_t* text, char* out, size_t cap) {
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

void ToWideShown(const char* text, wchar_t* out, size_t cap) {
  if (cap == 0) return;
  size_t used = 0;
  while (*text != '\0' && used + 1 < cap) {
    // Try two bytes as one character first. The output has room for one unit only, so two
    // separate one-byte characters fail. Then try the first byte alone, and if that is no
    // character either, show U+FFFD for it.
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

MarkedText FromWideMarked(const wchar_t* text, char* out, size_t cap) {
  if (cap == 0) return kMarkedCut;
  // Convert one character at a time, so a character with no code page 932 form can be
  // marked, and a cut at cap never splits a character.
  size_t used = 0;
  bool exact = true;
  for (const wchar_t* p = text; *p != L'\0'; ++p) {
    int units = (p[0] >= 0xD800 && p[0] <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) ? 2 : 1;
    char bytes[8];
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, p, units, bytes, sizeof bytes, "?",
                                &usedDefault);
    if (n <= 0 || usedDefault) {
      bytes[0] = '?';
      n = 1;
      exact = false;
    }
    if (used + static_cast<size_t>(n) >= cap) {
      out[used] = '\0';
      return kMarkedCut;
    }
    for (int i = 0; i < n; ++i) out[used++] = bytes[i];
    p += units - 1;
  }
  out[used] = '\0';
  return exact ? kMarkedExact : kMarkedWithQuestionMarks;
}
