// The registry as another program sees it, through the wide API directly: raw bytes to
// check what the engine stored, and hand-made values it must survive.
#pragma once
#include <wchar.h>
#include <windows.h>

#include <string>

struct RawValue {
  bool present;
  std::string bytes;
};

inline RawValue QueryRaw(const wchar_t* keyPath, const wchar_t* name) {
  RawValue value{false, std::string()};
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  BYTE data[4096];
  DWORD size = sizeof data;
  if (RegQueryValueExW(key, name, nullptr, nullptr, data, &size) == ERROR_SUCCESS) {
    value = {true, std::string(reinterpret_cast<char*>(data), size)};
  }
  RegCloseKey(key);
  return value;
}

inline void SetRaw(const wchar_t* keyPath, const wchar_t* name, DWORD type, const void* data,
                   DWORD bytes) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), bytes);
  RegCloseKey(key);
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

// The UTF-16 bytes of a wide text, no terminator.
inline std::string WideBytes(const wchar_t* text) {
  return std::string(reinterpret_cast<const char*>(text), wcslen(text) * sizeof(wchar_t));
}
