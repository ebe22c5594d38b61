// Removes what the recorded install made: files, save files unless kept, logged folders,
// and the record.
#pragma once

#include <stddef.h>

// keepSaves leaves the save files and the maker's registry keys in place. Returns false
// if something it should remove is still there (a file in use, a folder held open), and
// then puts the folder the player should look in into leftoverPlace.
bool Uninstall(bool keepSaves, char* leftoverPlace, size_t cap);
