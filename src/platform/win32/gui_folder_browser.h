// Shows the shell's folder browser, for picking the parent of the install folder.
#pragma once
#include <stddef.h>
#include <windows.h>

// Returns true and puts the chosen folder's path (at most 259 bytes) in out. Returns
// false if the player cancels, the browser is unavailable, or the path cannot be written
// in code page 932.
bool GuiChooseFolder(HWND owner, char* out, size_t cap, const char* prompt);
