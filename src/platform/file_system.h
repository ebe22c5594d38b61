// File and folder calls for the engine. Paths are code page 932 with backslashes. Every
// call returns false for a path that cannot be converted, so the caller handles it like
// any other failure.
#pragma once
#include <stddef.h>
#include <stdint.h>

// The size of a buffer for one name in a folder, terminator included, as the system
// gives names (never a path).
enum { kFolderEntryNameSize = 260 };

enum : uint32_t {
  kAttributeReadOnly = 0x1,
  kAttributeDirectory = 0x10,
};

// Returns false if nothing of that name exists, or it cannot be checked.
bool OsGetFileAttributes(const char* path, uint32_t* attributes);
// Whether path names an existing folder (false for a file, or nothing there).
bool IsFolder(const char* path);
// The full 64-bit size of an existing file, so that a file of 4 GiB or more is never
// taken for a small one. Returns false if it is missing, a folder, or cannot be measured.
bool OsGetFileSize(const char* path, uint64_t* size);
bool OsSetFileAttributes(const char* path, uint32_t attributes);
// The length in UTF-16 units of path's full form, after the system fills in the drive,
// the current folder and the separators. The terminating zero is not counted.
bool OsGetFullPathUnits(const char* path, size_t* units);
// path's full form ("D:GAME" becomes "D:\Work\GAME" when D:'s current folder is D:\Work).
// Returns false if it cannot be formed or does not fit cap whole.
bool OsGetFullPath(const char* path, char* out, size_t cap);
bool OsCreateFolder(const char* path);
bool OsRemoveFolder(const char* path);
bool OsDeleteFile(const char* path);
// Creates a new empty file with a unique name in folder and puts its path into out. Returns
// false, and leaves no file, if none can be made or its path does not fit cap. The file
// gets the mode any new file of this user gets. Used for setup-check's output files.
bool OsCreateTemporaryFile(const char* folder, char* out, size_t cap);
// Moves source to target, replacing any file there. Writing to source first and then
// moving it means target is never half written.
bool OsMoveFileReplacing(const char* source, const char* target);

// A search by pattern ("C:\GAME\*.sav"). Names come back as code page 932. A name that
// cannot be written in code page 932 is skipped; it could not be deleted by name anyway.
// When OsFindFirstFile finds nothing it leaves nothing open; otherwise call OsFindClose.
struct OsFileSearch {
  void* handle;
  char name[kFolderEntryNameSize];
};
bool OsFindFirstFile(const char* pattern, OsFileSearch* search);
bool OsFindNextFile(OsFileSearch* search);
void OsFindClose(OsFileSearch* search);
