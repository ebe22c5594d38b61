#include "platform/windows_folder.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

bool OsGetWindowsFolder(char* out, size_t cap) {
  if (cap > 0) out[0] = '\0';
  wchar_t wide[kWideCapacity];
  UINT length = GetWindowsDirectoryW(wide, kWideCapacity);
  if (length == 0 || length >= kWideCapacity) return false;
  return FromWideStrict(wide, out, cap);
}
