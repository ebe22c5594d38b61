#include "raw_registry.h"

#include <wchar.h>

RawValue QueryRaw(const wchar_t* keyPath, const wchar_t* name) {
  RawValue value{false, 0, std::string()};
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  BYTE data[4096];
  DWORD size = sizeof data;
  if (RegQueryValueExW(key, name, nullptr, &value.type, data, &size) == ERROR_SUCCESS) {
    value.present = true;
    value.bytes.assign(reinterpret_cast<char*>(data), size);
  }
  RegCloseKey(key);
  return value;
}

void SetRaw(const wchar_t* keyPath, const wchar_t* name, DWORD type, const void* data,
            DWORD bytes) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), bytes);
  RegCloseKey(key);
}

bool KeyExists(const wchar_t* keyPath) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void DeleteTree(const wchar_t* keyPath) {
  RegDeleteTreeW(HKEY_CURRENT_USER, keyPath);
  RegDeleteKeyW(HKEY_CURRENT_USER, keyPath);
}

std::string WideBytes(const wchar_t* text) {
  return std::string(reinterpret_cast<const char*>(text), wcslen(text) * sizeof(wchar_t));
}
