#include "cp932_text.h"

#include "platform/utf8_text.h"
#include "text/sjis.h"

bool IsCodePage932Lead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

size_t Cp932Step(const char* p, bool* valid) {
  unsigned char b = static_cast<unsigned char>(p[0]);
  *valid = true;
  if (b == 0) return 0;
  if (b < 0x80 || (b >= 0xA1 && b <= 0xDF)) return 1;
  char utf8[8];
  if (IsCodePage932Lead(b) && p[1] != '\0' && OsCodePage932CharToUtf8(p, 2, utf8, sizeof utf8)) {
    return 2;
  }
  *valid = false;
  return 1;
}

long FirstUndecodableByte(const char* text) {
  for (const char* p = text; *p != '\0';) {
    bool valid = true;
    size_t step = Cp932Step(p, &valid);
    if (!valid) return p - text;
    p += step;
  }
  return -1;
}

long FirstSwallowedByte(const char* text, size_t length, char c) {
  size_t windows = 0;  // where the next character starts in each reading
  size_t launcher = 0;
  for (size_t i = 0; i < length && text[i] != '\0'; ++i) {
    bool windowsStart = i == windows;
    bool launcherStart = i == launcher;
    if (windowsStart) {
      bool lead = IsCodePage932Lead(static_cast<unsigned char>(text[i])) && text[i + 1] != '\0';
      windows += lead ? 2 : 1;
    }
    if (launcherStart) launcher += CharLength(text + i);
    if (text[i] == c && windowsStart && !launcherStart) return static_cast<long>(i);
  }
  return -1;
}
