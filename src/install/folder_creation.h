// Tidying the install folder text and creating every missing level of a folder path.
#pragma once
#include <stddef.h>

// Rewrites g_InstallFolder: single backslashes, no trailing one, and a last part that
// looks like a file name (it has an extension) dropped.
void NormaliseInstallFolder();

// 1 when the whole path now exists as folders, 0 when a folder could not be created
// (or the path is too long), -1 when the deepest existing part is a file. Each created
// folder is logged, parents first.
int CreateFolderPath(const char* path);

// A path's parts, stepping over two-byte characters: drive ("C:" or empty), directory (up
// to and including the last separator), name, extension (from the last dot). Each part
// holds at most 255 bytes.
struct PathParts {
  char drive[3];
  char directory[256];
  char name[256];
  char extension[256];
};
void SplitPath(const char* path, PathParts* parts);
