// The shell's folder browser, for picking the parent of the install folder.
// Texts cross as code page 932 and are converted explicitly, so Japanese shows right on any
// system code page.
#pragma once
#include <stddef.h>
#include <windows.h>

// The shell folder browser. true with the chosen folder's path (at most 259 bytes) in
// out; false when cancelled, unavailable, or the path has no code page 932 form.
bool GuiChooseFolder(HWND owner, char* out, size_t cap, const char* prompt);
