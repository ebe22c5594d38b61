// The only place the program calls the operating system. Texts are passed in as code
// page 932 bytes. The Windows side converts them to UTF-16 itself and calls only the wide
// functions, so the launcher behaves the same whatever the system's code page. A name that
// cannot be converted makes the call fail, and the caller handles it like any failure; it
// is never turned into some other name. In a text that is only shown, each byte that does
// not convert is marked instead; the window and dialog calls (win32/gui_*.h) take their
// texts the same way. The POSIX side (setup-check, native tests) turns backslashes into
// slashes and code page 932 into the file system's UTF-8.
#pragma once
#include <stddef.h>
#include <stdint.h>

typedef void* WindowHandle;

// The current folder as the system reports it. Returns false, with out empty, if it
// cannot be read or does not fit in cap bytes.
bool OsGetCurrentFolder(char* out, size_t cap);
bool OsSetCurrentFolder(const char* path);

// Shows a modal box with only an OK button and no icon. owner may be null.
void OsMessageBox(WindowHandle owner, const char* text, const char* caption);
// The launcher's main window once it exists, null before. It owns the boxes the engine
// shows; boxes shown while loading at start-up have no owner. The window code reads the
// main window from here too, so that the two cannot disagree.
void OsSetMainWindow(WindowHandle window);
WindowHandle OsMainWindow();

// Called first at program start. On Windows, it makes an empty CD-ROM drive read as an
// empty volume label, instead of stopping the disc search with a system "no disk" box.
void OsPrepareProcess();
