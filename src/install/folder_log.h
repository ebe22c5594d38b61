// The folders one install created, collected in memory and written as "<folder>\n" lines
// into the install folder under the MD name, so that an uninstall can remove them again.
#pragma once

enum { kFolderLogBlockBytes = 262144, kFolderLogMaxEntries = 512, kFolderLogEntryBytes = 512 };

void BeginFolderLog();
void LogCreatedFolder(const char* folder);
void WriteFolderLog();
void ReleaseFolderLog();

// The entries of a log file, in file order.
struct FolderLogEntries {
  char (*slots)[kFolderLogEntryBytes];
  int count;
};
// false when the file cannot be opened (or no memory for the table).
bool ReadFolderLog(const char* path, FolderLogEntries* entries);
void ReleaseFolderLogEntries(FolderLogEntries* entries);
