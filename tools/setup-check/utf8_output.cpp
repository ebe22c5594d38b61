#include "utf8_output.h"

#include "platform/utf8_text.h"

namespace {

const char kReplacement[] = "\xEF\xBF\xBD";

// Real lead bytes of code page 932; 0xA1 to 0xDF are half-width katakana on their own.
bool IsCodePage932Lead(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Calls put(out, utf8, isAscii) for each character of text.
template <typename Put>
void Decode(FILE* out, const char* text, Put put) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  while (*p != '\0') {
    char utf8[8];
    if (*p < 0x80) {
      utf8[0] = static_cast<char>(*p);
      utf8[1] = '\0';
      put(out, utf8, true);
      ++p;
      continue;
    }
    size_t length = IsCodePage932Lead(*p) && p[1] != '\0' ? 2 : 1;
    if (OsCodePage932CharToUtf8(reinterpret_cast<const char*>(p), length, utf8, sizeof utf8)) {
      put(out, utf8, false);
      p += length;
    } else {
      // Only the first byte is lost: the next may start a character of its own.
      put(out, kReplacement, false);
      ++p;
    }
  }
}

void PutPlain(FILE* out, const char* utf8, bool) { fputs(utf8, out); }

void PutJson(FILE* out, const char* utf8, bool isAscii) {
  if (!isAscii) {
    fputs(utf8, out);
    return;
  }
  unsigned char c = static_cast<unsigned char>(utf8[0]);
  switch (c) {
    case '"':
      fputs("\\\"", out);
      break;
    case '\\':
      fputs("\\\\", out);
      break;
    case '\n':
      fputs("\\n", out);
      break;
    case '\r':
      fputs("\\r", out);
      break;
    case '\t':
      fputs("\\t", out);
      break;
    default:
      if (c < 0x20 || c == 0x7F) {
        fprintf(out, "\\u%04x", c);
      } else {
        fputc(c, out);
      }
  }
}

}  // namespace

void PrintUtf8(FILE* out, const char* text) { Decode(out, text, PutPlain); }

void PrintJsonString(FILE* out, const char* text) {
  fputc('"', out);
  Decode(out, text, PutJson);
  fputc('"', out);
}
