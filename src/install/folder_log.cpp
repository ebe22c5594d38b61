// Keeps the list of folders one install created, in memory and in a log file in the
// install folder, so that an uninstall can remove them again.
#include "install/folder_log.h"

#include <stdio.h>
#include <string.h>

#include "install/install_selection.h"
#include "path/folder_relation.h"
#include "path/path_characters.h"
#include "platform/file_system.h"
#include "platform/memory.h"
#include "platform/stdio_file.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {
char* g_LogText;
size_t g_LogLength;
bool g_LogEnabled;
int g_LogCount;
}  // namespace

void BeginFolderLog() {
  ReleaseFolderLog();
  g_LogText = static_cast<char*>(OsAllocateZeroedBlock(kFolderLogBlockBytes));
  g_LogLength = 0;
  // If the memory could not be had, the log stays disabled and nothing is written.
  g_LogEnabled = g_LogText != nullptr;
  g_LogCount = 0;
}

// Entries are stored one after another, each with its own terminating zero, so that each
// can be used as a string on its own.
void AddToFolderLog(const char* folder) {
  if (!g_LogEnabled) return;
  size_t length = strlen(folder);
  // The entry, its zero and the block's final zero must fit; if not, the entry is dropped.
  if (length + 2 > kFolderLogBlockBytes - g_LogLength) return;
  memcpy(g_LogText + g_LogLength, folder, length + 1);
  g_LogLength += length + 1;
  ++g_LogCount;
}

// The log file is written at once, before the folder is made and anything is copied into
// it. If the launcher is killed at any later moment, the log already names the folder.
void LogCreatedFolder(const char* folder) {
  if (!g_LogEnabled) return;
  AddToFolderLog(folder);
  WriteFolderLog(true);
}

bool IsForeignFile(const char* path) {
  FolderLogEntries entries;
  uint32_t attributes = 0;
  bool log = ReadFolderLog(path, &entries);
  ReleaseFolderLogEntries(&entries);
  return !log && OsGetFileAttributes(path, &attributes);
}

// The log's path with its last character replaced, so it fits wherever the log's own path
// fits: "game._m~", or "game._m!" when "game._m~" is taken by a file that is not a log.
bool FolderLogTemporaryPath(const char* logPath, int which, char* out, size_t cap) {
  static const char kLastCharacters[kFolderLogFileCount - 1][2] = {{'~', '_'}, {'!', '$'}};
  if (*logPath == '\0' || !CopyText(out, cap, logPath)) return false;
  char* last = out + (LastPathChar(out) - out);
  const char* choice = kLastCharacters[which - 1];
  last[0] = *last == choice[0] ? choice[1] : choice[0];
  last[1] = '\0';
  return true;
}

bool ReadFolderLogFiles(FolderLogFiles* files) {
  for (int i = 0; i < kFolderLogFileCount; ++i) {
    files->entries[i].slots = nullptr;
    files->entries[i].count = 0;
    files->foreign[i] = false;
  }
  if (!JoinPath(files->paths[0], sizeof files->paths[0], g_InstallFolder, g_Setup.MD)) {
    return false;
  }
  for (int i = 0; i < kFolderLogFileCount; ++i) {
    if (i > 0 &&
        !FolderLogTemporaryPath(files->paths[0], i, files->paths[i], sizeof files->paths[i])) {
      return false;
    }
    // If a kill cut short the write of a temporary log, its complete lines are still used.
    bool log = i == 0 ? ReadFolderLog(files->paths[i], &files->entries[i])
                      : ReadTemporaryFolderLog(files->paths[i], &files->entries[i]);
    uint32_t attributes = 0;
    files->foreign[i] = !log && OsGetFileAttributes(files->paths[i], &attributes);
  }
  return true;
}

void DeleteFolderLogFiles(const FolderLogFiles& files) {
  for (int i = 0; i < kFolderLogFileCount; ++i) {
    if (files.entries[i].slots != nullptr) OsDeleteFile(files.paths[i]);
  }
}

void ReleaseFolderLogFiles(FolderLogFiles* files) {
  for (int i = 0; i < kFolderLogFileCount; ++i) ReleaseFolderLogEntries(&files->entries[i]);
}

