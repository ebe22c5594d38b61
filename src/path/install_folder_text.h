// Install folder rules that need only the folder's text: the default the install dialog
// offers, tidying the folder the player accepted, and refusing folders by name. Checks
// that look at the real folders on disk are in platform/system_folders.h.
#pragma once
#include <stddef.h>

// Forms "DEFDIR\PATH", the folder the install dialog offers first. Returns false, with out
// empty, if the result did not fit.
bool FormDefaultInstallFolder(const char* defdir, const char* gameFolder, char* out, size_t cap);

// Tidies a folder path: doubled backslashes become one, a trailing backslash goes, and a
// last part that looks like a file name (it has an extension) is dropped. Returns false
// if the result, or the tidied text on the way to it, did not fit: a cut folder is never
// given out as the folder.
bool NormaliseFolderText(const char* folder, char* out, size_t cap);

// Whether folder must be refused as an install folder. Refused are:
//  - a drive's root, because an uninstall would then delete save files and listed names
//    all over the drive;
//  - the Windows folder and everything inside it;
//  - a folder with a component that ends in a dot or a blank. Windows drops those, so the
//    folder created would not be the one typed ("C:\Windows.\Games", "C:\Games\..");
//  - a folder with a component Windows reserves for a device (CON, PRN, AUX, NUL, COM1-9,
//    LPT1-9, with or without an extension, in any case), which can never be created.
// folder must already be normalised. windowsFolder is the system's Windows folder; when it
// is empty (unknown), the Windows folder check is skipped. Paths are compared by whole
// components, ASCII letters in either case.
bool IsRefusedInstallFolder(const char* folder, const char* windowsFolder);
