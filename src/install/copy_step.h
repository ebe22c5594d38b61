// One step of the copy pass: copies the next listed file of the chosen types from the disc
// into the install folder. The step creates and logs each missing level of the file's
// sub-folder, and clears the copy's read-only bit. A failed copy can be tried again.
#pragma once
#include "path/path_characters.h"
#include "platform/copy_with_progress.h"
#include "platform/file_system.h"
#include "setup_source/file_set.h"
#include "setup_source/setup_description.h"

struct CopyStepPaths {
  char subFolder[kPathSize];  // the target's folder, with a trailing backslash
  char target[kPathSize];
  char source[kPathSize];
};

// Forms the three paths for the file relative, a path below the game folder gameFolder on
// the disc at discFolder. Returns false if a path does not fit its buffer, or the target
// or its folder is longer than Windows allows. The step must then not touch the file
// system, and counts as a failed copy.
bool FormCopyStepPaths(const char* discFolder, const char* gameFolder, const char* installFolder,
                       const char* relative, CopyStepPaths* paths);

// A pass that copies the files of g_TypeMask into g_InstallFolder. discFolder is the
// current folder when the pass began. relative and paths are the latest step's file.
struct CopyPass {
  FileSetWalk walk;  // the pass's own, kept between steps
  char discFolder[kPathSize];
  char relative[kFileNameCapacity + 1];
  CopyStepPaths paths;
};

// Starts the walk over the selected files.
void BeginCopyPass(CopyPass* pass);

enum CopyStepResult { kCopyStepCopied, kCopyStepFailed, kCopyStepStopped, kCopyStepNoFileLeft };
// Copies the next file. showPaths is called with pass->paths before the copy starts. If a
// path did not fit, it is shown empty, and the step fails without touching the file system.
// progress works as in OsCopyFileWithProgress.
CopyStepResult CopyNextFile(CopyPass* pass, void (*showPaths)(const CopyStepPaths& paths),
                            OsCopyProgress progress);
// Copies the latest step's file again, as CopyNextFile did: after a failure the player may
// have put right (the disc put back, the program holding the target closed).
CopyStepResult CopyFileAgain(CopyPass* pass, void (*showPaths)(const CopyStepPaths& paths),
                             OsCopyProgress progress);
