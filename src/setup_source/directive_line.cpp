// Splits a setup.ini directive line into keyword and value. The keyword runs to the first
// blank or line end. The value starts after the blanks (or just after an opening quote)
// and runs to a quote or the line end. Both are read by whole characters, so a second byte
// that equals a quote or a blank never ends them early.
#include "setup_source/directive_line.h"

#include <string.h>

#include "text/bounded_text.h"
#include "text/line_characters.h"

namespace {

bool EndsKeyword(char c) { return c == '\t' || c == ' ' || c == '\r' || c == '\n'; }
bool EndsValue(char c) { return c == '"' || c == '\r' || c == '\n'; }

// Steps from p by whole characters until ends() accepts one; returns where it stopped.
const char* RunEnd(const char* p, bool (*ends)(char)) {
  while (*p != '\0' && !ends(*p)) p += CharLength(p);
  return p;
}

}  // namespace

size_t CutDirectiveLine(const char* line, char* keyword, size_t keywordCap, char* value,
                        size_t valueCap) {
  // Cut the line at its LF first. Read by characters, a half-width katakana at the end of
  // a value would take the LF as its second byte and carry it into the setting.
  char text[kLineSize];
  CopyTextPart(text, sizeof text, line, strcspn(line, "\n"));

  const char* key = text[0] != '\0' ? text + 1 : text;
  const char* keyEnd = RunEnd(key, EndsKeyword);
  CopyTextPart(keyword, keywordCap, key, static_cast<size_t>(keyEnd - key));

  const char* val = keyEnd;
  while (*val == ' ' || *val == '\t') ++val;
  if (*val == '"') ++val;
  CopyTextPart(value, valueCap, val, static_cast<size_t>(RunEnd(val, EndsValue) - val));
  return static_cast<size_t>(val - text);
}
