// Trimming a plain line's end. Blanks and line ends are never the second byte of a code
// page 932 character (those are 0x40 and above), so trimming byte by byte from the end
// cannot split one; a forward walk would instead let a half-width katakana swallow the LF.
#include "setup_source/line_end.h"

#include <string.h>

void TrimLineEnd(char* text) {
  size_t n = strlen(text);
  while (n > 0) {
    char c = text[n - 1];
    if (c != '\t' && c != '\n' && c != '\r' && c != ' ') break;
    --n;
  }
  text[n] = '\0';
}
