// Path length limits. Windows creates no folder whose full path is longer than 247 UTF-16
// units, and opens no file past 259. The install dialog's 開始 (Start) button, folder
// creation and the copy step all count the same way, so that 開始 never accepts a folder
// the install then refuses.
#pragma once
#include "setup_source/setup_description.h"

enum { kMaxFolderPathUnits = 247, kMaxFilePathUnits = 259 };

// A trailing backslash is not counted, because the folder is the same without it.
bool FolderPathFits(const char* folder);
bool FilePathFits(const char* path);

// Whether an install of mask into installFolder stays within both limits. Checks the
// folder, each file's sub-folder, each file and the log.
bool InstallPathsFit(const char* installFolder, TypeMask mask);
