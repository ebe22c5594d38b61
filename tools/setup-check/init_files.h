// The game folder's files for the draft, each with its data type.
#pragma once

#include "init_draft.h"

// Picks a file's type from its line, by the rule the draft explains at its top. A picture
// outside the typed folders gets the 24/32-bit type here; the walk then reads its depth.
DraftType DraftTypeOf(const char* line);

// Collects every file below g_Draft.folder in the current folder. Names the launcher
// could not use are refused and reported. Sorts the files by type, then by name.
void CollectDraftFiles();
