// The folders one install created, collected in memory and written as "<folder>\n" lines
// into the install folder under the MD name, so that an uninstall can remove them again.
#pragma once
#include <stddef.h>

#include "install/folder_log_reader.h"
#include "setup_source/setup_description.h"

enum { kFolderLogBlockBytes = 262144 };

void BeginFolderLog();
// Appends the folder and writes the log file at once (when the install folder exists).
void LogCreatedFolder(const char* folder);
// Appends without writing; WriteFolderLog then writes them all.
void AddToFolderLog(const char* folder);
// Merges this install's folders into the log file: parents before children, only folders
// that exist, the newest 512 when more. A file there that is not a log stays untouched.
void WriteFolderLog();
void ReleaseFolderLog();

// Something is there that is not a folder log (nor can be read as one): not ours to touch.
bool IsForeignFile(const char* path);

// The log of the install folder and the temporary logs beside it, which a write killed
// before it replaced the log leaves: index 0 the log, 1 and 2 the temporary names.
enum { kFolderLogFileCount = 3 };
// The log's path with its last character replaced ("game._m~", then "game._m!"), so it
// fits wherever the log's own path fits. which is 1 or 2.
bool FolderLogTemporaryPath(const char* logPath, int which, char* out, size_t cap);
struct FolderLogFiles {
  char paths[kFolderLogFileCount][kFolderCapacity + 1];
  FolderLogEntries entries[kFolderLogFileCount];  // slots null where it is no log
  bool foreign[kFolderLogFileCount];              // a file there that is not a log
};
// Reads those of g_InstallFolder that are logs. false when the paths do not fit.
bool ReadFolderLogFiles(FolderLogFiles* files);
void DeleteFolderLogFiles(const FolderLogFiles& files);
void ReleaseFolderLogFiles(FolderLogFiles* files);

// The folders the files (and, while an install runs, this install) name that are there,
// each once, parents before their sub-folders; the newest 512 when more.
struct LoggedFolders {
  const char* folders[kFolderLogMaxEntries];
  int count;
};
void MergeLoggedFolders(const FolderLogFiles& files, LoggedFolders* merged);
