#include "setup_source/source_path.h"

#include "text/bounded_text.h"
#include "text/sjis.h"

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
