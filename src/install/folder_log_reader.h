// Reads a folder log file back, for the uninstaller and for the next install, which
// merges in the folders an earlier install made.
#pragma once
#include <stddef.h>

enum { kFolderLogMaxEntries = 512, kFolderLogEntryBytes = 512 };

// The entries of a log file, in file order.
struct FolderLogEntries {
  char (*slots)[kFolderLogEntryBytes];
  int count;
};
// Returns false if the file cannot be opened, is not a folder log, or there is no memory
// for the table. In a folder log every non-empty line starts with a drive letter and a
// colon or with "\\server", the text is code page 932, and the only control bytes are
// line ends.
bool ReadFolderLog(const char* path, FolderLogEntries* entries);
// The same for a temporary log. A kill may have cut its write short, so a last line
// without a line feed is dropped.
bool ReadTemporaryFolderLog(const char* path, FolderLogEntries* entries);
void ReleaseFolderLogEntries(FolderLogEntries* entries);
