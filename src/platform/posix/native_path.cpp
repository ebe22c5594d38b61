#include "platform/posix/native_path.h"

#include <iconv.h>
#include <string.h>

#include "path/path_characters.h"

namespace {

bool Convert(const char* to, const char* from, const char* text, char* out, size_t cap) {
  if (cap == 0) return false;
  out[0] = '\0';
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  char* in = const_cast<char*>(text);
  size_t inLeft = strlen(text);
  char* dst = out;
  size_t outLeft = cap - 1;
  size_t r = iconv(cd, &in, &inLeft, &dst, &outLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1) || inLeft != 0) {
    out[0] = '\0';
    return false;
  }
  *dst = '\0';
  return true;
}

}  // namespace

bool ToNativePath(const char* path, char* out, size_t cap) {
  char slashed[2 * kPathSize];  // Windows takes paths of kPathSize - 1 two-byte characters
  size_t n = 0;
  for (const char* p = path; *p;) {
    size_t step = PathCharLength(p);
    if (n + step >= sizeof slashed) return false;
    // Only a backslash that is a whole character is a separator; the second byte of 表 is
    // left alone.
    if (step == 1 && *p == '\\') {
      slashed[n++] = '/';
    } else {
      memcpy(slashed + n, p, step);
      n += step;
    }
    p += step;
  }
  slashed[n] = '\0';
  return Convert("UTF-8", "CP932", slashed, out, cap);
}

bool FromNativeText(const char* text, char* out, size_t cap) {
  return Convert("CP932", "UTF-8", text, out, cap);
}
