#include "install/browsed_folder.h"

#include "path/path_characters.h"
#include "text/bounded_text.h"

bool JoinBrowsedFolder(char* out, size_t cap, const char* chosen, const char* gameFolder) {
  // 表 ends in byte 0x5C and is no backslash: it still gets one.
  const char* format = EndsWithBackslash(chosen) ? "%s%s" : "%s\\%s";
  return FormatText(out, cap, format, chosen, gameFolder);
}
