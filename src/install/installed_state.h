// The installed-state record: INSTFLAG, INSTTYPE, CDPATH and GAMEPATH under
// HKEY_CURRENT_USER\<ProductKeyPath>. Every registry failure is silent.
#pragma once
#include <stddef.h>

// Writes g_InstallKind, g_TypeMask, g_Setup.SourceFolder and installFolder.
void WriteInstalledState(const char* keyPath, const char* installFolder);
// Empties installFolderOut (kFolderCapacity + 1 bytes), then fills it, SourceFolder,
// g_InstallKind and g_TypeMask from the values present. Creates the key when missing.
void ReadInstalledState(const char* keyPath, char* installFolderOut);
// Deletes the default value and the four values, then the key when it holds nothing else.
void DeleteProductKey(const char* keyPath);
void DeleteRegistrySubkey(const char* parentPath, const char* subkeyName);

// What the buttons show: a kind and a folder on record, and every file of the recorded
// types present in that folder. Reads the globals the record filled.
bool IsGameInstalled();

// The name of the lock that lets one launcher at a time act on the record under keyPath.
// Kernel object names are case-sensitive and hold no backslash: the key's ASCII letters are
// folded as the registry folds them, and the bytes hashed.
void FormLauncherLockName(const char* keyPath, char* out, size_t cap);
