// The installed-state record, which tells the next launcher start what is installed and
// where: INSTFLAG, INSTTYPE, CDPATH and GAMEPATH under HKEY_CURRENT_USER\<ProductKeyPath>.
// Reading failures are silent; a record that cannot be written is reported to the caller.
#pragma once
#include <stddef.h>

// Writes g_InstallKind, g_TypeMask, g_Setup.SourceFolder and installFolder. Returns false
// if the key could not be opened or any value could not be set.
bool WriteInstalledState(const char* keyPath, const char* installFolder);
// Empties installFolderOut (kPathSize bytes), then fills it, SourceFolder,
// g_InstallKind and g_TypeMask from whichever values are present. Reads with read access
// only; creates the key if it is missing.
void ReadInstalledState(const char* keyPath, char* installFolderOut);
// The recorded GAMEPATH alone, or an empty text; nothing else changes.
void ReadRecordedFolder(const char* keyPath, char* folderOut, size_t cap);
// Deletes the default value and the four record values, then the key if nothing else is
// left in it.
void DeleteProductKey(const char* keyPath);
void DeleteRegistrySubkey(const char* parentPath, const char* subkeyName);

// Whether the game counts as installed, which decides the buttons shown: the record has a
// kind and a folder, and every file of the recorded types is in that folder. Reads the
// globals that ReadInstalledState filled.
bool IsGameInstalled();
