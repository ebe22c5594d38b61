#include "platform/file_identity.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

bool OsGetFileIdentity(const char* path, OsFileIdentity* identity) {
  wchar_t wide[kWideCapacity];
  if (!ToWideStrict(path, wide, kWideCapacity)) return false;
  // Ask for no access and allow all sharing, so this open does not disturb any other
  // program. The backup flag lets it open a folder too.
  HANDLE file = CreateFileW(wide, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION information;
  bool known = GetFileInformationByHandle(file, &information) != FALSE;
  CloseHandle(file);
  if (!known) return false;
  identity->volume = information.dwVolumeSerialNumber;
  identity->index =
      (static_cast<uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
  return true;
}
