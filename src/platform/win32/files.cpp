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

// One attribute query by name, not an open: at start-up every listed file is measured, and
// on a disc an open, size and close costs about ten times the query. The query differs from
// an open only for a file another program holds open without sharing, which a pressed disc
// never has; such a file still fails at its copy with the usual box.
bool OsGetFileSize(const char* path, uint64_t* size) {
  wchar_t wide[kWideCapacity];
  if (!ToWide(path, wide, kWideCapacity)) return false;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(wide, GetFileExInfoStandard, &data)) return false;
  // A folder has no size to count; opening it as a file failed too.
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  *size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}
