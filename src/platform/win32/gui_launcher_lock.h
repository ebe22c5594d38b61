// Makes sure only one launcher runs per product key.
#pragma once
#include <stddef.h>
#include <windows.h>

// Returns true if this process is the first launcher for the product key keyPath and may
// go on; it holds the lock until it exits. Returns false if another launcher holds it;
// that launcher's open dialog, or else its main window, has then been brought to the front.
bool GuiClaimLauncherLock(const char* keyPath);
// This launcher's topmost enabled dialog or message box, null when none is open.
HWND GuiOpenDialog();
