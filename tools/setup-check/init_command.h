// setup-check --init GAME_FOLDER [--force]: the command itself.
#pragma once

// Writes setup.ini into the parent of gameFolder, and leaves that parent as the current
// folder. Returns 0 when written. Otherwise prints the reasons on standard error and
// returns the exit status.
int WriteSetupDraft(const char* gameFolder, bool force);
