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

bool OsGetFileSize(const char* path, uint64_t* size) {
  wchar_t wide[kWideCapacity];
  if (!ToWide(path, wide, kWideCapacity)) return false;
  HANDLE file =
      CreateFileW(wide, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER whole;
  bool ok = GetFileSizeEx(file, &whole) != FALSE && whole.QuadPart >= 0;
  CloseHandle(file);
  if (ok) *size = static_cast<uint64_t>(whole.QuadPart);
  return ok;
}
