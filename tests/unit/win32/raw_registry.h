// The registry as another program sees it, through the wide API directly.
#pragma once
#include <windows.h>
// sddl.h needs windows.h first.
#include <sddl.h>

inline void SetRaw(const wchar_t* keyPath, const wchar_t* name, DWORD type, const void* data,
                   DWORD bytes) {
  RegSetKeyValueW(HKEY_CURRENT_USER, keyPath, name, type, data, bytes);
}

inline bool KeyExists(const wchar_t* keyPath) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

inline void DeleteTree(const wchar_t* keyPath) { RegDeleteTreeW(HKEY_CURRENT_USER, keyPath); }

// Gives everyone only the access the SDDL text names, none inherited from above.
inline bool SetKeyAccess(const wchar_t* keyPath, const wchar_t* sddl) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, WRITE_DAC, &key) != ERROR_SUCCESS) return false;
  PSECURITY_DESCRIPTOR sd = nullptr;
  bool done =
      ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &sd, nullptr) &&
      RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
  LocalFree(sd);
  RegCloseKey(key);
  return done;
}
// Readable, and its access still changeable and the key deletable, but no value can be set.
inline bool DenyChanges(const wchar_t* keyPath) {
  return SetKeyAccess(keyPath, L"D:P(A;;KRWDSD;;;WD)");
}
inline bool AllowChanges(const wchar_t* keyPath) {
  return SetKeyAccess(keyPath, L"D:P(A;;KA;;;WD)");
}
