#include "setup_source/source_path.h"

#include "path/path_characters.h"
#include "platform/platform.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

bool FormSourcePath(const char* discFolder, const char* gameFolder, const char* fileLine, char* out,
                    size_t cap) {
  return JoinPath(out, cap, discFolder, gameFolder) && JoinPath(out, cap, out, fileLine);
}

bool ComposeSourcePath(const char* fileLine, char* out, size_t cap) {
  char folder[kPathSize];
  if (!OsGetCurrentFolder(folder, sizeof folder)) {
    if (cap > 0) out[0] = '\0';
    return false;
  }
  return FormSourcePath(folder, g_Setup.PATH, fileLine, out, cap);
}
