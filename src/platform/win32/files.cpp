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

bool OsGetFileSizeLow(const char* path, uint32_t* size) {
  wchar_t wide[kWideCapacity];
  if (!ToWide(path, wide, kWideCapacity)) return false;
  HANDLE file = CreateFileW(wide, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD low = GetFileSize(file, nullptr);
  bool ok = !(low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR);
  CloseHandle(file);
  if (ok) *size = low;
  return ok;
}
