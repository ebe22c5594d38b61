#include "path/install_folder_text.h"

#include <string.h>

#include "path/components.h"
#include "path/drive_prefix.h"
#include "path/folder_relation.h"
#include "path/path_characters.h"
#include "path/windows_aliases.h"
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

bool IsRefusedInstallFolder(const char* folder, const char* windowsFolder) {
  // Refuse a component that ends in a dot or blank without comparing its text, because
  // the system reads it as another name: "C:\Games\.." is really the drive's root, and
  // "C:\Windows.\x" is really inside the Windows folder.
  // A device name opens the device in any folder, so "D:\Games\CON" can never be made.
  if (IsDriveRoot(folder) || AnyComponent(folder, EndsInDotOrBlank) ||
      AnyComponent(folder + DrivePrefixLength(folder), IsDeviceName)) {
    return true;
  }
  if (windowsFolder[0] == '\0') return false;
  FolderRelation relation = RelateFolders(folder, windowsFolder);
  return relation == kFolderSame || relation == kFolderInside;
}
