// The install folder as text: the default the install dialog offers, the tidying of what the
// player accepted, and the folders refused by their names alone. What exists is checked by
// identity too (platform/system_folders.h).
#pragma once
#include <stddef.h>

// The longest folder text, as the launcher holds it.
enum { kFolderTextCapacity = 1024 };

// "DEFDIR\PATH", as the install dialog first offers it. false when cut.
bool FormDefaultInstallFolder(const char* defdir, const char* gameFolder, char* out, size_t cap);

// Single backslashes, no trailing one, and a last part that looks like a file name (it has
// an extension) dropped. false when cut.
bool NormaliseFolderText(const char* folder, char* out, size_t cap);

// A drive's root, where an uninstall would sweep the whole drive's save files and listed
// names; the Windows folder with all inside it; and any folder with a component that ends
// in a dot or a blank, which Windows drops, so that the folder made is not the one typed
// ("C:\Windows.\Games", "C:\Games\.."). folder is normalised; windowsFolder is the
// system's own (empty when unknown: then the Windows folder is not checked). Compared by
// whole components, ASCII letters without regard to case.
bool IsRefusedInstallFolder(const char* folder, const char* windowsFolder);