namespace {

// Adds folder to merged if it is not in the list yet and exists now (or may be missing).
// Every entry fits a reader's slot: this install's entries are at most 259 bytes, and
// older ones were read into slots already.
void Keep(LoggedFolders* merged, const char* folder, bool mayBeMissing) {
  if (merged->count == kFolderLogMaxEntries || (!mayBeMissing && !IsFolder(folder))) return;
  for (int i = 0; i < merged->count; ++i) {
    if (RelateFolders(merged->folders[i], folder) == kFolderSame) return;
  }
  merged->folders[merged->count++] = folder;
}

// Moves each folder before the first of its sub-folders, and otherwise keeps the order in
// which they were created. The uninstaller works from the end of the list, so it removes
// sub-folders before their parents.
void PutParentsFirst(LoggedFolders* merged) {
  const char* order[kFolderLogMaxEntries];
  for (int n = 0; n < merged->count; ++n) {
    const char* entry = merged->folders[merged->count - 1 - n];
    int at = 0;
    while (at < n && RelateFolders(order[at], entry) != kFolderInside) ++at;
    memmove(order + at + 1, order + at, (n - at) * sizeof order[0]);
    order[at] = entry;
  }
  memcpy(merged->folders, order, merged->count * sizeof order[0]);
}

}  // namespace

// Collects the newest entries first, so that a full list drops the oldest. The order is:
// this install's folders, the last one made first; then the temporary logs (left when a
// kill stopped a write of the log); then the log itself.
void MergeLoggedFolders(const FolderLogFiles& files, LoggedFolders* merged,
                        bool newestMayBeMissing) {
  merged->count = 0;
  for (size_t end = g_LogEnabled ? g_LogLength : 0; end > 0;) {
    size_t begin = end - 1;
    while (begin > 0 && g_LogText[begin - 1] != '\0') --begin;
    Keep(merged, g_LogText + begin, newestMayBeMissing && end == g_LogLength);
    end = begin;
  }
  for (int file = kFolderLogFileCount - 1; file >= 0; --file) {
    const FolderLogEntries& entries = files.entries[file];
    for (int i = entries.count - 1; i >= 0; --i) Keep(merged, entries.slots[i], false);
  }
  PutParentsFirst(merged);
}

// A second install into the same folder must not forget what the first one created, so
// the old log and this install's folders are merged. The merged log is written to a
// temporary file beside the log, which replaces the log only after every byte is written
// and the file is closed. So a failed write or a kill never leaves a half-written log. A
// file that is not a log, at the log's path or a temporary name, is never replaced.
void WriteFolderLog(bool newestMayBeMissing) {
  if (!g_LogEnabled || g_LogCount == 0) return;
  FolderLogFiles files;
  bool readable = ReadFolderLogFiles(&files) && !files.foreign[0];
  // The second temporary name is used only when a file that is not a log has the first.
  int target = files.foreign[1] ? 2 : 1;
  int other = target == 1 ? 2 : 1;
  if (!readable || files.foreign[target]) {
    ReleaseFolderLogFiles(&files);
    return;
  }
  LoggedFolders merged;
  MergeLoggedFolders(files, &merged, newestMayBeMissing);
  const char* temporary = files.paths[target];
  FILE* file = merged.count > 0 ? OsOpenFile(temporary, "wb") : nullptr;
  bool written = file != nullptr;
  for (int i = 0; i < merged.count && written; ++i) {
    written = fputs(merged.folders[i], file) >= 0 && fputc('\n', file) != EOF;
  }
  if (file != nullptr && fclose(file) != 0) written = false;
  if (file != nullptr && (!written || !OsMoveFileReplacing(temporary, files.paths[0]))) {
    OsDeleteFile(temporary);
  }
  // The other temporary log is merged in now, so delete it.
  if (written && files.entries[other].slots != nullptr) OsDeleteFile(files.paths[other]);
  ReleaseFolderLogFiles(&files);
}

void ReleaseFolderLog() {
  OsFreeBlock(g_LogText);
  g_LogText = nullptr;
  g_LogLength = 0;
  g_LogEnabled = false;
}
