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

// Writes setup.ini into the parent of gameFolder, and leaves that parent as the current
// folder. Returns 0 when written. Otherwise prints the reasons on standard error and
// returns the exit status.
int WriteSetupDraft(const char* gameFolder, bool force);

// Picks a file's type from its line, by the rule the draft explains at its top.
DraftType DraftTypeOf(const char* line);

// Collects every file below g_Draft.folder in the current folder. Names the launcher
// could not use are refused and reported. Sorts the files by type, then by name.
void CollectDraftFiles();

// Writes the text of setup.ini for g_Draft, in code page 932 with CR LF. Returns false,
// and reports it, if a value would not read back as written.
bool ComposeDraft(char* text, size_t cap, size_t* length);

// Prints "setup-check --init: SEVERITY: " and the code page 932 message on standard
// error.
void PrintDraftProblem(const char* severity, const char* message);
// Prints text on standard error as UTF-8. text is code page 932 unless isUtf8. Control
// bytes are shown as \xNN, so that a file name cannot send commands to the terminal.
void PrintEscaped(const char* text, bool isUtf8);
