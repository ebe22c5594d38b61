#include "utf8_output.h"

#include "cp932_text.h"
#include "platform/utf8_text.h"
#include "text/bounded_text.h"

namespace {

// Calls put(out, utf8, isAscii) for each character of text. A byte that is not a
// character is written as the four characters \xNN, so that the publisher sees which byte
// it is.
template <typename Put>
void Decode(FILE* out, const char* text, Put put) {
  for (const char* p = text; *p != '\0';) {
    bool valid = true;
    size_t length = Cp932Step(p, &valid);
    char utf8[8] = {*p, '\0'};
    bool ascii = static_cast<unsigned char>(*p) < 0x80;
    if (ascii || (valid && OsCodePage932CharToUtf8(p, length, utf8, sizeof utf8))) {
      put(out, utf8, ascii);
    } else {
      FormatText(utf8, sizeof utf8, "\\x%02x", static_cast<unsigned char>(*p));
      for (const char* c = utf8; *c != '\0'; ++c) {
        char one[2] = {*c, '\0'};
        put(out, one, true);
      }
      length = 1;
    }
    p += length;
  }
}

// Control bytes from the file must not reach a terminal as they are: ESC could change the
// terminal's title or clear it.
void PutPlain(FILE* out, const char* utf8, bool isAscii) {
  unsigned char c = static_cast<unsigned char>(utf8[0]);
  if (isAscii && (c < 0x20 || c == 0x7F)) {
    fprintf(out, "\\x%02x", c);
  } else {
    fputs(utf8, out);
  }
}

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
