// Converts code page 932 to UTF-8 through iconv, one character at a time.
#include "platform/utf8_text.h"

#include <iconv.h>

bool OsCodePage932CharToUtf8(const char* bytes, size_t length, char* out, size_t cap) {
  if (cap == 0) return false;
  out[0] = '\0';
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  char* in = const_cast<char*>(bytes);
  size_t inLeft = length;
  char* dst = out;
  size_t outLeft = cap - 1;
  size_t r = iconv(cd, &in, &inLeft, &dst, &outLeft);
  // iconv treats a lone lead byte as an incomplete sequence: it fails and leaves the byte
  // in inLeft.
  bool ok = r != static_cast<size_t>(-1) && inLeft == 0;
  iconv_close(cd);
  *dst = '\0';
  if (!ok) out[0] = '\0';
  return ok;
}
