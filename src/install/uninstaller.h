// Removing what the recorded install made: files, save files unless kept, logged
// folders, and the record.
#pragma once

#include <stddef.h>

// keepSaves leaves the save files and the maker's registry keys in place. false when
// something it was to remove is still there (a file in use, a held folder); leftoverPlace
// then names the folder the player is to look in.
bool Uninstall(bool keepSaves, char* leftoverPlace, size_t cap);
