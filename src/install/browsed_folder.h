// Forms the install folder to propose after the player browsed for its parent folder.
#pragma once
#include <stddef.h>

// Joins chosen and gameFolder (the PATH setting) with one backslash. A chosen drive root
// (D:\) already ends in one, so none is added. Returns false if the result was cut.
bool JoinBrowsedFolder(char* out, size_t cap, const char* chosen, const char* gameFolder);
