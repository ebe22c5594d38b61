#include "install/browsed_folder.h"

#include "path/path_characters.h"
#include "text/bounded_text.h"

bool JoinBrowsedFolder(char* out, size_t cap, const char* chosen, const char* gameFolder) {
  // Check by characters: a folder ending in 表 ends in byte 0x5C, but that is not a
  // backslash, so it still needs one.
  const char* format = EndsWithBackslash(chosen) ? "%s%s" : "%s\\%s";
  return FormatText(out, cap, format, chosen, gameFolder);
}
