// The general platform calls on a POSIX system, for setup-check and the native tests.
#include "platform/platform.h"

#include <stdio.h>
#include <unistd.h>

#include "platform/posix/native_path.h"

bool OsGetCurrentFolder(char* out, size_t cap) {
  if (cap > 0) out[0] = '\0';
  char native[kNativePathSize];
  if (getcwd(native, sizeof native) == nullptr) return false;
  return FromNativeText(native, out, cap);
}

bool OsSetCurrentFolder(const char* path) {
  char native[kNativePathSize];
  return ToNativePath(path, native, sizeof native) && chdir(native) == 0;
}

// There are no windows here, so a box becomes a line on standard error.
void OsMessageBox(WindowHandle, const char* text, const char* caption) {
  fprintf(stderr, "[%s] %s\n", caption, text);
}

// Nothing to prepare: POSIX shows no system boxes for empty drives.
void OsPrepareProcess() {}
