#include "install/file_copy.h"

#include <stdint.h>

#include "install/folder_log.h"
#include "install/folder_preparation.h"
#include "platform/file_system.h"
#include "text/bounded_text.h"
#include "text/sjis.h"

static bool FormSourcePath(char* out, size_t cap, const char* sourceRoot, const char* gameFolder,
                           const char* relative) {
  // Each joint gets exactly one backslash, whether or not the root (Q:\) or the game
  // folder setting ends with one; an empty game folder means the disc root itself.
  bool whole = CopyText(out, cap, sourceRoot);
  RemoveTrailingBackslash(out);
  whole = AppendText(out, cap, "\\") && whole;
  whole = AppendText(out, cap, gameFolder) && whole;
  RemoveTrailingBackslash(out);
  whole = AppendText(out, cap, "\\") && whole;
  return AppendText(out, cap, relative) && whole;
}

bool FormCopyStepPaths(const char* sourceRoot, const char* gameFolder, const char* installFolder,
                       const char* relative, CopyStepPaths* paths) {
  PathParts parts;
  SplitPath(relative, &parts);
  bool whole = FormatText(paths->subFolder, sizeof paths->subFolder, "%s\\%s", installFolder,
                          parts.directory);
  whole =
      FormatText(paths->target, sizeof paths->target, "%s\\%s", installFolder, relative) && whole;
  return FormSourcePath(paths->source, sizeof paths->source, sourceRoot, gameFolder, relative) &&
         whole;
}

void PrepareSubFolder(const char* subFolder) {
  uint32_t attributes;
  if (OsGetFileAttributes(subFolder, &attributes)) return;
  // Only this level: a missing parent makes the creation and then the copy fail.
  if (OsCreateFolder(subFolder)) LogCreatedFolder(subFolder);
}

void ClearReadOnly(const char* target) {
  uint32_t attributes;
  if (OsGetFileAttributes(target, &attributes)) {
    OsSetFileAttributes(target, attributes & ~static_cast<uint32_t>(kAttributeReadOnly));
  }
}
