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

// Writes setup.ini into the parent of gameFolder and leaves that parent the current folder.
// 0 when written; otherwise the exit status after the reasons went to standard error.
int WriteSetupDraft(const char* gameFolder, bool force);

// The type of a file by its line: the rule written at the top of the draft.
DraftType DraftTypeOf(const char* line);

// Collects every file below the folder g_Draft.folder of the current folder, refusing (and
// reporting) names the launcher could not use; sorts them by type, then by name.
void CollectDraftFiles();

// The text of setup.ini for g_Draft, code page 932 with CR LF; false when a value would not
// read back as written (reported).
bool ComposeDraft(char* text, size_t cap, size_t* length);

// "setup-check --init: SEVERITY: " and the code page 932 message on standard error.
void PrintDraftProblem(const char* severity, const char* message);
// text on standard error, as UTF-8; code page 932 unless isUtf8. Control bytes show as \xNN,
// so that a file name cannot drive the terminal.
void PrintEscaped(const char* text, bool isUtf8);
