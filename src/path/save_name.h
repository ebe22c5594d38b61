// Recognises save files. Saves belong to the player: an uninstall that keeps them, a
// reinstall over them and the folder log must all leave them alone. Names are matched the
// way Windows matches them.
#pragma once
#include <stddef.h>

// The length of name without the trailing dots and blanks that Windows drops from it.
size_t WindowsNameLength(const char* name);

// Whether name's real extension is .sav, in any case, ignoring trailing dots and blanks
// ("slot1.sav ." is slot1.sav). A Windows search for "*.sav" also matches short 8.3
// names, so it finds "diary.save" (short name DIARY~1.SAV); this check says no to those.
bool HasSaveExtension(const char* name);
