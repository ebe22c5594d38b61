// Removes what the recorded install made: files, save files unless kept, logged folders,
// and the record.
#pragma once

#include <stddef.h>

enum UninstallResult {
  kUninstallDone,
  // Something it should remove is still there (a file in use, a folder held open).
  kUninstallLeftSomething,
  // The record names a place no install may use (a drive's root, the Windows folder):
  // nothing was deleted there.
  kUninstallRefusedPlace,
};

// keepSaves leaves the save files and the maker's registry keys in place. The record is
// cleared whatever the result. Unless the result is kUninstallDone, place receives the
// folder the player should look in.
UninstallResult Uninstall(bool keepSaves, char* place, size_t cap);
