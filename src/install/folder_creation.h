// Creating every missing level of a folder path, each created level logged.
#pragma once

// 1 when the whole path now exists as folders, 0 when a folder could not be created
// (or the path is too long), -1 when the deepest existing part is a file. Each created
// folder is logged, parents first.
int CreateFolderPath(const char* path);
