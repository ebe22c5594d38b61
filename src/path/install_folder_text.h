// The install folder's text: the default the install dialog offers, and tidying the folder
// the player accepted. Which folders are refused is judged in install/install_folder_judgement.h.
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
