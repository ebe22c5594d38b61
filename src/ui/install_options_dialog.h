// The INSTALL dialog: extent of the install, the size of each choice, and the folder.
#pragma once
#include <windows.h>

INT_PTR CALLBACK InstallOptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
