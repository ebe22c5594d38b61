// The folder log reader on any bytes: a non-log refused, at most 512 entries, each ended.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "install/folder_log.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "folder_log_fuzz_" + std::to_string(getpid()) + ".tmp";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), size);
  FolderLogEntries entries;
  if (!ReadFolderLog(path.c_str(), &entries)) {
    unlink(path.c_str());
    return 0;
  }
  if (entries.count < 0 || entries.count > kFolderLogMaxEntries) abort();
  for (int i = 0; i < entries.count; ++i) {
    if (memchr(entries.slots[i], '\0', kFolderLogEntryBytes) == nullptr) abort();
  }
  ReleaseFolderLogEntries(&entries);
  unlink(path.c_str());
  return 0;
}
