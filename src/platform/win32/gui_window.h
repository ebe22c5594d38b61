// The launcher's windows, their messages and the message loop.
// Texts cross as code page 932 and are converted explicitly, so Japanese shows right on any
// system code page.
#pragma once
#include <stddef.h>
#include <windows.h>

#include "platform/platform.h"

// Window class under className with the icon group of this module and the grey brush.
bool GuiRegisterWindowClass(const char* className, WNDPROC procedure, int iconId);
HWND GuiCreateWindow(const char* className, const char* title, DWORD style, int x, int y, int width,
                     int height, HWND parent, int id);
LRESULT GuiDefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT GuiSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Sees each queued message first; true when it acted on it (nothing more is done with it).
typedef bool (*GuiKeyHandler)(const MSG& message);
// Runs until WM_QUIT; returns its wParam. A modal dialog runs a loop of its own, so the
// handler never sees the keys pressed in a dialog.
int GuiRunMessageLoop(GuiKeyHandler keys);
// Handles what is waiting in the queue and returns; keeps a window responsive during a
// long call on the GUI thread. dialog gets its keyboard handling.
void GuiPumpPendingMessages(HWND dialog);

// The launcher's main window once it is made (see OsMainWindow).
inline HWND GuiMainWindow() { return static_cast<HWND>(OsMainWindow()); }
