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
}

namespace {

bool WriteEntry(FILE* file, const char* folder) {
  size_t length = strlen(folder);
  return fwrite(folder, 1, length, file) == length && fputc('\n', file) != EOF;
}

bool InOldLog(const FolderLogEntries& old, const char* folder) {
  for (int i = 0; i < old.count; ++i) {
    const char* entry = old.slots[i];
    if (strcmp(entry, folder) == 0 || RelateFolders(entry, folder) == kFolderSame) return true;
  }
  return false;
}

// The old entries first, then those of this install that the old log does not name yet.
bool WriteEntries(FILE* file, const FolderLogEntries& old) {
  bool written = true;
  for (int i = 0; i < old.count; ++i) {
    if (old.slots[i][0] != '\0') written = written && WriteEntry(file, old.slots[i]);
  }
  // Every entry in memory ends with a line feed; each is compared as a text of its own.
  for (char* entry = g_LogText; *entry != '\0';) {
    char* end = strchr(entry, '\n');
    *end = '\0';
    if (!InOldLog(old, entry)) written = written && WriteEntry(file, entry);
    *end = '\n';
    entry = end + 1;
  }
  return written;
}

}  // namespace

// A second install into the same folder must not forget what the first one created, and a
// failed write must not destroy the old log: the whole new log goes to a file of its own,
// which replaces the old one only once every byte is out and the file is closed.
void WriteFolderLog() {
  if (!g_LogEnabled || g_LogCount == 0) return;
  char path[kFolderCapacity + 1];
  if (!FormatText(path, sizeof path, "%s\\%s", g_InstallFolder, g_Setup.MD)) return;
  FolderLogEntries old;
  uint32_t attributes = 0;
  // An old log that is there but cannot be read stays as it is, rather than lose its entries.
  if (!ReadFolderLog(path, &old) && OsGetFileAttributes(path, &attributes)) return;
  char temporary[kFolderCapacity + 1];
  if (OsCreateTemporaryFile(g_InstallFolder, temporary, sizeof temporary)) {
    FILE* file = OsOpenFile(temporary, "wb");
    bool written = file != nullptr && WriteEntries(file, old);
    if (file != nullptr && fclose(file) != 0) written = false;
    if (!written || !OsMoveFileReplacing(temporary, path)) OsDeleteFile(temporary);
  }
  ReleaseFolderLogEntries(&old);
}

void ReleaseFolderLog() {
  OsFreeBlock(g_LogText);
  g_LogText = nullptr;
  g_LogLength = 0;
  g_LogEnabled = false;
}
