// One step of the copy pass: the next listed file of the chosen types goes from the disc
// into the install folder, its sub-folder prepared and logged, its read-only bit cleared.
#pragma once
#include "platform/copy_with_progress.h"
#include "platform/file_system.h"

enum { kCopyPathCapacity = 1024, kDiscFolderCapacity = 512 };

struct CopyStepPaths {
  char subFolder[kCopyPathCapacity];  // the target's folder, with a trailing backslash
  char target[kCopyPathCapacity];
  char source[kCopyPathCapacity];
};

// Forms the three paths for the entry relative (a path below the game folder gameFolder on
// the disc at discFolder). false when one of them does not fit its buffer, or the target
// or its folder is longer than Windows takes: the step must then not touch the file system
// and counts as a failed copy.
bool FormCopyStepPaths(const char* discFolder, const char* gameFolder, const char* installFolder,
                       const char* relative, CopyStepPaths* paths);

// A pass over the files of g_TypeMask into g_InstallFolder. The disc folder is the current
// folder when the pass began; paths are those of the latest step, for what is shown.
struct CopyPass {
  char discFolder[kDiscFolderCapacity];
  CopyStepPaths paths;
};

// Starts the walk over the selected files.
void BeginCopyPass(CopyPass* pass);

enum CopyStepResult { kCopyStepCopied, kCopyStepFailed, kCopyStepStopped, kCopyStepNoFileLeft };
// Copies the next file. showPaths is called before the copy starts, with pass->paths formed
// (cut when they did not fit: the step then fails without touching the file system);
// progress as in OsCopyFileWithProgress.
CopyStepResult CopyNextFile(CopyPass* pass, void (*showPaths)(const CopyStepPaths& paths),
                            OsCopyProgress progress);
