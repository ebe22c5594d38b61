// Walks the listed files whose type is in a mask (see file_set.h). Only one walk runs at
// a time, so its position is kept in one global.
#include "setup_source/file_set.h"

#include "text/bounded_text.h"

namespace {
struct FileSetCursor {
  TypeMask mask;
  int32_t index;
};
FileSetCursor g_FileSetCursor;
}  // namespace

void BeginFileSet(TypeMask mask) {
  g_FileSetCursor.mask = mask;
  g_FileSetCursor.index = 0;
}

int NextFileInSet(char* buffer, size_t cap) {
  int32_t count = g_Setup.fileCount;
  if (count > kMaxFileEntries) count = kMaxFileEntries;
  if (g_FileSetCursor.index < 0) g_FileSetCursor.index = count;
  for (int32_t i = g_FileSetCursor.index; i < count; ++i) {
    if ((g_Setup.files[i].mask & g_FileSetCursor.mask) != 0) {
      CopyText(buffer, cap, g_Setup.files[i].name);
      g_FileSetCursor.index = i + 1;
      return 0;
    }
  }
  g_FileSetCursor.index = count;
  return 1;
}
