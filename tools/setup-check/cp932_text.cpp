#include "cp932_text.h"

#include "path/path_characters.h"
#include "platform/utf8_text.h"
#include "text/line_characters.h"

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

namespace {

// Turns a two-byte small letter into its capital, using code page 932's rows of ａ-ｚ,
// α-ω and а-я.
void FoldPair(unsigned char lead, unsigned char* trail) {
  unsigned char t = *trail;
  if (lead == 0x82 && t >= 0x81 && t <= 0x9A) *trail = static_cast<unsigned char>(t - 0x21);
  if (lead == 0x83 && t >= 0xBF && t <= 0xD6) *trail = static_cast<unsigned char>(t - 0x20);
  // а-я are 0x8470-0x8491, skipping 0x847F; А-Я are 0x8440-0x8460.
  if (lead == 0x84 && t >= 0x70 && t <= 0x7E) *trail = static_cast<unsigned char>(t - 0x30);
  if (lead == 0x84 && t >= 0x80 && t <= 0x91) *trail = static_cast<unsigned char>(t - 0x31);
}

void DropComponentEnd(char* out, size_t* n) {
  while (*n > 0 && (out[*n - 1] == '.' || out[*n - 1] == ' ') &&
         (*n < 2 || !IsPathLeadByte(static_cast<unsigned char>(out[*n - 2])))) {
    --*n;
  }
}

}  // namespace

void FoldWindowsName(const char* name, char* out, size_t cap) {
  if (cap == 0) return;
  size_t n = 0;
  for (const char* p = name; *p != '\0';) {
    size_t step = PathCharLength(p);
    if (n + step >= cap) break;
    unsigned char c = static_cast<unsigned char>(*p);
    if (step == 2) {
      unsigned char trail = static_cast<unsigned char>(p[1]);
      FoldPair(c, &trail);
      out[n++] = *p;
      out[n++] = static_cast<char>(trail);
    } else if (c == '/' || c == '\\') {
      DropComponentEnd(out, &n);
      out[n++] = '\\';
    } else {
      out[n++] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : *p;
    }
    p += step;
  }
  DropComponentEnd(out, &n);
  out[n] = '\0';
}
