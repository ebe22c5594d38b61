// The file system side of one copy step: where a listed file comes from and goes to,
// the sub-folder it needs, and the attribute tidy-up after the copy.
#pragma once
#include <stddef.h>

enum { kCopyPathCapacity = 1024, kSubFolderCapacity = 260 };

struct CopyStepPaths {
  char subFolder[kSubFolderCapacity];  // the target's folder, with a trailing backslash
  char target[kCopyPathCapacity];
  char source[kCopyPathCapacity];
};

// Forms the three paths for the entry relative (a path below the game folder gameFolder on
// the disc at sourceRoot). false when one of them does not fit: the step must then not
// touch the file system and counts as a failed copy.
bool FormCopyStepPaths(const char* sourceRoot, const char* gameFolder, const char* installFolder,
                       const char* relative, CopyStepPaths* paths);

// Creates the deepest level of subFolder when it is missing and logs it as created.
void PrepareSubFolder(const char* subFolder);

// Clears the read-only bit of an existing target, so an uninstall can delete it.
void ClearReadOnly(const char* target);
