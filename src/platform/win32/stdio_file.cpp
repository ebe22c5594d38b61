// Opens files with the C runtime's wide _wfopen, because fopen would read the name in the
// system's ANSI code page, which may not be code page 932.
#include "platform/stdio_file.h"

#include <stdio.h>
#include <wchar.h>

#include "platform/win32/wide_text.h"

FILE* OsOpenFile(const char* path, const char* mode) {
  wchar_t widePath[kWideCapacity];
  wchar_t wideMode[16];
  if (!ToWideStrict(path, widePath, kWideCapacity) || !ToWideStrict(mode, wideMode, 16)) return nullptr;
  return _wfopen(widePath, wideMode);
}
