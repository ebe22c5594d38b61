#include "setup_source/relative_path.h"

#include "text/sjis.h"

namespace {

bool IsSeparator(const char* p, size_t step) { return step == 1 && (*p == '\\' || *p == '/'); }

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

bool IsPathInsideGameFolder(const char* fileLine) {
  if (fileLine[0] == '\\' || fileLine[0] == '/') return false;
  if (IsAsciiLetter(fileLine[0]) && fileLine[1] == ':') return false;

  // A component of two or more dots, with or without trailing blanks (Windows drops
  // those), steps out of its folder.
  size_t dots = 0;
  bool onlyDots = true;
  for (const char* p = fileLine;;) {
    size_t step = CharLength(p);
    if (step == 0 || IsSeparator(p, step)) {
      if (onlyDots && dots >= 2) return false;
      if (step == 0) break;
      dots = 0;
      onlyDots = true;
    } else if (step == 1 && *p == '.') {
      ++dots;
    } else if (!(step == 1 && *p == ' ')) {
      onlyDots = false;
    }
    p += step;
  }
  return true;
}
