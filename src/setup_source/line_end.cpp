// Trims blanks and line ends from the end of a plain setup.ini line, byte by byte from the
// end. This is safe: blanks and line ends are below 0x40, so they are never the second
// byte of a code page 932 character. Walking forward by characters would be wrong, because
// a half-width katakana at the end would take the LF as its second byte.
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
