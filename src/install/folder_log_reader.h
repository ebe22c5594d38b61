// Reading a created-folder log file back: for the uninstaller, and for the next install,
// which merges what an earlier one made.
#pragma once
#include <stddef.h>

enum { kFolderLogMaxEntries = 512, kFolderLogEntryBytes = 512 };

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
void ReleaseFolderLogEntries(FolderLogEntries* entries);
