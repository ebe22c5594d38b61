#include "text/bounded_text.h"

#include "text/line_characters.h"

namespace {

// Collects output bytes up to cap - 1 and remembers whether anything was dropped.
struct Sink {
  char* dst;
  size_t cap;
  size_t length;
  bool cut;

  void Put(char c) {
    if (length + 1 < cap) {
      dst[length++] = c;
    } else {
      cut = true;
    }
  }
  void PutText(const char* s) {
    while (*s) Put(*s++);
  }
  void PutPart(const char* s, size_t n) {
    for (size_t i = 0; i < n && s[i] != '\0'; ++i) Put(s[i]);
  }
  // Terminates the text. After a cut, a lone lead byte at the end is removed too, so no
  // half of a two-byte character is left.
  bool Finish() {
    if (cap == 0) return false;
    dst[length] = '\0';
    if (cut && EndsInHalfCharacter(dst)) dst[--length] = '\0';
    return !cut;
  }
};

void PutNumber(Sink& sink, unsigned long value, unsigned base, bool negative, unsigned width,
               char pad) {
  char digits[24];
  unsigned n = 0;
  do {
    unsigned d = static_cast<unsigned>(value % base);
    digits[n++] = static_cast<char>(d < 10 ? '0' + d : 'a' + d - 10);
    value /= base;
  } while (value != 0 && n < sizeof digits);
  unsigned shown = n + (negative ? 1 : 0);
  if (negative && pad == '0') sink.Put('-');
  for (; shown < width; ++shown) sink.Put(pad);
  if (negative && pad != '0') sink.Put('-');
  while (n > 0) sink.Put(digits[--n]);
}

}  // namespace

bool CopyText(char* dst, size_t cap, const char* src) {
  Sink sink{dst, cap, 0, false};
  if (cap == 0) return false;
  sink.PutText(src);
  return sink.Finish();
}

bool AppendText(char* dst, size_t cap, const char* src) {
  return AppendTextPart(dst, cap, src, static_cast<size_t>(-1));
}

bool CopyTextPart(char* dst, size_t cap, const char* src, size_t length) {
  if (cap == 0) return false;
  dst[0] = '\0';
  return AppendTextPart(dst, cap, src, length);
}

bool AppendTextPart(char* dst, size_t cap, const char* src, size_t length) {
  if (cap == 0) return false;
  size_t used = 0;
  while (used + 1 < cap && dst[used] != '\0') ++used;
  Sink sink{dst, cap, used, false};
  sink.PutPart(src, length);
  return sink.Finish();
}

bool FormatTextV(char* dst, size_t cap, const char* format, va_list args) {
  Sink sink{dst, cap, 0, false};
  if (cap == 0) return false;
  for (const char* f = format; *f; ++f) {
    if (*f != '%') {
      sink.Put(*f);
      continue;
    }
    ++f;
    char pad = ' ';
    unsigned width = 0;
    if (*f == '0') {
      pad = '0';
      ++f;
    }
    while (*f >= '0' && *f <= '9') width = width * 10 + static_cast<unsigned>(*f++ - '0');
    switch (*f) {
      case 's': {
        const char* s = va_arg(args, const char*);
        sink.PutText(s ? s : "");
        break;
      }
      case 'c':
        sink.Put(static_cast<char>(va_arg(args, int)));
        break;
      case 'd': {
        long v = va_arg(args, int);
        unsigned long magnitude =
            v < 0 ? 0UL - static_cast<unsigned long>(v) : static_cast<unsigned long>(v);
        PutNumber(sink, magnitude, 10, v < 0, width, pad);
        break;
      }
      case 'u':
        PutNumber(sink, va_arg(args, unsigned), 10, false, width, pad);
        break;
      case 'x':
        PutNumber(sink, va_arg(args, unsigned), 16, false, width, pad);
        break;
      case '%':
        sink.Put('%');
        break;
      case '\0':
        --f;  // a lone % at the end: stop without reading past the format
        break;
      default:
        sink.Put('%');
        sink.Put(*f);
        break;
    }
  }
  return sink.Finish();
}

bool FormatText(char* dst, size_t cap, const char* format, ...) {
  va_list args;
  va_start(args, format);
  bool whole = FormatTextV(dst, cap, format, args);
  va_end(args);
  return whole;
}
