// Rules for the setup.ini settings that name files, folders or registry keys. Publishers
// write setup.ini by hand, and a typo must never make an install write, or an uninstall
// delete, anything outside the game's own folder and registry key. Each rule below says
// which values a setting accepts.
#pragma once

// MD: a plain file name in the install folder, with no path. Trailing blanks are allowed
// ("x.log " is still a name).
bool IsSingleFileName(const char* value);

// EXE: a relative path below the install folder. Every component must be a real name:
// not empty and not only dots and blanks.
bool IsPathInGameFolder(const char* value);

// PATH: the same rule as EXE, but it may also be empty or end with one backslash.
bool IsGameFolderName(const char* value);

// REG_S and REG_T: a single registry key name, without a backslash.
bool IsRegistryKeyName(const char* value);

// REG_P: registry key names joined by single backslashes. It must be Software or a key
// below it, but not inside the system's own trees there (Microsoft, Classes, Policies,
// Wow6432Node). Other programs read those trees, and the launcher's record would end up
// mixed in with their values.
bool IsRegistryKeyPath(const char* value);
