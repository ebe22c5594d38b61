#include <stdio.h>

#include "platform/platform.h"

// No windows here: a box becomes a line on standard error.
void OsMessageBox(WindowHandle, const char* text, const char* caption) {
  fprintf(stderr, "[%s] %s\n", caption, text);
}
