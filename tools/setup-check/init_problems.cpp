#include "init_problems.h"

#include <stdio.h>

#include "text/line_characters.h"
#include "utf8_output.h"

void PrintEscaped(const char* text, bool isUtf8) {
  for (const char* p = text; *p != '\0';) {
    size_t step = isUtf8 ? 1 : CharLength(p);
    unsigned char c = static_cast<unsigned char>(*p);
    if (c < 0x20 || c == 0x7F) {
      fprintf(stderr, "\\x%02X", c);
    } else if (isUtf8) {
      fputc(c, stderr);
    } else {
      char one[3] = {p[0], step == 2 ? p[1] : '\0', '\0'};
      PrintUtf8(stderr, one);
    }
    p += step;
  }
}

void PrintDraftProblem(const char* severity, const char* message) {
  fprintf(stderr, "setup-check --init: %s: ", severity);
  PrintEscaped(message, false);
  fputc('\n', stderr);
}
