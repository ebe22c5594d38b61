// Loads a library of Windows itself from the system folder, never from the folder setup.exe
// was started from: a DLL of the same name beside setup.exe on a disc would otherwise run.
#pragma once
#include <windows.h>

// name is a bare file name ("comctl32.dll"). Returns nullptr if it cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

// Makes every later load by name in this process, the system's own libraries' loads among
// them, search the system folder only. Does nothing on Windows without the search flags.
void LoadLibrariesFromSystemFolderOnly();
