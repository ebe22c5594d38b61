// Starting the installed game.
// Texts cross as code page 932 and are converted explicitly, so Japanese shows right on any
// system code page.
#pragma once
#include <stddef.h>
#include <windows.h>

// Starts the program shown normally, in the current folder; handles are closed at once.
bool GuiStartProcess(const char* executable, const char* commandLine);
