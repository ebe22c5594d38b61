// Creates every missing level of a folder path, and logs each level it creates.
#pragma once

// Returns 1 when the whole path now exists as folders, 0 when a folder could not be
// created (or the path is too long), and -1 when the deepest existing part is a file.
// Each created folder is logged, parents first.
int CreateFolderPath(const char* path);
