// setup-check --init GAME_FOLDER [--force] writes a first setup.ini for a game folder into
// its parent (the disc root), for the publisher to check and edit.
#pragma once
#include <stdio.h>

#include "setup_source/setup_description.h"

// The five data types of the install dialog, in the order the dialog shows them.
enum DraftType { kDraftExe, kDraftSound, kDraftData, kDraftCg16, kDraftCg24, kDraftTypeCount };

struct DraftFile {
  char line[kFileNameCapacity + 1];  // relative to the game folder, backslashes
  DraftType type;
};

struct SetupDraft {
  char folder[kShortSettingCapacity + 1];  // the game folder's name
  DraftFile files[kMaxFileEntries];
  int fileCount;   // how many are in files
  int foundCount;  // every file found, including those that did not fit
  int errorCount;  // names refused
};

extern SetupDraft g_Draft;
