// The main window's four buttons, in the column to the right of the splash picture.
#pragma once
#include <windows.h>

// Makes the buttons at the window's DPI, in the dialogs' font, each already enabled or
// disabled as SetButtonStates would set it.
void CreateMainButtons(HWND window, int dpi, bool installed);
// Places the buttons and sets their font for a new DPI.
void ScaleMainButtons(int dpi);
// Once the buttons are gone.
void DeleteMainButtonFont();
// When installed, Install is disabled and Uninstall and Run game are enabled; otherwise
// the reverse. Exit is always enabled.
void SetButtonStates(bool installed);
// Gives keyboard focus to the first enabled button, in the order Run game, Install,
// Uninstall, Exit.
void FocusFirstButton();
// Handles Tab, Shift+Tab, Enter and Esc on the main window. Returns true if it handled
// the key.
bool HandleMainWindowKey(const MSG& message);
