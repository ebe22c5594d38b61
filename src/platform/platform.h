// The one boundary to the operating system. Texts cross it as code page 932 bytes; the
// Windows side converts them to UTF-16 explicitly and calls only wide functions, so the
// launcher behaves the same on every system code page. A name that cannot be converted
// makes the call fail (the caller's failure path runs); it is never turned into another
// name. A text that is only shown has each byte that does not convert marked. The POSIX side
// (setup-check, native tests) maps backslashes to slashes and code page 932 to the file system's
// UTF-8.
#pragma once
#include <stddef.h>
#include <stdint.h>

typedef void* WindowHandle;

// The current folder as the system reports it. false when it cannot be had or does not
// fit cap bytes (out is then empty).
bool OsGetCurrentFolder(char* out, size_t cap);
bool OsSetCurrentFolder(const char* path);

// A modal box with the OK button only and no icon. owner may be null.
void OsMessageBox(WindowHandle owner, const char* text, const char* caption);
// The launcher's main window once it exists, null before. It owns the boxes the engine
// shows (boxes during start-up loading have none); the window code reads it from here too,
// so that the two cannot disagree.
void OsSetMainWindow(WindowHandle window);
WindowHandle OsMainWindow();

// Called first at program start. On Windows an empty CD-ROM drive must read as an empty
// volume label, not stop the disc search with a system "no disk" box.
void OsPrepareProcess();
