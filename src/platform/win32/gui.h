// The launcher's window and dialog calls that carry text. Texts cross as code page 932
// and are converted explicitly, so Japanese shows right on any system code page.
#pragma once
#include <stddef.h>
#include <windows.h>

// Window class under className with the icon group of this module and the grey brush.
bool GuiRegisterWindowClass(HINSTANCE instance, const char* className, WNDPROC procedure,
                            int iconId);
HWND GuiCreateWindow(HINSTANCE instance, const char* className, const char* title, DWORD style,
                     int x, int y, int width, int height, HWND parent, int id);
LRESULT GuiDefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT GuiSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Sees each queued message first; true when it acted on it (nothing more is done with it).
typedef bool (*GuiKeyHandler)(const MSG& message);
// Runs until WM_QUIT; returns its wParam. Modal dialogs run loops of their own, so keys
// meant for them never reach keys.
int GuiRunMessageLoop(GuiKeyHandler keys);
// Handles what is waiting in the queue and returns; keeps a window responsive during a
// long call on the GUI thread. dialog gets its keyboard handling.
void GuiPumpPendingMessages(HWND dialog);

INT_PTR GuiDialogBox(HINSTANCE instance, const char* templateName, HWND owner, DLGPROC procedure);
void GuiSetItemText(HWND dialog, int id, const char* text);
// The item's text in code page 932, marked where a character has none (see wide_text.h).
bool GuiGetItemText(HWND dialog, int id, char* out, size_t cap);
void GuiSetWindowText(HWND window, const char* text);

// A bitmap file scaled to width x height; null when it cannot be loaded.
HBITMAP GuiLoadBitmapFile(const char* path, int width, int height);

// Starts the program shown normally, in the current folder; handles are closed at once.
bool GuiStartProcess(const char* executable, const char* commandLine);

// The shell folder browser. true with the chosen folder's path (at most 259 bytes) in
// out; false when cancelled, unavailable, or the path has no code page 932 form.
bool GuiChooseFolder(HWND owner, char* out, size_t cap, const char* prompt);

// One launcher per product key. true when this process is the first under lockName and may
// go on (it holds the name until it ends); false when another launcher holds it: that one's
// open dialog, else its main window, has been brought to the front.
bool GuiClaimLauncherLock(const char* lockName);
