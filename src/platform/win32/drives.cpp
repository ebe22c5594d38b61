// Reads drive letters, drive types and volume labels through the wide API.
#include "platform/drives.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

uint32_t OsGetLogicalDrives() { return GetLogicalDrives(); }

uint32_t OsGetDriveType(const char* root) {
  wchar_t wide[kWideCapacity];
  if (!ToWideStrict(root, wide, kWideCapacity)) return DRIVE_NO_ROOT_DIR;
  return GetDriveTypeW(wide);
}

bool OsGetVolumeLabel(const char* root, char* label, size_t cap) {
  if (cap > 0) label[0] = '\0';
  wchar_t wide[kWideCapacity];
  if (!ToWideStrict(root, wide, kWideCapacity)) return false;
  wchar_t volumeName[128] = L"";
  wchar_t fileSystemName[128] = L"";
  DWORD serial = 0;
  DWORD maximumComponent = 0;
  DWORD flags = 0;
  if (!GetVolumeInformationW(wide, volumeName, 128, &serial, &maximumComponent, &flags,
                             fileSystemName, 128)) {
    return false;
  }
  return FromWideStrict(volumeName, label, cap);
}
