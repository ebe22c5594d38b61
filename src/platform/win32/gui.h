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
// Runs until WM_QUIT; returns its wParam.
int GuiRunMessageLoop();
// Starts opening the display on a thread of its own and returns at once.
void GuiOpenDisplayInBackground();
// Handles what is waiting in the queue and returns; keeps a window responsive during a
// long call on the GUI thread. dialog gets its keyboard handling.
void GuiPumpPendingMessages(HWND dialog);

INT_PTR GuiDialogBox(HINSTANCE instance, const char* templateName, HWND owner, DLGPROC procedure);
void GuiSetItemText(HWND dialog, int id, const char* text);
// Cut at cap - 1 bytes at a whole character. Characters without a code page 932 form come
// back as '?', which no Windows path may contain, and the result is false: a folder typed
// with them can then not be created, instead of turning into another folder.
bool ToCodePage932Marked(const wchar_t* text, char* out, size_t cap);
bool GuiGetItemText(HWND dialog, int id, char* out, size_t cap);
void GuiSetWindowText(HWND window, const char* text);

// A bitmap file scaled to width x height; null when it cannot be loaded.
HBITMAP GuiLoadBitmapFile(const char* path, int width, int height);

// The game's command line: the executable path quoted when it holds a blank or a tab
// (or it would split), then the disc folder and the argument 1. false when cut.
bool FormGameCommandLine(char* out, size_t cap, const char* installFolder, const char* exe,
                         const char* sourceFolder);
// Starts the program shown normally, in the current folder; handles are closed at once.
bool GuiStartProcess(const char* executable, const char* commandLine);

// The shell folder browser. true with the chosen folder's path (at most 259 bytes) in
// out; false when cancelled, unavailable, or the path has no code page 932 form.
bool ChooseFolder(HWND owner, char* out, size_t cap, const char* prompt);

// Called with the bytes copied so far of the file; return false to stop the copy.
typedef bool (*GuiCopyProgress)(unsigned long long copied, unsigned long long total);
enum GuiCopyResult { kGuiCopyDone, kGuiCopyFailed, kGuiCopyStopped };
// Copies source over target in pieces, calling progress before the first, every few
// milliseconds, and once at the end. A stopped or failed copy leaves no partial target behind.
GuiCopyResult GuiCopyFileWithProgress(const char* source, const char* target,
                                      GuiCopyProgress progress);
