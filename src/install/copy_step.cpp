#include "install/copy_step.h"

#include <stdint.h>
#include <string.h>

#include "install/folder_creation.h"
#include "install/install_selection.h"
#include "install/path_limits.h"
#include "path/components.h"
#include "path/path_characters.h"
#include "path/save_name.h"
#include "platform/platform.h"
#include "setup_source/source_path.h"
#include "text/bounded_text.h"

namespace {

// Clears the read-only bit (files copied from a disc have it), so that an uninstall can
// delete the file and a later install can replace it.
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
  // If the directory part is this long, the sub-folder path cannot fit either, and the
  // step fails. A path that does not fit is left empty, never cut into another.
  char directory[kPathSize] = "";
  bool whole = directoryLength < sizeof directory;
  if (whole) CopyText(directory, directoryLength + 1, relative + spans.driveEnd);
  whole = JoinPath(paths->subFolder, sizeof paths->subFolder, installFolder, directory) && whole &&
          FolderPathFits(paths->subFolder);
  whole = JoinPath(paths->target, sizeof paths->target, installFolder, relative) && whole &&
          FilePathFits(paths->target);
  return FormSourcePath(discFolder, gameFolder, relative, paths->source, sizeof paths->source) &&
         whole;
}

void BeginCopyPass(CopyPass* pass) {
  OsGetCurrentFolder(pass->discFolder, sizeof pass->discFolder);
  pass->walk = {g_TypeMask, 0};
}

CopyStepResult CopyNextFile(CopyPass* pass, void (*showPaths)(const CopyStepPaths& paths),
                            OsCopyProgress progress) {
  if (!NextFileInSet(&pass->walk, pass->relative, sizeof pass->relative)) {
    return kCopyStepNoFileLeft;
  }
  return CopyFileAgain(pass, showPaths, progress);
}

CopyStepResult CopyFileAgain(CopyPass* pass, void (*showPaths)(const CopyStepPaths& paths),
                             OsCopyProgress progress) {
  const char* relative = pass->relative;
  CopyStepPaths& paths = pass->paths;
  bool whole = FormCopyStepPaths(pass->discFolder, g_Setup.PATH, g_InstallFolder, relative, &paths);
  // If a level cannot be made, the copy into it fails and says so.
  if (whole) CreateSubFolders(paths.subFolder, strlen(g_InstallFolder));
  showPaths(paths);
  // A path that did not fit would name some other file, so the step fails as a failed
  // copy would.
  if (!whole) return kCopyStepFailed;
  // A save file already there belongs to the player; an earlier uninstall kept it. Copying
  // over it would lose the player's progress, and a failed copy would delete it.
  uint32_t attributes;
  if (HasSaveExtension(relative) && OsGetFileAttributes(paths.target, &attributes)) {
    return kCopyStepCopied;
  }
  OsCopyResult result = OsCopyFileWithProgress(paths.source, paths.target, progress);
  ClearReadOnly(paths.target);
  if (result == kOsCopyStopped) return kCopyStepStopped;
  return result == kOsCopyDone ? kCopyStepCopied : kCopyStepFailed;
}
