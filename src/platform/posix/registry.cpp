// POSIX systems have no registry. Every call fails, and the engine handles that silently,
// as it would any registry failure.
#include "platform/registry.h"

bool OsCreateUserKey(const char*, OsRegistryKey*) { return false; }
bool OsOpenUserKey(const char*, OsRegistryKey*) { return false; }
bool OsOpenUserKeyToRead(const char*, OsRegistryKey*) { return false; }
void OsCloseKey(OsRegistryKey) {}
bool OsSetNumberValue(OsRegistryKey, const char*, uint32_t) { return false; }
bool OsSetTextValue(OsRegistryKey, const char*, const char*) { return false; }
OsEnumResult OsEnumValue(OsRegistryKey, uint32_t, OsRegistryValue*) { return kEnumValuesEnd; }
bool OsKeyHoldsNothing(OsRegistryKey) { return false; }
bool OsDeleteValue(OsRegistryKey, const char*) { return false; }
bool OsDeleteUserKey(const char*) { return false; }
bool OsDeleteSubkey(OsRegistryKey, const char*) { return false; }
