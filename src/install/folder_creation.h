// Creates every missing level of a folder path, and logs each level it creates.
#pragma once
#include <stddef.h>

// Returns 1 when the whole path now exists as folders, 0 when a folder could not be
// created (or the path is too long), and -1 when the deepest existing part is a file.
// Each missing level is logged, then created, parents first. When a level cannot be
// created, the levels this call made are removed again: the log lives in the folder that
// could not be made, so nothing could ever name them for the uninstall.
int CreateFolderPath(const char* path);

// Creates the missing levels of subFolder (which ends with a backslash) below its first
// `existing` bytes, the install folder, outermost first. Each level is logged, with its
// trailing backslash, before it is created. Returns false if a level could not be made.
bool CreateSubFolders(const char* subFolder, size_t existing);
