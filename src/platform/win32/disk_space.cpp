// Reads the free space of a folder's drive through the wide API.
#include "platform/disk_space.h"

#include <wchar.h>
#include <windows.h>

#include "platform/win32/wide_text.h"

bool OsGetFreeSpace(const char* folder, uint64_t* freeBytes) {
  wchar_t wide[kWideCapacity + 1];
  if (!ToWideStrict(folder, wide, kWideCapacity)) return false;
  // A share (\\server\share) works only with a trailing backslash, and any folder accepts
  // one, so always add it.
  size_t length = wcslen(wide);
  if (length == 0 || wide[length - 1] != L'\\') wcscat(wide, L"\\");
  ULARGE_INTEGER available;
  // Ask for what this user may write, quotas included, not the drive's raw free space.
  if (!GetDiskFreeSpaceExW(wide, &available, nullptr, nullptr)) return false;
  *freeBytes = available.QuadPart;
  return true;
}
