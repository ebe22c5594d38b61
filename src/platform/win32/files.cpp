// Files and folders through the wide API.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/wide_text.h"

bool OsGetCurrentFolder(char* out, size_t cap) {
  if (cap > 0) out[0] = '\0';
  wchar_t wide[kWideCapacity];
  DWORD n = GetCurrentDirectoryW(kWideCapacity, wide);
  if (n == 0 || n >= kWideCapacity) return false;
  return FromWide(wide, out, cap);
}

bool OsSetCurrentFolder(const char* path) {
  wchar_t wide[kWideCapacity];
  return ToWide(path, wide, kWideCapacity) && SetCurrentDirectoryW(wide) != FALSE;
}
