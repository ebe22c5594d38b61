#include "setup_source/file_set.h"

#include "text/bounded_text.h"

bool NextFileInSet(FileSetWalk* walk, char* buffer, size_t cap) {
  int32_t count = g_Setup.fileCount;
  if (count > kMaxFileEntries) count = kMaxFileEntries;
  if (walk->index < 0) walk->index = count;
  for (int32_t i = walk->index; i < count; ++i) {
    if ((g_Setup.files[i].mask & walk->mask) != 0) {
      CopyText(buffer, cap, g_Setup.files[i].name);
      walk->index = i + 1;
      return true;
    }
  }
  walk->index = count;
  return false;
}
