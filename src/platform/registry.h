// Access to the current user's registry, for the installed-state record. Names and texts
// are code page 932; the Windows side stores texts as UTF-16 through the wide API. A name
// or text that cannot be converted makes the call fail.
#pragma once
#include <stddef.h>
#include <stdint.h>

typedef void* OsRegistryKey;

enum : uint32_t {
  kRegistryText = 1,    // REG_SZ
  kRegistryNumber = 4,  // REG_DWORD
};

// Opens HKEY_CURRENT_USER\path with all access, creating it if it is missing.
bool OsCreateUserKey(const char* path, OsRegistryKey* key);
// Opens HKEY_CURRENT_USER\path to read its values only, if it exists. A key the user may
// read but not change opens here.
bool OsOpenUserKeyToRead(const char* path, OsRegistryKey* key);
// Opens HKEY_CURRENT_USER\path with all access, if it exists.
bool OsOpenUserKey(const char* path, OsRegistryKey* key);
void OsCloseKey(OsRegistryKey key);

// Stores a 4-byte little-endian number.
bool OsSetNumberValue(OsRegistryKey key, const char* name, uint32_t value);
// Stores a text without a terminating zero.
bool OsSetTextValue(OsRegistryKey key, const char* name, const char* text);

// One value read by OsEnumValue. Texts come back as code page 932 bytes, other types as
// their raw bytes. A zero always follows the data, so it can be read as a text. The data
// holds as much as the launcher's folder buffers (1,023 bytes): a folder of 247 UTF-16
// units can take 494 bytes of code page 932.
enum { kRegistryNameCapacity = 512, kRegistryDataCapacity = 1023 };
struct OsRegistryValue {
  char name[kRegistryNameCapacity];
  unsigned char data[kRegistryDataCapacity + 1];
  size_t length;
  uint32_t type;
};
// A value is skipped if its name is longer than 255 characters, its data does not fit in
// kRegistryDataCapacity bytes, or it cannot be converted; the next index can still be read. Any
// other failure is treated like the end of the values.
enum OsEnumResult { kEnumValueRead, kEnumValueSkipped, kEnumValuesEnd };
OsEnumResult OsEnumValue(OsRegistryKey key, uint32_t index, OsRegistryValue* value);
// Returns true if key has neither sub-keys nor values. Returns false if that cannot be
// checked.
bool OsKeyHoldsNothing(OsRegistryKey key);

// Deletes the value name of key; "" is the default value.
bool OsDeleteValue(OsRegistryKey key, const char* name);
// Deletes HKEY_CURRENT_USER\path with its values. Fails if it has sub-keys.
bool OsDeleteUserKey(const char* path);
// Deletes the sub-key called name under key.
bool OsDeleteSubkey(OsRegistryKey key, const char* name);
