#include "platform/win32/system_library.h"

#include <wchar.h>

// Older mingw-w64 headers may lack it; the value is fixed by Windows.
#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

HMODULE LoadSystemLibrary(const wchar_t* name) {
  HMODULE library = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Windows before 8 without update KB2533623 knows no search flags and fails the call with
  // ERROR_INVALID_PARAMETER. There the full path names the file; the altered search order
  // takes the library's own dependencies from the system folder too.
  if (library != nullptr || GetLastError() != ERROR_INVALID_PARAMETER) return library;
  wchar_t path[MAX_PATH];
  UINT length = GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length + 1 + wcslen(name) >= MAX_PATH) return nullptr;
  path[length] = L'\\';
  wcscpy(path + length + 1, name);
  return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void LoadLibrariesFromSystemFolderOnly() {
  // Looked up, not imported: Windows before 8 without KB2533623 lacks it.
  typedef BOOL(WINAPI * SetDirectories)(DWORD);
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  SetDirectories set = kernel == nullptr
                           ? nullptr
                           : reinterpret_cast<SetDirectories>(reinterpret_cast<void (*)()>(
                                 GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (set != nullptr) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
