// The install folder proposed after the user browsed for its parent.
#pragma once
#include <stddef.h>

// chosen joined with gameFolder (the PATH setting) by one backslash; a chosen drive root
// (D:\) already ends in one. false when cut.
bool JoinBrowsedFolder(char* out, size_t cap, const char* chosen, const char* gameFolder);
