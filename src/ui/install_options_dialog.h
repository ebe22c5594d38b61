// The INSTALL dialog: the player picks how much to install and the folder, and sees the
// size of each choice.
#pragma once
#include <windows.h>

INT_PTR CALLBACK InstallOptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
