// Save files are the player's own: an uninstall that keeps them, a reinstall over them and
// the folder log must all leave them alone. Names are read as Windows reads them.
#pragma once
#include <stddef.h>

// The length of name without the trailing dots and blanks that Windows drops from it.
size_t WindowsNameLength(const char* name);

// Whether name's own extension is .sav, in any case, trailing dots and blanks ignored
// ("slot1.sav ." is slot1.sav). Windows also matches "*.sav" against short 8.3 names, so
// a search finds "diary.save" (DIARY~1.SAV): such names are not saves.
bool HasSaveExtension(const char* name);
