#include "setup_source/source_path.h"

#include "path/path_characters.h"
#include "platform/platform.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

bool FormSourcePath(const char* discFolder, const char* gameFolder, const char* fileLine, char* out,
                    size_t cap) {
  bool whole = CopyText(out, cap, discFolder);
  RemoveTrailingBackslash(out);
  whole = AppendText(out, cap, "\\") && whole;
  whole = AppendText(out, cap, gameFolder) && whole;
  RemoveTrailingBackslash(out);
  whole = AppendText(out, cap, "\\") && whole;
  return AppendText(out, cap, fileLine) && whole;
}

bool ComposeSourcePath(const char* fileLine, char* out, size_t cap) {
  char folder[512];
  if (!OsGetCurrentFolder(folder, sizeof folder)) {
    if (cap > 0) out[0] = '\0';
    return false;
  }
  return FormSourcePath(folder, g_Setup.PATH, fileLine, out, cap);
}
