// The keyword runs to the first blank or line end; the value starts after the blanks
// (or right after an opening quote) and runs to a quote or the line end. Both step over
// whole characters, so a second byte equal to a quote or blank never ends them.
#include "setup_source/directive_line.h"

#include <string.h>

#include "text/sjis.h"

namespace {

struct Output {
  char* text;
  size_t cap;
  size_t length;
  bool cut;  // once a character did not fit, nothing after it is taken either
};

void PutChar(Output& out, const char* p, size_t step) {
  if (out.cut || out.cap == 0 || out.length + step >= out.cap) {
    out.cut = true;
    return;
  }
  memcpy(out.text + out.length, p, step);
  out.length += step;
  out.text[out.length] = '\0';
}

bool EndsKeyword(char c) { return c == '\t' || c == ' ' || c == '\r' || c == '\n'; }
bool EndsValue(char c) { return c == '"' || c == '\r' || c == '\n'; }

}  // namespace

void CutDirectiveLine(const char* line, char* keyword, size_t keywordCap, char* value,
                      size_t valueCap) {
  Output key{keyword, keywordCap, 0, false};
  Output val{value, valueCap, 0, false};
  if (keywordCap > 0) keyword[0] = '\0';
  if (valueCap > 0) value[0] = '\0';

  // The line's own LF is its end, never the second byte of a character before it: a
  // half-width katakana at the end of a value must not carry the LF into the setting.
  char text[512];
  size_t length = strlen(line);
  if (length >= sizeof text) length = sizeof text - 1;
  memcpy(text, line, length);
  if (length > 0 && text[length - 1] == '\n') --length;
  text[length] = '\0';

  const char* p = text[0] != '\0' ? text + 1 : text;
  while (*p != '\0' && !EndsKeyword(*p)) {
    size_t step = CharLength(p);
    PutChar(key, p, step);
    p += step;
  }
  while (*p == ' ' || *p == '\t') ++p;
  if (*p == '"') ++p;
  while (*p != '\0' && !EndsValue(*p)) {
    size_t step = CharLength(p);
    PutChar(val, p, step);
    p += step;
  }
}
