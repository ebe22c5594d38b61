// How long a path Windows takes: no folder is created whose full path passes 247 UTF-16
// units, and no file is opened past 259. The start button, folder creation and the copy
// step count the same way, so that 開始 never accepts a folder the install then refuses.
#pragma once
#include "setup_source/setup_description.h"

enum { kMaxFolderPathUnits = 247, kMaxFilePathUnits = 259 };

// A trailing backslash is not counted: the folder is the same without it.
bool FolderPathFits(const char* folder);
bool FilePathFits(const char* path);

// Whether an install of mask into installFolder stays within both limits: the folder, the
// deepest sub-folder of each file, each file and the log.
bool InstallPathsFit(const char* installFolder, TypeMask mask);
