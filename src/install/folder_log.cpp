// The in-memory created-folder log of one install and its file in the install folder.
#include "install/folder_log.h"

#include <stdio.h>
#include <string.h>

#include "install/folder_relation.h"
#include "install/install_selection.h"
#include "platform/file_system.h"
#include "platform/memory.h"
#include "platform/stdio_file.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"
#include "text/sjis.h"

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
  // Without a block the log stays disabled: nothing is written into a missing block.
  g_LogEnabled = g_LogText != nullptr;
  g_LogCount = 0;
}

// Entries are held one after another, each with its terminating zero, so that each can be
// used as a text of its own.
void AddToFolderLog(const char* folder) {
  if (!g_LogEnabled) return;
  size_t length = strlen(folder);
  // The entry, its zero and the block's final zero must fit; one that does not is dropped.
  if (length + 2 > kFolderLogBlockBytes - g_LogLength) return;
  memcpy(g_LogText + g_LogLength, folder, length + 1);
  g_LogLength += length + 1;
  ++g_LogCount;
}

// Written at once, before anything is copied into the folder: a launcher killed at any
// later moment leaves a log that names it.
void LogCreatedFolder(const char* folder) {
  if (!g_LogEnabled) return;
  AddToFolderLog(folder);
  WriteFolderLog();
}

bool IsForeignFile(const char* path) {
  FolderLogEntries entries;
  uint32_t attributes = 0;
  bool log = ReadFolderLog(path, &entries);
  ReleaseFolderLogEntries(&entries);
  return !log && OsGetFileAttributes(path, &attributes);
}

bool FolderLogTemporaryPath(const char* logPath, char* out, size_t cap) {
  if (*logPath == '\0' || !CopyText(out, cap, logPath)) return false;
  char* last = out + (LastChar(out) - out);
  last[0] = *last == '~' ? '_' : '~';
  last[1] = '\0';
  return true;
}

namespace {

// The entries one merged log keeps, at most what the reader reads back.
struct MergedLog {
  const char* entries[kFolderLogMaxEntries];
  int count;
};

// A folder that is there now and not named yet. Every entry fits a reader's slot: this
// install's are at most 259 bytes, and old ones come from the reader.
void Keep(MergedLog* merged, const char* folder) {
  uint32_t attributes = 0;
  if (merged->count == kFolderLogMaxEntries || !OsGetFileAttributes(folder, &attributes) ||
      (attributes & kAttributeDirectory) == 0) {
    return;
  }
  for (int i = 0; i < merged->count; ++i) {
    if (RelateFolders(merged->entries[i], folder) == kFolderSame) return;
  }
  merged->entries[merged->count++] = folder;
}

// Newest first, so that a full log drops the oldest: this install's folders from the last
// made, then the old log's from its end.
void KeepNewestFirst(MergedLog* merged, const FolderLogEntries& old) {
  for (size_t end = g_LogLength; end > 0;) {
    size_t begin = end - 1;
    while (begin > 0 && g_LogText[begin - 1] != '\0') --begin;
    Keep(merged, g_LogText + begin);
    end = begin;
  }
  for (int i = old.count - 1; i >= 0; --i) Keep(merged, old.slots[i]);
}

// Written oldest first, each folder moved before the first of its sub-folders: the
// uninstaller goes from the end, and creation order otherwise stays as it was.
bool WriteParentsFirst(FILE* file, const MergedLog& merged) {
  const char* order[kFolderLogMaxEntries];
  for (int n = 0; n < merged.count; ++n) {
    const char* entry = merged.entries[merged.count - 1 - n];
    int at = 0;
    while (at < n && RelateFolders(order[at], entry) != kFolderInside) ++at;
    memmove(order + at + 1, order + at, (n - at) * sizeof order[0]);
    order[at] = entry;
  }
  bool written = true;
  for (int i = 0; i < merged.count && written; ++i) {
    written = fputs(order[i], file) >= 0 && fputc('\n', file) != EOF;
  }
  return written;
}

}  // namespace

// A second install into the same folder must not forget what the first one created. The
// whole merged log goes to a file beside it, which replaces the old log only once every
// byte is out and the file is closed: a failed write or a kill never half-writes it. A
// file at the log's path, or under the temporary name, that is not a log is never replaced.
void WriteFolderLog() {
  if (!g_LogEnabled || g_LogCount == 0) return;
  char path[kFolderCapacity + 1];
  char temporary[kFolderCapacity + 1];
  if (!FormatText(path, sizeof path, "%s\\%s", g_InstallFolder, g_Setup.MD) ||
      !FolderLogTemporaryPath(path, temporary, sizeof temporary)) {
    return;
  }
  FolderLogEntries old;
  if (IsForeignFile(temporary) || (!ReadFolderLog(path, &old) && IsForeignFile(path))) return;
  MergedLog merged;
  merged.count = 0;
  KeepNewestFirst(&merged, old);
  if (merged.count == 0) {
    ReleaseFolderLogEntries(&old);
    return;
  }
  FILE* file = OsOpenFile(temporary, "wb");
  bool written = file != nullptr && WriteParentsFirst(file, merged);
  if (file != nullptr && fclose(file) != 0) written = false;
  if (!written || !OsMoveFileReplacing(temporary, path)) OsDeleteFile(temporary);
  ReleaseFolderLogEntries(&old);
}

void ReleaseFolderLog() {
  OsFreeBlock(g_LogText);
  g_LogText = nullptr;
  g_LogLength = 0;
  g_LogEnabled = false;
}
