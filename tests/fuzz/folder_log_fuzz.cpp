// The created-folder log reader on arbitrary file contents: never more than 512 entries,
// each terminated inside its 512-byte slot.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "install/folder_log.h"

namespace {
char g_path[64];
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (g_path[0] == '\0') snprintf(g_path, sizeof g_path, "folder_log_fuzz_%d.tmp", getpid());
  FILE* file = fopen(g_path, "wb");
  if (file == nullptr) abort();
  fwrite(data, 1, size, file);
  fclose(file);

  FolderLogEntries entries;
  if (!ReadFolderLog(g_path, &entries)) abort();
  if (entries.count < 0 || entries.count > kFolderLogMaxEntries) abort();
  for (int i = 0; i < entries.count; ++i) {
    if (memchr(entries.slots[i], '\0', kFolderLogEntryBytes) == nullptr) abort();
  }
  ReleaseFolderLogEntries(&entries);
  unlink(g_path);
  return 0;
}
