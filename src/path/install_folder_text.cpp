#include "path/install_folder_text.h"

#include <string.h>

#include "path/components.h"
#include "path/path_characters.h"
#include "text/bounded_text.h"

namespace {

// Copies the first length bytes of kept into out by whole characters, stopping at a zero
// byte, CR or LF. Doubled backslashes become one. Returns false if out was too small.
bool CollapseBackslashes(const char* kept, size_t length, char* out, size_t cap) {
  CopyText(out, cap, "");
  size_t i = 0;
  while (i < length && kept[i] != '\0' && kept[i] != '\r' && kept[i] != '\n') {
    size_t step = PathCharLength(kept + i);
    if (i + step > length) break;
    bool doubled = kept[i] == '\\' && i + 1 < length && kept[i + 1] == '\\';
    if (!doubled && !AppendTextPart(out, cap, kept + i, step)) return false;
    i += step;
  }
  return true;
}

}  // namespace

bool FormDefaultInstallFolder(const char* defdir, const char* gameFolder, char* out, size_t cap) {
  return JoinPath(out, cap, defdir, gameFolder);
}

bool NormaliseFolderText(const char* folder, char* out, size_t cap) {
  PathSpans spans;
  FindPathSpans(folder, &spans);
  bool hasExtension = spans.nameEnd < spans.end;
  size_t keptEnd = hasExtension ? spans.directoryEnd : spans.nameEnd;

  char rest[kPathSize];
  if (!CollapseBackslashes(folder + spans.driveEnd, keptEnd - spans.driveEnd, rest, sizeof rest)) {
    return false;
  }
  RemoveTrailingBackslash(rest);

  // The drive and rest together are never longer than folder, and the backslash added
  // after rest is removed again at once, so only the copy into out can cut.
  char joined[kPathSize + sizeof "C:"];  // room for the drive and the backslash
  memcpy(joined, folder, spans.driveEnd);
  joined[spans.driveEnd] = '\0';
  AppendText(joined, sizeof joined, rest);
  if (rest[0] != '\0' && !EndsWithSeparator(rest)) {
    AppendText(joined, sizeof joined, "\\");
  }
  RemoveTrailingBackslash(joined);
  return CopyText(out, cap, joined);
}
