// Starts the installed game.
#pragma once
#include <stddef.h>
#include <windows.h>

// Starts the program in a normal window, in the current folder. Its handles are closed at
// once; the launcher does not wait for it.
bool GuiStartProcess(const char* executable, const char* commandLine);
