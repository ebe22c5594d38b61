// The main window's four buttons, in the column right of the splash.
#pragma once
#include <windows.h>

void CreateMainButtons(HWND window);
// Installed: Install off; Uninstall and Run game on. Exit is always on.
void SetButtonStates(bool installed);
// Keyboard focus to the first enabled button in the order Run game, Install, Uninstall, Exit.
void FocusFirstButton();
// Tab, Shift+Tab, Enter and Esc on the main window; true when the key was taken.
bool HandleMainWindowKey(const MSG& message);
