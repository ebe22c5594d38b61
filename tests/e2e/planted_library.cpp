// A library planted beside setup.exe under the name of one of Windows' own. Loaded, it leaves
// a mark, a file named after itself in the folder E2E_PLANTED_MARKS names, and refuses to stay.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH], mark[2 * MAX_PATH + 2];
  DWORD length = GetEnvironmentVariableW(L"E2E_PLANTED_MARKS", mark, MAX_PATH);
  if (length > 0 && length < MAX_PATH && GetModuleFileNameW(self, path, MAX_PATH) < MAX_PATH) {
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p; ++p) {
      if (*p == L'\\' || *p == L'/') name = p + 1;
    }
    lstrcatW(mark, L"\\");
    lstrcatW(mark, name);
    HANDLE file = CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  return FALSE;
}
