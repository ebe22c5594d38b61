// The settings of setup.ini that name places. A disc is written by hand, and a typo in
// one of them must never make an install write, or an uninstall delete, anything
// outside the game's own folder and registry key; each rule says what a value may be.
#pragma once

// MD: a file name in the install folder, no path ("x.log " stays a name).
bool IsSingleFileName(const char* value);

// EXE: a relative path below the install folder, every component a name.
bool IsPathInGameFolder(const char* value);

// PATH: the same as EXE, or empty, and may end with one backslash.
bool IsGameFolderName(const char* value);

// REG_S and REG_T: one registry key name, no backslash.
bool IsRegistryKeyName(const char* value);

// REG_P: registry key names joined by single backslashes, Software or below it, and not
// in the system's own trees there (Microsoft, Classes, Policies, Wow6432Node), whose keys
// other programs read: the record's values would land among theirs.
bool IsRegistryKeyPath(const char* value);
