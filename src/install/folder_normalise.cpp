// Tidying the install folder the user accepted: single backslashes, no trailing one,
// and a last part that looks like a file name dropped.
#include "install/folder_normalise.h"

#include <string.h>

#include "install/install_selection.h"
#include "install/path_spans.h"
#include "text/bounded_text.h"
#include "text/sjis.h"

namespace {

// Copies kept[0..length) by whole characters up to a zero, CR or LF, leaving out a
// backslash that another one follows.
void CollapseBackslashes(const char* kept, size_t length, char* out, size_t cap) {
  CopyText(out, cap, "");
  size_t i = 0;
  while (i < length && kept[i] != '\0' && kept[i] != '\r' && kept[i] != '\n') {
    size_t step = PathCharLength(kept + i);
    if (i + step > length) break;
    bool doubled = kept[i] == '\\' && i + 1 < length && kept[i + 1] == '\\';
    if (!doubled && !AppendTextPart(out, cap, kept + i, step)) break;
    i += step;
  }
}

bool EndsWithSlash(const char* text) {
  const char* last = LastPathChar(text);
  return last != nullptr && *last == '/';
}

}  // namespace

void NormaliseInstallFolder() {
  PathSpans spans;
  FindPathSpans(g_InstallFolder, &spans);
  bool hasExtension = spans.nameEnd < spans.end;
  size_t keptEnd = hasExtension ? spans.directoryEnd : spans.nameEnd;

  char rest[kFolderCapacity + 1];
  CollapseBackslashes(g_InstallFolder + spans.driveEnd, keptEnd - spans.driveEnd, rest,
                      sizeof rest);
  RemoveTrailingBackslash(rest);

  char joined[kFolderCapacity + 1];
  memcpy(joined, g_InstallFolder, spans.driveEnd);
  joined[spans.driveEnd] = '\0';
  AppendText(joined, sizeof joined, rest);
  if (rest[0] != '\0' && !EndsWithBackslash(rest) && !EndsWithSlash(rest)) {
    AppendText(joined, sizeof joined, "\\");
  }
  RemoveTrailingBackslash(joined);
  CopyText(g_InstallFolder, sizeof g_InstallFolder, joined);
}
