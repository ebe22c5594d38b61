// Records the folders one install created, so that an uninstall can remove them again.
// They are collected in memory and written as "<folder>\n" lines to a file in the install
// folder, named by the MD setting.
#pragma once
#include <stddef.h>

#include "install/folder_log_reader.h"
#include "setup_source/setup_description.h"

enum { kFolderLogBlockBytes = 262144 };

void BeginFolderLog();
// Appends the folder and writes the log file at once (when the install folder exists),
// also when the folder is not made yet: log it first, then make it.
void LogCreatedFolder(const char* folder);
// Appends the folder without writing the file; WriteFolderLog writes them all later.
void AddToFolderLog(const char* folder);
// Merges this install's folders into the log file. Parents come before children, only
// folders that exist are kept, and if there are more than 512, only the newest 512. A file
// at that path that is not a log is left untouched. With newestMayBeMissing, the newest
// entry is kept before its folder exists: it names a folder about to be made.
void WriteFolderLog(bool newestMayBeMissing = false);
void ReleaseFolderLog();

// Whether a file exists at path that cannot be read as a folder log. Such a file is not
// ours, so it must not be touched.
bool IsForeignFile(const char* path);

// The log and the two temporary logs beside it. A temporary log is left behind when a
// write is killed before it replaced the log. Index 0 is the log, 1 and 2 the temporary
// names.
enum { kFolderLogFileCount = 3 };
// The log's path with its last character replaced ("game._m~", then "game._m!"), so it
// fits wherever the log's own path fits. which is 1 or 2.
bool FolderLogTemporaryPath(const char* logPath, int which, char* out, size_t cap);
struct FolderLogFiles {
  char paths[kFolderLogFileCount][kPathSize];
  FolderLogEntries entries[kFolderLogFileCount];  // slots is null if the file is no log
  bool foreign[kFolderLogFileCount];              // a file is there, but not a log
};
// Reads the log and the temporary logs in g_InstallFolder, where they really are logs.
// Returns false if the paths do not fit.
bool ReadFolderLogFiles(FolderLogFiles* files);
void DeleteFolderLogFiles(const FolderLogFiles& files);
void ReleaseFolderLogFiles(FolderLogFiles* files);

// The existing folders named by the log files (and by this install, while it runs), each
// once, parents before their sub-folders. If there are more than 512, the newest 512.
struct LoggedFolders {
  const char* folders[kFolderLogMaxEntries];
  int count;
};
// With newestMayBeMissing, this install's newest entry is kept before its folder exists.
void MergeLoggedFolders(const FolderLogFiles& files, LoggedFolders* merged,
                        bool newestMayBeMissing = false);
