// The registry as another program sees it, through the wide API directly.
#pragma once
#include <windows.h>

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

inline void DeleteTree(const wchar_t* keyPath) {
  RegDeleteTreeW(HKEY_CURRENT_USER, keyPath);
  RegDeleteKeyW(HKEY_CURRENT_USER, keyPath);
}
