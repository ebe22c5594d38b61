// setup-check --init GAME_FOLDER [--force]: a first setup.ini for a game folder, written
// into its parent (the disc root) for the publisher to check and edit.
#pragma once
#include <stdio.h>

#include "setup_source/setup_description.h"

// The five data types of the install dialog, by the position it shows them in.
enum DraftType { kDraftExe, kDraftSound, kDraftData, kDraftCg16, kDraftCg24, kDraftTypeCount };

struct DraftFile {
  char line[kFileNameCapacity + 1];  // relative to the game folder, backslashes
  DraftType type;
};

struct SetupDraft {
  char folder[kShortSettingCapacity + 1];  // the game folder's name
  DraftFile files[kMaxFileEntries];
  int fileCount;   // kept in files
  int foundCount;  // every file found, kept or not
  int errorCount;  // names refused
};

extern SetupDraft g_Draft;
