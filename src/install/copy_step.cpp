#include "install/copy_step.h"

#include <stdint.h>

#include "install/folder_log.h"
#include "install/install_selection.h"
#include "install/path_limits.h"
#include "path/components.h"
#include "path/save_name.h"
#include "platform/platform.h"
#include "setup_source/file_set.h"
#include "setup_source/source_path.h"
#include "text/bounded_text.h"

namespace {

void PrepareSubFolder(const char* subFolder) {
  uint32_t attributes;
  if (OsGetFileAttributes(subFolder, &attributes)) return;
  // Only this level: a missing parent makes the creation and then the copy fail.
  if (OsCreateFolder(subFolder)) LogCreatedFolder(subFolder);
}

// An uninstall can then delete the file, and a later install replace it.
void ClearReadOnly(const char* target) {
  uint32_t attributes;
  if (OsGetFileAttributes(target, &attributes)) {
    OsSetFileAttributes(target, attributes & ~static_cast<uint32_t>(kAttributeReadOnly));
  }
}

}  // namespace

bool FormCopyStepPaths(const char* discFolder, const char* gameFolder, const char* installFolder,
                       const char* relative, CopyStepPaths* paths) {
  PathSpans spans;
  FindPathSpans(relative, &spans);
  size_t directoryLength = spans.directoryEnd - spans.driveEnd;
  // A directory part this long cannot fit the sub-folder path either: then only what is
  // shown is formed, from the part's leading whole characters.
  char directory[kCopyPathCapacity] = "";
  bool whole = directoryLength < sizeof directory;
  if (whole) CopyText(directory, directoryLength + 1, relative + spans.driveEnd);
  whole =
      FormatText(paths->subFolder, sizeof paths->subFolder, "%s\\%s", installFolder, directory) &&
      whole && FolderPathFits(paths->subFolder);
  whole = FormatText(paths->target, sizeof paths->target, "%s\\%s", installFolder, relative) &&
          whole && FilePathFits(paths->target);
  return FormSourcePath(discFolder, gameFolder, relative, paths->source, sizeof paths->source) &&
         whole;
}

void BeginCopyPass(CopyPass* pass) {
  OsGetCurrentFolder(pass->discFolder, sizeof pass->discFolder);
  BeginFileSet(g_TypeMask);
}

CopyStepResult CopyNextFile(CopyPass* pass, void (*showPaths)(const CopyStepPaths& paths),
                            OsCopyProgress progress) {
  char relative[kFileNameCapacity + 1];
  if (NextFileInSet(relative, sizeof relative) == 1) return kCopyStepNoFileLeft;
  CopyStepPaths& paths = pass->paths;
  bool whole = FormCopyStepPaths(pass->discFolder, g_Setup.PATH, g_InstallFolder, relative, &paths);
  if (whole) PrepareSubFolder(paths.subFolder);
  showPaths(paths);
  // A path that did not fit would name another file: the step fails like a copy.
  if (!whole) return kCopyStepFailed;
  // A save file already there is the player's, kept by an earlier uninstall: a copy over it
  // would lose the game, and a failed copy would delete it.
  uint32_t attributes;
  if (HasSaveExtension(relative) && OsGetFileAttributes(paths.target, &attributes)) {
    return kCopyStepCopied;
  }
  OsCopyResult result = OsCopyFileWithProgress(paths.source, paths.target, progress);
  ClearReadOnly(paths.target);
  if (result == kOsCopyStopped) return kCopyStepStopped;
  return result == kOsCopyDone ? kCopyStepCopied : kCopyStepFailed;
}
