// Files and folders for the engine. Paths are code page 932 with backslashes. Every call
// fails (false) for a path that cannot be converted, and runs the caller's failure path.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum : uint32_t {
  kAttributeReadOnly = 0x1,
  kAttributeDirectory = 0x10,
};

// false when nothing of that name exists (or it cannot be asked).
bool OsGetFileAttributes(const char* path, uint32_t* attributes);
// The whole 64-bit size of an existing file, so that a file of 4 GiB and more is never
// taken for a small one. false when it is missing, a folder, or cannot be measured.
bool OsGetFileSize(const char* path, uint64_t* size);
bool OsSetFileAttributes(const char* path, uint32_t attributes);
// The UTF-16 units of path's full form, as the system completes it (drive, current folder,
// separators), without the terminating zero.
bool OsGetFullPathUnits(const char* path, size_t* units);
bool OsCreateFolder(const char* path);
bool OsRemoveFolder(const char* path);
bool OsDeleteFile(const char* path);
// Creates a new empty file of a unique name in folder and puts its path into out; false
// (and no file) when none can be made or its path does not fit cap. For setup-check's files.
bool OsCreateTemporaryFile(const char* folder, char* out, size_t cap);
// Moves source to target, replacing a file there, so that target is never half written.
bool OsMoveFileReplacing(const char* source, const char* target);

// A search by pattern ("C:\GAME\*.sav"). Names come back as code page 932; a name that
// has no code page 932 form is passed over (it could not be deleted by name anyway).
struct OsFileSearch {
  void* handle;
  char name[260];
};
bool OsFindFirstFile(const char* pattern, OsFileSearch* search);
bool OsFindNextFile(OsFileSearch* search);
void OsFindClose(OsFileSearch* search);
