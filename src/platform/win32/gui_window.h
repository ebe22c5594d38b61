// Creates the launcher's windows, sends their messages and runs the message loop.
#pragma once
#include <stddef.h>
#include <windows.h>

#include "platform/platform.h"

// Registers a window class named className, with this module's icon and a grey
// background.
bool GuiRegisterWindowClass(const char* className, WNDPROC procedure, int iconId);
HWND GuiCreateWindow(const char* className, const char* title, DWORD style, int x, int y, int width,
                     int height, HWND parent, int id);
LRESULT GuiDefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT GuiSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void GuiPostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Sees each queued message first. Returns true if it handled the message; the loop then
// does nothing more with it.
typedef bool (*GuiKeyHandler)(const MSG& message);
// Runs until WM_QUIT and returns its wParam. A modal dialog runs its own loop, so the
// handler never sees keys pressed in a dialog.
int GuiRunMessageLoop(GuiKeyHandler keys);
// Handles the messages waiting in the queue, then returns. This keeps a window responsive
// during long work on the GUI thread. Keyboard messages for dialog get dialog handling
// (Tab, Enter).
void GuiPumpPendingMessages(HWND dialog);

// The launcher's main window, once it exists (see OsMainWindow).
inline HWND GuiMainWindow() { return static_cast<HWND>(OsMainWindow()); }
