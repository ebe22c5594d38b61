// Save files are the player's own: an uninstall that keeps them and a reinstall over them
// must both leave them alone.
#pragma once

// Whether name's own extension is .sav, in any case. Windows also matches "*.sav" against
// short 8.3 names, so a search finds "diary.save" (DIARY~1.SAV): such names are not saves.
bool HasSaveExtension(const char* name);
