// The folders one install created, collected in memory and written as "<folder>\n" lines
// into the install folder under the MD name, so that an uninstall can remove them again.
#pragma once
#include <stddef.h>

enum { kFolderLogBlockBytes = 262144, kFolderLogMaxEntries = 512, kFolderLogEntryBytes = 512 };

void BeginFolderLog();
// Appends the folder and writes the log file at once (when the install folder exists).
void LogCreatedFolder(const char* folder);
// Appends without writing; WriteFolderLog then writes them all.
void AddToFolderLog(const char* folder);
// Merges this install's folders into the log file: parents before children, only folders
// that exist, the newest 512 when more. A file there that is not a log stays untouched.
void WriteFolderLog();
void ReleaseFolderLog();

// The entries of a log file, in file order.
struct FolderLogEntries {
  char (*slots)[kFolderLogEntryBytes];
  int count;
};
// false when the file cannot be opened, is not a folder log (every non-empty line begins
// with a drive letter and a colon or "\\server", code page 932, no control byte but line
// ends), or there is no memory for the table.
bool ReadFolderLog(const char* path, FolderLogEntries* entries);
// The same for a temporary log, whose write a kill may have cut short: a last line without
// its line feed is dropped, not read.
bool ReadTemporaryFolderLog(const char* path, FolderLogEntries* entries);
// Something is there that is not a folder log (nor can be read as one): not ours to touch.
bool IsForeignFile(const char* path);
// Where the log is written before it replaces the old one: the log's path with its last
// character replaced by "~" ("game._m~"), so it fits wherever the log's own path fits.
bool FolderLogTemporaryPath(const char* logPath, char* out, size_t cap);
void ReleaseFolderLogEntries(FolderLogEntries* entries);
