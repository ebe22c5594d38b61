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

// Written at once, before anything is copied into the folder: a launcher killed at any
// later moment leaves a log that names it.
void LogCreatedFolder(const char* folder) {
  if (!g_LogEnabled) return;
  size_t length = strlen(folder);
  // The entry, its line feed and the text's terminator must fit; one that does not is dropped.
  if (length + 2 > kFolderLogBlockBytes - g_LogLength) return;
  memcpy(g_LogText + g_LogLength, folder, length);
  g_LogText[g_LogLength + length] = '\n';
  g_LogText[g_LogLength + length + 1] = '\0';
  g_LogLength += length + 1;
  ++g_LogCount;
  WriteFolderLog();
}

bool FolderLogTemporaryPath(const char* logPath, char* out, size_t cap) {
  const char* slash = FindLastBackslash(logPath);
  const char* name = slash != nullptr ? slash + 1 : logPath;
  if (*name == '\0') return false;
  const char mark[] = {*name == '~' ? '_' : '~', '\0'};
  return CopyTextPart(out, cap, logPath, static_cast<size_t>(name - logPath)) &&
         AppendText(out, cap, mark) && AppendText(out, cap, name + CharLength(name));
}

namespace {

// The entries one merged log keeps, at most what the reader reads back.
struct MergedLog {
  const char* entries[kFolderLogMaxEntries];
  int count;
};

// A folder that is there now, reads back as one entry, and is not named yet.
void Keep(MergedLog* merged, const char* folder) {
  size_t length = strlen(folder);
  if (merged->count == kFolderLogMaxEntries || length == 0 || length >= kFolderLogEntryBytes) {
    return;
  }
  uint32_t attributes = 0;
  if (!OsGetFileAttributes(folder, &attributes) || (attributes & kAttributeDirectory) == 0) return;
  for (int i = 0; i < merged->count; ++i) {
    const char* kept = merged->entries[i];
    if (strcmp(kept, folder) == 0 || RelateFolders(kept, folder) == kFolderSame) return;
  }
  merged->entries[merged->count++] = folder;
}

// Newest first, so that a full log drops the oldest: this install's folders from the last
// made, then the old logs' from their ends. The text's line feeds are zeros meanwhile.
void KeepNewestFirst(MergedLog* merged, const FolderLogEntries& leftover,
                     const FolderLogEntries& old) {
  for (size_t i = 0; i < g_LogLength; ++i) {
    if (g_LogText[i] == '\n') g_LogText[i] = '\0';
  }
  for (size_t end = g_LogLength; end > 0;) {
    size_t begin = end - 1;
    while (begin > 0 && g_LogText[begin - 1] != '\0') --begin;
    Keep(merged, g_LogText + begin);
    end = begin;
  }
  for (int i = leftover.count - 1; i >= 0; --i) Keep(merged, leftover.slots[i]);
  for (int i = old.count - 1; i >= 0; --i) Keep(merged, old.slots[i]);
}

// Oldest first again, each folder moved before the first of its sub-folders: the
// uninstaller goes from the end, and creation order otherwise stays as it was.
void SortParentsFirst(MergedLog* merged) {
  const char* newestFirst[kFolderLogMaxEntries];
  int count = merged->count;
  for (int i = 0; i < count; ++i) newestFirst[i] = merged->entries[i];
  for (merged->count = 0; count > 0; ++merged->count) {
    const char* entry = newestFirst[--count];
    int at = 0;
    while (at < merged->count && RelateFolders(merged->entries[at], entry) != kFolderInside) ++at;
    for (int k = merged->count; k > at; --k) merged->entries[k] = merged->entries[k - 1];
    merged->entries[at] = entry;
  }
}

bool WriteEntries(FILE* file, const MergedLog& merged) {
  bool written = true;
  for (int i = 0; i < merged.count && written; ++i) {
    size_t length = strlen(merged.entries[i]);
    written = fwrite(merged.entries[i], 1, length, file) == length && fputc('\n', file) != EOF;
  }
  return written;
}

// The whole merged log goes to a file beside it, which replaces the old log only once
// every byte is out and the file is closed: a failed write or a kill never half-writes it.
void WriteMergedLog(const char* path, const FolderLogEntries& old) {
  char temporary[kFolderCapacity + 1];
  uint32_t attributes = 0;
  // A file of that name left by a killed launcher is a log, newer than the old one and
  // merged too; any other file there is not ours to replace.
  FolderLogEntries leftover;
  if (!FolderLogTemporaryPath(path, temporary, sizeof temporary) ||
      (!ReadFolderLog(temporary, &leftover) && OsGetFileAttributes(temporary, &attributes))) {
    return;
  }
  MergedLog merged;
  merged.count = 0;
  KeepNewestFirst(&merged, leftover, old);
  SortParentsFirst(&merged);
  FILE* file = OsOpenFile(temporary, "wb");
  bool written = file != nullptr && WriteEntries(file, merged);
  if (file != nullptr && fclose(file) != 0) written = false;
  if (!written || !OsMoveFileReplacing(temporary, path)) OsDeleteFile(temporary);
  for (size_t i = 0; i < g_LogLength; ++i) {
    if (g_LogText[i] == '\0') g_LogText[i] = '\n';
  }
  ReleaseFolderLogEntries(&leftover);
}

}  // namespace

// A second install into the same folder must not forget what the first one created, and a
// file at the log's path that is not a log (or cannot be read) is never replaced.
void WriteFolderLog() {
  if (!g_LogEnabled || g_LogCount == 0) return;
  char path[kFolderCapacity + 1];
  if (!FormatText(path, sizeof path, "%s\\%s", g_InstallFolder, g_Setup.MD)) return;
  FolderLogEntries old;
  uint32_t attributes = 0;
  if (!ReadFolderLog(path, &old) && OsGetFileAttributes(path, &attributes)) return;
  WriteMergedLog(path, old);
  ReleaseFolderLogEntries(&old);
}

void ReleaseFolderLog() {
  OsFreeBlock(g_LogText);
  g_LogText = nullptr;
  g_LogLength = 0;
  g_LogEnabled = false;
}
