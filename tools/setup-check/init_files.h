// The game folder's files for the draft, each with its data type.
#pragma once

#include "init_draft.h"

// The type of a file by its line: the rule written at the top of the draft.
DraftType DraftTypeOf(const char* line);

// Collects every file below the folder g_Draft.folder of the current folder, refusing (and
// reporting) names the launcher could not use; sorts them by type, then by name.
void CollectDraftFiles();
