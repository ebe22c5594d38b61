// The FILECOPY dialog, which runs the copy pass, one file per timer tick.
#pragma once
#include <windows.h>

INT_PTR CALLBACK FileCopyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
