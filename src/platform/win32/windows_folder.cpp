#include "platform/windows_folder.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

bool OsGetWindowsFolder(char* out, size_t cap) {
  if (cap > 0) out[0] = '\0';
  wchar_t wide[MAX_PATH + 1];
  UINT length = GetWindowsDirectoryW(wide, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH) return false;
  return FromWide(wide, out, cap);
}
