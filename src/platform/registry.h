// The current user's registry for the installed-state record. Names and texts are code
// page 932; the Windows side stores texts as UTF-16 through the wide API. A name or text
// that cannot be converted makes the call fail.
#pragma once
#include <stddef.h>
#include <stdint.h>

typedef void* OsRegistryKey;

enum : uint32_t {
  kRegistryText = 1,    // REG_SZ
  kRegistryNumber = 4,  // REG_DWORD
};

// HKEY_CURRENT_USER\path, created when missing, with all access.
bool OsCreateUserKey(const char* path, OsRegistryKey* key);
// HKEY_CURRENT_USER\path when it exists, with all access.
bool OsOpenUserKey(const char* path, OsRegistryKey* key);
void OsCloseKey(OsRegistryKey key);

// A 4-byte little-endian number.
bool OsSetNumberValue(OsRegistryKey key, const char* name, uint32_t value);
// A text stored without a terminating zero.
bool OsSetTextValue(OsRegistryKey key, const char* name, const char* text);

// One enumerated value. Text types come back as code page 932 bytes, other types as their
// raw bytes; a zero always follows the data, so it reads as a text of at most 256 bytes.
enum { kRegistryNameCapacity = 512, kRegistryDataCapacity = 256 };
struct OsRegistryValue {
  char name[kRegistryNameCapacity];
  unsigned char data[kRegistryDataCapacity + 1];
  size_t length;
  uint32_t type;
};
// A value whose name is longer than 255 characters, whose data does not fit 256 bytes, or
// that cannot be converted is skipped, and the next index still reads; any other failure
// ends the values as their end does.
enum OsEnumResult { kEnumValueRead, kEnumValueSkipped, kEnumValuesEnd };
OsEnumResult OsEnumValue(OsRegistryKey key, uint32_t index, OsRegistryValue* value);
// true when key has neither sub-keys nor values; false too when that cannot be asked.
bool OsKeyHoldsNothing(OsRegistryKey key);

// The value name of key; "" names the default value.
bool OsDeleteValue(OsRegistryKey key, const char* name);
// Deletes HKEY_CURRENT_USER\path with its values (not when it has sub-keys).
bool OsDeleteUserKey(const char* path);
// Deletes the sub-key name of key.
bool OsDeleteSubkey(OsRegistryKey key, const char* name);
