// File and folder calls for the engine, through the wide API. Every code page 932 path is
// converted explicitly, and a path that does not convert makes the call fail.
#include "platform/file_system.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

bool OsGetFileAttributes(const char* path, uint32_t* attributes) {
  wchar_t wide[kWideCapacity];
  if (!ToWideStrict(path, wide, kWideCapacity)) return false;
  DWORD found = GetFileAttributesW(wide);
  if (found == INVALID_FILE_ATTRIBUTES) return false;
  *attributes = found;
  return true;
}

// Uses one attribute query by name instead of opening the file. Every listed file is
// measured at start-up, and on a disc, open + size + close costs about ten times as much
// as the query. The two differ only for a file another program holds open without
// sharing, which never happens on a pressed disc; such a file would still fail at its
// copy with the usual box.
bool OsGetFileSize(const char* path, uint64_t* size) {
  wchar_t wide[kWideCapacity];
  if (!ToWideStrict(path, wide, kWideCapacity)) return false;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(wide, GetFileExInfoStandard, &data)) return false;
  // A folder has no size to count. (Opening it as a file would have failed too.)
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  *size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}

bool OsSetFileAttributes(const char* path, uint32_t attributes) {
  wchar_t wide[kWideCapacity];
  return ToWideStrict(path, wide, kWideCapacity) && SetFileAttributesW(wide, attributes) != FALSE;
}

bool OsGetFullPathUnits(const char* path, size_t* units) {
  wchar_t wide[kWideCapacity];
  if (!ToWideStrict(path, wide, kWideCapacity)) return false;
  // Called with no buffer, it returns the size the full path needs, including the zero.
  DWORD needed = GetFullPathNameW(wide, 0, nullptr, nullptr);
  if (needed == 0) return false;
  *units = needed - 1;
  return true;
}

bool OsGetFullPath(const char* path, char* out, size_t cap) {
  wchar_t wide[kWideCapacity];
  wchar_t full[kWideCapacity];
  if (!ToWideStrict(path, wide, kWideCapacity)) return false;
  DWORD units = GetFullPathNameW(wide, kWideCapacity, full, nullptr);
  return units > 0 && units < kWideCapacity && FromWideStrict(full, out, cap);
}

bool OsCreateFolder(const char* path) {
  wchar_t wide[kWideCapacity];
  return ToWideStrict(path, wide, kWideCapacity) && CreateDirectoryW(wide, nullptr) != FALSE;
}

bool OsRemoveFolder(const char* path) {
  wchar_t wide[kWideCapacity];
  return ToWideStrict(path, wide, kWideCapacity) && RemoveDirectoryW(wide) != FALSE;
}

bool OsDeleteFile(const char* path) {
  wchar_t wide[kWideCapacity];
  return ToWideStrict(path, wide, kWideCapacity) && DeleteFileW(wide) != FALSE;
}

bool OsCreateTemporaryFile(const char* folder, char* out, size_t cap) {
  wchar_t wideFolder[kWideCapacity];
  wchar_t created[MAX_PATH];
  if (!ToWideStrict(folder, wideFolder, kWideCapacity) ||
      GetTempFileNameW(wideFolder, L"tmp", 0, created) == 0) {
    return false;
  }
  if (FromWideStrict(created, out, cap)) return true;
  DeleteFileW(created);
  return false;
}

bool OsMoveFileReplacing(const char* source, const char* target) {
  wchar_t wideSource[kWideCapacity];
  wchar_t wideTarget[kWideCapacity];
  return ToWideStrict(source, wideSource, kWideCapacity) &&
         ToWideStrict(target, wideTarget, kWideCapacity) &&
         MoveFileExW(wideSource, wideTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
             FALSE;
}

namespace {

// Takes the found name if it can be written in code page 932; otherwise moves on to the
// next match.
bool NextConvertible(HANDLE handle, WIN32_FIND_DATAW* found, OsFileSearch* search) {
  for (;;) {
    if (FromWideStrict(found->cFileName, search->name, sizeof search->name)) return true;
    if (!FindNextFileW(handle, found)) return false;
  }
}

}  // namespace

bool OsFindFirstFile(const char* pattern, OsFileSearch* search) {
  search->handle = nullptr;
  search->name[0] = '\0';
  wchar_t wide[kWideCapacity];
  if (!ToWideStrict(pattern, wide, kWideCapacity)) return false;
  WIN32_FIND_DATAW found;
  HANDLE handle = FindFirstFileW(wide, &found);
  if (handle == INVALID_HANDLE_VALUE) return false;
  search->handle = handle;
  if (NextConvertible(handle, &found, search)) return true;
  // Nothing to hand back: a caller told "none" does not close the search.
  OsFindClose(search);
  return false;
}

bool OsFindNextFile(OsFileSearch* search) {
  if (search->handle == nullptr) return false;
  WIN32_FIND_DATAW found;
  if (!FindNextFileW(static_cast<HANDLE>(search->handle), &found)) return false;
  return NextConvertible(static_cast<HANDLE>(search->handle), &found, search);
}

void OsFindClose(OsFileSearch* search) {
  if (search->handle != nullptr) FindClose(static_cast<HANDLE>(search->handle));
  search->handle = nullptr;
}
