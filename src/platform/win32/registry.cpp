// Access to the current user's registry through the wide API. Texts are converted from
// code page 932 and stored as UTF-16, so that any Windows reads the same Japanese folder
// back.
#include "platform/registry.h"

#include <string.h>
#include <windows.h>

#include "platform/win32/wide_text.h"

bool OsCreateUserKey(const char* path, OsRegistryKey* key) {
  wchar_t wide[kWideCapacity];
  if (!ToWideStrict(path, wide, kWideCapacity)) return false;
  HKEY created = nullptr;
  DWORD disposition = 0;
  wchar_t noClass[] = L"";
  if (RegCreateKeyExW(HKEY_CURRENT_USER, wide, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &created, &disposition) != ERROR_SUCCESS) {
    return false;
  }
  *key = created;
  return true;
}

bool OsOpenUserKey(const char* path, OsRegistryKey* key) {
  wchar_t wide[kWideCapacity];
  if (!ToWideStrict(path, wide, kWideCapacity)) return false;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, wide, 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS) {
    return false;
  }
  *key = opened;
  return true;
}

bool OsOpenUserKeyToRead(const char* path, OsRegistryKey* key) {
  wchar_t wide[kWideCapacity];
  if (!ToWideStrict(path, wide, kWideCapacity)) return false;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, wide, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  *key = opened;
  return true;
}

void OsCloseKey(OsRegistryKey key) { RegCloseKey(static_cast<HKEY>(key)); }

bool OsSetNumberValue(OsRegistryKey key, const char* name, uint32_t value) {
  wchar_t wideName[kWideCapacity];
  if (!ToWideStrict(name, wideName, kWideCapacity)) return false;
  BYTE data[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8),
                  static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 24)};
  return RegSetValueExW(static_cast<HKEY>(key), wideName, 0, REG_DWORD, data, 4) == ERROR_SUCCESS;
}

bool OsSetTextValue(OsRegistryKey key, const char* name, const char* text) {
  wchar_t wideName[kWideCapacity];
  wchar_t wideText[kWideCapacity + 1];
  if (!ToWideStrict(name, wideName, kWideCapacity) ||
      !ToWideStrict(text, wideText, kWideCapacity)) {
    return false;
  }
  // The data is exactly the text's characters, with no terminating zero. The system would
  // add a zero if the unit after the counted data were zero, so put a non-zero unit there.
  size_t units = wcslen(wideText);
  wideText[units] = L'?';
  DWORD bytes = static_cast<DWORD>(units * sizeof(wchar_t));
  return RegSetValueExW(static_cast<HKEY>(key), wideName, 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(wideText), bytes) == ERROR_SUCCESS;
}

namespace {

bool IsTextType(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Converts a text value's UTF-16 data to code page 932. The text ends at its length or at
// its first zero.
bool TextData(const wchar_t* units, DWORD bytes, OsRegistryValue* value) {
  enum { kUnits = 1024 };
  wchar_t text[kUnits + 1];
  DWORD count = bytes / sizeof(wchar_t);
  if (count > kUnits) return false;
  memcpy(text, units, count * sizeof(wchar_t));
  text[count] = L'\0';
  char converted[2 * kUnits + 1];
  if (!FromWideStrict(text, converted, sizeof converted)) return false;
  size_t length = strlen(converted);
  // The record's reader holds kRegistryDataCapacity bytes. A longer text is refused, never
  // cut.
  if (length > kRegistryDataCapacity) return false;
  memcpy(value->data, converted, length);
  value->data[length] = 0;
  value->length = length;
  return true;
}

}  // namespace

OsEnumResult OsEnumValue(OsRegistryKey key, uint32_t index, OsRegistryValue* value) {
  value->name[0] = '\0';
  value->data[0] = 0;
  value->length = 0;
  value->type = 0;
  wchar_t name[256];
  DWORD nameLength = 256;
  // Big enough for the UTF-16 of any text whose code page 932 form fits in the data, with
  // a terminating zero another program may have stored.
  wchar_t units[kRegistryDataCapacity + 1];
  DWORD bytes = sizeof units;
  DWORD type = 0;
  LONG result = RegEnumValueW(static_cast<HKEY>(key), index, name, &nameLength, nullptr, &type,
                              reinterpret_cast<BYTE*>(units), &bytes);
  // A name or data too long for the buffers affects only this value; skip it and keep
  // reading the ones after it.
  if (result == ERROR_MORE_DATA) return kEnumValueSkipped;
  if (result != ERROR_SUCCESS) return kEnumValuesEnd;
  if (!FromWideStrict(name, value->name, sizeof value->name)) return kEnumValueSkipped;
  value->type = type;
  if (IsTextType(type)) return TextData(units, bytes, value) ? kEnumValueRead : kEnumValueSkipped;
  if (bytes > kRegistryDataCapacity) return kEnumValueSkipped;
  memcpy(value->data, units, bytes);
  value->data[bytes] = 0;
  value->length = bytes;
  return kEnumValueRead;
}

bool OsKeyHoldsNothing(OsRegistryKey key) {
  DWORD subkeys = 0;
  DWORD values = 0;
  if (RegQueryInfoKeyW(static_cast<HKEY>(key), nullptr, nullptr, nullptr, &subkeys, nullptr,
                       nullptr, &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return subkeys == 0 && values == 0;
}

bool OsDeleteValue(OsRegistryKey key, const char* name) {
  wchar_t wide[kWideCapacity];
  return ToWideStrict(name, wide, kWideCapacity) &&
         RegDeleteValueW(static_cast<HKEY>(key), wide) == ERROR_SUCCESS;
}

bool OsDeleteUserKey(const char* path) {
  wchar_t wide[kWideCapacity];
  return ToWideStrict(path, wide, kWideCapacity) &&
         RegDeleteKeyW(HKEY_CURRENT_USER, wide) == ERROR_SUCCESS;
}

bool OsDeleteSubkey(OsRegistryKey key, const char* name) {
  wchar_t wide[kWideCapacity];
  return ToWideStrict(name, wide, kWideCapacity) &&
         RegDeleteKeyW(static_cast<HKEY>(key), wide) == ERROR_SUCCESS;
}
